#include "app/StateFileBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "app/FilterControls.h"
#include "app/MainWindowControls.h"
#include "app/MessageService.h"
#include "app/ModeOptions.h"
#include "app/OutputWindow.h"
#include "app/SeparatorOptions.h"
#include "persist/StateMessages.h"
#include "persist/StateValues.h"
#include "persist/StateWriter.h"

namespace app {

namespace {

void Show(MessageService& messages, const std::optional<persist::StateMessage>& message) {
    if (!message) return;
    const engine::MessageIcon icon = message->icon == persist::StateMessageIcon::Warning
                                         ? engine::MessageIcon::Warning
                                         : engine::MessageIcon::Information;
    messages.ShowMessage({message->text.toStdString(), message->title.toStdString(), icon});
}

}  // namespace

StateFileBinding::StateFileBinding(Parts parts) : m_parts(std::move(parts)) {}

persist::SavedState StateFileBinding::Collect() {
    const MainWindowControls& ui = m_parts.ui;
    persist::SavedState state;
    state.startNumber = ui.text1->text();
    state.endNumber = ui.text2->text();
    state.filterA = ui.txbA->text();
    state.filterType = ui.lblFilterType->text();
    state.filterB = ui.txbB->text();
    state.separatorCode = format::SeparatorCode(m_parts.separators.Selected());
    for (size_t i = 0; i < state.modeOptions.size(); ++i) {
        state.modeOptions[i] =
            persist::OptionValue(m_parts.modes.IsSelected(static_cast<engine::ComputeMode>(i)));
    }
    state.showPalmenColor = persist::CheckBoxValue(ui.showPalmenColor->isChecked());
    state.showEKValue = persist::CheckBoxValue(ui.showEKValue->isChecked());
    state.binsIndex = ui.cboNumBins->currentIndex();
    state.resetCaption = ui.cmdReset->text();
    state.savedFilterA = m_parts.filter.SavedA();
    state.savedFilterB = m_parts.filter.SavedB();
    // The file keeps a limited output; the window then shows what the file keeps.
    const QString output = m_parts.output.Text();
    state.outputText = persist::OutputTextToSave(output);
    if (state.outputText != output) {
        m_parts.output.SetText(state.outputText);
        m_parts.output.MoveCaretToEnd();
    }
    return state;
}

void StateFileBinding::SaveState(bool quiet) {
    const persist::SaveResult result =
        m_keepFileUnreplaced ? persist::SaveResult{false, persist::NotReplacedText(m_location)}
                             : persist::WriteStateFile(m_location, Collect());
    Show(m_parts.messages, persist::SaveOutcomeMessage(result, quiet));
}

void StateFileBinding::Apply(const persist::StateReadResult& read) {
    namespace item = persist::item;
    const MainWindowControls& ui = m_parts.ui;
    const persist::SavedState& state = read.state;
    auto was = [&](int number) { return persist::WasRead(read, number); };

    // Each item takes effect as soon as it is read, with the rule of its control.
    if (was(item::kStartNumber)) ui.text1->setText(state.startNumber);
    if (was(item::kEndNumber)) ui.text2->setText(state.endNumber);
    if (was(item::kFilterA)) ui.txbA->setText(state.filterA);
    if (was(item::kFilterType)) ui.lblFilterType->setText(state.filterType);
    if (was(item::kFilterB)) ui.txbB->setText(state.filterB);
    if (was(item::kSeparator)) {
        m_parts.separators.Select(persist::SeparatorFromCode(state.separatorCode));
    }
    for (size_t i = 0; i < state.modeOptions.size(); ++i) {
        if (!was(item::kFirstModeOption + static_cast<int>(i))) break;
        const auto mode = static_cast<engine::ComputeMode>(i);
        if (persist::IsOptionSelected(state.modeOptions[i])) {
            m_parts.modes.Select(mode);
        } else {
            m_parts.modes.Clear(mode);
        }
    }
    if (was(item::kShowPalmenColor)) {
        ui.showPalmenColor->setChecked(persist::IsCheckBoxChecked(state.showPalmenColor));
    }
    if (was(item::kShowEKValue)) {
        ui.showEKValue->setChecked(persist::IsCheckBoxChecked(state.showEKValue));
    }
    if (was(item::kBinsIndex)) m_parts.modes.SelectBinsEntry(state.binsIndex);
    if (was(item::kResetCaption)) ui.cmdReset->setText(state.resetCaption);
    if (was(item::kSavedFilterB)) {
        m_parts.filter.SetSaved(state.savedFilterA, state.savedFilterB);
    } else if (was(item::kSavedFilterA)) {
        m_parts.filter.SetSaved(state.savedFilterA, m_parts.filter.SavedB());
    }
    if (was(item::kOutputText)) {
        m_parts.output.SetText(state.outputText);
        m_parts.output.MoveCaretToEnd();
    }
}

void StateFileBinding::RestoreState() {
    const persist::StateReadResult read = persist::ReadStateFile(m_location);
    Apply(read);
    if (!read.ok) m_parts.applyDefaults();
    if (m_parts.ui.cmdReset->text() == QLatin1String(kNoFilterCaption)) m_parts.ui.cmdReset->hide();
    m_parts.filter.ParseFilterCaption();
    QString keptAsideNote;
    if (read.unreadableFile) {
        const QString keepError = persist::KeepUnreadableFile(m_location);
        m_keepFileUnreplaced = !keepError.isEmpty();
        keptAsideNote = persist::KeptAsideNote(m_location, keepError);
    } else {
        m_keepFileUnreplaced = false;
    }
    const bool startupCompleted = m_parts.startupCompleted();
    auto message = persist::RestoreOutcomeMessage(read, startupCompleted, keptAsideNote);
    if (startupCompleted) {
        Show(m_parts.messages, message);
    } else {
        m_startupWarning = std::move(message);
    }
}

void StateFileBinding::ShowStartupWarning() {
    Show(m_parts.messages, std::exchange(m_startupWarning, std::nullopt));
}

}  // namespace app
