#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include <CLI/CLI.hpp>

#include "documents/InputBytes.h"
#include "documents/SettingNames.h"
#include "engine/InputValidation.h"
#include "engine/Scenario.h"
#include "engine/Utf8.h"

namespace {

std::optional<OutputFormat> ParseFormat(std::string_view value) {
    constexpr std::pair<std::string_view, OutputFormat> kFormats[] = {
        {"text", OutputFormat::Text},           {"json", OutputFormat::Json},
        {"report", OutputFormat::Report},       {"export", OutputFormat::Export},
        {"sentences", OutputFormat::Sentences}, {"github", OutputFormat::Github},
        {"sarif", OutputFormat::Sarif},
    };
    for (const auto& [name, format] : kFormats) {
        if (name == value) {
            return format;
        }
    }
    return std::nullopt;
}

std::optional<InputKind> ParseInputKind(std::string_view value) {
    if (value == "text") {
        return InputKind::Text;
    }
    if (value == "markdown") {
        return InputKind::Markdown;
    }
    return std::nullopt;
}

// A finite number, written whole.
std::optional<double> ParseNumber(std::string_view value) {
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
        !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

template <typename T>
bool Take(std::optional<T> parsed, T& field) {
    if (parsed) {
        field = *parsed;
    }
    return parsed.has_value();
}

template <typename T>
bool Take(std::optional<T> parsed, std::optional<T>& field) {
    field = parsed ? parsed : field;
    return parsed.has_value();
}

// False when the option does not take that value.
bool SetOptionValue(CliOptions& options, std::string_view option, std::string_view value) {
    if (option == "--variant") {
        options.variantGiven = true;
        return Take(ParseVariantName(value), options.variant);
    }
    if (option == "--scenario") {
        options.scenarioGiven = true;
        return Take(ParseScenarioName(value), options.scenario);
    }
    if (option == "--format") {
        return Take(ParseFormat(value), options.format);
    }
    if (option == "--input") {
        return Take(ParseInputKind(value), options.input);
    }
    if (option == "--baseline" || option == "--write-baseline" || option == "--sarif") {
        (option == "--baseline"         ? options.baselineFile
         : option == "--write-baseline" ? options.writeBaselineFile
                                        : options.sarifFile) = value;
        return !value.empty();
    }
    if (option == "--per") {
        return Take(ParsePerName(value), options.perSection);
    }
    Thresholds& thresholds = options.thresholds;
    if (option == "--max-grade") {
        return Take(ParseNumber(value), thresholds.maxGrade);
    }
    if (option == "--min-ease") {
        return Take(ParseNumber(value), thresholds.minEase);
    }
    if (option == "--min-score") {
        return Take(ParseNumber(value), thresholds.minScore);
    }
    return Take(ParseSentenceWordLimit(value), thresholds.maxSentenceWords);
}

// The options that take a value, each written "--name VALUE" or "--name=VALUE".
constexpr std::string_view kValueOptions[] = {
    "--variant",   "--scenario", "--format",         "--input",
    "--max-grade", "--min-ease", "--min-score",      "--max-sentence-words",
    "--per",       "--baseline", "--write-baseline", "--sarif",
};
constexpr std::string_view kFlags[] = {
    "--help", "--version", "--check", "--length-limit", "--no-length-limit",
};

CliOptions UsageError(std::string message) {
    CliOptions options;
    options.action = CliAction::UsageError;
    options.usageError = std::move(message) + " (see --help)";
    return options;
}

}  // namespace

SourceKind SourceKindFor(const std::string& path, InputKind input) {
    switch (input) {
        case InputKind::Text:
            return SourceKind::Text;
        case InputKind::Markdown:
            return SourceKind::Markdown;
        case InputKind::BySuffix:
            break;
    }
    return path == "-" ? SourceKind::Text : SourceKindOf(path);
}

std::string CliHelpText() {
    std::string text(kCliUsageLine);
    text +=
        "\n\n"
        "Measures how readable English texts are. Reads each PATH as UTF-8: a file,\n"
        "a folder (its *.txt, *.md, *.markdown and *.mdx files, hidden folders\n"
        "skipped), or \"-\" for stdin, which is also read when no PATH is given.\n"
        "Files named .md, .markdown or .mdx are read for the prose in their Markdown,\n"
        "all else (stdin included) as text.\n\n"
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
        "                      counts, level and the grade and score without it;\n"
        "                      github: GitHub Actions annotations, one per finding;\n"
        "                      sarif: one SARIF 2.1.0 log of the findings\n"
        "  --input KIND        read every PATH as text or markdown (default: by suffix)\n"
        "  --max-grade G       a document's Flesch-Kincaid grade must be at most G\n"
        "  --min-ease E        a document's Flesch Reading Ease must be at least E\n"
        "  --min-score S       a document's overall score must be at least S (a text\n"
        "                      too short for a score meets it)\n"
        "  --max-sentence-words N|scenario\n"
        "                      no sentence may have more than N words, or more than\n"
        "                      the scenario aims at\n"
        "  --per section|document\n"
        "                      hold --max-grade, --min-ease and --min-score for each\n"
        "                      Markdown section (a heading to the next of its level or\n"
        "                      higher) or for the whole document (default)\n"
        "  --write-baseline FILE\n"
        "                      write this run's findings to FILE (JSON, to commit) and\n"
        "                      exit 0 when every document was read; its paths are\n"
        "                      relative to FILE's folder\n"
        "  --baseline FILE     report and fail only on findings not in FILE, from any\n"
        "                      working folder: a sentence while its words are\n"
        "                      unchanged, in its document or one it moved to; a\n"
        "                      document's or section's figure while it is no worse;\n"
        "                      findings no longer found are counted as gone\n"
        "  --check             check documents, however many PATHs are given\n"
        "  --sarif FILE        also write the SARIF log to FILE, whatever the format\n"
        "  --length-limit      hold each text to the window's " +
        std::to_string(kMaxInputLength) +
        " characters (also\n"
        "                      length-limit = true in .quillory.toml); texts are read\n"
        "                      at any length up to " +
        Mebibytes(kMaxDocumentBytes) +
        " otherwise, or with\n"
        "                      --no-length-limit\n"
        "  --help              show this help\n"
        "  --version           show the version\n\n"
        "--check, several PATHs, a folder, a threshold, --per, a baseline option,\n"
        "--sarif, or the github and sarif formats check documents: text prints a line\n"
        "per document, its findings as path:line:column: message, and a totals line;\n"
        "json prints one JSON object per document (JSON Lines) with its path, findings\n"
        "and sections; github ends with a notice of the totals. Settings not given\n"
        "are read from .quillory.toml in the current folder or the nearest parent;\n"
        "its include and exclude apply to files named on the command line too (those\n"
        "left out are counted as skipped). Where GITHUB_STEP_SUMMARY names a file, a\n"
        "Markdown summary of the check is appended to it.\n\n"
        "Exit status when checking documents: 0 every document was read and met every\n"
        "threshold; 4 some document missed a threshold; 3 some document is longer\n"
        "than --length-limit allows, or over " +
        Mebibytes(kMaxDocumentBytes) +
        "; 2 some input could not be read or decoded (the\n"
        "others are still checked), or a usage or configuration error, a bad baseline,\n"
        "or the output, the --sarif file or the job summary could not be written.\n"
        "Exit status otherwise: 0 success; 1 an empty text or nothing to analyse or\n"
        "export; 2 a usage error, an unreadable file or invalid UTF-8; 3 a text\n"
        "longer than " +
        std::to_string(kMaxInputLength) + " characters under --length-limit, or an\n" +
        "input over " + Mebibytes(kMaxDocumentBytes) + ".\n";
    return text;
}

CliOptions ParseCliOptions(std::span<const std::string_view> arguments) {
    // CLI11 reads the words (values after "=", "--" ending the options, an
    // option given twice); the values are judged here, in the order given, so
    // that a mistake is one line naming the option.
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    for (const std::string_view name : kValueOptions) {
        app.add_option(std::string(name))
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
    for (const std::string_view name : kFlags) {
        app.add_flag(std::string(name))->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
    // CLI11 would take the next word as the value of "--sarif=" and pass over
    // the value of "--check=no": both are mistakes said here.
    for (const std::string_view argument : arguments) {
        if (argument == "--") {
            break;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (equals == std::string_view::npos || !name.starts_with("--")) {
            continue;
        }
        if (std::find(std::begin(kFlags), std::end(kFlags), name) != std::end(kFlags)) {
            return UsageError("option " + std::string(name) + " takes no value");
        }
        if (equals + 1 == argument.size()) {
            return UsageError("invalid value '' for " + std::string(name));
        }
    }
    std::vector<std::string> paths;
    const CLI::Option* pathsOption = app.add_option("paths", paths);
    std::vector<std::string> words(arguments.rbegin(), arguments.rend());
    try {
        app.parse(words);
    } catch (const CLI::ArgumentMismatch&) {
        // An option that takes a value takes the next word, whatever it is, so
        // only the last word can lack one.
        return UsageError("option " + std::string(arguments.back()) + " needs a value");
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }

    CliOptions options;
    if (app.count("--help") > 0) {
        options.action = CliAction::ShowHelp;
        return options;
    }
    if (app.count("--version") > 0) {
        options.action = CliAction::ShowVersion;
        return options;
    }
    // CLI11 counts the "--" that ends the options among the words it did not take.
    for (const std::string& extra : app.remaining()) {
        if (extra != "--") {
            return UsageError("unknown option '" + extra + "'");
        }
    }
    std::map<const CLI::Option*, std::size_t> used;  // each option's values taken so far
    for (const CLI::Option* option : app.parse_order()) {
        const std::string name = "--" + option->get_single_name();
        if (option == pathsOption) {
            continue;
        }
        if (name == "--check") {
            options.check = true;
        } else if (name == "--length-limit" || name == "--no-length-limit") {
            options.lengthLimit = name == "--length-limit";
        } else {
            const std::string& value = option->results().at(used[option]++);
            if (!SetOptionValue(options, name, value)) {
                std::string message = "invalid value '";
                message.append(value).append("' for ").append(name);
                return UsageError(std::move(message));
            }
        }
    }
    options.paths = std::move(paths);
    return options;
}
