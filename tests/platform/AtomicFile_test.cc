#include "platform/common/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "testsupport/TemporaryFolder.h"

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(WriteFileAtomically, CreatesOrWhollyReplacesTheFile) {
    const TemporaryFolder folder;
    const std::string path = folder / "a b.txt";
    const mode_t mask = umask(027);
    EXPECT_TRUE(platform::posix::WriteFileAtomically(path, "first"));
    umask(mask);
    EXPECT_EQ(ReadFile(path), "first");
    EXPECT_EQ(ModeOf(path), 0640u);

    // A longer file leaves no tail behind and keeps its permissions.
    WriteFile(path, std::string(100000, 'x'));
    chmod(path.c_str(), 0600);
    EXPECT_TRUE(platform::posix::WriteFileAtomically(path, "second"));
    EXPECT_EQ(ReadFile(path), "second");
    EXPECT_EQ(ModeOf(path), 0600u);

    // Through a link, the linked file gets the content.
    ASSERT_EQ(symlink(path.c_str(), (folder / "link").c_str()), 0);
    EXPECT_TRUE(platform::posix::WriteFileAtomically(folder / "link", "linked"));
    EXPECT_EQ(ReadFile(path), "linked");
    EXPECT_EQ(ListFolder(folder.Path()), "a b.txt;link;");
}

TEST(WriteFileAtomically, FailsWithoutLeavingOrChangingAnything) {
    const TemporaryFolder folder;
    WriteFile(folder / "file", "kept");
    ASSERT_EQ(mkdir((folder / "folder").c_str(), 0700), 0);
    for (const std::string& path :
         {folder / "missing/out", folder / "file/out", folder / "folder", std::string()}) {
        EXPECT_FALSE(platform::posix::WriteFileAtomically(path, "x")) << path;
    }
    // The superuser may write anyway, so only others see a read-only file refused.
    if (geteuid() != 0) {
        chmod((folder / "file").c_str(), 0444);
        EXPECT_FALSE(platform::posix::WriteFileAtomically(folder / "file", "x"));
    }
    EXPECT_EQ(ListFolder(folder.Path()), "file;folder;");
    EXPECT_EQ(ListFolder(folder / "folder"), "");
    EXPECT_EQ(ReadFile(folder / "file"), "kept");
}

}  // namespace
