#pragma once

#include <string_view>

// `text` is the editor's text as ReadDraft gave it.
// Counts and computes the text into currentJob and draws every row and the
// summary line from it, synchronously and without the lock.
void ShowFullAnalysis(std::u16string_view text);

// After a variant or scenario change: the full pass over the editor's text,
// when it holds any.
void ReanalyseEditorText();
