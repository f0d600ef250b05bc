#include "results/SummaryLine.h"

#include <algorithm>

#include "engine/TextAgreement.h"
#include "engine/TwoDecimals.h"

namespace {

// Bitwise, so that loops over it stay free of jumps.
bool IsLineBreak(char16_t unit) {
    return (unit == u'\r') | (unit == u'\n');
}

}  // namespace

std::int64_t CountSummaryParagraphs(std::u16string_view text) {
    if (text.empty()) {
        return 0;
    }
    // A paragraph starts wherever a break is followed by something else. Each step reads only
    // its two code units and counts in 16 bits, a block at a time, so the loop vectorises with
    // eight or more steps at once.
    constexpr std::size_t kBlockLength = 0xFFFF;
    std::int64_t paragraphs = IsLineBreak(text[0]) ? 0 : 1;
    for (std::size_t start = 1; start < text.size(); start += kBlockLength) {
        const std::size_t end = std::min(text.size(), start + kBlockLength);
        std::uint16_t starts = 0;
        for (std::size_t i = start; i < end; ++i) {
            starts = static_cast<std::uint16_t>(
                starts + (IsLineBreak(text[i - 1]) > IsLineBreak(text[i]) ? 1 : 0));
        }
        paragraphs += starts;
    }
    return paragraphs;
}

std::int64_t CountPages(std::size_t length, int charactersPerPage) {
    if (charactersPerPage <= 0) {  // no page size, no pages (and no division by zero)
        return 0;
    }
    const double pageSize = charactersPerPage;
    return static_cast<std::int64_t>((pageSize + static_cast<double>(length) - 1.0) / pageSize);
}

std::u16string SummaryLineText(SummaryMemory& memory, const AnalysisJob& job, int scenario,
                               int charactersPerPage) {
    if (job.text.empty()) {
        return u"There is no text to analyze!";
    }
    // The page size is part of the key: otherwise a variant change would keep showing the
    // page count of the other page size.
    if (scenario != memory.scenario || charactersPerPage != memory.charactersPerPage) {
        memory = {scenario, charactersPerPage, {}, -1, -1};
    }
    if (!SameText(job.text, memory.text) || memory.paragraphs == -1) {
        memory.text = job.text;
        memory.paragraphs = CountSummaryParagraphs(job.text);
        memory.pages = CountPages(job.text.size(), charactersPerPage);
    }

    std::u16string line = FormatCount(job.wordCount);
    line += u" words, ";
    line += FormatCount(job.sentenceCount);
    line += u" sentences, ";
    line += FormatCount(memory.paragraphs);
    line += u" paragraphs, and ";
    line += FormatCount(memory.pages);
    line += memory.pages >= 2 ? u" pages" : u" page";
    return line;
}
