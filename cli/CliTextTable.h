#pragma once

#include <string>

#include "documents/TextAnalysis.h"

// The readable default output in UTF-8: the nine measures with their labels,
// the summary line and the overall score, LF line ends.
std::string CliTextTable(const TextAnalysis& analysis);
