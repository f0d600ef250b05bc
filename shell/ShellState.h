#pragma once

// The shell's run-time state: main-thread globals, except the three worker
// fields at the end, which are shared with the analysis worker under the lock.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "engine/TextStatistics.h"
#include "results/SummaryLine.h"

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
    ReadingRates rates;

    AnalysisJob currentJob;
    LivePassState live;
    SummaryMemory summary;
    std::array<double, 9> lastDrawnValues{};  // per row of kMetricRows
    // True while currentJob holds a full pass over the editor's text and every row shows it.
    bool analysisCurrent = false;
    std::u16string storedText;  // what was last written under "AnalyzeText"
    bool quitRequested = false;
    // The version the last update check offered, and its notes; "No Thanks!" resets the version.
    std::u16string latestVersion;
    std::u16string releaseNotes;

    std::recursive_mutex analysisLock;
    std::condition_variable_any workerEnded;
    bool workerBusy = false;
};

extern ShellState shell;

// Back to the state before start-up, once any running worker has ended.
void ResetShellState();
