#include "cli/CliJson.h"

#include <string>

#include <nlohmann/json.hpp>

#include "documents/AnalysisJson.h"
#include "engine/Utf8.h"

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

template <typename T>
Json Figure(bool known, const T& value) {
    return known ? Json(value) : Json(nullptr);
}

// A text without a score is not held to the grade, ease or score thresholds.
constexpr const char* kTooShortToJudge = "too short to judge";

Json SectionsJson(const std::vector<ProseSection>& sections) {
    Json array = Json::array();
    for (const ProseSection& section : sections) {
        Json& entry = array.emplace_back(Json{
            {"heading", EncodeUtf8(section.heading)},
            {"line", section.start.line},
            {"words", section.words},
            {"sentences", section.sentences},
            {"grade", Figure(section.hasText, section.grade)},
            {"ease", Figure(section.hasText, section.ease)},
            {"score", Figure(section.score.has_value(), section.score.value_or(0))},
        });
        if (!section.score) {
            entry["note"] = kTooShortToJudge;
        }
    }
    return array;
}

}  // namespace

std::string CliJsonDocumentLine(const TextAnalysis* analysis, const std::string& path,
                                const std::vector<Finding>& findings,
                                const std::vector<ProseSection>& sections) {
    Json object = {{"path", path}};
    if (analysis != nullptr) {
        object.update(AnalysisJson(*analysis));
        if (!analysis->score) {
            object["note"] = kTooShortToJudge;
        }
    } else {
        object["wordCount"] = 0;
    }
    object["findings"] = FindingsJson(findings);
    object["sections"] = SectionsJson(sections);
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string CliJsonErrorLine(const std::string& path, const std::string& error) {
    const Json object = {{"path", path}, {"error", error}, {"findings", Json::array()}};
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string CliJsonSkippedLine(const std::string& path, const std::string& why) {
    const Json object = {{"path", path}, {"skipped", why}, {"findings", Json::array()}};
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
