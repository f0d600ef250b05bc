#include "shell/EventDispatch.h"

#include "shell/About.h"
#include "shell/Appearance.h"
#include "shell/Commands.h"
#include "shell/ControlNumbers.h"
#include "shell/EditorEvents.h"
#include "shell/Export.h"
#include "shell/LiveAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/Quit.h"
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
};

struct ControlRoute {
    int number;
    int type;
    void (*handler)();
};

// The editor is not here: it takes every event type (OnEditorEvent).
constexpr ControlRoute kControlRoutes[] = {
    {kClearButton, kClickEvent, Clear},
    {kRecommendationsButton, kClickEvent, OnRecommendationsButton},
    {kExportButton, kClickEvent, ExportResults},
    {kVariantButton, kClickEvent, ToggleVariant},
    {kGearButton, kClickEvent, ShowGearMenu},
    {kHelpDocumentButton, kClickEvent, OpenHelpDocument},
    {kScenarioDropDown, kChangeEvent, ChangeScenario},
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
        case kStatusItemEvent:
            ToggleMainWindow();
            break;
        case kCloseWindowEvent:
            CloseMainWindow();
            break;
        case kAppearanceChangedEvent:
            OnAppearanceChanged();
            break;
        case kNewerVersionEvent:
            ShowNewVersion();
            break;
        case kNoNewerVersionEvent:
            ShowUpToDate();
            break;
        case kTrailingPassEvent:
            CompleteLiveAnalysis();
            break;
        case kMenuEvent:
            DispatchMenuEvent(event);
            break;
        case kControlEvent:
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
