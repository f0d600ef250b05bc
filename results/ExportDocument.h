#pragma once

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

struct LocalDateTime {
    int year = 0;
    int month = 0;   // 1-12
    int day = 0;     // 1-31
    int hour = 0;    // 0-23
    int minute = 0;
    int second = 0;
};

// Date stamp for the locale identifier (e.g. "en_US") + "_Quillory_Export.txt".
std::string DefaultExportFileName(std::string_view localeIdentifier, const LocalDateTime& now);
