#include "documents/SettingNames.h"

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
