#include "documents/FileUri.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileUriTest, ReadsTheFormsOfRfc8089) {
    EXPECT_EQ(LocalPathOfFileUri("file:///path/to/file"), "/path/to/file");
    EXPECT_EQ(LocalPathOfFileUri("file://localhost/etc/fstab"), "/etc/fstab");
    EXPECT_EQ(LocalPathOfFileUri("FILE://LocalHost/etc/fstab"), "/etc/fstab");
    EXPECT_EQ(LocalPathOfFileUri("file:/path/to/file"), "/path/to/file");
    EXPECT_EQ(LocalPathOfFileUri("file:///c:/path/to/file.txt"), "c:/path/to/file.txt");
    EXPECT_EQ(LocalPathOfFileUri("file:c:/path/to/file"), "c:/path/to/file");
    EXPECT_EQ(LocalPathOfFileUri("file:///docs/a%20b%25c%C3%A9.md"), "/docs/a b%c\u00E9.md");
    EXPECT_EQ(LocalPathOfFileUri("file:///docs/50%.md"), "/docs/50%.md");
    EXPECT_EQ(LocalPathOfFileUri("file:///docs/a.md#heading"), "/docs/a.md");

    EXPECT_EQ(LocalPathOfFileUri("file://host.example.com/share/a.md"), std::nullopt);
    EXPECT_EQ(LocalPathOfFileUri("untitled:Untitled-1"), std::nullopt);
    EXPECT_EQ(LocalPathOfFileUri("https://example.com/a.md"), std::nullopt);
    EXPECT_EQ(LocalPathOfFileUri("file:relative/a.md"), std::nullopt);
    EXPECT_EQ(LocalPathOfFileUri("file:///docs/a.md%00/b"), std::nullopt);
}

TEST(FileUriTest, EveryPathComesBackAsItWent) {
    EXPECT_EQ(PathAsUriReference("docs/a b.md"), "docs/a%20b.md");
    EXPECT_EQ(PathAsUriReference("c:/x"), "c%3A/x");
    for (const std::string path : {"/docs/a b.md", "/50%/#1?.md", "/caf\u00E9/\u65E5\u672C.md",
                                   "/a+b/c;d=e/[f]@g.md", "/~user/-_./x"}) {
        EXPECT_EQ(LocalPathOfFileUri("file://" + PathAsUriReference(path)), path) << path;
    }
}

}  // namespace
