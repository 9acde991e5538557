#include "app/FilterControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "app/MainWindowControls.h"

namespace app {

FilterControls::FilterControls(const MainWindowControls& ui, std::function<bool()> windowVisible)
    : m_txbA(ui.txbA),
      m_txbB(ui.txbB),
      m_filterType(ui.lblFilterType),
      m_reset(ui.cmdReset),
      m_windowVisible(std::move(windowVisible)) {}

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
    if (!m_windowVisible()) return;
    field->setCursorPosition(static_cast<int>(field->text().size()));
    field->setFocus();
    ParseFilterCaption();
}

}  // namespace app
