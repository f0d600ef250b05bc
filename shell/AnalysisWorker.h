#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"

inline constexpr std::size_t kWorkerStackBytes = 1048576;

// Starts the background worker on its own copy of the text unless one runs.
// workerBusy is set under the lock before the thread exists, so a fast worker
// cannot clear it first.
void StartAnalysisWorker(std::u16string_view text);

// The thread body. It owns its record and lets it go before its last act,
// which is clearing workerBusy.
void AnalysisWorker(std::shared_ptr<AnalysisJob> job, bool rowsExist, EnglishVariant variant,
                    ReadingRates rates);

bool WorkerBusy();
// Blocks until no worker runs.
void WaitForAnalysisWorker();
