#include "report/ReportTexts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "report/BandValue.h"

namespace {

// The first entry whose minimum the value reaches applies; the last one catches the rest.
struct Verdict {
    std::int64_t minimumIntegerPart;
    std::u16string_view line;
};

constexpr std::array<Verdict, 6> kVerdicts = {{
    {90,
     u"\U0001F3C6 Exceptional: The text is highly readable And perfectly tailored For the "
     u"intended audience. No major changes are needed. Great job!"},
    {80,
     u"\U0001F7E2 Excellent: The text is very readable and engaging. A few minor tweaks to "
     u"sentence variety or tone could make it even better."},
    {70,
     u"\U0001F7E1 Good: The text is generally clear and accessible. Slight adjustments to reduce "
     u"complexity or improve flow may enhance readability further."},
    {60,
     u"\U0001F7E0 Moderate: The text is somewhat readable but may pose challenges for certain "
     u"audiences. Focus on simplifying longer sentences and replacing complex vocabulary where "
     u"appropriate."},
    {50,
     u"\U0001F534 Challenging: The text may be difficult for your audience to read. Consider "
     u"restructuring sentences and reducing the density of complex words to improve clarity."},
    {std::numeric_limits<std::int64_t>::min(),
     u"\u274C Poor: The text is likely too difficult for the intended audience. Simplify "
     u"sentence structures, avoid technical jargon, and break down complex ideas into more "
     u"digestible pieces."},
}};

struct Comparison {
    double minimumScore;
    std::u16string_view line;
};

constexpr std::array<Comparison, 4> kComparisons = {{
    {90, u"\u2022 Comparable to a highly engaging blog post or a well-crafted article."},
    {70, u"\u2022 Similar to general online content or light academic papers."},
    {50, u"\u2022 Text may feel as complex as a technical manual or dense academic research."},
    {-std::numeric_limits<double>::infinity(),
     u"\u2022 Text resembles highly specialized or overly technical material."},
}};

// Grades 1 to 3 start at these sub-scores; anything lower is grade 4.
constexpr std::array<double, 3> kGradeMinimums = {90, 80, 60};

using GradedSections = std::array<GradedSection, 4>;

constexpr GradedSections kSentenceLength = {{
    {u"\U0001F7E2 Sentence Length: Exceptional! Your sentences are concise and perfectly aligned "
     u"with readability guidelines. ",
     u"  \u2022 Readers will appreciate the balance between short and long sentences, which helps "
     u"maintain engagement and comprehension.",
     u"  \u2022 Keep up the great work by using a mix of sentence types to maintain this strong "
     u"readability."},
    {u"\U0001F7E2 Sentence Length: Very good! Your sentences are well within the recommended "
     u"range. ",
     u"  \u2022 This contributes to a smooth reading experience, making your text accessible and "
     u"easy to follow.",
     u"  \u2022 Consider adding some variety by incorporating slightly longer or more complex "
     u"sentences where appropriate."},
    {u"\U0001F7E1 Sentence Length: Moderate. While most sentences are appropriate, some "
     u"adjustments could improve readability. ",
     u"  \u2022 Watch out for overly long sentences that may confuse readers or disrupt flow.",
     u"  \u2022 Break down complex ideas into smaller, standalone sentences for better clarity."},
    {u"\U0001F534 Sentence Length: Needs improvement. Sentence lengths may be too long or "
     u"inconsistent. ",
     u"  \u2022 Long sentences can overwhelm readers; consider breaking them into shorter parts.",
     u"  \u2022 Aim for a more balanced sentence structure to make the text easier to read."},
}};

constexpr GradedSections kReadingEase = {{
    {u"\U0001F7E2 Flesch-Kincaid Ease: Outstanding! The text is exceptionally clear and easy to "
     u"understand. ",
     u"  \u2022 It strikes the perfect balance between simplicity and informativeness, making it "
     u"suitable for a wide audience.",
     u"  \u2022 Continue to use straightforward language and concise sentence structures."},
    {u"\U0001F7E2 Flesch-Kincaid Ease: Great! The readability level matches your audience's "
     u"expectations well. ",
     u"  \u2022 Your text is accessible and likely enjoyable for your readers.",
     u"  \u2022 Maintain this level of readability by avoiding overly complex terms or "
     u"structures."},
    {u"\U0001F7E1 Flesch-Kincaid Ease: Adequate. The readability is acceptable but could benefit "
     u"from some simplification. ",
     u"  \u2022 Replace some longer words or phrases with simpler alternatives.",
     u"  \u2022 Consider restructuring sentences to be more concise and direct."},
    {u"\U0001F534 Flesch-Kincaid Ease: Challenging. The text may be too complex for the intended "
     u"audience. ",
     u"  \u2022 Simplify your sentences by reducing clauses and using shorter words.",
     u"  \u2022 Avoid technical jargon unless absolutely necessary, and provide clear "
     u"explanations."},
}};

constexpr GradedSections kVocabulary = {{
    {u"\U0001F7E2 Vocabulary Complexity: Excellent! Your word choices are perfectly suited to "
     u"your audience. ",
     u"  \u2022 The balance between simplicity and precision ensures readability without "
     u"sacrificing depth.",
     u"  \u2022 Keep this balance by choosing terms that convey meaning clearly without "
     u"overwhelming the reader."},
    {u"\U0001F7E2 Vocabulary Complexity: Very good! Your vocabulary is appropriate and aligns "
     u"well with audience expectations. ",
     u"  \u2022 Readers will find the text engaging without being overly complex.",
     u"  \u2022 Consider adding variety with synonyms or alternative phrasing to enhance reader "
     u"interest."},
    {u"\U0001F7E1 Vocabulary Complexity: Acceptable. While the vocabulary is somewhat "
     u"appropriate, there is room for improvement. ",
     u"  \u2022 Reduce the use of advanced terms or jargon that may confuse some readers.",
     u"  \u2022 Simplify expressions where possible to improve comprehension."},
    {u"\U0001F534 Vocabulary Complexity: Needs improvement. The vocabulary may be too complex for "
     u"the target audience. ",
     u"  \u2022 Use simpler words and avoid unnecessary technical terms to enhance readability.",
     u"  \u2022 When advanced terms are necessary, provide clear definitions or context."},
}};

const GradedSection& SectionForScore(const GradedSections& sections, double score) {
    std::size_t grade = 0;
    while (grade < kGradeMinimums.size() && !(score >= kGradeMinimums[grade])) {
        ++grade;
    }
    return sections[grade];
}

}  // namespace

std::u16string_view VerdictLine(double overallScore) {
    const std::int64_t integerPart = BandValue(overallScore);
    for (const Verdict& verdict : kVerdicts) {
        if (integerPart >= verdict.minimumIntegerPart) {
            return verdict.line;
        }
    }
    return kVerdicts.back().line;
}

std::u16string_view ComparisonLine(double overallScore) {
    for (const Comparison& comparison : kComparisons) {
        if (overallScore >= comparison.minimumScore) {
            return comparison.line;
        }
    }
    // Only NaN reaches here.
    return kComparisons.back().line;
}

const GradedSection& SentenceLengthSection(double sentenceScore) {
    return SectionForScore(kSentenceLength, sentenceScore);
}

const GradedSection& ReadingEaseSection(double easeScore) {
    return SectionForScore(kReadingEase, easeScore);
}

const GradedSection& VocabularySection(double vocabularyScore) {
    return SectionForScore(kVocabulary, vocabularyScore);
}
