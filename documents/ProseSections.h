#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "documents/MarkdownProse.h"
#include "documents/SourcePositions.h"
#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// A heading and what follows it up to the next heading of the same or a higher
// level, or the text before the first heading; a text without headings is one.
struct ProseSection {
    std::u16string heading;      // its text on one line; empty before the first heading
    std::size_t proseStart = 0;  // the heading's first unit
    std::size_t proseEnd = 0;    // after its last word
    std::size_t sourceStart = 0;
    std::size_t sourceEnd = 0;
    TextPosition start;  // once placed
    TextPosition end;

    bool hasText = false;  // anything worth analysing; the figures are unset without it
    std::int64_t words = 0;
    std::int64_t sentences = 0;
    std::int64_t characters = 0;
    std::int64_t syllables = 0;
    AsciiWordCounts ascii;
    double grade = 0;
    double ease = 0;
    std::optional<double> score;  // none where it is too short for one
};

// Each section's figures, from its own prose.
std::vector<ProseSection> ProseSections(const ProseDocument& document, EnglishVariant variant,
                                        int scenario);

// Sets each section's lines and columns from its source offsets.
void PlaceSections(std::u16string_view source, std::vector<ProseSection>& sections);
