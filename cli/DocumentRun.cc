#include "cli/DocumentRun.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "cli/DocumentText.h"
#include "cli/GithubCommands.h"
#include "cli/ProgressLine.h"
#include "cli/SarifLog.h"
#include "platform/common/MemoryReuse.h"

namespace {

using std::chrono::milliseconds;

// What the workers hand the writer, slot by slot in the files' order.
struct Handover {
    std::mutex mutex;
    std::condition_variable ready;
    std::vector<std::optional<DocumentResult>> results;
    std::size_t done = 0;
};

void CheckFiles(const std::vector<InputFile>& files, const DocumentSettings& settings,
                std::atomic<std::size_t>& next, Handover& handover) {
    for (std::size_t i = next++; i < files.size(); i = next++) {
        DocumentResult result = CheckDocument(files[i], settings);
        const std::lock_guard lock(handover.mutex);
        handover.results[i] = std::move(result);
        ++handover.done;
        handover.ready.notify_one();
    }
}

std::string DocumentOutput(const DocumentResult& result, OutputFormat format) {
    switch (format) {
        case OutputFormat::Json:
            return result.jsonLine;
        case OutputFormat::Github:
            return GithubCommands(result);
        default:
            return DocumentTextLines(result);
    }
}

}  // namespace

int RunDocuments(const std::vector<InputFile>& files, const DocumentSettings& settings,
                 OutputFormat format, std::FILE* out) {
    platform::posix::KeepFreedMemoryForReuse();
    Handover handover;
    handover.results.resize(files.size());
    std::atomic<std::size_t> next = 0;
    const std::size_t workerCount = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                            std::max<std::size_t>(files.size(), 1));
    std::vector<std::thread> workers;
    workers.reserve(workerCount);
    for (std::size_t i = 0; i < workerCount; ++i) {
        workers.emplace_back(CheckFiles, std::cref(files), std::cref(settings), std::ref(next),
                             std::ref(handover));
    }

    ProgressLine progress = StartProgressLine();
    DocumentTotals totals;
    std::vector<DocumentResult> kept;  // for the one SARIF log at the end
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::unique_lock lock(handover.mutex);
        while (!handover.results[i]) {
            // Woken at least every tenth of a second to keep the progress line moving.
            handover.ready.wait_for(lock, milliseconds(100));
            ShowProgress(progress, handover.done, files.size());
        }
        DocumentResult result = std::move(*handover.results[i]);
        handover.results[i].reset();
        lock.unlock();

        CountDocument(totals, result);
        if (format == OutputFormat::Sarif) {
            result.jsonLine.clear();
            kept.push_back(std::move(result));
            continue;
        }
        const std::string output = DocumentOutput(result, format);
        ClearProgress(progress);
        std::fwrite(output.data(), 1, output.size(), out);
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    ClearProgress(progress);
    if (format == OutputFormat::Sarif) {
        const std::string log = SarifLog(kept);
        std::fwrite(log.data(), 1, log.size(), out);
    } else if (format == OutputFormat::Text) {
        const std::string line = DocumentTotalsLine(totals);
        std::fwrite(line.data(), 1, line.size(), out);
    }
    if (totals.unreadable > 0) {
        return kExitDocumentUnreadable;
    }
    return totals.missed > 0 ? kExitThresholdMissed : kExitDocumentsMet;
}
