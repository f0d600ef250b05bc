#pragma once

// The shell's run-time state: main-thread globals, except the fields at the
// end, which the analysis worker and the update check share under their locks.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "documents/DocumentAnalysis.h"
#include "documents/MarkdownProse.h"
#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "results/SummaryLine.h"
#include "shell/AnalysisRequest.h"
#include "shell/VersionFile.h"

struct LivePassState {
    std::int64_t lastEditorPassTime = 0;
    std::int64_t lastLivePassTime = 0;
    std::u16string lastLiveText;
    QuickCounts lastQuickCounts;  // -1 each, so the first comparison differs
};

struct ShellState {
    bool topWin = false;
    EnglishVariant locale = EnglishVariant::Us;
    bool login = false;
    int scenario = 0;  // the drop-down's choice, kept here so that nothing reads it back
    ReadingRates rates;

    AnalysisJob currentJob;
    LivePassState live;
    AnalysisMemory analysisMemory;  // what the counts and marks while typing met last
    SummaryMemory summary;
    std::array<double, 9> lastDrawnValues{};  // per row of kMetricRows
    bool metricRowsCleared = false;           // emptied, not even their captions shown
    // True while currentJob holds a full pass over the editor's text and the marks
    // and the summary show it; the rows' bars and lines may wait for ShowMetrics.
    bool analysisCurrent = false;
    std::u16string storedText;  // what was last written under "AnalyzeText"
    bool typedTextUnflushed = false;
    std::int64_t lastTextFlushTime = 0;
    std::int64_t lastTypingTime = 0;  // the last change of the text typed
    bool unsavedTextTold = false;     // since the last flush that succeeded
    bool quitRequested = false;
    bool lengthAlertDue = false;     // see AlertInputTooLong
    bool highlight = true;           // long sentences marked in the editor
    std::vector<WordsRange> marked;  // where the marks stand, ascending
    bool readAsMarkdown = false;     // the gear menu's choice
    bool draftIsMarkdown = false;    // the text last read into draft was read as Markdown
    ProseDocument draft;
    // The version the last update check offered, and its notes; "No Thanks!" resets the version.
    std::u16string latestVersion;
    std::u16string releaseNotes;

    std::recursive_mutex analysisLock;
    std::condition_variable_any workerEnded;
    bool workerBusy = false;  // a text is waiting or being analysed
    bool workerStarted = false;
    std::optional<AnalysisRequest> waitingRequest;  // the newest, for the one worker

    std::mutex updateLock;
    std::condition_variable updateEnded;
    bool updateChecking = false;
    VersionFileResult updateFound;  // a new version, handed to the main thread
};

extern ShellState shell;

// Back to the state before start-up, once any running worker has ended.
void ResetShellState();
