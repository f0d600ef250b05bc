#include "shell/StartAtLogin.h"

#include "shell/ControlNumbers.h"
#include "shell/LoginEntry.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using StartAtLoginTest = ShellTest;

TEST_F(StartAtLoginTest, OnOffOnStoresEachTimeAndFailuresAreSilent) {
    StartAndOpenWindow();
    const std::size_t logged = recording::PreferenceLog().size();
    for (const bool on : {true, false, true}) {
        ChooseAndRun(kStartAtLoginItem);
        EXPECT_EQ(platform::MenuItemChecked(kStartAtLoginItem), on);
        EXPECT_EQ(recording::StoredPreference("Login"), on ? u"1" : u"0");
    }
    const auto& calls = recording::LoginItemCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE(calls[0].install && !calls[1].install && calls[2].install);
    EXPECT_EQ(calls[0].entry, AutostartDesktopEntry("/usr/bin/quillory"));
    // Each store is flushed at once.
    ASSERT_EQ(recording::PreferenceLog().size(), logged + 6);
    EXPECT_TRUE(recording::PreferenceLog()[logged + 3].isSync);

    // A failing install still flips the flag; without a program nothing is called.
    recording::SetLoginItemsFailing(true);
    ChooseAndRun(kStartAtLoginItem);
    EXPECT_EQ(recording::StoredPreference("Login"), u"0");
    recording::SetApplicationPath("");
    ChooseAndRun(kStartAtLoginItem);
    EXPECT_EQ(recording::StoredPreference("Login"), u"1");
    EXPECT_EQ(recording::LoginItemCalls().size(), 4u);
    recording::SetApplicationPath("/Applications/Quillory.app");
    recording::SetLoginItemForm(platform::LoginItemForm::LaunchAgent);
    recording::SetLoginItemsFailing(false);
    ChooseAndRun(kStartAtLoginItem);  // off
    ChooseAndRun(kStartAtLoginItem);
    EXPECT_EQ(recording::LoginItemCalls().back().entry,
              LaunchAgentPlist("/Applications/Quillory.app"));
    EXPECT_TRUE(recording::Alerts().empty());
}

}  // namespace
