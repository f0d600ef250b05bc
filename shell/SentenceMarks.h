#pragma once

#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/TextStatistics.h"

// Marks the editor's long and very long sentences for the scenario and variant
// in force, each with what it costs; removes every mark when highlighting is off.
// `draft` is the editor's text as ReadDraft last gave it; `whole` is the analysis
// of exactly that text (counts, measures, respelt text), which every caller has
// just made.
void MarkSentences(std::u16string_view draft, const AnalysisJob& whole);
// The same, given the complex and long words of `whole`'s text, as counting it
// while typing gives them.
void MarkSentencesCounted(std::u16string_view draft, const AnalysisJob& whole,
                          const AsciiWordCounts& ascii);
void ClearSentenceMarks();

// The gear menu's "Highlight Long Sentences": stored and flushed at once.
void ToggleHighlight();

// F8 and Shift+F8: the cursor to the next or previous mark, round the end.
void OnNextMarkShortcut();
void OnPreviousMarkShortcut();
