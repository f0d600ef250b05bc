#include "cli/Baseline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <system_error>
#include <tuple>
#include <unordered_map>
#include <utility>

#include <nlohmann/json.hpp>

#include "documents/InputBytes.h"
#include "platform/common/AtomicFile.h"
#include "platform/common/ReadFile.h"

namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

constexpr int kBaselineVersion = 1;
constexpr std::string_view kSentencePrefix = "sentence:";

double TwoDecimals(double value) {
    return std::round(value * 100) / 100;
}

bool HasFigure(const Finding& finding) {
    return finding.fingerprint == kDocumentFingerprint || finding.section.has_value();
}

// A lower grade is better; a higher ease or score is.
bool NoWorse(FindingRule rule, double figure, double accepted) {
    return rule == FindingRule::MaxGrade ? TwoDecimals(figure) <= accepted
                                         : TwoDecimals(figure) >= accepted;
}

std::optional<FindingRule> RuleOf(const std::string& id) {
    for (std::size_t i = 0; i < kFindingRuleIds.size(); ++i) {
        if (kFindingRuleIds[i] == id) {
            return static_cast<FindingRule>(i);
        }
    }
    return std::nullopt;
}

bool LeavesFolder(const fs::path& path) {
    return path.is_absolute() || path.empty() || *path.begin() == "..";
}

std::string EntryError(const Json& entry) {
    if (!entry.is_object()) {
        return "a finding is not an object";
    }
    for (const char* key : {"path", "rule", "fingerprint"}) {
        if (!entry.contains(key) || !entry[key].is_string()) {
            return std::string("a finding has no \"") + key + "\" string";
        }
    }
    const std::string path = entry["path"].get<std::string>();
    if (path != "-" && LeavesFolder(fs::path(path).lexically_normal())) {
        return "the path \"" + path + "\" is outside the baseline's folder";
    }
    if (!RuleOf(entry["rule"].get<std::string>())) {
        return "unknown rule \"" + entry["rule"].get<std::string>() + "\"";
    }
    if (entry.contains("figure") && !entry["figure"].is_number()) {
        return "a finding's \"figure\" is not a number";
    }
    if (entry.contains("section") && !entry["section"].is_string()) {
        return "a finding's \"section\" is not a string";
    }
    if (entry.contains("neighbours")) {
        const Json& neighbours = entry["neighbours"];
        if (!neighbours.is_array() || neighbours.size() != 2 || !neighbours[0].is_string() ||
            !neighbours[1].is_string()) {
            return "a finding's \"neighbours\" are not two strings";
        }
    }
    return {};
}

BaselineEntry EntryOf(const Json& object) {
    BaselineEntry entry{object["path"], object["rule"], object["fingerprint"],
                        std::nullopt,   std::nullopt,   std::nullopt};
    if (entry.path != "-") {
        entry.path = fs::path(entry.path).lexically_normal().generic_string();
    }
    if (object.contains("section")) {
        entry.section = object["section"].get<std::string>();
    }
    if (object.contains("figure")) {
        entry.figure = object["figure"].get<double>();
    }
    if (object.contains("neighbours")) {
        entry.neighbours = Neighbours{object["neighbours"][0], object["neighbours"][1]};
    }
    return entry;
}

// Copies of one sentence against the entries that accepted it: those whose
// neighbours match best are taken first, then in their order, so that a copy
// pasted elsewhere is the new one, and a baseline without neighbours accepts
// the first copies as it always did.
void MatchCopies(const std::vector<std::size_t>& findingIndices,
                 const std::vector<std::size_t>& entryIndices,
                 const std::vector<BaselineEntry>& entries,
                 const std::vector<Neighbours>& neighbours, std::vector<bool>& accepted,
                 std::vector<bool>& matched) {
    struct Pair {
        int score;
        std::size_t finding;
        std::size_t entry;
    };
    std::vector<Pair> pairs;
    pairs.reserve(findingIndices.size() * entryIndices.size());
    for (const std::size_t finding : findingIndices) {
        for (const std::size_t entry : entryIndices) {
            int score = 0;
            const std::optional<Neighbours>& recorded = entries[entry].neighbours;
            if (recorded && finding < neighbours.size()) {
                score = (neighbours[finding][0] == (*recorded)[0] ? 1 : 0) +
                        (neighbours[finding][1] == (*recorded)[1] ? 1 : 0);
            }
            pairs.push_back({score, finding, entry});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const Pair& a, const Pair& b) { return a.score > b.score; });
    for (const Pair& pair : pairs) {
        if (!accepted[pair.finding] && !matched[pair.entry]) {
            accepted[pair.finding] = true;
            matched[pair.entry] = true;
        }
    }
}

}  // namespace

// Absolute, with the links in its folders resolved, so that a path through a
// linked folder is the same path; a linked file stays where it is named.
fs::path ResolvedPath(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error).lexically_normal();
    if (!absolute.has_filename()) {
        absolute = absolute.parent_path();
    }
    const fs::path folder = fs::weakly_canonical(absolute.parent_path(), error);
    return error ? absolute : folder / absolute.filename();
}

bool IsSentenceEntry(const BaselineEntry& entry) {
    return entry.fingerprint.starts_with(kSentencePrefix);
}

std::string BaselineMatchKey(std::string_view rule, const std::string& fingerprint) {
    std::string_view words = fingerprint;
    if (words.starts_with(kSentencePrefix)) {
        words = words.substr(0, words.rfind(':'));
    }
    return std::string(rule) + ' ' + std::string(words);
}

