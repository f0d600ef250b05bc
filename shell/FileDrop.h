#pragma once

#include <array>
#include <string_view>

// A file dropped on the window: a .txt, .md or .markdown file's text replaces
// the editor's as one change the user can undo, as a paste over everything
// would, and a Markdown file is read as Markdown, a .txt as text. A file that
// cannot be taken (unreadable, not UTF-8, empty, over a mebibyte) changes
// nothing and says why.
void OnFileDropped();

// The names of the files a drop takes end in one of these.
inline constexpr std::array<std::string_view, 3> kDroppableSuffixes = {".txt", ".md", ".markdown"};
