#include "shell/AnalysisWorker.h"

#include <condition_variable>
#include <mutex>
#include <new>
#include <utility>

#include "engine/AnalysisJob.h"
#include "engine/InputValidation.h"
#include "engine/ReadabilityMetrics.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
#include "shell/Alerts.h"
#include "shell/InputGate.h"
#include "shell/ShellState.h"

namespace {

// A control event for no control: it only wakes a waiting event loop.
constexpr platform::Event kWakeUp{platform::EventKind::Control, kUnnumbered,
                                  platform::EventType::Click};

// Never destroyed: the worker may still be waiting on it while the process exits.
std::condition_variable_any& TextWaiting() {
    static auto* waiting = new std::condition_variable_any;
    return *waiting;
}

void Analyse(AnalysisRequest request) {
    if (request.rowsExist) {
        AnalysisJob job;
        job.text = std::move(request.text);
        ComputeMetrics(job, request.variant, request.rates);
        platform::PostEvent(kWakeUp);
    }
}

[[noreturn]] void AnalyseWaitingTexts() {
    std::unique_lock lock(shell.analysisLock);
    for (;;) {
        TextWaiting().wait(lock, [] { return shell.waitingText.has_value(); });
        AnalysisRequest request = std::move(*shell.waitingText);
        shell.waitingText.reset();
        lock.unlock();
        Analyse(std::move(request));
        lock.lock();
        platform::PostEvent(kWakeUp);
        if (!shell.waitingText) {
            shell.workerBusy = false;
            shell.workerEnded.notify_all();
        }
    }
}

}  // namespace

void StartAnalysisWorker(std::u16string_view text) {
    // Checked before the copy, so an over-long paste is not copied for nothing.
    if (text.size() > kMaxInputLength) {
        AlertInputTooLong();
        return;
    }
    AnalysisRequest request;
    try {
        request.text = text;
    } catch (const std::bad_alloc&) {
        ShowError(u"Memory allocation failed!");
        return;
    }
    request.rowsExist = platform::ControlExists(kAutomatedIndexValue);
    request.variant = shell.locale;
    request.rates = shell.rates;
    {
        const std::lock_guard lock(shell.analysisLock);
        if (!shell.workerStarted) {
            shell.workerStarted =
                platform::StartDetachedThread(AnalyseWaitingTexts, kWorkerStackBytes);
        }
        if (shell.workerStarted) {
            shell.waitingText = std::move(request);
            shell.workerBusy = true;
            TextWaiting().notify_one();
            return;
        }
    }
    ShowError(u"Failed to start analysis thread.");
}

bool WorkerBusy() {
    const std::lock_guard lock(shell.analysisLock);
    return shell.workerBusy;
}

void WaitForAnalysisWorker() {
    std::unique_lock lock(shell.analysisLock);
    shell.workerEnded.wait(lock, [] { return !shell.workerBusy; });
}
