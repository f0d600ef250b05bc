#include "documents/ProseSentences.h"

#include "engine/TextStatistics.h"

namespace {

std::size_t WordsStart(std::u16string_view prose, const SentenceSpan& span) {
    std::size_t start = span.start;
    while (start + 1 < span.end && IsWordSeparator(prose[start])) {
        ++start;
    }
    return start;
}

std::size_t WordsEnd(std::u16string_view prose, const SentenceSpan& span) {
    std::size_t end = span.end;
    while (end > span.start + 1 && IsWordSeparator(prose[end - 1])) {
        --end;
    }
    return end;
}

}  // namespace

std::vector<ProseSentence> ProseSentences(const ProseDocument& document,
                                          const TextAnalysis& analysis) {
    std::vector<SentenceSpan> spans =
        SentenceSpans(document.prose, analysis.job.text, analysis.variant);
    const AsciiWordCounts wholeAscii{analysis.complexWordCount, analysis.longWordCount};
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(analysis.job, wholeAscii, spans, analysis.scenario, analysis.variant);
    std::vector<ProseSentence> sentences;
    sentences.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const SentenceSpan& span = spans[i];
        sentences.push_back({
            .span = span,
            .impact = impacts[i],
            .sourceStart = SourceOffsetOf(document, span.start),
            .sourceEnd = SourceEndOf(document, span.end),
            .wordsStart = SourceOffsetOf(document, WordsStart(document.prose, span)),
            .wordsEnd = SourceEndOf(document, WordsEnd(document.prose, span)),
        });
    }
    return sentences;
}
