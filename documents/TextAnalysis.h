#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "report/WeightedScore.h"
#include "results/MetricRows.h"

// Everything the window's full pass produces for one text.
struct TextAnalysis {
    EnglishVariant variant = EnglishVariant::Us;
    int scenario = 0;
    ReadingRates rates;
    AnalysisJob job;  // text normalised
    std::int64_t complexWordCount = 0;
    std::int64_t longWordCount = 0;
    std::array<MetricRowView, std::tuple_size_v<decltype(kMetricRows)>> rows;  // kMetricRows order
    std::u16string summary;
    std::optional<WeightedScore> score;  // none when the report is the too-short one
    std::u16string report;
    std::u16string exportDocument;
};

// The text must have passed CleanInput's gate; it is analysed as given, not cleaned.
TextAnalysis AnalyseText(std::u16string text, EnglishVariant variant, int scenario);
// Only the counts, measures and score, for checks that show nothing else.
TextAnalysis AnalyseFigures(std::u16string text, EnglishVariant variant, int scenario);
