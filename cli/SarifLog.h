#pragma once

#include <string>
#include <vector>

#include "cli/DocumentCheck.h"

// One SARIF 2.1.0 log for the whole run, written as the documents come so
// that a run with many findings holds none of them: the tool with a rule per
// threshold, a result per finding, and a notification per document that could
// not be checked. Columns count code points.

// Up to the opening of the results.
std::string SarifLogStart();

// The document's results, separated by commas; with a baseline, those it
// accepted and those it holds that are gone too, each with its baselineState.
std::string SarifResults(const DocumentResult& result, bool baselineUsed);

struct SarifNotChecked {
    std::string path;
    std::string error;
};

// The rest of the log.
std::string SarifLogEnd(const std::vector<SarifNotChecked>& notChecked);
