#include "shell/MainWindow.h"

#include <string>
#include <string_view>

#include "engine/Scenario.h"
#include "platform/Platform.h"
#include "product/Product.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/FileDrop.h"
#include "shell/Preferences.h"
#include "shell/ScreenGeometry.h"
#include "shell/ShellState.h"

namespace {

using platform::ControlKind;

constexpr std::u16string_view kInputHelp =
    u"Quillory can analyze text up to 32768 characters in length.\n\rMost of the readability "
    u"analyses require a minimum number of words and sentences and require punctuation "
    u"characters to be triggered. Metrics will dynamically update as you add or remove "
    u"text.\n\rIf you don't see any metrics calculated, try pressing 'return' after pasting in "
    u"text.";

constexpr std::u16string_view kScenarioHelp =
    u"This option allows you to get more specific feedback on your text's readability for a "
    u"particular application.\n\rFor example, writing an article for an academic journal has "
    u"very different readability expectations than if writing a blurb for a LinkedIn post.";

constexpr std::u16string_view kInputCaption = u"Paste or enter in text below:";
constexpr std::u16string_view kScenarioCaption = u"Scenario";

// Tab follows the order of creation, so the controls are made in reading
// order: top to bottom, left to right. Overlapping labels come before the
// controls drawn over them.
void CreateControls() {
    platform::CreateControl(ControlKind::Label, kUnnumbered, {10, 14, 700, 20}, kInputCaption);
    CreateHelpIcon(kInputHelpIcon, {184, 14, 24, 24}, kInputCaption, kInputHelp);
    platform::CreateControl(ControlKind::PushButton, kVariantButton, {210, 12, 100, 25}, u"");
    platform::CreateControl(ControlKind::Label, kUnnumbered, {448, 14, 80, 20}, kScenarioCaption);
    platform::CreateControl(ControlKind::DropDown, kScenarioDropDown, {510, 8, 180, 30}, u"");
    platform::SetControlItems(kScenarioDropDown, {kScenarioNames.begin(), kScenarioNames.end()});
    platform::SetControlValue(kScenarioDropDown, 0);
    shell.scenario = 0;
    platform::SetControlAccessibleName(kScenarioDropDown, kScenarioCaption);
    CreateHelpIcon(kScenarioHelpIcon, {690, 14, 24, 24}, kScenarioCaption, kScenarioHelp);

    platform::CreateControl(ControlKind::Editor, kEditor, {10, 40, 700, 190}, u"");
    platform::SetEditorColours(kEditor, true);
    platform::SetControlAccessibleName(kEditor, kInputCaption);
    platform::CreateControl(ControlKind::CentredLabel, kSummaryLine, {10, 236, 700, 25}, u"");
    platform::SetControlFont(kSummaryLine, platform::FontKind::Summary);

    platform::CreateControl(ControlKind::PushButton, kRecommendationsButton, {10, 254, 260, 40},
                            u"Get Quillory Recommendations");
    platform::CreateControl(ControlKind::PushButton, kClearButton, {320, 260, 90, 30}, u"Clear");
    platform::CreateControl(ControlKind::PushButton, kExportButton, {470, 260, 140, 30},
                            u"Export Results");
    platform::SetControlImage(kRecommendationsButton, platform::ImageKind::Recommendations);
    platform::SetControlImage(kClearButton, platform::ImageKind::Clear);
    platform::SetControlImage(kExportButton, platform::ImageKind::Export);
    platform::SetControlEnabled(kRecommendationsButton, false);
    platform::CreateControl(ControlKind::RoundButton, kHelpDocumentButton, {620, 260, 28, 28},
                            u"?");
    platform::SetControlAccessibleName(kHelpDocumentButton, u"Open the help document");
    platform::CreateControl(ControlKind::ImageButton, kGearButton, {660, 254, 40, 40}, u"");
    platform::SetControlImage(kGearButton, platform::ImageKind::Gear);
    platform::SetControlAccessibleName(kGearButton, u"Settings");
}

}  // namespace

std::u16string WindowTitle() {
    return std::u16string(u"Quillory v") + std::u16string(kVersion);
}

