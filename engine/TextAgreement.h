#pragma once

#include <cstddef>
#include <string_view>

// How far two texts agree from their starts.
std::size_t AgreeingLength(std::u16string_view a, std::u16string_view b);

// How far two texts agree from their ends, at most `limit` code units.
std::size_t AgreeingEndLength(std::u16string_view a, std::u16string_view b, std::size_t limit);
