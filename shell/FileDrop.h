#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A file dropped on the window: a .txt, .md or .markdown file's text replaces
// the editor's as one change the user can undo, as a paste over everything
// would, and a Markdown file is read as Markdown, a .txt as text; undoing and
// redoing that change bring back the reading of each side. A drop that cannot
// be taken (several files, a folder, another kind of file, a file unreadable,
// not UTF-8, empty, over kMaxDropBytes, or whose text is over the length
// limit) changes nothing and says why.
void OnFileDropped();

// The names of the files a drop takes end in one of these.
inline constexpr std::array<std::string_view, 3> kDroppableSuffixes = {".txt", ".md", ".markdown"};

// Ample for any text within the length limit, Markdown markup included.
inline constexpr std::size_t kMaxDropBytes = std::size_t{1} << 20;
