#include "stats/ImageSurface.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>

#include "stats/Colors.h"

namespace stats {

namespace {

QRect Box(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace

QFont GraphFont() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    // Unhinted, 12 pixels advance 7.19 a character; full hinting rounds it to 7.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

ImageSurface::ImageSurface(QImage& image) : ImageSurface(image, image.size(), 1) {}

ImageSurface::ImageSurface(QPaintDevice& device, QSize size, qreal scale)
    : m_size(size), m_scale(scale), m_painter(&device), m_textColor(kBlack) {
    const QFont font = GraphFont();
    m_painter.setFont(font);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.scale(scale, scale);
    const QFontMetrics metrics(font);
    m_ascent = metrics.ascent();
    // A scaled font advances by its unhinted width: each character goes on the grid by itself.
    m_fontOnGrid =
        scale == 1 && metrics.horizontalAdvance(QString(10, QLatin1Char('0'))) == 10 * kCharWidth;
}

void ImageSurface::Clear() { m_painter.fillRect(QRect(QPoint(0, 0), m_size), QColor(kBackground)); }

void ImageSurface::PrintAt(const std::string& text, int row, int x) {
    // Row 0 (the EK table's header at 40 and 48 bins) begins above the
    // picture: its text is drawn at the top, whole.
    PrintLabel(text, x, std::max(0, RowTop(row)));
}

void ImageSurface::PrintLabel(const std::string& text, int x, int y) {
    UsePen(m_textColor);
    const QString characters = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int baseline = y + m_ascent;
    if (m_fontOnGrid) {
        m_painter.drawText(QPoint(x, baseline), characters);
        return;
    }
    for (qsizetype i = 0; i < characters.size(); ++i) {
        m_painter.drawText(QPoint(x + kCharWidth * static_cast<int>(i), baseline),
                           QString(characters[i]));
    }
}

void ImageSurface::ClearRow(int row) {
    FilledBox(0, kRowHeight * row - 5, Width(), kRowHeight * row + 10, kBackground);
}

void ImageSurface::UsePen(QRgb color) {
    if (m_penColor == color) return;
    // An aliased cosmetic pen sets both end points of a line; scaled, a pen
    // one drawing pixel wide with square ends covers the same pixels.
    m_painter.setPen(QPen(QColor(color), m_scale == 1 ? 0 : 1));
    m_penColor = color;
}

void ImageSurface::Line(int x1, int y1, int x2, int y2, QRgb color) {
    UsePen(color);
    if (m_scale == 1) {
        m_painter.drawLine(x1, y1, x2, y2);
        return;
    }
    // Through the middle of the pixels, as the unscaled line runs.
    m_painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void ImageSurface::FilledBox(int x1, int y1, int x2, int y2, QRgb color) {
    m_painter.fillRect(Box(x1, y1, x2, y2), QColor(color));
}

void ImageSurface::OutlinedBox(int x1, int y1, int x2, int y2, QRgb outline, QRgb fill) {
    const QRect box = Box(x1, y1, x2, y2);
    m_painter.fillRect(box, QColor(outline));
    if (box.width() > 2 && box.height() > 2) {
        m_painter.fillRect(box.adjusted(1, 1, -1, -1), QColor(fill));
    }
}

void ImageSurface::SetPoint(int x, int y, QRgb color) {
    UsePen(color);
    if (m_scale == 1) {
        m_painter.drawPoint(x, y);
    } else {
        m_painter.drawPoint(QPointF(x + 0.5, y + 0.5));
    }
    m_current = QPoint(x, y);
}

void ImageSurface::LineTo(int x, int y, QRgb color) {
    Line(m_current.x(), m_current.y(), x, y, color);
    m_current = QPoint(x, y);
}

}  // namespace stats
