#include "engine/SpellingNormalisation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/LowerCase.h"

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

constexpr std::size_t kShortestSpelling = 4;
constexpr std::size_t kLongestSpelling = 12;

// A bit per row whose source spelling has the given length and first letter, so
// that a token is compared with one row at most, as a rule.
using RowIndex = std::array<std::array<std::uint32_t, 26>, kLongestSpelling + 1>;

constexpr RowIndex BuildRowIndex(bool fromUs) {
    RowIndex index{};
    for (std::size_t i = 0; i < kSpellingPairs.size(); ++i) {
        const std::u16string_view source = fromUs ? kSpellingPairs[i].us : kSpellingPairs[i].uk;
        index[source.size()][source[0] - u'a'] |= 1u << i;
    }
    return index;
}

constexpr RowIndex kUsRowIndex = BuildRowIndex(true);
constexpr RowIndex kUkRowIndex = BuildRowIndex(false);

constexpr bool SpellingLengthsWithinBounds() {
    for (const SpellingPair& pair : kSpellingPairs) {
        if (std::min(pair.us.size(), pair.uk.size()) < kShortestSpelling) {
            return false;
        }
    }
    return true;
}
static_assert(SpellingLengthsWithinBounds(), "shorter tokens are never compared");

// The first letters already agree; the source spellings are lower case and as
// long as the token.
bool EqualsIgnoringCase(std::u16string_view token, std::u16string_view source) {
    for (std::size_t i = 1; i < token.size(); ++i) {
        if (LowerCodeUnit(token[i]) != source[i]) {
            return false;
        }
    }
    return true;
}

// The other variant's spelling when the token is one of the source spellings.
std::u16string_view Replacement(std::u16string_view token, EnglishVariant variant) {
    const char16_t first = LowerCodeUnit(token[0]);
    if (first < u'a' || first > u'z') {
        return {};
    }
    const bool toUk = variant == EnglishVariant::Uk;
    for (std::uint32_t rows = (toUk ? kUsRowIndex : kUkRowIndex)[token.size()][first - u'a'];
         rows != 0; rows &= rows - 1) {
        const SpellingPair& pair = kSpellingPairs[static_cast<std::size_t>(std::countr_zero(rows))];
        if (EqualsIgnoringCase(token, toUk ? pair.us : pair.uk)) {
            return toUk ? pair.uk : pair.us;
        }
    }
    return {};
}

// The text without its outer blanks.
std::u16string_view Trimmed(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') + 1 - first);
}

// The trimmed text with its tokens replaced, or nothing when no token is. Joining the tokens
// with single blanks gives the text back, so only a replaced token breaks the copy.
std::optional<std::u16string> ReplacedTokens(std::u16string_view text, EnglishVariant variant) {
    std::optional<std::u16string> result;
    std::size_t copied = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = start;
        while (end < text.size() && text[end] != u' ') {
            ++end;
        }
        const std::size_t length = end - start;
        if (length >= kShortestSpelling && length <= kLongestSpelling) {
            const std::u16string_view replacement =
                Replacement(text.substr(start, length), variant);
            if (!replacement.empty()) {
                if (!result) {
                    result.emplace().reserve(text.size() + 16);
                }
                result->append(text.substr(copied, start - copied));
                result->append(replacement);
                copied = end;
            }
        }
        start = end + 1;
    }
    if (result) {
        result->append(text.substr(copied));
    }
    return result;
}

}  // namespace

std::u16string NormalisedSpelling(std::u16string_view text, EnglishVariant variant) {
    return ReplacedSpellings(Trimmed(text), variant);
}

std::u16string ReplacedSpellings(std::u16string_view text, EnglishVariant variant) {
    std::optional<std::u16string> replaced = ReplacedTokens(text, variant);
    return replaced ? std::move(*replaced) : std::u16string(text);
}

void NormaliseSpelling(AnalysisJob& job, EnglishVariant variant) {
    // Most texts hold no paired spelling: then trimming in place saves a copy.
    const std::u16string_view text = Trimmed(job.text);
    if (text.empty()) {
        job.text.clear();
        return;
    }
    std::optional<std::u16string> replaced = ReplacedTokens(text, variant);
    if (replaced) {
        job.text = std::move(*replaced);
        return;
    }
    const auto first = static_cast<std::size_t>(text.data() - job.text.data());
    job.text.resize(first + text.size());
    job.text.erase(0, first);
}
