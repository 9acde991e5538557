#include "app/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/GraphPicture.h"
#include "app/HelpWindow.h"
#include "app/KeyFilters.h"
#include "app/LinkLabel.h"
#include "app/MessageService.h"
#include "app/OutputClipboard.h"
#include "app/Startup.h"
#include "app/WebLinks.h"
#include "engine/ComputeDriver.h"
#include "engine/HistogramState.h"
#include "util/ProgramFolder.h"

namespace app {

namespace {

// The program texts the main window asks for.
constexpr int16_t kManualAddress = 17;
constexpr int16_t kResetCaption = 27;
constexpr int16_t kIntroductionSentence = 31;
constexpr int16_t kStateFolder = 310;
constexpr int16_t kPublisherAddress = 315;

constexpr int kPlotWidthLessTwips = 300;

}  // namespace

frmMain::frmMain(MessageService* messages)
    : m_ownMessages(messages != nullptr ? nullptr : std::make_unique<BoxMessageService>(this)),
      m_messages(messages != nullptr ? *messages : *m_ownMessages),
      m_ui(BuildMainWindowControls(*this)),
      m_output(*m_ui.text3),
      m_separators(m_ui,
                   [this] {
                       m_numbers.NormalizeNumberFields();
                       ShowIntroduction();
                       SetInputFocus();
                   }),
      m_numbers(m_ui, m_messages, [this] { return m_separators.Selected(); }),
      m_modes(m_ui, m_numbers,
              {[this] { SetInputFocus(); }, [this] { return m_startupCompleted; },
               [this] { m_host.Graph().DeriveLayout(); }}),
      m_filter(m_ui, [this] { return isVisible(); }),
      m_screen(m_ui, m_texts, m_messages),
      m_busy(m_ui, m_output, m_screen, m_messages, [this] { SetInputFocus(); }),
      m_host({m_ui, m_numbers, m_modes, m_separators, m_output, m_busy, m_screen, m_messages,
              [this] { SetInputFocus(); }}),
      m_graphSaving(*this, m_host.Graph().Picture(), m_texts, m_messages),
      m_state({m_ui, m_modes, m_separators, m_filter, m_output, m_messages,
               [this] { ApplyDefaults(); }, [this] { return m_startupCompleted; }}),
      m_programEnd([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("frmMain"));
    m_clipboard =
        new OutputClipboard(*m_ui.text3, m_output, *m_ui.copyButton, [this] { SetInputFocus(); });
    ConnectNumberFields();
    ConnectOptions();
    ConnectFilter();
    ConnectCommands();
}

frmMain::~frmMain() = default;

QString frmMain::Text(int16_t number) const {
    return QString::fromStdString(m_texts.ProgramText(number));
}

void frmMain::ConnectNumberFields() {
    auto help = [this] { OpenHelp(); };
    for (int which : {1, 2}) {
        QLineEdit* field = which == 1 ? m_ui.text1 : m_ui.text2;
        new NumberKeyFilter(*field, m_messages,
                            {[this, which] {
                                 if (m_numbers.ValidateNumberField(which)) Compute();
                             },
                             help,
                             {},
                             [this, which] { m_numbers.ValidateNumberField(which); }});
    }
    for (int index : {0, 1}) {
        connect(m_ui.clearStartNumberButton[static_cast<size_t>(index)], &QPushButton::clicked,
                this, [this, index] {
                    m_numbers.Clear(index);
                    SetInputFocus();
                });
    }
}

void frmMain::ConnectOptions() {
    for (size_t i = 0; i < m_ui.modeOptions.size(); ++i) {
        const auto mode = static_cast<engine::ComputeMode>(i);
        connect(m_ui.modeOptions[i], &QRadioButton::clicked, this,
                [this, mode] { m_modes.Clicked(mode); });
    }
    for (QRadioButton* option :
         {m_ui.commaSeparator, m_ui.spaceSeparator, m_ui.apostropheSeparator, m_ui.noSeparator}) {
        connect(option, &QRadioButton::clicked, this, [this] { m_separators.Clicked(); });
    }
    for (QCheckBox* box : {m_ui.showPalmenColor, m_ui.showEKValue}) {
        connect(box, &QCheckBox::clicked, this, [this] { SetInputFocus(); });
    }
    connect(m_ui.cboNumBins, &QComboBox::activated, this, [this] { m_modes.BinsChosen(); });
}

void frmMain::ConnectFilter() {
    using engine::FilterOperator;
    using engine::FilterSign;
    const std::pair<QPushButton*, FilterOperator> operators[] = {
        {m_ui.cmdMult, FilterOperator::Multiply},
        {m_ui.cmdDiv, FilterOperator::Divide},
        {m_ui.cmdExp, FilterOperator::Power}};
    for (const auto& [button, op] : operators) {
        connect(button, &QPushButton::clicked, this,
                [this, op = op] { m_filter.OperatorClicked(op); });
    }
    const std::pair<QPushButton*, FilterSign> signs[] = {{m_ui.cmdPlus, FilterSign::Plus},
                                                         {m_ui.cmdMinus, FilterSign::Minus},
                                                         {m_ui.cmdPlusMinus, FilterSign::Both}};
    for (const auto& [button, sign] : signs) {
        connect(button, &QPushButton::clicked, this,
                [this, sign = sign] { m_filter.SignClicked(sign); });
    }
    connect(m_ui.cmdReset, &QPushButton::clicked, this, [this] { m_filter.ResetClicked(); });
    for (QLineEdit* field : {m_ui.txbA, m_ui.txbB}) {
        new NumberKeyFilter(*field, m_messages,
                            {[this] { Compute(); },
                             [this] { OpenHelp(); },
                             [this] { m_filter.KeyAccepted(); },
                             {}});
    }
}

void frmMain::ConnectCommands() {
    connect(m_ui.computeButton, &QPushButton::clicked, this, [this] { Compute(); });
    connect(m_ui.helpButton, &QPushButton::clicked, this, [this] { OpenHelp(); });
    for (QPushButton* button : {m_ui.computeButton, m_ui.helpButton}) {
        new HelpKeyFilter(*button, [this] { OpenHelp(); });
    }
    connect(m_ui.copyButton, &QPushButton::clicked, this, [this] { m_clipboard->Copy(); });
    connect(m_ui.clearOutputButton, &QPushButton::clicked, this, [this] {
        m_output.Clear();
        SetInputFocus();
    });
    connect(m_ui.cmdSaveState, &QPushButton::clicked, this, [this] {
        m_state.SaveState(false);
        SetInputFocus();
    });
    connect(m_ui.cmdRestoreState, &QPushButton::clicked, this, [this] {
        m_state.RestoreState();
        SetInputFocus();
    });
    connect(m_ui.cmdSwitchDisplay, &QPushButton::clicked, this, [this] {
        m_screen.SwitchDisplay();
        SetInputFocus();
    });
    // The picture's mouse rule is not among those that act while a run yields to events.
    connect(m_ui.picGraph, &GraphPicture::rightButtonReleased, this, [this] {
        if (!m_busy.Busy()) m_graphSaving.AskToSave();
    });
    connect(m_ui.quitButton, &QPushButton::clicked, this, [this] { EndProgram(); });
    connect(m_ui.stopButton, &QPushButton::clicked, this, [this] { m_host.RequestStop(); });
    connect(m_ui.lblOnlineDocumentation, &LinkLabel::clicked, this,
            [this] { OpenLink(kManualAddress); });
    connect(m_ui.lblVeltraneSystems, &LinkLabel::clicked, this,
            [this] { OpenLink(kPublisherAddress); });
}

bool frmMain::Start() {
    m_startupCompleted = false;
    m_programTextFile = "prmr.dat";
    if (!LoadProgramTextsOrReport(m_texts, util::ProgramFolder(), m_programTextFile, m_messages)) {
        return false;
    }
    if (!LoadKernelOrReport(m_messages)) return false;
    InitializeWindow();
    setWindowTitle(WindowTitle(PRIMORATOR_VERSION_MAJOR, PRIMORATOR_VERSION_MINOR));
    show();
    activateWindow();
    repaint();
    m_state.RestoreState();
    if (!m_ui.txbA->text().isEmpty() || !m_ui.txbB->text().isEmpty()) {
        m_ui.cmdReset->show();
        m_ui.cmdReset->setText(Text(kResetCaption));
    }
    m_output.MoveCaretToEnd();
    m_numbers.NormalizeNumberFields();
    m_screen.Reset();
    m_host.Graph().DeriveLayout();
    m_host.HistogramData().binSetting = engine::kFixedBinSetting;
    m_ui.copyButton->setEnabled(!m_screen.GraphShown());
    SetInputFocus();
    repaint();
    m_startupCompleted = true;
    m_state.ShowStartupWarning();
    return true;
}

void frmMain::InitializeWindow() {
    m_ui.text3->setGeometry(m_ui.picGraph->geometry());
    m_ui.text1->clear();
    m_ui.text2->clear();
    m_output.Clear();
    m_ui.lblI->clear();
    m_ui.lblNowComputing->hide();
    m_ui.lblI->hide();
    m_ui.stopButton->hide();
    m_modes.FillBinsList();
    ApplyDefaults();
    m_filter.ParseFilterCaption();
    m_state.SetLocation(persist::StateFilePath(persist::kStateFileName, Text(kStateFolder)));
    const QRect output = m_ui.text3->geometry();
    m_ui.txbPlot->setGeometry(m_ui.frame1->x(), output.y(),
                              m_ui.frame1->width() - kPlotWidthLessTwips / kTwipsPerPixel,
                              output.height());
    m_ui.txbPlot->hide();
    m_ui.lblOnlineDocumentation->setToolTip(
        OnlineManualToolTip(DisplayAddress(Text(kManualAddress))));
    m_ui.lblVeltraneSystems->setToolTip(
        PublisherToolTip(m_ui.lblVeltraneSystems->text(), DisplayAddress(Text(kPublisherAddress))));
    m_ui.lblIntroduction->raise();
    ShowIntroduction();
}

void frmMain::ApplyDefaults() {
    m_ui.text1->setText(QStringLiteral("1"));
    m_ui.text2->setText(QStringLiteral("23"));
    m_modes.ForgetEndNumber();
    m_ui.txbA->clear();
    m_ui.txbB->clear();
    m_ui.lblFilterType->setText(QLatin1String(kDefaultFilterCaption));
    m_separators.Select(format::Separator::Comma);
    m_modes.Select(engine::ComputeMode::DisplayAllNumbers);
    m_ui.showPalmenColor->setChecked(false);
    m_ui.showEKValue->setChecked(false);
    m_modes.SelectBinsEntry(engine::kDefaultBinsEntry);
    m_output.Clear();
}

void frmMain::ShowIntroduction() {
    m_ui.lblIntroduction->setText(
        IntroductionText(m_separators.Selected(), Text(kIntroductionSentence)));
}

void frmMain::SetInputFocus() {
    if (!isVisible()) return;
    if (m_ui.text1->text().isEmpty()) {
        m_ui.text1->setFocus();
    } else if (m_ui.text2->text().isEmpty()) {
        m_ui.text2->setFocus();
    } else if (m_ui.frame4->isVisible()) {
        m_ui.computeButton->setFocus();
    }
}

void frmMain::Compute() { m_host.Compute(); }

void frmMain::OpenHelp() {
    if (m_help == nullptr) {
        m_help = new HelpWindow(DisplayAddress(Text(kManualAddress)),
                                DisplayAddress(QLatin1String(kPalmenPageAddress)), this);
    }
    m_help->ShowHelp(*this);
}

void frmMain::OpenLink(int16_t addressText) {
    OpenWebPage(Text(addressText), OpenWithDesktop, m_messages);
}

void frmMain::EndProgram() {
    if (m_ending) return;
    m_ending = true;
    m_host.GiveBackGraphChoices();
    m_state.SaveState(true);
    // Also in the middle of a run: its scan stops where it is, and nothing more is shown.
    m_host.EndRun();
    if (m_help != nullptr) m_help->hide();
    hide();
    m_programEnd();
}

void frmMain::closeEvent(QCloseEvent* event) {
    EndProgram();
    event->accept();
}

}  // namespace app
