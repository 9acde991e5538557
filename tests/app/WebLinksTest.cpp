// The web links: extensions, error texts, resolving and opening addresses, and
// the pages shipped beside the program.
#include <QCoreApplication>
#include <QDir>
#include <QtTest>

#include <vector>

#include "app/WebLinks.h"
#include "engine/Message.h"

namespace {

class RecordingSink : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message& message) override { messages.push_back(message); }
    std::vector<engine::Message> messages;
};

// An opener that records what it was asked to open and answers `result`.
struct FakeOpener {
    bool result;
    std::vector<QUrl>* opened;
    bool operator()(const QUrl& url) const {
        opened->push_back(url);
        return result;
    }
};

const std::string kTitle = "Cannot launch web browser";

QString ProgramFolderOfTest() { return QCoreApplication::applicationDirPath() + "/"; }

}  // namespace

class WebLinksTest : public QObject {
    Q_OBJECT

private slots:
    void AddressExtension_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("extension");
        QTest::newRow("web page upper case") << "http://www.example.com/manual.HTM"
                                             << "htm";
        QTest::newRow("relative page") << "manual.html"
                                       << "html";
        QTest::newRow("backslash path") << "C:\\Docs\\Page.Html"
                                        << "html";
        QTest::newRow("dot in folder only") << "http://www.example.com/docs.v2/readme"
                                            << "";
        QTest::newRow("dot in folder, backslash") << "C:\\docs.v2\\readme"
                                                  << "";
        QTest::newRow("last dot counts") << "archive.tar.GZ"
                                         << "gz";
        QTest::newRow("mixed separators") << "a\\b.x/c.PDF"
                                          << "pdf";
        QTest::newRow("trailing dot") << "file."
                                      << "";
        QTest::newRow("no dot") << "manual"
                                << "";
        QTest::newRow("trailing slash") << "https://example.org/"
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void AddressExtension() {
        QFETCH(QString, address);
        QFETCH(QString, extension);
        QCOMPARE(app::AddressExtension(address), extension);
    }

