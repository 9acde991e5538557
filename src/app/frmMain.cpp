#include "app/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "app/CommandPanel.h"
#include "app/GraphMenu.h"
#include "app/GraphPicture.h"
#include "app/HelpWindow.h"
#include "app/KeyFilters.h"
#include "app/LinkLabel.h"
#include "app/MessageService.h"
#include "app/ModesPanel.h"
#include "app/NumbersPanel.h"
#include "app/OutputArea.h"
#include "app/OutputClipboard.h"
#include "app/RegionLayout.h"
#include "app/SeparatorPanel.h"
#include "app/Startup.h"
#include "app/StatusControls.h"
#include "app/Twips.h"
#include "app/WebLinks.h"
#include "app/WindowControls.h"
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

bool ApplyWindowLook(QWidget& window) {
    window.setObjectName(QStringLiteral("frmMain"));
    window.setFont(ProportionalFont());
    window.setWindowTitle(QStringLiteral("Primorator"));
    return true;
}

// A region given in twips from the client area's top left corner.
QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace

frmMain::frmMain(MessageService* messages)
    : m_ownMessages(messages != nullptr ? nullptr : std::make_unique<BoxMessageService>(this)),
      m_messages(messages != nullptr ? *messages : *m_ownMessages),
      m_lookApplied(ApplyWindowLook(*this)),
      m_numberFields(new NumbersPanel(this)),
      m_separators(new SeparatorPanel(this)),
      m_modeControls(new ModesPanel(this)),
      m_commands(new CommandPanel(this)),
      m_outputArea(new OutputArea(this)),
      m_status(new StatusControls(*this)),
      m_graphMenu(new GraphMenu(this)),
      m_output(m_outputArea->Text()),
      m_numbers(*m_numberFields, *m_modeControls, *m_separators, m_messages),
      m_modes(*m_modeControls, m_numbers),
      m_filter(*m_modeControls),
      m_screen(*m_outputArea, *m_commands, m_texts, m_messages),
      m_busy({*m_status, *m_numberFields, *m_separators, *m_modeControls, *m_commands, m_output,
              m_screen, m_messages}),
      m_host({*m_numberFields, *m_modeControls, m_numbers, m_modes, *m_separators, m_output, m_busy,
              m_screen, m_outputArea->Picture(), *m_status, m_messages}),
      m_graphSaving(*this, m_host.Graph().Picture(), m_host.HistogramData(), m_texts, m_messages),
      m_state({*m_numberFields, *m_modeControls, m_modes, *m_separators, m_filter, m_output,
               m_messages}),
      m_clipboard(new OutputClipboard(m_outputArea->Text(), m_output, *m_commands->Copy())),
      m_programEnd([] { QCoreApplication::exit(0); }) {
    ArrangeRegions();
    ConnectNumberFields();
    ConnectOptions();
    ConnectFilter();
    ConnectCommands();
    new EnterPressesButtons(*this);
}

frmMain::~frmMain() = default;

QString frmMain::Text(int16_t number) const {
    return QString::fromStdString(m_texts.ProgramText(number));
}

void frmMain::ArrangeRegions() {
    using Column = RegionLayout::Column;
    auto* layout = new RegionLayout(this, QSize(kWindowWidth, kWindowHeight));
    const QRect graph = TwipsRect(4095, 1840, 7265, 6100);
    const QRect modes = TwipsRect(210, 1260, 3885, 4695);
    const QRect reached = TwipsRect(9765, 900, 1590, 225);
    // The input groups: a column that keeps its size.
    const RegionLayout::Region leftGroup{{}, RegionLayout::Fixed, Column::Left, Column::Left, true};
    auto left = [&](QWidget* widget, QRect start) {
        RegionLayout::Region region = leftGroup;
        region.start = start;
        layout->AddRegion(widget, region);
    };
    auto right = [&](QWidget* widget, QRect start, unsigned follow) {
        layout->AddRegion(widget, {start, follow, Column::Right, Column::Right, false});
    };
    left(m_numberFields, TwipsRect(105, 210, 3975, 855));
    left(m_modeControls, modes);
    left(m_commands, TwipsRect(735, 5880, 2850, 2505));
    layout->AddRegion(m_separators, {TwipsRect(3990, 1200, 5685, 600), RegionLayout::Fixed,
                                     Column::Right, Column::Right, true});
    // The output area and the introduction take the extra room; what sits
    // at their right or bottom edge moves with it.
    const unsigned moveRight = RegionLayout::LeftEdge | RegionLayout::RightEdge;
    const unsigned moveDown = RegionLayout::TopEdge | RegionLayout::BottomEdge;
    right(m_status->Introduction(), TwipsRect(4095, 105, 7155, 1035), RegionLayout::RightEdge);
    right(m_outputArea, graph, RegionLayout::RightEdge | RegionLayout::BottomEdge);
    right(m_status->NowComputing(), TwipsRect(7770, 900, 2010, 330), moveRight);
    right(m_status->NumberReached(), reached, moveRight);
    // The share of the range done: a thin bar below the number reached.
    right(m_status->Progress(), QRect(reached.left(), reached.bottom() + 4, reached.width(), 7),
          moveRight);
    right(m_status->Stop(), TwipsRect(10395, 1365, 930, 335), moveRight);
    right(m_status->Publisher(), TwipsRect(4080, 8160, 3165, 300), moveDown);
    right(m_status->Manual(), TwipsRect(8715, 8160, 2550, 300), moveRight | moveDown);
    right(m_status->PlotLabel(), QRect(graph.left(), graph.top() - 18, graph.width(), 16),
          RegionLayout::RightEdge);
    // The explanation of a histogram run stands in the option group's place,
    // as high as the output.
    constexpr int kPlotWidthLessTwips = 300;
    layout->AddRegion(m_status->PlotText(),
                      {QRect(modes.left(), graph.top(),
                             modes.width() - kPlotWidthLessTwips / kTwipsPerPixel, graph.height()),
                       RegionLayout::BottomEdge, Column::Left, Column::Right, false});
    // The option group reaches a little under the separator group; the options stay clickable.
    m_modeControls->raise();
}

