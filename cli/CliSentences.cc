#include "cli/CliSentences.h"

#include <cstddef>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "report/SentenceImpact.h"
#include "report/WeightedScore.h"

namespace {

using Json = nlohmann::ordered_json;

struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

// The second half of a surrogate pair: the pair is one code point, one column.
bool ContinuesCodePoint(std::u16string_view text, std::size_t i) {
    return i > 0 && text[i] >= 0xDC00 && text[i] <= 0xDFFF && text[i - 1] >= 0xD800 &&
           text[i - 1] <= 0xDBFF;
}

// One walk for all offsets, which must ascend.
std::vector<TextPosition> PositionsOf(std::u16string_view text,
                                      const std::vector<SentenceSpan>& spans) {
    std::vector<TextPosition> positions;
    positions.reserve(spans.size());
    TextPosition position;
    std::size_t i = 0;
    for (const SentenceSpan& span : spans) {
        for (; i < span.start; ++i) {
            const char16_t c = text[i];
            // The CR of a CR LF counts as a column; the LF then starts the line.
            const bool lineEnd =
                c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
            if (lineEnd) {
                ++position.line;
                position.column = 1;
            } else if (!ContinuesCodePoint(text, i)) {
                ++position.column;
            }
        }
        positions.push_back(position);
    }
    return positions;
}

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

std::string CliSentencesText(const CliAnalysis& analysis, std::u16string_view input) {
    const std::vector<SentenceSpan> spans =
        SentenceSpans(input, analysis.job.text, analysis.variant);
    const AsciiWordCounts wholeAscii{analysis.complexWordCount, analysis.longWordCount};
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(analysis.job, wholeAscii, spans, analysis.scenario, analysis.variant);
    const std::vector<TextPosition> positions = PositionsOf(input, spans);
    Json sentences = Json::array();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const SentenceSpan& span = spans[i];
        const SentenceImpact& impact = impacts[i];
        sentences.push_back({
            {"start", span.start},
            {"end", span.end},
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
