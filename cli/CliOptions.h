#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "documents/SourceKind.h"
#include "documents/Thresholds.h"
#include "engine/EnglishVariant.h"

enum class OutputFormat { Text, Json, Report, Export, Sentences, Github, Sarif };

// How a file's text is read: by its name's suffix, or as the option says.
enum class InputKind { BySuffix, Text, Markdown };

enum class CliAction { Analyse, ShowHelp, ShowVersion, UsageError };

struct CliOptions {
    CliAction action = CliAction::Analyse;
    EnglishVariant variant = EnglishVariant::Us;
    bool variantGiven = false;  // a configuration file sets what the command line leaves
    int scenario = 0;
    bool scenarioGiven = false;
    OutputFormat format = OutputFormat::Text;
    InputKind input = InputKind::BySuffix;
    std::vector<std::string> paths;  // files, folders and "-" for stdin; none reads stdin
    Thresholds thresholds;
    std::optional<bool> lengthLimit;  // --length-limit or --no-length-limit
    std::optional<bool> perSection;   // --per section|document
    bool check = false;               // --check: documents are checked however many
    std::string sarifFile;            // --sarif: the SARIF log written there too
    std::string baselineFile;         // --baseline: report only findings not in it
    std::string writeBaselineFile;    // --write-baseline: accept this run's findings
    std::string usageError;           // set for CliAction::UsageError
};

inline constexpr std::string_view kCliUsageLine =
    "usage: quillory-cli [--variant us|uk] [--scenario N|NAME]\n"
    "         [--format text|json|report|export|sentences|github|sarif]\n"
    "         [--input text|markdown] [--max-grade G] [--min-ease E] [--min-score S]\n"
    "         [--max-sentence-words N|scenario] [--per section|document]\n"
    "         [--baseline FILE] [--write-baseline FILE] [--check] [--sarif FILE]\n"
    "         [--length-limit] [PATH...]";

// By the path's suffix unless --input forces one reading; stdin ("-") is text
// unless --input markdown.
SourceKind SourceKindFor(const std::string& path, InputKind input);

// The --help text: the usage line and what each option means.
std::string CliHelpText();

// The arguments after the program name.
CliOptions ParseCliOptions(std::span<const std::string_view> arguments);