void frmMain::ConnectNumberFields() {
    auto help = [this] { OpenHelp(); };
    for (int which : {1, 2}) {
        new NumberKeyFilter(*m_numberFields->Field(which), m_messages,
                            {[this, which] {
                                 if (m_numbers.ValidateNumberField(which)) m_host.Compute();
                             },
                             help,
                             {},
                             [this, which] { m_numbers.ValidateNumberField(which); }});
    }
    connect(m_numberFields, &NumbersPanel::clearClicked, this, [this](int index) {
        m_numbers.Clear(index);
        SetInputFocus();
    });
}

void frmMain::ConnectOptions() {
    connect(m_modeControls, &ModesPanel::modeClicked, &m_modes, &ModeOptions::Clicked);
    connect(&m_modes, &ModeOptions::graphSettingsChanged, this,
            [this] { m_host.Graph().DeriveLayout(); });
    connect(&m_modes, &ModeOptions::optionApplied, this, [this](engine::ComputeMode mode) {
        // The defaults select this option during start-up; the focus waits for its end.
        if (mode != engine::ComputeMode::DisplayAllNumbers || m_startupCompleted) SetInputFocus();
    });
    connect(&m_modes, &ModeOptions::binsApplied, this, &frmMain::SetInputFocus);
    connect(m_modeControls, &ModesPanel::binsActivated, &m_modes, &ModeOptions::BinsChosen);
    connect(m_modeControls, &ModesPanel::displayOptionClicked, this, &frmMain::SetInputFocus);
    connect(m_separators, &SeparatorPanel::chosen, this, [this] {
        m_numbers.NormalizeNumberFields();
        ShowIntroduction();
        SetInputFocus();
    });
}

void frmMain::ConnectFilter() {
    connect(m_modeControls, &ModesPanel::operatorClicked, this,
            [this](engine::FilterOperator op) { m_filter.OperatorClicked(op); });
    connect(m_modeControls, &ModesPanel::signClicked, this,
            [this](engine::FilterSign sign) { m_filter.SignClicked(sign); });
    connect(m_modeControls, &ModesPanel::resetClicked, this, [this] { m_filter.ResetClicked(); });
    for (QLineEdit* field : {m_modeControls->FilterA(), m_modeControls->FilterB()}) {
        new NumberKeyFilter(*field, m_messages,
                            {[this] { m_host.Compute(); },
                             [this] { OpenHelp(); },
                             [this] { m_filter.KeyAccepted(); },
                             {}});
    }
}

