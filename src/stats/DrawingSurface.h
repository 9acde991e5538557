#pragma once

#include <string>

#include "stats/Colors.h"

namespace stats {

// Text advances 7 pixels a character and rows are 15 pixels apart.
inline constexpr int kCharWidth = 7;
inline constexpr int kRowHeight = 15;

// The y of the top of the text on `row`; row 0 lies partly above the surface.
constexpr int RowTop(int row) { return (row - 1) * kRowHeight + 11; }

// What the histogram renderer draws on: pixel coordinates, origin at the top
// left, y growing downwards. Boxes and lines include both end points.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Erases the whole surface to the background colour.
    virtual void Clear() = 0;
    // The colour of the text that follows.
    virtual void SetDrawColor(Rgb color) = 0;

    // Table and statistics text: its top-left corner at (x, RowTop(row)).
    virtual void PrintAt(const std::string& text, int row, int x) = 0;
    // A label of the graph itself (spike numbers, marker values, scale):
    // its top-left corner at the pixel (x, y).
    virtual void PrintLabel(const std::string& text, int x, int y) = 0;
    // Erases the band of `row`: y from 15·row − 5 to 15·row + 10, full width.
    virtual void ClearRow(int row) = 0;

    virtual void Line(int x1, int y1, int x2, int y2, Rgb color) = 0;
    // A rectangle filled and outlined in one colour.
    virtual void FilledBox(int x1, int y1, int x2, int y2, Rgb color) = 0;
    virtual void OutlinedBox(int x1, int y1, int x2, int y2, Rgb outline, Rgb fill) = 0;
    // A traced curve: SetPoint starts it, each LineTo joins the previous point.
    virtual void SetPoint(int x, int y, Rgb color) = 0;
    virtual void LineTo(int x, int y, Rgb color) = 0;
};

}  // namespace stats
