#pragma once

#include <array>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// Writes value, bar and line of all nine rows, and remembers the values drawn.
void ShowMetrics(const AnalysisJob& job, EnglishVariant variant,
                 std::array<double, 9>& lastDrawnValues);

// The live redraw: only rows whose measure differs from the last one drawn,
// and of those only the first two get their bar and line too.
void RedrawChangedRows(const AnalysisJob& job, EnglishVariant variant,
                       std::array<double, 9>& lastDrawnValues);
