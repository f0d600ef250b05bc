// One suite, two backends: the recording stand-in must behave as the desktop
// does wherever the shell could tell them apart.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/Platform.h"
#include "tests/contract/ContractBackend.h"

namespace {

using platform::ControlKind;
using platform::Event;
using platform::EventKind;
using platform::EventType;

constexpr int kNoSuchControl = 999;

std::vector<Event> DrainEvents() {
    std::vector<Event> events;
    Event event;
    while (platform::PollEvent(event)) {
        events.push_back(event);
    }
    return events;
}

class PlatformContract : public testing::Test {
  protected:
    void SetUp() override { OpenContractWindow(); }
    void TearDown() override {
        CloseContractWindow();
        DrainEvents();
    }
};

TEST_F(PlatformContract, UnknownNumbersDoNothingAndReadAsEmpty) {
    platform::SetControlText(kNoSuchControl, u"text");
    platform::SetControlValue(kNoSuchControl, 3);
    platform::SetControlMaximum(kNoSuchControl, 10);
    platform::SetControlItems(kNoSuchControl, {u"one", u"two"});
    platform::SetControlTooltip(kNoSuchControl, u"tip");
    platform::SetControlAccessibleName(kNoSuchControl, u"name");
    platform::SetControlEnabled(kNoSuchControl, true);
    platform::SetControlVisible(kNoSuchControl, true);
    platform::SetControlFont(kNoSuchControl, platform::FontKind::Summary);
    platform::SetControlImage(kNoSuchControl, platform::ImageKind::Gear);
    platform::SetEditorColours(kNoSuchControl, true);
    platform::FocusControl(kNoSuchControl);
    platform::SetMenuItemChecked(kNoSuchControl, true);

    EXPECT_FALSE(platform::ControlExists(kNoSuchControl));
    EXPECT_EQ(platform::ControlText(kNoSuchControl), u"");
    EXPECT_EQ(platform::ControlValue(kNoSuchControl), 0);
    EXPECT_FALSE(platform::ControlEnabled(kNoSuchControl));
    EXPECT_FALSE(platform::ControlVisible(kNoSuchControl));
    EXPECT_FALSE(platform::MenuItemChecked(kNoSuchControl));
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, BarsHoldTheirValueWithinTheirRange) {
    platform::CreateControl(ControlKind::ProgressBar, 123, {400, 60, 310, 20}, u"");
    platform::SetControlMaximum(123, 20);
    for (const auto& [value, shown] :
         std::vector<std::pair<int, int>>{{20, 20}, {0, 0}, {35, 20}, {-4, 0}, {7, 7}}) {
        platform::SetControlValue(123, value);
        EXPECT_EQ(platform::ControlValue(123), shown) << value;
    }
}

TEST_F(PlatformContract, DropDownsKeepTheirChoiceOnAnIndexOutOfRange) {
    platform::CreateControl(ControlKind::DropDown, 234, {510, 8, 180, 30}, u"");
    platform::SetControlItems(234, {u"General Content", u"Creative Writing"});
    platform::SetControlValue(234, 1);
    EXPECT_EQ(platform::ControlText(234), u"Creative Writing");
    platform::SetControlValue(234, 2);
    platform::SetControlValue(234, -1);
    EXPECT_EQ(platform::ControlValue(234), 1);
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, EnablingShowingAndReplacingAControl) {
    platform::CreateControl(ControlKind::PushButton, 3, {320, 260, 90, 30}, u"Clear");
    EXPECT_TRUE(platform::ControlExists(3));
    EXPECT_TRUE(platform::ControlEnabled(3));
    EXPECT_TRUE(platform::ControlVisible(3));
    platform::SetControlEnabled(3, false);
    platform::SetControlVisible(3, false);
    EXPECT_FALSE(platform::ControlEnabled(3));
    EXPECT_FALSE(platform::ControlVisible(3));

    // The same number makes a new control with the defaults.
    platform::CreateControl(ControlKind::Label, 3, {0, 0, 50, 20}, u"again");
    EXPECT_EQ(platform::ControlText(3), u"again");
    EXPECT_TRUE(platform::ControlEnabled(3));
    EXPECT_TRUE(platform::ControlVisible(3));

    platform::DestroyWindow();
    EXPECT_FALSE(platform::ControlExists(3));
}

TEST_F(PlatformContract, TextsKeepEveryCodeUnitAndSettingThemPostsNothing) {
    const std::u16string unusual =
        u"caf\u00e9 \U0001F600 lone \xD800 high, lone \xDC00 low,\r\na\u00a0b\rc\u2013d\n\u2028 "
        u"\U0001F1FA\U0001F1F8";
    platform::CreateControl(ControlKind::Editor, 1, {10, 40, 700, 190}, unusual);
    EXPECT_EQ(platform::ControlText(1), unusual);
    platform::CreateControl(ControlKind::Label, 232, {10, 236, 700, 25}, u"");
    platform::CreateControl(ControlKind::PushButton, 8, {10, 260, 200, 30}, u"");
    for (const int number : {1, 232, 8}) {
        platform::SetControlText(number, unusual);
        EXPECT_EQ(platform::ControlText(number), unusual) << number;
        platform::SetControlText(number, u"");
        EXPECT_EQ(platform::ControlText(number), u"") << number;
    }
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, NamesAndDescriptionsForScreenReadersLeaveTheTextsAlone) {
    platform::CreateControl(ControlKind::ImageButton, 9, {660, 254, 40, 40}, u"");
    platform::CreateControl(ControlKind::Label, 22, {26, 310, 350, 20}, u"Flesch-Kincaid Ease: ");
    for (const int number : {9, 22}) {
        platform::SetControlAccessibleName(number, u"Settings");
        platform::SetControlTooltip(number, u"One.\n\rTwo.");
    }
    EXPECT_EQ(platform::ControlText(9), u"");
    EXPECT_EQ(platform::ControlText(22), u"Flesch-Kincaid Ease: ");
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, TheEditorsCursorAndMarksCountCodeUnits) {
    platform::CreateControl(ControlKind::Editor, 1, {10, 40, 700, 190}, u"ab\r\ncd\ref");
    for (const std::size_t offset :
         {std::size_t{0}, std::size_t{2}, std::size_t{4}, std::size_t{7}, std::size_t{9}}) {
        platform::SetEditorCursor(1, offset);
        EXPECT_EQ(platform::EditorCursor(1), offset);
    }
    platform::SetEditorCursor(1, 100);  // past the end: at the end
    EXPECT_EQ(platform::EditorCursor(1), 9u);
    platform::SetEditorMarks(1, {{4, 9, platform::MarkLevel::Long, u"tip"}});
    platform::SetEditorMarks(kNoSuchControl, {{0, 1, platform::MarkLevel::VeryLong, u""}});
    EXPECT_EQ(platform::ControlText(1), u"ab\r\ncd\ref");
    EXPECT_EQ(platform::EditorCursor(kNoSuchControl), 0u);
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, ReplacingTheEditorsTextIsOneChangeWithEveryBreakKept) {
    platform::CreateControl(ControlKind::Editor, 1, {10, 40, 700, 190}, u"old text");
    const std::u16string dropped = u"One.\r\nTwo \U0001F600.\rThree.\n";
    platform::ReplaceEditorText(1, dropped, 4009, 4010);
    EXPECT_EQ(platform::ControlText(1), dropped);
    EXPECT_EQ(platform::EditorCursor(1), dropped.size());
    const std::vector<Event> events = DrainEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::Control);
    EXPECT_EQ(events[0].number, 1);
    EXPECT_EQ(events[0].type, EventType::Change);

