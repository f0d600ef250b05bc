#include "cli/DocumentCheck.h"

#include <cstdint>
#include <exception>
#include <utility>

#include "cli/CliJson.h"
#include "documents/InputBytes.h"
#include "documents/ProseCheck.h"
#include "documents/SourceDocument.h"
#include "engine/InputValidation.h"

namespace {

void TooLong(DocumentResult& result) {
    result.error = "longer than " + std::to_string(kMaxInputLength) +
                   " characters (--no-length-limit analyses it)";
    result.tooLong = true;
}

void Analyse(const SourceDocument& document, const DocumentSettings& settings,
             DocumentResult& result) {
    const ProseDocument& prose = document.prose;
    if (settings.lengthLimit && CleanInput(prose.prose, settings.prose.variant).exceededLimit) {
        TooLong(result);
        return;
    }
    ProseCheck check = CheckProse(
        prose, settings.prose, {.fullAnalysis = settings.jsonLine, .sections = settings.jsonLine});
    if (check.hasText) {
        const AnalysisJob& job = check.analysis.job;
        result.hasText = true;
        result.words = job.wordCount;
        result.grade = job.fleschKincaidGrade;
        result.ease = job.fleschReadingEase;
        if (check.analysis.score) {
            result.score = check.analysis.score->overallScore;
        }
        PlaceFindings(SourceText(document), check.findings);
        PlaceSections(SourceText(document), check.sections);
    }
    if (settings.keepBaselineEntries) {
        result.baselineEntries = BaselineEntriesOf(result.path, check.findings);
    }
    // Even a document with nothing left to analyse ends what the baseline held for it.
    if (settings.baseline != nullptr) {
        BaselineSplit split =
            SplitByBaseline(*settings.baseline, result.path, std::move(check.findings));
        check.findings = std::move(split.fresh);
        result.baselined = std::move(split.unchanged);
        result.absent = std::move(split.absent);
    }
    result.findings = std::move(check.findings);
    result.missed = !result.findings.empty();
    if (settings.jsonLine && check.hasText) {
        result.output =
            CliJsonDocumentLine(&check.analysis, result.path, result.findings, check.sections);
    }
}

void Read(const InputFile& file, const DocumentSettings& settings, DocumentResult& result) {
    // Markdown may hold much that is not prose; its prose is measured instead.
    const SourceKind kind = SourceKindFor(file.path, settings.input);
    const bool readCapped = settings.lengthLimit && kind == SourceKind::Text;
    const InputBytes input = ReadInputBytes(file.path, readCapped ? kMaxInputBytes : SIZE_MAX);
    if (input.status == InputStatus::TooLarge) {
        TooLong(result);
        return;
    }
    if (input.status != InputStatus::Ok) {
        result.error = input.error;
        return;
    }
    LoadedDocument loaded = LoadDocument(input.bytes, kind);
    if (!loaded.error.empty()) {
        result.error = std::move(loaded.error);
        return;
    }
    Analyse(loaded.document, settings, result);
}

}  // namespace

DocumentResult CheckDocument(const InputFile& file, const DocumentSettings& settings) {
    DocumentResult result;
    result.path = file.path;
    result.error = file.error;
    if (result.error.empty()) {
        try {
            Read(file, settings, result);
        } catch (const std::exception& failure) {
            // Out of memory on one huge document: the others are still checked.
            result = DocumentResult{};
            result.path = file.path;
            result.error = std::string("cannot analyse: ") + failure.what();
        }
    }
    if (settings.jsonLine && result.output.empty()) {
        result.output = result.error.empty()
                            ? CliJsonDocumentLine(nullptr, result.path, result.findings, {})
                            : CliJsonErrorLine(result.path, result.error);
    }
    return result;
}
