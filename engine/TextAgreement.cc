#include "engine/TextAgreement.h"

#include <algorithm>
#include <cstring>

namespace {

// Blocks compared at the speed of memcmp find the rare difference sooner than
// a code unit at a time.
constexpr std::size_t kBlock = 64;

}  // namespace

std::size_t AgreeingLength(std::u16string_view a, std::u16string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i + kBlock <= length &&
           std::memcmp(a.data() + i, b.data() + i, kBlock * sizeof(char16_t)) == 0) {
        i += kBlock;
    }
    while (i < length && a[i] == b[i]) {
        ++i;
    }
    return i;
}

std::size_t AgreeingEndLength(std::u16string_view a, std::u16string_view b, std::size_t limit) {
    limit = std::min({limit, a.size(), b.size()});
    const char16_t* const aEnd = a.data() + a.size();
    const char16_t* const bEnd = b.data() + b.size();
    std::size_t i = 0;
    while (i + kBlock <= limit &&
           std::memcmp(aEnd - i - kBlock, bEnd - i - kBlock, kBlock * sizeof(char16_t)) == 0) {
        i += kBlock;
    }
    while (i < limit &&
           aEnd[-1 - static_cast<std::ptrdiff_t>(i)] == bEnd[-1 - static_cast<std::ptrdiff_t>(i)]) {
        ++i;
    }
    return i;
}

bool SameText(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && AgreeingLength(a, b) == a.size();
}
