#include "shell/EventDispatch.h"

#include "shell/About.h"
#include "shell/Appearance.h"
#include "shell/Commands.h"
#include "shell/ControlNumbers.h"
#include "shell/EditorEvents.h"
#include "shell/Export.h"
#include "shell/FileDrop.h"
#include "shell/LiveAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"
#include "shell/Quit.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"
#include "shell/StartAtLogin.h"
#include "shell/UpdateCheck.h"

namespace {

struct MenuRoute {
    int number;
    void (*handler)();
};

constexpr MenuRoute kMenuRoutes[] = {
    {kAlwaysOnTopItem, ToggleAlwaysOnTop},
    {kAboutItem, ShowAbout},
    {kDonationItem, OpenDonationPage},
    {kCheckForUpdateItem, CheckForUpdate},
    {kStartAtLoginItem, ToggleStartAtLogin},
    {kQuitItem, Quit},
    {kApplicationQuit, Quit},
    {kCloseWindowShortcut, OnCloseWindowShortcut},
    {kClearShortcut, OnClearShortcut},
    {kRecommendationsShortcut, OnRecommendationsShortcut},
    {kHighlightItem, ToggleHighlight},
    {kReadAsMarkdownItem, ToggleReadAsMarkdown},
    {kNextMarkShortcut, OnNextMarkShortcut},
    {kPreviousMarkShortcut, OnPreviousMarkShortcut},
    {kReadAsPlainTextCommand, [] { ReadTextAs(false); }},
    {kReadAsMarkdownCommand, [] { ReadTextAs(true); }},
};

struct ControlRoute {
    int number;
    platform::EventType type;
    void (*handler)();
};

// The editor is not here: it takes every event type (OnEditorEvent).
constexpr ControlRoute kControlRoutes[] = {
    {kClearButton, platform::EventType::Click, Clear},
    {kRecommendationsButton, platform::EventType::Click, OnRecommendationsButton},
    {kExportButton, platform::EventType::Click, ExportResults},
    {kVariantButton, platform::EventType::Click, ToggleVariant},
    {kGearButton, platform::EventType::Click, ShowGearMenu},
    {kHelpDocumentButton, platform::EventType::Click, OpenHelpDocument},
    {kScenarioDropDown, platform::EventType::Change, ChangeScenario},
};

void DispatchMenuEvent(const platform::Event& event) {
    for (const MenuRoute& route : kMenuRoutes) {
        if (route.number == event.number) {
            route.handler();
            return;
        }
    }
}

void DispatchControlEvent(const platform::Event& event) {
    if (event.number == kEditor) {
        OnEditorEvent(event.type);
        return;
    }
    for (const ControlRoute& route : kControlRoutes) {
        if (route.number == event.number && route.type == event.type) {
            route.handler();
            return;
        }
    }
}

}  // namespace

void DispatchEvent(const platform::Event& event) {
    switch (event.kind) {
        case platform::EventKind::StatusItem:
            ToggleMainWindow();
            break;
        case platform::EventKind::CloseWindow:
            CloseMainWindow();
            break;
        case platform::EventKind::AppearanceChanged:
            OnAppearanceChanged();
            break;
        case platform::EventKind::NewerVersion:
            ShowNewVersion();
            break;
        case platform::EventKind::NoNewerVersion:
            ShowUpToDate();
            break;
        case platform::EventKind::TrailingPass:
            CompleteLiveAnalysis();
            break;
        case platform::EventKind::FileDropped:
            OnFileDropped();
            break;
        case platform::EventKind::TypedTextFlush:
            FlushTypedTextWhenDue();
            break;
        case platform::EventKind::Menu:
            DispatchMenuEvent(event);
            break;
        case platform::EventKind::Control:
            DispatchControlEvent(event);
            break;
        default:
            break;
    }
}

void RunEventLoop() {
    while (!shell.quitRequested) {
        DispatchEvent(platform::WaitForEvent());
    }
}
