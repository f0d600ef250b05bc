#include "documents/InlineCode.h"

#include <algorithm>

#include "engine/TextStatistics.h"

namespace {

constexpr char16_t kJoiner = u'\u00A0';
constexpr char16_t kDotLeader = u'\u2024';

}  // namespace

std::u16string InlineCodeWord(std::u16string_view code) {
    std::u16string word(code);
    std::ranges::replace_if(
        word, [](char16_t c) { return IsWordSeparator(c) || c == u'\t'; }, kJoiner);
    std::ranges::replace_if(word, IsSentenceMark, kDotLeader);
    return word;
}

std::u16string ShownProse(std::u16string_view prose) {
    std::u16string shown(prose);
    std::ranges::replace(shown, kJoiner, u' ');
    std::ranges::replace(shown, kDotLeader, u'.');
    return shown;
}

std::size_t CodeSpanOpening(std::string_view utf8, std::size_t textStart) {
    std::size_t at = textStart;
    while (at > 0 && utf8[at - 1] == ' ') {
        --at;
    }
    while (at > 0 && utf8[at - 1] == '`') {
        --at;
    }
    return textStart - at;
}

std::size_t CodeSpanClosing(std::string_view utf8, std::size_t textEnd) {
    std::size_t at = textEnd;
    while (at < utf8.size() && utf8[at] == ' ') {
        ++at;
    }
    while (at < utf8.size() && utf8[at] == '`') {
        ++at;
    }
    return at - textEnd;
}
