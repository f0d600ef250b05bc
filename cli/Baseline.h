#pragma once

// The findings a team has accepted: written once, committed, and from then on
// only findings not in it are reported and fail a run.

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/Finding.h"

// The words' fingerprints of the sentences before and after a sentence, "" at
// either end: what tells apart copies of the same sentence.
using Neighbours = std::array<std::string, 2>;

struct BaselineEntry {
    std::string path;  // relative to the baseline's folder, as BaselinePath gives it
    std::string rule;
    std::string fingerprint;
    std::optional<std::string> section;    // a section's heading, for people reading the file
    std::optional<double> figure;          // a document's or section's, to two decimals
    std::optional<Neighbours> neighbours;  // a sentence's, where the baseline recorded them
};

struct Baseline {
    std::filesystem::path folder;  // absolute: the one that holds the file
    std::map<std::string, std::vector<BaselineEntry>> byPath;
};

// Absolute, with the links in its folders resolved, so that a path through a
// linked folder is the same path; a linked file stays where it is named.
std::filesystem::path ResolvedPath(const std::string& path);

// The folder a baseline file's paths are relative to.
std::filesystem::path BaselineFolder(const std::string& file);

// A path as a baseline in `folder` knows it, from any working folder and however
// it was named: "./docs//a.md", "docs/a.md" and the file's absolute path are one;
// "." for the folder itself, "-" for stdin. None where it is outside the folder.
std::optional<std::string> BaselinePath(const std::string& path,
                                        const std::filesystem::path& folder);

// A baseline's path as the current folder names it, the way inputs are shown.
std::string ShownPath(const std::filesystem::path& folder, const std::string& baselinePath);

// A sentence's, as against a document's or section's.
bool IsSentenceEntry(const BaselineEntry& entry);

// What a finding is matched by: its rule and fingerprint, a sentence's without
// the number that tells its copies apart.
std::string BaselineMatchKey(std::string_view rule, const std::string& fingerprint);

// `neighbours` go with `findings`, one each.
std::vector<BaselineEntry> BaselineEntriesOf(const std::string& baselinePath,
                                             const std::vector<Finding>& findings,
                                             const std::vector<Neighbours>& neighbours);

// Sorted, one entry a line: the same bytes however the paths were named or ordered.
std::string BaselineFileText(std::vector<BaselineEntry> entries);
// Whole or not at all: false when it cannot be written, the file then as it was.
bool WriteBaselineFile(const std::string& file, std::vector<BaselineEntry> entries);

struct BaselineRead {
    Baseline baseline;
    std::string error;  // the file is missing, unreadable or not a baseline
};

BaselineRead ReadBaseline(const std::string& file);

// A document's findings against what the baseline holds for it. A sentence's
// stays accepted while its words are the same (where a sentence now occurs more
// often than accepted, the copies whose neighbours match stay accepted); a
// document's or section's while its figure is no worse than the accepted one.
struct BaselineSplit {
    std::vector<Finding> fresh;
    std::vector<Finding> unchanged;
    std::vector<bool> matched;  // for each entry: some finding still has it
};

BaselineSplit SplitByBaseline(const std::vector<BaselineEntry>& entries,
                              std::vector<Finding> findings,
                              const std::vector<Neighbours>& neighbours);
