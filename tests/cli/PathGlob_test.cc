#include "cli/PathGlob.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct GlobCase {
    std::string_view pattern;
    std::string_view path;
    bool matches;
};

TEST(PathGlobTest, MatchesPaths) {
    constexpr GlobCase kCases[] = {
        {"*.md", "a/b/c.md", true},  // no '/': the file name in any folder
        {"*.md", "a.mdx", false},
        {"*.md", "a.md/b", false},
        {"?.md", "ab.md", false},
        {"a?b", "a/b", false},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXcYb", false},
        {"README.md", "readme.md", false},
        {"[ab].md", "a.md", false},
        {"docs/*.md", "docs/a.md", true},
        {"docs/*.md", "docs/x/a.md", false},
        {"docs/*.md", "x/docs/a.md", false},
        {"docs/**/*.md", "docs/a.md", true},
        {"docs/**/*.md", "docs/x/y/a.md", true},
        {"**/draft/**", "a/draft/b.md", true},
        {"**/draft/**", "draft/b.md", true},
        {"**/draft/**", "a/drafts/b.md", false},
        {"a/**/b/**/c", "a/x/b/y/z/c", true},
        {"a/**/b/**/c", "a/x/c", false},
        {"a/x**/c", "a/x/y/c", false},  // '**' inside a segment stays in it
    };
    for (const GlobCase& c : kCases) {
        EXPECT_EQ(MatchesGlob(c.pattern, c.path), c.matches) << c.pattern << " vs " << c.path;
    }
}

}  // namespace
