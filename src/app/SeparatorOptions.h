#pragma once

#include <functional>

#include "format/Separator.h"

class QRadioButton;

namespace app {

struct MainWindowControls;

// The four thousands-separator options: the only record of the separator chosen.
class SeparatorOptions {
public:
    // `rule` runs after every click, and after every selection from code.
    SeparatorOptions(const MainWindowControls& ui, std::function<void()> rule);

    format::Separator Selected() const;
    // Selects the option from code; its click rule runs as on a user's click.
    void Select(format::Separator separator);
    void Clicked() { m_rule(); }

private:
    QRadioButton* Option(format::Separator separator) const;

    QRadioButton* m_comma;
    QRadioButton* m_space;
    QRadioButton* m_apostrophe;
    QRadioButton* m_none;
    std::function<void()> m_rule;
};

}  // namespace app
