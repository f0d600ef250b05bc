#include "shell/SentenceMarks.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "tests/shell/ShellTestSupport.h"
#include "testsupport/SampleText.h"

namespace {

using SentenceMarksTest = ShellTest;

// 4, 16 and 23 words.
const std::u16string kText =
    u"Short one here now. " + SentenceOfWords(16) + u" " + SentenceOfWords(23) + u" ";
const std::size_t kSecond = 20;
const std::size_t kThird = kSecond + SentenceOfWords(16).size() + 1;

TEST_F(SentenceMarksTest, LongSentencesAreMarkedForTheScenarioWithWhatTheyCost) {
    StartAndOpenWindow();
    TypeAt(10000, kText);
    RunTrailingPass();
    // General Content aims at 20 words or fewer.
    EXPECT_EQ(EditorMarks(),
              (std::vector<SeenMark>{{kThird, kText.size() - 1, platform::MarkLevel::Long}}));
    const std::u16string tooltip = recording::Control(kEditor)->marks.at(0).tooltip;
    EXPECT_TRUE(
        tooltip.starts_with(u"23 words \u2014 General Content aims at 20 or fewer \u00B7 grade "))
        << std::string(tooltip.begin(), tooltip.end());
    EXPECT_NE(tooltip.find(u", score "), std::u16string::npos);

    // Technical documents aim at 15: a change of scenario marks again at once.
    recording::SelectItem(kScenarioDropDown, 2);
    RunPendingEvents();
    EXPECT_EQ(EditorMarks(),
              (std::vector<SeenMark>{{kSecond, kThird - 1, platform::MarkLevel::Long},
                                     {kThird, kText.size() - 1, platform::MarkLevel::VeryLong}}));
}

// The live pass takes the complex words from counting while typing; the trailing
// pass counts afresh. Marks and what they cost must not change between them.
TEST_F(SentenceMarksTest, TheLivePassMarksAsTheTrailingPassDoes) {
    StartAndOpenWindow();
    const std::u16string text =
        u"Considerable organisational complexity characterises "
        u"international communication. " +
        SentenceOfWords(23) + u" Extraordinary " + SentenceOfWords(25) + u" ";
    TypeAt(10000, text);
    ASSERT_EQ(shell.live.lastLiveText, text);
    const std::vector<platform::EditorMark> live = recording::Control(kEditor)->marks;
    ASSERT_EQ(live.size(), 2u);
    RunTrailingPass();
    const std::vector<platform::EditorMark> settled = recording::Control(kEditor)->marks;
    ASSERT_EQ(settled.size(), live.size());
    for (std::size_t i = 0; i < live.size(); ++i) {
        EXPECT_EQ(live[i].start, settled[i].start);
        EXPECT_EQ(live[i].end, settled[i].end);
        EXPECT_EQ(live[i].level, settled[i].level);
        EXPECT_EQ(live[i].tooltip, settled[i].tooltip);
    }
}

TEST_F(SentenceMarksTest, AMarkCoversTheWordsAloneNotTheBreaksAroundThem) {
    StartAndOpenWindow();
    const std::u16string sentence = SentenceOfWords(23);
    const std::u16string before = u"Short.\r\n\r\n ";
    TypeAt(10000, before + sentence + u" \r\n\r\nEnd here.");
    RunTrailingPass();
    EXPECT_EQ(EditorMarks(), (std::vector<SeenMark>{{before.size(), before.size() + sentence.size(),
                                                     platform::MarkLevel::Long}}));
}

TEST_F(SentenceMarksTest, F8AndShiftF8GoRoundTheMarks) {
    StartAndOpenWindow();
    recording::SelectItem(kScenarioDropDown, 2);
    TypeAt(10000, kText);
    RunTrailingPass();
    // The cursor goes to a mark's start, and the whole mark is brought into view.
    const auto press = [](std::string_view keys) {
        recording::PressShortcut(keys);
        RunPendingEvents();
        const std::size_t cursor = platform::EditorCursor(kEditor);
        const auto shown = recording::Control(kEditor)->shownRange;
        const std::vector<SeenMark> marks = EditorMarks();
        EXPECT_TRUE(std::any_of(marks.begin(), marks.end(), [&](const SeenMark& mark) {
            return mark.start == cursor && shown == std::pair(mark.start, mark.end);
        }));
        return cursor;
    };
    EXPECT_EQ(press("F8"), kSecond);
    EXPECT_EQ(press("F8"), kThird);
    EXPECT_EQ(press("F8"), kSecond);  // round the end
    EXPECT_EQ(press("Shift+F8"), kThird);
    EXPECT_EQ(press("Shift+F8"), kSecond);
}

TEST_F(SentenceMarksTest, TheMenuItemRemovesAndRestoresTheMarksAndIsStoredAtOnce) {
    StartAndOpenWindow();
    TypeAt(10000, kText);
    RunTrailingPass();
    ASSERT_FALSE(EditorMarks().empty());
    recording::ChooseMenuItem(kHighlightItem);
    RunPendingEvents();
    EXPECT_TRUE(EditorMarks().empty());
    EXPECT_FALSE(platform::MenuItemChecked(kHighlightItem));
    EXPECT_EQ(recording::StoredPreference("Highlight"), u"0");
    EXPECT_TRUE(recording::PreferenceLog().back().isSync);
    // Typing while it is off marks nothing.
    TypeAt(20000, kText + u"More words here.");
    RunTrailingPass();
    EXPECT_TRUE(EditorMarks().empty());
    recording::ChooseMenuItem(kHighlightItem);
    RunPendingEvents();
    EXPECT_EQ(EditorMarks().size(), 1u);
    EXPECT_EQ(recording::StoredPreference("Highlight"), u"1");
}

TEST_F(SentenceMarksTest, AStoredChoiceIsKeptAndClearRemovesTheMarks) {
    recording::StorePreference("Highlight", u"0");
    StartAndOpenWindow();
    EXPECT_FALSE(platform::MenuItemChecked(kHighlightItem));
    TypeAt(10000, kText);
    RunTrailingPass();
    EXPECT_TRUE(EditorMarks().empty());
    recording::ChooseMenuItem(kHighlightItem);
    RunPendingEvents();
    ASSERT_FALSE(EditorMarks().empty());
    recording::Click(kClearButton);
    RunPendingEvents();
    EXPECT_TRUE(EditorMarks().empty());
}

}  // namespace
