#include "cli/CliJson.h"

#include <string>

#include <nlohmann/json.hpp>

#include "documents/AnalysisJson.h"

namespace {

using Json = nlohmann::ordered_json;

Json FindingsJson(const std::vector<Finding>& findings) {
    Json array = Json::array();
    for (const Finding& finding : findings) {
        const Json end = finding.wholeDocument ? Json(nullptr) : Json(finding.end.line);
        const Json endColumn = finding.wholeDocument ? Json(nullptr) : Json(finding.end.column);
        array.push_back({
            {"rule", FindingRuleId(finding.rule)},
            {"line", finding.start.line},
            {"column", finding.start.column},
            {"endLine", end},
            {"endColumn", endColumn},
            {"message", finding.message},
        });
    }
    return array;
}

}  // namespace

std::string CliJsonDocumentLine(const TextAnalysis* analysis, const std::string& path,
                                const std::vector<Finding>& findings) {
    Json object = {{"path", path}};
    if (analysis != nullptr) {
        object.update(AnalysisJson(*analysis));
    } else {
        object["wordCount"] = 0;
    }
    object["findings"] = FindingsJson(findings);
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string CliJsonErrorLine(const std::string& path, const std::string& error) {
    const Json object = {{"path", path}, {"error", error}, {"findings", Json::array()}};
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
