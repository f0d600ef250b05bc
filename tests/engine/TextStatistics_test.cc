#include "engine/TextStatistics.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr auto kUs = EnglishVariant::Us;
constexpr auto kUk = EnglishVariant::Uk;

AnalysisJob Counted(std::u16string text, EnglishVariant variant = kUs) {
    AnalysisJob job{.text = std::move(text)};
    CountText(job, variant);
    return job;
}

}  // namespace

TEST(CountText, CountsCharactersWordsSentencesAndVowelRuns) {
    const AnalysisJob hello = Counted(u"Hello world.");
    EXPECT_EQ(hello.characterCount, 12);
    EXPECT_EQ(hello.wordCount, 2);
    EXPECT_EQ(hello.sentenceCount, 1);
    EXPECT_EQ(hello.syllableCount, 3);

    EXPECT_EQ(Counted(u"the area").syllableCount, 3);
    EXPECT_EQ(Counted(u"Wait...").sentenceCount, 3);
    EXPECT_EQ(Counted(u"\u00BFQu\u00E9?").sentenceCount, 2);
    // Extended vowels whatever the variant; anything above U+00FF ends a run.
    EXPECT_EQ(Counted(u"a\u00E9 a\u0101e").syllableCount, 3);
    EXPECT_EQ(Counted(u"").wordCount, 0);

    // Longer than the stretch the counts are summed over at a time.
    std::u16string many;
    for (int i = 0; i < 600000; ++i) {
        many += u"ai. ";
    }
    const AnalysisJob manyCounted = Counted(many);
    EXPECT_EQ(manyCounted.wordCount, 600000);
    EXPECT_EQ(manyCounted.sentenceCount, 600000);
    EXPECT_EQ(manyCounted.syllableCount, 600000);
}

TEST(CountText, SplitsWordsAtSpaceCarriageReturnAndLineFeedOnly) {
    EXPECT_EQ(Counted(u"one\ttwo").wordCount, 1);
    EXPECT_EQ(Counted(u"one\ntwo").wordCount, 2);
    EXPECT_EQ(Counted(u"one\r\ntwo - three ").wordCount, 4);
    EXPECT_EQ(Counted(u"\r\n\n\r").wordCount, 0);
    // The normalised text is counted.
    EXPECT_EQ(Counted(u"  color  ", kUk).characterCount, 6);
}

TEST(CountSyllables, CountsVowelGroupsOfTheVariantsSet) {
    EXPECT_EQ(CountSyllables(u"rhythm", kUs), 1);
    EXPECT_EQ(CountSyllables(u"psst", kUs), 0);
    EXPECT_EQ(CountSyllables(u"beautiful", kUs), 3);
    EXPECT_EQ(CountSyllables(u"caf\u00E9", kUk), 2);
    EXPECT_EQ(CountSyllables(u"a\u00F1o", kUk), 2);  // ñ is not a vowel
}

TEST(CountComplexAndLongWords, UseAsciiRunsAndTheVariantsThresholds) {
    EXPECT_EQ(CountComplexWords(u"beautiful", kUs), 1);
    EXPECT_EQ(CountComplexWords(u"water", kUs), 0);
    EXPECT_EQ(CountComplexWords(u"water", kUk), 1);
    EXPECT_EQ(CountComplexWords(u"na\u00EFve", kUk), 0);
    // Syllables do not carry over from one run to the next.
    EXPECT_EQ(CountComplexWords(u"wa-ter ba'na.na", kUk), 0);
    EXPECT_EQ(CountComplexWords(u"banana, water; beautiful", kUs), 2);
    EXPECT_EQ(CountComplexWords(u"ba\u4E00nana", kUk), 1);

    EXPECT_EQ(CountLongWords(u"readers", kUs), 1);
    EXPECT_EQ(CountLongWords(u"reader", kUs), 0);
    EXPECT_EQ(CountLongWords(u"reader", kUk), 1);
    EXPECT_EQ(CountLongWords(u"well-known 1234567 caf\u00E9s, readers", kUs), 2);
    EXPECT_EQ(CountLongWords(u"read\u4E00ers reader\u2019s", kUk), 1);
}

TEST(QuickCount, CountsSentenceGroupsInsteadOfMarks) {
    EXPECT_EQ(QuickCount(u"Wait..."), (QuickCounts{1, 1, 7}));
    EXPECT_EQ(QuickCount(u"Wait. . Go!"), (QuickCounts{3, 2, 11}));
    EXPECT_EQ(QuickCount(u"!\u4E00!"), (QuickCounts{1, 1, 3}));
    EXPECT_EQ(QuickCount(u"one\ttwo\nthree "), (QuickCounts{2, 0, 14}));
    EXPECT_EQ(QuickCount(u""), (QuickCounts{0, 0, 0}));
}

// The rule a code unit at a time: words are runs of non-separators; a run of
// marks is one group, and only a word character below U+0100 other than a mark
// ends it, so separators and other scripts between marks do not.
QuickCounts QuickCountByTheRule(std::u16string_view text) {
    QuickCounts counts{0, 0, static_cast<std::int64_t>(text.size())};
    bool inWord = false;
    bool inMarks = false;
    for (const char16_t c : text) {
        if (IsWordSeparator(c)) {
            counts.words += inWord ? 1 : 0;
            inWord = false;
            continue;
        }
        inWord = true;
        if (IsSentenceMark(c)) {
            counts.sentenceGroups += inMarks ? 0 : 1;
            inMarks = true;
        } else if (c < 0x100) {
            inMarks = false;
        }
    }
    counts.words += inWord ? 1 : 0;
    return counts;
}

TEST(QuickCount, FollowsTheRuleOnRandomTexts) {
    const std::u16string units = u"ab .!?\t\r\n\u00A0\u00BF\u00E9\u4E00\U0001F600\u2026,'";
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::u16string text;
        const std::size_t length = random() % 200;
        while (text.size() < length) {
            text += units[random() % units.size()];
        }
        SCOPED_TRACE(round);
        EXPECT_EQ(QuickCount(text), QuickCountByTheRule(text));
    }
}
