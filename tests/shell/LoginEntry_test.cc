#include "shell/LoginEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(LoginEntry, LaunchAgentFollowsTheTemplate) {
    const std::string plist = LaunchAgentPlist("/Applications/Quillory.app");
    EXPECT_TRUE(
        plist.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist "
                          "PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "));
    EXPECT_NE(plist.find("\t<string>com.velmoor.Quillory</string>\n"), std::string::npos);
    EXPECT_NE(plist.find("\t\t<string>/usr/bin/open</string>\n"
                         "\t\t<string>/Applications/Quillory.app</string>\n"),
              std::string::npos);
    EXPECT_TRUE(plist.ends_with("\t<string>Aqua</string></dict>\n</plist>"));
}

TEST(LoginEntry, LaunchAgentEscapesThePath) {
    const std::string plist = LaunchAgentPlist("/Users/a & b/<Q>\"'.app");
    EXPECT_NE(plist.find("<string>/Users/a &amp; b/&lt;Q&gt;&quot;&apos;.app</string>"),
              std::string::npos);
}

TEST(LoginEntry, DesktopEntryQuotesTheExecutable) {
    EXPECT_NE(AutostartDesktopEntry("/usr/bin/quillory").find("\nExec=\"/usr/bin/quillory\"\n"),
              std::string::npos);
    const std::string entry = AutostartDesktopEntry("/home/a b/R&D/\"q\"$`x`\\100%/quillory");
    EXPECT_NE(entry.find("\nExec=\"/home/a b/R&D/\\\\\"q\\\\\"\\\\$\\\\`x\\\\`\\\\\\\\100%%/"
                         "quillory\"\n"),
              std::string::npos)
        << entry;
    EXPECT_TRUE(entry.starts_with("[Desktop Entry]\nType=Application\n"));
}

}  // namespace
