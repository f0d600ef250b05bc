#include "shell/StartUp.h"

#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using recording::PreferenceOperation;

using StartUpTest = ShellTest;

TEST_F(StartUpTest, FirstRunWritesTheFourKeysInOrderWithOneSync) {
    recording::SetLocaleIdentifier("en_GB");
    ASSERT_TRUE(StartUp());
    const std::vector<PreferenceOperation> expected = {
        {false, "Login", u"0"},  {false, "Locale", u"1"}, {false, "AnalyzeText", u""},
        {false, "TopWin", u"0"}, {true, "", u""},
    };
    EXPECT_EQ(recording::PreferenceLog(), expected);
    EXPECT_EQ(shell.locale, EnglishVariant::Uk);
    EXPECT_TRUE(recording::StatusItemExists());
    EXPECT_FALSE(recording::Window().exists);
}

TEST(LocaleRule, OnlyTheExactCommonwealthIdentifiersGiveUk) {
    for (const char* uk : {"en_GB", "en_AU", "en_IN", "en_IE", "en_NZ", "en_CA", "en_ZA"}) {
        EXPECT_EQ(VariantForLocale(uk), EnglishVariant::Uk) << uk;
    }
    for (const char* us : {"en_US", "en_SG", "en_US_POSIX", "en-GB", "EN_gb", ""}) {
        EXPECT_EQ(VariantForLocale(us), EnglishVariant::Us) << us;
    }
}

TEST_F(StartUpTest, LaterRunsReadTheStoreAndForeignValuesReadAsZero) {
    recording::StorePreference("TopWin", u"1");
    recording::StorePreference("Locale", u"0");
    recording::StorePreference("Login", u"1");
    recording::SetLocaleIdentifier("en_GB");  // never redetected
    ASSERT_TRUE(StartUp());
    EXPECT_TRUE(shell.topWin);
    EXPECT_EQ(shell.locale, EnglishVariant::Us);
    EXPECT_TRUE(shell.login);
    EXPECT_TRUE(recording::PreferenceLog().empty());

    ResetShellState();
    recording::Reset();
    recording::StorePreference("TopWin", u"7");
    recording::StorePreference("Locale", u"2");
    recording::StorePreference("Login", u"yes");
    recording::StorePreference("AnalyzeText", u"\xD800 lone \U0001F600");
    StartAndOpenWindow();
    EXPECT_FALSE(shell.topWin);
    EXPECT_EQ(shell.locale, EnglishVariant::Us);
    EXPECT_FALSE(shell.login);
    EXPECT_EQ(TextOf(kVariantButton), u"🇺🇸 English");
    EXPECT_EQ(TextOf(kEditor), u"\xD800 lone \U0001F600");
}

TEST_F(StartUpTest, ScreenGateRejectsNarrowerThan1024UnderThePointer) {
    recording::SetScreens({{0, 0, 1024, 768}});
    EXPECT_TRUE(StartUp());

    recording::Reset();
    recording::SetScreens({{0, 0, 1440, 900}, {1440, 0, 1023, 768}});
    recording::SetPointer({1500, 100});
    EXPECT_FALSE(StartUp());
    ASSERT_EQ(recording::Alerts().size(), 1u);
    const auto& alert = recording::Alerts()[0];
    EXPECT_EQ(alert.title, u"Error!");
    EXPECT_EQ(alert.text,
              u"Sorry, the minimum screen resolution must be greater than 1024 pixels wide to run "
              u"this program.\n\rThe program will now quit.\n");
    EXPECT_EQ(alert.icon, platform::AlertIcon::Stop);
    EXPECT_TRUE(recording::PreferenceLog().empty());
    EXPECT_FALSE(recording::StatusItemExists());
}

TEST_F(StartUpTest, WithoutATrayTheWindowOpensAtStartUp) {
    recording::SetHasStatusArea(false);
    ASSERT_TRUE(StartUp());
    EXPECT_TRUE(recording::Window().exists);
}

}  // namespace
