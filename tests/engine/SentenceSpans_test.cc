#include "engine/SentenceSpans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/AnalysisJob.h"
#include "engine/SpellingNormalisation.h"
#include "engine/TextStatistics.h"

namespace {

constexpr EnglishVariant kVariants[] = {EnglishVariant::Us, EnglishVariant::Uk};

// Prose with respellings at every place a cut can fall, marks of every kind,
// breaks of every kind and blanks at both ends.
const std::u16string kProse =
    u"  The colour of the harbour changed. Did you realise?\r\nWe organised the "
    u"catalogue!\rColor it gray... \u00BFQu\u00E9? Numbers like 3.14 count too.\n\n"
    u"Analyse   this behaviour  with 42 metres of fibre optics and no mark at the end  ";

std::u16string RandomText(std::mt19937& random, std::size_t length) {
    static const std::u16string kUnits =
        u"aeiou bcdfgxyz AEIOU .!?,\r\n\u00A1\u00BF\u00E9\u00FC7-'\U0001F600colour color ";
    std::u16string text;
    while (text.size() < length) {
        text += kUnits[random() % kUnits.size()];
    }
    return text;
}

// The spans' counts add up to the whole's, and their ranges tile the trimmed text.
void ExpectSpansAddUp(std::u16string_view text, EnglishVariant variant) {
    AnalysisJob whole;
    whole.text = text;
    CountText(whole, variant);
    const AsciiWordCounts wholeAscii = CountAsciiWords(whole.text, variant);
    SentenceSpan sum;
    std::size_t expectedStart = text.find_first_not_of(u' ');
    for (const SentenceSpan& span : SentenceSpans(text, variant)) {
        EXPECT_EQ(span.start, expectedStart);
        EXPECT_LT(span.start, span.end);
        expectedStart = span.end;
        AddCounts(sum, span);
        EXPECT_TRUE(std::isfinite(span.grade));
    }
    if (whole.text.empty()) {
        EXPECT_TRUE(SentenceSpans(text, variant).empty());
        return;
    }
    EXPECT_EQ(expectedStart, text.find_last_not_of(u' ') + 1);
    EXPECT_EQ(sum.words, whole.wordCount);
    EXPECT_EQ(sum.sentences, whole.sentenceCount);
    EXPECT_EQ(sum.syllables, whole.syllableCount);
    EXPECT_EQ(sum.characters, whole.characterCount);
    EXPECT_EQ(sum.complexWords, wholeAscii.complexWords);
    EXPECT_EQ(sum.longWords, wholeAscii.longWords);
}

TEST(SentenceSpans, CutAfterTheBlanksThatFollowAMarkedWord) {
    const std::u16string text = u"One. Two three!  Four\r\nfive? \u00A1Six ? seven";
    const auto spans = SentenceSpans(text, EnglishVariant::Us);
    ASSERT_EQ(spans.size(), 5u);
    std::u16string pieces;
    for (const SentenceSpan& span : spans) {
        pieces += text.substr(span.start, span.end - span.start) + u"|";
    }
    EXPECT_EQ(pieces, u"One. |Two three!  |Four\r\nfive? |\u00A1Six ? |seven|");
    EXPECT_EQ(spans[3].sentences, 2);  // the opening mark counts, but does not end it
    EXPECT_EQ(spans[1].words, 2);
}

TEST(SentenceSpans, RangesStayInTheEditorsTextAcrossRespelling) {
    const std::u16string text = u"  My colour is red.  Your colour is blue.  ";
    const auto spans = SentenceSpans(text, EnglishVariant::Us);  // colour -> color
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(text.substr(spans[0].start, spans[0].end - spans[0].start), u"My colour is red.  ");
    EXPECT_EQ(text.substr(spans[1].start, spans[1].end - spans[1].start), u"Your colour is blue.");
    EXPECT_EQ(spans[0].characters, 18);  // "My color is red.  "
}

TEST(SentenceSpans, CountsAddUpExactlyOnProseAndOnRandomTexts) {
    std::mt19937 random(11);
    for (const EnglishVariant variant : kVariants) {
        ExpectSpansAddUp(kProse, variant);
        ExpectSpansAddUp(u"", variant);
        ExpectSpansAddUp(u"   ", variant);
        ExpectSpansAddUp(u"...", variant);
        for (int round = 0; round < 200; ++round) {
            ExpectSpansAddUp(RandomText(random, random() % 400), variant);
        }
    }
}

TEST(SentenceSpans, AGradeIsThatOfTheSpanAsAWholeText) {
    const std::u16string text =
        u"The cat sat. Extraordinarily complicated vocabulary overwhelms readers.";
    for (const EnglishVariant variant : kVariants) {
        for (const SentenceSpan& span : SentenceSpans(text, variant)) {
            AnalysisJob alone;
            alone.text = text.substr(span.start, span.end - span.start);
            RunAnalysis(alone, variant, {});
            EXPECT_NEAR(span.grade, alone.fleschKincaidGrade, 1e-12);
        }
    }
    // No mark, no sentence: a guarded zero rather than a division by zero.
    EXPECT_EQ(SentenceSpans(u"no mark here", EnglishVariant::Us).at(0).grade, 0);
}

// Remembering spans equal fresh ones in every field, through edits made as
// typing makes them, half of them next to a span's edge.
TEST(SentenceSpans, RememberingEqualsCountingAfreshThroughEdits) {
    std::mt19937 random(20261207);
    SpanMemory memory;
    for (const EnglishVariant variant : kVariants) {
        std::u16string text = kProse + RandomText(random, 600) + kProse;
        for (int edit = 0; edit < 300; ++edit) {
            const std::vector<SentenceSpan> before = SentenceSpans(text, variant);
            std::size_t place = random() % (text.size() + 1);
            if (random() % 2 == 0 && !before.empty()) {
                const std::size_t edge = before[random() % before.size()].start;
                place = std::min(edge == 0 ? 0 : edge - 1 + random() % 3, text.size());
            }
            // An insertion, a deletion, or a replacement of the same length, which
            // leaves the bounds after it where they were unless it adds or removes one.
            const std::size_t removed = std::min<std::size_t>(text.size() - place, random() % 4);
            switch (random() % 3) {
                case 0:
                    text.insert(place, RandomText(random, 1 + random() % 2));
                    break;
                case 1:
                    text.erase(place, removed);
                    break;
                default:
                    text.replace(place, removed, RandomText(random, removed).substr(0, removed));
            }
            SCOPED_TRACE(edit);
            const std::u16string respelt = NormalisedSpelling(text, variant);
            const std::vector<SentenceSpan> fresh = SentenceSpans(text, respelt, variant);
            const std::vector<SentenceSpan> remembered =
                SentenceSpans(text, respelt, variant, memory);
            ASSERT_EQ(remembered.size(), fresh.size());
            for (std::size_t i = 0; i < fresh.size(); ++i) {
                EXPECT_EQ(remembered[i].start, fresh[i].start);
                EXPECT_EQ(remembered[i].end, fresh[i].end);
                EXPECT_EQ(remembered[i].words, fresh[i].words);
                EXPECT_EQ(remembered[i].sentences, fresh[i].sentences);
                EXPECT_EQ(remembered[i].syllables, fresh[i].syllables);
                EXPECT_EQ(remembered[i].characters, fresh[i].characters);
                EXPECT_EQ(remembered[i].complexWords, fresh[i].complexWords);
                EXPECT_EQ(remembered[i].longWords, fresh[i].longWords);
                EXPECT_EQ(remembered[i].grade, fresh[i].grade);
            }
        }
    }
}

}  // namespace
