#include "results/SummaryLine.h"

namespace {

bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

void AppendDecimal(std::u16string& text, std::int64_t value) {
    const std::string digits = std::to_string(value);
    text.append(digits.begin(), digits.end());
}

}  // namespace

std::int64_t CountSummaryParagraphs(std::u16string_view text) {
    std::int64_t paragraphs = 0;
    bool previousWasBreak = true;
    for (const char16_t unit : text) {
        const bool isBreak = IsLineBreak(unit);
        if (!isBreak && previousWasBreak) {
            ++paragraphs;
        }
        previousWasBreak = isBreak;
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
    if (job.text != memory.text || memory.paragraphs == -1) {
        memory.text = job.text;
        memory.paragraphs = CountSummaryParagraphs(job.text);
        memory.pages = CountPages(job.text.size(), charactersPerPage);
    }

    std::u16string line;
    AppendDecimal(line, job.wordCount);
    line += u" words, ";
    AppendDecimal(line, job.sentenceCount);
    line += u" sentences, ";
    AppendDecimal(line, memory.paragraphs);
    line += u" paragraphs, and ";
    AppendDecimal(line, memory.pages);
    line += memory.pages >= 2 ? u" pages" : u" page";
    return line;
}
