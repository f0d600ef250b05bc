#include "shell/MainWindow.h"

#include "product/Product.h"
#include "shell/ControlNumbers.h"
#include "shell/ScreenGeometry.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using platform::ControlKind;
using platform::Rect;

using MainWindowTest = ShellTest;

bool SameFrame(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST_F(MainWindowTest, ControlsByNumberWithTheSavedTextAndNoChangeEvent) {
    recording::StorePreference("AnalyzeText", u"Saved words.");
    StartAndOpenWindow();

    const auto& window = recording::Window();
    EXPECT_EQ(window.title, u"Quillory v" + std::u16string(kVersion));
    EXPECT_EQ(window.contentWidth, 720);
    EXPECT_EQ(window.contentHeight, 320);
    EXPECT_EQ(window.focusedControl, kEditor);
    EXPECT_EQ(window.shortcuts.at("Alt+Shift+E"), 4006);

    struct Expected {
        int number;
        ControlKind kind;
        Rect frame;
        std::u16string_view text;
    };
    for (const Expected& e : {
             Expected{kVariantButton, ControlKind::PushButton, {210, 12, 100, 25}, u"🇺🇸 English"},
             Expected{kEditor, ControlKind::Editor, {10, 40, 700, 190}, u"Saved words."},
             Expected{kSummaryLine, ControlKind::CentredLabel, {10, 236, 700, 25}, u""},
             Expected{kRecommendationsButton,
                      ControlKind::PushButton,
                      {10, 254, 260, 40},
                      u"Get Quillory Recommendations"},
             Expected{kClearButton, ControlKind::PushButton, {320, 260, 90, 30}, u"Clear"},
             Expected{
                 kExportButton, ControlKind::PushButton, {470, 260, 140, 30}, u"Export Results"},
             Expected{kScenarioDropDown, ControlKind::DropDown, {510, 8, 180, 30}, u""},
             Expected{kGearButton, ControlKind::ImageButton, {660, 254, 40, 40}, u""},
         }) {
        const auto* control = recording::Control(e.number);
        ASSERT_NE(control, nullptr) << e.number;
        EXPECT_EQ(control->kind, e.kind) << e.number;
        EXPECT_TRUE(SameFrame(control->frame, e.frame)) << e.number;
        EXPECT_EQ(control->text, e.text) << e.number;
    }
    EXPECT_EQ(recording::Controls().front().text, u"Paste or enter in text below:");
    EXPECT_EQ(recording::Control(kScenarioDropDown)->items.at(3), u"Academic Paper");
    EXPECT_EQ(recording::Control(kEditor)->blackText, true);

    // Recommendations waits for the first edit; Clear and Export follow the text.
    EXPECT_FALSE(recording::Control(kRecommendationsButton)->enabled);
    EXPECT_TRUE(recording::Control(kClearButton)->enabled);
    EXPECT_TRUE(recording::Control(kExportButton)->enabled);
    platform::Event event;
    EXPECT_FALSE(platform::PollEvent(event));

    std::vector<int> menuOrder;
    for (const auto& [number, title] : recording::GearMenu().items) {
        menuOrder.push_back(number);
    }
    EXPECT_EQ(menuOrder, (std::vector<int>{kAlwaysOnTopItem, kAboutItem, kDonationItem,
                                           kStartAtLoginItem, kCheckForUpdateItem, kHighlightItem,
                                           kReadAsMarkdownItem, kQuitItem}));
    EXPECT_EQ(recording::GearMenu().items[5].second, u"Highlight Long Sentences");
    EXPECT_TRUE(platform::MenuItemChecked(kHighlightItem));  // on by default
}

TEST_F(MainWindowTest, EmptyTextFlagsAndDarkMode) {
    recording::StorePreference("TopWin", u"1");
    recording::StorePreference("Locale", u"1");
    recording::SetDarkMode(true);
    StartAndOpenWindow();
    EXPECT_FALSE(recording::Control(kClearButton)->enabled);
    EXPECT_FALSE(recording::Control(kExportButton)->enabled);
    EXPECT_TRUE(recording::Window().floating);
    EXPECT_TRUE(recording::GearMenu().checked.at(kAlwaysOnTopItem));
    EXPECT_FALSE(recording::GearMenu().checked.at(kStartAtLoginItem));
    EXPECT_EQ(recording::Control(kVariantButton)->tooltip, u"UK / Commonwealth English");
    EXPECT_EQ(recording::Control(kEditor)->blackText, true);
}

std::u16string NameOf(int number) {
    const auto* control = recording::Control(number);
    return control ? control->accessibleName : u"<absent>";
}

TEST_F(MainWindowTest, ControlsWithoutATellingTitleAreNamedForScreenReaders) {
    StartAndOpenWindow();
    EXPECT_EQ(NameOf(kEditor), u"Paste or enter in text below:");
    EXPECT_EQ(NameOf(kInputHelpIcon), u"Help: Paste or enter in text below");
    EXPECT_EQ(NameOf(kScenarioHelpIcon), u"Help: Scenario");
    EXPECT_EQ(NameOf(kScenarioDropDown), u"Scenario");
    EXPECT_EQ(NameOf(kGearButton), u"Settings");
    EXPECT_EQ(NameOf(kHelpDocumentButton), u"Open the help document");
    EXPECT_EQ(NameOf(kVariantButton), u"English variant: US English");
    EXPECT_EQ(recording::Control(kScenarioHelpIcon)->accessibleDescription,
              recording::Control(kScenarioHelpIcon)->tooltip);

    ClickAndRun(kVariantButton);
    EXPECT_EQ(NameOf(kVariantButton), u"English variant: UK English");

    // The rows' help icons take their captions; the bars' names follow the values (ExpectRowsShow).
    TypeAt(10000, u"Hello world.");
    EXPECT_EQ(NameOf(kFirstRowHelpIcon), u"Help: Flesch-Kincaid Ease");
    EXPECT_EQ(NameOf(18), u"Help: Gunning Fog Index");
}

TEST_F(MainWindowTest, OpensCentredUnderThePointerInsideItsScreen) {
    recording::SetPointer({100, 5});
    StartAndOpenWindow();
    EXPECT_EQ(recording::Window().position.x, 0);
    EXPECT_EQ(recording::Window().position.y, 25);

    recording::ClickStatusItem();
    RunPendingEvents();
    EXPECT_FALSE(recording::Window().exists);

    recording::SetPointer({1340, 5});
    recording::ClickStatusItem();
    RunPendingEvents();
    EXPECT_EQ(recording::Window().position.x, 720);

    const std::vector<Rect> screens = {{0, 0, 1440, 900}, {-1280, 0, 1280, 1024}};
    EXPECT_EQ(WindowLeftForPointer({-1200, 5}, screens), -1280);
    EXPECT_EQ(WindowLeftForPointer({-600, 5}, screens), -960);
    // A pointer off every screen opens on the main one, not beyond the desktop.
    EXPECT_EQ(WindowLeftForPointer({5000, 5000}, screens), 720);
    EXPECT_EQ(WindowLeftForPointer({100, 5}, {}), 0);
}

}  // namespace
