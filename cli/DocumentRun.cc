#include "cli/DocumentRun.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

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
std::string FormatOutput(const DocumentResult& result, OutputFormat format, bool baselineUsed) {
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
                const RunOutputs& outputs, std::atomic<std::size_t>& next, Handover& handover) {
    const bool baselineUsed = settings.baseline != nullptr;
    for (std::size_t i = next++; i < files.size(); i = next++) {
        DocumentResult result = CheckDocument(files[i], settings);
        if (outputs.format != OutputFormat::Json) {
            result.output = FormatOutput(result, outputs.format, baselineUsed);
        }
        if (outputs.sarifLog && outputs.format != OutputFormat::Sarif) {
            result.sarifResults = SarifResults(result, baselineUsed);
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

// The SARIF log as the documents come: on `out` where it is the format, and
// kept whole where asked for.
struct SarifStream {
    std::FILE* out = nullptr;
    std::string* log = nullptr;
    bool anyResult = false;
    std::vector<SarifNotChecked> notChecked;
};

void Emit(SarifStream& stream, std::string_view text) {
    if (stream.out != nullptr) {
        WriteOut(text, stream.out);
    }
    if (stream.log != nullptr) {
        *stream.log += text;
    }
}

void EmitResults(SarifStream& stream, std::string_view results) {
    if (!results.empty()) {
        Emit(stream, stream.anyResult ? "," : "");
        stream.anyResult = true;
        Emit(stream, results);
    }
}

bool Emits(const SarifStream& stream) {
    return stream.out != nullptr || stream.log != nullptr;
}

int ExitStatus(const DocumentTotals& totals) {
    // An endless or enormous input says so above all else: it may be a mistake
    // in what the run was given.
    if (totals.overCeiling > 0) {
        return kExitDocumentTooLong;
    }
    if (totals.unreadable > totals.tooLong) {
        return kExitDocumentUnreadable;
    }
    if (totals.tooLong > 0) {
        return kExitDocumentTooLong;
    }
    return totals.missed > 0 ? kExitThresholdMissed : kExitDocumentsMet;
}

}  // namespace

RunResult RunDocuments(const std::vector<InputFile>& files, const DocumentSettings& settings,
                       const RunOutputs& outputs, std::FILE* out) {
    platform::posix::KeepFreedMemoryForReuse();
    Handover handover;
    handover.results.resize(files.size());
    std::atomic<std::size_t> next = 0;
    const std::size_t workerCount = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                            std::max<std::size_t>(files.size(), 1));
    std::vector<std::thread> workers;
    workers.reserve(workerCount);
    for (std::size_t i = 0; i < workerCount; ++i) {
        workers.emplace_back(CheckFiles, std::cref(files), std::cref(settings), std::cref(outputs),
                             std::ref(next), std::ref(handover));
    }

    RunResult run;
    run.totals.baselineUsed = settings.baseline != nullptr;
    ProgressLine progress = StartProgressLine();
    SarifStream sarif;
    sarif.out = outputs.format == OutputFormat::Sarif ? out : nullptr;
    sarif.log = outputs.sarifLog ? &run.sarifLog : nullptr;
    if (Emits(sarif)) {
        Emit(sarif, SarifLogStart());
    }
    MovedMatches moved;
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

        CountDocument(run.totals, result);
        if (settings.keepBaselineEntries) {
            run.baselineEntries.insert(run.baselineEntries.end(), result.baselineEntries.begin(),
                                       result.baselineEntries.end());
        }
        if (result.outsideWrittenBaseline) {
            run.outsideWrittenBaseline.push_back(result.path);
        }
        if (!result.movedFrom.empty()) {
            std::vector<bool>& matched = moved[result.movedFrom];
            matched.resize(result.movedMatched.size(), false);
            for (std::size_t entry = 0; entry < matched.size(); ++entry) {
                matched[entry] = matched[entry] || result.movedMatched[entry];
            }
        }
        if (outputs.jobSummary) {
            AddToJobSummary(run.summary, result);
        }
        if (!result.output.empty()) {
            ClearProgress(progress);
        }
        if (Emits(sarif)) {
            if (!result.error.empty()) {
                sarif.notChecked.push_back({result.path, result.error});
            }
            EmitResults(
                sarif, outputs.format == OutputFormat::Sarif ? result.output : result.sarifResults);
        }
        if (outputs.format != OutputFormat::Sarif) {
            WriteOut(result.output, out);
        }
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    ClearProgress(progress);
    if (settings.gone != nullptr) {
        for (auto& [path, entries] : GoneFindings(*settings.baseline, *settings.gone, moved)) {
            run.totals.gone += entries.size();
            DocumentResult gone;
            gone.path = path;
            gone.absent = std::move(entries);
            EmitResults(sarif, SarifResults(gone, true));
        }
    }
    if (Emits(sarif)) {
        Emit(sarif, SarifLogEnd(sarif.notChecked));
    }
    if (outputs.format == OutputFormat::Text) {
        WriteOut(DocumentTotalsLine(run.totals), out);
    } else if (outputs.format == OutputFormat::Github) {
        WriteOut(GithubTotalsNotice(run.totals), out);
    }
    run.status = ExitStatus(run.totals);
    return run;
}
