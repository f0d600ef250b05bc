#pragma once

#include <string>

#include "cli/DocumentCheck.h"
#include "cli/DocumentText.h"

// GitHub Actions workflow commands: a warning per finding at its place, an
// error per document that could not be checked.
std::string GithubCommands(const DocumentResult& result);

// The run's totals as one notice: GitHub shows only the first few warnings.
std::string GithubTotalsNotice(const DocumentTotals& totals);
