// Damaged files at start-up: a program-text file that cannot be loaded gives
// its fatal message, one that loads gives its texts; a state file of any
// bytes, cut anywhere or of 10 MB leaves the window with its defaults (or
// restores it when it is whole), silently at start-up and with the restore
// error from the "Restore state" button. Nothing crashes.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "app/Startup.h"
#include "util/ProgramTexts.h"

using apptest::WindowFixture;

namespace {

constexpr unsigned kSeed = 0x5EED1234u;
constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;

// ---- Program texts: what the text library's documented file format gives.

struct TextsLoad {
    int result = 0;
    std::map<int, std::string> texts;
};

// The documented format: NUMBER<TAB>TEXT lines, '#' comments, blank lines,
// \n and \\ escapes, texts of at most 1,024 bytes, at most 500 lines and
// 16 MiB; the first faulty line decides.
TextsLoad ExpectedLoad(std::string bytes) {
    if (bytes.empty()) return {-6, {}};
    if (bytes.size() > (16u << 20)) return {-3, {}};
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    TextsLoad load;
    int line = 0;
    for (size_t from = 0; from < bytes.size();) {
        size_t to = bytes.find('\n', from);
        if (to == std::string::npos) to = bytes.size();
        std::string current = bytes.substr(from, to - from);
        from = to + 1;
        if (++line > 500) return {-3, {}};
        if (!current.empty() && current.back() == '\r') current.pop_back();
        if (current.find_first_not_of(" \t\r") == std::string::npos || current[0] == '#') continue;
        const size_t tab = current.find('\t');
        if (tab == std::string::npos) return {-(500 + line), {}};
        std::string number = current.substr(0, tab);
        number.erase(0, number.find_first_not_of(' '));
        number.erase(number.find_last_not_of(' ') + 1);
        const bool negative = !number.empty() && number[0] == '-';
        const std::string digits = negative ? number.substr(1) : number;
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
            return {-(500 + line), {}};
        }
        long long value = 0;
        for (char c : digits) value = std::min(value * 10 + (c - '0'), 100000LL);
        if (negative) value = -value;
        const std::string raw = current.substr(tab + 1);
        if (value < -32768 || value > 32767 || raw.empty() || raw.find('\0') != std::string::npos) {
            return {-(500 + line), {}};
        }
        std::string text;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == 'n' || raw[i + 1] == '\\')) {
                text += raw[++i] == 'n' ? '\n' : '\\';
            } else {
                text += raw[i];
            }
        }
        if (text.size() > 1024) return {-(1000 + line), {}};
        if (load.texts.count(static_cast<int>(value)) != 0) return {-(1500 + line), {}};
        load.texts[static_cast<int>(value)] = text;
    }
    load.result = static_cast<int>(load.texts.size());
    return load;
}

// The fatal message for a load result below 1.
QString FatalMessage(int result, const QString& path) {
    switch (result) {
        case 0:
            return QStringLiteral("No program text was read.");
        case -1:
            return QStringLiteral("Cannot open file containing program text.\r\n") + path;
        case -2:
            return QStringLiteral("Particular memory allocation error.");
        case -3:
            return QStringLiteral("Too much program text.");
        case -4:
            return QStringLiteral("Text not recovered.");
        case -6:
            return QStringLiteral("File is empty.");
        case -7:
            return QStringLiteral("Error reading file.");
        case -8:
            return QStringLiteral("General memory allocation error.");
        default:
            break;
    }
    if (result >= -500) return QStringLiteral("Error %1").arg(result);
    if (result >= -1000) return QStringLiteral("Missing string at line %1.").arg(-(result + 500));
    if (result >= -1500) return QStringLiteral("String too long at line %1.").arg(-(result + 1000));
    return QStringLiteral("Duplicate in program text at line %1.").arg(-(result + 1500));
}

