#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "persist/StateFilePath.h"
#include "persist/StateMessages.h"
#include "persist/StateReader.h"
#include "persist/StateTestSupport.h"
#include "persist/StateWriter.h"

namespace persist {
namespace {

TEST(StateFilePath, FolderBeneathTheDataFolderIsCreated) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::ScopedDataHome home(dir.path());
    const QString folder = dir.path() + "/Primorator";
    ASSERT_FALSE(QFileInfo::exists(folder));

    const StateFileLocation location = StateFilePath(kStateFileName, "Primorator");
    EXPECT_EQ(location.path, folder + "/prmr.usr");
    EXPECT_TRUE(location.folderReady);
    EXPECT_EQ(location.error, QString());
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A second call finds the folder there.
    EXPECT_TRUE(StateFilePath(kStateFileName, "Primorator").folderReady);
}

TEST(StateFilePath, DataFolderMissingAltogetherIsCreated) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::ScopedDataHome home(dir.path() + "/share/deeper");
    const StateFileLocation location = StateFilePath("prmr.usr", "Primorator");
    EXPECT_TRUE(location.folderReady);
    EXPECT_TRUE(QFileInfo(dir.path() + "/share/deeper/Primorator").isDir());
}

TEST(StateFilePath, FolderThatCannotBeCreatedFailsSaveAndRestore) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString regularFile = dir.filePath("plain");
    test::WriteBytes(regularFile, "not a folder");
    test::ScopedDataHome home(regularFile);

    const StateFileLocation location = StateFilePath("prmr.usr", "Primorator");
    EXPECT_FALSE(location.folderReady);
    EXPECT_EQ(location.path, regularFile + "/Primorator/prmr.usr");
    const QString description =
        "Cannot create the folder " + regularFile + "/Primorator: Not a directory";
    EXPECT_EQ(location.error, description);

    const std::optional<StateMessage> saved =
        SaveOutcomeMessage(WriteStateFile(location, test::SampleState()), false);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->text, "Error when attempting to save state:\r\n" + description);

    const StateReadResult restored = ReadStateFile(location);
    EXPECT_FALSE(restored.ok);
    EXPECT_EQ(restored.itemsRead, 0);
    EXPECT_EQ(restored.error, description);
}

}  // namespace
}  // namespace persist
