// Saving the histogram picture: the right button's question, the save
// dialog as the window sets it up, the bitmap written and read back, and a
// cancel, a No, a folder that does not exist, a file that cannot be written,
// and the other buttons.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "GraphTestSupport.h"
#include "WindowTestSupport.h"
#include "stats/HistogramCsv.h"

using apptest::WindowFixture;

namespace {

// How the test answers the save dialog, and what it saw of it.
struct DialogSeen {
    int runs = 0;
    QString title;
    QStringList filters;
    bool saving = false;
    bool confirmsOverwrite = false;
    QString defaultSuffix;
};

}  // namespace

class GraphSaveTest : public QObject {
    Q_OBJECT

private slots:
    void rightButtonOffersToSaveThePicture_data();
    void rightButtonOffersToSaveThePicture();
    void otherButtonsDoNothing_data();
    void otherButtonsDoNothing();
    void rightButtonDuringARunDoesNothing();
    void pictureKindsFollowTheFilter_data();
    void pictureKindsFollowTheFilter();
    void menuCopiesThePictureAndSavesTheTable();
};

void GraphSaveTest::rightButtonOffersToSaveThePicture_data() {
    QTest::addColumn<bool>("yes");
    // The file names the dialog gives, run after run, in the test's folder; empty: cancelled.
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<bool>("written");
    // What follows the question, FOLDER standing for the test's folder; empty: nothing.
    QTest::addColumn<QString>("message");
    const QString missing = QStringLiteral("The folder FOLDER/missing does not exist.");
    QTest::newRow("yes, a file") << true << QStringList{"graph.bmp"} << true << QString();
    QTest::newRow("yes, then cancel") << true << QStringList{""} << false << QString();
    QTest::newRow("no") << false << QStringList{"graph.bmp"} << false << QString();
    QTest::newRow("a folder that does not exist, then a file")
        << true << QStringList{"missing/graph.bmp", "graph.bmp"} << true << missing;
    QTest::newRow("a folder that does not exist, then cancel")
        << true << QStringList{"missing/graph.bmp", ""} << false << missing;
    QTest::newRow("a file that cannot be written")
        << true << QStringList{"."} << false
        << "Cannot save the picture to FOLDER/.: Filename refers to a directory.";
}

void GraphSaveTest::rightButtonOffersToSaveThePicture() {
    QFETCH(bool, yes);
    QFETCH(QStringList, chosen);
    QFETCH(bool, written);
    QFETCH(QString, message);
    QTemporaryDir folder;
    WindowFixture fixture;
    DialogSeen seen;
    fixture.Window().SetSaveDialogRunner([&](QFileDialog& dialog) {
        const QString name = chosen.value(seen.runs);
        ++seen.runs;
        seen.title = dialog.windowTitle();
        seen.filters = dialog.nameFilters();
        seen.saving = dialog.acceptMode() == QFileDialog::AcceptSave;
        seen.confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        seen.defaultSuffix = dialog.defaultSuffix();
        return name.isEmpty() ? QString() : folder.filePath(name);
    });
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("3,000"));
    fixture.Messages().messages.clear();
    fixture.Messages().buttons.clear();
    fixture.Messages().answer = yes ? app::MessageAnswer::Yes : app::MessageAnswer::No;

    QVERIFY(apptest::ChooseFromGraphMenu(fixture, 0));

    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), message.isEmpty() ? size_t{1} : size_t{2});
    QCOMPARE(
        QString::fromStdString(messages[0].text),
        apptest::ShippedProgramText(24) + QStringLiteral("\r\n") + apptest::ShippedProgramText(25));
    QCOMPARE(QString::fromStdString(messages[0].title), apptest::ShippedProgramText(26));
    QVERIFY(!apptest::ShippedProgramText(26).isEmpty());
    QCOMPARE(fixture.Messages().buttons[0], app::MessageButtons::YesNo);
    QCOMPARE(seen.runs, yes ? static_cast<int>(chosen.size()) : 0);
    if (yes) {
        QCOMPARE(seen.title, QStringLiteral("Save image as"));
        // The bitmap first, as the dialog offers it.
        QCOMPARE(seen.filters, QStringList({"Bitmap file (*.bmp)", "PNG image (*.png)",
                                            "PNG image, twice the size for printing (*.png)",
                                            "PNG image, four times the size for printing (*.png)",
                                            "SVG drawing (*.svg)"}));
        QVERIFY(seen.saving);
        QVERIFY(seen.confirmsOverwrite);
        QCOMPARE(seen.defaultSuffix, QStringLiteral("bmp"));
    }
    const QString path = folder.filePath(QStringLiteral("graph.bmp"));
    QCOMPARE(QFile::exists(path), written);
    if (written) {
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
        const QImage shown = apptest::ShownPicture(fixture.Window())
                                 .copy(0, 0, apptest::kPictureWidth, apptest::kPictureHeight);
        QCOMPARE(saved, shown);
    } else {
        QVERIFY(QDir(folder.path()).isEmpty());
    }
    if (!message.isEmpty()) {
        QCOMPARE(QString::fromStdString(messages[1].text),
                 QString(message).replace(QStringLiteral("FOLDER"), folder.path()));
        QCOMPARE(messages[1].icon, engine::MessageIcon::Warning);
        QCOMPARE(messages[1].title, std::string("Primorator"));
    }
}

