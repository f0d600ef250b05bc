#include "engine/SpellingNormalisation.h"

#include <unicode/uchar.h>

#include <array>
#include <cstddef>
#include <string_view>

namespace {

struct SpellingPair {
    std::u16string_view us;
    std::u16string_view uk;
};

constexpr std::array<SpellingPair, 31> kSpellingPairs = {{
    {u"color", u"colour"},        {u"organization", u"organisation"},
    {u"analyze", u"analyse"},     {u"check", u"cheque"},
    {u"labor", u"labour"},        {u"traveler", u"traveller"},
    {u"canceled", u"cancelled"},  {u"theater", u"theatre"},
    {u"center", u"centre"},       {u"meter", u"metre"},
    {u"liter", u"litre"},         {u"defense", u"defence"},
    {u"license", u"licence"},     {u"practice", u"practise"},
    {u"program", u"programme"},   {u"plow", u"plough"},
    {u"mold", u"mould"},          {u"neighbor", u"neighbour"},
    {u"honor", u"honour"},        {u"pajamas", u"pyjamas"},
    {u"gray", u"grey"},           {u"sulfur", u"sulphur"},
    {u"armor", u"armour"},        {u"humor", u"humour"},
    {u"recognize", u"recognise"}, {u"tire", u"tyre"},
    {u"jewelry", u"jewellery"},   {u"math", u"maths"},
    {u"skeptical", u"sceptical"}, {u"organize", u"organise"},
    {u"learned", u"learnt"},
}};

// Tokens outside these lengths cannot be a paired spelling, so most of a text
// is copied without being lower-cased.
constexpr std::size_t kShortestSpelling = 4;
constexpr std::size_t kLongestSpelling = 12;

char16_t LowerCodeUnit(char16_t c) {
    if (c < 0x80) {
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    }
    // A surrogate half has no mapping of its own and comes back unchanged.
    return static_cast<char16_t>(u_tolower(c));
}

// The other variant's spelling when the token is one of the source spellings.
std::u16string_view Replacement(std::u16string_view token, EnglishVariant variant) {
    if (token.size() < kShortestSpelling || token.size() > kLongestSpelling) {
        return {};
    }
    std::array<char16_t, kLongestSpelling> lowered{};
    for (std::size_t i = 0; i < token.size(); ++i) {
        lowered[i] = LowerCodeUnit(token[i]);
    }
    const std::u16string_view key(lowered.data(), token.size());
    const bool toUk = variant == EnglishVariant::Uk;
    for (const SpellingPair& pair : kSpellingPairs) {
        if ((toUk ? pair.us : pair.uk) == key) {
            return toUk ? pair.uk : pair.us;
        }
    }
    return {};
}

}  // namespace

std::u16string NormalisedSpelling(std::u16string_view text, EnglishVariant variant) {
    // Joining the tokens with single spaces restores the spaces between them,
    // so only the outer ones go.
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    text = text.substr(first, text.find_last_not_of(u' ') + 1 - first);

    std::u16string result;
    result.reserve(text.size() + 16);
    std::size_t start = 0;
    while (true) {
        const std::size_t space = text.find(u' ', start);
        const std::u16string_view token =
            text.substr(start, space == std::u16string_view::npos ? space : space - start);
        const std::u16string_view replacement = Replacement(token, variant);
        result.append(replacement.empty() ? token : replacement);
        if (space == std::u16string_view::npos) {
            return result;
        }
        result.push_back(u' ');
        start = space + 1;
    }
}

void NormaliseSpelling(AnalysisJob& job, EnglishVariant variant) {
    job.text = NormalisedSpelling(job.text, variant);
}
