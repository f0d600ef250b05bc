#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/DocumentCheck.h"

struct DocumentTotals {
    std::size_t documents = 0;
    std::size_t passed = 0;
    std::size_t missed = 0;
    std::size_t unreadable = 0;  // not read, not decoded or too long
    std::size_t tooLong = 0;     // of those, held back by the length limit
    std::size_t empty = 0;
    std::int64_t words = 0;
    bool baselineUsed = false;
    std::size_t baselined = 0;  // findings the baseline accepted
};

void CountDocument(DocumentTotals& totals, const DocumentResult& result);

// "docs/a.md: 812 words, grade 9.12, ease 61.40, score 72.35: passed", then
// each finding as "docs/a.md:14:3: message".
std::string DocumentTextLines(const DocumentResult& result);
// "3 documents, 2104 words: 1 passed, 1 missed a threshold, 1 not checked", and
// ", 12 baselined" where a baseline is used.
std::string DocumentTotalsLine(const DocumentTotals& totals);
