#include "results/SentenceMarkText.h"

#include <gtest/gtest.h>

namespace {

TEST(SentenceMarkText, WordsAimGradeAndWhatGoesWithoutIt) {
    SentenceSpan span;
    span.words = 31;
    span.grade = 16.44;
    SentenceImpact impact;
    impact.gradeWithout = 8.94;
    impact.scoreWithout = 66.046;
    EXPECT_EQ(SentenceMarkText(span, impact, 4, 18, 9.75, 61.2),
              u"31 words \u2014 Blog Post aims at 18 or fewer \u00B7 grade 16.4 \u00B7 without it: "
              u"grade 9.8 \u2192 8.9, score 61.20 \u2192 66.05");
    // Without a score on either side there is no score to compare.
    impact.scoreWithout.reset();
    EXPECT_EQ(SentenceMarkText(span, impact, 4, 18, 9.75, 61.2),
              u"31 words \u2014 Blog Post aims at 18 or fewer \u00B7 grade 16.4 \u00B7 without it: "
              u"grade 9.8 \u2192 8.9");
}

}  // namespace
