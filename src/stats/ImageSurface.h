#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include <optional>

#include "stats/DrawingSurface.h"

namespace stats {

// The graph text: Liberation Mono at 12 pixels, hinted so that a character
// advances exactly 7 pixels.
QFont GraphFont();

// Draws on a QImage, the persistent picture, for as long as it lives (one
// rendering); or on any paint device (a larger image, an SVG file) at
// `scale` device pixels to a pixel of the drawing, which keeps its
// geometry: lines stay one drawing pixel wide and text stays on its grid.
// Needs a QGuiApplication for its text.
class ImageSurface : public DrawingSurface {
public:
    explicit ImageSurface(QImage& image);
    // `size` in pixels of the drawing.
    ImageSurface(QPaintDevice& device, QSize size, qreal scale);

    int Width() const override { return m_size.width(); }
    int Height() const override { return m_size.height(); }

    void Clear() override;
    void SetDrawColor(QRgb color) override { m_textColor = color; }
    void PrintAt(const std::string& text, int row, int x) override;
    void PrintLabel(const std::string& text, int x, int y) override;
    void ClearRow(int row) override;
    void Line(int x1, int y1, int x2, int y2, QRgb color) override;
    void FilledBox(int x1, int y1, int x2, int y2, QRgb color) override;
    void OutlinedBox(int x1, int y1, int x2, int y2, QRgb outline, QRgb fill) override;
    void SetPoint(int x, int y, QRgb color) override;
    void LineTo(int x, int y, QRgb color) override;

private:
    void UsePen(QRgb color);

    QSize m_size;
    qreal m_scale;
    QPainter m_painter;
    QRgb m_textColor;
    std::optional<QRgb> m_penColor;  // the painter's pen, set only on a change
    QPoint m_current;
    int m_ascent;
    // False when the font's advance is not 7 pixels: each character is then
    // placed on the grid by itself.
    bool m_fontOnGrid;
};

}  // namespace stats
