#pragma once

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "engine/TextStatistics.h"

// Writes the nine measures from the job's counts and (normalised) text, and
// returns the text's complex and long words.
AsciiWordCounts ComputeMetrics(AnalysisJob& job, EnglishVariant variant, const ReadingRates& rates);

// The same from the counts alone, the text's complex and long words given.
void ComputeMetricsFromCounts(AnalysisJob& job, const AsciiWordCounts& asciiWords,
                              EnglishVariant variant, const ReadingRates& rates);