void GraphSaveTest::otherButtonsDoNothing_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("left") << static_cast<int>(Qt::LeftButton);
    QTest::newRow("middle") << static_cast<int>(Qt::MiddleButton);
}

void GraphSaveTest::otherButtonsDoNothing() {
    QFETCH(int, button);
    WindowFixture fixture;
    int runs = 0;
    fixture.Window().SetSaveDialogRunner([&](QFileDialog&) {
        ++runs;
        return QString();
    });
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("3,000"));
    const size_t before = fixture.Messages().messages.size();
    QTest::mouseClick(fixture.Find<QWidget>("picGraph"), static_cast<Qt::MouseButton>(button));
    QVERIFY(!fixture.Find<QMenu>("graphMenu")->isVisible());
    QCOMPARE(fixture.Messages().messages.size(), before);
    QCOMPARE(runs, 0);
}

void GraphSaveTest::rightButtonDuringARunDoesNothing() {
    WindowFixture fixture;
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("3,000"));
    fixture.Messages().messages.clear();
    fixture.Messages().answer = app::MessageAnswer::Yes;
    bool pictureShown = false;
    bool menuShown = true;
    apptest::AtFirstProgressPoint(fixture.Window(), [&] {
        QWidget* picture = fixture.Find<QWidget>("picGraph");
        pictureShown = picture->isVisible();
        QTest::mouseClick(picture, Qt::RightButton);
        menuShown = fixture.Find<QMenu>("graphMenu")->isVisible();
    });
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    QVERIFY(pictureShown);
    QVERIFY(!menuShown);
    // Only the closing message of the run.
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(fixture.Messages().messages[0].text,
             std::string("Click OK to close the text box at left."));
}

void GraphSaveTest::pictureKindsFollowTheFilter_data() {
    QTest::addColumn<int>("filter");    // index into the dialog's filters
    QTest::addColumn<QString>("name");  // as typed, without an ending
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("scale");
    QTest::newRow("bitmap") << 0 << "graph"
                            << "graph.bmp" << QByteArray("bmp") << 1;
    QTest::newRow("png") << 1 << "graph"
                         << "graph.png" << QByteArray("png") << 1;
    QTest::newRow("png, twice") << 2 << "graph"
                                << "graph.png" << QByteArray("png") << 2;
    QTest::newRow("png, four times") << 3 << "graph"
                                     << "graph.png" << QByteArray("png") << 4;
    QTest::newRow("svg") << 4 << "graph"
                         << "graph.svg" << QByteArray("svg") << 1;
    // The name's own ending wins over the filter.
    QTest::newRow("bitmap filter, png name") << 0 << "graph.png"
                                             << "graph.png" << QByteArray("png") << 1;
}

