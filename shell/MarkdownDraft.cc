#include "shell/MarkdownDraft.h"

#include "documents/SourceDocument.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Preferences.h"
#include "shell/ShellState.h"

const ProseDocument& ReadDraft(std::u16string_view editorText) {
    shell.draftIsMarkdown = shell.readAsMarkdown;
    shell.draft =
        ProseOf(editorText, shell.draftIsMarkdown ? SourceKind::Markdown : SourceKind::Text);
    return shell.draft;
}

DocumentAnalysis AnalyseDraft(const ProseDocument& draft) {
    return AnalyseDocument(draft, DraftSettings(), {.sentences = shell.highlight},
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
