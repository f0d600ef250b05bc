#include "documents/ProseSentences.h"

std::vector<ProseSentence> ProseSentences(const ProseDocument& document,
                                          const TextAnalysis& analysis, SpanMemory* memory) {
    const std::vector<SentenceSpan> spans =
        memory != nullptr
            ? SentenceSpans(document.prose, analysis.job.text, analysis.variant, *memory)
            : SentenceSpans(document.prose, analysis.job.text, analysis.variant);
    const AsciiWordCounts wholeAscii{analysis.complexWordCount, analysis.longWordCount};
    const std::vector<SentenceImpact> impacts =
        SentenceImpacts(analysis.job, wholeAscii, spans, analysis.scenario, analysis.variant);
    std::vector<ProseSentence> sentences;
    sentences.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const SentenceSpan& span = spans[i];
        const WordsRange words = SentenceWords(document.prose, span);
        sentences.push_back({
            .span = span,
            .impact = impacts[i],
            .sourceStart = SourceOffsetOf(document, span.start),
            .sourceEnd = SourceEndOf(document, span.end),
            .wordsStart = SourceOffsetOf(document, words.start),
            .wordsEnd = SourceEndOf(document, words.end),
        });
    }
    return sentences;
}
