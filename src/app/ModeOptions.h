#pragma once

#include <QObject>
#include <QString>

#include "engine/ComputeMode.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace app {

class ModesPanel;
class NumberEntry;

// The eight options of the mode group with the rules that tie them to the
// end number, the two display check boxes and the bins list, and the bins
// list itself.
class ModeOptions final : public QObject {
    Q_OBJECT

public:
    // `numbers` takes back the end number put aside.
    ModeOptions(const ModesPanel& panel, NumberEntry& numbers);

    // Selects the option from code; its click rule runs as on a user's click.
    void Select(engine::ComputeMode mode);
    // The click rule of an option.
    void Clicked(engine::ComputeMode mode);
    // Clears the option (a restored state that selects another or none).
    void Clear(engine::ComputeMode mode);
    // The selected option; "Factor all numbers in range" when none is.
    engine::ComputeMode Mode() const;
    bool IsSelected(engine::ComputeMode mode) const;

    // Forgets the end number put aside by "Display all factors of numbers".
    void ForgetEndNumber() { m_rememberedEndNumber.clear(); }

    // Fills the bins list and selects its fifth entry.
    void FillBinsList();
    // Selects a bins entry from code (-1: none); its rule runs as on a user's choice.
    void SelectBinsEntry(int index);
    // The rule of a bins choice: the geometry follows at once, the picture
    // at its next rendering, which reads the number of bins from the list.
    void BinsChosen();
    // The selected entry of the bins list (-1: none).
    int BinsEntry() const;

signals:
    // A histogram option or a bins choice: the graph geometry follows.
    void graphSettingsChanged();
    // The rule of an option ran; the focus follows, but for "Factor all
    // numbers in range" only once start-up has finished (the defaults select it).
    void optionApplied(engine::ComputeMode mode);
    // The rule of a bins choice ran.
    void binsApplied();

private:
    const ModesPanel& m_panel;
    QCheckBox* m_showPalmenColor;
    QCheckBox* m_showEKValue;
    QComboBox* m_bins;
    QLineEdit* m_endField;
    NumberEntry& m_numbers;
    QString m_rememberedEndNumber;
};

}  // namespace app
