#pragma once

#include <string_view>

#include "platform/Platform.h"

// Every event of the editor: PrepareResultsArea, then for a change the live analysis.
void OnEditorEvent(platform::EventType type);

// Button states, the input gate, the counts, the expanded window with its rows
// reset to captions, and the summary line. Computes no measure.
// `draft` is the editor's text as ReadDraft gave it. Whether it passed the
// input gate (never when empty).
bool PrepareResultsArea(std::u16string_view editorText, std::u16string_view draft);
