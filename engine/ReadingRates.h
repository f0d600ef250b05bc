#pragma once

#include "engine/EnglishVariant.h"

// Words per minute of the two time estimates.
struct ReadingRates {
    double readingWordsPerMinute = 200.0;
    double speakingWordsPerMinute = 120.0;
};

// The rate-table row of a scenario (0-6) and variant. An invalid scenario gives
// the start-up rates.
ReadingRates RatesForScenario(int scenario, EnglishVariant variant);
