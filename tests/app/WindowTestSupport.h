#pragma once

#include <QImage>
#include <QProxyStyle>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "RunOracle.h"
#include "app/MessageService.h"
#include "app/frmMain.h"
#include "engine/ComputeMode.h"

namespace apptest {

// The message service of the tests: records every message and beep, and
// answers with `answer`. `onMessage` runs while a message "is shown".
class RecordingMessages final : public app::MessageService {
public:
    app::MessageAnswer Ask(const engine::Message& message, app::MessageButtons buttons) override;
    void Beep() override { ++beeps; }

    std::vector<engine::Message> messages;
    std::vector<app::MessageButtons> buttons;
    int beeps = 0;
    app::MessageAnswer answer = app::MessageAnswer::Ok;
    std::function<void(const engine::Message&)> onMessage;
};

// A started main window with its recorder, in a data folder of its own so
// that no test sees another's state file. The program's end is counted, not done.
class WindowFixture {
public:
    // `prepare` runs after the data folder is set and before the window starts
    // (to write a state file, for example).
    explicit WindowFixture(const std::function<void(const QString& dataFolder)>& prepare = {});
    ~WindowFixture();

    app::frmMain& Window() { return *m_window; }
    RecordingMessages& Messages() { return m_messages; }
    int ProgramEnds() const { return m_programEnds; }
    QString StateFilePath() const;
    bool Started() const { return m_started; }

    template <typename T>
    T* Find(const char* name) {
        T* control = m_window->findChild<T*>(QLatin1String(name));
        if (control == nullptr) qFatal("no control named %s", name);
        return control;
    }

private:
    QTemporaryDir m_dataFolder;
    QByteArray m_oldDataHome;
    RecordingMessages m_messages;
    std::unique_ptr<app::frmMain> m_window;
    int m_programEnds = 0;
    bool m_started = false;
};

// A style whose controls are larger than the default's (wider frames and
// margins, taller options), as some desktop styles' are.
class BulkyStyle final : public QProxyStyle {
public:
    BulkyStyle();
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

// A left click where a user clicks the control: on the indicator of an option
// or a check box (a click beside its caption does nothing), else in the middle.
void Click(QWidget* control);

// The lines of the output window, without the empty text after the last break.
QStringList OutputLines(QWidget& window);

// oracle::FactorLine as a QString: the line "Factor all numbers in range"
// writes for n (comma separator, no notes).
QString FactorLine(int n);

// Program text `number` as the shipped file data/prmr.dat holds it, read
// without the program's text library (NUMBER, a tab, TEXT with \n and \\ escaped).
QString ShippedProgramText(int number);

// Types the range into Text1 and Text2, clicks `option` and Compute; the
// run ends before this returns.
void RunFromWindow(WindowFixture& fixture, const char* option, const QString& start,
                   const QString& end);

// The histogram picture as picGraph shows it, inside its border.
QImage ShownPicture(QWidget& window);

// Saves a picture of the window as NAME.png in $PRIMORATOR_SCREENSHOT_DIR,
// when that is set; the tests take pictures only for people to look at.
void SaveScreenshot(QWidget& window, const QString& name);

// Runs `action` once at the first event yield at which the window is busy
// and shows the number reached (a progress point of a running computation).
void AtFirstProgressPoint(QWidget& window, std::function<void()> action);

// The text of a line edit or label of the window.
QString ShownText(WindowFixture& fixture, const char* name);

// Checks that the window shows what a first start shows; with a caption,
// that cmdReset carries it.
void VerifyDefaults(WindowFixture& fixture, const std::optional<QString>& resetCaption = {});

// ---- Helpers of the stress and limit tests.

// The object name of a mode option ("DisplayAllNumbers" ...).
const char* ModeOptionName(engine::ComputeMode mode);

// The output window's text with its line breaks as CR LF.
QString OutputText(QWidget& window);

// Where two texts first differ, with some of each around it; empty when equal.
QString TextDifference(const QString& actual, const QString& expected);

// Chooses the filter's operator and sign with their buttons and fills in a
// and, as `bText`, b.
void SetFilter(WindowFixture& fixture, const FilterSetup& filter, const QString& bText);

}  // namespace apptest
