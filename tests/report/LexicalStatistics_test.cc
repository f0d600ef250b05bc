#include "report/LexicalStatistics.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::u16string> Words(const LexicalStatistics& stats) {
    std::vector<std::u16string> words;
    for (const WordFrequency& frequency : stats.mostFrequent) {
        words.push_back(frequency.word);
    }
    return words;
}

TEST(ScanLexicon, CountsLowerCasedBlankSeparatedFields) {
    const LexicalStatistics stats = ScanLexicon(u"The cat. The cat. The dog.");
    EXPECT_EQ(stats.wordsScanned, 6);
    EXPECT_EQ(stats.totalCharacters, 21);
    EXPECT_EQ(stats.distinctWords, 3);
    EXPECT_EQ(stats.repeatedOccurrences, 3);
    ASSERT_EQ(stats.mostFrequent.size(), 3u);
    EXPECT_EQ(stats.mostFrequent[0].word, u"the");
    EXPECT_EQ(stats.mostFrequent[0].count, 3);
    EXPECT_EQ(stats.mostFrequent[1].word, u"cat.");
    EXPECT_EQ(stats.mostFrequent[1].count, 2);
    EXPECT_EQ(stats.mostFrequent[2].word, u"dog.");
    EXPECT_EQ(stats.mostFrequent[2].count, 1);
}

TEST(ScanLexicon, OnlyTheBlankSeparatesAndEmptyFieldsAreSkipped) {
    EXPECT_EQ(ScanLexicon(u"  one.  two  ").wordsScanned, 2);
    EXPECT_EQ(ScanLexicon(u"end\nstart\tand,").wordsScanned, 1);
    EXPECT_EQ(ScanLexicon(u"").wordsScanned, 0);
    EXPECT_TRUE(ScanLexicon(u"   ").mostFrequent.empty());
    EXPECT_EQ(ScanLexicon(u"word word,").distinctWords, 2);
    // Fields are read four code units at a time: ends on and off those steps.
    EXPECT_EQ(ScanLexicon(u"abcdefgh abcdefgh abcdefg").distinctWords, 2);
    EXPECT_EQ(ScanLexicon(u"abcd abcd").repeatedOccurrences, 1);
    EXPECT_EQ(ScanLexicon(std::u16string_view(u"a\0 a", 4)).distinctWords, 2);
}

TEST(ScanLexicon, KeepsFieldsWholeInLongTexts) {
    std::u16string words;
    for (int i = 0; i < 700; ++i) {
        words += i % 2 == 0 ? u"Word " : u"word  ";
    }
    const LexicalStatistics repeated = ScanLexicon(words);
    EXPECT_EQ(repeated.wordsScanned, 700);
    EXPECT_EQ(repeated.distinctWords, 1);
    EXPECT_EQ(repeated.totalCharacters, 2800);

    const LexicalStatistics longFields =
        ScanLexicon(std::u16string(5000, u'a') + u" " + std::u16string(5000, u'A'));
    EXPECT_EQ(longFields.wordsScanned, 2);
    EXPECT_EQ(longFields.distinctWords, 1);
}

TEST(ScanLexicon, LowerCasesEachCodeUnitAlone) {
    EXPECT_EQ(ScanLexicon(u"\u00C9t\u00C9 \u00E9t\u00E9 \u0394").distinctWords, 2);
    EXPECT_EQ(Words(ScanLexicon(u"\u0394")), std::vector<std::u16string>{u"\u03B4"});
    // Case-folded words are one word, however their code units are spelled.
    EXPECT_EQ(ScanLexicon(u"\u212Aelvin KELVIN kelvin kelvins").distinctWords, 2);
    EXPECT_EQ(Words(ScanLexicon(u"W\u212A k\u212A")), (std::vector<std::u16string>{u"wk", u"kk"}));
    // The halves of a surrogate pair are not letters, so a pair is never case-folded.
    EXPECT_EQ(Words(ScanLexicon(u"\U00010400")), std::vector<std::u16string>{u"\U00010400"});
}

TEST(ScanLexicon, TiesKeepTheOrderOfFirstAppearance) {
    EXPECT_EQ(Words(ScanLexicon(u"b a c a b")), (std::vector<std::u16string>{u"b", u"a", u"c"}));
    EXPECT_EQ(Words(ScanLexicon(u"f e d c b a g g")),
              (std::vector<std::u16string>{u"g", u"f", u"e", u"d", u"c"}));
}

}  // namespace
