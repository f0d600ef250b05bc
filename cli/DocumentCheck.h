#pragma once

// One document of a run: read, its prose found, analysed, and weighed
// against the thresholds.

#include <filesystem>
#include <string>
#include <vector>

#include "cli/Baseline.h"
#include "cli/BaselineMoves.h"
#include "cli/CliOptions.h"
#include "cli/InputFiles.h"
#include "documents/DocumentAnalysis.h"
#include "documents/Finding.h"

struct DocumentSettings {
    ProseSettings prose;
    const Baseline* baseline = nullptr;           // findings in it are not reported
    const GoneDocuments* gone = nullptr;          // the baseline's documents no longer on disk
    bool keepBaselineEntries = false;             // for --write-baseline
    std::filesystem::path writtenBaselineFolder;  // the entries' paths are relative to it
    InputKind input = InputKind::BySuffix;
    bool lengthLimit = false;
    bool jsonLine = false;  // the json format's line is made with the rest
};

struct DocumentResult {
    std::string path;
    std::string skipped;       // why .quillory.toml leaves it out; nothing else is set
    std::string error;         // not read, not decoded or too long; nothing else is set
    bool tooLong = false;      // the error is the length limit's
    bool overCeiling = false;  // the error is that no program reads that much
    DocumentFigures figures;
    std::vector<Finding> findings;      // not in the baseline
    std::vector<Finding> baselined;     // in it
    std::vector<BaselineEntry> absent;  // in it, and no longer found
    std::string movedFrom;  // the gone document of the baseline its findings were matched in
    std::vector<bool> movedMatched;              // that document's entries it still has
    std::vector<BaselineEntry> baselineEntries;  // every finding, where kept
    bool outsideWrittenBaseline = false;  // its findings cannot be kept: no path names it there
    bool missed = false;                  // some threshold not met
    std::string output;        // the format's text for the document, made where it was checked
    std::string sarifResults;  // likewise, for a SARIF log kept besides another format
};

DocumentResult CheckDocument(const InputFile& file, const DocumentSettings& settings);
