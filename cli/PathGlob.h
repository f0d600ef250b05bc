#pragma once

#include <string_view>

// True when `path` (with '/' separators, relative, no leading "./") matches `pattern`:
// '*' any run of characters within one path segment, '?' one character (not '/'),
// '**' as a whole segment any number of segments including none ("docs/**/*.md" matches
// "docs/a.md" and "docs/x/y/a.md"; "**/draft/**" matches "a/draft/b.md"), a pattern
// with no '/' matches the file name in any folder ("*.md" matches "a/b/c.md").
// Everything else literal; case-sensitive. Linear enough for paths (backtracking is fine).
bool MatchesGlob(std::string_view pattern, std::string_view path);
