#include "app/NumbersPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

#include "app/NumberKeys.h"
#include "app/WindowControls.h"

namespace app {

namespace {

constexpr int kClearButtonWidth = 44;
constexpr int kMarkerWidth = 12;

}  // namespace

int FieldWidthFor(const QLineEdit& field, int characters) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.contentsRect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    // The line edit's own margin of 2 pixels each side of its text.
    const int text = field.fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 4;
    return field.style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, field.fontMetrics().height()),
                           &field)
        .width();
}

NumbersPanel::NumbersPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(this);
    // Room on the right: the introduction begins where this group ends.
    grid->setContentsMargins(0, 2, kGapBeforeOutput, 2);
    grid->setHorizontalSpacing(4);
    const char* captions[] = {"Start number:", "End number:"};
    const char* labelNames[] = {"Label2", "Label3"};
    const char* fieldNames[] = {"Text1", "Text2"};
    const char* markerNames[] = {"lblStartP", "lblEndP"};
    const char* clearNames[] = {"ClearStartNumberButton_0", "ClearStartNumberButton_1"};
    const char* markerTips[] = {"P: the start number is a prime", "P: the end number is a prime"};
    for (int row = 0; row < 2; ++row) {
        const auto at = static_cast<size_t>(row);
        auto* label = MakeNamed<QLabel>(this, labelNames[row], QLatin1String(captions[row]));
        QLineEdit* field = m_fields[at] = MakeNamed<QLineEdit>(this, fieldNames[row]);
        field->setFont(MonospacedFont());
        // Room for every character the keyboard may bring, in any style.
        field->setFixedWidth(FieldWidthFor(*field, kMaxEntryLength));
        label->setBuddy(field);
        QLabel* marker = m_markers[at] =
            MakeNamed<QLabel>(this, markerNames[row], QStringLiteral("P"));
        marker->setFixedWidth(
            std::max(kMarkerWidth, marker->fontMetrics().horizontalAdvance(QLatin1Char('P')) + 4));
        marker->setToolTip(QLatin1String(markerTips[row]));
        auto* clear = MakeNamed<QPushButton>(this, clearNames[row], QStringLiteral("Clear"));
        SetCompactWidth(*clear, kClearButtonWidth);
        connect(clear, &QPushButton::clicked, this, [this, row] { emit clearClicked(row); });
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(marker, row, 2);
        grid->addWidget(clear, row, 3);
    }
    grid->setColumnStretch(0, 1);
}

QLineEdit* NumbersPanel::Field(int which) const { return m_fields[which == 1 ? 0 : 1]; }

QLabel* NumbersPanel::Marker(int which) const { return m_markers[which == 1 ? 0 : 1]; }

}  // namespace app
