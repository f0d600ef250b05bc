#include "cli/DocumentCheck.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <utility>

#include "cli/CliJson.h"
#include "documents/DocumentAnalysis.h"
#include "documents/Fingerprint.h"
#include "documents/InputBytes.h"
#include "documents/SourceDocument.h"
#include "engine/InputValidation.h"
#include "platform/common/ReadFile.h"

namespace {

void TooLong(DocumentResult& result) {
    result.error = "longer than " + std::to_string(kMaxInputLength) +
                   " characters (--no-length-limit analyses it)";
    result.tooLong = true;
}

// The nearest sentences either side of each sentence's finding with other
// words: within a run of copies the copies next to it tell nothing apart.
std::vector<Neighbours> NeighboursOf(const DocumentAnalysis& analysis, std::u16string_view prose) {
    const std::vector<ProseSentence>& sentences = analysis.sentences;
    std::vector<std::string> words;
    words.reserve(sentences.size());
    for (const ProseSentence& sentence : sentences) {
        words.push_back(WordsFingerprint(
            prose.substr(sentence.span.start, sentence.span.end - sentence.span.start)));
    }
    std::vector<Neighbours> neighbours(analysis.findings.size());
    for (std::size_t i = 0; i < analysis.findings.size(); ++i) {
        const Finding& finding = analysis.findings[i];
        if (finding.wholeDocument || finding.section) {
            continue;
        }
        const auto sentence = std::lower_bound(
            sentences.begin(), sentences.end(), finding.sourceStart,
            [](const ProseSentence& a, std::size_t start) { return a.sourceStart < start; });
        if (sentence == sentences.end() || sentence->sourceStart != finding.sourceStart) {
            continue;
        }
        const auto index = static_cast<std::size_t>(sentence - sentences.begin());
        std::size_t before = index;
        while (before > 0 && words[before - 1] == words[index]) {
            --before;
        }
        std::size_t after = index + 1;
        while (after < words.size() && words[after] == words[index]) {
            ++after;
        }
        neighbours[i] = {before > 0 ? words[before - 1] : std::string(),
                         after < words.size() ? words[after] : std::string()};
    }
    return neighbours;
}

// A document the baseline does not name may be one it knew under a path now gone.
void SplitByBaselineOf(const DocumentSettings& settings, const std::vector<Neighbours>& neighbours,
                       std::vector<Finding>& findings, DocumentResult& result) {
    const Baseline& baseline = *settings.baseline;
    const std::optional<std::string> path = BaselinePath(result.path, baseline.folder);
    const auto named = path ? baseline.byPath.find(*path) : baseline.byPath.end();
    if (named == baseline.byPath.end() && settings.gone != nullptr) {
        if (const std::optional<std::string> moved = MovedFrom(*settings.gone, findings)) {
            result.movedFrom = *moved;
        }
    }
    if (named == baseline.byPath.end() && result.movedFrom.empty()) {
        return;
    }
    const std::vector<BaselineEntry>& entries =
        result.movedFrom.empty() ? named->second : baseline.byPath.at(result.movedFrom);
    BaselineSplit split = SplitByBaseline(entries, std::move(findings), neighbours);
    findings = std::move(split.fresh);
    result.baselined = std::move(split.unchanged);
    if (!result.movedFrom.empty()) {
        result.movedMatched = std::move(split.matched);
        return;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!split.matched[i]) {
            result.absent.push_back(entries[i]);
        }
    }
}

void Analyse(const SourceDocument& document, const DocumentSettings& settings,
             DocumentResult& result) {
    const ProseDocument& prose = document.prose;
    if (settings.lengthLimit && CleanInput(prose.prose, settings.prose.variant).exceededLimit) {
        TooLong(result);
        return;
    }
    DocumentAnalysis analysis = AnalyseDocument(
        prose, settings.prose, {.fullAnalysis = settings.jsonLine, .sections = settings.jsonLine});
    result.figures = analysis.figures;
    if (analysis.figures.hasText) {
        PlaceFindings(SourceText(document), analysis.findings);
        PlaceSections(SourceText(document), analysis.sections);
    }
    const std::vector<Neighbours> neighbours =
        settings.keepBaselineEntries || settings.baseline != nullptr
            ? NeighboursOf(analysis, prose.prose)
            : std::vector<Neighbours>{};
    if (settings.keepBaselineEntries && !analysis.findings.empty()) {
        const std::optional<std::string> path =
            BaselinePath(result.path, settings.writtenBaselineFolder);
        result.outsideWrittenBaseline = !path;
        if (path) {
            result.baselineEntries = BaselineEntriesOf(*path, analysis.findings, neighbours);
        }
    }
    // Even a document with nothing left to analyse ends what the baseline held for it.
    if (settings.baseline != nullptr) {
        SplitByBaselineOf(settings, neighbours, analysis.findings, result);
    }
    result.findings = std::move(analysis.findings);
    result.missed = !result.findings.empty();
    if (settings.jsonLine && analysis.figures.hasText) {
        result.output = CliJsonDocumentLine(&analysis.analysis, result.path, result.findings,
                                            analysis.sections);
    }
}

void Read(const InputFile& file, const DocumentSettings& settings, DocumentResult& result) {
    // Markdown may hold much that is not prose; its prose is measured instead.
    const SourceKind kind = SourceKindFor(file.path, settings.input);
    const bool readCapped = settings.lengthLimit && kind == SourceKind::Text;
    const platform::FileBytes input =
        platform::posix::ReadFileBytes(file.path, readCapped ? kMaxInputBytes : kMaxDocumentBytes);
    if (input.status == platform::FileReadStatus::TooLarge && readCapped) {
        TooLong(result);
        return;
    }
    if (input.status == platform::FileReadStatus::TooLarge) {
        result.error = OverDocumentCeiling();
        result.overCeiling = true;
        return;
    }
    if (input.status != platform::FileReadStatus::Read) {
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
    result.skipped = file.skipped;
    result.error = file.error;
    if (!result.skipped.empty()) {
        if (settings.jsonLine) {
            result.output = CliJsonSkippedLine(result.path, result.skipped);
        }
        return result;
    }
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
