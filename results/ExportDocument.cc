#include "results/ExportDocument.h"

#include <algorithm>
#include <cstdio>

#include "engine/Scenario.h"
#include "engine/TwoDecimals.h"
#include "engine/Utf8.h"

namespace {

constexpr std::size_t kPreviewLength = 100;

// The first code units of the text, without splitting a surrogate pair at the end.
std::u16string_view Preview(std::u16string_view text) {
    std::size_t length = std::min(text.size(), kPreviewLength);
    if (length == kPreviewLength && IsHighSurrogate(text[length - 1])) {
        --length;
    }
    return text.substr(0, length);
}

bool IsLineBreak(char16_t unit) {
    return unit == u'\r' || unit == u'\n';
}

// The position of the first CR or LF from the given one on, or the length. Blocks without a
// break are passed over whole; a fixed-length test vectorises where an early exit would not.
std::size_t FindLineBreak(std::u16string_view text, std::size_t from) {
    constexpr std::size_t kBlock = 32;
    for (; from + kBlock <= text.size(); from += kBlock) {
        std::uint16_t breaks = 0;
        for (std::size_t i = from; i < from + kBlock; ++i) {
            breaks = static_cast<std::uint16_t>(breaks | (IsLineBreak(text[i]) ? 1 : 0));
        }
        if (breaks != 0) {
            break;
        }
    }
    while (from < text.size() && !IsLineBreak(text[from])) {
        ++from;
    }
    return from;
}

void AppendLine(std::u16string& document, std::u16string_view line) {
    document += line;
    document += u'\n';
}

void AppendCountLine(std::u16string& document, std::u16string_view caption, std::int64_t count) {
    document += caption;
    document += FormatCount(count);
    document += u'\n';
}

void AppendMeasureLine(std::u16string& document, std::u16string_view caption, double measure,
                       std::u16string_view suffix = {}) {
    document += caption;
    document += FormatTwoDecimals(measure);
    document += suffix;
    document += u'\n';
}

}  // namespace

std::int64_t CountExportParagraphs(std::u16string_view text, EnglishVariant variant) {
    // The variant's quote character vanishes before lines are trimmed, so a line of quotes and
    // blanks is blank.
    const char16_t removedQuote = variant == EnglishVariant::Uk ? u'\'' : u'"';
    std::int64_t paragraphs = 0;
    bool previousLineBlank = true;
    for (std::size_t i = 0;; ++i) {
        // Only the head of a line is read unit by unit: once it holds text, the rest of it is
        // skipped up to the break.
        while (i < text.size() && (text[i] == u' ' || text[i] == removedQuote)) {
            ++i;
        }
        const bool lineHasText = i < text.size() && !IsLineBreak(text[i]);
        if (lineHasText) {
            i = FindLineBreak(text, i);
        }
        paragraphs += (lineHasText && previousLineBlank) ? 1 : 0;
        previousLineBlank = !lineHasText;
        if (i == text.size()) {
            return paragraphs;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
}

std::u16string ExportDocument(const AnalysisJob& job, int scenario, EnglishVariant variant,
                              std::u16string_view report) {
    // A bad index names the first scenario rather than reading outside the table.
    const std::u16string_view scenarioName =
        kScenarioNames[IsValidScenario(scenario) ? scenario : 0];

    std::u16string document;
    document += u"Quillory Analysis Export ";
    AppendLine(document, VariantFlag(variant));
    AppendLine(document, u"==================================");
    document += scenarioName;
    AppendLine(document, u" Scenario");
    AppendLine(document, u"===================================");
    document += u"Text: ";
    document += Preview(job.text);
    AppendLine(document, u"...\r\n");
    AppendCountLine(document, u"Word Count: ", job.wordCount);
    AppendCountLine(document, u"Sentence Count: ", job.sentenceCount);
    AppendCountLine(document, u"Paragraph Count: ", CountExportParagraphs(job.text, variant));
    AppendMeasureLine(document, u"Flesch-Kincaid Ease: ", job.fleschReadingEase);
    AppendMeasureLine(document, u"Flesch-Kincaid Grade Level: ", job.fleschKincaidGrade);
    AppendMeasureLine(document, u"Coleman-Liau Index: ", job.colemanLiauIndex);
    AppendMeasureLine(document, u"Automated Readability Index: ", job.automatedIndex);
    AppendMeasureLine(document, u"SMOG Index: ", job.smogIndex);
    AppendMeasureLine(document, u"LIX Index: ", job.lixIndex);
    AppendMeasureLine(document, u"Gunning Fog Index: ", job.gunningFogIndex);
    AppendMeasureLine(document, u"Estimated Reading Time: ", job.readingTimeMinutes, u" mins");
    AppendMeasureLine(document, u"Estimated Speaking Time: ", job.speakingTimeMinutes, u" mins");
    AppendLine(document, u"\r\nRecommendations:");
    AppendLine(document, u"-----------------------------------");
    AppendLine(document, report);
    return document;
}

std::string DefaultExportFileName(std::string_view localeIdentifier,
                                  std::chrono::local_seconds now) {
    using namespace std::chrono;
    const local_days day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{now - day};
    const int year = static_cast<int>(date.year());
    const int month = static_cast<int>(static_cast<unsigned>(date.month()));
    const int dayOfMonth = static_cast<int>(static_cast<unsigned>(date.day()));
    const int hour = static_cast<int>(time.hours().count());
    const int minute = static_cast<int>(time.minutes().count());
    const int second = static_cast<int>(time.seconds().count());
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const bool monthFirst = localeIdentifier == "en_US" || localeIdentifier == "en_CA";
    // Wide enough for six ints of any value.
    char stamp[96];
    if (monthFirst) {
        std::snprintf(stamp, sizeof stamp, "%02d-%02d-%04d-%d%02d%02d", month, dayOfMonth, year,
                      hour12, minute, second);
    } else {
        std::snprintf(stamp, sizeof stamp, "%02d-%02d-%04d%d%02d%02d", dayOfMonth, month, year,
                      hour12, minute, second);
    }
    return std::string(stamp) + "_Quillory_Export.txt";
}
