#pragma once

#include <string>
#include <string_view>

#include "engine/EnglishVariant.h"
#include "platform/Platform.h"

inline constexpr int kWindowWidth = 720;
inline constexpr int kCollapsedHeight = 320;
inline constexpr int kExpandedHeight = 770;

// "Quillory v" and the version.
std::u16string WindowTitle();
// Builds the collapsed window with every control, the shortcuts and the gear
// menu, with the saved text in the editor (without a change event).
void CreateMainWindow(int left, int top);
// Saves the editor's text if the store does not hold it yet, saying so when it
// cannot, then closes the window with everything in it.
void CloseMainWindow();
// Whether the editor's text is on the disk, after saving it if need be.
bool SaveEditorText();
// Closes the window with everything in it, saving nothing.
void DestroyMainWindow();
// The status item's click: opens the window under the pointer, or closes it.
void ToggleMainWindow();

void ShowVariant(EnglishVariant variant);
// A caption without its closing colon, as the name of what it captions.
std::u16string_view NameFromCaption(std::u16string_view caption);
// A help icon showing `help` as its tooltip, named after the caption it explains.
void CreateHelpIcon(int number, platform::Rect frame, std::u16string_view caption,
                    std::u16string_view help);
bool EditorHoldsText();
// Export, Clear and Recommendations, in that order.
void SetResultButtonsEnabled(bool enabled);
