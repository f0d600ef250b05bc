#pragma once

// The operations the shell needs from the desktop. One backend is linked in:
// Qt for the application, a recording stand-in for the shell's tests.
// Everything here runs on the main thread unless it says otherwise.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/common/FileBytes.h"

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
};

// Desktop coordinates have their origin at the top-left corner of the main
// screen, y growing downwards; control frames are relative to the window's
// content area.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// ---- Session ----------------------------------------------------------------

enum class SessionStart {
    Started,
    // Another instance runs for this user and has been told to toggle its
    // window; this one should exit.
    AnotherInstance,
    // There is no graphical session to show anything in; a line saying so has
    // been written to standard error.
    NoDisplay,
};
SessionStart InitialisePlatform(int& argc, char** argv);
void ShutdownPlatform();

// ---- Events ---------------------------------------------------------------

// The program's events. The numbers are the design's own; the shell chooses
// the control, menu and shortcut numbers and the backends echo them back.
enum class EventKind {
    Menu = 1,                   // number: the gear-menu item or shortcut
    CloseWindow = 2,            // the window's close button
    Control = 3,                // number: the control; type: what happened
    StatusItem = 9,             // a click on the tray icon
    AppearanceChanged = 66436,  // light and dark mode
    NewerVersion = 67636,       // the update check found a new version
    NoNewerVersion = 67637,     // the update check found ours the latest
    TrailingPass = 67638,       // the live analysis's catch-up after typing
    FileDropped = 67639,        // one file dropped on the window: DroppedFilePath
    TypedTextFlush = 67640,     // the typed text's delayed write to disk
};

enum class EventType {
    Click = 0,
    Change = 768,
};

struct Event {
    EventKind kind{};
    int number = 0;
    EventType type = EventType::Click;
};

// Blocks until the next program event arrives.
Event WaitForEvent();

// Takes the next queued event without blocking (after handling pending
// desktop input); false when none is queued.
bool PollEvent(Event& event);

// Queues an event for WaitForEvent. Safe from any thread.
void PostEvent(const Event& event);

// Queues the event once, after the given delay. A later call with the same
// event kind and number replaces a pending one.
void PostEventAfter(int milliseconds, const Event& event);

// Milliseconds on a monotonic clock.
std::int64_t NowMilliseconds();

// ---- Main window ----------------------------------------------------------

bool WindowExists();
// Content area of the given size with its frame's top-left at `topLeft`;
// titled and closable only. Its close button posts CloseWindow.
void CreateWindow(Point topLeft, int contentWidth, int contentHeight, std::u16string_view title);
void DestroyWindow();
// Changes the content height, keeping the window's top edge in place.
void SetWindowContentHeight(int height);
int WindowContentHeight();
// The frame's top-left in desktop coordinates.
Point WindowPosition();
void SetWindowFloating(bool floating);
// Raises the window and makes it the key window, if it is visible.
void BringWindowToFront();
// A key press with exactly these modifiers posts a menu event with `number`.
// `keys` uses Qt's portable text, e.g. "Ctrl+W", "Alt+Shift+C".
void AddWindowShortcut(int number, std::string_view keys);

// ---- Controls -------------------------------------------------------------

enum class ControlKind {
    Label,         // borderless, non-selectable text
    CentredLabel,  // the same, centred
    HelpIcon,      // image with a tooltip
    PushButton,    // a click posts Control, Click
    RoundButton,   // circular push button
    ImageButton,   // square button showing only an image
    Editor,        // plain text, word wrap; a user change posts Control, Change
    DropDown,      // not editable; a user change of selection posts Control, Change
    ProgressBar,   // determinate, range 0 to a maximum
};

enum class FontKind { System, Summary, MetricName };  // system font; 11 pt; 14 pt bold
enum class ImageKind { Gear, Help, Export, Clear, Recommendations };

// Creates a control in the window; number 0 means not addressable. A control
// with the same number is replaced. Every operation below on a number that has
// no control does nothing (and the queries return empty, 0 or false).
void CreateControl(ControlKind kind, int number, Rect frame, std::u16string_view text);
bool ControlExists(int number);
void SetControlText(int number, std::u16string_view text);  // never posts a change event
std::u16string ControlText(int number);
void SetControlValue(int number, int value);  // bar position or drop-down index
int ControlValue(int number);
void SetControlMaximum(int number, int maximum);                                  // bars
void SetControlItems(int number, const std::vector<std::u16string_view>& items);  // drop-down
// Also the plain-text description that assistive technology reads.
void SetControlTooltip(int number, std::u16string_view text);
// The plain-text name that assistive technology reads (a screen reader's label).
void SetControlAccessibleName(int number, std::u16string_view name);
void SetControlEnabled(int number, bool enabled);
bool ControlEnabled(int number);
void SetControlVisible(int number, bool visible);
bool ControlVisible(int number);
void SetControlFont(int number, FontKind font);
void SetControlImage(int number, ImageKind image);  // buttons show it left of the title
void SetEditorColours(int number, bool blackText);  // light yellow background always
void FocusControl(int number);

// ---- Editor marks and cursor -------------------------------------------------

