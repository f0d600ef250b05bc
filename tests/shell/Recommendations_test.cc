#include "shell/RecommendationsView.h"

#include <map>

#include "report/Recommendations.h"
#include "shell/ControlNumbers.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using RecommendationsTest = ShellTest;

constexpr std::u16string_view kText =
    u"The cat sat on the mat. It was happy there. The dog did not mind at all.";

TEST_F(RecommendationsTest, TitleReportAndButtonsAroundTheAlert) {
    StartAndOpenWindow();
    recording::SelectItem(kScenarioDropDown, 4);
    RunPendingEvents();
    // Right after typing, before the trailing pass: the report still describes this text.
    TypeAt(10000, u"Short.");
    TypeAt(10050, kText);

    std::map<int, bool> enabledDuringAlert;
    recording::SetAlertHook([&](const recording::AlertRecord&) {
        for (const int number : {kExportButton, kClearButton, kRecommendationsButton}) {
            enabledDuringAlert[number] = recording::Control(number)->enabled;
        }
    });
    ClickAndRun(kRecommendationsButton);
    ASSERT_EQ(recording::Alerts().size(), 1u);
    const auto& alert = recording::Alerts()[0];
    EXPECT_EQ(alert.title, u"Recommendations: Blog Post Scenario \U0001F1FA\U0001F1F8");
    const ReadingRates blogRates = RatesForScenario(4, EnglishVariant::Us);
    EXPECT_EQ(alert.text, BuildRecommendations(Analysed(kText, EnglishVariant::Us, blogRates), 4,
                                               EnglishVariant::Us));
    for (const auto& [number, enabled] : enabledDuringAlert) {
        EXPECT_FALSE(enabled) << number;
    }
    for (const int number : {kExportButton, kClearButton, kRecommendationsButton}) {
        EXPECT_TRUE(recording::Control(number)->enabled) << number;
    }

    // With an empty editor the button only disables itself.
    recording::SetAlertHook({});
    platform::SetControlText(kEditor, u"");
    platform::PostEvent(
        {platform::EventKind::Control, kRecommendationsButton, platform::EventType::Click});
    RunPendingEvents();
    EXPECT_EQ(recording::Alerts().size(), 1u);
    EXPECT_FALSE(recording::Control(kRecommendationsButton)->enabled);

    recording::PressShortcut("Alt+Shift+E");  // the job still holds the text
    RunPendingEvents();
    EXPECT_EQ(recording::Alerts().size(), 2u);
}

}  // namespace
