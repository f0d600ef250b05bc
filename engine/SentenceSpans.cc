#include "engine/SentenceSpans.h"

#include <algorithm>
#include <string>

#include "engine/AnalysisJob.h"
#include "engine/ReadabilityMetrics.h"
#include "engine/SpellingNormalisation.h"
#include "engine/TextStatistics.h"

namespace {

// Where the cuts fall in the respelt text: the start, the first code unit of
// each word that follows a word holding a sentence mark (an inverted mark that
// opens a word begins a sentence rather than ending one), and the end.
std::vector<std::size_t> Cuts(std::u16string_view text) {
    std::vector<std::size_t> cuts{0};
    bool inWord = false;
    bool marked = false;
    bool cutDue = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsWordSeparator(text[i])) {
            cutDue = cutDue || (inWord && marked);
            inWord = false;
            continue;
        }
        if (cutDue) {
            cuts.push_back(i);
            cutDue = false;
        }
        const bool opening = !inWord && (text[i] == u'\u00A1' || text[i] == u'\u00BF');
        if (!inWord) {
            inWord = true;
            marked = false;
        }
        marked = marked || (IsSentenceMark(text[i]) && !opening);
    }
    cuts.push_back(text.size());
    return cuts;
}

// Maps ascending offsets of the respelt text to the editor's text. Respelling
// replaces whole blank-separated tokens of the trimmed text, so the tokens of
// both pair up one for one; a cut never falls inside a respelt token, which
// holds letters only.
std::vector<std::size_t> EditorOffsets(std::u16string_view editorText, std::u16string_view respelt,
                                       const std::vector<std::size_t>& offsets) {
    const std::size_t lead = editorText.find_first_not_of(u' ');
    const std::size_t trimmedEnd = editorText.find_last_not_of(u' ') + 1;
    std::vector<std::size_t> mapped;
    mapped.reserve(offsets.size());
    std::size_t editor = lead;  // the current token's start in each text
    std::size_t own = 0;
    auto next = offsets.begin();
    while (next != offsets.end()) {
        const std::size_t ownEnd = std::min(respelt.find(u' ', own), respelt.size());
        const std::size_t editorEnd = std::min(editorText.find(u' ', editor), trimmedEnd);
        for (; next != offsets.end() && *next <= ownEnd; ++next) {
            const bool sameLength = ownEnd - own == editorEnd - editor;
            mapped.push_back(sameLength || *next == own ? editor + (*next - own) : editorEnd);
        }
        own = ownEnd + 1;
        editor = editorEnd + 1;
    }
    return mapped;
}

double OwnGrade(const SentenceSpan& span, EnglishVariant variant) {
    AnalysisJob job;
    job.wordCount = span.words;
    job.sentenceCount = span.sentences;
    job.characterCount = span.characters;
    job.syllableCount = span.syllables;
    ComputeMetricsFromCounts(job, {span.complexWords, span.longWords}, variant, {});
    return job.fleschKincaidGrade;
}

}  // namespace

std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, EnglishVariant variant) {
    const std::u16string respelt = NormalisedSpelling(editorText, variant);
    std::vector<SentenceSpan> spans;
    if (respelt.empty()) {
        return spans;
    }
    const std::vector<std::size_t> cuts = Cuts(respelt);
    const std::vector<std::size_t> editorCuts = EditorOffsets(editorText, respelt, cuts);
    spans.reserve(cuts.size() - 1);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const std::u16string_view text =
            std::u16string_view(respelt).substr(cuts[i], cuts[i + 1] - cuts[i]);
        const RunCounts runs = CountRuns(text);
        const AsciiWordCounts ascii = CountAsciiWords(text, variant);
        SentenceSpan& span = spans.emplace_back();
        span.start = editorCuts[i];
        span.end = editorCuts[i + 1];
        span.words = runs.words;
        span.sentences = runs.sentences;
        span.syllables = runs.syllables;
        span.characters = static_cast<std::int64_t>(text.size());
        span.complexWords = ascii.complexWords;
        span.longWords = ascii.longWords;
        span.grade = OwnGrade(span, variant);
    }
    return spans;
}
