#pragma once

#include <string>
#include <string_view>

#include "documents/MarkdownProse.h"
#include "documents/TextAnalysis.h"

// One JSON object on one line, then a line feed: the whole text's grade and
// score, and each sentence's place, counts, level and impact. AnalyseText was
// given the document's prose; the places are those in `source`, the text as
// read, which the prose was taken from.
std::string CliSentencesText(const TextAnalysis& analysis, const ProseDocument& document,
                             std::u16string_view source);
