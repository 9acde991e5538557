#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

// Frame3, the number fields: the start number Text1 and the end number Text2,
// each with its caption, its prime marker and its Clear button.
class NumbersPanel final : public QWidget {
    Q_OBJECT

public:
    explicit NumbersPanel(QWidget* parent);

    // Which field: 1 the start number, 2 the end number.
    QLineEdit* Field(int which) const;
    QLabel* Marker(int which) const;

signals:
    // ClearStartNumberButton index 0 (Text1) or 1 (Text2) was clicked.
    void clearClicked(int index);

private:
    std::array<QLineEdit*, 2> m_fields{};
    std::array<QLabel*, 2> m_markers{};
};

// The width a line edit needs, in its style, to show `characters` digits of its font.
int FieldWidthFor(const QLineEdit& field, int characters);

}  // namespace app