void GraphSaveTest::pictureKindsFollowTheFilter() {
    QFETCH(int, filter);
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);
    QFETCH(int, scale);
    QTemporaryDir folder;
    WindowFixture fixture;
    fixture.Window().SetSaveDialogRunner([&](QFileDialog& dialog) {
        const QString chosen = dialog.nameFilters().at(filter);
        dialog.selectNameFilter(chosen);
        // What the dialog does with a name without an ending.
        emit dialog.filterSelected(chosen);
        return folder.filePath(
            name.contains(QLatin1Char('.')) ? name : name + '.' + dialog.defaultSuffix());
    });
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("3,000"));
    fixture.Messages().answer = app::MessageAnswer::Yes;
    QVERIFY(apptest::ChooseFromGraphMenu(fixture, 0));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QImageReader reader(folder.filePath(written));
    QCOMPARE(reader.format(), format);
    const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
    if (format == "svg") {
        // The drawing's own coordinates: the picture's pixels.
        QFile svg(folder.filePath(written));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("viewBox=\"0 0 480 400\""));
        QVERIFY(!saved.isNull());
        return;
    }
    QCOMPARE(saved.size(), QSize(apptest::kPictureWidth, apptest::kPictureHeight) * scale);
    // The same drawing, sharp: each pixel of the axes on screen is a square
    // of scale x scale pixels of blue, and the bars cover scale^2 times the
    // pixels (but where a curve crosses them, drawn finer).
    const QImage shown = apptest::ShownPicture(fixture.Window())
                             .copy(0, 0, apptest::kPictureWidth, apptest::kPictureHeight);
    auto count = [](const QImage& image, QRgb colour) {
        qint64 n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour ? 1 : 0;
        }
        return n;
    };
    int axis = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != apptest::kAxisBlue) continue;
            ++axis;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    if (saved.pixel(x * scale + dx, y * scale + dy) != apptest::kAxisBlue) {
                        QFAIL(qPrintable(QStringLiteral("differs at %1, %2").arg(x).arg(y)));
                    }
                }
            }
        }
    }
    QVERIFY(axis > 400);
    const double bars = count(shown, apptest::kBarGreen) * double(scale * scale);
    QVERIFY(bars > 1000);
    QVERIFY(std::abs(count(saved, apptest::kBarGreen) - bars) < bars * 0.03);
}

void GraphSaveTest::menuCopiesThePictureAndSavesTheTable() {
    QTemporaryDir folder;
    WindowFixture fixture;
    QString title;
    fixture.Window().SetSaveDialogRunner([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        return folder.filePath(QStringLiteral("table.csv"));
    });
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,002,000"));
    const size_t messages = fixture.Messages().messages.size();
    QVERIFY(apptest::ChooseFromGraphMenu(fixture, 1));
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied, apptest::ShownPicture(fixture.Window())
                         .copy(0, 0, apptest::kPictureWidth, apptest::kPictureHeight));
    QVERIFY(apptest::ChooseFromGraphMenu(fixture, 2));
    QCOMPARE(title, QStringLiteral("Save table as"));
    QFile table(folder.filePath(QStringLiteral("table.csv")));
    QVERIFY(table.open(QIODevice::ReadOnly));
    // The command-line tool's --csv of the same data and bins.
    const QByteArray csv = table.readAll();
    QCOMPARE(csv, QByteArray::fromStdString(stats::HistogramCsv(fixture.Window().HistogramData(),
                                                                engine::kDefaultBinsEntry)));
    QVERIFY(csv.startsWith("bin,lower edge,upper edge,count\n"));
    QCOMPARE(fixture.Messages().messages.size(), messages);
}

QTEST_MAIN(GraphSaveTest)
#include "GraphSaveTest.moc"
