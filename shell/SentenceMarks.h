#pragma once

#include <string_view>

#include "engine/AnalysisJob.h"

// Marks the editor's long and very long sentences for the scenario and variant
// in force, each with what it costs; removes every mark when highlighting is off.
// `draft` is the editor's text as ReadDraft last gave it; `whole` is the analysis
// of exactly that text (counts, measures, respelt text), which every caller has
// just made.
void MarkSentences(std::u16string_view draft, const AnalysisJob& whole);
void ClearSentenceMarks();

// The gear menu's "Highlight Long Sentences": stored and flushed at once.
void ToggleHighlight();

// F8 and Shift+F8: the cursor to the next or previous mark, round the end.
void OnNextMarkShortcut();
void OnPreviousMarkShortcut();