enum class MarkLevel {
    Long,      // a light background
    VeryLong,  // a stronger, darker one, underlined, so colour is not all that tells
};
struct EditorMark {
    std::size_t start = 0;  // code units of the editor's text, as ControlText gives it
    std::size_t end = 0;    // exclusive
    MarkLevel level = MarkLevel::Long;
    std::u16string tooltip;  // plain text, shown while the pointer rests on the mark
};
// Replaces the editor's marks. Marks never change the text, the cursor, the
// selection, the undo history or the scroll position; until replaced they
// move with the text as it is edited.
void SetEditorMarks(int number, const std::vector<EditorMark>& marks);
// The cursor's place in the editor's text, in code units.
std::size_t EditorCursor(int number);
// Puts the cursor there, without a selection, and scrolls it into view.
void SetEditorCursor(int number, std::size_t offset);
// Scrolls as little as it takes to show the text from `start` to `end` whole
// when it fits in the editor, and its start otherwise; the cursor stays.
void ShowEditorRange(int number, std::size_t start, std::size_t end);
// Replaces the editor's whole text as one change the user can undo, as a
// paste over everything would; posts Control, Change. Undoing that change
// posts Menu with `undoNumber`, redoing it Menu with `redoNumber`, each before
// the change's own Control, Change.
void ReplaceEditorText(int number, std::u16string_view text, int undoNumber, int redoNumber);

// ---- Gear menu ------------------------------------------------------------

struct MenuItem {
    int number;
    std::u16string_view title;
};
// Separators stand between neighbours; choosing an item posts Menu with its number.
void CreateGearMenu(const std::vector<MenuItem>& items);
bool GearMenuExists();
void SetMenuItemChecked(int number, bool checked);
bool MenuItemChecked(int number);
void ShowGearMenuAtPointer();

// ---- Status item (tray icon) -----------------------------------------------

// False where the desktop offers no tray; the shell then opens the window itself.
bool HasStatusArea();
// A click posts StatusItem; its menu's "Quit" posts Menu with `quitNumber`.
void CreateStatusItem(int quitNumber);
void RemoveStatusItem();

// ---- Alerts ----------------------------------------------------------------

enum class AlertIcon { Note, Stop };

// Modal; one button; the previously active window is active again afterwards.
void ShowMessage(std::u16string_view title, std::u16string_view text, AlertIcon icon);
// Modal; returns 1 for button1, 2 for button2. An empty button2 shows only button1.
int ShowAlert(std::u16string_view title, std::u16string_view text, AlertIcon icon,
              int defaultButton, std::u16string_view button1, std::u16string_view button2);

// ---- Preferences -----------------------------------------------------------

// Whether the preferences store exists yet (anything at its path counts).
bool PreferencesExist();
// A missing or non-numeric value reads as 0.
std::int64_t ReadPreferenceInteger(std::string_view key);
std::u16string ReadPreferenceString(std::string_view key);
// Writes are read back at once but reach the disk only with SyncPreferences.
void WritePreferenceInteger(std::string_view key, std::int64_t value);
void WritePreferenceString(std::string_view key, std::u16string_view value);
// Writes the store out whole, never half. False when it could not: every write
// since the last sync that succeeded is still read back, and goes out with the
// next sync that succeeds.
bool SyncPreferences();

// ---- Environment -----------------------------------------------------------

std::string LocaleIdentifier();  // e.g. "en_US"
std::vector<Rect> Screens();     // desktop coordinates, main screen first
Point PointerPosition();         // desktop coordinates
int MenuBarHeight();             // top inset of the pointer's screen
bool IsDarkMode();
std::u16string ProcessorFamily();  // e.g. "x86-64"
// A string that does not form a URL opens nothing.
void OpenUrl(std::string_view url);

// ---- Export ----------------------------------------------------------------

// Modal save panel over the window, offering one file filter (e.g. "Text Files",
// "*.txt") but enforcing none; the window that was key is key again afterwards.
// The chosen path in UTF-8, or "" when the user cancels.
std::string ShowSavePanel(std::u16string_view title, std::u16string_view proposedName,
                          std::u16string_view filterDescription, std::u16string_view filterPattern);
std::chrono::local_seconds LocalNow();
void PlaySystemSound();
// Shows the file selected in the file manager without waiting; failures are silent.
void RevealFile(std::string_view path);

// ---- Files ------------------------------------------------------------------

// Replaces the file at `path` (UTF-8) with `bytes`, or leaves it as it was: never
// a half-written file. A replaced file keeps its permission bits. False when
// the folder cannot take the file or the target is not a regular file that may
// be written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads at most maxBytes + 1 bytes, so a larger file is refused unread.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes);
// The window takes every local file dragged onto it from another program,
// whatever its name, and a file URL dropped as text. A path dropped as text is
// taken only when it names a file whose name ends in one of these; otherwise it
// is text, left to the editor as any drag is.
void AcceptDroppedFiles(const std::vector<std::string_view>& suffixes);
// The paths (UTF-8) of the files that the last FileDropped event was posted for.
std::vector<std::string> DroppedFilePaths();

// ---- Network ------------------------------------------------------------------

// One HTTPS GET that follows redirects over HTTPS only and gives up on a server
// that stalls or trickles. The body of any completed response, whatever its
// status; nothing when the transfer fails or the body is over 1 MiB. Blocks;
// safe from any thread.
std::optional<std::string> HttpsGet(const std::string& url);
// Ends every HttpsGet running, and every one to come, with nothing, within a
// tenth of a second: for quitting. Safe from any thread.
void CancelHttpsGets();

// ---- Start at login --------------------------------------------------------

// The running program's absolute path, or "" when it cannot be told.
std::string ApplicationPath();
// The form of the per-user entry that starts a program at login here.
enum class LoginItemForm {
    AutostartEntry,  // an XDG autostart desktop entry
    LaunchAgent,     // a macOS launch agent property list
};
LoginItemForm LoginItemFormHere();
// Writes (or replaces) the entry with the given content, or removes it; false
// when that failed.
bool InstallLoginItem(std::string_view entry);
bool RemoveLoginItem();

// ---- Threads ---------------------------------------------------------------

// Runs `body` on a new detached thread with the given stack size; false when
// the thread cannot be started.
bool StartDetachedThread(std::function<void()> body, std::size_t stackBytes);

}  // namespace platform
