#include "shell/Commands.h"

#include <map>

#include "product/Product.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using CommandsTest = ShellTest;

constexpr std::u16string_view kSample = u"The cat sat on the mat. It was happy there.";

TEST_F(CommandsTest, ClearEmptiesEverythingCollapsesAndSavesTheEmptyText) {
    StartAndOpenWindow();
    TypeAt(10000, kSample);
    ASSERT_EQ(recording::Window().contentHeight, 770);

    ClickAndRun(kClearButton);
    EXPECT_EQ(recording::Window().contentHeight, 320);
    EXPECT_EQ(TextOf(kEditor), u"");
    for (const int number : {kSummaryLine, kFirstMetricValue, kAutomatedIndexValue,
                             kFirstMetricValue + 8, kFirstMetricLabel, kFirstMetricLabel + 8}) {
        EXPECT_EQ(TextOf(number), u"") << number;
    }
    EXPECT_FALSE(recording::Control(kFirstRowHelpIcon)->visible);
    EXPECT_FALSE(recording::Control(kFirstMetricBar + 8)->visible);
    for (const int number : {kRecommendationsButton, kExportButton, kClearButton}) {
        EXPECT_FALSE(recording::Control(number)->enabled) << number;
    }
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"");
    EXPECT_EQ(shell.currentJob.fleschReadingEase, 0.0);

    // The next edit brings the captions back.
    TypeAt(11000, kSample);
    EXPECT_EQ(TextOf(kAutomatedIndexValue).substr(0, 29), u"Automated Readability Index: ");
    EXPECT_TRUE(recording::Control(kFirstMetricBar)->visible);
}

TEST_F(CommandsTest, VariantToggleStoresAndReanalysesOnlyWithText) {
    StartAndOpenWindow();
    ClickAndRun(kVariantButton);
    EXPECT_EQ(TextOf(kVariantButton), u"🇬🇧 English");
    EXPECT_EQ(recording::Control(kVariantButton)->tooltip, u"UK / Commonwealth English");
    EXPECT_EQ(recording::StoredPreference("Locale"), u"1");
    EXPECT_EQ(TextOf(kSummaryLine), u"");

    TypeAt(10000, kSample);
    ClickAndRun(kVariantButton);
    EXPECT_EQ(recording::StoredPreference("Locale"), u"0");
    ExpectRowsShow(Analysed(kSample));

    // A text of letters only UK English reads is still analysed under US English.
    constexpr std::u16string_view kUkLetters = u"Ñéé";
    ClickAndRun(kVariantButton);
    TypeAt(20000, kUkLetters);
    RunTrailingPass();
    ClickAndRun(kVariantButton);
    ExpectRowsShow(Analysed(kUkLetters));
}

TEST_F(CommandsTest, ScenarioRatesFollowTheVariantAtTheChangeOnly) {
    recording::StorePreference("Locale", u"1");
    StartAndOpenWindow();
    recording::SelectItem(kScenarioDropDown, 3);
    RunPendingEvents();
    EXPECT_EQ(TextOf(kSummaryLine), u"");  // nothing to analyse
    ClickAndRun(kVariantButton);
    EXPECT_EQ(shell.rates.readingWordsPerMinute, 140.0);
    EXPECT_EQ(shell.rates.speakingWordsPerMinute, 85.0);

    TypeAt(10000, kSample);
    RunTrailingPass();
    ExpectRowsShow(Analysed(kSample, EnglishVariant::Us, shell.rates));
}

TEST_F(CommandsTest, AboutDisablesTheWindowsCommandsWhileItIsUp) {
    StartAndOpenWindow();
    std::map<int, bool> enabledDuringAlert;
    recording::SetAlertHook([&](const recording::AlertRecord&) {
        for (const int number : {5, 3, 4, 233, 9, 234, 8}) {
            enabledDuringAlert[number] = recording::Control(number)->enabled;
        }
    });
    recording::AnswerNextAlerts({2});
    ChooseAndRun(kAboutItem);
    ASSERT_EQ(recording::Alerts().size(), 1u);
    const auto& alert = recording::Alerts()[0];
    EXPECT_EQ(alert.title, u"Quillory v" + std::u16string(kVersion) + u"\n(x86-64)");
    EXPECT_TRUE(alert.text.starts_with(
        u"\nA text readability analyzer for macOS\nmade with great angst\n\r"));
    EXPECT_EQ(alert.button1 + u"|" + alert.button2, u"See My Other Apps|Ok");
    for (const auto& [number, enabled] : enabledDuringAlert) {
        EXPECT_FALSE(enabled) << number;
    }
    EXPECT_TRUE(recording::OpenedUrls().empty());
    // Afterwards each command is back as the text allows: the editor is empty.
    EXPECT_TRUE(recording::Control(kHelpDocumentButton)->enabled);
    EXPECT_FALSE(recording::Control(kExportButton)->enabled);

    TypeAt(10000, kSample);
    recording::AnswerNextAlerts({1});
    ChooseAndRun(kAboutItem);
    EXPECT_EQ(recording::OpenedUrls(), std::vector<std::string>{"https://velmoor.com/apps"});
    EXPECT_TRUE(recording::Control(kExportButton)->enabled);
}

TEST_F(CommandsTest, ShortcutsActOnlyWhileTheWindowExists) {
    ASSERT_TRUE(StartUp());
    const auto writesBefore = recording::PreferenceLog().size();
    for (const int number : {kClearShortcut, kCloseWindowShortcut, kRecommendationsShortcut}) {
        recording::ChooseMenuItem(number);
    }
    RunPendingEvents();
    EXPECT_EQ(recording::PreferenceLog().size(), writesBefore);
    EXPECT_TRUE(recording::Alerts().empty());

    recording::ClickStatusItem();
    RunPendingEvents();
    TypeAt(10000, kSample);
    EXPECT_TRUE(recording::PressShortcut("Alt+Shift+C"));
    RunPendingEvents();
    EXPECT_EQ(recording::Window().contentHeight, 320);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), u"");

    EXPECT_TRUE(recording::PressShortcut("Ctrl+W"));
    RunPendingEvents();
    EXPECT_FALSE(recording::Window().exists);
    EXPECT_FALSE(recording::PressShortcut("Ctrl+W"));
}

TEST_F(CommandsTest, MenuCommandsLinksAndQuit) {
    StartAndOpenWindow();
    ChooseAndRun(kAlwaysOnTopItem);
    EXPECT_TRUE(recording::Window().floating);
    EXPECT_EQ(recording::StoredPreference("TopWin"), u"1");

    recording::ChooseMenuItem(kDonationItem);
    recording::Click(kHelpDocumentButton);
    recording::Click(kGearButton);
    RunPendingEvents();
    EXPECT_EQ(recording::OpenedUrls(),
              (std::vector<std::string>{"https://www.buymeacoffee.com/velmoor",
                                        "https://velmoor.com/apps/Quillory.pdf"}));
    EXPECT_EQ(recording::GearMenu().timesShown, 1);

    TypeAt(10000, kSample);
    ChooseAndRun(kApplicationQuit);
    EXPECT_TRUE(shell.quitRequested);
    EXPECT_FALSE(recording::Window().exists);
    EXPECT_FALSE(recording::StatusItemExists());
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), kSample);
}

}  // namespace
