#include "documents/HardSentences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "documents/DocumentAnalysis.h"
#include "documents/SourceDocument.h"
#include "documents/TextAnalysis.h"

namespace {

constexpr const char* kEasy = "We go to the park and sit in the sun. ";
constexpr const char* kHard =
    "Comprehensive administrative considerations necessitate institutional collaboration "
    "between international corporations. ";

SourceDocument Markdown(const std::string& text) {
    return LoadDocument(text, SourceKind::Markdown).document;
}

std::string Repeat(const char* sentence, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += sentence;
    }
    return text;
}

std::vector<const Finding*> SentenceFindings(const DocumentAnalysis& check) {
    std::vector<const Finding*> found;
    for (const Finding& finding : check.findings) {
        if (!finding.wholeDocument && !finding.section) {
            found.push_back(&finding);
        }
    }
    return found;
}

// The section's prose read again without the first `count` sentences named.
TextAnalysis WithoutNamed(const std::u16string& prose, const DocumentAnalysis& check,
                          const ProseSection& section, const Finding& missed, std::size_t count) {
    std::vector<std::pair<std::size_t, std::size_t>> cuts;
    for (std::size_t i = 0; i < count; ++i) {
        const auto sentence = std::find_if(
            check.sentences.begin(), check.sentences.end(),
            [&](const ProseSentence& s) { return s.sourceStart == missed.named[i].sourceStart; });
        cuts.emplace_back(sentence->span.start, sentence->span.end);
    }
    std::sort(cuts.rbegin(), cuts.rend());
    std::u16string rest = prose.substr(0, section.proseEnd);
    for (const auto& [start, end] : cuts) {
        rest.erase(start, end - start);
    }
    return AnalyseFigures(rest.substr(section.proseStart), EnglishVariant::Us, 0);
}

TEST(HardSentencesTest, TheFewestThatBringASectionWithinAreNamedWithItsFigures) {
    const SourceDocument document =
        Markdown("# Intro\n\n" + Repeat(kEasy, 6) + "\n\n# Guide\n\n" + Repeat(kEasy, 4) + kHard +
                 Repeat(kEasy, 2) + kHard + "\n");
    ProseSettings settings;
    settings.perSection = true;
    settings.thresholds.maxGrade = 9;
    const DocumentAnalysis check = AnalyseDocument(document.prose, settings, {.sentences = true});
    ASSERT_GE(check.findings.size(), 2U);
    const Finding& missed = check.findings[0];
    ASSERT_EQ(missed.section, "Guide");
    const ProseSection& guide = check.sections[1];
    ASSERT_FALSE(missed.named.empty());
    ASSERT_LE(missed.named.size(), kMostNamedSentences);
    EXPECT_EQ(missed.message.find("; rewriting"), std::string::npos) << missed.message;
    // Without the named ones the section meets the maximum; without one fewer it does not.
    EXPECT_LE(WithoutNamed(document.prose.prose, check, guide, missed, missed.named.size())
                  .job.fleschKincaidGrade,
              9);
    EXPECT_GT(WithoutNamed(document.prose.prose, check, guide, missed, missed.named.size() - 1)
                  .job.fleschKincaidGrade,
              9);
    // Each named one is a finding of its own, with the section's grade before and after it.
    const std::vector<const Finding*> sentences = SentenceFindings(check);
    ASSERT_EQ(sentences.size(), missed.named.size());
    char grade[16];
    std::snprintf(grade, sizeof grade, "%.1f", guide.grade);
    for (const Finding* sentence : sentences) {
        EXPECT_EQ(sentence->rule, FindingRule::MaxGrade);
        EXPECT_EQ(sentence->message.rfind("hard sentence: 9 words \u00B7 grade ", 0), 0U)
            << sentence->message;
        EXPECT_NE(sentence->message.find(std::string("without it: grade ") + grade + " \u2192"),
                  std::string::npos)
            << sentence->message;
        EXPECT_EQ(sentence->fingerprint.rfind("sentence:", 0), 0U);
    }
}

