#pragma once

#include "app/Twips.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace app {

class GraphPicture;
class LinkLabel;

// The controls of the main window, each named (objectName) as the program's
// documentation names it. The window owns them through Qt's parent chain.
struct MainWindowControls {
    // Frame3: the number fields.
    QWidget* frame3 = nullptr;
    QLabel* label2 = nullptr;
    QLineEdit* text1 = nullptr;
    QLabel* lblStartP = nullptr;
    QLabel* label3 = nullptr;
    QLineEdit* text2 = nullptr;
    QLabel* lblEndP = nullptr;
    // ClearStartNumberButton index 0 (clears Text1) and 1 (clears Text2).
    std::array<QPushButton*, 2> clearStartNumberButton{};

    // Frame2: the thousands separator.
    QWidget* frame2 = nullptr;
    QLabel* label8 = nullptr;
    QRadioButton* commaSeparator = nullptr;
    QRadioButton* spaceSeparator = nullptr;
    QRadioButton* apostropheSeparator = nullptr;
    QRadioButton* noSeparator = nullptr;

    // Frame1: the modes in the order of engine::ComputeMode, display options,
    // the histogram options and the filter.
    QWidget* frame1 = nullptr;
    std::array<QRadioButton*, 8> modeOptions{};
    QComboBox* cboNumBins = nullptr;
    QLabel* lblBins = nullptr;
    QCheckBox* showPalmenColor = nullptr;
    QCheckBox* showEKValue = nullptr;
    QLabel* lblFilter = nullptr;
    QLineEdit* txbA = nullptr;
    QLabel* lblFilterType = nullptr;
    QLineEdit* txbB = nullptr;
    QPushButton* cmdMult = nullptr;
    QPushButton* cmdDiv = nullptr;
    QPushButton* cmdExp = nullptr;
    QPushButton* cmdPlus = nullptr;
    QPushButton* cmdMinus = nullptr;
    QPushButton* cmdPlusMinus = nullptr;
    QPushButton* cmdReset = nullptr;

    // Frame4: the row of command buttons.
    QWidget* frame4 = nullptr;
    QPushButton* computeButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* clearOutputButton = nullptr;
    QPushButton* cmdSaveState = nullptr;
    QPushButton* cmdRestoreState = nullptr;
    QPushButton* cmdSwitchDisplay = nullptr;
    QPushButton* quitButton = nullptr;

    // On the window itself.
    QPlainTextEdit* text3 = nullptr;
    GraphPicture* picGraph = nullptr;
    QPlainTextEdit* txbPlot = nullptr;
    QLabel* lblPlot = nullptr;
    QPushButton* stopButton = nullptr;
    QLabel* lblNowComputing = nullptr;
    QLabel* lblI = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* lblIntroduction = nullptr;
    LinkLabel* lblOnlineDocumentation = nullptr;
    LinkLabel* lblVeltraneSystems = nullptr;
    QPushButton* cmdVSSoftware = nullptr;
};

// The window's client area in pixels, from 11460 x 8685 twips.
inline constexpr int kWindowWidth = 764;
inline constexpr int kWindowHeight = 579;

// Builds every control of the main window on `window` with its design
// caption, font, place and visibility, and fixes the window's size.
MainWindowControls BuildMainWindowControls(QWidget& window);

}  // namespace app
