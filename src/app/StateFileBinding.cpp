#include "app/StateFileBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "app/FilterControls.h"
#include "app/MessageService.h"
#include "app/ModeOptions.h"
#include "app/ModesPanel.h"
#include "app/NumbersPanel.h"
#include "app/OutputWindow.h"
#include "app/SeparatorPanel.h"
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
    const ModesPanel& ui = m_parts.modeControls;
    persist::SavedState state;
    state.startNumber = m_parts.numberFields.Field(1)->text();
    state.endNumber = m_parts.numberFields.Field(2)->text();
    state.filterA = ui.FilterA()->text();
    state.filterType = ui.FilterType()->text();
    state.filterB = ui.FilterB()->text();
    state.separatorCode = format::SeparatorCode(m_parts.separators.Selected());
    for (size_t i = 0; i < state.modeOptions.size(); ++i) {
        state.modeOptions[i] =
            persist::OptionValue(m_parts.modes.IsSelected(static_cast<engine::ComputeMode>(i)));
    }
    state.showPalmenColor = persist::CheckBoxValue(ui.ShowPalmenColor()->isChecked());
    state.showEKValue = persist::CheckBoxValue(ui.ShowEKValue()->isChecked());
    state.binsIndex = ui.BinsList()->currentIndex();
    state.resetCaption = ui.ResetButton()->text();
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
    const ModesPanel& ui = m_parts.modeControls;
    const persist::SavedState& state = read.state;
    auto was = [&](int number) { return persist::WasRead(read, number); };

    // Each item takes effect as soon as it is read, with the rule of its control.
    if (was(item::kStartNumber)) m_parts.numberFields.Field(1)->setText(state.startNumber);
    if (was(item::kEndNumber)) m_parts.numberFields.Field(2)->setText(state.endNumber);
    if (was(item::kFilterA)) ui.FilterA()->setText(state.filterA);
    if (was(item::kFilterType)) ui.FilterType()->setText(state.filterType);
    if (was(item::kFilterB)) ui.FilterB()->setText(state.filterB);
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
        ui.ShowPalmenColor()->setChecked(persist::IsCheckBoxChecked(state.showPalmenColor));
    }
    if (was(item::kShowEKValue)) {
        ui.ShowEKValue()->setChecked(persist::IsCheckBoxChecked(state.showEKValue));
    }
    if (was(item::kBinsIndex)) m_parts.modes.SelectBinsEntry(state.binsIndex);
    if (was(item::kResetCaption)) ui.ResetButton()->setText(state.resetCaption);
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

void StateFileBinding::RestoreState(bool startupCompleted) {
    const persist::StateReadResult read = persist::ReadStateFile(m_location);
    Apply(read);
    if (!read.ok) emit defaultsNeeded();
    QPushButton* reset = m_parts.modeControls.ResetButton();
    if (reset->text() == QLatin1String(kNoFilterCaption)) reset->hide();
    m_parts.filter.ParseFilterCaption();
    QString keptAsideNote;
    if (read.unreadableFile) {
        const QString keepError = persist::KeepUnreadableFile(m_location);
        m_keepFileUnreplaced = !keepError.isEmpty();
        keptAsideNote = persist::KeptAsideNote(m_location, keepError);
    } else {
        m_keepFileUnreplaced = false;
    }
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
