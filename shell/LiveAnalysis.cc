#include "shell/LiveAnalysis.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <string>
#include <utility>

#include "documents/DocumentAnalysis.h"
#include "engine/InputValidation.h"
#include "engine/TextAgreement.h"
#include "engine/TextStatistics.h"
#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/Draft.h"
#include "shell/FullAnalysis.h"
#include "shell/Preferences.h"
#include "shell/RedrawRows.h"
#include "shell/ResultsArea.h"
#include "shell/SentenceMarks.h"
#include "shell/ShellState.h"

std::int64_t LiveInterval(std::size_t length) {
    const double interval = std::clamp(static_cast<double>(length) / 100.0, 120.0, 1000.0);
    return static_cast<std::int64_t>(std::nearbyint(interval));
}

bool LivePass(const ProseDocument& draft) {
    const std::u16string_view text = draft.prose;
    LivePassState& live = shell.live;
    AnalysisJob& job = shell.currentJob;
    const std::int64_t now = platform::NowMilliseconds();
    if (now - live.lastLivePassTime < LiveInterval(text.size()) ||
        SameText(text, live.lastLiveText)) {
        return false;
    }
    live.lastLivePassTime = now;
    live.lastLiveText = text;

    const QuickCounts counts = QuickCount(text);
    job.wordCount = counts.words;
    job.sentenceCount = counts.sentenceGroups;
    job.characterCount = counts.characters;
    if (counts == live.lastQuickCounts) {
        return false;
    }
    live.lastQuickCounts = counts;

    const std::lock_guard lock(shell.analysisLock);
    DocumentAnalysis analysis = AnalyseDraft(draft);
    job = std::move(analysis.analysis.job);
    RedrawChangedRows(job, shell.locale, shell.lastDrawnValues);
    WriteSummaryLine(job, CharactersPerPage(shell.locale), shell.summary);
    ShowSentenceMarks(analysis.sentences, analysis.figures);
    return true;
}

void CompleteLiveAnalysis() {
    if (!platform::ControlExists(kAutomatedIndexValue)) {
        return;
    }
    const std::u16string text = platform::ControlText(kEditor);
    const ProseDocument& draft = ReadDraft(text);
    if (!HoldsAnalysableText(draft.prose, shell.locale)) {
        return;
    }
    // What the live pass computed for this very text needs only the rows it
    // left; the rest is analysed afresh.
    if (shell.analysisCurrent) {
        ShowMetrics(shell.currentJob, shell.locale, shell.lastDrawnValues);
    } else {
        ShowFullAnalysis(draft);
    }
    StoreTypedText(text);
}

void CompleteTypingBeforeModal() {
    CompleteLiveAnalysis();
    FlushTypedText();
}
