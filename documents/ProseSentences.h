#pragma once

#include <cstddef>
#include <vector>

#include "documents/MarkdownProse.h"
#include "documents/TextAnalysis.h"
#include "engine/SentenceSpans.h"
#include "report/SentenceImpact.h"

// A sentence of the prose, what it costs, and where it stands in the source.
struct ProseSentence {
    SentenceSpan span;  // offsets in the prose
    SentenceImpact impact;
    std::size_t sourceStart = 0;  // where the span starts
    std::size_t sourceEnd = 0;    // where its source ends, the blanks after it included
    std::size_t wordsStart = 0;   // its first word's first unit
    std::size_t wordsEnd = 0;     // just after its last word
};

// `analysis` was made from the document's prose. The window keeps `memory`
// between keystrokes, so that only the sentences that changed are counted again.
std::vector<ProseSentence> ProseSentences(const ProseDocument& document,
                                          const TextAnalysis& analysis,
                                          SpanMemory* memory = nullptr);
