#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/DocumentCheck.h"

struct DocumentTotals {
    std::size_t documents = 0;
    std::size_t passed = 0;
    std::size_t missed = 0;
    std::size_t unreadable = 0;   // not read, not decoded or too long
    std::size_t tooLong = 0;      // of those, held back by the length limit
    std::size_t overCeiling = 0;  // of those, longer than any document is read
    std::size_t empty = 0;
    std::size_t skipped = 0;  // named, and left out by .quillory.toml
    std::int64_t words = 0;
    std::size_t findings = 0;  // reported, the baseline's left out
    bool baselineUsed = false;
    std::size_t baselined = 0;  // findings the baseline accepted
    std::size_t gone = 0;       // findings the baseline holds that are no longer found
};

void CountDocument(DocumentTotals& totals, const DocumentResult& result);

// "docs/a.md: 812 words, grade 9.12, ease 61.40, score 72.35: passed", then
// each finding as "docs/a.md:14:3: message".
std::string DocumentTextLines(const DocumentResult& result);
// "3 documents, 2104 words: 1 passed, 1 missed a threshold, 1 not checked", and
// ", 12 baselined" where a baseline is used, with ", 2 gone" where any is.
std::string DocumentTotalsLine(const DocumentTotals& totals);
// "12 documents checked: 5 findings, 3 baselined, 1 gone", with what was
// skipped or not checked: the totals where GitHub shows them.
std::string DocumentTotalsSentence(const DocumentTotals& totals);
