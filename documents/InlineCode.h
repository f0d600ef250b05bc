#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Inline code is a word the reader reads: its text stands in the prose as one
// word, its blanks joined by no-break spaces and its sentence marks turned to
// a one-dot leader ("config.toml" reads "config\u2024toml"), so that it adds no
// sentence and its syllables are the vowel groups a reader says.
std::u16string InlineCodeWord(std::u16string_view code);

// Prose as a message names it (a section's heading): inline code's joiners back
// to blanks and its leaders back to full stops, "The config.toml file".
std::u16string ShownProse(std::u16string_view prose);

// How many blanks and backticks stand before a code span's text that starts at
// `textStart` in `utf8`, and after its text that ends at `textEnd`, on the same
// line (backticks on the next are text): all of them ASCII, one UTF-16 unit
// each.
std::size_t CodeSpanOpening(std::string_view utf8, std::size_t textStart);
std::size_t CodeSpanClosing(std::string_view utf8, std::size_t textEnd);
