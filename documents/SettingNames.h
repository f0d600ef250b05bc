#pragma once

#include <optional>
#include <string_view>

#include "engine/EnglishVariant.h"

// "us" or "uk".
std::optional<EnglishVariant> ParseVariantName(std::string_view value);
// A scenario's number 0-6 or its name as the window shows it.
std::optional<int> ParseScenarioName(std::string_view value);
// "section" (true) or "document" (false): what the grade, ease and score thresholds hold for.
std::optional<bool> ParsePerName(std::string_view value);

// A sentence word limit: a number of words, or the scenario's own aim.
struct SentenceWordLimit {
    bool scenarioAim = false;  // "scenario"
    int words = 0;             // when not scenarioAim; >= 1

    bool operator==(const SentenceWordLimit&) const = default;
};
// "N" (a whole number >= 1) or "scenario".
std::optional<SentenceWordLimit> ParseSentenceWordLimit(std::string_view value);
