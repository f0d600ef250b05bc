#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/EnglishVariant.h"

enum class OutputFormat { Text, Json, Report, Export, Sentences };

enum class CliAction { Analyse, ShowHelp, ShowVersion, UsageError };

struct CliOptions {
    CliAction action = CliAction::Analyse;
    EnglishVariant variant = EnglishVariant::Us;
    int scenario = 0;
    OutputFormat format = OutputFormat::Text;
    std::string path = "-";  // "-" reads stdin
    std::string usageError;  // set for CliAction::UsageError
};

inline constexpr std::string_view kCliUsageLine =
    "usage: quillory-cli [--variant us|uk] [--scenario N|NAME] "
    "[--format text|json|report|export|sentences] [FILE|-]";

// "us" or "uk".
std::optional<EnglishVariant> ParseVariantName(std::string_view value);
// A scenario's number 0-6 or its name as the window shows it.
std::optional<int> ParseScenarioName(std::string_view value);

// The --help text: the usage line and what each option means.
std::string CliHelpText();

// The arguments after the program name.
CliOptions ParseCliOptions(std::span<const std::string_view> arguments);
