#pragma once

#include <vector>

#include "documents/DocumentAnalysis.h"

// Marks the editor's long and very long sentences of the draft ReadDraft last
// gave, as AnalyseDraft found them, each with what it costs; removes every mark
// when highlighting is off.
void ShowSentenceMarks(const std::vector<ProseSentence>& sentences, const DocumentFigures& figures);
void ClearSentenceMarks();

// F8 and Shift+F8: the cursor to the next or previous mark, round the end.
void OnNextMarkShortcut();
void OnPreviousMarkShortcut();
