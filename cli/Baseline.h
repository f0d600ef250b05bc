#pragma once

// The findings a team has accepted: written once, committed, and from then on
// only findings not in it are reported and fail a run.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "documents/Finding.h"

struct BaselineEntry {
    std::string path;  // as BaselinePath gives it
    std::string rule;
    std::string fingerprint;
    std::optional<std::string> section;  // a section's heading, for people reading the file
    std::optional<double> figure;        // a document's or section's, to two decimals
};

struct Baseline {
    std::map<std::string, std::vector<BaselineEntry>> byPath;
};

// A path as the baseline knows it, however it was named: "./docs//a.md",
// "docs/a.md" and the same file's absolute path below the current folder are one.
std::string BaselinePath(const std::string& path);

std::vector<BaselineEntry> BaselineEntriesOf(const std::string& path,
                                             const std::vector<Finding>& findings);

// Sorted, one entry a line: the same bytes however the paths were named or ordered.
std::string BaselineFileText(std::vector<BaselineEntry> entries);
// Whole or not at all: false when it cannot be written, the file then as it was.
bool WriteBaselineFile(const std::string& file, std::vector<BaselineEntry> entries);

struct BaselineRead {
    Baseline baseline;
    std::string error;  // the file is missing, unreadable or not a baseline
};

BaselineRead ReadBaseline(const std::string& file);

// A document's findings against the baseline. A sentence's stays accepted while
// its words are the same; a document's or section's while its figure is no
// worse than the accepted one.
struct BaselineSplit {
    std::vector<Finding> fresh;
    std::vector<Finding> unchanged;
    std::vector<BaselineEntry> absent;  // accepted, and no longer found
};

BaselineSplit SplitByBaseline(const Baseline& baseline, const std::string& path,
                              std::vector<Finding> findings);
