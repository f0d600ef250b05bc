#pragma once

#include "documents/MarkdownProse.h"

// `draft` is the editor's text as ReadDraft gave it. Analyses it into
// currentJob and draws every row, the summary line and the marks from it,
// synchronously and without the lock; a draft without prose only loses its marks.
void ShowFullAnalysis(const ProseDocument& draft);

// After a variant or scenario change: the full pass over the editor's text,
// when it holds any.
void ReanalyseEditorText();
