#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

constexpr int CharactersPerPage(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? 1500 : 1800;
}

// Runs of code units that are neither CR nor LF.
std::int64_t CountSummaryParagraphs(std::u16string_view text);

// The length divided by the page size, rounded up.
std::int64_t CountPages(std::size_t length, int charactersPerPage);

// Remembers the paragraph and page counts so that an unchanged text costs one
// comparison. Keyed on the text, the scenario and the page size.
struct SummaryMemory {
    int scenario = -1;
    int charactersPerPage = 0;
    std::u16string text;
    std::int64_t paragraphs = -1;
    std::int64_t pages = -1;
};

// "N words, N sentences, N paragraphs, and N page(s)", or the no-text line.
std::u16string SummaryLineText(SummaryMemory& memory, const AnalysisJob& job, int scenario,
                               int charactersPerPage);