// Loads `bytes` as prmr.dat the way the window's start-up does and checks the
// outcome: the fatal message, or the texts.
QString CheckProgramTexts(const std::string& bytes) {
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/prmr.dat");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        return QStringLiteral("cannot write ") + path;
    }
    file.close();
    const TextsLoad expected = ExpectedLoad(bytes);
    apptest::RecordingMessages messages;
    util::ProgramTexts texts;
    const bool loaded =
        app::LoadProgramTextsOrReport(texts, folder.path().toStdString(), "prmr.dat", messages);
    if (expected.result < 1) {
        const QString message = FatalMessage(expected.result, path);
        if (loaded || messages.messages.size() != 1) {
            return QStringLiteral("loaded, expected the message ") + message;
        }
        const engine::Message& shown = messages.messages[0];
        if (QString::fromStdString(shown.text) != message || !shown.title.empty() ||
            shown.icon != engine::MessageIcon::Error) {
            return QStringLiteral("message \"%1\", expected \"%2\"")
                .arg(QString::fromStdString(shown.text), message);
        }
        return {};
    }
    if (!loaded || !messages.messages.empty()) return QStringLiteral("the texts did not load");
    for (const auto& [number, text] : expected.texts) {
        if (texts.ProgramText(static_cast<int16_t>(number)) != text) {
            return QStringLiteral("text %1 differs").arg(number);
        }
    }
    // A number the file does not hold gives the empty text.
    for (int16_t number : {int16_t{-32768}, int16_t{0}, int16_t{310}, int16_t{32767}}) {
        if (expected.texts.count(number) == 0 && !texts.ProgramText(number).empty()) {
            return QStringLiteral("text %1 should be empty").arg(number);
        }
    }
    return {};
}

std::string RandomBytes(std::mt19937& random, size_t size) {
    std::string bytes(size, '\0');
    std::uniform_int_distribution<int> byte(0, 255);
    for (char& c : bytes) c = static_cast<char>(byte(random));
    return bytes;
}

// Lines of program text, each of them a text, a comment, a blank line or
// (now and then) a faulty line: no TAB, a bad number, an empty or NUL-holding
// text, a text over 1,024 bytes, or a number used before.
std::string RandomTextLines(std::mt19937& random) {
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::string pieces[] = {"a", "Z",  " ", "\\n", "\\\\",    "\\x",
                                  "#", "\t", "-", "7",   "\xC3\xA9"};
    const auto text = [&](int length) {
        std::string t;
        while (static_cast<int>(t.size()) < length)
            t += pieces[static_cast<size_t>(between(0, 10))];
        return t;
    };
    std::string bytes = between(0, 9) == 0 ? "\xEF\xBB\xBF" : "";
    std::vector<int> numbers;
    const int lines = between(1, 40);
    for (int line = 0; line < lines; ++line) {
        const int kind = between(0, 199);
        // Numbers from a narrow band now and then meet again.
        int number = between(0, 1) == 0 ? between(-32768, 32767) : between(0, 199);
        std::string current;
        if (kind < 180) {
            current = std::string(static_cast<size_t>(between(0, 2)), ' ') +
                      std::to_string(number) +
                      std::string(static_cast<size_t>(between(0, 1)), ' ') + "\t" +
                      (between(0, 59) == 0 ? text(between(1150, 1400)) : text(between(1, 40)));
            numbers.push_back(number);
        } else if (kind < 190) {
            current = "#" + text(between(0, 30));
        } else if (kind < 198) {
            current = std::string(static_cast<size_t>(between(0, 3)), " \t\r"[between(0, 2)]);
        } else {
            const std::string faulty[] = {
                text(between(1, 20)),                             // no TAB
                std::to_string(between(32768, 99999)) + "\tbig",  // out of range
                "-\tsign",
                "1x\tletter",
                "+5\tplus",
                " \tnone",
                std::to_string(number) + "\t",  // empty text
                std::to_string(number) + "\tnul" + std::string(1, '\0'),
                (numbers.empty() ? "1" : std::to_string(numbers.back())) + "\tagain",
            };
            current = faulty[static_cast<size_t>(between(0, 8))];
        }
        bytes += current + (between(0, 1) == 0 ? "\n" : "\r\n");
    }
    return bytes;
}

