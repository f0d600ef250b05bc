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
    EXPECT_EQ(ReadFileBytes(folder / "a.txt", bytes.size() - 1).status, FileReadStatus::TooLarge);

    WriteFile(folder / "empty.txt", "");
    EXPECT_EQ(ReadFileBytes(folder / "empty.txt", 0).status, FileReadStatus::Read);
}

TEST(ReadFileBytes, AMissingFileIsUnreadableAndAFolderIsNamedSo) {
    const TemporaryFolder folder;
    EXPECT_EQ(ReadFileBytes(folder / "missing.md", 100).status, FileReadStatus::Unreadable);
    EXPECT_EQ(ReadFileBytes(folder.Path(), 100).status, FileReadStatus::Folder);
}

}  // namespace