void CreateMainWindow(int left, int top) {
    platform::CreateWindow({left, top}, kWindowWidth, kCollapsedHeight, WindowTitle());
    platform::SetWindowFloating(shell.topWin);
    platform::AddWindowShortcut(kCloseWindowShortcut, "Ctrl+W");
    platform::AddWindowShortcut(kClearShortcut, "Alt+Shift+C");
    platform::AddWindowShortcut(kRecommendationsShortcut, "Alt+Shift+E");
    platform::AddWindowShortcut(kNextMarkShortcut, "F8");
    platform::AddWindowShortcut(kPreviousMarkShortcut, "Shift+F8");
    platform::BringWindowToFront();
    CreateControls();
    platform::FocusControl(kEditor);
    platform::AcceptDroppedFiles({kDroppableSuffixes.begin(), kDroppableSuffixes.end()});
    if (platform::WindowExists()) {
        platform::CreateGearMenu({{kAlwaysOnTopItem, u"Set Window always on top"},
                                  {kAboutItem, u"About"},
                                  {kDonationItem, u"Buy me a Coffee"},
                                  {kStartAtLoginItem, u"Start at Login"},
                                  {kCheckForUpdateItem, u"Check for Update"},
                                  {kHighlightItem, u"Highlight Long Sentences"},
                                  {kReadAsMarkdownItem, u"Read as Markdown"},
                                  {kQuitItem, u"Quit"}});
    }
    const std::u16string savedText = LoadSavedText();
    if (!savedText.empty()) {
        platform::SetControlText(kEditor, savedText);
    }
    platform::SetMenuItemChecked(kAlwaysOnTopItem, shell.topWin);
    platform::SetMenuItemChecked(kStartAtLoginItem, shell.login);
    platform::SetMenuItemChecked(kHighlightItem, shell.highlight);
    platform::SetMenuItemChecked(kReadAsMarkdownItem, shell.readAsMarkdown);
    ShowVariant(shell.locale);
    const bool hasText = !savedText.empty();
    platform::SetControlEnabled(kClearButton, hasText);
    platform::SetControlEnabled(kExportButton, hasText);
}

bool SaveEditorText() {
    // The last change may not have been saved yet (a busy worker defers it).
    return StoreTextIfChanged(platform::ControlText(kEditor));
}

void CloseMainWindow() {
    if (!platform::WindowExists()) {
        return;
    }
    // Said while the text is still on show, which may then be copied elsewhere.
    if (!SaveEditorText()) {
        ShowError(kTextNotSavedMessage);
    }
    DestroyMainWindow();
}

void DestroyMainWindow() {
    shell.analysisCurrent = false;
    platform::SetControlText(kEditor, u"");
    platform::SetControlText(kSummaryLine, u"");
    platform::DestroyWindow();
}

void ToggleMainWindow() {
    if (platform::WindowExists()) {
        CloseMainWindow();
        return;
    }
    const int left = WindowLeftForPointer(platform::PointerPosition(), platform::Screens());
    CreateMainWindow(left, platform::MenuBarHeight());
}

void ShowVariant(EnglishVariant variant) {
    const bool uk = variant == EnglishVariant::Uk;
    std::u16string text(VariantFlag(variant));
    text += u" English";
    platform::SetControlText(kVariantButton, text);
    platform::SetControlTooltip(kVariantButton, uk ? u"UK / Commonwealth English" : u"US English");
    // The flag alone says nothing to a screen reader.
    platform::SetControlAccessibleName(
        kVariantButton, uk ? u"English variant: UK English" : u"English variant: US English");
}

std::u16string_view NameFromCaption(std::u16string_view caption) {
    while (!caption.empty() && (caption.back() == u':' || caption.back() == u' ')) {
        caption.remove_suffix(1);
    }
    return caption;
}

void CreateHelpIcon(int number, platform::Rect frame, std::u16string_view caption,
                    std::u16string_view help) {
    platform::CreateControl(ControlKind::HelpIcon, number, frame, u"");
    platform::SetControlImage(number, platform::ImageKind::Help);
    platform::SetControlTooltip(number, help);
    platform::SetControlAccessibleName(number,
                                       u"Help: " + std::u16string(NameFromCaption(caption)));
}

bool EditorHoldsText() {
    return !platform::ControlText(kEditor).empty();
}

void SetResultButtonsEnabled(bool enabled) {
    platform::SetControlEnabled(kExportButton, enabled);
    platform::SetControlEnabled(kClearButton, enabled);
    platform::SetControlEnabled(kRecommendationsButton, enabled);
}
