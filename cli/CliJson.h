#pragma once

#include <string>

#include "cli/CliAnalysis.h"

// One JSON object on one line, then a line feed.
std::string CliJsonText(const CliAnalysis& analysis);
