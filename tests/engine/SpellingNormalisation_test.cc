#include "engine/SpellingNormalisation.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kUs = EnglishVariant::Us;
constexpr auto kUk = EnglishVariant::Uk;

}  // namespace

TEST(NormalisedSpelling, RewritesWholeTokensIgnoringCase) {
    EXPECT_EQ(NormalisedSpelling(u"The color of the Theater", kUk), u"The colour of the theatre");
    EXPECT_EQ(NormalisedSpelling(u"Grey skies, grey", kUs), u"gray skies, gray");
    EXPECT_EQ(NormalisedSpelling(u"organize", kUk), u"organise");
    EXPECT_EQ(NormalisedSpelling(u"organise", kUs), u"organize");
    EXPECT_EQ(NormalisedSpelling(u"ORGANIZATION jewelry", kUk), u"organisation jewellery");
    // The simple lower-case mapping of KELVIN SIGN is an ASCII k.
    EXPECT_EQ(NormalisedSpelling(u"CHEC\u212A", kUk), u"cheque");
    // Only the other variant's spelling is a source.
    EXPECT_EQ(NormalisedSpelling(u"Colour maths", kUk), u"Colour maths");
}

TEST(NormalisedSpelling, LeavesTokensWithPunctuationOrLineBreaksAlone) {
    EXPECT_EQ(NormalisedSpelling(u"color.", kUk), u"color.");
    EXPECT_EQ(NormalisedSpelling(u"color\ncolor\tcolor", kUk), u"color\ncolor\tcolor");
    EXPECT_EQ(NormalisedSpelling(u"colors", kUk), u"colors");
    EXPECT_EQ(NormalisedSpelling(u"colo\u0072\u0301", kUk), u"colo\u0072\u0301");
}

TEST(NormalisedSpelling, RemovesOnlyOuterSpaces) {
    EXPECT_EQ(NormalisedSpelling(u"  color  ", kUk), u"colour");
    EXPECT_EQ(NormalisedSpelling(u"a  color\t ", kUk), u"a  color\t");
    EXPECT_EQ(NormalisedSpelling(u"   ", kUk), u"");
    EXPECT_EQ(NormalisedSpelling(u"", kUs), u"");
}

TEST(NormaliseSpelling, ReplacesTheJobsText) {
    AnalysisJob job;
    job.text = u" the tire ";
    NormaliseSpelling(job, kUk);
    EXPECT_EQ(job.text, u"the tyre");
}
