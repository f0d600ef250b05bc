#include "shell/MarkdownDraft.h"

#include "documents/MarkdownProse.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

std::u16string_view ReadDraft(std::u16string_view editorText) {
    shell.draftIsMarkdown = shell.readAsMarkdown;
    if (!shell.draftIsMarkdown) {
        return editorText;
    }
    shell.draft = MarkdownProse(EncodeUtf8(editorText), editorText);
    return shell.draft.prose;
}

WordsRange EditorRange(WordsRange stretch) {
    if (!shell.draftIsMarkdown || stretch.start >= stretch.end) {
        return stretch;
    }
    return {SourceOffsetOf(shell.draft, stretch.start), SourceEndOf(shell.draft, stretch.end)};
}

void SetReadAsMarkdown(bool on) {
    shell.readAsMarkdown = on;
    StoreFlag(kReadAsMarkdownKey, on);
    platform::SetMenuItemChecked(kReadAsMarkdownItem, on);
}
