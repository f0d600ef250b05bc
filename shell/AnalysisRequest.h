#pragma once

#include <string>

#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"

// What the analysis worker is handed: its own copy of the text and what it is
// analysed with.
struct AnalysisRequest {
    std::u16string text;
    bool rowsExist = false;
    EnglishVariant variant = EnglishVariant::Us;
    ReadingRates rates;
};
