#pragma once

#include <string>
#include <vector>

#include "cli/DocumentCheck.h"

// One SARIF 2.1.0 log for the whole run: the tool with a rule per threshold,
// a result per finding, and a notification per document that could not be
// checked. Columns count code points.
std::string SarifLog(const std::vector<DocumentResult>& results);
