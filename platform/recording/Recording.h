#pragma once

// The recording desktop: every platform operation acts on plain memory, and
// tests drive it as a user would and read back what the shell did.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace platform::recording {

struct EditorStep {
    std::u16string text;
    int undoNumber = 0;
    int redoNumber = 0;
};

struct ControlState {
    ControlKind kind = ControlKind::Label;
    int number = 0;
    Rect frame;
    std::u16string text;
    int value = 0;
    int maximum = 0;
    std::vector<std::u16string> items;
    std::u16string tooltip;
    std::u16string accessibleName;         // empty: the desktop's own (a button's title)
    std::u16string accessibleDescription;  // the tooltip's text
    bool enabled = true;
    bool visible = true;
    FontKind font = FontKind::System;
    std::optional<ImageKind> image;
    std::optional<bool> blackText;                   // set once the editor's colours are
    std::vector<EditorMark> marks;                   // the editor's
    std::size_t cursor = 0;                          // the editor's, in code units
    std::pair<std::size_t, std::size_t> shownRange;  // the editor's last ShowEditorRange
    // The editor's ReplaceEditorText changes that undo or redo would step over,
    // the latest last, each with the text on its other side.
    std::vector<EditorStep> undoSteps;
    std::vector<EditorStep> redoSteps;
};

struct WindowState {
    bool exists = false;
    Point position;
    int contentWidth = 0;
    int contentHeight = 0;
    std::u16string title;
    bool floating = false;
    int timesBroughtToFront = 0;
    int focusedControl = 0;
    std::map<std::string, int, std::less<>> shortcuts;  // keys to event number
};

struct GearMenuState {
    bool exists = false;
    std::vector<std::pair<int, std::u16string>> items;  // in display order
    std::map<int, bool> checked;
    int timesShown = 0;
};

struct AlertRecord {
    bool isMessage = false;  // ShowMessage rather than ShowAlert
    std::u16string title;
    std::u16string text;
    AlertIcon icon = AlertIcon::Note;
    int defaultButton = 1;
    std::u16string button1;
    std::u16string button2;
    int answer = 1;
};

struct PreferenceOperation {
    bool isSync = false;
    std::string key;  // empty for a sync
    std::u16string value;
    friend bool operator==(const PreferenceOperation&, const PreferenceOperation&) = default;
};

struct DelayedEvent {
    int milliseconds = 0;
    std::int64_t due = 0;
    Event event;
};

struct SavePanelRecord {
    std::u16string title;
    std::u16string proposedName;
    std::u16string filterDescription;
    std::u16string filterPattern;
};

struct LoginItemCall {
    bool install = false;
    std::string entry;  // empty for a removal
};

// A blank desktop: one 1440 x 900 screen, the pointer at (720, 10), a menu bar
// 25 high, locale "en_US", light mode, a tray, no preferences, no window, an
// empty queue, the clock at 0; save panels cancel, the local time is
// 7 March 2025 14:05:09, no files are written, no address answers, the program
// is /usr/bin/quillory and login items (autostart entries) succeed.
void Reset();

// ---- What the shell built ----
const ControlState* Control(int number);  // nullptr when absent
std::vector<ControlState> Controls();     // creation order, unnumbered ones included
const WindowState& Window();
const GearMenuState& GearMenu();
bool StatusItemExists();
bool PlatformShutDown();

// ---- A user's actions: each changes what the desktop would and posts its event ----
void TypeIntoEditor(std::u16string_view text);  // replaces the editor's text
// Steps back or forward over the ReplaceEditorText changes; typing forgets
// those undone.
void UndoInEditor();
void RedoInEditor();
void DropFiles(std::vector<std::string> paths);  // onto the window, at once
void Click(int number);                          // only an enabled control reacts
void SelectItem(int number, int index);
void ChooseMenuItem(int number);
bool PressShortcut(std::string_view keys);  // false when the window has no such shortcut
void ClickStatusItem();
void ChooseStatusMenuQuit();  // "Quit" in the tray icon's menu
void ClickCloseButton();

// ---- Clock and delayed events ----
// Moves the clock and queues the delayed events that have come due.
void SetNow(std::int64_t milliseconds);
std::vector<DelayedEvent> DelayedEvents();

// ---- Alerts ----
// Answers for the coming ShowAlert calls, in order; without one the default button wins.
void AnswerNextAlerts(std::vector<int> answers);
// Called while an alert is up, with the alert about to be answered.
void SetAlertHook(std::function<void(const AlertRecord&)> hook);
const std::vector<AlertRecord>& Alerts();

// ---- Preferences ----
void SetPreferencesExist(bool exist);
// Syncs fail and leave the disk as it was; writes are still read back, and go
// out with the next sync that succeeds.
void SetPreferencesFailing(bool failing);
// A value as an earlier run (or a hand edit) left it; the store then exists.
void StorePreference(std::string key, std::u16string value);
// As the store reads it back, and as the last sync that succeeded left it on the disk.
std::optional<std::u16string> StoredPreference(std::string_view key);
std::optional<std::u16string> SyncedPreference(std::string_view key);
const std::vector<PreferenceOperation>& PreferenceLog();

// ---- Environment ----
void SetScreens(std::vector<Rect> screens);
void SetPointer(Point pointer);
void SetMenuBarHeight(int height);
void SetLocaleIdentifier(std::string identifier);
void SetDarkMode(bool dark);
void SetHasStatusArea(bool hasStatusArea);
const std::vector<std::string>& OpenedUrls();

// ---- Export ----
// What the coming save panels answer; "" cancels.
void AnswerSavePanels(std::string path);
const std::vector<SavePanelRecord>& SavePanels();
void SetLocalNow(std::chrono::local_seconds now);
int SystemSoundsPlayed();
const std::vector<std::string>& RevealedFiles();

// ---- Files ----
// The bytes last written to `path`, or nothing.
std::optional<std::string> WrittenFile(std::string_view path);
// Writes then change nothing and report failure.
void SetFileWritesFailing(bool failing);
// A file or a folder on the disk, for ReadFileBytes; unknown paths are unreadable.
void PutFile(std::string path, std::string bytes);
void PutFolder(std::string path);
// What AcceptDroppedFiles was last given.
const std::vector<std::string>& DroppableSuffixes();

// ---- Network (any thread) ----
// What HttpsGet answers for `url` from now on; nothing makes the transfer fail,
// and so does any address that was never served.
void ServeUrl(std::string url, std::optional<std::string> body);
std::vector<std::string> RequestedUrls();
// While held, HttpsGet waits (until released or cancelled), as over a slow network.
void HoldHttpsGets(bool hold);
// Until at least `count` HttpsGet calls have begun.
void WaitForHttpsGets(std::size_t count);

// ---- Start at login ----
void SetApplicationPath(std::string path);  // "" when the program cannot tell
void SetLoginItemForm(LoginItemForm form);
// Install and remove report failure (they are still logged).
void SetLoginItemsFailing(bool failing);
const std::vector<LoginItemCall>& LoginItemCalls();

}  // namespace platform::recording
