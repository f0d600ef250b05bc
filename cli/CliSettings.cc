#include "cli/CliSettings.h"

#include <system_error>

namespace {

template <typename T>
std::optional<T> Either(const std::optional<T>& given, const std::optional<T>& configured) {
    return given ? given : configured;
}

}  // namespace

CliSettings MergeCliSettings(const CliOptions& options, const DocumentConfig& config,
                             const std::filesystem::path& configFolder) {
    CliSettings settings;
    settings.variant =
        options.variantGiven ? options.variant : config.variant.value_or(options.variant);
    settings.scenario =
        options.scenarioGiven ? options.scenario : config.scenario.value_or(options.scenario);
    const Thresholds& given = options.thresholds;
    settings.thresholds.maxGrade = Either(given.maxGrade, config.maxGrade);
    settings.thresholds.minEase = Either(given.minEase, config.minEase);
    settings.thresholds.minScore = Either(given.minScore, config.minScore);
    settings.thresholds.maxSentenceWords = Either(given.maxSentenceWords, config.maxSentenceWords);
    settings.perSection = options.perSection.value_or(config.perSection.value_or(false));
    settings.lengthLimit = options.lengthLimit.value_or(config.lengthLimit.value_or(false));
    settings.selection.include = config.include;
    settings.selection.exclude = config.exclude;
    std::error_code error;
    settings.selection.globFolder =
        configFolder.empty() ? configFolder
                             : std::filesystem::absolute(configFolder, error).lexically_normal();
    return settings;
}

ProseSettings ProseSettingsOf(const CliSettings& settings) {
    ProseSettings prose;
    prose.variant = settings.variant;
    prose.scenario = settings.scenario;
    prose.thresholds = settings.thresholds;
    prose.perSection = settings.perSection;
    return prose;
}
