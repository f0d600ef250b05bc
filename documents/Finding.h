#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "documents/SourcePositions.h"

// In the order of the rules a SARIF log lists.
enum class FindingRule { MaxGrade, MinEase, MinScore, MaxSentenceWords };

// Each rule is named after its option, so a finding says what to change.
inline constexpr std::array<std::string_view, 4> kFindingRuleIds = {
    "max-grade", "min-ease", "min-score", "max-sentence-words"};

struct Finding {
    FindingRule rule = FindingRule::MaxGrade;
    bool wholeDocument = true;    // else a sentence, from `start` to before `end`
    std::size_t sourceStart = 0;  // a sentence's UTF-16 offsets in the source
    std::size_t sourceEnd = 0;
    TextPosition start;  // a sentence's places, once placed
    TextPosition end;
    std::string message;
};

constexpr std::string_view FindingRuleId(FindingRule rule) {
    return kFindingRuleIds[static_cast<std::size_t>(rule)];
}
