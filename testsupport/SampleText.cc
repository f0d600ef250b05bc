#include "testsupport/SampleText.h"

#include <array>
#include <string_view>

std::u16string SampleEnglishText(std::size_t length) {
    static constexpr std::array<std::u16string_view, 24> kWords = {
        u"the",      u"writer",  u"reads",     u"every",   u"sentence", u"aloud",
        u"before",   u"sending", u"it",        u"to",      u"readers",  u"who",
        u"expect",   u"clarity", u"colour",    u"and",     u"a",        u"beautiful",
        u"analysis", u"of",      u"technical", u"matters", u"without",  u"jargon",
    };
    std::u16string text;
    text.reserve(length + 16);
    std::size_t state = 1;
    std::size_t wordsInSentence = 0;
    std::size_t sentencesInParagraph = 0;
    while (text.size() < length) {
        state = state * 1103515245 + 12345;  // fixed LCG: the same text every run
        text += kWords[(state >> 16) % kWords.size()];
        if (++wordsInSentence >= 6 + (state >> 8) % 14) {
            text += (state & 3) == 0 ? u"?" : u".";
            wordsInSentence = 0;
            text += ++sentencesInParagraph % 5 == 0 ? u"\n\n" : u" ";
        } else {
            text += (state & 15) == 0 ? u", " : u" ";
        }
    }
    text.resize(length);
    return text;
}

std::u16string SentenceOfWords(int count) {
    std::u16string sentence;
    for (int i = 0; i < count; ++i) {
        sentence += i == 0 ? u"Words" : u" words";
    }
    return sentence + u".";
}
