#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "persist/StateMessages.h"
#include "persist/StateTestSupport.h"
#include "persist/StateWriter.h"
#include "support/FileSizeLimit.h"

namespace persist {
namespace {

using test::ReadBytes;
using test::SampleFileText;
using test::SampleState;

StateFileLocation LocationIn(const QTemporaryDir& dir) {
    return {dir.filePath("prmr.usr"), true, {}};
}

// A text of `length` characters made of numbered CR LF lines.
QString OutputOfLength(qsizetype length) {
    QString text;
    for (int line = 1; text.size() < length; ++line) text += QStringLiteral(" %1\r\n").arg(line);
    return text.left(length);
}

TEST(StateFileText, KnownStateGivesTheExactFile) {
    EXPECT_EQ(StateFileText(SampleState()), SampleFileText());
}

TEST(StateFileText, NeutralStateWritesEmptyStringsAndZeros) {
    const QByteArray expected =
        "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-1\r\n"
        "\"\"\r\n\"\"\r\n\"\"\r\n\"----------------\"\r\n\"\"\r\n";
    EXPECT_EQ(StateFileText(SavedState{}), expected);
}

TEST(StateFileText, DoubleQuoteInsideAStringIsWrittenTwice) {
    SavedState state = SampleState();
    state.filterType = "\"";
    state.outputText = "say \"hi\"\r\n\"\"";
    QList<QByteArray> lines = test::SampleFileLines();
    lines[3] = "\"\"\"\"";
    lines[21] = "\"say \"\"hi\"\"\r\n\"\"\"\"\"";  // two quotes doubled, then the closing one
    EXPECT_EQ(StateFileText(state), test::JoinLines(lines));
}

TEST(StateFileText, TextIsWrittenAsUtf8) {
    SavedState state = SampleState();
    state.outputText = QStringLiteral("Größe π 𝔽\r\n");
    QList<QByteArray> lines = test::SampleFileLines();
    lines[21] =
        "\"Gr\xC3\xB6\xC3\x9F"
        "e \xCF\x80 \xF0\x9D\x94\xBD\r\n\"";
    EXPECT_EQ(StateFileText(state), test::JoinLines(lines));
}

TEST(OutputTextToSave, KeepsUpToTheLimitAndCutsOneMore) {
    const QString marker = "\r\n[Output truncated to 60 KB.]\r\n";
    for (qsizetype length : {0, 1, 61439, 61440}) {
        const QString text = OutputOfLength(length);
        EXPECT_EQ(OutputTextToSave(text), text) << length;
    }
    for (qsizetype length : {61441, 61442, 200000}) {
        const QString text = OutputOfLength(length);
        const QString kept = OutputTextToSave(text);
        EXPECT_EQ(kept.size(), 61440 + marker.size()) << length;
        EXPECT_EQ(kept, text.left(61440) + marker) << length;
    }
}

TEST(OutputTextToSave, CountsACrLfAsTwoCharacters) {
    const QString text = QString(61438, 'x') + "\r\n";
    EXPECT_EQ(OutputTextToSave(text), text);
    const QString longer = QString(61439, 'x') + "\r\n";
    EXPECT_EQ(OutputTextToSave(longer),
              QString(61439, 'x') + "\r" + "\r\n[Output truncated to 60 KB.]\r\n");
}

TEST(WriteStateFile, SavingALongOutputTwiceGivesTheSameFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SavedState state = SampleState();
    state.outputText = OutputTextToSave(OutputOfLength(70000));
    ASSERT_TRUE(WriteStateFile(LocationIn(dir), state).ok);
    const QByteArray first = ReadBytes(LocationIn(dir).path);

    // The window now shows the cut text; the next save cuts it again.
    state.outputText = OutputTextToSave(state.outputText);
    ASSERT_TRUE(WriteStateFile(LocationIn(dir), state).ok);
    EXPECT_EQ(ReadBytes(LocationIn(dir).path), first);
    EXPECT_TRUE(first.endsWith("\r\n[Output truncated to 60 KB.]\r\n\"\r\n"));
}

TEST(WriteStateFile, WritesTheFileAndReplacesAnEarlierOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::WriteBytes(LocationIn(dir).path, QByteArray(100000, 'z'));
    const SaveResult result = WriteStateFile(LocationIn(dir), SampleState());
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.error, QString());
    EXPECT_EQ(ReadBytes(LocationIn(dir).path), SampleFileText());
}

TEST(WriteStateFile, TargetThatIsAFolderFailsWithItsMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("prmr.usr"));
    const StateFileLocation location = LocationIn(dir);
    const SaveResult result = WriteStateFile(location, SampleState());
    EXPECT_FALSE(result.ok);
    const std::optional<StateMessage> message = SaveOutcomeMessage(result, true);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "Error when attempting to save state:\r\nCannot open " +
                                 location.path + " for writing: Filename refers to a directory");
    EXPECT_EQ(message->title, "Save state");
    EXPECT_EQ(message->icon, StateMessageIcon::Warning);
}

