#include "shell/AnalysisWorker.h"

#include <condition_variable>
#include <mutex>

#include "engine/InputValidation.h"
#include "platform/Platform.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/InputGate.h"
#include "shell/ShellState.h"

namespace {

// A control event for no control: it only wakes a waiting event loop.
constexpr platform::Event kWakeUp{platform::EventKind::Control, kUnnumbered,
                                  platform::EventType::Click};

// Never destroyed: the worker may still be waiting on it while the process exits.
std::condition_variable_any& RequestWaiting() {
    static auto* waiting = new std::condition_variable_any;
    return *waiting;
}

void WakeTheLoop(AnalysisRequest request) {
    if (request.rowsExist) {
        platform::PostEvent(kWakeUp);
    }
}

[[noreturn]] void AnalysisWorker() {
    std::unique_lock lock(shell.analysisLock);
    for (;;) {
        RequestWaiting().wait(lock, [] { return shell.waitingRequest.has_value(); });
        const AnalysisRequest request = *shell.waitingRequest;
        shell.waitingRequest.reset();
        lock.unlock();
        WakeTheLoop(request);
        lock.lock();
        platform::PostEvent(kWakeUp);
        if (!shell.waitingRequest) {
            shell.workerBusy = false;
            shell.workerEnded.notify_all();
        }
    }
}

}  // namespace

void StartAnalysisWorker(std::u16string_view text) {
    if (text.size() > kMaxInputLength) {
        AlertInputTooLong();
        return;
    }
    AnalysisRequest request;
    request.rowsExist = platform::ControlExists(kAutomatedIndexValue);
    {
        const std::lock_guard lock(shell.analysisLock);
        if (!shell.workerStarted) {
            shell.workerStarted = platform::StartDetachedThread(AnalysisWorker, kWorkerStackBytes);
        }
        if (shell.workerStarted) {
            shell.waitingRequest = request;
            shell.workerBusy = true;
            RequestWaiting().notify_one();
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
