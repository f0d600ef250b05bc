#pragma once

#include <string>
#include <string_view>

#include "cli/CliAnalysis.h"

// One JSON object on one line, then a line feed: the whole text's grade and
// score, and each sentence's place, counts, level and impact. `input` is the
// text AnalyseText was given, into which the offsets point.
std::string CliSentencesText(const CliAnalysis& analysis, std::u16string_view input);
