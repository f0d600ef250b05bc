#include "documents/ProseCheck.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "documents/Fingerprint.h"
#include "documents/Utf8Figures.h"
#include "engine/InputValidation.h"
#include "engine/Scenario.h"
#include "engine/Utf8.h"
#include "report/WeightedScore.h"
#include "results/SentenceMarkText.h"

namespace {

// A threshold as the user wrote it: "12", "12.5".
std::string Shortest(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

std::optional<double> ScoreOf(const TextAnalysis& analysis) {
    return analysis.score ? std::optional(analysis.score->overallScore) : std::nullopt;
}

// What a set of thresholds is held to: the whole document's figures or a section's.
struct Figures {
    double grade = 0;
    double ease = 0;
    std::optional<double> score;
    const ProseSection* section = nullptr;  // none for the whole document
};

void AddFigureFindings(const Thresholds& thresholds, const Figures& figures,
                       std::vector<Finding>& findings) {
    const auto add = [&](FindingRule rule, double figure, std::string message) {
        Finding finding;
        finding.rule = rule;
        finding.figure = figure;
        finding.fingerprint = kDocumentFingerprint;
        if (const ProseSection* section = figures.section) {
            finding.wholeDocument = false;
            finding.section = EncodeUtf8(section->heading);
            finding.fingerprint = "section:" + WordsFingerprint(section->heading);
            finding.sourceStart = section->sourceStart;
            finding.sourceEnd = section->sourceEnd;
            message = SectionName(*finding.section) + ": " + message;
        }
        finding.message = std::move(message);
        findings.push_back(std::move(finding));
    };
    if (thresholds.maxGrade && figures.grade > *thresholds.maxGrade) {
        add(FindingRule::MaxGrade, figures.grade,
            "grade " + TwoDecimalsUtf8(figures.grade) + " is above the maximum of " +
                Shortest(*thresholds.maxGrade));
    }
    if (thresholds.minEase && figures.ease < *thresholds.minEase) {
        add(FindingRule::MinEase, figures.ease,
            "reading ease " + TwoDecimalsUtf8(figures.ease) + " is below the minimum of " +
                Shortest(*thresholds.minEase));
    }
    if (thresholds.minScore && figures.score && *figures.score < *thresholds.minScore) {
        add(FindingRule::MinScore, *figures.score,
            "overall score " + TwoDecimalsUtf8(*figures.score) + " is below the minimum of " +
                Shortest(*thresholds.minScore));
    }
}

// Prose ranges whose grade missed the maximum: where hard sentences are named.
using ProseRange = std::pair<std::size_t, std::size_t>;

bool Overlaps(const std::vector<ProseRange>& ranges, const SentenceSpan& span) {
    return std::any_of(ranges.begin(), ranges.end(), [&span](const ProseRange& range) {
        return span.start < range.second && span.end > range.first;
    });
}

void AddSentenceFindings(std::u16string_view prose, const ProseSettings& settings,
                         const std::vector<ProseRange>& gradeMissed, ProseCheck& check) {
    const Thresholds& thresholds = settings.thresholds;
    const TextAnalysis& analysis = check.analysis;
    const int aim = SelectScoreProfile(settings.scenario, settings.variant).maxSentenceLength;
    const SentenceWordLimit wordLimit = thresholds.maxSentenceWords.value_or(SentenceWordLimit{});
    const int maxWords = wordLimit.scenarioAim ? aim : wordLimit.words;
    for (const ProseSentence& sentence : check.sentences) {
        const SentenceSpan& span = sentence.span;
        const bool hard = span.words > 0 && span.grade > thresholds.maxGrade.value_or(0) &&
                          Overlaps(gradeMissed, span);
        const bool tooLong = thresholds.maxSentenceWords && span.words > maxWords;
        if (!hard && !tooLong) {
            continue;
        }
        const std::string cost = EncodeUtf8(SentenceCostText(
            span, sentence.impact, analysis.job.fleschKincaidGrade, ScoreOf(analysis)));
        const auto add = [&](FindingRule rule, std::string message) {
            Finding finding;
            finding.rule = rule;
            finding.wholeDocument = false;
            finding.fingerprint =
                "sentence:" + WordsFingerprint(prose.substr(span.start, span.end - span.start));
            finding.sourceStart = sentence.sourceStart;
            finding.sourceEnd = sentence.wordsEnd;
            finding.message = std::move(message);
            check.findings.push_back(std::move(finding));
        };
        if (hard) {
            add(FindingRule::MaxGrade, "hard sentence: grade above " +
                                           Shortest(*thresholds.maxGrade) + ", " +
                                           std::to_string(span.words) + " words \u00B7 " + cost);
        }
        if (tooLong) {
            std::string message = std::to_string(span.words) + " words \u2014 ";
            message += wordLimit.scenarioAim ? EncodeUtf8(kScenarioNames[settings.scenario]) +
                                                   " aims at " + std::to_string(aim) + " or fewer"
                                             : "at most " + std::to_string(maxWords) + " allowed";
            message += " \u00B7 ";
            message += cost;
            add(FindingRule::MaxSentenceWords, std::move(message));
        }
    }
}

// Repeated words are told apart by their order: the first is 1.
void NumberFingerprints(std::vector<Finding>& findings) {
    std::map<std::pair<FindingRule, std::string>, int> seen;
    for (Finding& finding : findings) {
        if (finding.fingerprint != kDocumentFingerprint) {
            const int number = ++seen[{finding.rule, finding.fingerprint}];
            finding.fingerprint += ":" + std::to_string(number);
        }
    }
}

// Where the grade missed, hard sentences are named too.
std::vector<ProseRange> WeighFigures(const ProseSettings& settings, ProseCheck& check) {
    const Thresholds& thresholds = settings.thresholds;
    std::vector<ProseRange> gradeMissed;
    if (settings.perSection && check.sections.size() > 1) {
        for (const ProseSection& section : check.sections) {
            if (section.hasText) {
                AddFigureFindings(thresholds,
                                  {section.grade, section.ease, section.score, &section},
                                  check.findings);
                if (thresholds.maxGrade && section.grade > *thresholds.maxGrade) {
                    gradeMissed.emplace_back(section.proseStart, section.proseEnd);
                }
            }
        }
        return gradeMissed;
    }
    const AnalysisJob& job = check.analysis.job;
    AddFigureFindings(thresholds,
                      {job.fleschKincaidGrade, job.fleschReadingEase, ScoreOf(check.analysis)},
                      check.findings);
    if (thresholds.maxGrade && job.fleschKincaidGrade > *thresholds.maxGrade) {
        gradeMissed.emplace_back(0, SIZE_MAX);
    }
    return gradeMissed;
}

}  // namespace

ProseCheck CheckProse(const ProseDocument& document, const ProseSettings& settings,
                      CheckNeeds needs) {
    ProseCheck check;
    if (!HoldsAnalysableText(document.prose, settings.variant)) {
        return check;
    }
    check.hasText = true;
    check.analysis = needs.fullAnalysis
                         ? AnalyseText(document.prose, settings.variant, settings.scenario)
                         : AnalyseFigures(document.prose, settings.variant, settings.scenario);
    const Thresholds& thresholds = settings.thresholds;
    const bool figureThresholds = thresholds.maxGrade || thresholds.minEase || thresholds.minScore;
    if (needs.sections || (settings.perSection && figureThresholds)) {
        check.sections = ProseSections(document, settings.variant, settings.scenario);
    }
    const std::vector<ProseRange> gradeMissed = WeighFigures(settings, check);
    const bool sentenceFindings = !gradeMissed.empty() || thresholds.maxSentenceWords;
    if (needs.sentences || sentenceFindings) {
        check.sentences = ProseSentences(document, check.analysis);
    }
    if (sentenceFindings) {
        AddSentenceFindings(document.prose, settings, gradeMissed, check);
    }
    NumberFingerprints(check.findings);
    return check;
}

void PlaceFindings(std::u16string_view source, std::vector<Finding>& findings) {
    std::vector<std::size_t> offsets;
    offsets.reserve(2 * findings.size());
    for (const Finding& finding : findings) {
        if (!finding.wholeDocument) {
            offsets.push_back(finding.sourceStart);
            offsets.push_back(finding.sourceEnd);
        }
    }
    const PlacedOffsets placed = PlaceOffsets(source, std::move(offsets));
    for (Finding& finding : findings) {
        if (!finding.wholeDocument) {
            finding.start = placed.At(finding.sourceStart);
            finding.end = placed.At(finding.sourceEnd);
        }
    }
}
