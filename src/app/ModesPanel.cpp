#include "app/ModesPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/WindowControls.h"

namespace app {

namespace {

using engine::ComputeMode;
using engine::FilterOperator;
using engine::FilterSign;

struct FilterButton {
    const char* name;
    const char* caption;
    int width;
    const char* tip;
};

constexpr FilterButton kOperators[] = {
    {"cmdMult", "*", 22, "Filter: only the numbers a * N + b, N = 1, 2, 3 ..."},
    {"cmdDiv", "/", 22, "Filter: only the numbers a / N + b, N = 1, 2, 3 ..."},
    {"cmdExp", "^", 22, "Filter: only the numbers a ^ N + b, N = 1, 2, 3 ..."}};
constexpr FilterButton kSigns[] = {
    {"cmdPlus", "+", 22, "Filter: add b"},
    {"cmdMinus", "-", 22, "Filter: subtract b"},
    {"cmdPlusMinus", "+|-", 30, "Filter: both, adding b and subtracting b"}};
constexpr FilterButton kReset = {"cmdReset", "No filter", 58,
                                 "Clear the filter, or bring back the filter cleared last"};

}  // namespace

ModesPanel::ModesPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame1"));
    auto* column = new QVBoxLayout(this);
    // Room on the right: the output area begins where this group ends.
    column->setContentsMargins(0, 0, kGapBeforeOutput, 0);
    column->setSpacing(3);
    // In the order of engine::ComputeMode.
    const char* names[] = {
        "DisplayAllNumbers", "DisplayAllFactors", "DisplayPrimesOnly", "DisplayPrimePairsOnly",
        "CountPrimesOnly",   "DoNPFGraph",        "DoEKGraph",         "DoPCGraph"};
    const char* captions[] = {"Factor all numbers in range", "Display all factors of numbers",
                              "Display primes only",         "Display prime pairs only",
                              "Count primes only",           "Plot integers with n  prime factors",
                              "Plot EK values with",         "Plot Palmen color frequencies"};
    for (size_t i = 0; i < m_options.size(); ++i) {
        m_options[i] = MakeNamed<QRadioButton>(this, names[i], QLatin1String(captions[i]));
        const auto mode = static_cast<ComputeMode>(i);
        connect(m_options[i], &QRadioButton::clicked, this,
                [this, mode] { emit modeClicked(mode); });
    }
    m_options[0]->setChecked(true);
    m_showPalmenColor =
        MakeNamed<QCheckBox>(this, "ShowPalmenColor", QStringLiteral("Show Palmen color"));
    m_showEKValue =
        MakeNamed<QCheckBox>(this, "ShowEKValue", QStringLiteral("Show number of prime factors"));
    for (QCheckBox* box : {m_showPalmenColor, m_showEKValue}) {
        connect(box, &QCheckBox::clicked, this, &ModesPanel::displayOptionClicked);
    }
    m_bins = MakeNamed<QComboBox>(this, "cboNumBins");
    m_bins->setEnabled(false);
    m_bins->setToolTip(QStringLiteral("The number of bins of the EK histogram"));
    connect(m_bins, &QComboBox::activated, this, &ModesPanel::binsActivated);
    auto* binsCaption = MakeNamed<QLabel>(this, "lblBins", QStringLiteral("bins"));

    // The text modes in the order a user reads them, then their display
    // options, then the three histograms.
    for (ComputeMode mode : {ComputeMode::DisplayAllNumbers, ComputeMode::DisplayPrimesOnly,
                             ComputeMode::DisplayPrimePairsOnly, ComputeMode::CountPrimesOnly,
                             ComputeMode::DisplayAllFactors}) {
        column->addWidget(Option(mode));
    }
    column->addSpacing(4);
    column->addWidget(m_showPalmenColor);
    column->addWidget(m_showEKValue);
    column->addSpacing(4);
    column->addWidget(Option(ComputeMode::DoNPFGraph));
    auto* binsRow = new QHBoxLayout;
    binsRow->setSpacing(4);
    binsRow->addWidget(Option(ComputeMode::DoEKGraph));
    binsRow->addWidget(m_bins);
    binsRow->addWidget(binsCaption);
    binsRow->addStretch(1);
    column->addLayout(binsRow);
    column->addWidget(Option(ComputeMode::DoPCGraph));
    column->addSpacing(6);
    BuildFilterRows(*column);
    column->addStretch(1);
}

void ModesPanel::BuildFilterRows(QVBoxLayout& column) {
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(MakeNamed<QLabel>(this, "lblFilter", QStringLiteral("Filter:")));
    auto button = [&](const FilterButton& design) {
        auto* made = MakeNamed<QPushButton>(this, design.name, QLatin1String(design.caption));
        SetCompactWidth(*made, design.width);
        made->setToolTip(QLatin1String(design.tip));
        buttons->addWidget(made);
        return made;
    };
    for (size_t i = 0; i < std::size(kOperators); ++i) {
        const auto op = static_cast<FilterOperator>(i);
        connect(button(kOperators[i]), &QPushButton::clicked, this,
                [this, op] { emit operatorClicked(op); });
    }
    buttons->addSpacing(6);
    for (size_t i = 0; i < std::size(kSigns); ++i) {
        const auto sign = static_cast<FilterSign>(i);
        connect(button(kSigns[i]), &QPushButton::clicked, this,
                [this, sign] { emit signClicked(sign); });
    }
    buttons->addStretch(1);
    m_reset = button(kReset);
    connect(m_reset, &QPushButton::clicked, this, &ModesPanel::resetClicked);
    // Hidden until a filter is typed; the row keeps its place.
    QSizePolicy keepPlace = m_reset->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_reset->setSizePolicy(keepPlace);
    m_reset->hide();
    column.addLayout(buttons);

    auto* values = new QHBoxLayout;
    values->setSpacing(4);
    m_txbA = MakeNamed<QLineEdit>(this, "txbA");
    m_filterType = MakeNamed<QLabel>(this, "lblFilterType", QStringLiteral("* N   +"));
    m_filterType->setAlignment(Qt::AlignCenter);
    // The caption keeps its blanks; the width fits the widest form, "^ N   +|-".
    m_filterType->setTextFormat(Qt::PlainText);
    m_filterType->setFixedWidth(
        m_filterType->fontMetrics().horizontalAdvance(QStringLiteral("^ N   +|-")) + 10);
    m_txbB = MakeNamed<QLineEdit>(this, "txbB");
    values->addWidget(m_txbA, 1);
    values->addWidget(m_filterType);
    values->addWidget(m_txbB, 1);
    column.addLayout(values);
}

QRadioButton* ModesPanel::Option(ComputeMode mode) const {
    return m_options[static_cast<size_t>(mode)];
}

}  // namespace app