std::string ShippedProgramTexts() {
    QFile file(QStringLiteral(PRIMORATOR_DATA_DIR "/prmr.dat"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the shipped program texts");
    return file.readAll().toStdString();
}

// ---- The state file.

// A whole state file as the program writes one, every item away from its default.
QByteArray WholeStateFile() {
    return QByteArray(
        "\"5\"\r\n\"1'000\"\r\n\"3\"\r\n\"^ N   -\"\r\n\"1\"\r\n39\r\n"
        "0\r\n0\r\n-1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n2\r\n"
        "\"Restore\"\r\n\"7\"\r\n\"2\"\r\n\"----------------\"\r\n"
        "\" 5 is prime\r\n\r\nsecond line\r\n\"\r\n");
}

// The whole file's state.
void VerifyRestored(WindowFixture& fixture) {
    QCOMPARE(apptest::ShownText(fixture, "Text1"), QStringLiteral("5"));
    QCOMPARE(apptest::ShownText(fixture, "Text2"), QStringLiteral("1'000"));
    QCOMPARE(apptest::ShownText(fixture, "txbA"), QStringLiteral("3"));
    QCOMPARE(apptest::ShownText(fixture, "lblFilterType"), QStringLiteral("^ N   -"));
    QCOMPARE(apptest::ShownText(fixture, "txbB"), QStringLiteral("1"));
    QVERIFY(fixture.Find<QRadioButton>("ApostropheSeparator")->isChecked());
    QVERIFY(fixture.Find<QRadioButton>("DisplayPrimesOnly")->isChecked());
    QVERIFY(fixture.Find<QCheckBox>("ShowPalmenColor")->isChecked());
    QVERIFY(fixture.Find<QCheckBox>("ShowEKValue")->isChecked());
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentIndex(), 2);
    QCOMPARE(fixture.Find<QPlainTextEdit>("Text3")->toPlainText(),
             QStringLiteral(" 5 is prime\n\nsecond line\n"));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), static_cast<qint64>(bytes.size()));
}

// The state file in the data folder of a window about to start.
void WriteStateFile(const QString& dataFolder, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(dataFolder + QStringLiteral("/Primorator")));
    WriteFile(dataFolder + QStringLiteral("/Primorator/prmr.usr"), bytes);
}

// A restore failure's message: the lead, the reason, and `ending`.
void VerifyRestoreFailure(const engine::Message& message, const QString& ending) {
    const QString text = QString::fromStdString(message.text);
    QVERIFY2(text.startsWith(QStringLiteral("Error when attempting to restore state:\r\n")) &&
                 text.endsWith(ending),
             message.text.c_str());
    QCOMPARE(message.title, std::string("Restore state"));
    QVERIFY(message.icon == engine::MessageIcon::Warning);
}

// A window started on the state file `bytes` comes up with the defaults and
// warns once that the file was kept as prmr.usr.bad, which nothing replaces:
// "Restore state" then finds no file, and Quit saves a new one.
void VerifyStartOnBadStateFile(const QByteArray& bytes, const QString& resetCaption) {
    WindowFixture fixture([&](const QString& data) { WriteStateFile(data, bytes); });
    QVERIFY(fixture.Started());
    const QString path = fixture.StateFilePath();
    const QString kept = path + QStringLiteral(".bad");
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    VerifyRestoreFailure(fixture.Messages().messages[0],
                         QStringLiteral("\r\nThe file %1 was kept as %2, and the defaults were "
                                        "applied.")
                             .arg(path, kept));
    apptest::VerifyDefaults(fixture, resetCaption);
    QVERIFY(fixture.Find<QPushButton>("cmdReset")->isHidden());
    QVERIFY(!QFile::exists(path));

    apptest::Click(fixture.Find<QPushButton>("cmdRestoreState"));
    QCOMPARE(fixture.Messages().messages.size(), size_t{2});
    VerifyRestoreFailure(fixture.Messages().messages[1], QStringLiteral("File not found: ") + path);
    apptest::VerifyDefaults(fixture, resetCaption);

    apptest::Click(fixture.Find<QPushButton>("QuitButton"));
    QCOMPARE(fixture.Messages().messages.size(), size_t{2});
    QVERIFY(QFile::exists(path));
    QFile keptFile(kept);
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QVERIFY(keptFile.readAll() == bytes);
}

}  // namespace

