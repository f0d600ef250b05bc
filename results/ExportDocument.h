#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

inline constexpr std::u16string_view kNothingToExportMessage =
    u"Please enter text before attempting to export anything.\n";

// Blocks of non-blank lines, after removing the variant's quote character.
std::int64_t CountExportParagraphs(std::u16string_view text, EnglishVariant variant);

// The whole export file (lines 1-20, each followed by LF) before UTF-8 encoding.
std::u16string ExportDocument(const AnalysisJob& job, int scenario, EnglishVariant variant,
                              std::u16string_view report);

// Date stamp for the locale identifier (e.g. "en_US") + "_Quillory_Export.txt".
std::string DefaultExportFileName(std::string_view localeIdentifier,
                                  std::chrono::local_seconds now);
