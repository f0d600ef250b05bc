#pragma once

#include <string_view>

#include "documents/DocumentAnalysis.h"
#include "documents/MarkdownProse.h"

// The editor's text as the figures read it: as it stands, or, when the window
// reads Markdown, its prose as quillory-cli reads a Markdown file; the length
// limit then holds for the prose, as it does in quillory-cli. The reference
// stays valid until the next call.
const ProseDocument& ReadDraft(std::u16string_view editorText);

// The draft analysed with the window's variant, scenario and rates, counting
// only what changed since the last analysis; its sentences where they are
// marked. Any draft that is not empty is analysed, even one without a
// character the variant reads: a change of variant or scenario analyses
// whatever the editor holds, without the input gate.
DocumentAnalysis AnalyseDraft(const ProseDocument& draft);

// The settings the window analyses with.
ProseSettings DraftSettings();

// Stored and shown in the gear menu; the text is read again at its next change.
void SetReadAsMarkdown(bool on);
