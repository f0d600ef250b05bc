#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "documents/SettingNames.h"
#include "engine/EnglishVariant.h"

// A setting's value as .quillory.toml or the editor's JSON settings hold it:
// text, a whole number, or neither (another kind of value).
struct SettingValue {
    std::optional<std::string_view> text;
    std::optional<std::int64_t> wholeNumber;
};

// The settings that the file and the editor share, read alike from either; a
// value of none of the forms that the matching text names is refused.
std::optional<EnglishVariant> ReadVariantSetting(const SettingValue& value);
std::optional<int> ReadScenarioSetting(const SettingValue& value);
std::optional<SentenceWordLimit> ReadSentenceWordLimitSetting(const SettingValue& value);

inline constexpr std::string_view kVariantForms = "\"us\" or \"uk\"";
std::string ScenarioForms();  // "a scenario's number 0-6 or its name"
inline constexpr std::string_view kSentenceWordLimitForms =
    "a number of words (1 or more) or \"scenario\"";
