#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/Baseline.h"
#include "cli/CliOptions.h"
#include "cli/CliSentences.h"
#include "cli/CliSettings.h"
#include "cli/CliTextTable.h"
#include "cli/DocumentRun.h"
#include "cli/InputFiles.h"
#include "cli/JobSummary.h"
#include "documents/AnalysisJson.h"
#include "documents/DocumentConfig.h"
#include "documents/InputBytes.h"
#include "documents/SourceDocument.h"
#include "documents/TextAnalysis.h"
#include "engine/InputValidation.h"
#include "engine/Utf8.h"
#include "platform/common/AtomicFile.h"
#include "platform/common/ReadFile.h"
#include "product/Product.h"
#include "results/ExportDocument.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitNoText = 1;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;  // a usage error, an unreadable file or invalid UTF-8
constexpr int kExitTooLong = 3;

int Fail(int exitCode, std::string_view message) {
    std::fprintf(stderr, "quillory-cli: %.*s\n", static_cast<int>(message.size()), message.data());
    return exitCode;
}

// The system's messages end in a line feed of their own.
std::string SystemMessage(std::u16string_view message) {
    if (!message.empty() && message.back() == u'\n') {
        message.remove_suffix(1);
    }
    return EncodeUtf8(message);
}

int Write(std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                         std::fflush(stdout) == 0;
    if (!written) {
        return Fail(kExitWriteFailed,
                    std::string("cannot write the output: ") + std::strerror(errno));
    }
    return kExitOk;
}

// One text, as before documents could be checked: each format's output exactly.
int Analyse(const CliOptions& options, const CliSettings& settings) {
    const std::string path = options.paths.empty() ? "-" : options.paths.front();
    const bool lengthLimit = settings.lengthLimit;
    const SourceKind kind = SourceKindFor(path, options.input);
    // Markdown may hold much that is not prose; its prose is measured instead.
    const bool readCapped = lengthLimit && kind == SourceKind::Text;
    const platform::FileBytes input =
        platform::posix::ReadFileBytes(path, readCapped ? kMaxInputBytes : kMaxDocumentBytes);
    if (input.status == platform::FileReadStatus::TooLarge) {
        return Fail(kExitTooLong, readCapped
                                      ? SystemMessage(kInputTooLongMessage)
                                      : OverDocumentCeiling(platform::posix::InputName(path)));
    }
    if (input.status != platform::FileReadStatus::Read) {
        return Fail(kExitBadInput, input.error);
    }

    const LoadedDocument loaded = LoadDocument(input.bytes, kind);
    if (!loaded.error.empty()) {
        return Fail(kExitBadInput, loaded.error);
    }
    const SourceDocument& source = loaded.document;
    if (SourceText(source).empty()) {
        return Fail(kExitNoText, "the input is empty");
    }
    const ProseDocument& document = source.prose;
    const CleanedInput cleaned = CleanInput(document.prose, settings.variant);
    if (cleaned.exceededLimit && lengthLimit) {
        return Fail(kExitTooLong, SystemMessage(kInputTooLongMessage));
    }
    if (cleaned.text.empty()) {
        return Fail(kExitNoText, "the input holds no character that can be analysed");
    }

    // No thresholds: none of one text's formats shows a finding.
    ProseSettings prose;
    prose.variant = settings.variant;
    prose.scenario = settings.scenario;
    const DocumentAnalysis analysed = AnalyseDocument(
        document, prose,
        {.fullAnalysis = true, .sentences = options.format == OutputFormat::Sentences});
    const TextAnalysis& analysis = analysed.analysis;
    switch (options.format) {
        case OutputFormat::Text:
            return Write(CliTextTable(analysis));
        case OutputFormat::Json:
            return Write(AnalysisJsonText(analysis));
        case OutputFormat::Report:
            return Write(EncodeUtf8(analysis.report));
        case OutputFormat::Export:
            if (analysis.job.text.empty()) {
                return Fail(kExitNoText, SystemMessage(kNothingToExportMessage));
            }
            return Write(EncodeUtf8(analysis.exportDocument));
        case OutputFormat::Sentences:
            return Write(CliSentencesText(analysed, SourceText(source)));
        case OutputFormat::Github:
        case OutputFormat::Sarif:
            break;  // documents are checked for these
    }
    return kExitOk;
}

// Several paths, or a folder.
bool NamesSeveral(const CliOptions& options) {
    std::error_code error;
    return options.paths.size() > 1 ||
           (options.paths.size() == 1 && options.paths.front() != "-" &&
            std::filesystem::is_directory(options.paths.front(), error));
}

// Thresholds from the command line only: a configuration file must not turn
// the one-text formats into document checks.
bool ChecksDocuments(const CliOptions& options) {
    return options.check || NamesSeveral(options) || options.thresholds.Any() ||
           options.perSection || !options.baselineFile.empty() ||
           !options.writeBaselineFile.empty() || !options.sarifFile.empty() ||
           options.format == OutputFormat::Github || options.format == OutputFormat::Sarif;
}

