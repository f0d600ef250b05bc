#pragma once

// Baselined documents no longer on disk: their findings move with them to
// documents the baseline does not name, and are gone where they did not.

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cli/Baseline.h"
#include "cli/InputFiles.h"
#include "documents/Finding.h"

struct GoneDocuments {
    std::vector<std::string> paths;  // as the baseline names them, sorted
    std::vector<bool> covered;       // under a path of the run, so its findings may be gone
    // Each sentence's match key, and the gone documents that accepted it.
    std::unordered_map<std::string, std::vector<std::size_t>> sentences;
};

// `runPaths` as given on the command line, `files` what they were found to hold.
GoneDocuments FindGoneDocuments(const Baseline& baseline, const std::vector<std::string>& runPaths,
                                const std::vector<InputFile>& files);

// The gone document that accepted the most of these sentences, if any.
std::optional<std::string> MovedFrom(const GoneDocuments& gone,
                                     const std::vector<Finding>& findings);

// Which entries of each gone document some document of the run still has.
using MovedMatches = std::map<std::string, std::vector<bool>>;

// The findings of the covered gone documents that no document has, by path as shown.
std::vector<std::pair<std::string, std::vector<BaselineEntry>>> GoneFindings(
    const Baseline& baseline, const GoneDocuments& gone, const MovedMatches& matches);
