#include "app/WindowControls.h"

#include <QFontDatabase>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace app {

namespace {

constexpr int kFontPixels = 11;
constexpr int kMonospacedPixels = 12;

}  // namespace

QFont ProportionalFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    return font;
}

QFont MonospacedFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(kMonospacedPixels);
    return font;
}

QFont BoldFont() {
    // Only the weight is set: the rest resolves against the parent's font.
    QFont font;
    font.setBold(true);
    return font;
}

void SetCompactWidth(QPushButton& button, int designWidth) {
    QStyle* style = button.style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    const int caption = button.fontMetrics().horizontalAdvance(button.text());
    button.setFixedWidth(std::max(designWidth, caption + margins));
}

}  // namespace app
