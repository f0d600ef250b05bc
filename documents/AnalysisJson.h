#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "documents/TextAnalysis.h"

// The counts, measures, labels, rows, summary, score and report of one text.
nlohmann::ordered_json AnalysisJson(const TextAnalysis& analysis);

// The same on one line, then a line feed.
std::string AnalysisJsonText(const TextAnalysis& analysis);
