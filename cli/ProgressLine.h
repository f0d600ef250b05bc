#pragma once

#include <chrono>
#include <cstddef>

// "120 documents done, 1880 left" on standard error, rewritten in place, for
// runs long enough to wonder about; never shown where stderr is not a terminal.
struct ProgressLine {
    bool enabled = false;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastShown;
    bool shown = false;
};

ProgressLine StartProgressLine();
void ShowProgress(ProgressLine& line, std::size_t done, std::size_t total);
// Leaves the terminal as it was before the first line.
void ClearProgress(ProgressLine& line);
