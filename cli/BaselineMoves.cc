#include "cli/BaselineMoves.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace {

// Whether the run's path names `entryPath` or a folder above it.
bool Covers(const std::string& runPath, const std::string& entryPath) {
    return runPath == "." || entryPath == runPath ||
           (entryPath.starts_with(runPath) && entryPath[runPath.size()] == '/');
}

}  // namespace

GoneDocuments FindGoneDocuments(const Baseline& baseline, const std::vector<std::string>& runPaths,
                                const std::vector<InputFile>& files) {
    std::set<std::string> checked;
    for (const InputFile& file : files) {
        if (const std::optional<std::string> path = BaselinePath(file.path, baseline.folder)) {
            checked.insert(*path);
        }
    }
    std::vector<std::string> covering;
    for (const std::string& runPath : runPaths) {
        if (runPath == "-") {
            continue;
        }
        if (const std::optional<std::string> path = BaselinePath(runPath, baseline.folder)) {
            covering.push_back(*path);
        } else if (BaselinePath(baseline.folder.string(), ResolvedPath(runPath))) {
            covering.emplace_back(".");  // a folder above the baseline's
        }
    }
    GoneDocuments gone;
    for (const auto& named : baseline.byPath) {
        const std::string& path = named.first;
        std::error_code error;
        if (path == "-" || checked.contains(path) ||
            std::filesystem::symlink_status(baseline.folder / path, error).type() !=
                std::filesystem::file_type::not_found) {
            continue;
        }
        const std::size_t index = gone.paths.size();
        gone.paths.push_back(path);
        gone.covered.push_back(std::any_of(covering.begin(), covering.end(),
                                           [&](const auto& run) { return Covers(run, path); }));
        for (const BaselineEntry& entry : named.second) {
            if (IsSentenceEntry(entry)) {
                std::vector<std::size_t>& holders =
                    gone.sentences[BaselineMatchKey(entry.rule, entry.fingerprint)];
                if (holders.empty() || holders.back() != index) {
                    holders.push_back(index);
                }
            }
        }
    }
    return gone;
}

std::optional<std::string> MovedFrom(const GoneDocuments& gone,
                                     const std::vector<Finding>& findings) {
    std::vector<std::size_t> shared(gone.paths.size(), 0);
    for (const Finding& finding : findings) {
        const auto found =
            gone.sentences.find(BaselineMatchKey(FindingRuleId(finding.rule), finding.fingerprint));
        if (found != gone.sentences.end()) {
            for (const std::size_t index : found->second) {
                ++shared[index];
            }
        }
    }
    const auto most = std::max_element(shared.begin(), shared.end());
    if (most == shared.end() || *most == 0) {
        return std::nullopt;
    }
    return gone.paths[static_cast<std::size_t>(most - shared.begin())];
}

std::vector<std::pair<std::string, std::vector<BaselineEntry>>> GoneFindings(
    const Baseline& baseline, const GoneDocuments& gone, const MovedMatches& matches) {
    std::vector<std::pair<std::string, std::vector<BaselineEntry>>> found;
    for (std::size_t i = 0; i < gone.paths.size(); ++i) {
        if (!gone.covered[i]) {
            continue;
        }
        const std::vector<BaselineEntry>& entries = baseline.byPath.at(gone.paths[i]);
        const auto matched = matches.find(gone.paths[i]);
        std::vector<BaselineEntry> left;
        for (std::size_t entry = 0; entry < entries.size(); ++entry) {
            if (matched == matches.end() || !matched->second[entry]) {
                left.push_back(entries[entry]);
            }
        }
        if (!left.empty()) {
            found.emplace_back(ShownPath(baseline.folder, gone.paths[i]), std::move(left));
        }
    }
    return found;
}
