#include "engine/CountMemory.h"

#include <utility>

#include "engine/SpellingNormalisation.h"

namespace {

PieceCounts CountPiece(std::u16string_view piece, EnglishVariant variant) {
    PieceCounts counts;
    counts.normalised = ReplacedSpellings(piece, variant);
    counts.runs = CountRuns(counts.normalised);
    counts.asciiWords = CountAsciiWords(counts.normalised, variant);
    return counts;
}

}  // namespace

AsciiWordCounts CountTextRemembering(AnalysisJob& job, EnglishVariant variant,
                                     CountMemory& memory) {
    if (memory.variant != variant) {
        memory.pieces.clear();
        memory.variant = variant;
    }
    ++memory.count;
    const std::u16string text = std::move(job.text);
    const std::size_t first = text.find_first_not_of(u' ');
    const std::size_t end = first == std::u16string::npos ? 0 : text.find_last_not_of(u' ') + 1;

    job.text.clear();
    job.text.reserve(end);
    RunCounts runs;
    AsciiWordCounts asciiWords;
    std::size_t piecesMet = 0;
    for (std::size_t start = first; start < end; ++piecesMet) {
        std::size_t cut = start + 1;
        while (cut < end && !(text[cut] == u' ' && IsSentenceMark(text[cut - 1]))) {
            ++cut;
        }
        const std::u16string_view piece(text.data() + start, cut - start);
        auto found = memory.pieces.find(piece);
        if (found == memory.pieces.end()) {
            found = memory.pieces.emplace(std::u16string(piece), CountPiece(piece, variant)).first;
        }
        PieceCounts& counts = found->second;
        counts.lastCount = memory.count;
        job.text += counts.normalised;
        runs.words += counts.runs.words;
        runs.syllables += counts.runs.syllables;
        runs.sentences += counts.runs.sentences;
        asciiWords.complexWords += counts.asciiWords.complexWords;
        asciiWords.longWords += counts.asciiWords.longWords;
        start = cut;
    }
    // Forgotten once they outnumber the text's own, so the memory stays near one text's size.
    if (memory.pieces.size() > 2 * piecesMet + 64) {
        std::erase_if(memory.pieces,
                      [&](const auto& entry) { return entry.second.lastCount != memory.count; });
    }
    job.wordCount = runs.words;
    job.syllableCount = runs.syllables;
    job.sentenceCount = runs.sentences;
    job.characterCount = static_cast<std::int64_t>(job.text.size());
    return asciiWords;
}
