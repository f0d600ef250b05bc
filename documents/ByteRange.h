#pragma once

#include <cstddef>

// Bytes of a UTF-8 source.
struct ByteRange {
    std::size_t start = 0;
    std::size_t end = 0;  // exclusive
};