fs::path BaselineFolder(const std::string& file) {
    return ResolvedPath(file).parent_path();
}

std::optional<std::string> BaselinePath(const std::string& path, const fs::path& folder) {
    if (path == "-") {
        return path;
    }
    const fs::path relative = ResolvedPath(path).lexically_relative(folder);
    if (LeavesFolder(relative)) {
        return std::nullopt;
    }
    return relative.generic_string();
}

std::string ShownPath(const fs::path& folder, const std::string& baselinePath) {
    if (baselinePath == "-") {
        return baselinePath;
    }
    const fs::path full = (folder / baselinePath).lexically_normal();
    std::error_code error;
    const fs::path relative = full.lexically_relative(fs::current_path(error));
    return (error || relative.empty() ? full : relative).generic_string();
}

std::vector<BaselineEntry> BaselineEntriesOf(const std::string& baselinePath,
                                             const std::vector<Finding>& findings,
                                             const std::vector<Neighbours>& neighbours) {
    std::vector<BaselineEntry> entries;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        BaselineEntry entry{baselinePath,        std::string(FindingRuleId(finding.rule)),
                            finding.fingerprint, finding.section,
                            std::nullopt,        std::nullopt};
        if (HasFigure(finding)) {
            entry.figure = TwoDecimals(finding.figure);
        }
        if (IsSentenceEntry(entry) && i < neighbours.size()) {
            entry.neighbours = neighbours[i];
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string BaselineFileText(std::vector<BaselineEntry> entries) {
    std::sort(entries.begin(), entries.end(), [](const BaselineEntry& a, const BaselineEntry& b) {
        return std::tie(a.path, a.rule, a.fingerprint) < std::tie(b.path, b.rule, b.fingerprint);
    });
    std::string text =
        "{\n  \"version\": " + std::to_string(kBaselineVersion) + ",\n  \"findings\": [";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BaselineEntry& entry = entries[i];
        Json object = {
            {"path", entry.path}, {"rule", entry.rule}, {"fingerprint", entry.fingerprint}};
        if (entry.section) {
            object["section"] = *entry.section;
        }
        if (entry.figure) {
            object["figure"] = *entry.figure;
        }
        if (entry.neighbours) {
            object["neighbours"] = *entry.neighbours;
        }
        text += i == 0 ? "\n    " : ",\n    ";
        text += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    return text + (entries.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

bool WriteBaselineFile(const std::string& file, std::vector<BaselineEntry> entries) {
    return platform::posix::WriteFileAtomically(file, BaselineFileText(std::move(entries)));
}

BaselineRead ReadBaseline(const std::string& file) {
    BaselineRead read;
    const platform::FileBytes input = platform::posix::ReadFileBytes(file, kMaxDocumentBytes);
    if (input.status != platform::FileReadStatus::Read) {
        read.error = "cannot read the baseline: " + input.error;
        return read;
    }
    const Json json = Json::parse(input.bytes, nullptr, false);
    const auto fail = [&](const std::string& what) {
        read = BaselineRead{};
        read.error = "baseline " + file + ": " + what;
        return read;
    };
    if (!json.is_object() || !json.contains("findings") || !json["findings"].is_array()) {
        return fail("not a baseline (expected an object with a \"findings\" array)");
    }
    const Json* version = json.contains("version") ? &json["version"] : nullptr;
    if (version == nullptr || !version->is_number_integer() || *version != kBaselineVersion) {
        return fail("expected \"version\": " + std::to_string(kBaselineVersion));
    }
    for (const Json& object : json["findings"]) {
        if (const std::string error = EntryError(object); !error.empty()) {
            return fail(error);
        }
        BaselineEntry entry = EntryOf(object);
        read.baseline.byPath[entry.path].push_back(std::move(entry));
    }
    read.baseline.folder = BaselineFolder(file);
    return read;
}

BaselineSplit SplitByBaseline(const std::vector<BaselineEntry>& entries,
                              std::vector<Finding> findings,
                              const std::vector<Neighbours>& neighbours) {
    BaselineSplit split;
    split.matched.assign(entries.size(), false);
    std::unordered_map<std::string, std::vector<std::size_t>> entriesByKey;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entriesByKey[BaselineMatchKey(entries[i].rule, entries[i].fingerprint)].push_back(i);
    }
    std::vector<bool> accepted(findings.size(), false);
    // Each sentence's copies in their order.
    std::unordered_map<std::string, std::vector<std::size_t>> copies;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        const std::string key = BaselineMatchKey(FindingRuleId(finding.rule), finding.fingerprint);
        const auto match = entriesByKey.find(key);
        if (match == entriesByKey.end()) {
            continue;
        }
        if (HasFigure(finding)) {
            const std::size_t entry = match->second.front();
            split.matched[entry] = true;
            accepted[i] = entries[entry].figure &&
                          NoWorse(finding.rule, finding.figure, *entries[entry].figure);
            continue;
        }
        copies[key].push_back(i);
    }
    for (const auto& [key, findingIndices] : copies) {
        MatchCopies(findingIndices, entriesByKey[key], entries, neighbours, accepted,
                    split.matched);
    }
    for (std::size_t i = 0; i < findings.size(); ++i) {
        (accepted[i] ? split.unchanged : split.fresh).push_back(std::move(findings[i]));
    }
    return split;
}
