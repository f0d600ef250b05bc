#pragma once

#include <string>
#include <vector>

#include "cli/CliAnalysis.h"
#include "cli/Finding.h"

// One JSON object on one line, then a line feed.
std::string CliJsonText(const CliAnalysis& analysis);

// One line of JSON Lines for a document: "path", the keys above (only a zero
// "wordCount" where the document holds nothing to analyse) and "findings".
std::string CliJsonDocumentLine(const CliAnalysis* analysis, const std::string& path,
                                const std::vector<Finding>& findings);
// The line for a document that could not be read, decoded or analysed.
std::string CliJsonErrorLine(const std::string& path, const std::string& error);
