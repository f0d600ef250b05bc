#pragma once

#include <string>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// Fewer than 5 words or 2 sentences: the report is only the two too-short lines.
bool IsTooShortForScore(const AnalysisJob& job);

// The whole recommendations report, CR LF line ends.
std::u16string BuildRecommendations(const AnalysisJob& job, int scenario, EnglishVariant variant);
