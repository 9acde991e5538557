// The main window's layout: every control named and captioned, the regions
// where they belong, and nothing overlapping or cut.
#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "WindowTestSupport.h"

using apptest::WindowFixture;

namespace {

// The caption as shown: an Alt mnemonic's marker is not.
QString Caption(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text().remove(QLatin1Char('&'));
    }
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

// The visible widgets directly inside `parent`.
QList<QWidget*> VisibleChildren(QWidget* parent) {
    QList<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) children << child;
    }
    return children;
}

// A button's caption needs its text and a little room on each side (the
// style's minimum button width is no matter); options, check boxes and
// labels need their whole size hint.
bool CaptionFits(QWidget* control) {
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        return button->fontMetrics().horizontalAdvance(Caption(button)) + 6 <= button->width();
    }
    return control->sizeHint().width() <= control->width();
}

QRect OnWindow(QWidget* control) {
    return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirCaptions_data();
    void controlsCarryTheirCaptions();
    void regionsAreWhereTheyBelong();
    void controlsNeitherOverlapNorCutTheirCaptions_data();
    void controlsNeitherOverlapNorCutTheirCaptions();
    void resizingGrowsTheOutputAreaOnly_data();
    void resizingGrowsTheOutputAreaOnly();
};

void LayoutTest::controlsCarryTheirCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* table[][2] = {{"Label2", "Start number:"},
                              {"Label3", "End number:"},
                              {"ClearStartNumberButton_0", "Clear"},
                              {"ClearStartNumberButton_1", "Clear"},
                              {"Label8", "Thousands separator:"},
                              {"CommaSeparator", "Comma"},
                              {"SpaceSeparator", "Space"},
                              {"ApostropheSeparator", "Apostrophe"},
                              {"NoSeparator", "None"},
                              {"DisplayAllNumbers", "Factor all numbers in range"},
                              {"DisplayPrimesOnly", "Display primes only"},
                              {"DisplayPrimePairsOnly", "Display prime pairs only"},
                              {"CountPrimesOnly", "Count primes only"},
                              {"DisplayAllFactors", "Display all factors of numbers"},
                              {"DoNPFGraph", "Plot integers with n  prime factors"},
                              {"DoEKGraph", "Plot EK values with"},
                              {"lblBins", "bins"},
                              {"DoPCGraph", "Plot Palmen color frequencies"},
                              {"ShowPalmenColor", "Show Palmen color"},
                              {"ShowEKValue", "Show number of prime factors"},
                              {"lblFilter", "Filter:"},
                              {"cmdMult", "*"},
                              {"cmdDiv", "/"},
                              {"cmdExp", "^"},
                              {"cmdPlus", "+"},
                              {"cmdMinus", "-"},
                              {"cmdPlusMinus", "+|-"},
                              {"cmdReset", "No filter"},
                              {"ComputeButton", "Compute"},
                              {"HelpButton", "Help"},
                              {"CopyButton", "Copy results to clipboard"},
                              {"ClearOutputButton", "Clear output window"},
                              {"cmdSaveState", "Save state"},
                              {"cmdRestoreState", "Restore state"},
                              {"QuitButton", "Quit"},
                              {"StopButton", "Stop"},
                              {"lblNowComputing", "Now computing ..."},
                              {"lblOnlineDocumentation", "Online user manual"},
                              {"lblVeltraneSystems", "Primorator project"}};
    for (const auto& row : table) {
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
}

void LayoutTest::controlsCarryTheirCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    WindowFixture fixture;
    QCOMPARE(Caption(fixture.Find<QWidget>(name.toLatin1().constData())), caption);
}

void LayoutTest::regionsAreWhereTheyBelong() {
    WindowFixture fixture;
    // Twips / 15, rounded: the regions of the window's layout.
    const std::pair<const char*, QRect> regions[] = {
        {"Frame3", {7, 14, 265, 57}},
        {"Frame1", {14, 84, 259, 313}},
        {"Frame4", {49, 392, 190, 167}},
        {"Frame2", {266, 80, 379, 40}},
        {"lblIntroduction", {273, 7, 477, 69}},
        {"picGraph", {273, 123, 484, 407}},
        {"Text3", {273, 123, 484, 407}},
        {"lblNowComputing", {518, 60, 134, 22}},
        {"lblI", {651, 60, 106, 15}},
        {"StopButton", {693, 91, 62, 22}},
        {"lblVeltraneSystems", {272, 544, 211, 20}},
        {"lblOnlineDocumentation", {581, 544, 170, 20}}};
    for (const auto& [name, region] : regions) {
        QCOMPARE(OnWindow(fixture.Find<QWidget>(name)), region);
    }
    // The plot text stands in the option group's place, as high as the output.
    QCOMPARE(OnWindow(fixture.Find<QWidget>("txbPlot")), QRect(14, 123, 239, 407));
}

void LayoutTest::controlsNeitherOverlapNorCutTheirCaptions_data() {
    QTest::addColumn<bool>("bulky");
    QTest::newRow("the program's style") << false;
    // The window grows as much as the larger controls need.
    QTest::newRow("a style with larger controls") << true;
}

