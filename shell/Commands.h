#pragma once

// The shell's commands, as the event dispatch routes them.

// Empties the job, the editor, the summary and the rows, collapses the window,
// disables the three result buttons and saves the empty text.
void Clear();
void ToggleVariant();
void ChangeScenario();
void ToggleAlwaysOnTop();
void OpenDonationPage();
void OpenHelpDocument();
void ShowGearMenu();
// The gear menu's "Read as Markdown": the text is read again at once.
void ToggleReadAsMarkdown();
// The same for a given reading; nothing happens when it is already in force.
void ReadTextAs(bool markdown);
// The gear menu's "Highlight Long Sentences": stored and flushed at once.
void ToggleHighlight();

void OnRecommendationsButton();
// The shortcuts act only while the window exists.
void OnCloseWindowShortcut();
void OnClearShortcut();
void OnRecommendationsShortcut();
