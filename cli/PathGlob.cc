#include "cli/PathGlob.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace {

// A star's items are any run of text items; every other pattern item matches exactly one.
// Resuming only from the latest star is enough, which keeps the walk O(pattern * text).
template <typename IsStar, typename MatchesOne>
bool MatchItems(std::size_t patternCount, std::size_t textCount, IsStar isStar,
                MatchesOne matchesOne) {
    constexpr std::size_t kNoStar = static_cast<std::size_t>(-1);
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t starP = kNoStar;
    std::size_t starT = 0;
    while (t < textCount) {
        if (p < patternCount && isStar(p)) {
            starP = p++;
            starT = t;
        } else if (p < patternCount && matchesOne(p, t)) {
            ++p;
            ++t;
        } else if (starP != kNoStar) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < patternCount && isStar(p)) {
        ++p;
    }
    return p == patternCount;
}

bool MatchesSegment(std::string_view pattern, std::string_view name) {
    return MatchItems(
        pattern.size(), name.size(), [pattern](std::size_t p) { return pattern[p] == '*'; },
        [pattern, name](std::size_t p, std::size_t t) {
            return pattern[p] == '?' || pattern[p] == name[t];
        });
}

std::vector<std::string_view> Segments(std::string_view text) {
    std::vector<std::string_view> segments;
    for (std::size_t start = 0;;) {
        const std::size_t slash = text.find('/', start);
        segments.push_back(text.substr(start, slash - start));
        if (slash == std::string_view::npos) {
            return segments;
        }
        start = slash + 1;
    }
}

}  // namespace

bool MatchesGlob(std::string_view pattern, std::string_view path) {
    if (pattern.find('/') == std::string_view::npos) {
        const std::size_t slash = path.rfind('/');
        return MatchesSegment(pattern,
                              slash == std::string_view::npos ? path : path.substr(slash + 1));
    }
    const std::vector<std::string_view> patternSegments = Segments(pattern);
    const std::vector<std::string_view> pathSegments = Segments(path);
    return MatchItems(
        patternSegments.size(), pathSegments.size(),
        [&patternSegments](std::size_t p) { return patternSegments[p] == "**"; },
        [&patternSegments, &pathSegments](std::size_t p, std::size_t t) {
            return MatchesSegment(patternSegments[p], pathSegments[t]);
        });
}
