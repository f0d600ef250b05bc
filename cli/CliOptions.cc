#include "cli/CliOptions.h"

#include <optional>
#include <utility>

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

namespace {

std::optional<OutputFormat> ParseFormat(std::string_view value) {
    if (value == "text") {
        return OutputFormat::Text;
    }
    if (value == "json") {
        return OutputFormat::Json;
    }
    if (value == "report") {
        return OutputFormat::Report;
    }
    if (value == "export") {
        return OutputFormat::Export;
    }
    if (value == "sentences") {
        return OutputFormat::Sentences;
    }
    return std::nullopt;
}

// False when the option does not take that value.
bool SetOptionValue(CliOptions& options, std::string_view option, std::string_view value) {
    if (option == "--variant") {
        const auto variant = ParseVariantName(value);
        options.variant = variant.value_or(options.variant);
        return variant.has_value();
    }
    if (option == "--scenario") {
        const auto scenario = ParseScenarioName(value);
        options.scenario = scenario.value_or(options.scenario);
        return scenario.has_value();
    }
    const auto format = ParseFormat(value);
    options.format = format.value_or(options.format);
    return format.has_value();
}

CliOptions UsageError(std::string message) {
    CliOptions options;
    options.action = CliAction::UsageError;
    options.usageError = std::move(message) + " (see --help)";
    return options;
}

}  // namespace

std::string CliHelpText() {
    std::string text(kCliUsageLine);
    text +=
        "\n\n"
        "Measures how readable an English text is. Reads FILE, or stdin when FILE is\n"
        "absent or \"-\", as UTF-8.\n\n"
        "  --variant us|uk     spelling and wording of US or UK English (default us)\n"
        "  --scenario N|NAME   writing scenario 0-6 or its name (default 0):\n";
    for (int scenario = 0; scenario < kScenarioCount; ++scenario) {
        text += "                        " + std::to_string(scenario) + " " +
                EncodeUtf8(kScenarioNames[scenario]) + "\n";
    }
    text +=
        "  --format FORMAT     text (default): the measures, summary and score;\n"
        "                      json: everything as one JSON object;\n"
        "                      report: the recommendations report;\n"
        "                      export: the export file's content;\n"
        "                      sentences: one JSON object with each sentence's place,\n"
        "                      counts, level and the grade and score without it\n"
        "  --help              show this help\n"
        "  --version           show the version\n";
    return text;
}

CliOptions ParseCliOptions(std::span<const std::string_view> arguments) {
    CliOptions options;
    bool havePath = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            options.action = CliAction::ShowHelp;
            return options;
        }
        if (argument == "--version") {
            options.action = CliAction::ShowVersion;
            return options;
        }
        if (argument == "--variant" || argument == "--scenario" || argument == "--format") {
            if (i + 1 == arguments.size()) {
                return UsageError("option " + std::string(argument) + " needs a value");
            }
            const std::string_view value = arguments[++i];
            if (!SetOptionValue(options, argument, value)) {
                return UsageError("invalid value '" + std::string(value) + "' for " +
                                  std::string(argument));
            }
            continue;
        }
        if (argument.size() > 1 && argument[0] == '-') {
            return UsageError("unknown option '" + std::string(argument) + "'");
        }
        if (havePath) {
            return UsageError("more than one input file given");
        }
        options.path = argument;
        havePath = true;
    }
    return options;
}