    void ErrorText_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("text");
        QTest::newRow("31 no association")
            << 31 << app::AddressExtension("http://www.example.com/manual.HTM")
            << "Error launching web browser, error code = 31.\r\n\r\n"
               "File extension 'htm' is not associated with any application program.";
        QTest::newRow("8 out of memory") << 8 << "htm"
                                         << "Error launching web browser, error code = 8.\r\n\r\n"
                                            "Out of memory.";
        QTest::newRow("2 file not found") << 2 << "htm"
                                          << "Error launching web browser, error code = 2.\r\n\r\n"
                                             "Please try once more.";
        QTest::newRow("5 first sentence only") << 5 << "htm"
                                               << "Error launching web browser, error code = 5.";
        QTest::newRow("0") << 0 << ""
                           << "Error launching web browser, error code = 0.";
        QTest::newRow("32") << 32 << "htm"
                            << "Error launching web browser, error code = 32.";
    }

    void ErrorText() {
        QFETCH(int, code);
        QFETCH(QString, extension);
        QFETCH(QString, text);
        QCOMPARE(app::WebLaunchErrorText(code, extension), text);
    }

    void FailedOpenShowsTheWarning() {
        RecordingSink sink;
        std::vector<QUrl> opened;
        app::OpenWebPage("https://www.example.com/docs/Manual.HTM", FakeOpener{false, &opened},
                         sink);
        QCOMPARE(opened.size(), size_t{1});
        QCOMPARE(opened[0], QUrl("https://www.example.com/docs/Manual.HTM"));
        QCOMPARE(sink.messages.size(), size_t{1});
        const engine::Message& message = sink.messages[0];
        QCOMPARE(message.text, std::string("Error launching web browser, error code = 31.\r\n\r\n"
                                           "File extension 'htm' is not associated with any "
                                           "application program."));
        QCOMPARE(message.title, kTitle);
        QVERIFY(message.icon == engine::MessageIcon::Warning);
    }

    void SuccessfulOpenSaysNothing() {
        RecordingSink sink;
        std::vector<QUrl> opened;
        app::OpenWebPage("http://www.example.com/", FakeOpener{true, &opened}, sink);
        QCOMPARE(opened.size(), size_t{1});
        QVERIFY(sink.messages.empty());
    }

    void RelativePageIsOpenedFromTheProgramFolder() {
        // The shipped pages are copied beside every executable of the build.
        RecordingSink sink;
        std::vector<QUrl> opened;
        app::OpenWebPage("manual.html", FakeOpener{true, &opened}, sink);
        QCOMPARE(opened.size(), size_t{1});
        QCOMPARE(opened[0], QUrl::fromLocalFile(ProgramFolderOfTest() + "manual.html"));
        QVERIFY(sink.messages.empty());
    }

    void MissingPageIsNotHandedOn_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("no such page") << "no-such-page.HTML";
        // A missing program text: the program's folder is no page.
        QTest::newRow("empty address") << "";
    }

    void MissingPageIsNotHandedOn() {
        QFETCH(QString, address);
        RecordingSink sink;
        std::vector<QUrl> opened;
        app::OpenWebPage(address, FakeOpener{true, &opened}, sink);
        QVERIFY(opened.empty());
        QCOMPARE(sink.messages.size(), size_t{1});
        QCOMPARE(sink.messages[0].text,
                 std::string("Error launching web browser, error code = 2.\r\n\r\n"
                             "Please try once more."));
        QCOMPARE(sink.messages[0].title, kTitle);
        QVERIFY(sink.messages[0].icon == engine::MessageIcon::Warning);
    }

    void FailedOpenOfAPageBesideTheProgram() {
        RecordingSink sink;
        std::vector<QUrl> opened;
        app::OpenWebPage("palmen.html", FakeOpener{false, &opened}, sink);
        QCOMPARE(opened.size(), size_t{1});
        QCOMPARE(sink.messages.size(), size_t{1});
        QCOMPARE(sink.messages[0].text,
                 std::string("Error launching web browser, error code = 31.\r\n\r\n"
                             "File extension 'html' is not associated with any application "
                             "program."));
    }

    void Resolve_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("relative") << "manual.html" << QUrl::fromLocalFile("/opt/p/manual.html");
        QTest::newRow("relative in a folder")
            << "pages/a.htm" << QUrl::fromLocalFile("/opt/p/pages/a.htm");
        QTest::newRow("relative upwards") << "../b.htm" << QUrl::fromLocalFile("/opt/b.htm");
        QTest::newRow("absolute path") << "/srv/www/c.htm" << QUrl::fromLocalFile("/srv/www/c.htm");
        QTest::newRow("https") << "https://example.org/d.htm?x=1"
                               << QUrl("https://example.org/d.htm?x=1");
        QTest::newRow("http") << "http://example.org/" << QUrl("http://example.org/");
        QTest::newRow("file url") << "file:///tmp/e.html" << QUrl("file:///tmp/e.html");
        QTest::newRow("name with blank")
            << "my page.html" << QUrl::fromLocalFile("/opt/p/my page.html");
    }

    void Resolve() {
        QFETCH(QString, address);
        QFETCH(QUrl, url);
        QCOMPARE(app::ResolveWebAddress(address, "/opt/p/"), url);
    }

    void DisplayAddress() {
        QCOMPARE(app::DisplayAddress("https://example.org/d.htm"),
                 QString("https://example.org/d.htm"));
        QCOMPARE(app::DisplayAddress("about.html"),
                 QString("file://" + ProgramFolderOfTest() + "about.html"));
    }

    void ToolTips() {
        QCOMPARE(app::OnlineManualToolTip("https://example.org/manual.htm"),
                 QString("Click for the online user manual at https://example.org/manual.htm"));
        QCOMPARE(app::PublisherToolTip("Primorator project", "https://example.org/"),
                 QString("Click for the Primorator project website at https://example.org/"));
    }

    void PalmenPageIsShipped() {
        QVERIFY(QFileInfo::exists(ProgramFolderOfTest() + app::kPalmenPageAddress));
    }

    // The manual beside the program describes every option primorator-cli --help lists.
    void ManualNamesEveryCommandLineOption() {
        QProcess cli;
        cli.start(ProgramFolderOfTest() + "primorator-cli", {"--help"});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 0);
        const QString help = QString::fromUtf8(cli.readAllStandardOutput());
        QFile manual(ProgramFolderOfTest() + "manual.html");
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(manual.readAll());
        static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
        int options = 0;
        for (const QRegularExpressionMatch& match : option.globalMatch(help)) {
            ++options;
            QVERIFY2(text.contains("<code>" + match.captured()), qPrintable(match.captured()));
        }
        QVERIFY(options > 10);
    }
};

QTEST_MAIN(WebLinksTest)
#include "WebLinksTest.moc"
