#pragma once

#include <string_view>

// Every event of the editor: PrepareResultsArea, then for a change the live analysis.
void OnEditorEvent(int type);

// Button states, the input gate, the counts, the expanded window with its rows
// reset to captions, and the summary line. Computes no measure.
void PrepareResultsArea(std::u16string_view text);
