#include "app/NumberEntry.h"

#include <QLabel>
#include <QLineEdit>

#include <string>

#include "app/MessageService.h"
#include "app/ModesPanel.h"
#include "app/NumbersPanel.h"
#include "app/SeparatorPanel.h"
#include "engine/NumberFields.h"
#include "numlib/NumKernel.h"
#include "util/StringUtils.h"

namespace app {

namespace {

std::string Utf8(const QLineEdit* field) { return field->text().toStdString(); }

// Writes the text only when it changes, so that the caret stays where it was otherwise.
void SetFieldText(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

void StripLeadingZeros(QLineEdit* field) {
    std::u16string text = field->text().toStdU16String();
    util::StripLeadingRepeats(text, u"0");
    SetFieldText(field, QString::fromStdU16String(text));
}

}  // namespace

NumberEntry::NumberEntry(const NumbersPanel& numbers, const ModesPanel& modes,
                         const SeparatorPanel& separators, MessageService& messages)
    : m_start(numbers.Field(1)),
      m_end(numbers.Field(2)),
      m_startMarker(numbers.Marker(1)),
      m_endMarker(numbers.Marker(2)),
      m_filterA(modes.FilterA()),
      m_filterB(modes.FilterB()),
      m_separators(separators),
      m_messages(messages) {}

QLineEdit* NumberEntry::Field(int which) const { return which == 1 ? m_start : m_end; }

QLabel* NumberEntry::Marker(int which) const { return which == 1 ? m_startMarker : m_endMarker; }

void NumberEntry::SetMarker(int which) {
    const std::string text = Utf8(Field(which));
    const bool prime = !text.empty() && engine::IsAcceptableNumberText(text) &&
                       numlib::NumKernel::Instance().IsPrime(engine::LeadingNumber(text));
    Marker(which)->setText(prime ? QStringLiteral("P") : QString());
}

void NumberEntry::WarnTooLarge(int which) {
    m_messages.Beep();
    m_messages.ShowMessage({which == 1 ? engine::kStartTooLarge : engine::kEndTooLarge,
                            engine::kTooLargeTitle, engine::MessageIcon::Warning});
}

bool NumberEntry::ValidateNumberField(int which) {
    StripLeadingZeros(m_start);
    StripLeadingZeros(m_end);
    const std::string text = Utf8(Field(which));
    if (!text.empty() && !engine::IsAcceptableNumberText(text)) {
        // The marker keeps its caption.
        WarnTooLarge(which);
        return false;
    }
    SetMarker(which);
    return true;
}

bool NumberEntry::NormalizeNumberFields() {
    engine::NumberFields fields{Utf8(m_start), Utf8(m_end), Utf8(m_filterA), Utf8(m_filterB)};
    const engine::NormalizeOutcome outcome =
        engine::NormalizeNumberFields(fields, m_separators.Selected());
    SetFieldText(m_start, QString::fromStdString(fields.start));
    SetFieldText(m_end, QString::fromStdString(fields.end));
    SetFieldText(m_filterA, QString::fromStdString(fields.filterA));
    SetFieldText(m_filterB, QString::fromStdString(fields.filterB));
    if (outcome.startTooLarge) WarnTooLarge(1);
    if (outcome.endTooLarge) WarnTooLarge(2);
    // A field that was too large keeps its marker, as its check left it.
    if (!outcome.startTooLarge) SetMarker(1);
    if (!outcome.endTooLarge) SetMarker(2);
    return outcome.Ok();
}

void NumberEntry::SetNumberText(int which, const QString& text) {
    Field(which)->setText(text);
    SetMarker(which);
}

void NumberEntry::Clear(int index) {
    const int which = index + 1;
    Field(which)->clear();
    Marker(which)->clear();
}

void NumberEntry::FocusStartField() {
    m_start->setCursorPosition(static_cast<int>(m_start->text().size()));
    m_start->setFocus();
}

}  // namespace app
