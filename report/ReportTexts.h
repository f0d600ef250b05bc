#pragma once

#include <string_view>

// A headline and its two advice lines, chosen by the grade of one sub-score.
struct GradedSection {
    std::u16string_view headline;
    std::u16string_view firstAdvice;
    std::u16string_view secondAdvice;
};

// By the overall score's integer part; a score above 100 counts as exceptional.
std::u16string_view VerdictLine(double overallScore);

// By the overall score itself.
std::u16string_view ComparisonLine(double overallScore);

const GradedSection& SentenceLengthSection(double sentenceScore);
const GradedSection& ReadingEaseSection(double easeScore);
const GradedSection& VocabularySection(double vocabularyScore);
