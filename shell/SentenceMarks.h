#pragma once

#include "documents/DocumentAnalysis.h"

// Marks the editor's long and very long sentences of `analysis`, the analysis of
// the draft ReadDraft last gave, each with what it costs; removes every mark when
// highlighting is off.
void ShowSentenceMarks(const DocumentAnalysis& analysis);
void ClearSentenceMarks();

// F8 and Shift+F8: the cursor to the next or previous mark, round the end.
void OnNextMarkShortcut();
void OnPreviousMarkShortcut();
