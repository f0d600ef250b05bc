#include "cli/DocumentRun.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
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

// The format's text for a document, made on the worker that checked it.
std::string DocumentOutput(const DocumentResult& result, OutputFormat format, bool baselineUsed) {
    switch (format) {
        case OutputFormat::Github:
            return GithubCommands(result);
        case OutputFormat::Sarif:
            return SarifResults(result, baselineUsed);
        default:
            return DocumentTextLines(result);
    }
}

void CheckFiles(const std::vector<InputFile>& files, const DocumentSettings& settings,
                OutputFormat format, std::atomic<std::size_t>& next, Handover& handover) {
    for (std::size_t i = next++; i < files.size(); i = next++) {
        DocumentResult result = CheckDocument(files[i], settings);
        if (format != OutputFormat::Json) {
            result.output = DocumentOutput(result, format, settings.baseline != nullptr);
        }
        const std::lock_guard lock(handover.mutex);
        handover.results[i] = std::move(result);
        ++handover.done;
        handover.ready.notify_one();
    }
}

void WriteOut(std::string_view text, std::FILE* out) {
    std::fwrite(text.data(), 1, text.size(), out);
}

}  // namespace

int RunDocuments(const std::vector<InputFile>& files, const DocumentSettings& settings,
                 OutputFormat format, std::FILE* out, std::vector<BaselineEntry>* baselineEntries) {
    platform::posix::KeepFreedMemoryForReuse();
    Handover handover;
    handover.results.resize(files.size());
    std::atomic<std::size_t> next = 0;
    const std::size_t workerCount = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                            std::max<std::size_t>(files.size(), 1));
    std::vector<std::thread> workers;
    workers.reserve(workerCount);
    for (std::size_t i = 0; i < workerCount; ++i) {
        workers.emplace_back(CheckFiles, std::cref(files), std::cref(settings), format,
                             std::ref(next), std::ref(handover));
    }

    ProgressLine progress = StartProgressLine();
    DocumentTotals totals;
    totals.baselineUsed = settings.baseline != nullptr;
    std::vector<SarifNotChecked> notChecked;
    bool anySarifResult = false;
    if (format == OutputFormat::Sarif) {
        WriteOut(SarifLogStart(), out);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::unique_lock lock(handover.mutex);
        while (!handover.results[i]) {
            // Woken at least every tenth of a second to keep the progress line moving.
            handover.ready.wait_for(lock, milliseconds(100));
            ShowProgress(progress, handover.done, files.size());
        }
        const DocumentResult result = std::move(*handover.results[i]);
        handover.results[i].reset();
        lock.unlock();

        CountDocument(totals, result);
        if (baselineEntries != nullptr) {
            baselineEntries->insert(baselineEntries->end(), result.baselineEntries.begin(),
                                    result.baselineEntries.end());
        }
        if (!result.output.empty()) {
            ClearProgress(progress);
        }
        if (format == OutputFormat::Sarif) {
            if (!result.error.empty()) {
                notChecked.push_back({result.path, result.error});
            }
            if (!result.output.empty()) {
                WriteOut(anySarifResult ? "," : "", out);
                anySarifResult = true;
            }
        }
        WriteOut(result.output, out);
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    ClearProgress(progress);
    if (format == OutputFormat::Sarif) {
        WriteOut(SarifLogEnd(notChecked), out);
    } else if (format == OutputFormat::Text) {
        WriteOut(DocumentTotalsLine(totals), out);
    }
    if (totals.unreadable > totals.tooLong) {
        return kExitDocumentUnreadable;
    }
    if (totals.tooLong > 0) {
        return kExitDocumentTooLong;
    }
    return totals.missed > 0 ? kExitThresholdMissed : kExitDocumentsMet;
}