void LayoutTest::controlsNeitherOverlapNorCutTheirCaptions() {
    QFETCH(bool, bulky);
    // The style stays for the whole check (setting another restyles the
    // window's controls), and goes back however the check ends.
    struct StyleForTheTest {
        QString before = QApplication::style()->name();
        explicit StyleForTheTest(bool bulky) {
            if (bulky) QApplication::setStyle(new apptest::BulkyStyle);
        }
        ~StyleForTheTest() { QApplication::setStyle(before); }
    } style(bulky);
    WindowFixture fixture;
    app::frmMain& window = fixture.Window();
    QCOMPARE(window.minimumSize(), window.size());
    // The larger controls do need more room than the start size gives.
    QCOMPARE(window.width() > 764 && window.height() > 579, bulky);
    // The reset button with its widest caption, as a typed filter shows it.
    fixture.Find<QPushButton>("cmdReset")->show();
    QList<QWidget*> controls;
    const char* frames[] = {"Frame1", "Frame2", "Frame3", "Frame4"};
    for (const char* frame : frames) {
        QWidget* group = fixture.Find<QWidget>(frame);
        for (QWidget* control : VisibleChildren(group)) {
            QVERIFY2(group->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            // The option group reaches under the separator group and the
            // button row by design; none of its controls lies there.
            for (const char* other : {"Frame2", "Frame4"}) {
                if (frame != frames[0]) break;
                QVERIFY2(!OnWindow(fixture.Find<QWidget>(other)).intersects(OnWindow(control)),
                         qPrintable(control->objectName() + QLatin1String(" in ") +
                                    QLatin1String(other)));
            }
            controls << control;
        }
    }
    for (const char* name :
         {"lblIntroduction", "Text3", "lblVeltraneSystems", "lblOnlineDocumentation"}) {
        controls << fixture.Find<QWidget>(name);
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY2(window.rect().contains(OnWindow(controls[i])),
                 qPrintable(controls[i]->objectName()));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(!OnWindow(controls[i]).intersects(OnWindow(controls[j])),
                     qPrintable(controls[i]->objectName() + QLatin1Char('/') +
                                controls[j]->objectName()));
        }
        auto* label = qobject_cast<QLabel*>(controls[i]);
        const bool wraps = label != nullptr && label->wordWrap();
        if (!Caption(controls[i]).isEmpty() && !wraps) {
            QVERIFY2(CaptionFits(controls[i]), qPrintable(controls[i]->objectName()));
        }
    }
    // The introduction's text fits its label.
    auto* introduction = fixture.Find<QLabel>("lblIntroduction");
    QVERIFY(introduction->heightForWidth(introduction->width()) <= introduction->height());
}

void LayoutTest::resizingGrowsTheOutputAreaOnly_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("wider") << QSize(1100, 579);
    QTest::newRow("taller") << QSize(764, 900);
    QTest::newRow("both") << QSize(1280, 960);
    QTest::newRow("smaller than the start") << QSize(600, 400);
}

void LayoutTest::resizingGrowsTheOutputAreaOnly() {
    QFETCH(QSize, size);
    WindowFixture fixture;
    app::frmMain& window = fixture.Window();
    QHash<QString, QRect> before;
    const char* names[] = {"Frame3",
                           "Frame1",
                           "Frame4",
                           "Frame2",
                           "OutputArea",
                           "lblIntroduction",
                           "StopButton",
                           "lblOnlineDocumentation",
                           "lblVeltraneSystems",
                           "txbPlot"};
    for (const char* name : names) before[name] = OnWindow(fixture.Find<QWidget>(name));
    window.resize(size);
    QCoreApplication::sendPostedEvents();
    // Never below the start size.
    const QSize grown = size.expandedTo(QSize(764, 579));
    QCOMPARE(window.size(), grown);
    const int dx = grown.width() - 764;
    const int dy = grown.height() - 579;
    auto now = [&](const char* name) { return OnWindow(fixture.Find<QWidget>(name)); };
    for (const char* kept : {"Frame3", "Frame1", "Frame4", "Frame2"}) {
        QCOMPARE(now(kept), before[kept]);
    }
    QCOMPARE(now("OutputArea"), before["OutputArea"].adjusted(0, 0, dx, dy));
    QCOMPARE(now("picGraph"), now("OutputArea"));
    QCOMPARE(now("lblIntroduction"), before["lblIntroduction"].adjusted(0, 0, dx, 0));
    QCOMPARE(now("StopButton"), before["StopButton"].translated(dx, 0));
    QCOMPARE(now("lblOnlineDocumentation"), before["lblOnlineDocumentation"].translated(dx, dy));
    QCOMPARE(now("lblVeltraneSystems"), before["lblVeltraneSystems"].translated(0, dy));
    QCOMPARE(now("txbPlot"), before["txbPlot"].adjusted(0, 0, 0, dy));
}

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
