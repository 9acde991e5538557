#include "persist/StateTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

namespace persist {

void PrintTo(const SavedState& state, std::ostream* out) {
    *out << "\n";
    for (const QString& text :
         {state.startNumber, state.endNumber, state.filterA, state.filterType, state.filterB}) {
        ::PrintTo(text, out);
        *out << "\n";
    }
    *out << state.separatorCode << "\n";
    for (int option : state.modeOptions) *out << option << " ";
    *out << "\n" << state.showPalmenColor << " " << state.showEKValue << " " << state.binsIndex;
    for (const QString& text :
         {state.resetCaption, state.savedFilterA, state.savedFilterB, state.outputText.left(200)}) {
        *out << "\n";
        ::PrintTo(text, out);
    }
}

}  // namespace persist

namespace persist::test {

SavedState SampleState() {
    SavedState state;
    state.startNumber = "1,000";
    state.endNumber = "2,000";
    state.filterA = "3";
    state.filterType = "* N   +";
    state.filterB = "1";
    state.separatorCode = 44;
    state.modeOptions = {0, 0, -1, 0, 0, 0, 0, 0};
    state.showPalmenColor = 1;
    state.showEKValue = 0;
    state.binsIndex = 5;
    state.resetCaption = "Clear";
    state.savedFilterA = "7";
    state.savedFilterB = "2";
    state.outputText = " 1,003 is prime\r\n 1,009 is prime\r\n";
    return state;
}

QList<QByteArray> SampleFileLines() {
    return {
        "\"1,000\"",
        "\"2,000\"",
        "\"3\"",
        "\"* N   +\"",
        "\"1\"",
        "44",
        "0",
        "0",
        "-1",
        "0",
        "0",
        "0",
        "0",
        "0",
        "1",
        "0",
        "5",
        "\"Clear\"",
        "\"7\"",
        "\"2\"",
        "\"----------------\"",
        "\" 1,003 is prime\r\n 1,009 is prime\r\n\"",
    };
}

QByteArray SampleFileText() { return JoinLines(SampleFileLines()); }

QByteArray JoinLines(const QList<QByteArray>& lines) {
    QByteArray text;
    for (const QByteArray& line : lines) text += line + "\r\n";
    return text;
}

SavedState FirstItems(const SavedState& full, int count) {
    SavedState kept;
    auto keep = [count](int item, auto& to, const auto& from) {
        if (item <= count) to = from;
    };
    keep(1, kept.startNumber, full.startNumber);
    keep(2, kept.endNumber, full.endNumber);
    keep(3, kept.filterA, full.filterA);
    keep(4, kept.filterType, full.filterType);
    keep(5, kept.filterB, full.filterB);
    keep(6, kept.separatorCode, full.separatorCode);
    for (int i = 0; i < kModeOptionCount; ++i)
        keep(7 + i, kept.modeOptions[i], full.modeOptions[i]);
    keep(15, kept.showPalmenColor, full.showPalmenColor);
    keep(16, kept.showEKValue, full.showEKValue);
    keep(17, kept.binsIndex, full.binsIndex);
    keep(18, kept.resetCaption, full.resetCaption);
    keep(19, kept.savedFilterA, full.savedFilterA);
    keep(20, kept.savedFilterB, full.savedFilterB);
    keep(22, kept.outputText, full.outputText);
    return kept;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

ScopedDataHome::ScopedDataHome(const QString& folder)
    : m_old(qgetenv("XDG_DATA_HOME")), m_wasSet(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
}

ScopedDataHome::~ScopedDataHome() {
    if (m_wasSet) {
        qputenv("XDG_DATA_HOME", m_old);
    } else {
        qunsetenv("XDG_DATA_HOME");
    }
}

}  // namespace persist::test
