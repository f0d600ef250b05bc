#include "cli/CliSentences.h"

#include <cstddef>
#include <vector>

#include <nlohmann/json.hpp>

#include "documents/SourcePositions.h"

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

std::string CliSentencesText(const DocumentAnalysis& analysis, std::u16string_view source) {
    const std::vector<ProseSentence>& proseSentences = analysis.sentences;
    std::vector<std::size_t> starts;
    starts.reserve(proseSentences.size());
    for (const ProseSentence& sentence : proseSentences) {
        starts.push_back(sentence.sourceStart);
    }
    const std::vector<TextPosition> positions = PositionsOf(source, starts);
    Json sentences = Json::array();
    for (std::size_t i = 0; i < proseSentences.size(); ++i) {
        const SentenceSpan& span = proseSentences[i].span;
        const SentenceImpact& impact = proseSentences[i].impact;
        sentences.push_back({
            {"start", starts[i]},
            {"end", proseSentences[i].sourceEnd},
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
        {"grade", analysis.figures.grade},
        {"score", analysis.figures.score ? Json(*analysis.figures.score) : Json(nullptr)},
        {"maxSentenceLength", analysis.sentenceAim},
        {"sentences", sentences},
    };
    return object.dump() + "\n";
}
