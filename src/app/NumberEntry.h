#pragma once

#include "format/Separator.h"

class QLabel;
class QLineEdit;
class QString;

namespace app {

class MessageService;
class ModesPanel;
class NumbersPanel;
class SeparatorPanel;

// The window's side of the number fields: the start and end fields with their
// prime markers, and the cleaning of all four number fields. The cleaning
// itself is the engine's; this class shows its warnings and sets the markers.
class NumberEntry {
public:
    // The filter's fields a and b come from `modes`; the numbers are written
    // with the separator selected in `separators` at the time.
    NumberEntry(const NumbersPanel& numbers, const ModesPanel& modes,
                const SeparatorPanel& separators, MessageService& messages);

    // Which field: 1 the start number, 2 the end number. Removes the leading
    // zeros of both fields, then checks the asked one: true when it is empty
    // or acceptable (its marker set), false after warning that it is too large.
    bool ValidateNumberField(int which);

    // Cleans and reformats Text1, Text2, txbA and txbB; false when the start
    // or end number was too large (warned, and the field holds the largest number).
    bool NormalizeNumberFields();

    // Writes a number into a field from code (1 start, 2 end); its marker follows.
    void SetNumberText(int which, const QString& text);

    // ClearStartNumberButton index 0 or 1: empties the field and its marker.
    void Clear(int index);

    // "Nothing to do!": the caret to the end of the start field, which gets the focus.
    void FocusStartField();

    // The start (1) or end (2) field.
    QLineEdit* Field(int which) const;

private:
    QLabel* Marker(int which) const;
    void SetMarker(int which);
    void WarnTooLarge(int which);

    QLineEdit* m_start;
    QLineEdit* m_end;
    QLabel* m_startMarker;
    QLabel* m_endMarker;
    QLineEdit* m_filterA;
    QLineEdit* m_filterB;
    const SeparatorPanel& m_separators;
    MessageService& m_messages;
};

}  // namespace app
