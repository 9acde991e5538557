#pragma once

#include <QString>

#include <array>
#include <functional>

#include "engine/ComputeMode.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace app {

class NumberEntry;
struct MainWindowControls;

// The eight options of the mode group with the rules that tie them to the
// end number, the two display check boxes and the bins list, and the bins
// list itself.
class ModeOptions {
public:
    struct Hooks {
        std::function<void()> setInputFocus;
        std::function<bool()> startupCompleted;
        // A histogram option or a bins choice: the graph geometry follows.
        std::function<void()> deriveGraphLayout;
    };

    // `numbers` takes back the end number put aside.
    ModeOptions(const MainWindowControls& ui, NumberEntry& numbers, Hooks hooks);

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

private:
    QRadioButton* Option(engine::ComputeMode mode) const;

    std::array<QRadioButton*, 8> m_options;
    QCheckBox* m_showPalmenColor;
    QCheckBox* m_showEKValue;
    QComboBox* m_bins;
    QLineEdit* m_endField;
    NumberEntry& m_numbers;
    Hooks m_hooks;
    QString m_rememberedEndNumber;
};

}  // namespace app
