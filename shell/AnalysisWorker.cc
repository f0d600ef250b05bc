#include "shell/AnalysisWorker.h"

#include <mutex>
#include <new>

#include "engine/InputValidation.h"
#include "engine/ReadabilityMetrics.h"
#include "platform/Platform.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/InputGate.h"
#include "shell/ShellState.h"

namespace {

// A control event for no control: it only wakes a waiting event loop.
constexpr platform::Event kWakeUp{platform::EventKind::Control, kUnnumbered,
                                  platform::EventType::Click};

void EndWorker() {
    const std::lock_guard lock(shell.analysisLock);
    shell.workerBusy = false;
    shell.workerEnded.notify_all();
}

}  // namespace

void StartAnalysisWorker(std::u16string_view text) {
    if (WorkerBusy()) {
        return;
    }
    // Checked before the copy, so an over-long paste is not copied for nothing.
    if (text.size() > kMaxInputLength) {
        AlertInputTooLong();
        return;
    }
    std::shared_ptr<AnalysisJob> job;
    try {
        job = std::make_shared<AnalysisJob>();
        job->text = text;
    } catch (const std::bad_alloc&) {
        ShowError(u"Memory allocation failed!");
        return;
    }
    {
        const std::lock_guard lock(shell.analysisLock);
        shell.workerBusy = true;
    }
    const bool rowsExist = platform::ControlExists(kAutomatedIndexValue);
    const EnglishVariant variant = shell.locale;
    const ReadingRates rates = shell.rates;
    // std::function needs a copyable body, hence the shared record; the worker
    // takes it over and nothing else holds it.
    const bool started = platform::StartDetachedThread(
        [job = std::move(job), rowsExist, variant, rates]() mutable {
            AnalysisWorker(std::move(job), rowsExist, variant, rates);
        },
        kWorkerStackBytes);
    if (!started) {
        ShowError(u"Failed to start analysis thread.");
        EndWorker();
    }
}

void AnalysisWorker(std::shared_ptr<AnalysisJob> job, bool rowsExist, EnglishVariant variant,
                    ReadingRates rates) {
    if (rowsExist) {
        ComputeMetrics(*job, variant, rates);
        platform::PostEvent(kWakeUp);
    }
    job.reset();
    {
        const std::lock_guard lock(shell.analysisLock);
        platform::PostEvent(kWakeUp);
    }
    EndWorker();
}

bool WorkerBusy() {
    const std::lock_guard lock(shell.analysisLock);
    return shell.workerBusy;
}

void WaitForAnalysisWorker() {
    std::unique_lock lock(shell.analysisLock);
    shell.workerEnded.wait(lock, [] { return !shell.workerBusy; });
}
