#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/SourcePositions.h"

// In the order of the rules a SARIF log lists.
enum class FindingRule { MaxGrade, MinEase, MinScore, MaxSentenceWords };

// Each rule is named after its option, so a finding says what to change.
inline constexpr std::array<std::string_view, 4> kFindingRuleIds = {
    "max-grade", "min-ease", "min-score", "max-sentence-words"};

// A sentence a document's or section's finding names as one to rewrite.
struct NamedSentence {
    std::size_t sourceStart = 0;
    std::size_t sourceEnd = 0;
    TextPosition start;  // once placed
    TextPosition end;
    std::string message;  // its own finding's
};

struct Finding {
    FindingRule rule = FindingRule::MaxGrade;
    bool wholeDocument = true;  // else a sentence or a section, from `start` to before `end`
    std::optional<std::string> section;  // a section's heading, where a section's figure missed
    double figure = 0;  // the grade, ease or score that missed, for a document or a section
    // What a baseline knows the finding by within its path and rule: "document",
    // "section:HASH:N" or "sentence:HASH:N", HASH of the heading's or the sentence's
    // words, N counting the same words from 1.
    std::string fingerprint;
    std::size_t sourceStart = 0;  // a sentence's or section's UTF-16 offsets in the source
    std::size_t sourceEnd = 0;
    TextPosition start;  // a sentence's places, once placed
    TextPosition end;
    std::string message;
    // A document's or section's: the fewest sentences whose rewriting would
    // bring it within the threshold, each also a finding of its own.
    std::vector<NamedSentence> named;
};

// The fingerprint of a whole document's finding.
inline constexpr std::string_view kDocumentFingerprint = "document";

// How a finding names a section: by its heading, or as the text before the first.
inline std::string SectionName(std::string_view heading) {
    return heading.empty() ? "text before the first heading"
                           : "section \u201C" + std::string(heading) + "\u201D";
}

constexpr std::string_view FindingRuleId(FindingRule rule) {
    return kFindingRuleIds[static_cast<std::size_t>(rule)];
}
