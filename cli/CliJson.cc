#include "cli/CliJson.h"

#include <string>

#include <nlohmann/json.hpp>

#include "engine/Scenario.h"
#include "engine/Utf8.h"

namespace {

using Json = nlohmann::ordered_json;

Json ScoreJson(const WeightedScore& score) {
    return {
        {"averageSentenceLength", score.averageSentenceLength},
        {"complexWordPercent", score.complexWordPercent},
        {"sentenceScore", score.sentenceScore},
        {"vocabularyScore", score.vocabularyScore},
        {"easeScore", score.easeScore},
        {"smogScore", score.smogScore},
        {"fogScore", score.fogScore},
        {"lixScore", score.lixScore},
        {"otherScore", score.otherScore},
        {"overallScore", score.overallScore},
    };
}

Json AnalysisJson(const CliAnalysis& analysis) {
    const AnalysisJob& job = analysis.job;
    Json labels = Json::object();
    Json rows = Json::array();
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        labels[std::string(kMetricRows[i].key)] = EncodeUtf8(analysis.rows[i].label);
        rows.push_back(EncodeUtf8(analysis.rows[i].valueText));
    }
    return {
        {"variant", analysis.variant == EnglishVariant::Uk ? "uk" : "us"},
        {"scenario", EncodeUtf8(kScenarioNames[analysis.scenario])},
        {"text", EncodeUtf8(job.text)},
        {"wordCount", job.wordCount},
        {"sentenceCount", job.sentenceCount},
        {"characterCount", job.characterCount},
        {"syllableCount", job.syllableCount},
        {"complexWordCount", analysis.complexWordCount},
        {"longWordCount", analysis.longWordCount},
        {"fleschReadingEase", job.fleschReadingEase},
        {"fleschKincaidGrade", job.fleschKincaidGrade},
        {"colemanLiauIndex", job.colemanLiauIndex},
        {"automatedIndex", job.automatedIndex},
        {"readingTimeMinutes", job.readingTimeMinutes},
        {"speakingTimeMinutes", job.speakingTimeMinutes},
        {"smogIndex", job.smogIndex},
        {"lixIndex", job.lixIndex},
        {"gunningFogIndex", job.gunningFogIndex},
        {"readingWordsPerMinute", analysis.rates.readingWordsPerMinute},
        {"speakingWordsPerMinute", analysis.rates.speakingWordsPerMinute},
        {"labels", labels},
        {"rows", rows},
        {"summary", EncodeUtf8(analysis.summary)},
        {"score", analysis.score ? ScoreJson(*analysis.score) : Json(nullptr)},
        {"report", EncodeUtf8(analysis.report)},
    };
}

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

std::string CliJsonText(const CliAnalysis& analysis) {
    return AnalysisJson(analysis).dump() + "\n";
}

std::string CliJsonDocumentLine(const CliAnalysis* analysis, const std::string& path,
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