using testing_support::ScopedFileSizeLimit;

TEST(WriteStateFile, SaveFailingPartWayKeepsTheLastGoodFile) {
    // 8,000 characters stay in the file's buffer until it is flushed; 61,440 do not.
    for (const qsizetype length : {8000, 61440}) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const StateFileLocation location = LocationIn(dir);
        ASSERT_TRUE(WriteStateFile(location, SampleState()).ok);

        SavedState longer = SampleState();
        longer.outputText = OutputOfLength(length);
        SaveResult result;
        {
            ScopedFileSizeLimit limit(4096);
            result = WriteStateFile(location, longer);
        }
        EXPECT_FALSE(result.ok) << length;
        EXPECT_TRUE(SaveErrorText(result.error)
                        .startsWith("Error when attempting to save state:\r\nCannot write " +
                                    location.path + ": "))
            << result.error.toStdString();
        EXPECT_EQ(ReadBytes(location.path), SampleFileText()) << length;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"prmr.usr"});
    }
}

TEST(WriteStateFile, OnlyARegularFileIsReplaced) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const StateFileLocation location = LocationIn(dir);
    ASSERT_EQ(mkfifo(QFile::encodeName(location.path).constData(), 0600), 0);
    const SaveResult result = WriteStateFile(location, SampleState());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, location.path + " is not a regular file.");
    EXPECT_FALSE(QFileInfo(location.path).isFile());  // the FIFO is still there
}

// Saves as a user who may write the file but not its folder: as that user
// in a child process (root writes anywhere, so root saves as "nobody").
TEST(WriteStateFile, AFileInAFolderThatCannotBeWrittenIsWrittenInPlace) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const StateFileLocation location = LocationIn(dir);
    test::WriteBytes(location.path, QByteArray(50000, 'z'));
    const QByteArray folder = QFile::encodeName(dir.path());
    ASSERT_EQ(chmod(QFile::encodeName(location.path).constData(), 0666), 0);
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        if (access(folder.constData(), W_OK) == 0) _exit(4);
        SavedState longer = SampleState();
        longer.outputText = OutputOfLength(61440);
        {
            // Too large to fit: the old file stays whole.
            ScopedFileSizeLimit limit(20000);
            if (WriteStateFile(location, longer).ok) _exit(5);
        }
        if (ReadBytes(location.path) != QByteArray(50000, 'z')) _exit(6);
        _exit(WriteStateFile(location, SampleState()).ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(folder.constData(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(location.path), SampleFileText());
}

TEST(WriteStateFile, FolderThatIsNotReadyIsReportedUnwritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const StateFileLocation location{dir.filePath("prmr.usr"), false, "why not"};
    const SaveResult result = WriteStateFile(location, SampleState());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "why not");
    EXPECT_FALSE(QFile::exists(location.path));
}

}  // namespace
}  // namespace persist
