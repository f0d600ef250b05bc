#include "documents/DocumentAnalysis.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "documents/Fingerprint.h"
#include "documents/HardSentences.h"
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

// What a set of thresholds is held to: the whole document or a section.
struct Weighed {
    MissedFigures figures;
    const ProseSection* section = nullptr;  // none for the whole document
    std::size_t proseStart = 0;
    std::size_t proseEnd = SIZE_MAX;
    std::size_t firstFinding = 0;  // its findings in the result's
    std::size_t findingCount = 0;
};

void AddFigureFindings(const Thresholds& thresholds, Weighed& weighed,
                       std::vector<Finding>& findings) {
    MissedFigures& figures = weighed.figures;
    weighed.firstFinding = findings.size();
    // The report's own rule: a text too short for a score is too short to judge.
    if (!figures.score) {
        return;
    }
    const auto add = [&](FindingRule rule, double figure, std::string message) {
        Finding finding;
        finding.rule = rule;
        finding.figure = figure;
        finding.fingerprint = kDocumentFingerprint;
        if (const ProseSection* section = weighed.section) {
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
    const double grade = figures.counts.fleschKincaidGrade;
    const double ease = figures.counts.fleschReadingEase;
    if (thresholds.maxGrade && grade > *thresholds.maxGrade) {
        figures.missed.maxGrade = thresholds.maxGrade;
        add(FindingRule::MaxGrade, grade,
            "grade " + TwoDecimalsUtf8(grade) + " is above the maximum of " +
                Shortest(*thresholds.maxGrade));
    }
    if (thresholds.minEase && ease < *thresholds.minEase) {
        figures.missed.minEase = thresholds.minEase;
        add(FindingRule::MinEase, ease,
            "reading ease " + TwoDecimalsUtf8(ease) + " is below the minimum of " +
                Shortest(*thresholds.minEase));
    }
    if (thresholds.minScore && *figures.score < *thresholds.minScore) {
        figures.missed.minScore = thresholds.minScore;
        add(FindingRule::MinScore, *figures.score,
            "overall score " + TwoDecimalsUtf8(*figures.score) + " is below the minimum of " +
                Shortest(*thresholds.minScore));
    }
    weighed.findingCount = findings.size() - weighed.firstFinding;
}

// The documents or sections that missed.
std::vector<Weighed> WeighFigures(const ProseSettings& settings, DocumentAnalysis& result) {
    std::vector<Weighed> weighed;
    if (settings.perSection && result.sections.size() > 1) {
        for (const ProseSection& section : result.sections) {
            if (!section.hasText) {
                continue;
            }
            Weighed& one = weighed.emplace_back();
            AnalysisJob& counts = one.figures.counts;
            counts.wordCount = section.words;
            counts.sentenceCount = section.sentences;
            counts.characterCount = section.characters;
            counts.syllableCount = section.syllables;
            counts.fleschKincaidGrade = section.grade;
            counts.fleschReadingEase = section.ease;
            one.figures.ascii = section.ascii;
            one.figures.score = section.score;
            one.section = &section;
            one.proseStart = section.proseStart;
            one.proseEnd = section.proseEnd;
        }
    } else {
        const TextAnalysis& analysis = result.analysis;
        AnalysisJob& counts = weighed.emplace_back().figures.counts;
        counts.wordCount = analysis.job.wordCount;
        counts.sentenceCount = analysis.job.sentenceCount;
        counts.characterCount = analysis.job.characterCount;
        counts.syllableCount = analysis.job.syllableCount;
        counts.fleschKincaidGrade = result.figures.grade;
        counts.fleschReadingEase = result.figures.ease;
        weighed.back().figures.ascii = {analysis.complexWordCount, analysis.longWordCount};
        weighed.back().figures.score = result.figures.score;
    }
    for (Weighed& one : weighed) {
        AddFigureFindings(settings.thresholds, one, result.findings);
    }
    std::erase_if(weighed, [](const Weighed& one) { return one.findingCount == 0; });
    return weighed;
}

// Headings, labels that end with a colon (a block of one sentence, given its
// full stop) and sentences of fewer than 4 words are not worth rewriting.
constexpr std::int64_t kFewestNamedWords = 4;

bool IsNameable(const ProseDocument& document, const SentenceSpan& span) {
    if (span.words < kFewestNamedWords) {
        return false;
    }
    const std::u16string_view prose = document.prose;
    const WordsRange words = SentenceWords(prose, span);
    const std::vector<ProseHeading>& headings = document.headings;
    const auto after = std::upper_bound(
        headings.begin(), headings.end(), words.start,
        [](std::size_t start, const ProseHeading& heading) { return start < heading.proseStart; });
    if (after != headings.begin() && words.start < std::prev(after)->proseEnd) {
        return false;
    }
    constexpr std::u16string_view kBlockBreak = u"\n\n";
    const bool blockStart = words.start == 0 || prose.substr(0, words.start).ends_with(kBlockBreak);
    const bool blockEnd =
        words.end == prose.size() || prose.substr(words.end).starts_with(kBlockBreak);
    return !(blockStart && blockEnd && prose.substr(0, words.end).ends_with(u":."));
}

std::string HardSentenceMessage(const SentenceSpan& span, const SentenceImpact& without,
                                const Weighed& miss) {
    const MissedFigures& figures = miss.figures;
    std::string message = "hard sentence: " + CountOf(span.words, "word") + " \u00B7 " +
                          EncodeUtf8(SentenceCostText(
                              span, without, figures.counts.fleschKincaidGrade, figures.score));
    if (figures.missed.minEase) {
        message += ", ease " + TwoDecimalsUtf8(figures.counts.fleschReadingEase) + " \u2192 " +
                   TwoDecimalsUtf8(without.easeWithout);
    }
    return message;
}

Finding SentenceFinding(std::u16string_view prose, const ProseSentence& sentence, FindingRule rule,
                        std::string message) {
    const SentenceSpan& span = sentence.span;
    Finding finding;
    finding.rule = rule;
    finding.wholeDocument = false;
    finding.fingerprint =
        "sentence:" + WordsFingerprint(prose.substr(span.start, span.end - span.start));
    finding.sourceStart = sentence.sourceStart;
    finding.sourceEnd = sentence.wordsEnd;
    finding.message = std::move(message);
    return finding;
}

// Where rewriting the sentences named would not be enough, the figure's finding says so.
std::string NotEnoughNote(const HardSentences& chosen) {
    const std::string named = CountOf(static_cast<std::int64_t>(chosen.named.size()), "sentence");
    if (chosen.moreNeeded > 0) {
        return "; rewriting the " + named + " named and " + std::to_string(chosen.moreNeeded) +
               " more would bring it within";
    }
    return "; rewriting the " + named + " named would not bring it within";
}

// The fewest sentences whose rewriting would bring each document or section
// that missed within its thresholds. Sections nest: a sentence named for a
// section and its parent is one finding, told with the innermost one's figures.
void NameHardSentences(const ProseDocument& document, const ProseSettings& settings,
                       const std::vector<Weighed>& misses, const std::vector<bool>& nameable,
                       DocumentAnalysis& result, std::vector<Finding>& sentenceFindings) {
    const ScoreProfile& profile = SelectScoreProfile(settings.scenario, settings.variant);
    std::vector<std::optional<std::size_t>> findingOf(result.sentences.size());
    std::vector<std::size_t> indices;
    std::vector<SentenceSpan> candidates;
    for (auto miss = misses.rbegin(); miss != misses.rend(); ++miss) {
        indices.clear();
        candidates.clear();
        const auto first =
            std::lower_bound(result.sentences.begin(), result.sentences.end(), miss->proseStart,
                             [](const ProseSentence& sentence, std::size_t start) {
                                 return sentence.span.start < start;
                             });
        for (auto sentence = first;
             sentence != result.sentences.end() && sentence->span.start < miss->proseEnd;
             ++sentence) {
            const auto index = static_cast<std::size_t>(sentence - result.sentences.begin());
            if (nameable[index]) {
                indices.push_back(index);
                candidates.push_back(sentence->span);
            }
        }
        const HardSentences chosen =
            ChooseHardSentences(miss->figures, candidates, profile, settings.variant);
        std::vector<NamedSentence> named;
        for (std::size_t i = 0; i < chosen.named.size(); ++i) {
            const std::size_t index = indices[chosen.named[i]];
            const ProseSentence& sentence = result.sentences[index];
            if (!findingOf[index]) {
                findingOf[index] = sentenceFindings.size();
                sentenceFindings.push_back(
                    SentenceFinding(document.prose, sentence, FirstMissedRule(miss->figures.missed),
                                    HardSentenceMessage(sentence.span, chosen.without[i], *miss)));
            }
            NamedSentence& one = named.emplace_back();
            one.sourceStart = sentence.sourceStart;
            one.sourceEnd = sentence.wordsEnd;
            one.message = sentenceFindings[*findingOf[index]].message;
        }
        for (std::size_t i = 0; i < miss->findingCount; ++i) {
            Finding& finding = result.findings[miss->firstFinding + i];
            finding.named = named;
            if (!named.empty() && (!chosen.enough || chosen.moreNeeded > 0)) {
                finding.message += NotEnoughNote(chosen);
            }
        }
    }
}
void AddLongSentences(const ProseDocument& document, const ProseSettings& settings,
                      const std::vector<bool>& nameable, const DocumentAnalysis& result,
                      std::vector<Finding>& sentenceFindings) {
    const int aim = result.sentenceAim;
    const SentenceWordLimit wordLimit = *settings.thresholds.maxSentenceWords;
    const int maxWords = wordLimit.scenarioAim ? aim : wordLimit.words;
    for (std::size_t i = 0; i < result.sentences.size(); ++i) {
        const ProseSentence& sentence = result.sentences[i];
        const SentenceSpan& span = sentence.span;
        if (!nameable[i] || span.words <= maxWords) {
            continue;
        }
        std::string message = CountOf(span.words, "word") + " \u2014 ";
        message += wordLimit.scenarioAim ? EncodeUtf8(kScenarioNames[settings.scenario]) +
                                               " aims at " + std::to_string(aim) + " or fewer"
                                         : "at most " + std::to_string(maxWords) + " allowed";
        message += " \u00B7 ";
        message += EncodeUtf8(
            SentenceCostText(span, sentence.impact, result.figures.grade, result.figures.score));
        sentenceFindings.push_back(SentenceFinding(
            document.prose, sentence, FindingRule::MaxSentenceWords, std::move(message)));
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

}  // namespace

DocumentAnalysis AnalyseDocument(const ProseDocument& document, const ProseSettings& settings,
                                 AnalysisNeeds needs, AnalysisMemory* memory) {
    DocumentAnalysis result;
    const bool analysable = needs.anyText ? !document.prose.empty()
                                          : HoldsAnalysableText(document.prose, settings.variant);
    if (!analysable) {
        return result;
    }
    result.sentenceAim = SentenceAim(settings);
    const CountingOptions counting{settings.rates, memory != nullptr ? &memory->counts : nullptr};
    result.analysis =
        needs.fullAnalysis
            ? AnalyseText(document.prose, settings.variant, settings.scenario, counting)
            : AnalyseFigures(document.prose, settings.variant, settings.scenario, counting);
    const AnalysisJob& job = result.analysis.job;
    DocumentFigures& figures = result.figures;
    figures.hasText = true;
    figures.words = job.wordCount;
    figures.grade = job.fleschKincaidGrade;
    figures.ease = job.fleschReadingEase;
    if (result.analysis.score) {
        figures.score = result.analysis.score->overallScore;
    }
    const Thresholds& thresholds = settings.thresholds;
    const bool figureThresholds = thresholds.maxGrade || thresholds.minEase || thresholds.minScore;
    if (needs.sections || (settings.perSection && figureThresholds)) {
        result.sections = ProseSections(document, settings.variant, settings.scenario);
    }
    const std::vector<Weighed> misses = WeighFigures(settings, result);
    if (needs.sentences || !misses.empty() || thresholds.maxSentenceWords) {
        result.sentences =
            ProseSentences(document, result.analysis, memory != nullptr ? &memory->spans : nullptr);
    }
    std::vector<bool> nameable;
    if (!misses.empty() || thresholds.maxSentenceWords) {
        nameable.reserve(result.sentences.size());
        for (const ProseSentence& sentence : result.sentences) {
            nameable.push_back(IsNameable(document, sentence.span));
        }
    }
    std::vector<Finding> sentenceFindings;
    NameHardSentences(document, settings, misses, nameable, result, sentenceFindings);
    if (thresholds.maxSentenceWords) {
        AddLongSentences(document, settings, nameable, result, sentenceFindings);
    }
    // In the sentences' order, so that copies are numbered as they stand.
    std::stable_sort(sentenceFindings.begin(), sentenceFindings.end(),
                     [](const Finding& a, const Finding& b) {
                         return std::pair(a.sourceStart, a.rule) < std::pair(b.sourceStart, b.rule);
                     });
    std::move(sentenceFindings.begin(), sentenceFindings.end(),
              std::back_inserter(result.findings));
    NumberFingerprints(result.findings);
    return result;
}

int SentenceAim(const ProseSettings& settings) {
    return SelectScoreProfile(settings.scenario, settings.variant).maxSentenceLength;
}

std::u16string MarkTextOf(const ProseSentence& sentence, const DocumentFigures& figures,
                          const ProseSettings& settings) {
    return SentenceMarkText(sentence.span, sentence.impact, settings.scenario,
                            SentenceAim(settings), figures.grade, figures.score);
}

void PlaceFindings(std::u16string_view source, std::vector<Finding>& findings) {
    std::vector<std::size_t> offsets;
    offsets.reserve(2 * findings.size());
    for (const Finding& finding : findings) {
        if (!finding.wholeDocument) {
            offsets.push_back(finding.sourceStart);
            offsets.push_back(finding.sourceEnd);
        }
        for (const NamedSentence& named : finding.named) {
            offsets.push_back(named.sourceStart);
            offsets.push_back(named.sourceEnd);
        }
    }
    const PlacedOffsets placed = PlaceOffsets(source, std::move(offsets));
    for (Finding& finding : findings) {
        if (!finding.wholeDocument) {
            finding.start = placed.At(finding.sourceStart);
            finding.end = placed.At(finding.sourceEnd);
        }
        for (NamedSentence& named : finding.named) {
            named.start = placed.At(named.sourceStart);
            named.end = placed.At(named.sourceEnd);
        }
    }
}
