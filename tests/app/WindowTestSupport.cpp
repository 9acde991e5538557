#include "WindowTestSupport.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "support/ResultLines.h"

namespace apptest {

app::MessageAnswer RecordingMessages::Ask(const engine::Message& message,
                                          app::MessageButtons kind) {
    messages.push_back(message);
    buttons.push_back(kind);
    if (onMessage) onMessage(message);
    return kind == app::MessageButtons::Ok ? app::MessageAnswer::Ok : answer;
}

WindowFixture::WindowFixture(const std::function<void(const QString&)>& prepare)
    : m_oldDataHome(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", m_dataFolder.path().toLocal8Bit());
    if (prepare) prepare(m_dataFolder.path());
    m_window = std::make_unique<app::frmMain>(&m_messages);
    m_window->SetProgramEnd([this] { ++m_programEnds; });
    m_started = m_window->Start();
    if (m_started) {
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("the window did not become active");
    }
}

WindowFixture::~WindowFixture() {
    m_window.reset();
    qputenv("XDG_DATA_HOME", m_oldDataHome);
}

QString WindowFixture::StateFilePath() const {
    return m_dataFolder.path() + QStringLiteral("/Primorator/prmr.usr");
}

BulkyStyle::BulkyStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

QSize BulkyStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    switch (type) {
        case CT_LineEdit:
            return base + QSize(40, 8);
        case CT_PushButton:
            return base + QSize(12, 8);
        case CT_RadioButton:
        case CT_CheckBox:
            // Taller, as in the larger desktop styles: the option group then
            // needs more height than the window's design gives it.
            return base + QSize(4, 12);
        default:
            return base;
    }
}

void Click(QWidget* control) {
    const bool indicator = qobject_cast<QRadioButton*>(control) != nullptr ||
                           qobject_cast<QCheckBox*>(control) != nullptr;
    const QPoint point = indicator ? QPoint(6, control->height() / 2) : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, point);
}

QStringList OutputLines(QWidget& window) {
    auto* text3 = window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
    QStringList lines = text3->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString FactorLine(int n) { return QString::fromStdString(oracle::FactorLine(n)); }

QString ShippedProgramText(int number) {
    QFile file(QStringLiteral(PRIMORATOR_DATA_DIR "/prmr.dat"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the shipped program texts");
    const QString prefix = QString::number(number) + QLatin1Char('\t');
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(prefix)) continue;
        QString text;
        const QString raw = line.mid(prefix.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const QChar next = i + 1 < raw.size() ? raw.at(i + 1) : QChar();
            if (raw.at(i) == QLatin1Char('\\') &&
                (next == QLatin1Char('n') || next == QLatin1Char('\\'))) {
                text += next == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\\');
                ++i;
            } else if (raw.at(i) != QLatin1Char('\r')) {
                text += raw.at(i);
            }
        }
        return text;
    }
    return {};
}

void RunFromWindow(WindowFixture& fixture, const char* option, const QString& start,
                   const QString& end) {
    fixture.Find<QLineEdit>("Text1")->setText(start);
    fixture.Find<QLineEdit>("Text2")->setText(end);
    Click(fixture.Find<QRadioButton>(option));
    Click(fixture.Find<QPushButton>("ComputeButton"));
}

QImage ShownPicture(QWidget& window) {
    auto* picture = window.findChild<QFrame*>(QStringLiteral("picGraph"));
    return picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

QString ShownText(WindowFixture& fixture, const char* name) {
    if (auto* edit = qobject_cast<QLineEdit*>(fixture.Find<QWidget>(name))) return edit->text();
    return fixture.Find<QLabel>(name)->text();
}

void VerifyDefaults(WindowFixture& fixture, const std::optional<QString>& resetCaption) {
    QCOMPARE(fixture.Find<QLineEdit>("Text1")->text(), QStringLiteral("1"));
    QCOMPARE(fixture.Find<QLineEdit>("Text2")->text(), QStringLiteral("23"));
    QCOMPARE(fixture.Find<QLabel>("lblStartP")->text(), QString());
    QCOMPARE(fixture.Find<QLabel>("lblEndP")->text(), QStringLiteral("P"));
    QCOMPARE(fixture.Find<QLineEdit>("txbA")->text(), QString());
    QCOMPARE(fixture.Find<QLineEdit>("txbB")->text(), QString());
    QCOMPARE(fixture.Find<QLabel>("lblFilterType")->text(), QStringLiteral("* N   +"));
    QVERIFY(fixture.Find<QRadioButton>("CommaSeparator")->isChecked());
    QVERIFY(fixture.Find<QRadioButton>("DisplayAllNumbers")->isChecked());
    QVERIFY(!fixture.Find<QRadioButton>("DisplayPrimesOnly")->isChecked());
    QVERIFY(!fixture.Find<QCheckBox>("ShowPalmenColor")->isChecked());
    QVERIFY(!fixture.Find<QCheckBox>("ShowEKValue")->isChecked());
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentIndex(), 5);
    QCOMPARE(fixture.Find<QPlainTextEdit>("Text3")->toPlainText(), QString());
    if (resetCaption) QCOMPARE(fixture.Find<QPushButton>("cmdReset")->text(), *resetCaption);
}

void SaveScreenshot(QWidget& window, const QString& name) {
    const QByteArray folder = qgetenv("PRIMORATOR_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    window.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name +
                       QStringLiteral(".png"));
}

void AtFirstProgressPoint(QWidget& window, std::function<void()> action) {
    auto* timer = new QTimer(&window);
    timer->setInterval(0);
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("StopButton"));
    auto* reached = window.findChild<QLabel*>(QStringLiteral("lblI"));
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        if (stop->isHidden() || reached->text().isEmpty()) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

const char* ModeOptionName(engine::ComputeMode mode) {
    // In the order of the modes.
    static constexpr const char* kNames[] = {
        "DisplayAllNumbers", "DisplayAllFactors", "DisplayPrimesOnly", "DisplayPrimePairsOnly",
        "CountPrimesOnly",   "DoNPFGraph",        "DoEKGraph",         "DoPCGraph"};
    return kNames[static_cast<int>(mode)];
}

QString OutputText(QWidget& window) {
    return window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"))
        ->toPlainText()
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString TextDifference(const QString& actual, const QString& expected) {
    if (actual == expected) return {};
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    const auto around = [at](const QString& text) {
        return text.mid(std::max<qsizetype>(at - 100, 0), 200)
            .replace(QLatin1String("\r\n"), QLatin1String("|"));
    };
    return QStringLiteral("at %1 of %2 (expected %3):\n  actual:   %4\n  expected: %5")
        .arg(at)
        .arg(actual.size())
        .arg(expected.size())
        .arg(around(actual), around(expected));
}

void SetFilter(WindowFixture& fixture, const FilterSetup& filter, const QString& bText) {
    const char* op = filter.op == '*' ? "cmdMult" : filter.op == '/' ? "cmdDiv" : "cmdExp";
    const char* sign = filter.sign == QLatin1String("+")   ? "cmdPlus"
                       : filter.sign == QLatin1String("-") ? "cmdMinus"
                                                           : "cmdPlusMinus";
    Click(fixture.Find<QPushButton>(op));
    Click(fixture.Find<QPushButton>(sign));
    fixture.Find<QLineEdit>("txbA")->setText(QString::number(filter.a));
    fixture.Find<QLineEdit>("txbB")->setText(bText);
}

}  // namespace apptest
