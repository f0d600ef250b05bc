#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "engine/AnalysisJob.h"
#include "engine/CountMemory.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "report/WeightedScore.h"
#include "results/MetricRows.h"

// What any program shows of one text: figures, rows, summary, score, report
// and export.
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

// How a text is counted where it is not as a document on its own: the window
// keeps rates apart from its scenario, and counts a text that changes a little
// at a time with a memory of the last count.
struct CountingOptions {
    std::optional<ReadingRates> rates;  // the scenario's and variant's where unset
    CountMemory* memory = nullptr;
};

// The text must have passed CleanInput's gate; it is analysed as given, not cleaned.
TextAnalysis AnalyseText(std::u16string text, EnglishVariant variant, int scenario,
                         CountingOptions counting = {});
// Only the counts, measures and score, for checks that show nothing else.
TextAnalysis AnalyseFigures(std::u16string text, EnglishVariant variant, int scenario,
                            CountingOptions counting = {});
