#pragma once

#include <string>
#include <vector>

#include "documents/Finding.h"
#include "documents/ProseSections.h"
#include "documents/TextAnalysis.h"

// One line of JSON Lines for a document: "path", the keys of AnalysisJson (only a zero
// "wordCount" where the document holds nothing to analyse), "findings" and "sections".
std::string CliJsonDocumentLine(const TextAnalysis* analysis, const std::string& path,
                                const std::vector<Finding>& findings,
                                const std::vector<ProseSection>& sections);
// The line for a document that could not be read, decoded or analysed.
std::string CliJsonErrorLine(const std::string& path, const std::string& error);
// The line for a named file that .quillory.toml leaves out.
std::string CliJsonSkippedLine(const std::string& path, const std::string& why);
