#include "shell/Draft.h"

#include <string>
#include <utility>

#include "documents/SourceDocument.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

const ProseDocument& ReadDraft(std::u16string_view editorText) {
    shell.draftIsMarkdown = shell.readAsMarkdown;
    if (shell.draftIsMarkdown) {
        shell.draft = ProseOf(editorText, SourceKind::Markdown);
        return shell.draft;
    }
    // Into the last draft's memory: a fresh copy of a long text on every key is not free.
    std::u16string prose = std::move(shell.draft.prose);
    prose.assign(editorText);
    shell.draft = PlainTextProse(std::move(prose));
    return shell.draft;
}

DocumentAnalysis AnalyseDraft(const ProseDocument& draft) {
    return AnalyseDocument(draft, DraftSettings(), {.sentences = shell.highlight, .anyText = true},
                           &shell.analysisMemory);
}

ProseSettings DraftSettings() {
    ProseSettings settings;
    settings.variant = shell.locale;
    settings.scenario = shell.scenario;
    settings.rates = shell.rates;
    return settings;
}

void SetReadAsMarkdown(bool on) {
    shell.readAsMarkdown = on;
    StoreFlag(kReadAsMarkdownKey, on);
    platform::SetMenuItemChecked(kReadAsMarkdownItem, on);
}
