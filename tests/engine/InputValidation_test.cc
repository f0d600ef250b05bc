#include "engine/InputValidation.h"

#include <gtest/gtest.h>

#include <string>

TEST(CleanInput, KeepsOnlyTheVariantsAllowedCharacters) {
    EXPECT_EQ(CleanInput(u"Caf\u00E9", EnglishVariant::Us).text, u"Caf");
    EXPECT_EQ(CleanInput(u"Caf\u00E9 \u00F1\u00C7", EnglishVariant::Uk).text, u"Caf\u00E9 \u00F1");
    EXPECT_EQ(CleanInput(u"\"a\" \u201Cb\u201D\u2019", EnglishVariant::Us).text,
              u"a \u201Cb\u201D\u2019");
    EXPECT_EQ(CleanInput(u"'-.,!?;:()\\\t\n\r\u2013\u2014", EnglishVariant::Us).text.size(), 16u);
    EXPECT_EQ(CleanInput(u"\u00A1\u00BF/&\u0661\U0001F600", EnglishVariant::Uk).text, u"");
}

TEST(CleanInput, CutsAtTheLimitAndSaysSo) {
    const CleanedInput atLimit = CleanInput(std::u16string(32768, u'a'), EnglishVariant::Us);
    EXPECT_EQ(atLimit.text.size(), 32768u);
    EXPECT_FALSE(atLimit.exceededLimit);

    const CleanedInput overLimit = CleanInput(std::u16string(32769, u'a'), EnglishVariant::Us);
    EXPECT_EQ(overLimit.text.size(), 32768u);
    EXPECT_TRUE(overLimit.exceededLimit);

    // Removed characters do not count toward the limit.
    std::u16string mixed;
    for (int i = 0; i < 10000; ++i) {
        mixed += u"abc/";
    }
    const CleanedInput removed = CleanInput(mixed, EnglishVariant::Us);
    EXPECT_EQ(removed.text.size(), 30000u);
    EXPECT_FALSE(removed.exceededLimit);
}

TEST(HoldsAnalysableText, AgreesWithCleanInput) {
    for (const std::u16string_view text :
         {u"", u"///&&\"/", u"\u00E9\u00F1", u"\U0001F600 x", u"\u201C", u"  \r\n"}) {
        for (const EnglishVariant variant : {EnglishVariant::Us, EnglishVariant::Uk}) {
            EXPECT_EQ(HoldsAnalysableText(text, variant), !CleanInput(text, variant).text.empty());
        }
    }
}
