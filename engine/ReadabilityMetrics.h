#pragma once

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"

// Writes the nine measures from the job's counts and (normalised) text.
void ComputeMetrics(AnalysisJob& job, EnglishVariant variant, const ReadingRates& rates);
