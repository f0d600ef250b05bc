#include "cli/DocumentCheck.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <exception>
#include <string_view>
#include <utility>

#include "cli/CliAnalysis.h"
#include "cli/CliInput.h"
#include "cli/CliJson.h"
#include "cli/MarkdownProse.h"
#include "cli/Utf8Figures.h"
#include "engine/InputValidation.h"
#include "engine/Scenario.h"
#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "engine/Utf8.h"
#include "report/SentenceImpact.h"
#include "report/WeightedScore.h"
#include "results/SentenceMarkText.h"

namespace {

std::string TooLong() {
    return "longer than " + std::to_string(kMaxInputLength) +
           " characters (--no-length-limit analyses it)";
}

bool IsMarkdown(const std::string& path, InputKind input) {
    return input == InputKind::BySuffix ? HasMarkdownSuffix(path) : input == InputKind::Markdown;
}

// A threshold as the user wrote it: "12", "12.5".
std::string Shortest(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

// A sentence finding before its place is known: the range in the source.
struct SentenceFinding {
    FindingRule rule = FindingRule::MaxGrade;
    std::size_t start = 0;
    std::size_t end = 0;
    std::string message;
};

std::size_t TrimmedEnd(std::u16string_view prose, const SentenceSpan& span) {
    std::size_t end = span.end;
    while (end > span.start + 1 && IsWordSeparator(prose[end - 1])) {
        --end;
    }
    return end;
}

std::vector<SentenceFinding> SentenceFindings(const ProseDocument& document,
                                              const CliAnalysis& analysis,
                                              const DocumentSettings& settings, bool gradeMissed) {
    const Thresholds& thresholds = settings.thresholds;
    const std::u16string_view prose = document.prose;
    const std::vector<SentenceSpan> spans =
        SentenceSpans(prose, analysis.job.text, settings.variant);
    const AsciiWordCounts wholeAscii{analysis.complexWordCount, analysis.longWordCount};
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(analysis.job, wholeAscii, spans, settings.scenario, settings.variant);
    const int aim = SelectScoreProfile(settings.scenario, settings.variant).maxSentenceLength;
    const SentenceWordLimit wordLimit = thresholds.maxSentenceWords.value_or(SentenceWordLimit{});
    const int maxWords = wordLimit.scenarioAim ? aim : wordLimit.words;

    std::vector<SentenceFinding> findings;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const SentenceSpan& span = spans[i];
        const bool hard = gradeMissed && span.words > 0 && span.grade > *thresholds.maxGrade;
        const bool tooLong = thresholds.maxSentenceWords && span.words > maxWords;
        if (!hard && !tooLong) {
            continue;
        }
        const std::string cost = EncodeUtf8(SentenceCostText(
            span, impacts[i], analysis.job.fleschKincaidGrade,
            analysis.score ? std::optional(analysis.score->overallScore) : std::nullopt));
        const std::size_t start = SourceOffsetOf(document, span.start);
        const std::size_t end = SourceEndOf(document, TrimmedEnd(prose, span));
        if (hard) {
            findings.push_back({FindingRule::MaxGrade, start, end,
                                "hard sentence: grade above " + Shortest(*thresholds.maxGrade) +
                                    ", " + std::to_string(span.words) + " words \u00B7 " + cost});
        }
        if (tooLong) {
            std::string message = std::to_string(span.words) + " words \u2014 ";
            message += wordLimit.scenarioAim ? EncodeUtf8(kScenarioNames[settings.scenario]) +
                                                   " aims at " + std::to_string(aim) + " or fewer"
                                             : "at most " + std::to_string(maxWords) + " allowed";
            message += " \u00B7 ";
            message += cost;
            findings.push_back({FindingRule::MaxSentenceWords, start, end, std::move(message)});
        }
    }
    return findings;
}

// Places the sentence findings in the source, after the whole-document ones.
void PlaceFindings(std::u16string_view source, std::vector<SentenceFinding> sentences,
                   std::vector<Finding>& findings) {
    std::vector<std::size_t> offsets;
    offsets.reserve(2 * sentences.size());
    for (const SentenceFinding& sentence : sentences) {
        offsets.push_back(sentence.start);
        offsets.push_back(sentence.end);
    }
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    const std::vector<TextPosition> positions = PositionsOf(source, offsets);
    const auto positionOf = [&](std::size_t offset) {
        return positions[static_cast<std::size_t>(
            std::lower_bound(offsets.begin(), offsets.end(), offset) - offsets.begin())];
    };
    for (SentenceFinding& sentence : sentences) {
        findings.push_back({sentence.rule, false, positionOf(sentence.start),
                            positionOf(sentence.end), std::move(sentence.message)});
    }
}

void WeighDocument(const ProseDocument& document, std::u16string_view source,
                   const CliAnalysis& analysis, const DocumentSettings& settings,
                   DocumentResult& result) {
    const Thresholds& thresholds = settings.thresholds;
    const auto wholeFinding = [&](FindingRule rule, std::string message) {
        result.findings.push_back({rule, true, {}, {}, std::move(message)});
    };
    const bool gradeMissed = thresholds.maxGrade && result.grade > *thresholds.maxGrade;
    if (gradeMissed) {
        wholeFinding(FindingRule::MaxGrade, "grade " + TwoDecimalsUtf8(result.grade) +
                                                " is above the maximum of " +
                                                Shortest(*thresholds.maxGrade));
    }
    if (thresholds.minEase && result.ease < *thresholds.minEase) {
        wholeFinding(FindingRule::MinEase, "reading ease " + TwoDecimalsUtf8(result.ease) +
                                               " is below the minimum of " +
                                               Shortest(*thresholds.minEase));
    }
    if (thresholds.minScore && result.score && *result.score < *thresholds.minScore) {
        wholeFinding(FindingRule::MinScore, "overall score " + TwoDecimalsUtf8(*result.score) +
                                                " is below the minimum of " +
                                                Shortest(*thresholds.minScore));
    }
    if (gradeMissed || thresholds.maxSentenceWords) {
        PlaceFindings(source, SentenceFindings(document, analysis, settings, gradeMissed),
                      result.findings);
    }
    result.missed = !result.findings.empty();
}

void Analyse(const ProseDocument& document, std::u16string_view source,
             const DocumentSettings& settings, DocumentResult& result) {
    if (settings.lengthLimit && CleanInput(document.prose, settings.variant).exceededLimit) {
        result.error = TooLong();
        return;
    }
    if (!HoldsAnalysableText(document.prose, settings.variant)) {
        return;
    }
    const CliAnalysis analysis =
        settings.jsonLine ? AnalyseText(document.prose, settings.variant, settings.scenario)
                          : AnalyseFigures(document.prose, settings.variant, settings.scenario);
    result.hasText = true;
    result.words = analysis.job.wordCount;
    result.grade = analysis.job.fleschKincaidGrade;
    result.ease = analysis.job.fleschReadingEase;
    if (analysis.score) {
        result.score = analysis.score->overallScore;
    }
    WeighDocument(document, source, analysis, settings, result);
    if (settings.jsonLine) {
        result.output = CliJsonDocumentLine(&analysis, result.path, result.findings);
    }
}

void Read(const InputFile& file, const DocumentSettings& settings, DocumentResult& result) {
    // Markdown may hold much that is not prose; its prose is measured instead.
    const bool markdown = IsMarkdown(file.path, settings.input);
    const CliInput input =
        ReadCliInput(file.path, settings.lengthLimit && !markdown ? kMaxInputBytes : SIZE_MAX);
    if (input.status != InputStatus::Ok) {
        result.error = input.status == InputStatus::TooLarge ? TooLong() : input.error;
        return;
    }
    DecodedInput decoded = DecodeCliInput(input.bytes);
    if (!decoded.error.empty()) {
        result.error = std::move(decoded.error);
        return;
    }
    std::u16string& source = decoded.text;
    if (markdown) {
        Analyse(MarkdownProse(decoded.utf8, source), source, settings, result);
    } else {
        const ProseDocument document = PlainTextProse(std::move(source));
        Analyse(document, document.prose, settings, result);
    }
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
                            ? CliJsonDocumentLine(nullptr, result.path, result.findings)
                            : CliJsonErrorLine(result.path, result.error);
    }
    return result;
}
