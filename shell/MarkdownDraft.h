#pragma once

#include <string_view>

#include "engine/SentenceSpans.h"

// The editor's text as the figures read it: as it stands, or, when the window
// reads Markdown, its prose as quillory-cli reads a Markdown file; the length
// limit then holds for the prose, as it does in quillory-cli. The view stays
// valid until the next call.
std::u16string_view ReadDraft(std::u16string_view editorText);

// Where a stretch of the last text ReadDraft gave stands in the editor.
WordsRange EditorRange(WordsRange stretch);

// Stored and shown in the gear menu; the text is read again at its next change.
void SetReadAsMarkdown(bool on);
