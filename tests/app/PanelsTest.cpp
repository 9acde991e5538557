// Each panel of the main window on its own: its controls named as the
// window's rules find them, and each control's action coming out as the
// panel's signal with the right value.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "WindowTestSupport.h"
#include "app/CommandPanel.h"
#include "app/GraphPicture.h"
#include "app/ModesPanel.h"
#include "app/NumbersPanel.h"
#include "app/OutputArea.h"
#include "app/SeparatorPanel.h"

namespace {

// Where the caret is drawn, in the field's coordinates.
int CaretX(QLineEdit& field) {
    return field.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

template <typename T>
T* Named(QWidget& panel, const char* name) {
    T* control = panel.findChild<T*>(QLatin1String(name));
    if (control == nullptr) qFatal("no control named %s", name);
    return control;
}

}  // namespace

class NumbersPanelTest : public QObject {
    Q_OBJECT

private slots:
    void clearButtonsSayWhichField_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::newRow("start") << "ClearStartNumberButton_0" << 0;
        QTest::newRow("end") << "ClearStartNumberButton_1" << 1;
    }

    void clearButtonsSayWhichField() {
        QFETCH(QString, button);
        QFETCH(int, index);
        QWidget window;
        app::NumbersPanel panel(&window);
        QSignalSpy cleared(&panel, &app::NumbersPanel::clearClicked);
        apptest::Click(Named<QPushButton>(panel, button.toLatin1().constData()));
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(cleared[0][0].toInt(), index);
    }

    // The field shows the whole of a full-length number without scrolling,
    // in the default style and in one with wide frames.
    void fieldsShowTheWholeNumber_data() {
        QTest::addColumn<bool>("bulky");
        QTest::newRow("default style") << false;
        QTest::newRow("wide frames") << true;
    }

    void fieldsShowTheWholeNumber() {
        QFETCH(bool, bulky);
        apptest::BulkyStyle style;
        QWidget window;
        if (bulky) window.setStyle(&style);
        app::NumbersPanel panel(&window);
        window.show();
        for (int which : {1, 2}) {
            QLineEdit* field = panel.Field(which);
            field->clear();
            const int start = CaretX(*field);
            const QString number = QStringLiteral("2,000,000,000 ");
            field->setText(number);
            QCOMPARE(CaretX(*field) - start, field->fontMetrics().horizontalAdvance(number));
        }
        QCOMPARE(panel.Field(1)->objectName(), QStringLiteral("Text1"));
        QCOMPARE(panel.Marker(2)->objectName(), QStringLiteral("lblEndP"));
        QVERIFY(!panel.Marker(1)->toolTip().isEmpty());
    }
};

class SeparatorPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsSelectTheirSeparator_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("separator");
        QTest::newRow("comma") << "CommaSeparator" << static_cast<int>(format::Separator::Comma);
        QTest::newRow("space") << "SpaceSeparator" << static_cast<int>(format::Separator::Space);
        QTest::newRow("apostrophe")
            << "ApostropheSeparator" << static_cast<int>(format::Separator::Apostrophe);
        QTest::newRow("none") << "NoSeparator" << static_cast<int>(format::Separator::None);
    }

    void optionsSelectTheirSeparator() {
        QFETCH(QString, option);
        QFETCH(int, separator);
        QWidget window;
        app::SeparatorPanel panel(&window);
        window.show();
        QSignalSpy chosen(&panel, &app::SeparatorPanel::chosen);
        // A click, and a selection from code, run the same rule.
        apptest::Click(Named<QRadioButton>(panel, option.toLatin1().constData()));
        QCOMPARE(static_cast<int>(panel.Selected()), separator);
        panel.Select(format::Separator::Comma);
        QVERIFY(panel.findChild<QRadioButton*>(QStringLiteral("CommaSeparator"))->isChecked());
        panel.Select(static_cast<format::Separator>(separator));
        QCOMPARE(static_cast<int>(panel.Selected()), separator);
        QCOMPARE(chosen.size(), 3);
    }
};

class ModesPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsSayTheirMode_data() {
        QTest::addColumn<int>("mode");
        for (int mode = 0; mode < static_cast<int>(app::kModeCount); ++mode) {
            QTest::newRow(apptest::ModeOptionName(static_cast<engine::ComputeMode>(mode))) << mode;
        }
    }

    void optionsSayTheirMode() {
        QFETCH(int, mode);
        QWidget window;
        app::ModesPanel panel(&window);
        window.show();
        QSignalSpy clicked(&panel, &app::ModesPanel::modeClicked);
        apptest::Click(Named<QRadioButton>(
            panel, apptest::ModeOptionName(static_cast<engine::ComputeMode>(mode))));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].value<engine::ComputeMode>(),
                 static_cast<engine::ComputeMode>(mode));
    }

    void filterButtonsSayTheirFormAndExplainIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("value");  // the operator or the sign
        QTest::addColumn<QString>("tip");
        QTest::newRow("*") << "cmdMult" << 0 << "a * N + b";
        QTest::newRow("/") << "cmdDiv" << 1 << "a / N + b";
        QTest::newRow("^") << "cmdExp" << 2 << "a ^ N + b";
        QTest::newRow("+") << "cmdPlus" << 0 << "add b";
        QTest::newRow("-") << "cmdMinus" << 1 << "subtract b";
        QTest::newRow("+|-") << "cmdPlusMinus" << 2 << "both";
    }

    void filterButtonsSayTheirFormAndExplainIt() {
        QFETCH(QString, button);
        QFETCH(int, value);
        QFETCH(QString, tip);
        QWidget window;
        app::ModesPanel panel(&window);
        window.show();
        QSignalSpy operators(&panel, &app::ModesPanel::operatorClicked);
        QSignalSpy signs(&panel, &app::ModesPanel::signClicked);
        auto* pressed = Named<QPushButton>(panel, button.toLatin1().constData());
        apptest::Click(pressed);
        QVERIFY(pressed->toolTip().contains(tip));
        if (operators.size() == 1) {
            QCOMPARE(signs.size(), 0);
            QCOMPARE(static_cast<int>(operators[0][0].value<engine::FilterOperator>()), value);
        } else {
            QCOMPARE(signs.size(), 1);
            QCOMPARE(static_cast<int>(signs[0][0].value<engine::FilterSign>()), value);
        }
        QVERIFY(!panel.BinsList()->toolTip().isEmpty());
    }
};

class CommandPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Each button by a click, and those with a mnemonic by Alt and its letter.
    void buttonsSayWhatWasPressed_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("signal");  // index into the panel's signals below
        QTest::addColumn<int>("mnemonic");
        QTest::newRow("Compute") << "ComputeButton" << 0 << static_cast<int>(Qt::Key_C);
        QTest::newRow("Help") << "HelpButton" << 1 << static_cast<int>(Qt::Key_H);
        QTest::newRow("Copy") << "CopyButton" << 2 << 0;
        QTest::newRow("Clear output") << "ClearOutputButton" << 3 << static_cast<int>(Qt::Key_O);
        QTest::newRow("Save state") << "cmdSaveState" << 4 << static_cast<int>(Qt::Key_S);
        QTest::newRow("Restore state") << "cmdRestoreState" << 5 << static_cast<int>(Qt::Key_R);
        QTest::newRow("Switch display") << "cmdSwitchDisplay" << 6 << 0;
        QTest::newRow("Quit") << "QuitButton" << 7 << static_cast<int>(Qt::Key_Q);
    }

    void buttonsSayWhatWasPressed() {
        QFETCH(QString, button);
        QFETCH(int, signal);
        QFETCH(int, mnemonic);
        QWidget window;
        app::CommandPanel panel(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        using Signal = void (app::CommandPanel::*)();
        const Signal signals_[] = {
            &app::CommandPanel::computeClicked,       &app::CommandPanel::helpClicked,
            &app::CommandPanel::copyClicked,          &app::CommandPanel::clearOutputClicked,
            &app::CommandPanel::saveStateClicked,     &app::CommandPanel::restoreStateClicked,
            &app::CommandPanel::switchDisplayClicked, &app::CommandPanel::quitClicked};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (Signal each : signals_) spies.push_back(std::make_unique<QSignalSpy>(&panel, each));
        apptest::Click(Named<QPushButton>(panel, button.toLatin1().constData()));
        if (mnemonic != 0) {
            QTest::keyClick(&window, static_cast<Qt::Key>(mnemonic), Qt::AltModifier);
            // A mnemonic presses its button as a click shows, a moment later.
            QTRY_COMPARE(spies[static_cast<size_t>(signal)]->size(), 2);
        }
        for (size_t i = 0; i < spies.size(); ++i) {
            const int expected = static_cast<int>(i) == signal ? (mnemonic != 0 ? 2 : 1) : 0;
            QCOMPARE(spies[i]->size(), expected);
        }
        QVERIFY(!panel.SwitchDisplay()->toolTip().isEmpty());
    }
};

class OutputAreaTest : public QObject {
    Q_OBJECT

private slots:
    void theTwoScreensShareOnePlace() {
        QWidget window;
        app::OutputArea area(&window);
        area.setGeometry(10, 20, 484, 407);
        window.show();
        QWidget& text = area.Text();
        QWidget& picture = area.Picture();
        QVERIFY(text.isVisible());
        QVERIFY(!picture.isVisible());
        area.ShowGraph(true);
        QVERIFY(!text.isVisible());
        QVERIFY(picture.isVisible());
        QCOMPARE(picture.geometry(), QRect(0, 0, 484, 407));
        QCOMPARE(text.geometry(), picture.geometry());
        area.resize(700, 500);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(picture.geometry(), QRect(0, 0, 700, 500));
        QCOMPARE(text.geometry(), picture.geometry());
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    int failures = 0;
    NumbersPanelTest numbers;
    SeparatorPanelTest separators;
    ModesPanelTest modes;
    CommandPanelTest commands;
    OutputAreaTest output;
    for (QObject* test :
         std::initializer_list<QObject*>{&numbers, &separators, &modes, &commands, &output}) {
        failures += QTest::qExec(test, argc, argv);
    }
    return failures;
}

#include "PanelsTest.moc"
