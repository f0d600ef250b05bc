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

void OnRecommendationsButton();
// The shortcuts act only while the window exists.
void OnCloseWindowShortcut();
void OnClearShortcut();
void OnRecommendationsShortcut();
