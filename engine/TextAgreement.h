#pragma once

#include <cstddef>
#include <string_view>

// How far two texts agree from their starts.
std::size_t AgreeingLength(std::u16string_view a, std::u16string_view b);

// How far two texts agree from their ends, at most `limit` code units.
std::size_t AgreeingEndLength(std::u16string_view a, std::u16string_view b, std::size_t limit);

// Whether two texts are the same, compared as AgreeingLength compares: the
// standard comparison of char16_t strings goes a code unit at a time.
bool SameText(std::u16string_view a, std::u16string_view b);
