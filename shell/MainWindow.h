#pragma once

#include <string>

#include "engine/EnglishVariant.h"

inline constexpr int kWindowWidth = 720;
inline constexpr int kCollapsedHeight = 320;
inline constexpr int kExpandedHeight = 770;

// "Quillory v" and the version.
std::u16string WindowTitle();
// Builds the collapsed window with every control, the shortcuts and the gear
// menu, with the saved text in the editor (without a change event).
void CreateMainWindow(int left, int top);
// Saves the editor's text if the store does not hold it yet, then closes the
// window with everything in it.
void CloseMainWindow();
// The status item's click: opens the window under the pointer, or closes it.
void ToggleMainWindow();

void ShowVariant(EnglishVariant variant);
bool EditorHoldsText();
// Export, Clear and Recommendations, in that order.
void SetResultButtonsEnabled(bool enabled);
