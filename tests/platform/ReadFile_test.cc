#include "platform/common/ReadFile.h"

#include <gtest/gtest.h>

#include <string>

#include "testsupport/TemporaryFolder.h"

namespace {

using platform::FileReadStatus;
using platform::posix::ReadFileBytes;

TEST(ReadFileBytes, ReadsAWholeFileUpToTheLimitAndRefusesMore) {
    const TemporaryFolder folder;
    const std::string bytes(200000, 'x');  // more than one buffer
    WriteFile(folder / "a.txt", bytes);
    const platform::FileBytes read = ReadFileBytes(folder / "a.txt", bytes.size());
    EXPECT_EQ(read.status, FileReadStatus::Read);
    EXPECT_EQ(read.bytes, bytes);
    const platform::FileBytes over = ReadFileBytes(folder / "a.txt", bytes.size() - 1);
    EXPECT_EQ(over.status, FileReadStatus::TooLarge);
    EXPECT_TRUE(over.bytes.empty());
    EXPECT_EQ(over.error, folder / "a.txt" + ": too large");

    WriteFile(folder / "empty.txt", "");
    EXPECT_EQ(ReadFileBytes(folder / "empty.txt", 0).status, FileReadStatus::Read);
}

TEST(ReadFileBytes, AnEndlessInputEndsAtTheLimit) {
    EXPECT_EQ(ReadFileBytes("/dev/zero", 1000).status, FileReadStatus::TooLarge);
}

TEST(ReadFileBytes, AMissingFileIsUnreadableAndAFolderIsNamedSoBothByPath) {
    const TemporaryFolder folder;
    const platform::FileBytes missing = ReadFileBytes(folder / "missing.md", 100);
    EXPECT_EQ(missing.status, FileReadStatus::Unreadable);
    EXPECT_EQ(missing.error,
              "cannot open '" + folder / "missing.md" + "': No such file or directory");
    const platform::FileBytes folderRead = ReadFileBytes(folder.Path(), 100);
    EXPECT_EQ(folderRead.status, FileReadStatus::Folder);
    EXPECT_EQ(folderRead.error, "cannot read '" + folder.Path() + "': Is a directory");
}

}  // namespace
