// The help window: its text, its place beside the main window, and Close.
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

// The whole text as the reader must see it, one literal per paragraph.
QString ExpectedHelpText() {
    const char* const paragraphs[] = {
        "Full documentation for this software is available at "
        "https://example.org/docs/manual.htm.",
        "With no filter ...",
        "To get the prime decomposition of a number >= 1 and <= 2,147,483,646 type it into "
        "\"Start number\", select \"Factor all numbers in range\" and click on \"Compute\".",
        "To get the prime decomposition of a range of numbers enter the start and end numbers "
        "then proceed as above.",
        "To get only prime numbers in a range of numbers select \"Display primes only\".  "
        "Similarly for pairs of prime numbers, e.g., 1,111,119,467 and 1,111,119,469.",
        "To count (with no display) the number of primes in a range select "
        "\"Count primes only\".",
        "To get all factors of a number type it into \"Start number\", select "
        "\"Display all factors of numbers\" and click on \"Compute\".",
        "To get all factors of a range of numbers enter the start and end numbers then proceed "
        "as above.",
        "With a filter ...",
        "Set a filter condition to filter out all numbers except those of a specified form.  "
        "The available forms are: a*n + b, a*n - b, a/n + b, a/n - b, a^n + b and a^n - b.",
        "Palmen Colors",
        "There are eight Palmen colors (black, red, green, yellow, blue, magenta, cyan and "
        "white). The Palmen color of a number is explained at "
        "https://example.org/docs/palmen.htm",
        "Plotting the Erd\xc3\xb6s-Kac Histograms",
        "(1) The plot of integers with n prime factors is formed by counting the integers "
        "(from the start number onwards) which have exactly 1, 2, 3 ... prime factors.  "
        "(Prime numbers and powers of prime numbers have exactly 1 prime factor.)",
        "(2) The plot of EK values is formed as follows: The 'EK value':",
        "( NPF(n) - log(log(n)) ) / sqrt(log(log(n)))",
        "where NPF(n) is the number of prime factors of n, and log(x) is the natural log, is "
        "calculated for all integers n from the start number onwards.  These values are "
        "assigned to the bins and the histogram plots the number of values in each bin.",
        "The red graph is the Gaussian curve produced by the mean and standard deviation of "
        "the EK values computed.  The magenta graph is the Gaussian for mean = 1/6 and "
        "standard deviation = 2/3.",
        "The computation continues until values have been computed for all integers in the "
        "range or until two numbers are found which have the same number of prime factors but "
        "whose EK values fall into different (adjacent) bins.",
        "(3) The third plot shows the relative frequencies of the Palmen colors as "
        "percentages.  The red line (if any) shows the linear relationship Pc = A - B*C which "
        "most closely fits the data (the eight percentage values).",
        "Miscellaneous",
        "Output copied to the clipboard may be pasted into a word processor such as NotePad.",
        "The state of the program (text only) may be saved at any time, and a previously-saved "
        "state may be restored.  The state of the program is saved when the program "
        "terminates, and is restored when the program starts again.",
        "Credit",
        "Primorator was designed, written and tested by the Primorator project team in 2026.",
    };
    QString text;
    for (const char* paragraph : paragraphs) {
        if (!text.isEmpty()) text += "\r\n\r\n";
        text += QString::fromUtf8(paragraph);
    }
    return text + "\r\n";
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
        QCOMPARE(app::HelpText(kManual, kPalmen), ExpectedHelpText());
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
        QCOMPARE(TextBox(help)->toPlainText(), ExpectedHelpText().replace("\r\n", "\n"));
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
        QCOMPARE(TextBox(*help)->toPlainText().size(),
                 ExpectedHelpText().replace("\r\n", "\n").size());
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
        QCOMPARE(TextBox(help)->toPlainText(), ExpectedHelpText().replace("\r\n", "\n"));
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
