// Saving the histogram picture: the right button's question, the save
// dialog as the window sets it up, the bitmap written and read back, and a
// cancel, a No, a folder that does not exist, a file that cannot be written,
// and the other buttons.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "GraphTestSupport.h"
#include "WindowTestSupport.h"

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
        << "Cannot save the picture to FOLDER/.: Is a directory.";
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

QTEST_MAIN(GraphSaveTest)
#include "GraphSaveTest.moc"
