#include "results/SentenceMarkText.h"

#include "engine/Scenario.h"
#include "engine/TwoDecimals.h"

std::u16string SentenceMarkText(const SentenceSpan& span, const SentenceImpact& impact,
                                int scenario, int maxSentenceLength, double wholeGrade,
                                std::optional<double> wholeScore) {
    std::u16string text = FormatCount(span.words);
    text += u" words \u2014 ";
    text += kScenarioNames[IsValidScenario(scenario) ? scenario : 0];
    text += u" aims at ";
    text += FormatCount(maxSentenceLength);
    text += u" or fewer \u00B7 ";
    text += SentenceCostText(span, impact, wholeGrade, wholeScore);
    return text;
}

std::u16string SentenceCostText(const SentenceSpan& span, const SentenceImpact& impact,
                                double wholeGrade, std::optional<double> wholeScore) {
    std::u16string text = u"grade ";
    text += FormatOneDecimal(span.grade);
    text += u" \u00B7 without it: grade ";
    text += FormatOneDecimal(wholeGrade);
    text += u" \u2192 ";
    text += FormatOneDecimal(impact.gradeWithout);
    if (wholeScore && impact.scoreWithout) {
        text += u", score ";
        text += FormatTwoDecimals(*wholeScore);
        text += u" \u2192 ";
        text += FormatTwoDecimals(*impact.scoreWithout);
    }
    return text;
}