class BadFilesTest : public QObject {
    Q_OBJECT

private slots:
    void programTextsOfRandomBytes();
    void programTextsOfTenMegabytes();
    void programTextsCutAnywhere();
    void stateFileOfRandomBytes();
    void stateFileOfTenMegabytes();
    void stateFileCutAfterEachLine();
    void stateFileCutAtEveryByte();
};

void BadFilesTest::programTextsOfRandomBytes() {
    std::mt19937 random(kSeed);
    int loaded = 0;
    int missing = 0;
    int tooLong = 0;
    int duplicate = 0;
    for (int round = 0; round < 300; ++round) {
        // Any bytes, or lines of every kind the format knows, a few of them faulty.
        const std::string bytes =
            round % 5 == 0
                ? RandomBytes(random, std::uniform_int_distribution<size_t>(1, 4000)(random))
                : RandomTextLines(random);
        const int result = ExpectedLoad(bytes).result;
        loaded += result >= 1 ? 1 : 0;
        missing += result < -500 && result >= -1000 ? 1 : 0;
        tooLong += result < -1000 && result >= -1500 ? 1 : 0;
        duplicate += result < -1500 ? 1 : 0;
        const QString problem = CheckProgramTexts(bytes);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("round %1: ").arg(round) + problem));
    }
    // Every outcome was met.
    QVERIFY(loaded > 50);
    QVERIFY(missing > 10);
    QVERIFY(tooLong > 10);
    QVERIFY(duplicate > 10);
}

void BadFilesTest::programTextsOfTenMegabytes() {
    std::mt19937 random(kSeed + 1);
    const std::string texts = "1\tone\n2\ttwo\n";
    const std::string cases[] = {
        RandomBytes(random, kTenMegabytes),
        "#" + std::string(kTenMegabytes, 'c') + "\n",
        texts + "3\t" + std::string(kTenMegabytes, 't') + "\n",
        std::string(kTenMegabytes / 2, '\n'),
        texts + std::string(kTenMegabytes, ' ') + "\n4\tfour\n",
        std::string((16 << 20) + 1, '#'),
    };
    const char* expected[] = {nullptr,
                              "No program text was read.",
                              "String too long at line 3.",
                              "Too much program text.",
                              nullptr,
                              "Too much program text."};
    for (size_t i = 0; i < std::size(cases); ++i) {
        // The oracle is checked against the messages the format makes plain.
        if (expected[i] != nullptr) {
            QCOMPARE(FatalMessage(ExpectedLoad(cases[i]).result, {}), QString(expected[i]));
        }
        const QString problem = CheckProgramTexts(cases[i]);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("case %1: ").arg(i) + problem));
    }
}

void BadFilesTest::programTextsCutAnywhere() {
    // The shipped file cut after each line and inside each line: after the
    // number, after the TAB and in the middle of the text.
    const std::string shipped = ShippedProgramTexts();
    std::vector<size_t> cuts = {0};
    for (size_t from = 0; from < shipped.size();) {
        size_t to = shipped.find('\n', from);
        if (to == std::string::npos) to = shipped.size() - 1;
        const size_t tab = shipped.find('\t', from);
        if (tab < to) {
            cuts.push_back(tab);
            cuts.push_back(tab + 1);
            cuts.push_back((tab + 1 + to) / 2);
        }
        cuts.push_back(to);
        cuts.push_back(to + 1);
        from = to + 1;
    }
    int loaded = 0;
    for (size_t cut : cuts) {
        const std::string bytes = shipped.substr(0, cut);
        loaded += ExpectedLoad(bytes).result >= 1 ? 1 : 0;
        const QString problem = CheckProgramTexts(bytes);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("cut at %1: ").arg(cut) + problem));
    }
    // Both outcomes were met: texts loaded from a part, and messages.
    QVERIFY(loaded > 10);
    QVERIFY(loaded < static_cast<int>(cuts.size()) - 10);
}

