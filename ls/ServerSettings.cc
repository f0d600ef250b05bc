#include "ls/ServerSettings.h"

#include <limits>
#include <string_view>
#include <system_error>

#include "documents/InputBytes.h"
#include "documents/SettingNames.h"

namespace {

using Json = nlohmann::json;

std::optional<int> ScenarioOf(const Json& value) {
    if (value.is_string()) {
        return ParseScenarioName(value.get<std::string>());
    }
    if (value.is_number_integer()) {
        return ParseScenarioName(std::to_string(value.get<std::int64_t>()));
    }
    return std::nullopt;
}

std::optional<EnglishVariant> VariantOf(const Json& value) {
    return value.is_string() ? ParseVariantName(value.get<std::string>()) : std::nullopt;
}

std::optional<SentenceWordLimit> WordLimitOf(const Json& value) {
    if (value.is_string()) {
        return ParseSentenceWordLimit(value.get<std::string>());
    }
    if (value.is_number_integer()) {
        const auto words = value.get<std::int64_t>();
        if (words >= 1 && words <= std::numeric_limits<int>::max()) {
            return SentenceWordLimit{.scenarioAim = false, .words = static_cast<int>(words)};
        }
    }
    return std::nullopt;
}

// One key of the section: unset when absent or null, kept as it was when refused.
template <typename T>
std::optional<T> ReadKey(const Json& section, std::string_view key,
                         std::optional<T> (*parse)(const Json&), const std::optional<T>& before,
                         std::string_view expected, std::vector<std::string>& problems) {
    const auto found = section.find(key);
    if (found == section.end() || found->is_null()) {
        return std::nullopt;
    }
    if (std::optional<T> value = parse(*found)) {
        return value;
    }
    problems.push_back(std::string(key) + " " + found->dump() + " is not " + std::string(expected));
    return before;
}

// The file's settings, read again only when it changed on disk.
const DocumentConfigResult& ReadConfig(const std::filesystem::path& path, ConfigFiles& files) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    const auto size = std::filesystem::file_size(path, error);
    const auto known = files.find(path);
    if (known != files.end() && known->second.time == time && known->second.size == size) {
        return known->second.config;
    }
    ConfigFile& file = files[path];
    file.time = time;
    file.size = size;
    const InputBytes input = ReadInputBytes(path.string());
    if (input.status == InputStatus::Ok) {
        file.config = ParseDocumentConfig(input.bytes, path.string());
    } else {
        file.config = {};
        file.config.error =
            input.status == InputStatus::TooLarge ? path.string() + ": too large" : input.error;
    }
    return file.config;
}

}  // namespace

EditorSettings ReadEditorSettings(const Json& section, const EditorSettings& before,
                                  std::vector<std::string>& problems) {
    if (!section.is_object()) {
        problems.push_back("the quillory settings " + section.dump() + " are not an object");
        return before;
    }
    return {
        .variant =
            ReadKey(section, "variant", VariantOf, before.variant, "\"us\" or \"uk\"", problems),
        .scenario = ReadKey(section, "scenario", ScenarioOf, before.scenario,
                            "a scenario's number 0-6 or its name", problems),
        .maxSentenceWords =
            ReadKey(section, "maxSentenceWords", WordLimitOf, before.maxSentenceWords,
                    "a number of words (1 or more) or \"scenario\"", problems),
    };
}

EditorSettings Overlaid(const EditorSettings& over, const EditorSettings& under) {
    return {
        .variant = over.variant ? over.variant : under.variant,
        .scenario = over.scenario ? over.scenario : under.scenario,
        .maxSentenceWords = over.maxSentenceWords ? over.maxSentenceWords : under.maxSentenceWords};
}

ResolvedSettings ResolveSettings(const EditorSettings& editor, const std::filesystem::path& folder,
                                 ConfigFiles& files) {
    DocumentConfig config;
    ResolvedSettings resolved;
    if (!folder.empty()) {
        if (const std::optional<std::filesystem::path> path = FindDocumentConfig(folder)) {
            const DocumentConfigResult& read = ReadConfig(*path, files);
            resolved.configError = read.error;
            config = read.config;
        }
    }
    ProseSettings& prose = resolved.prose;
    prose.variant = config.variant.value_or(editor.variant.value_or(EnglishVariant::Us));
    prose.scenario = config.scenario.value_or(editor.scenario.value_or(0));
    prose.thresholds.maxGrade = config.maxGrade;
    prose.thresholds.minEase = config.minEase;
    prose.thresholds.minScore = config.minScore;
    prose.thresholds.maxSentenceWords =
        config.maxSentenceWords ? config.maxSentenceWords : editor.maxSentenceWords;
    prose.perSection = config.perSection.value_or(false);
    return resolved;
}
