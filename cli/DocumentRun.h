#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli/BaselineMoves.h"
#include "cli/CliOptions.h"
#include "cli/DocumentCheck.h"
#include "cli/DocumentText.h"
#include "cli/InputFiles.h"
#include "cli/JobSummary.h"

inline constexpr int kExitDocumentsMet = 0;
inline constexpr int kExitDocumentUnreadable = 2;
inline constexpr int kExitDocumentTooLong = 3;
inline constexpr int kExitThresholdMissed = 4;

// What a run writes, and what it keeps for afterwards.
struct RunOutputs {
    OutputFormat format = OutputFormat::Text;  // written to `out` as the documents come
    bool sarifLog = false;                     // a whole SARIF log kept too
    bool jobSummary = false;
};

struct RunResult {
    int status = kExitDocumentsMet;  // unreadable before too long before missed before met
    DocumentTotals totals;
    std::string sarifLog;                        // where asked for
    JobSummary summary;                          // where asked for
    std::vector<BaselineEntry> baselineEntries;  // every finding's, in the files' order, where kept
    std::vector<std::string> outsideWrittenBaseline;  // documents with findings it cannot name
};

// Checks the files on every core and writes the format's output to `out` in
// the files' order, each document as soon as those before it are written.
RunResult RunDocuments(const std::vector<InputFile>& files, const DocumentSettings& settings,
                       const RunOutputs& outputs, std::FILE* out);