// A baseline that left out a document that was not read would fail the next
// run on findings nobody has seen, so none is written then.
int WriteBaseline(const std::string& file, const RunResult& run) {
    if (run.status == kExitDocumentUnreadable || run.status == kExitDocumentTooLong) {
        return Fail(kExitBadInput, "baseline not written: some document was not checked");
    }
    if (!run.outsideWrittenBaseline.empty()) {
        return Fail(kExitBadInput, "baseline not written: " + run.outsideWrittenBaseline.front() +
                                       " is outside the folder of " + file);
    }
    if (!WriteBaselineFile(file, run.baselineEntries)) {
        return Fail(kExitBadInput, "cannot write the baseline " + file);
    }
    std::fprintf(stderr, "quillory-cli: %zu findings baselined in %s\n", run.baselineEntries.size(),
                 file.c_str());
    return kExitOk;
}

// Where a GitHub Actions step asks for its job summary.
std::string JobSummaryFile() {
    const char* file = std::getenv("GITHUB_STEP_SUMMARY");
    return file != nullptr ? file : "";
}

// The files the run writes besides its output; false when one could not be.
bool WriteRunFiles(const CliOptions& options, const RunResult& run,
                   const std::string& summaryFile) {
    bool written = true;
    if (!options.sarifFile.empty() &&
        !platform::posix::WriteFileAtomically(options.sarifFile, run.sarifLog)) {
        Fail(kExitBadInput, "cannot write the SARIF log " + options.sarifFile);
        written = false;
    }
    if (!summaryFile.empty()) {
        if (const std::optional<std::string> error =
                AppendJobSummary(summaryFile, JobSummaryText(run.summary, run.totals))) {
            Fail(kExitBadInput, *error);
            written = false;
        }
    }
    return written;
}

int CheckDocuments(const CliOptions& options, const CliSettings& settings) {
    if (options.format == OutputFormat::Report || options.format == OutputFormat::Export ||
        options.format == OutputFormat::Sentences) {
        return Fail(kExitBadInput,
                    "the report, export and sentences formats read one text and check no "
                    "threshold (see --help)");
    }
    const std::vector<std::string> paths =
        options.paths.empty() ? std::vector<std::string>{"-"} : options.paths;
    BaselineRead baseline;
    if (!options.baselineFile.empty()) {
        baseline = ReadBaseline(options.baselineFile);
        if (!baseline.error.empty()) {
            return Fail(kExitBadInput, baseline.error);
        }
    }
    const std::vector<InputFile> files = CollectInputFiles(paths, settings.selection);
    const GoneDocuments gone = options.baselineFile.empty()
                                   ? GoneDocuments{}
                                   : FindGoneDocuments(baseline.baseline, paths, files);
    DocumentSettings document;
    document.baseline = options.baselineFile.empty() ? nullptr : &baseline.baseline;
    document.gone = options.baselineFile.empty() ? nullptr : &gone;
    document.keepBaselineEntries = !options.writeBaselineFile.empty();
    if (document.keepBaselineEntries) {
        document.writtenBaselineFolder = BaselineFolder(options.writeBaselineFile);
    }
    document.prose = ProseSettingsOf(settings);
    document.input = options.input;
    document.lengthLimit = settings.lengthLimit;
    document.jsonLine = options.format == OutputFormat::Json;
    const std::string summaryFile = JobSummaryFile();
    const RunResult run =
        RunDocuments(files, document,
                     {options.format, !options.sarifFile.empty(), !summaryFile.empty()}, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        return Fail(kExitBadInput, std::string("cannot write the output: ") + std::strerror(errno));
    }
    if (!WriteRunFiles(options, run, summaryFile)) {
        return kExitBadInput;
    }
    if (!document.keepBaselineEntries) {
        return run.status;
    }
    if (!settings.thresholds.Any()) {
        // Not an error, but a baseline that accepts nothing is seldom what was meant.
        std::fputs(
            "quillory-cli: no threshold is set here or in .quillory.toml, so the baseline "
            "accepts no finding\n",
            stderr);
    }
    return WriteBaseline(options.writeBaselineFile, run);
}

// The configuration file and the command line, or why they cannot be used.
std::optional<CliSettings> ReadSettings(const CliOptions& options, std::string& error) {
    std::error_code folderError;
    const std::filesystem::path folder = std::filesystem::current_path(folderError);
    const std::optional<std::filesystem::path> file =
        folderError ? std::nullopt : FindDocumentConfig(folder);
    if (!file) {
        // A folder that is gone (or unknown) holds no configuration either.
        return MergeCliSettings(options, DocumentConfig{},
                                folderError ? std::filesystem::path() : folder);
    }
    const DocumentConfigResult config = ReadDocumentConfig(*file);
    if (!config.error.empty()) {
        error = config.error;
        return std::nullopt;
    }
    return MergeCliSettings(options, config.config, file->parent_path());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CliOptions options = ParseCliOptions(arguments);
    switch (options.action) {
        case CliAction::ShowHelp:
            return Write(CliHelpText());
        case CliAction::ShowVersion:
            return Write("quillory-cli " + std::string(kVersionUtf8) + "\n");
        case CliAction::UsageError:
            return Fail(kExitBadInput, options.usageError);
        case CliAction::Analyse:
            break;
    }
    std::string error;
    const std::optional<CliSettings> settings = ReadSettings(options, error);
    if (!settings) {
        return Fail(kExitBadInput, error);
    }
    return ChecksDocuments(options) ? CheckDocuments(options, *settings)
                                    : Analyse(options, *settings);
}