void frmMain::ConnectCommands() {
    connect(m_commands, &CommandPanel::computeClicked, this, [this] { m_host.Compute(); });
    connect(m_commands, &CommandPanel::helpClicked, this, &frmMain::OpenHelp);
    for (QPushButton* button : {m_commands->Compute(), m_commands->Help()}) {
        new HelpKeyFilter(*button, [this] { OpenHelp(); });
    }
    connect(m_commands, &CommandPanel::copyClicked, m_clipboard, &OutputClipboard::Copy);
    connect(m_clipboard, &OutputClipboard::copied, this, &frmMain::SetInputFocus);
    connect(m_commands, &CommandPanel::clearOutputClicked, this, [this] {
        m_output.Clear();
        SetInputFocus();
    });
    connect(m_commands, &CommandPanel::saveStateClicked, this, [this] {
        m_state.SaveState(false);
        SetInputFocus();
    });
    connect(m_commands, &CommandPanel::restoreStateClicked, this, [this] {
        m_state.RestoreState(m_startupCompleted);
        SetInputFocus();
    });
    connect(&m_state, &StateFileBinding::defaultsNeeded, this, &frmMain::ApplyDefaults);
    connect(m_commands, &CommandPanel::switchDisplayClicked, this, [this] {
        m_screen.SwitchDisplay();
        SetInputFocus();
    });
    // The picture's menu is not among what acts while a run yields to events.
    connect(&m_outputArea->Picture(), &GraphPicture::menuRequested, this, [this](QPoint at) {
        if (!m_busy.Busy()) m_graphMenu->popup(at);
    });
    connect(m_graphMenu, &GraphMenu::saveChosen, this, [this] { m_graphSaving.AskToSave(); });
    connect(m_graphMenu, &GraphMenu::copyChosen, this, [this] { m_graphSaving.CopyPicture(); });
    connect(m_graphMenu, &GraphMenu::tableChosen, this, [this] { m_graphSaving.SaveTable(); });
    connect(m_commands, &CommandPanel::quitClicked, this, &frmMain::EndProgram);
    connect(m_status, &StatusControls::stopClicked, this, [this] { m_host.RequestStop(); });
    // Escape stops a run, wherever the focus is.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (m_busy.Busy()) m_host.RequestStop();
    });
    connect(&m_busy, &BusyState::focusWanted, this, &frmMain::SetInputFocus);
    connect(&m_host, &WindowHost::focusWanted, this, &frmMain::SetInputFocus);
    connect(m_status, &StatusControls::manualClicked, this, [this] { OpenLink(kManualAddress); });
    connect(m_status, &StatusControls::publisherClicked, this,
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
    // Every start at the design's size (the least the window's contents need).
    resize(layout()->minimumSize());
    show();
    activateWindow();
    repaint();
    m_state.RestoreState(m_startupCompleted);
    QPushButton* reset = m_modeControls->ResetButton();
    if (!m_modeControls->FilterA()->text().isEmpty() ||
        !m_modeControls->FilterB()->text().isEmpty()) {
        reset->show();
        reset->setText(Text(kResetCaption));
    }
    m_output.MoveCaretToEnd();
    m_numbers.NormalizeNumberFields();
    m_screen.Reset();
    m_host.Graph().DeriveLayout();
    m_host.HistogramData().binSetting = engine::kFixedBinSetting;
    m_commands->Copy()->setEnabled(!m_screen.GraphShown());
    SetInputFocus();
    repaint();
    m_startupCompleted = true;
    m_state.ShowStartupWarning();
    return true;
}

void frmMain::InitializeWindow() {
    m_numberFields->Field(1)->clear();
    m_numberFields->Field(2)->clear();
    m_output.Clear();
    m_status->NumberReached()->clear();
    m_status->NowComputing()->hide();
    m_status->NumberReached()->hide();
    m_status->Stop()->hide();
    m_modes.FillBinsList();
    ApplyDefaults();
    m_filter.ParseFilterCaption();
    m_state.SetLocation(persist::StateFilePath(persist::kStateFileName, Text(kStateFolder)));
    m_status->PlotText()->hide();
    m_status->Manual()->setToolTip(OnlineManualToolTip(DisplayAddress(Text(kManualAddress))));
    m_status->Publisher()->setToolTip(
        PublisherToolTip(m_status->Publisher()->text(), DisplayAddress(Text(kPublisherAddress))));
    m_status->Introduction()->raise();
    ShowIntroduction();
}

void frmMain::ApplyDefaults() {
    m_numberFields->Field(1)->setText(QStringLiteral("1"));
    m_numberFields->Field(2)->setText(QStringLiteral("23"));
    m_modes.ForgetEndNumber();
    m_modeControls->FilterA()->clear();
    m_modeControls->FilterB()->clear();
    m_modeControls->FilterType()->setText(QLatin1String(kDefaultFilterCaption));
    m_separators->Select(format::Separator::Comma);
    m_modes.Select(engine::ComputeMode::DisplayAllNumbers);
    m_modeControls->ShowPalmenColor()->setChecked(false);
    m_modeControls->ShowEKValue()->setChecked(false);
    m_modes.SelectBinsEntry(engine::kDefaultBinsEntry);
    m_output.Clear();
}

void frmMain::ShowIntroduction() {
    m_status->Introduction()->setText(
        IntroductionText(m_separators->Selected(), Text(kIntroductionSentence)));
}

void frmMain::SetInputFocus() {
    if (!isVisible()) return;
    QLineEdit* start = m_numberFields->Field(1);
    QLineEdit* end = m_numberFields->Field(2);
    if (start->text().isEmpty()) {
        start->setFocus();
    } else if (end->text().isEmpty()) {
        end->setFocus();
    } else if (m_commands->isVisible()) {
        m_commands->Compute()->setFocus();
    }
}

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
