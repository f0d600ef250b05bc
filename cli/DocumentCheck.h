#pragma once

// One document of a run: read, its prose found, analysed, and weighed
// against the thresholds.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/Baseline.h"
#include "cli/CliOptions.h"
#include "cli/InputFiles.h"
#include "documents/Finding.h"
#include "documents/ProseCheck.h"

struct DocumentSettings {
    ProseSettings prose;
    const Baseline* baseline = nullptr;  // findings in it are not reported
    bool keepBaselineEntries = false;    // for --write-baseline
    InputKind input = InputKind::BySuffix;
    bool lengthLimit = false;
    bool jsonLine = false;  // the json format's line is made with the rest
};

struct DocumentResult {
    std::string path;
    std::string error;     // not read, not decoded or too long; nothing else is set
    bool tooLong = false;  // the error is the length limit's
    bool hasText = false;  // anything worth analysing
    std::int64_t words = 0;
    double grade = 0;
    double ease = 0;
    std::optional<double> score;
    std::vector<Finding> findings;               // not in the baseline
    std::vector<Finding> baselined;              // in it
    std::vector<BaselineEntry> absent;           // in it, and no longer found
    std::vector<BaselineEntry> baselineEntries;  // every finding, where kept
    bool missed = false;                         // some threshold not met
    std::string output;  // the format's text for the document, made where it was checked
};

DocumentResult CheckDocument(const InputFile& file, const DocumentSettings& settings);
