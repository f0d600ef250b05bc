#include "cli/SarifLog.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "documents/FileUri.h"
#include "product/Product.h"

namespace {

using Json = nlohmann::ordered_json;

// Versioned, as SARIF asks, should the fingerprint ever be computed another way.
constexpr const char* kFingerprintName = "quillory/v1";

constexpr std::array<std::string_view, 4> kRuleDescriptions = {
    "The Flesch-Kincaid grade of the document (or a section) is above the maximum, or a "
    "sentence is harder than it.",
    "The Flesch Reading Ease of the document (or a section) is below the minimum.",
    "The overall weighted score of the document (or a section) is below the minimum.",
    "A sentence has more words than allowed.",
};

// Standard input has no path of its own.
std::string UriOf(const std::string& path) {
    return path == "-" ? "stdin" : PathAsUriReference(path);
}

Json Rules() {
    Json rules = Json::array();
    for (std::size_t i = 0; i < kFindingRuleIds.size(); ++i) {
        rules.push_back({
            {"id", kFindingRuleIds[i]},
            {"shortDescription", {{"text", kRuleDescriptions[i]}}},
            {"defaultConfiguration", {{"level", "warning"}}},
        });
    }
    return rules;
}

Json PhysicalLocation(const std::string& path, Json region) {
    return {{"artifactLocation", {{"uri", UriOf(path)}}}, {"region", std::move(region)}};
}

Json RegionOf(TextPosition start, TextPosition end) {
    return {{"startLine", start.line},
            {"startColumn", start.column},
            {"endLine", end.line},
            {"endColumn", end.column}};
}

Json LocationOf(const std::string& path, const Finding* finding) {
    if (finding != nullptr && !finding->wholeDocument) {
        return {
            {"physicalLocation", PhysicalLocation(path, RegionOf(finding->start, finding->end))}};
    }
    return {
        {"physicalLocation",
         PhysicalLocation(path, {{"startLine", finding != nullptr ? finding->start.line : 1}})}};
}

// The sentences a document's or section's finding names for rewriting.
Json RelatedLocations(const std::string& path, const Finding& finding) {
    Json locations = Json::array();
    for (std::size_t i = 0; i < finding.named.size(); ++i) {
        const NamedSentence& named = finding.named[i];
        locations.push_back({
            {"id", i},
            {"physicalLocation", PhysicalLocation(path, RegionOf(named.start, named.end))},
            {"message", {{"text", named.message}}},
        });
    }
    return locations;
}

}  // namespace

std::string SarifLogStart() {
    const Json tool = {
        {"driver", {{"name", "quillory-cli"}, {"version", kVersionUtf8}, {"rules", Rules()}}}};
    return R"({"$schema":"https://json.schemastore.org/sarif-2.1.0.json","version":"2.1.0",)"
           R"("runs":[{"tool":)" +
           tool.dump() + R"(,"columnKind":"unicodeCodePoints","results":[)";
}

std::string SarifResults(const DocumentResult& result, bool baselineUsed) {
    std::string text;
    const auto add = [&](Json sarifResult, const char* baselineState) {
        if (baselineUsed) {
            sarifResult["baselineState"] = baselineState;
        }
        text += text.empty() ? "" : ",";
        text += sarifResult.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    const auto resultOf = [&](const Finding& finding) {
        const auto rule = static_cast<std::size_t>(finding.rule);
        Json sarifResult{
            {"ruleId", kFindingRuleIds[rule]},
            {"ruleIndex", rule},
            {"level", "warning"},
            {"message", {{"text", finding.message}}},
            {"locations", Json::array({LocationOf(result.path, &finding)})},
            {"partialFingerprints", {{kFingerprintName, finding.fingerprint}}},
        };
        if (!finding.named.empty()) {
            sarifResult["relatedLocations"] = RelatedLocations(result.path, finding);
        }
        return sarifResult;
    };
    for (const Finding& finding : result.findings) {
        add(resultOf(finding), "new");
    }
    for (const Finding& finding : result.baselined) {
        add(resultOf(finding), "unchanged");
    }
    for (const BaselineEntry& entry : result.absent) {
        const std::string what = entry.section ? SectionName(*entry.section) + ": " : "";
        add(
            {
                {"ruleId", entry.rule},
                {"ruleIndex",
                 std::find(kFindingRuleIds.begin(), kFindingRuleIds.end(), entry.rule) -
                     kFindingRuleIds.begin()},
                {"level", "none"},
                {"message", {{"text", what + "a baselined finding is no longer found"}}},
                {"locations", Json::array({LocationOf(result.path, nullptr)})},
                {"partialFingerprints", {{kFingerprintName, entry.fingerprint}}},
            },
            "absent");
    }
    return text;
}

std::string SarifLogEnd(const std::vector<SarifNotChecked>& notChecked) {
    Json notifications = Json::array();
    for (const SarifNotChecked& result : notChecked) {
        notifications.push_back({
            {"level", "error"},
            {"message", {{"text", result.error}}},
            {"locations", Json::array({LocationOf(result.path, nullptr)})},
        });
    }
    const Json invocation = {{"executionSuccessful", notChecked.empty()},
                             {"toolExecutionNotifications", notifications}};
    return R"(],"invocations":[)" +
           invocation.dump(-1, ' ', false, Json::error_handler_t::replace) + "]}]}\n";
}
