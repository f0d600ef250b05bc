#pragma once

#include <cstddef>
#include <string_view>

inline constexpr std::size_t kWorkerStackBytes = 1048576;

// Hands the worker a request for the text, in place of one still waiting.
// The one worker is started with the first text and lives as long as the
// process; workerBusy is set under the lock before it can see the request, so a
// fast worker cannot clear it first.
void StartAnalysisWorker(std::u16string_view text);

bool WorkerBusy();
// Blocks until the worker has nothing to analyse.
void WaitForAnalysisWorker();
