#include "shell/MarkdownDraft.h"

#include <string>

#include "documents/MarkdownProse.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/EditorEvents.h"
#include "shell/FullAnalysis.h"
#include "shell/Preferences.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
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

void ToggleReadAsMarkdown() {
    ReadTextAs(!shell.readAsMarkdown);
}

void ReadTextAs(bool markdown) {
    if (markdown == shell.readAsMarkdown) {
        return;
    }
    SetReadAsMarkdown(markdown);
    const std::u16string text = platform::ControlText(kEditor);
    if (text.empty()) {
        return;
    }
    // As after an edit: the rows may come or go with the prose.
    const std::u16string_view draft = ReadDraft(text);
    if (PrepareResultsArea(text, draft)) {
        ShowFullAnalysis(draft);
        return;
    }
    // Nothing of the other reading may stay on show.
    ClearSentenceMarks();
    ClearMetricRows();
    platform::SetControlText(kSummaryLine, u"");
    shell.analysisCurrent = false;
}
