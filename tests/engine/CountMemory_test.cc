#include "engine/CountMemory.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Words and marks that meet every rule a cut could break: paired spellings in
// either variant and either case, sentence marks alone and in runs, blanks in
// runs, both kinds of line break, vowels beyond ASCII, a surrogate pair.
constexpr std::array<std::u16string_view, 26> kPieces = {
    u"colour",     u"color",
    u"Theatre",    u"THEATER",
    u"tyre",       u"programme",
    u"the",        u"cat",
    u"analyse",    u"a",
    u"sat",        u"caf\u00e9",
    u"\U0001F600", u"Wait",
    u".",          u"...",
    u"?",          u"!",
    u" ",          u" ",
    u"  ",         u"\r\n",
    u"\n",         u"\r",
    u"1999",       u"\u00BFQu\u00E9",
};

std::u16string RandomText(std::mt19937& random, int pieces) {
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::u16string text;
    for (int i = 0; i < pieces; ++i) {
        text += kPieces[pick(random)];
    }
    return text;
}

std::size_t EditPlace(std::mt19937& random, const std::u16string& text) {
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == u' ' && IsSentenceMark(text[i - 1])) {
            cuts.push_back(i);
        }
    }
    if (cuts.empty() || random() % 2 == 0) {
        return std::uniform_int_distribution<std::size_t>(0, text.size())(random);
    }
    const std::size_t cut = cuts[random() % cuts.size()];
    return std::min(cut - 1 + random() % 3, text.size());
}

void ExpectSameAsCountText(const std::u16string& text, EnglishVariant variant,
                           CountMemory& memory) {
    AnalysisJob expected{.text = text};
    CountText(expected, variant);
    AnalysisJob remembered{.text = text};
    const AsciiWordCounts ascii = CountTextRemembering(remembered, variant, memory);
    ASSERT_EQ(remembered.text, expected.text);
    EXPECT_EQ(remembered.wordCount, expected.wordCount);
    EXPECT_EQ(remembered.sentenceCount, expected.sentenceCount);
    EXPECT_EQ(remembered.syllableCount, expected.syllableCount);
    EXPECT_EQ(remembered.characterCount, expected.characterCount);
    const AsciiWordCounts expectedAscii = CountAsciiWords(expected.text, variant);
    EXPECT_EQ(ascii.complexWords, expectedAscii.complexWords);
    EXPECT_EQ(ascii.longWords, expectedAscii.longWords);
}

TEST(CountTextRemembering, EqualsCountTextThroughEditsVariantsAndRepeatedPieces) {
    std::mt19937 random(20261207);
    CountMemory memory;
    for (const EnglishVariant variant : {EnglishVariant::Us, EnglishVariant::Uk}) {
        std::u16string text = RandomText(random, 400);
        for (int edit = 0; edit < 300; ++edit) {
            // An insertion, a deletion or a replacement, as typing makes them: half of
            // them next to a cut, where a piece that stands could stop standing.
            const std::size_t place = EditPlace(random, text);
            const std::size_t removed = std::min<std::size_t>(text.size() - place, random() % 4);
            text.replace(place, random() % 3 == 0 ? removed : 0,
                         RandomText(random, static_cast<int>(random() % 3)));
            SCOPED_TRACE(edit);
            ExpectSameAsCountText(text, variant, memory);
        }
    }
}

// Edits at either end and around the outer spaces, then texts with no cut at all.
TEST(CountTextRemembering, EditsAtEitherEndAroundTheOuterSpacesAndUncutTexts) {
    const std::u16string base = u"  One colour. Two centre! Three? Four.  ";
    const std::vector<std::u16string> texts = {
        base,
        u"X" + base,
        base,
        base + u"Y",
        base,
        u"  One colour. Two centre! Three? Four.",
        u"One colour. Two centre! Three? Four.  ",
        u"  One colour.Two centre! Three? Four.  ",
        u"  One colour. Two centre!  Three? Four.  ",
        u"  One colour. Two centre! Three? Four. .",
        base,
        u"cat. sat",
        u"cat.a sat",
        u"cat. sat",
        u"cat sat",
        u"cat. sat",
        u"cat.  sat",
        u"",
        base,
        u"   ",
        base,
        u" colour. colour. ",
        u"no sentence mark at all colour",
        u"a. b. a. b.",
    };
    for (const EnglishVariant variant : {EnglishVariant::Us, EnglishVariant::Uk}) {
        CountMemory memory;
        for (const std::u16string& text : texts) {
            SCOPED_TRACE(std::string(text.begin(), text.end()));
            ExpectSameAsCountText(text, variant, memory);
        }
    }
}

TEST(RunAnalysisRemembering, EqualsRunAnalysisAndLeavesAJobAloneWithNoText) {
    CountMemory memory;
    const ReadingRates rates{140.0, 85.0};
    AnalysisJob remembered;
    // The variant changes between the second text and the third.
    const std::array<std::pair<std::u16string_view, EnglishVariant>, 5> steps = {{
        {u"The colour of the sky. It was grey!", EnglishVariant::Uk},
        {u"The colour of the sky. It was grey, then blue!", EnglishVariant::Uk},
        {u"The colour of the sky. It was grey, then blue!", EnglishVariant::Us},
        {u"", EnglishVariant::Us},
        {u"Analysing it took a long, long while. Then it ended.", EnglishVariant::Us},
    }};
    for (const auto& [text, variant] : steps) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        AnalysisJob expected = remembered;
        expected.text = text;
        const AsciiWordCounts expectedAscii = RunAnalysis(expected, variant, rates);
        remembered.text = text;
        const AsciiWordCounts ascii = RunAnalysisRemembering(remembered, variant, rates, memory);
        EXPECT_EQ(remembered.text, expected.text);
        for (const auto field : {&AnalysisJob::wordCount, &AnalysisJob::sentenceCount,
                                 &AnalysisJob::characterCount, &AnalysisJob::syllableCount}) {
            EXPECT_EQ(remembered.*field, expected.*field);
        }
        for (const auto measure :
             {&AnalysisJob::fleschReadingEase, &AnalysisJob::fleschKincaidGrade,
              &AnalysisJob::colemanLiauIndex, &AnalysisJob::automatedIndex,
              &AnalysisJob::readingTimeMinutes, &AnalysisJob::speakingTimeMinutes,
              &AnalysisJob::smogIndex, &AnalysisJob::lixIndex, &AnalysisJob::gunningFogIndex}) {
            EXPECT_EQ(remembered.*measure, expected.*measure);
        }
        EXPECT_EQ(ascii.complexWords, expectedAscii.complexWords);
        EXPECT_EQ(ascii.longWords, expectedAscii.longWords);
    }
    EXPECT_GT(remembered.wordCount, 0);
}

}  // namespace
