#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>

#include "app/GraphPicture.h"
#include "app/LinkLabel.h"
#include "app/MainWindowControls.h"

namespace app {

namespace {

// A region given in twips from the client area's top left corner.
QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// The regions of the window.
const QRect kFrame3 = TwipsRect(105, 210, 3975, 855);
const QRect kFrame1 = TwipsRect(210, 1260, 3885, 4695);
const QRect kFrame4 = TwipsRect(735, 5880, 2850, 2505);
const QRect kFrame2 = TwipsRect(3990, 1200, 5685, 600);
const QRect kIntroduction = TwipsRect(4095, 105, 7155, 1035);
const QRect kGraph = TwipsRect(4095, 1840, 7265, 6100);
const QRect kNowComputing = TwipsRect(7770, 900, 2010, 330);
const QRect kNumberReached = TwipsRect(9765, 900, 1590, 225);
const QRect kStop = TwipsRect(10395, 1365, 930, 335);
const QRect kPublisher = TwipsRect(4080, 8160, 3165, 300);
const QRect kOnlineManual = TwipsRect(8715, 8160, 2550, 300);
// The share of the range done: a thin bar below the number reached.
const QRect kProgress(kNumberReached.left(), kNumberReached.bottom() + 4, kNumberReached.width(),
                      7);

// Labels and buttons use a proportional font, the number fields and the
// output a monospaced one, so that result columns line up.
constexpr int kFontPixels = 11;
constexpr int kMonospacedPixels = 12;
// Room for the 14 characters a number field takes from the keyboard.
constexpr int kNumberFieldChars = 14;
constexpr int kClearButtonWidth = 44;
// The space between the input groups on the left and the areas on the right.
constexpr int kGapBeforeOutput = 10;
// The introduction's text begins in line with the text of the output window.
constexpr int kIntroductionIndent = 4;
// The explanation beside a histogram is read as prose, a little larger than the captions.
constexpr int kPlotTextPixels = 12;

QFont ProportionalFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    return font;
}

QFont MonospacedFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(kMonospacedPixels);
    return font;
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A borderless container that only groups its controls.
QWidget* MakeFrame(QWidget& window, const char* name, const QRect& region) {
    QWidget* frame = Make<QWidget>(&window, name);
    frame->setGeometry(region);
    return frame;
}

void BuildFrame3(QWidget& window, MainWindowControls& ui) {
    ui.frame3 = MakeFrame(window, "Frame3", kFrame3);
    auto* grid = new QGridLayout(ui.frame3);
    // Room on the right: the introduction begins where this group ends.
    grid->setContentsMargins(0, 2, kGapBeforeOutput, 2);
    grid->setHorizontalSpacing(4);
    const QFont mono = MonospacedFont();
    const int fieldWidth =
        QFontMetrics(mono).horizontalAdvance(QLatin1Char('0')) * kNumberFieldChars + 8;
    const char* captions[] = {"Start number:", "End number:"};
    const char* labelNames[] = {"Label2", "Label3"};
    const char* fieldNames[] = {"Text1", "Text2"};
    const char* markerNames[] = {"lblStartP", "lblEndP"};
    const char* clearNames[] = {"ClearStartNumberButton_0", "ClearStartNumberButton_1"};
    QLabel* labels[2];
    QLineEdit* fields[2];
    QLabel* markers[2];
    for (int row = 0; row < 2; ++row) {
        labels[row] = Make<QLabel>(ui.frame3, labelNames[row], QLatin1String(captions[row]));
        fields[row] = Make<QLineEdit>(ui.frame3, fieldNames[row]);
        fields[row]->setFont(mono);
        fields[row]->setFixedWidth(fieldWidth);
        markers[row] = Make<QLabel>(ui.frame3, markerNames[row], QStringLiteral("P"));
        markers[row]->setFixedWidth(12);
        ui.clearStartNumberButton[row] =
            Make<QPushButton>(ui.frame3, clearNames[row], QStringLiteral("Clear"));
        ui.clearStartNumberButton[row]->setFixedWidth(kClearButtonWidth);
        ui.clearStartNumberButton[row]->setAutoDefault(false);
        grid->addWidget(labels[row], row, 0);
        grid->addWidget(fields[row], row, 1);
        grid->addWidget(markers[row], row, 2);
        grid->addWidget(ui.clearStartNumberButton[row], row, 3);
    }
    grid->setColumnStretch(0, 1);
    ui.label2 = labels[0];
    ui.label3 = labels[1];
    ui.text1 = fields[0];
    ui.text2 = fields[1];
    ui.lblStartP = markers[0];
    ui.lblEndP = markers[1];
}

void BuildFrame2(QWidget& window, MainWindowControls& ui) {
    ui.frame2 = MakeFrame(window, "Frame2", kFrame2);
    // The caption above its four options: side by side they are wider than the group.
    auto* column = new QVBoxLayout(ui.frame2);
    // The left edge of this group lies over the option group's right edge.
    column->setContentsMargins(10, 0, 0, 0);
    column->setSpacing(0);
    ui.label8 = Make<QLabel>(ui.frame2, "Label8", QStringLiteral("Thousands separator:"));
    column->addWidget(ui.label8);
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    ui.commaSeparator = Make<QRadioButton>(ui.frame2, "CommaSeparator", QStringLiteral("Comma"));
    ui.spaceSeparator = Make<QRadioButton>(ui.frame2, "SpaceSeparator", QStringLiteral("Space"));
    ui.apostropheSeparator =
        Make<QRadioButton>(ui.frame2, "ApostropheSeparator", QStringLiteral("Apostrophe"));
    ui.noSeparator = Make<QRadioButton>(ui.frame2, "NoSeparator", QStringLiteral("None"));
    for (QRadioButton* option :
         {ui.commaSeparator, ui.spaceSeparator, ui.apostropheSeparator, ui.noSeparator}) {
        row->addWidget(option);
    }
    row->addStretch(1);
    column->addLayout(row);
    ui.commaSeparator->setChecked(true);
}

void BuildFilterRows(MainWindowControls& ui, QVBoxLayout* column) {
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    ui.lblFilter = Make<QLabel>(ui.frame1, "lblFilter", QStringLiteral("Filter:"));
    buttons->addWidget(ui.lblFilter);
    auto button = [&](const char* name, const char* caption, int width) {
        QPushButton* made = Make<QPushButton>(ui.frame1, name, QLatin1String(caption));
        made->setFixedWidth(width);
        made->setAutoDefault(false);
        buttons->addWidget(made);
        return made;
    };
    ui.cmdMult = button("cmdMult", "*", 22);
    ui.cmdDiv = button("cmdDiv", "/", 22);
    ui.cmdExp = button("cmdExp", "^", 22);
    buttons->addSpacing(6);
    ui.cmdPlus = button("cmdPlus", "+", 22);
    ui.cmdMinus = button("cmdMinus", "-", 22);
    ui.cmdPlusMinus = button("cmdPlusMinus", "+|-", 30);
    buttons->addStretch(1);
    ui.cmdReset = button("cmdReset", "No filter", 58);
    // Hidden until a filter is typed; the row keeps its place.
    QSizePolicy keepPlace = ui.cmdReset->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ui.cmdReset->setSizePolicy(keepPlace);
    ui.cmdReset->hide();
    column->addLayout(buttons);

    auto* values = new QHBoxLayout;
    values->setSpacing(4);
    ui.txbA = Make<QLineEdit>(ui.frame1, "txbA");
    ui.lblFilterType = Make<QLabel>(ui.frame1, "lblFilterType", QStringLiteral("* N   +"));
    ui.lblFilterType->setAlignment(Qt::AlignCenter);
    // The caption keeps its blanks; the width fits the widest form, "^ N   +|-".
    ui.lblFilterType->setTextFormat(Qt::PlainText);
    ui.lblFilterType->setFixedWidth(
        ui.lblFilterType->fontMetrics().horizontalAdvance(QStringLiteral("^ N   +|-")) + 10);
    ui.txbB = Make<QLineEdit>(ui.frame1, "txbB");
    values->addWidget(ui.txbA, 1);
    values->addWidget(ui.lblFilterType);
    values->addWidget(ui.txbB, 1);
    column->addLayout(values);
}

void BuildFrame1(QWidget& window, MainWindowControls& ui) {
    ui.frame1 = MakeFrame(window, "Frame1", kFrame1);
    auto* column = new QVBoxLayout(ui.frame1);
    // Room on the right: the output area begins where this group ends.
    column->setContentsMargins(0, 0, kGapBeforeOutput, 0);
    column->setSpacing(3);
    const char* names[] = {
        "DisplayAllNumbers", "DisplayAllFactors", "DisplayPrimesOnly", "DisplayPrimePairsOnly",
        "CountPrimesOnly",   "DoNPFGraph",        "DoEKGraph",         "DoPCGraph"};
    const char* captions[] = {"Factor all numbers in range", "Display all factors of numbers",
                              "Display primes only",         "Display prime pairs only",
                              "Count primes only",           "Plot integers with n  prime factors",
                              "Plot EK values with",         "Plot Palmen color frequencies"};
    for (size_t i = 0; i < ui.modeOptions.size(); ++i) {
        ui.modeOptions[i] = Make<QRadioButton>(ui.frame1, names[i], QLatin1String(captions[i]));
    }
    ui.modeOptions[0]->setChecked(true);
    ui.showPalmenColor =
        Make<QCheckBox>(ui.frame1, "ShowPalmenColor", QStringLiteral("Show Palmen color"));
    ui.showEKValue =
        Make<QCheckBox>(ui.frame1, "ShowEKValue", QStringLiteral("Show number of prime factors"));
    ui.cboNumBins = Make<QComboBox>(ui.frame1, "cboNumBins");
    ui.cboNumBins->setEnabled(false);
    ui.lblBins = Make<QLabel>(ui.frame1, "lblBins", QStringLiteral("bins"));

    // The text modes in the order a user reads them, then their display
    // options, then the three histograms.
    for (int i : {0, 2, 3, 4, 1}) column->addWidget(ui.modeOptions[static_cast<size_t>(i)]);
    column->addSpacing(4);
    column->addWidget(ui.showPalmenColor);
    column->addWidget(ui.showEKValue);
    column->addSpacing(4);
    column->addWidget(ui.modeOptions[5]);
    auto* binsRow = new QHBoxLayout;
    binsRow->setSpacing(4);
    binsRow->addWidget(ui.modeOptions[6]);
    binsRow->addWidget(ui.cboNumBins);
    binsRow->addWidget(ui.lblBins);
    binsRow->addStretch(1);
    column->addLayout(binsRow);
    column->addWidget(ui.modeOptions[7]);
    column->addSpacing(6);
    BuildFilterRows(ui, column);
    column->addStretch(1);
}

void BuildFrame4(QWidget& window, MainWindowControls& ui) {
    ui.frame4 = MakeFrame(window, "Frame4", kFrame4);
    auto* grid = new QGridLayout(ui.frame4);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    auto button = [&](const char* name, const char* caption, int row, int column, int span) {
        QPushButton* made = Make<QPushButton>(ui.frame4, name, QLatin1String(caption));
        made->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        made->setAutoDefault(false);
        grid->addWidget(made, row, column, 1, span);
        return made;
    };
    ui.computeButton = button("ComputeButton", "Compute", 0, 0, 2);
    ui.copyButton = button("CopyButton", "Copy results to clipboard", 1, 0, 2);
    ui.clearOutputButton = button("ClearOutputButton", "Clear output window", 2, 0, 2);
    ui.cmdSaveState = button("cmdSaveState", "Save state", 3, 0, 1);
    ui.cmdRestoreState = button("cmdRestoreState", "Restore state", 3, 1, 1);
    ui.cmdSwitchDisplay = button("cmdSwitchDisplay", "Show text screen", 4, 0, 2);
    ui.helpButton = button("HelpButton", "Help", 5, 0, 1);
    ui.quitButton = button("QuitButton", "Quit", 5, 1, 1);
    QFont bold = Bold(ui.computeButton->font());
    ui.computeButton->setFont(bold);
}

void BuildOutputArea(QWidget& window, MainWindowControls& ui) {
    ui.picGraph = Make<GraphPicture>(&window, "picGraph");
    ui.picGraph->setGeometry(kGraph);
    ui.picGraph->hide();

    ui.text3 = Make<QPlainTextEdit>(&window, "Text3");
    ui.text3->setFont(MonospacedFont());
    ui.text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.text3->setGeometry(kGraph);

    ui.txbPlot = Make<QPlainTextEdit>(&window, "txbPlot");
    QFont plotFont = ProportionalFont();
    plotFont.setPixelSize(kPlotTextPixels);
    ui.txbPlot->setFont(plotFont);
    ui.txbPlot->document()->setDocumentMargin(6);
    ui.txbPlot->setReadOnly(true);
    ui.txbPlot->hide();
    ui.lblPlot = Make<QLabel>(&window, "lblPlot");
    ui.lblPlot->setGeometry(kGraph.left(), kGraph.top() - 18, kGraph.width(), 16);
    ui.lblPlot->hide();
}

void BuildBusyControls(QWidget& window, MainWindowControls& ui) {
    ui.lblIntroduction = Make<QLabel>(&window, "lblIntroduction");
    ui.lblIntroduction->setGeometry(kIntroduction);
    ui.lblIntroduction->setWordWrap(true);
    ui.lblIntroduction->setTextFormat(Qt::PlainText);
    ui.lblIntroduction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lblIntroduction->setContentsMargins(kIntroductionIndent, 0, 0, 0);

    const QFont bold = Bold(ProportionalFont());
    ui.lblNowComputing =
        Make<QLabel>(&window, "lblNowComputing", QStringLiteral("Now computing ..."));
    ui.lblNowComputing->setGeometry(kNowComputing);
    ui.lblNowComputing->setFont(bold);
    ui.lblNowComputing->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lblNowComputing->hide();
    ui.lblI = Make<QLabel>(&window, "lblI", QStringLiteral("2,000,000,000"));
    ui.lblI->setGeometry(kNumberReached);
    ui.lblI->setFont(bold);
    ui.lblI->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lblI->hide();
    ui.progressBar = Make<QProgressBar>(&window, "progressBar");
    ui.progressBar->setGeometry(kProgress);
    ui.progressBar->setTextVisible(false);
    ui.progressBar->hide();
    ui.stopButton = Make<QPushButton>(&window, "StopButton", QStringLiteral("Stop"));
    ui.stopButton->setGeometry(kStop);
    ui.stopButton->setFont(bold);
    ui.stopButton->hide();

    ui.lblVeltraneSystems =
        Make<LinkLabel>(&window, "lblVeltraneSystems", QStringLiteral("Primorator project"));
    ui.lblVeltraneSystems->setGeometry(kPublisher);
    ui.lblOnlineDocumentation =
        Make<LinkLabel>(&window, "lblOnlineDocumentation", QStringLiteral("Online user manual"));
    ui.lblOnlineDocumentation->setGeometry(kOnlineManual);
    ui.lblOnlineDocumentation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.cmdVSSoftware =
        Make<QPushButton>(&window, "cmdVSSoftware", QStringLiteral("Primorator project software"));
    ui.cmdVSSoftware->hide();
}

}  // namespace

MainWindowControls BuildMainWindowControls(QWidget& window) {
    window.setFont(ProportionalFont());
    window.setFixedSize(kWindowWidth, kWindowHeight);
    window.setWindowTitle(QStringLiteral("Primorator"));
    MainWindowControls ui;
    // Built in the order the Tab key visits them.
    BuildFrame3(window, ui);
    BuildFrame2(window, ui);
    BuildFrame1(window, ui);
    BuildFrame4(window, ui);
    BuildOutputArea(window, ui);
    BuildBusyControls(window, ui);
    // The option group reaches a little under the separator group; the options stay clickable.
    ui.frame1->raise();
    return ui;
}

}  // namespace app
