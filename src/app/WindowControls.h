#pragma once

#include <QFont>
#include <QLatin1String>
#include <QWidget>

class QPushButton;

namespace app {

// Labels and buttons use a proportional font, the number fields and the
// output a monospaced one, so that result columns line up.
QFont ProportionalFont();
QFont MonospacedFont();
// Bold in whatever font the control inherits.
QFont BoldFont();

// The space between the input groups on the left and the areas on the right.
inline constexpr int kGapBeforeOutput = 10;

// A control made on `parent`, named (objectName) as the program's
// documentation names it, so that tests and the state rules find it.
template <typename Widget, typename... Args>
Widget* MakeNamed(QWidget* parent, const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The design's narrow buttons (Clear, the filter operators) keep their width
// in any style that fits their caption in it, and grow only as far as a
// style's margins around the caption need, never to a style's minimum
// button width.
void SetCompactWidth(QPushButton& button, int designWidth);

}  // namespace app
