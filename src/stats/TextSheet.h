#pragma once

#include <map>
#include <string>
#include <vector>

#include "stats/DrawingSurface.h"

namespace stats {

// A surface that keeps only the text written on rows: the tables and
// statistics of a picture, without its graphics and graph labels. It gives
// the text form of a histogram.
class TextSheet : public DrawingSurface {
public:
    struct Item {
        int x = 0;
        std::string text;
        bool operator==(const Item&) const = default;
    };

    TextSheet(int width, int height) : m_width(width), m_height(height) {}

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    void Clear() override { m_rows.clear(); }
    void SetDrawColor(Rgb) override {}
    void PrintAt(const std::string& text, int row, int x) override;
    void PrintLabel(const std::string&, int, int) override {}
    void ClearRow(int row) override { m_rows.erase(row); }
    void Line(int, int, int, int, Rgb) override {}
    void FilledBox(int, int, int, int, Rgb) override {}
    void OutlinedBox(int, int, int, int, Rgb, Rgb) override {}
    void SetPoint(int, int, Rgb) override {}
    void LineTo(int, int, Rgb) override {}

    // What was written on `row`, in the order it was written.
    std::vector<Item> RowItems(int row) const;

    // The rows as lines on the 7-pixel character grid, x 7 in the first
    // column; a run of empty rows between two written rows gives one empty
    // line. Trailing blanks are dropped.
    std::vector<std::string> Lines() const;

private:
    int m_width;
    int m_height;
    std::map<int, std::vector<Item>> m_rows;
};

}  // namespace stats
