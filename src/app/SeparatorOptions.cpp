#include "app/SeparatorOptions.h"

#include <QRadioButton>

#include <utility>

#include "app/MainWindowControls.h"

namespace app {

SeparatorOptions::SeparatorOptions(const MainWindowControls& ui, std::function<void()> rule)
    : m_comma(ui.commaSeparator),
      m_space(ui.spaceSeparator),
      m_apostrophe(ui.apostropheSeparator),
      m_none(ui.noSeparator),
      m_rule(std::move(rule)) {}

QRadioButton* SeparatorOptions::Option(format::Separator separator) const {
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

format::Separator SeparatorOptions::Selected() const {
    if (m_comma->isChecked()) return format::Separator::Comma;
    if (m_space->isChecked()) return format::Separator::Space;
    if (m_apostrophe->isChecked()) return format::Separator::Apostrophe;
    return format::Separator::None;
}

void SeparatorOptions::Select(format::Separator separator) {
    Option(separator)->setChecked(true);
    m_rule();
}

}  // namespace app
