#include "documents/ProseCheck.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

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

void AddSentenceFindings(const ProseCheck& check, const ProseSettings& settings, bool gradeMissed,
                         std::vector<Finding>& findings) {
    const Thresholds& thresholds = settings.thresholds;
    const TextAnalysis& analysis = check.analysis;
    const int aim = SelectScoreProfile(settings.scenario, settings.variant).maxSentenceLength;
    const SentenceWordLimit wordLimit = thresholds.maxSentenceWords.value_or(SentenceWordLimit{});
    const int maxWords = wordLimit.scenarioAim ? aim : wordLimit.words;
    for (const ProseSentence& sentence : check.sentences) {
        const SentenceSpan& span = sentence.span;
        const bool hard = gradeMissed && span.words > 0 && span.grade > *thresholds.maxGrade;
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
            finding.sourceStart = sentence.sourceStart;
            finding.sourceEnd = sentence.wordsEnd;
            finding.message = std::move(message);
            findings.push_back(std::move(finding));
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

void Weigh(const ProseSettings& settings, ProseCheck& check) {
    const Thresholds& thresholds = settings.thresholds;
    const AnalysisJob& job = check.analysis.job;
    const std::optional<double> score = ScoreOf(check.analysis);
    const auto wholeFinding = [&](FindingRule rule, std::string message) {
        Finding finding;
        finding.rule = rule;
        finding.message = std::move(message);
        check.findings.push_back(std::move(finding));
    };
    const bool gradeMissed = thresholds.maxGrade && job.fleschKincaidGrade > *thresholds.maxGrade;
    if (gradeMissed) {
        wholeFinding(FindingRule::MaxGrade, "grade " + TwoDecimalsUtf8(job.fleschKincaidGrade) +
                                                " is above the maximum of " +
                                                Shortest(*thresholds.maxGrade));
    }
    if (thresholds.minEase && job.fleschReadingEase < *thresholds.minEase) {
        wholeFinding(FindingRule::MinEase,
                     "reading ease " + TwoDecimalsUtf8(job.fleschReadingEase) +
                         " is below the minimum of " + Shortest(*thresholds.minEase));
    }
    if (thresholds.minScore && score && *score < *thresholds.minScore) {
        wholeFinding(FindingRule::MinScore, "overall score " + TwoDecimalsUtf8(*score) +
                                                " is below the minimum of " +
                                                Shortest(*thresholds.minScore));
    }
    if (gradeMissed || thresholds.maxSentenceWords) {
        AddSentenceFindings(check, settings, gradeMissed, check.findings);
    }
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
    const bool gradeMissed =
        thresholds.maxGrade && check.analysis.job.fleschKincaidGrade > *thresholds.maxGrade;
    if (needs.sentences || gradeMissed || thresholds.maxSentenceWords) {
        check.sentences = ProseSentences(document, check.analysis);
    }
    Weigh(settings, check);
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
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    const std::vector<TextPosition> positions = PositionsOf(source, offsets);
    const auto positionOf = [&](std::size_t offset) {
        return positions[static_cast<std::size_t>(
            std::lower_bound(offsets.begin(), offsets.end(), offset) - offsets.begin())];
    };
    for (Finding& finding : findings) {
        if (!finding.wholeDocument) {
            finding.start = positionOf(finding.sourceStart);
            finding.end = positionOf(finding.sourceEnd);
        }
    }
}
