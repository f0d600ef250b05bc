#include "cli/Baseline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <tuple>
#include <unordered_map>
#include <utility>

#include <nlohmann/json.hpp>

#include "documents/InputBytes.h"
#include "platform/common/AtomicFile.h"

namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

constexpr int kBaselineVersion = 1;

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

std::string EntryError(const Json& entry) {
    if (!entry.is_object()) {
        return "a finding is not an object";
    }
    for (const char* key : {"path", "rule", "fingerprint"}) {
        if (!entry.contains(key) || !entry[key].is_string()) {
            return std::string("a finding has no \"") + key + "\" string";
        }
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
    return {};
}

}  // namespace

std::string BaselinePath(const std::string& path) {
    if (path == "-") {
        return path;
    }
    fs::path normal = fs::path(path).lexically_normal();
    if (normal.is_absolute()) {
        std::error_code error;
        const fs::path relative = normal.lexically_relative(fs::current_path(error));
        if (!error && !relative.empty() && *relative.begin() != "..") {
            normal = relative;
        }
    }
    return normal.generic_string();
}

std::vector<BaselineEntry> BaselineEntriesOf(const std::string& path,
                                             const std::vector<Finding>& findings) {
    std::vector<BaselineEntry> entries;
    const std::string normal = BaselinePath(path);
    for (const Finding& finding : findings) {
        BaselineEntry entry{normal, std::string(FindingRuleId(finding.rule)), finding.fingerprint,
                            finding.section, std::nullopt};
        if (HasFigure(finding)) {
            entry.figure = TwoDecimals(finding.figure);
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
    const InputBytes input = ReadInputBytes(file, SIZE_MAX);
    if (input.status != InputStatus::Ok) {
        read.error = "cannot read the baseline: " +
                     (input.status == InputStatus::TooLarge ? file + ": too large" : input.error);
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
        BaselineEntry entry{object["path"], object["rule"], object["fingerprint"], std::nullopt,
                            std::nullopt};
        if (object.contains("section")) {
            entry.section = object["section"].get<std::string>();
        }
        if (object.contains("figure")) {
            entry.figure = object["figure"].get<double>();
        }
        read.baseline.byPath[entry.path].push_back(std::move(entry));
    }
    return read;
}

BaselineSplit SplitByBaseline(const Baseline& baseline, const std::string& path,
                              std::vector<Finding> findings) {
    BaselineSplit split;
    const auto found = baseline.byPath.find(BaselinePath(path));
    if (found == baseline.byPath.end()) {
        split.fresh = std::move(findings);
        return split;
    }
    const std::vector<BaselineEntry>& entries = found->second;
    const auto key = [](std::string_view rule, const std::string& fingerprint) {
        return std::string(rule) + ' ' + fingerprint;
    };
    std::unordered_map<std::string, std::size_t> byKey;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        byKey.emplace(key(entries[i].rule, entries[i].fingerprint), i);
    }
    std::vector<bool> seen(entries.size(), false);
    for (Finding& finding : findings) {
        const auto match = byKey.find(key(FindingRuleId(finding.rule), finding.fingerprint));
        bool accepted = false;
        if (match != byKey.end()) {
            const BaselineEntry& entry = entries[match->second];
            seen[match->second] = true;
            accepted = !HasFigure(finding) ||
                       (entry.figure && NoWorse(finding.rule, finding.figure, *entry.figure));
        }
        (accepted ? split.unchanged : split.fresh).push_back(std::move(finding));
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!seen[i]) {
            split.absent.push_back(entries[i]);
        }
    }
    return split;
}
