#include "engine/TextAgreement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Differences placed on each side of the 64-unit blocks the comparison takes.
TEST(TextAgreement, FindsTheFirstDifferenceFromEitherEndAcrossBlocks) {
    const std::u16string base(300, u'a');
    for (const std::size_t at : {0u, 1u, 63u, 64u, 65u, 127u, 128u, 200u, 299u}) {
        std::u16string changed = base;
        changed[at] = u'b';
        SCOPED_TRACE(at);
        EXPECT_EQ(AgreeingLength(base, changed), at);
        EXPECT_EQ(AgreeingLength(changed, base), at);
        EXPECT_EQ(AgreeingEndLength(base, changed, 300), 299 - at);
        EXPECT_EQ(AgreeingEndLength(changed, base, 300), 299 - at);
    }
    EXPECT_EQ(AgreeingLength(base, base), 300u);
    EXPECT_TRUE(SameText(base, std::u16string(300, u'a')));
    EXPECT_FALSE(SameText(base, base.substr(1)));
    EXPECT_FALSE(SameText(base.substr(1) + u'b', base));
    EXPECT_EQ(AgreeingLength(base, u""), 0u);
    EXPECT_EQ(AgreeingEndLength(base, u"", 300), 0u);
}

// A letter typed into a run of the same letter: the texts agree from both ends
// further than there is text, so the limit decides.
TEST(TextAgreement, TheEndsNeverAgreeFurtherThanTheLimit) {
    const std::u16string before(200, u'a');
    const std::u16string after = before + u'a';
    const std::size_t head = AgreeingLength(after, before);
    EXPECT_EQ(head, 200u);
    EXPECT_EQ(AgreeingEndLength(after, before, 0), 0u);
    for (const std::size_t limit : {1u, 63u, 64u, 65u, 130u}) {
        EXPECT_EQ(AgreeingEndLength(after, before, limit), limit);
    }
    EXPECT_EQ(AgreeingEndLength(after, before, 1000), 200u);
    const std::u16string longer = u"x" + before;
    EXPECT_EQ(AgreeingEndLength(longer, before, 1000), 200u);
}

}  // namespace
