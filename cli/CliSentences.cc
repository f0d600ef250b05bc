#include "cli/CliSentences.h"

#include <cstddef>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/SourcePositions.h"
#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "report/SentenceImpact.h"
#include "report/WeightedScore.h"

namespace {

using Json = nlohmann::ordered_json;

const char* LevelName(SentenceLevel level) {
    switch (level) {
        case SentenceLevel::Long:
            return "long";
        case SentenceLevel::VeryLong:
            return "veryLong";
        case SentenceLevel::None:
            break;
    }
    return "none";
}

}  // namespace

std::string CliSentencesText(const CliAnalysis& analysis, const ProseDocument& document,
                             std::u16string_view source) {
    const std::vector<SentenceSpan> spans =
        SentenceSpans(document.prose, analysis.job.text, analysis.variant);
    const AsciiWordCounts wholeAscii{analysis.complexWordCount, analysis.longWordCount};
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(analysis.job, wholeAscii, spans, analysis.scenario, analysis.variant);
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
    starts.reserve(spans.size());
    ends.reserve(spans.size());
    for (const SentenceSpan& span : spans) {
        starts.push_back(SourceOffsetOf(document, span.start));
        ends.push_back(SourceEndOf(document, span.end));
    }
    const std::vector<TextPosition> positions = PositionsOf(source, starts);
    Json sentences = Json::array();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const SentenceSpan& span = spans[i];
        const SentenceImpact& impact = impacts[i];
        sentences.push_back({
            {"start", starts[i]},
            {"end", ends[i]},
            {"line", positions[i].line},
            {"column", positions[i].column},
            {"words", span.words},
            {"sentences", span.sentences},
            {"syllables", span.syllables},
            {"complexWords", span.complexWords},
            {"longWords", span.longWords},
            {"grade", span.grade},
            {"level", LevelName(impact.level)},
            {"gradeWithout", impact.gradeWithout},
            {"scoreWithout", impact.scoreWithout ? Json(*impact.scoreWithout) : Json(nullptr)},
        });
    }
    const Json object = {
        {"grade", analysis.job.fleschKincaidGrade},
        {"score", analysis.score ? Json(analysis.score->overallScore) : Json(nullptr)},
        {"maxSentenceLength",
         SelectScoreProfile(analysis.scenario, analysis.variant).maxSentenceLength},
        {"sentences", sentences},
    };
    return object.dump() + "\n";
}
