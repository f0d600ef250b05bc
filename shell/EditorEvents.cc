#include "shell/EditorEvents.h"

#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "shell/AnalysisWorker.h"
#include "shell/Commands.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
#include "shell/LiveAnalysis.h"
#include "shell/Preferences.h"
#include "shell/RedrawRows.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"

namespace {

constexpr std::int64_t kEditorPassThrottle = 120;  // milliseconds

// The editor-change handler, after PrepareResultsArea has put the text through
// the input gate: the worker start, the throttled live pass, the full redraw
// when no worker is busy, the save and the trailing pass's schedule.
void OnEditorChange(std::u16string_view editorText, const ProseDocument& draft, bool passesGate) {
    shell.currentJob.text = draft.prose;
    if (!passesGate) {
        ClearSentenceMarks();
        if (editorText.empty()) {
            Clear();
        }
        return;
    }
    ShowMetricRows();
    StartAnalysisWorker(draft.prose);

    bool computed = false;
    const std::int64_t now = platform::NowMilliseconds();
    if (now - shell.live.lastEditorPassTime >= kEditorPassThrottle) {
        shell.live.lastEditorPassTime = now;
        computed = LivePass(draft);
    }
    if (!WorkerBusy()) {
        ShowMetrics(shell.currentJob, shell.locale, shell.lastDrawnValues);
    }
    shell.analysisCurrent = computed;
    // The editor's own words: the job's text has been respelt and trimmed.
    StoreTypedText(editorText);
    platform::SetControlEnabled(kClearButton, true);
    platform::PostEventAfter(static_cast<int>(LiveInterval(draft.prose.size())),
                             {platform::EventKind::TrailingPass, kUnnumbered});
}

}  // namespace

void OnEditorEvent(platform::EventType type) {
    // Read once: for a long text the copy out of the editor is not free.
    const std::u16string text = platform::ControlText(kEditor);
    const ProseDocument& draft = ReadDraft(text);
    shell.lengthAlertDue = true;
    const bool passesGate = PrepareResultsArea(text, draft.prose);
    if (type == platform::EventType::Change) {
        OnEditorChange(text, draft, passesGate);
    }
}
