#include "ls/ServerSettings.h"

#include <string_view>
#include <system_error>

#include "documents/SettingValue.h"

namespace {

using Json = nlohmann::json;

// As .quillory.toml gives the same setting.
SettingValue ValueOf(const Json& value) {
    SettingValue setting;
    if (value.is_string()) {
        setting.text = value.get_ref<const std::string&>();
    }
    if (value.is_number_integer()) {
        setting.wholeNumber = value.get<std::int64_t>();
    }
    return setting;
}

// One key of the section: unset when absent or null, kept as it was when refused.
template <typename T>
std::optional<T> ReadKey(const Json& section, std::string_view key,
                         std::optional<T> (*read)(const SettingValue&),
                         const std::optional<T>& before, std::string_view expected,
                         std::vector<std::string>& problems) {
    const auto found = section.find(key);
    if (found == section.end() || found->is_null()) {
        return std::nullopt;
    }
    if (std::optional<T> value = read(ValueOf(*found))) {
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
    file.config = ReadDocumentConfig(path);
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
        .variant = ReadKey(section, "variant", ReadVariantSetting, before.variant, kVariantForms,
                           problems),
        .scenario = ReadKey(section, "scenario", ReadScenarioSetting, before.scenario,
                            ScenarioForms(), problems),
        .maxSentenceWords = ReadKey(section, "maxSentenceWords", ReadSentenceWordLimitSetting,
                                    before.maxSentenceWords, kSentenceWordLimitForms, problems),
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
