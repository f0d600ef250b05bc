#include "engine/SpellingNormalisation.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kUs = EnglishVariant::Us;
constexpr auto kUk = EnglishVariant::Uk;

}  // namespace

TEST(NormalisedSpelling, RewritesWholeTokensIgnoringCase) {
    EXPECT_EQ(NormalisedSpelling(u"The color of the Theater", kUk), u"The colour of the theatre");
    EXPECT_EQ(NormalisedSpelling(u"Grey skies, grey", kUs), u"gray skies, gray");
    EXPECT_EQ(NormalisedSpelling(u"organise ORGANISATION", kUs), u"organize organization");
    // The simple lower-case mapping of KELVIN SIGN is an ASCII k.
    EXPECT_EQ(NormalisedSpelling(u"CHEC\u212A", kUk), u"cheque");
    // Only the other variant's spelling is a source.
    EXPECT_EQ(NormalisedSpelling(u"Colour maths", kUk), u"Colour maths");
}

TEST(NormalisedSpelling, LeavesTokensWithPunctuationOrLineBreaksAlone) {
    EXPECT_EQ(NormalisedSpelling(u"color.", kUk), u"color.");
    EXPECT_EQ(NormalisedSpelling(u"color\ncolor\tcolors", kUk), u"color\ncolor\tcolors");
}

TEST(NormalisedSpelling, RemovesOnlyOuterSpaces) {
    EXPECT_EQ(NormalisedSpelling(u"  color  ", kUk), u"colour");
    EXPECT_EQ(NormalisedSpelling(u"a  tire\t tire ", kUk), u"a  tire\t tyre");
    EXPECT_EQ(NormalisedSpelling(u"   ", kUk), u"");
    EXPECT_EQ(NormalisedSpelling(u"", kUs), u"");
}

TEST(NormaliseSpelling, TrimsTheJobsTextWhenNoTokenIsReplaced) {
    AnalysisJob job{.text = u"  Colour  skies "};
    NormaliseSpelling(job, kUk);
    EXPECT_EQ(job.text, u"Colour  skies");
    job.text = u"   ";
    NormaliseSpelling(job, kUk);
    EXPECT_EQ(job.text, u"");
    job.text = u" color ";
    NormaliseSpelling(job, kUk);
    EXPECT_EQ(job.text, u"colour");
}
