#include "documents/SettingNames.h"

#include <charconv>
#include <system_error>

#include "engine/Scenario.h"
#include "engine/Utf8.h"

std::optional<EnglishVariant> ParseVariantName(std::string_view value) {
    if (value == "us") {
        return EnglishVariant::Us;
    }
    if (value == "uk") {
        return EnglishVariant::Uk;
    }
    return std::nullopt;
}

std::optional<int> ParseScenarioName(std::string_view value) {
    if (value.size() == 1 && value[0] >= '0' && value[0] < '0' + kScenarioCount) {
        return value[0] - '0';
    }
    for (int scenario = 0; scenario < kScenarioCount; ++scenario) {
        if (EncodeUtf8(kScenarioNames[scenario]) == value) {
            return scenario;
        }
    }
    return std::nullopt;
}

std::optional<bool> ParsePerName(std::string_view value) {
    if (value == "section" || value == "document") {
        return value == "section";
    }
    return std::nullopt;
}

std::optional<SentenceWordLimit> ParseSentenceWordLimit(std::string_view value) {
    if (value == "scenario") {
        return SentenceWordLimit{.scenarioAim = true, .words = 0};
    }
    // from_chars stops quietly at the first non-digit, so "12x" or "-0" must be refused here.
    if (value.empty() || value.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int words = 0;
    const auto status = std::from_chars(value.data(), value.data() + value.size(), words).ec;
    if (status != std::errc() || words < 1) {
        return std::nullopt;
    }
    return SentenceWordLimit{.scenarioAim = false, .words = words};
}
