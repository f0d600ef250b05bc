#include "documents/SettingValue.h"

#include <limits>

#include "engine/Scenario.h"

std::optional<EnglishVariant> ReadVariantSetting(const SettingValue& value) {
    return value.text ? ParseVariantName(*value.text) : std::nullopt;
}

std::optional<int> ReadScenarioSetting(const SettingValue& value) {
    if (value.text) {
        return ParseScenarioName(*value.text);
    }
    if (value.wholeNumber) {
        return ParseScenarioName(std::to_string(*value.wholeNumber));
    }
    return std::nullopt;
}

std::optional<SentenceWordLimit> ReadSentenceWordLimitSetting(const SettingValue& value) {
    if (value.text) {
        return ParseSentenceWordLimit(*value.text);
    }
    if (value.wholeNumber && *value.wholeNumber >= 1 &&
        *value.wholeNumber <= std::numeric_limits<int>::max()) {
        return SentenceWordLimit{.scenarioAim = false,
                                 .words = static_cast<int>(*value.wholeNumber)};
    }
    return std::nullopt;
}

std::string ScenarioForms() {
    return "a scenario's number 0-" + std::to_string(kScenarioCount - 1) + " or its name";
}