void BadFilesTest::stateFileOfRandomBytes() {
    std::mt19937 random(kSeed + 2);
    for (int round = 0; round < 12; ++round) {
        const size_t size = std::uniform_int_distribution<size_t>(1, 5000)(random);
        const std::string bytes = RandomBytes(random, size);
        VerifyStartOnBadStateFile(QByteArray::fromStdString(bytes), QStringLiteral("No filter"));
        if (QTest::currentTestFailed()) qWarning("round %d", round);
    }
}

void BadFilesTest::stateFileOfTenMegabytes() {
    std::mt19937 random(kSeed + 3);
    const QByteArray whole = WholeStateFile();
    const QByteArray firstItems = whole.left(whole.indexOf("\" 5 is prime"));
    QByteArray lines;
    while (lines.size() < kTenMegabytes) lines += QByteArray(98, 'x') + "\r\n";
    // Any bytes; a 22nd item whose closing quote never comes.
    VerifyStartOnBadStateFile(QByteArray::fromStdString(RandomBytes(random, kTenMegabytes)),
                              QStringLiteral("No filter"));
    VerifyStartOnBadStateFile(firstItems + "\"" + lines, QStringLiteral("Restore"));

    // A whole file with 10 MB of output is a good file: it is restored.
    WindowFixture fixture(
        [&](const QString& data) { WriteStateFile(data, firstItems + "\"" + lines + "\"\r\n"); });
    QVERIFY(fixture.Started());
    QVERIFY(fixture.Messages().messages.empty());
    QCOMPARE(apptest::ShownText(fixture, "Text1"), QStringLiteral("5"));
    QCOMPARE(apptest::OutputText(fixture.Window()), QString::fromLatin1(lines));
}

void BadFilesTest::stateFileCutAfterEachLine() {
    const QByteArray whole = WholeStateFile();
    int lines = 0;
    for (qsizetype end = 0; end < whole.size(); end = whole.indexOf("\r\n", end) + 2) {
        // Item 18, the reset button's caption, is the one the defaults leave.
        VerifyStartOnBadStateFile(
            whole.left(end), lines >= 18 ? QStringLiteral("Restore") : QStringLiteral("No filter"));
        if (QTest::currentTestFailed()) {
            qWarning("file cut after %d lines", lines);
            return;
        }
        ++lines;
    }
    QCOMPARE(lines, 25);
    WindowFixture fixture([&](const QString& data) { WriteStateFile(data, whole); });
    QVERIFY(fixture.Messages().messages.empty());
    VerifyRestored(fixture);
}

void BadFilesTest::stateFileCutAtEveryByte() {
    const QByteArray whole = WholeStateFile();
    WindowFixture fixture;
    // The file is whole from the closing quote of the output on.
    const qsizetype wholeFrom = whole.lastIndexOf('"') + 1;
    const qsizetype captionRead = whole.indexOf("\"Restore\"") + 9;
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        WriteFile(fixture.StateFilePath(), whole.left(cut));
        fixture.Find<QPushButton>("cmdReset")->setText(QStringLiteral("No filter"));
        fixture.Messages().messages.clear();
        apptest::Click(fixture.Find<QPushButton>("cmdRestoreState"));
        QCOMPARE(fixture.Messages().messages.size(), size_t{1});
        const engine::Message& message = fixture.Messages().messages[0];
        if (cut >= wholeFrom) {
            QCOMPARE(message.text, std::string("State restored OK."));
            VerifyRestored(fixture);
        } else {
            QVERIFY2(message.text.rfind("Error when attempting to restore state:\r\n", 0) == 0,
                     qPrintable(QStringLiteral("cut at %1: ").arg(cut) +
                                QString::fromStdString(message.text)));
            apptest::VerifyDefaults(fixture, cut >= captionRead ? QStringLiteral("Restore")
                                                                : QStringLiteral("No filter"));
        }
        if (QTest::currentTestFailed()) {
            qWarning("file cut at byte %lld", static_cast<long long>(cut));
            return;
        }
    }
}

QTEST_MAIN(BadFilesTest)
#include "BadFilesTest.moc"
