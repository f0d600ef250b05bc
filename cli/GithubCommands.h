#pragma once

#include <string>
#include <string_view>

#include "cli/DocumentCheck.h"
#include "cli/DocumentText.h"

// GitHub places an annotation only on a path from the repository's root as it
// names it, so a walk from "." must not lead with "./"; the job summary names
// files the same way.
std::string_view GithubPath(std::string_view path);

// GitHub Actions workflow commands: a warning per finding at its place, an
// error per document that could not be checked.
std::string GithubCommands(const DocumentResult& result);

// The run's totals as one notice: GitHub shows only the first few warnings.
std::string GithubTotalsNotice(const DocumentTotals& totals);
