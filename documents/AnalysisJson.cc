#include "documents/AnalysisJson.h"

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

}  // namespace

Json AnalysisJson(const TextAnalysis& analysis) {
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

std::string AnalysisJsonText(const TextAnalysis& analysis) {
    return AnalysisJson(analysis).dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