    platform::ReplaceEditorText(kNoSuchControl, u"nowhere", 4009, 4010);
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, MenuItemsKeepTheirCheckMarks) {
    platform::CreateGearMenu({{1, u"Always on Top"}, {6, u"Quit"}});
    EXPECT_TRUE(platform::GearMenuExists());
    EXPECT_FALSE(platform::MenuItemChecked(1));
    platform::SetMenuItemChecked(1, true);
    EXPECT_TRUE(platform::MenuItemChecked(1));
    EXPECT_FALSE(platform::MenuItemChecked(6));
}

TEST_F(PlatformContract, EventsFromAnotherThreadArriveWholeAndInOrder) {
    constexpr int kEvents = 500;
    std::thread poster([] {
        for (int i = 0; i < kEvents; ++i) {
            platform::PostEvent(
                {EventKind::Control, i, i % 2 ? EventType::Change : EventType::Click});
        }
    });
    // Waits rather than polls, so a post that fails to wake the loop hangs the test.
    for (int i = 0; i < kEvents; ++i) {
        const Event event = platform::WaitForEvent();
        ASSERT_EQ(event.kind, EventKind::Control);
        ASSERT_EQ(event.number, i);
        ASSERT_EQ(event.type, i % 2 ? EventType::Change : EventType::Click);
    }
    poster.join();
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(PlatformContract, ALaterDelayedEventReplacesAPendingOne) {
    platform::PostEventAfter(20, {EventKind::TrailingPass, 0, EventType::Click});
    platform::PostEventAfter(40, {EventKind::TrailingPass, 0, EventType::Change});
    // Another number is another event.
    platform::PostEventAfter(10, {EventKind::TrailingPass, 1});
    LetTimePass(60);
    const Event first = platform::WaitForEvent();
    const Event second = platform::WaitForEvent();
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(second.number, 0);
    EXPECT_EQ(second.type, EventType::Change);
}

}  // namespace
