#pragma once

// Every control, gear-menu item, shortcut and program event is addressed by
// its number; the numbers are fixed by the window's design. The kinds of
// event are the platform's (platform::EventKind).

// ---- Controls ----
inline constexpr int kUnnumbered = 0;
inline constexpr int kEditor = 1;
inline constexpr int kClearButton = 3;
inline constexpr int kRecommendationsButton = 4;
inline constexpr int kExportButton = 5;
inline constexpr int kVariantButton = 8;
inline constexpr int kGearButton = 9;
inline constexpr int kInputHelpIcon = 10;
inline constexpr int kScenarioHelpIcon = 11;
// The metric rows: each kind of control numbered on from its first, in the
// order of kMetricRows, except the help icons, which follow the rows' places.
inline constexpr int kFirstRowHelpIcon = 12;
inline constexpr int kFirstMetricValue = 22;
inline constexpr int kFirstMetricBar = 122;
inline constexpr int kFirstMetricLabel = 222;
inline constexpr int kAutomatedIndexValue =
    kFirstMetricValue + 3;  // exists exactly when the rows do
inline constexpr int kSummaryLine = 232;
inline constexpr int kHelpDocumentButton = 233;
inline constexpr int kScenarioDropDown = 234;

// ---- Gear-menu items and shortcuts (menu events) ----
inline constexpr int kAlwaysOnTopItem = 1;
inline constexpr int kAboutItem = 2;
inline constexpr int kDonationItem = 3;
inline constexpr int kCheckForUpdateItem = 4;
inline constexpr int kStartAtLoginItem = 5;
inline constexpr int kQuitItem = 6;
inline constexpr int kHighlightItem = 7;
inline constexpr int kReadAsMarkdownItem = 8;
inline constexpr int kApplicationQuit = -4;
inline constexpr int kCloseWindowShortcut = 4004;
inline constexpr int kClearShortcut = 4005;
inline constexpr int kRecommendationsShortcut = 4006;
inline constexpr int kNextMarkShortcut = 4007;
inline constexpr int kPreviousMarkShortcut = 4008;
// Undo and redo over a dropped file's text bring back the reading that went with it.
inline constexpr int kReadAsPlainTextCommand = 4009;
inline constexpr int kReadAsMarkdownCommand = 4010;