TEST(HardSentencesTest, HeadingsLabelsAndShortSentencesAreNeverNamed) {
    const SourceDocument document = Markdown(
        "# Comprehensive international organisational infrastructure considerations\n\n"
        "- Institutional administrative collaboration necessitates:\n"
        "  - one\n\n"
        "Internationalization necessitates standardization. " +
        std::string(kHard) + Repeat(kEasy, 2) + "\n");
    ProseSettings settings;
    settings.thresholds.maxGrade = 1;
    settings.thresholds.maxSentenceWords = SentenceWordLimit{.scenarioAim = false, .words = 2};
    const DocumentAnalysis check = AnalyseDocument(document.prose, settings, {});
    ASSERT_FALSE(check.findings.empty());
    EXPECT_TRUE(check.findings[0].wholeDocument);
    // Only the hard paragraph sentence and the easy ones, as hard and as long.
    const std::vector<const Finding*> sentences = SentenceFindings(check);
    EXPECT_FALSE(sentences.empty());
    for (const Finding* finding : sentences) {
        const bool named = finding->message.find("9 words") != std::string::npos ||
                           finding->message.find("10 words") != std::string::npos;
        EXPECT_TRUE(named) << finding->message;
    }
    // The heading, the label and the short sentence still count in the figures.
    EXPECT_EQ(check.analysis.job.wordCount, 5 + 4 + 1 + 3 + 9 + 20);
}

TEST(HardSentencesTest, SaysHowManyMoreWouldBeNeededPastFive) {
    ProseSettings settings;
    settings.thresholds.maxGrade = 12;
    const SourceDocument many = Markdown(Repeat(kEasy, 12) + Repeat(kHard, 20));
    const DocumentAnalysis more = AnalyseDocument(many.prose, settings, {});
    ASSERT_EQ(more.findings[0].named.size(), kMostNamedSentences);
    EXPECT_NE(more.findings[0].message.find("; rewriting the 5 sentences named and "),
              std::string::npos)
        << more.findings[0].message;
    EXPECT_EQ(SentenceFindings(more).size(), kMostNamedSentences);

    // Every sentence as hard as the rest: leaving any out helps nothing.
    const SourceDocument same = Markdown(Repeat(kHard, 9));
    const DocumentAnalysis none = AnalyseDocument(same.prose, settings, {});
    ASSERT_EQ(none.findings.size(), 1U);
    EXPECT_TRUE(none.findings[0].named.empty());

    settings.thresholds.maxGrade = 0;
    const SourceDocument mixed = Markdown(Repeat(kEasy, 2) + Repeat(kHard, 2));
    const DocumentAnalysis notEnough = AnalyseDocument(mixed.prose, settings, {});
    EXPECT_NE(notEnough.findings[0].message.find("named would not bring it within"),
              std::string::npos)
        << notEnough.findings[0].message;
}

TEST(HardSentencesTest, EaseAndScoreMissesNameSentencesOnceInNestedSections) {
    const SourceDocument document = Markdown("# Guide\n\n" + Repeat(kEasy, 3) + "\n\n## Part\n\n" +
                                             Repeat(kEasy, 3) + kHard + "\n");
    ProseSettings settings;
    settings.perSection = true;
    settings.thresholds.minEase = 90;
    const DocumentAnalysis check = AnalyseDocument(document.prose, settings, {});
    std::vector<const Finding*> missed;
    for (const Finding& finding : check.findings) {
        if (finding.section) {
            missed.push_back(&finding);
        }
    }
    ASSERT_EQ(missed.size(), 2U);
    ASSERT_EQ(missed[0]->named.size(), 1U);
    ASSERT_EQ(missed[1]->named.size(), 1U);
    EXPECT_EQ(missed[0]->named[0].sourceStart, missed[1]->named[0].sourceStart);
    const std::vector<const Finding*> sentences = SentenceFindings(check);
    ASSERT_EQ(sentences.size(), 1U);
    EXPECT_EQ(sentences[0]->rule, FindingRule::MinEase);
    // Told with the innermost section's figures, its ease among them.
    EXPECT_EQ(missed[1]->named[0].message, sentences[0]->message);
    EXPECT_NE(sentences[0]->message.find(", ease "), std::string::npos);
}

TEST(HardSentencesTest, TextsTooShortToJudgeAreNotHeldToFigures) {
    ProseSettings settings;
    settings.perSection = true;
    settings.thresholds.maxGrade = 0;
    settings.thresholds.minEase = 200;
    settings.thresholds.minScore = 100;
    const SourceDocument document =
        Markdown("# Example\n\n```\ncode\n```\n\n# Usage\n\n" + Repeat(kEasy, 3) + "\n");
    const DocumentAnalysis check = AnalyseDocument(document.prose, settings, {});
    ASSERT_FALSE(check.findings.empty());
    for (const Finding& finding : check.findings) {
        EXPECT_NE(finding.section, "Example");
    }
    settings.perSection = false;
    const SourceDocument tiny = Markdown("Utterly incomprehensible. Yes.\n");
    EXPECT_TRUE(AnalyseDocument(tiny.prose, settings, {}).findings.empty());
}

}  // namespace
