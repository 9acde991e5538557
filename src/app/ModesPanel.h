#pragma once

#include <QWidget>

#include <array>

#include "engine/ComputeMode.h"
#include "engine/FilterForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace app {

// The options of the mode group, one for each engine::ComputeMode.
inline constexpr size_t kModeCount = 8;

// Frame1: the eight options of the mode group, the two display check boxes,
// the bins list of the EK histogram, and the filter (its operator and sign
// buttons, the fields a and b, the form between them, and cmdReset).
class ModesPanel final : public QWidget {
    Q_OBJECT

public:
    explicit ModesPanel(QWidget* parent);

    QRadioButton* Option(engine::ComputeMode mode) const;
    QCheckBox* ShowPalmenColor() const { return m_showPalmenColor; }
    QCheckBox* ShowEKValue() const { return m_showEKValue; }
    QComboBox* BinsList() const { return m_bins; }
    QLineEdit* FilterA() const { return m_txbA; }
    QLineEdit* FilterB() const { return m_txbB; }
    QLabel* FilterType() const { return m_filterType; }
    QPushButton* ResetButton() const { return m_reset; }

signals:
    void modeClicked(engine::ComputeMode mode);
    // ShowPalmenColor or ShowEKValue.
    void displayOptionClicked();
    void binsActivated();
    void operatorClicked(engine::FilterOperator op);
    void signClicked(engine::FilterSign sign);
    void resetClicked();

private:
    void BuildFilterRows(QVBoxLayout& column);

    std::array<QRadioButton*, kModeCount> m_options{};
    QCheckBox* m_showPalmenColor;
    QCheckBox* m_showEKValue;
    QComboBox* m_bins;
    QLineEdit* m_txbA = nullptr;
    QLabel* m_filterType = nullptr;
    QLineEdit* m_txbB = nullptr;
    QPushButton* m_reset = nullptr;
};

}  // namespace app
