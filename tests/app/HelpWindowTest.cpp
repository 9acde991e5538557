// The help window: its text, its place beside the main window, and Close.
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "app/HelpText.h"
#include "app/HelpWindow.h"

namespace {

const QString kManual = QStringLiteral("https://example.org/docs/manual.htm");
const QString kPalmen = QStringLiteral("https://example.org/docs/palmen.htm");

// The whole text as the reader sees it in the text box (line breaks LF), from
// the golden file kept beside the tests.
QString GoldenHelpText() {
    QFile file(QStringLiteral(PRIMORATOR_GOLDEN_DIR "/help-text.txt"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the golden help text");
    return QString::fromUtf8(file.readAll());
}

QPlainTextEdit* TextBox(app::HelpWindow& help) {
    return help.findChild<QPlainTextEdit*>(QStringLiteral("txbHelp1"));
}

QPushButton* CloseButton(app::HelpWindow& help) {
    return help.findChild<QPushButton*>(QStringLiteral("cmdClose"));
}

void Activate(app::HelpWindow& help) {
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&help, &activate);
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void TextIsTheTwentyFiveParagraphs() {
        QCOMPARE(app::HelpText(kManual, kPalmen), GoldenHelpText().replace("\n", "\r\n"));
    }

    void TextLayout() {
        const QString text = app::HelpText(kManual, kPalmen);
        QCOMPARE(text.split(QStringLiteral("\r\n\r\n")).size(), 25);
        QVERIFY(text.endsWith(QStringLiteral(".\r\n")));
        QVERIFY(!text.endsWith(QStringLiteral("\r\n\r\n")));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))));
        // The source is UTF-8: the o with diaeresis arrives as one character.
        QVERIFY(text.contains(QStringLiteral("Erd") + QChar(0x00F6) + QStringLiteral("s-Kac")));
    }

    void AddressesEndTheirSentences() {
        const QStringList paragraphs =
            app::HelpText(QStringLiteral("M"), QStringLiteral("P")).split("\r\n\r\n");
        QVERIFY(paragraphs[0].endsWith(QStringLiteral(" available at M.")));
        QVERIFY(paragraphs[11].endsWith(QStringLiteral(" is explained at P")));
    }

    void WindowNamesAndCaptions() {
        app::HelpWindow help(kManual, kPalmen);
        QCOMPARE(help.objectName(), QStringLiteral("frmHelp"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Primorator Help"));
        QVERIFY(help.isWindow());
        QVERIFY(TextBox(help) != nullptr);
        QVERIFY(TextBox(help)->isReadOnly());
        QCOMPARE(TextBox(help)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(CloseButton(help)->text(), QStringLiteral("Close"));
    }

    void TextIsBuiltAtFirstShow() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        app::HelpWindow help(kManual, kPalmen);
        QVERIFY(TextBox(help)->toPlainText().isEmpty());
        help.ShowHelp(main);
        QVERIFY(help.isVisible());
        // The text box holds the text with the line breaks of a plain text editor.
        QCOMPARE(TextBox(help)->toPlainText(), GoldenHelpText());
    }

    void PlacedRelativeToMainWindow_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("help");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<QPoint>("close");
        // Twips at 15 per pixel, each length rounded to the nearest pixel:
        // 764 px = 11460 twips, less 4250 = 7210 twips = 480.7 px.
        QTest::newRow("design size") << QRect(100, 50, 764, 579) << QRect(375, 130, 481, 491)
                                     << QSize(464, 414) << QPoint(200, 429);
        QTest::newRow("at origin") << QRect(0, 0, 1000, 700) << QRect(275, 80, 717, 612)
                                   << QSize(700, 535) << QPoint(318, 550);
        QTest::newRow("moved") << QRect(200, 100, 900, 600) << QRect(475, 180, 617, 512)
                               << QSize(600, 435) << QPoint(268, 450);
    }

    void PlacedRelativeToMainWindow() {
        QFETCH(QRect, main);
        QFETCH(QRect, help);
        QFETCH(QSize, text);
        QFETCH(QPoint, close);
        QWidget mainWindow;
        mainWindow.setGeometry(main);
        app::HelpWindow window(kManual, kPalmen);
        window.ShowHelp(mainWindow);
        QCOMPARE(window.geometry(), help);
        QCOMPARE(TextBox(window)->size(), text);
        QCOMPARE(CloseButton(window)->pos(), close);
        QCOMPARE(CloseButton(window)->width(), 81);
        QVERIFY(!window.isModal());
    }

    void KeptOnScreen_data() {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("kept");
        const QRect screen(0, 0, 1920, 1200);
        QTest::newRow("fits") << QRect(375, 130, 481, 491) << QRect(375, 130, 481, 491);
        QTest::newRow("past the right edge")
            << QRect(1600, 130, 481, 491) << QRect(1439, 130, 481, 491);
        QTest::newRow("past the bottom") << QRect(375, 900, 481, 491) << QRect(375, 709, 481, 491);
        QTest::newRow("larger than the screen") << QRect(300, 80, 2000, 1300) << screen;
    }

    void KeptOnScreen() {
        QFETCH(QRect, wanted);
        QFETCH(QRect, kept);
        QCOMPARE(app::KeptOnScreen(wanted, QRect(0, 0, 1920, 1200)), kept);
    }

    void MainWindowAtTheScreensCornerKeepsTheHelpOnIt() {
        QWidget mainWindow;
        mainWindow.setGeometry(1500, 900, 764, 579);
        app::HelpWindow window(kManual, kPalmen);
        window.ShowHelp(mainWindow);
        QCOMPARE(window.geometry(), QRect(1439, 709, 481, 491));
        QCOMPARE(TextBox(window)->size(), QSize(464, 414));
    }

    void TinyMainWindowKeepsAUsableHelpWindow() {
        QWidget mainWindow;
        mainWindow.setGeometry(10, 10, 200, 100);
        app::HelpWindow window(kManual, kPalmen);
        window.ShowHelp(mainWindow);
        QCOMPARE(window.geometry(), QRect(285, 90, 300, 200));
        QVERIFY(TextBox(window)->height() > 0);
    }

    void CloseHidesAndKeepsTheWindow() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        auto* help = new app::HelpWindow(kManual, kPalmen);
        QPointer<app::HelpWindow> guard(help);
        help->ShowHelp(main);
        QTest::mouseClick(CloseButton(*help), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard.isNull());
        QVERIFY(help->isHidden());
        QCOMPARE(TextBox(*help)->toPlainText().size(), GoldenHelpText().size());
        delete help;
    }

    void F1ReleaseOnCloseHides() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        app::HelpWindow help(kManual, kPalmen);
        help.ShowHelp(main);
        QTest::keyRelease(CloseButton(help), Qt::Key_F2);
        QVERIFY(help.isVisible());
        QTest::keyRelease(CloseButton(help), Qt::Key_F1);
        QVERIFY(help.isHidden());
    }

    void CloseBoxHidesOnly() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        auto* help = new app::HelpWindow(kManual, kPalmen);
        QPointer<app::HelpWindow> guard(help);
        help->ShowHelp(main);
        QVERIFY(help->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard.isNull());
        QVERIFY(help->isHidden());
        QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
        delete help;
    }

    void ShownAgainIsPlacedAgain() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        app::HelpWindow help(kManual, kPalmen);
        help.ShowHelp(main);
        QTest::mouseClick(CloseButton(help), Qt::LeftButton);
        main.setGeometry(0, 0, 1000, 700);
        help.ShowHelp(main);
        QVERIFY(help.isVisible());
        QCOMPARE(help.geometry(), QRect(275, 80, 717, 612));
    }

    void MinimisedIsOnlyRestoredAtItsOldPlace() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        app::HelpWindow help(kManual, kPalmen);
        help.ShowHelp(main);
        const QRect old = help.geometry();
        help.showMinimized();
        QVERIFY(help.isMinimized());
        main.setGeometry(0, 0, 1000, 700);
        help.ShowHelp(main);
        QVERIFY(!help.isMinimized());
        QVERIFY(help.isVisible());
        QCOMPARE(help.geometry(), old);
    }

    void ActivationSetsCaptionsAndTextAgain() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        app::HelpWindow help(kManual, kPalmen);
        help.ShowHelp(main);
        help.setWindowTitle(QStringLiteral("changed"));
        CloseButton(help)->setText(QStringLiteral("changed"));
        TextBox(help)->setPlainText(QStringLiteral("changed"));
        Activate(help);
        QCOMPARE(help.windowTitle(), QStringLiteral("Primorator Help"));
        QCOMPARE(CloseButton(help)->text(), QStringLiteral("Close"));
        QCOMPARE(TextBox(help)->toPlainText(), GoldenHelpText());
    }

    void ActivationKeepsTheReadersPlace() {
        QWidget main;
        main.setGeometry(100, 50, 764, 579);
        app::HelpWindow help(kManual, kPalmen);
        help.ShowHelp(main);
        QScrollBar* scrollBar = TextBox(help)->verticalScrollBar();
        // The box scrolls by whole lines of its paragraphs; take the place it settles on.
        scrollBar->setValue(scrollBar->maximum() / 2);
        const int place = scrollBar->value();
        QVERIFY(place > 0);
        Activate(help);
        QCOMPARE(scrollBar->value(), place);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
