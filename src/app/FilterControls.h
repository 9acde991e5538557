#pragma once

#include <QString>

#include <optional>
#include "engine/FilterForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class ModesPanel;

inline constexpr const char* kDefaultFilterCaption = "* N   +";
inline constexpr const char* kNoFilterCaption = "No filter";
inline constexpr const char* kClearFilterCaption = "Clear";
inline constexpr const char* kRestoreFilterCaption = "Restore";

// The filter's controls: the operator and sign buttons that set the form in
// lblFilterType, and cmdReset, which clears the filter and brings it back.
// The focus steps act only while the window is shown.
class FilterControls {
public:
    explicit FilterControls(const ModesPanel& panel);

    // cmdMult, cmdDiv, cmdExp: the operator changes, the sign stays; then
    // the focus goes to txbA.
    void OperatorClicked(engine::FilterOperator op);
    // cmdPlus, cmdMinus, cmdPlusMinus: the sign changes, the operator stays;
    // then the focus goes to txbB.
    void SignClicked(engine::FilterSign sign);
    // cmdReset: "Clear" keeps the filter aside and empties it; any other
    // caption puts the kept filter back.
    void ResetClicked();
    // A key went into txbA or txbB: the filter can be cleared again.
    void KeyAccepted();

    // Reads the form from the caption of lblFilterType again.
    void ParseFilterCaption();
    const engine::FilterForm& Form() const { return m_form; }

    // The field texts kept for "Restore" (also kept by the state file).
    const QString& SavedA() const { return m_savedA; }
    const QString& SavedB() const { return m_savedB; }
    void SetSaved(const QString& a, const QString& b);

private:
    void FocusStep(QLineEdit* field);

    QLineEdit* m_txbA;
    QLineEdit* m_txbB;
    QLabel* m_filterType;
    QPushButton* m_reset;
    engine::FilterForm m_form;
    QString m_savedA;
    QString m_savedB;
    // The form kept by the last "Clear"; none before the first.
    std::optional<QString> m_savedCaption;
};

}  // namespace app
