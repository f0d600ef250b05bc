#pragma once

#include <string>

#include "cli/DocumentCheck.h"

// GitHub Actions workflow commands: a warning per finding at its place, an
// error per document that could not be checked.
std::string GithubCommands(const DocumentResult& result);
