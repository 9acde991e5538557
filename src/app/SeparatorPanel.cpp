#include "app/SeparatorPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/WindowControls.h"

namespace app {

SeparatorPanel::SeparatorPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame2"));
    // The caption above its four options: side by side they are wider than the group.
    auto* column = new QVBoxLayout(this);
    // The left edge of this group lies over the option group's right edge.
    column->setContentsMargins(10, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(MakeNamed<QLabel>(this, "Label8", QStringLiteral("Thousands separator:")));
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    m_comma = MakeNamed<QRadioButton>(this, "CommaSeparator", QStringLiteral("Comma"));
    m_space = MakeNamed<QRadioButton>(this, "SpaceSeparator", QStringLiteral("Space"));
    m_apostrophe =
        MakeNamed<QRadioButton>(this, "ApostropheSeparator", QStringLiteral("Apostrophe"));
    m_none = MakeNamed<QRadioButton>(this, "NoSeparator", QStringLiteral("None"));
    for (QRadioButton* option : {m_comma, m_space, m_apostrophe, m_none}) {
        row->addWidget(option);
        connect(option, &QRadioButton::clicked, this, &SeparatorPanel::chosen);
    }
    row->addStretch(1);
    column->addLayout(row);
    m_comma->setChecked(true);
}

QRadioButton* SeparatorPanel::Option(format::Separator separator) const {
    switch (separator) {
        case format::Separator::Comma:
            return m_comma;
        case format::Separator::Space:
            return m_space;
        case format::Separator::Apostrophe:
            return m_apostrophe;
        case format::Separator::None:
            break;
    }
    return m_none;
}

format::Separator SeparatorPanel::Selected() const {
    if (m_comma->isChecked()) return format::Separator::Comma;
    if (m_space->isChecked()) return format::Separator::Space;
    if (m_apostrophe->isChecked()) return format::Separator::Apostrophe;
    return format::Separator::None;
}

void SeparatorPanel::Select(format::Separator separator) {
    Option(separator)->setChecked(true);
    emit chosen();
}

}  // namespace app
