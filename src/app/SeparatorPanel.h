#pragma once

#include <QWidget>

#include "format/Separator.h"

class QRadioButton;

namespace app {

// Frame2, the four thousands-separator options: the only record of the
// separator chosen.
class SeparatorPanel final : public QWidget {
    Q_OBJECT

public:
    explicit SeparatorPanel(QWidget* parent);

    format::Separator Selected() const;
    // Selects the option from code; its rule runs as on a user's click.
    void Select(format::Separator separator);

signals:
    // An option was clicked or selected from code: its rule is due.
    void chosen();

private:
    QRadioButton* Option(format::Separator separator) const;

    QRadioButton* m_comma;
    QRadioButton* m_space;
    QRadioButton* m_apostrophe;
    QRadioButton* m_none;
};

}  // namespace app
