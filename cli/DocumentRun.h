#pragma once

#include <cstdio>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/DocumentCheck.h"
#include "cli/InputFiles.h"

inline constexpr int kExitDocumentsMet = 0;
inline constexpr int kExitDocumentUnreadable = 2;
inline constexpr int kExitDocumentTooLong = 3;
inline constexpr int kExitThresholdMissed = 4;

// Checks the files on every core and writes the format's output to `out` in
// the files' order, each document as soon as those before it are written.
// The exit status: unreadable before too long before missed before met.
// With `baselineEntries`, every finding's entry is added to it in the files' order.
int RunDocuments(const std::vector<InputFile>& files, const DocumentSettings& settings,
                 OutputFormat format, std::FILE* out,
                 std::vector<BaselineEntry>* baselineEntries = nullptr);
