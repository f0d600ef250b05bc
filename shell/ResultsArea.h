#pragma once

#include <string_view>

#include "engine/AnalysisJob.h"
#include "results/SummaryLine.h"

// Button states, the input gate, the counts, the expanded window with its rows
// reset to captions, and the summary line. Computes no measure.
// `draft` is the editor's text as ReadDraft gave it. Whether it passed the
// input gate (never when empty).
bool PrepareResultsArea(std::u16string_view editorText, std::u16string_view draft);

// Builds the nine results rows the first time, showing captions only, bars at
// 0 and empty lines. Later calls bring that back only to rows emptied by
// ClearMetricRows; rows showing figures keep them until they are redrawn.
void ResetResultsArea();

// Shows the first row's help icon and every bar, once the rows exist.
void ShowMetricRows();

// Empties every caption and line and hides the first help icon and the bars.
void ClearMetricRows();

// Ends the summary line while the text is read as Markdown.
inline constexpr std::u16string_view kReadAsMarkdownNote = u" · read as Markdown";

// Writes the summary line for the scenario selected in the drop-down.
void WriteSummaryLine(const AnalysisJob& job, int charactersPerPage, SummaryMemory& memory);
