#pragma once

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// Shows the report for the job in a note alert titled with the selected
// scenario and the variant's flag; Export, Clear and Recommendations are off
// while it is up.
void ShowRecommendations(const AnalysisJob& job, EnglishVariant variant);
