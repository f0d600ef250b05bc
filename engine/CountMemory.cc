#include "engine/CountMemory.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/SpellingNormalisation.h"

namespace {

bool IsCut(std::u16string_view text, std::size_t at) {
    return text[at] == u' ' && IsSentenceMark(text[at - 1]);
}

// Cuts [start, end) of the text into pieces and counts each.
void CountPieces(std::u16string_view text, std::size_t start, std::size_t end,
                 EnglishVariant variant, std::vector<CountedPiece>& pieces) {
    while (start < end) {
        std::size_t cut = start + 1;
        while (cut < end && !IsCut(text, cut)) {
            ++cut;
        }
        CountedPiece piece;
        piece.start = start;
        piece.end = cut;
        piece.normalised = ReplacedSpellings(text.substr(start, cut - start), variant);
        piece.runs = CountRuns(piece.normalised);
        piece.asciiWords = CountAsciiWords(piece.normalised, variant);
        pieces.push_back(std::move(piece));
        start = cut;
    }
}

std::size_t CommonPrefix(std::u16string_view a, std::u16string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                    a.begin());
}

std::size_t CommonSuffix(std::u16string_view a, std::u16string_view b) {
    return static_cast<std::size_t>(
        std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin());
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
        memory.variant = variant;
    }
    const std::u16string_view before = memory.text;
    const std::size_t prefix = CommonPrefix(text, before);
    const std::size_t suffix =
        std::min(CommonSuffix(text, before), std::min(text.size(), before.size()) - prefix);
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

    std::vector<CountedPiece> pieces;
    pieces.reserve(old.size() + 4);
    std::move(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(head),
              std::back_inserter(pieces));
    const std::size_t middleStart = head > 0 ? pieces.back().end : first;
    const std::size_t middleEnd = tail < old.size() ? old[tail].start + shift : end;
    CountPieces(text, middleStart, middleEnd, variant, pieces);
    for (std::size_t i = tail; i < old.size(); ++i) {
        old[i].start += shift;
        old[i].end += shift;
        pieces.push_back(std::move(old[i]));
    }

    job.text.clear();
    job.text.reserve(end - first);
    RunCounts runs;
    AsciiWordCounts asciiWords;
    for (const CountedPiece& piece : pieces) {
        job.text += piece.normalised;
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
    return asciiWords;
}
