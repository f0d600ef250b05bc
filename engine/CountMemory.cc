#include "engine/CountMemory.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/ReadabilityMetrics.h"
#include "engine/SpellingNormalisation.h"
#include "engine/TextAgreement.h"

namespace {

bool IsCut(std::u16string_view text, std::size_t at) {
    return text[at] == u' ' && IsSentenceMark(text[at - 1]);
}

// Cuts [start, end) of the text into pieces, counts each and appends it,
// normalised, to `normalised`.
void CountPieces(std::u16string_view text, std::size_t start, std::size_t end,
                 EnglishVariant variant, std::vector<CountedPiece>& pieces,
                 std::u16string& normalised) {
    while (start < end) {
        std::size_t cut = start + 1;
        while (cut < end && !IsCut(text, cut)) {
            ++cut;
        }
        const std::u16string respelt = ReplacedSpellings(text.substr(start, cut - start), variant);
        CountedPiece piece;
        piece.start = start;
        piece.end = cut;
        piece.normalisedLength = respelt.size();
        piece.runs = CountRuns(respelt);
        piece.asciiWords = CountAsciiWords(respelt, variant);
        pieces.push_back(piece);
        normalised += respelt;
        start = cut;
    }
}

}  // namespace

AsciiWordCounts CountTextRemembering(AnalysisJob& job, EnglishVariant variant,
                                     CountMemory& memory) {
    std::u16string text = std::move(job.text);
    const std::size_t first = std::min(text.find_first_not_of(u' '), text.size());
    const std::size_t end = first == text.size() ? first : text.find_last_not_of(u' ') + 1;

    std::vector<CountedPiece> old = std::move(memory.pieces);
    if (memory.variant != variant) {
        old.clear();
        memory.normalised.clear();
        memory.variant = variant;
    }
    const std::u16string_view before = memory.text;
    const std::size_t prefix = AgreeingLength(text, before);
    const std::size_t suffix =
        AgreeingEndLength(text, before, std::min(text.size(), before.size()) - prefix);
    const std::size_t changedFrom = before.size() - suffix;  // in the old text
    // Added modulo 2^64, so a shrinking text shifts its pieces back.
    const std::size_t shift = text.size() - before.size();

    // A piece before the change stands if it ends at a cut the change left alone
    // (the last piece ends where the text does, which the change may have moved); a
    // piece after it, if the cut it starts at and all that follows are unchanged.
    std::size_t head = 0;
    while (head + 1 < old.size() && old[head].end < prefix) {
        ++head;
    }
    std::size_t tail = old.size();
    while (tail > head + 1 && old[tail - 1].start > changedFrom) {
        --tail;
    }

    // The normalised text of the pieces kept is where it was in the last one.
    std::size_t headLength = 0;
    for (std::size_t i = 0; i < head; ++i) {
        headLength += old[i].normalisedLength;
    }
    std::size_t tailLength = 0;
    for (std::size_t i = tail; i < old.size(); ++i) {
        tailLength += old[i].normalisedLength;
    }
    std::vector<CountedPiece> pieces;
    pieces.reserve(old.size() + 4);
    std::copy(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(head),
              std::back_inserter(pieces));
    job.text.clear();
    job.text.reserve(end - first);
    job.text.append(memory.normalised, 0, headLength);
    const std::size_t middleStart = head > 0 ? pieces.back().end : first;
    const std::size_t middleEnd = tail < old.size() ? old[tail].start + shift : end;
    CountPieces(text, middleStart, middleEnd, variant, pieces, job.text);
    job.text.append(memory.normalised, memory.normalised.size() - tailLength);
    for (std::size_t i = tail; i < old.size(); ++i) {
        old[i].start += shift;
        old[i].end += shift;
        pieces.push_back(old[i]);
    }

    RunCounts runs;
    AsciiWordCounts asciiWords;
    for (const CountedPiece& piece : pieces) {
        runs.words += piece.runs.words;
        runs.syllables += piece.runs.syllables;
        runs.sentences += piece.runs.sentences;
        asciiWords.complexWords += piece.asciiWords.complexWords;
        asciiWords.longWords += piece.asciiWords.longWords;
    }
    job.wordCount = runs.words;
    job.syllableCount = runs.syllables;
    job.sentenceCount = runs.sentences;
    job.characterCount = static_cast<std::int64_t>(job.text.size());
    memory.pieces = std::move(pieces);
    memory.text = std::move(text);
    memory.normalised = job.text;
    return asciiWords;
}

AsciiWordCounts RunAnalysisRemembering(AnalysisJob& job, EnglishVariant variant,
                                       const ReadingRates& rates, CountMemory& memory) {
    if (job.text.empty()) {
        return {};
    }
    const AsciiWordCounts asciiWords = CountTextRemembering(job, variant, memory);
    ComputeMetricsFromCounts(job, asciiWords, variant, rates);
    return asciiWords;
}
