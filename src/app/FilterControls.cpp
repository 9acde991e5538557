#include "app/FilterControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ModesPanel.h"

namespace app {

FilterControls::FilterControls(const ModesPanel& panel)
    : m_txbA(panel.FilterA()),
      m_txbB(panel.FilterB()),
      m_filterType(panel.FilterType()),
      m_reset(panel.ResetButton()) {}

void FilterControls::ParseFilterCaption() {
    m_form = engine::ParseFilterCaption(m_filterType->text().toStdString());
}

void FilterControls::OperatorClicked(engine::FilterOperator op) {
    m_filterType->setText(QString::fromStdString(engine::FilterCaption({op, m_form.sign})));
    FocusStep(m_txbA);
}

void FilterControls::SignClicked(engine::FilterSign sign) {
    m_filterType->setText(QString::fromStdString(engine::FilterCaption({m_form.op, sign})));
    FocusStep(m_txbB);
}

void FilterControls::ResetClicked() {
    if (m_reset->text() == QLatin1String(kClearFilterCaption)) {
        m_savedA = m_txbA->text();
        m_savedB = m_txbB->text();
        m_savedCaption = m_filterType->text();
        m_txbA->clear();
        m_txbB->clear();
        m_filterType->setText(QLatin1String(kDefaultFilterCaption));
        m_reset->setText(QLatin1String(kRestoreFilterCaption));
    } else {
        m_txbA->setText(m_savedA);
        m_txbB->setText(m_savedB);
        // Before the first "Clear" no form was kept: the label keeps its own.
        if (m_savedCaption) m_filterType->setText(*m_savedCaption);
        m_reset->setText(QLatin1String(kClearFilterCaption));
    }
    m_reset->show();
    FocusStep(m_txbA);
}

void FilterControls::KeyAccepted() {
    m_reset->setText(QLatin1String(kClearFilterCaption));
    m_reset->show();
}

void FilterControls::SetSaved(const QString& a, const QString& b) {
    m_savedA = a;
    m_savedB = b;
}

void FilterControls::FocusStep(QLineEdit* field) {
    if (!field->window()->isVisible()) return;
    field->setCursorPosition(static_cast<int>(field->text().size()));
    field->setFocus();
    ParseFilterCaption();
}

}  // namespace app
