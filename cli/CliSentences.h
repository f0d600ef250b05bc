#pragma once

#include <string>
#include <string_view>

#include "documents/DocumentAnalysis.h"

// One JSON object on one line, then a line feed: the whole text's grade and
// score, and each sentence's place, counts, level and impact. The analysis
// holds the sentences; the places are those in `source`, the text as read,
// which the prose was taken from.
std::string CliSentencesText(const DocumentAnalysis& analysis, std::u16string_view source);
