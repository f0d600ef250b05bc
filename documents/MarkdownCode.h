#pragma once

#include <cstddef>
#include <string_view>

// Code as the line scanners see it, before md4c reads the document.
struct Fence {
    bool open = false;
    char mark = 0;
    std::size_t length = 0;
};

// True when the line opens, closes or lies within a fenced code block.
bool TakeFenceLine(Fence& fence, std::string_view line);

// Where a run of backticks opened at `start` is closed on the same line, or
// the run's end when it is not closed.
std::size_t CodeSpanEnd(std::string_view text, std::size_t start);
