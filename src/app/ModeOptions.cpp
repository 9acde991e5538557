#include "app/ModeOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/ModesPanel.h"
#include "app/NumberEntry.h"
#include "engine/HistogramState.h"

namespace app {

namespace {

using engine::ComputeMode;

// What a text mode does to the end number and the display controls.
struct TextModeRule {
    bool remembersEndNumber;
    bool palmenColorEnabled;
    bool factorCountEnabled;
};

TextModeRule RuleOf(ComputeMode mode) {
    switch (mode) {
        case ComputeMode::DisplayPrimePairsOnly:
            return {false, true, false};
        case ComputeMode::CountPrimesOnly:
            return {false, false, false};
        case ComputeMode::DisplayAllFactors:
            return {true, true, false};
        default:
            return {false, true, true};
    }
}

constexpr int kDefaultBinsEntry = 4;  // 96

}  // namespace

ModeOptions::ModeOptions(const ModesPanel& panel, NumberEntry& numbers)
    : m_panel(panel),
      m_showPalmenColor(panel.ShowPalmenColor()),
      m_showEKValue(panel.ShowEKValue()),
      m_bins(panel.BinsList()),
      m_endField(numbers.Field(2)),
      m_numbers(numbers) {}

void ModeOptions::Select(ComputeMode mode) {
    m_panel.Option(mode)->setChecked(true);
    Clicked(mode);
}

void ModeOptions::Clicked(ComputeMode mode) {
    if (engine::IsGraphMode(mode)) {
        m_showPalmenColor->setEnabled(false);
        m_showEKValue->setEnabled(false);
        m_bins->setEnabled(mode == ComputeMode::DoEKGraph);
        emit graphSettingsChanged();
        emit optionApplied(mode);
        return;
    }
    const TextModeRule rule = RuleOf(mode);
    if (rule.remembersEndNumber) {
        m_rememberedEndNumber = m_endField->text();
    } else if (!m_rememberedEndNumber.isEmpty()) {
        m_numbers.SetNumberText(2, m_rememberedEndNumber);
        m_rememberedEndNumber.clear();
    }
    m_showPalmenColor->setEnabled(rule.palmenColorEnabled);
    m_showEKValue->setEnabled(rule.factorCountEnabled);
    m_bins->setEnabled(false);
    emit optionApplied(mode);
}

void ModeOptions::Clear(ComputeMode mode) {
    QRadioButton* option = m_panel.Option(mode);
    if (!option->isChecked()) return;
    // An option of an exclusive group can only be cleared with the group rule off.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

bool ModeOptions::IsSelected(ComputeMode mode) const { return m_panel.Option(mode)->isChecked(); }

ComputeMode ModeOptions::Mode() const {
    for (size_t i = 0; i < kModeCount; ++i) {
        const auto mode = static_cast<ComputeMode>(i);
        if (IsSelected(mode)) return mode;
    }
    return ComputeMode::DisplayAllNumbers;
}

void ModeOptions::FillBinsList() {
    m_bins->clear();
    for (int bins : engine::kBinsList) m_bins->addItem(QString::number(bins));
    SelectBinsEntry(kDefaultBinsEntry);
}

void ModeOptions::SelectBinsEntry(int index) {
    m_bins->setCurrentIndex(index);
    BinsChosen();
}

void ModeOptions::BinsChosen() {
    emit graphSettingsChanged();
    emit binsApplied();
}

int ModeOptions::BinsEntry() const { return m_bins->currentIndex(); }

}  // namespace app
