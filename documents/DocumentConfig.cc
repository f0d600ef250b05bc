#include "documents/DocumentConfig.h"

#include <toml++/toml.h>

#include <array>
#include <cmath>
#include <system_error>
#include <utility>

#include "documents/InputBytes.h"
#include "documents/SettingValue.h"
#include "platform/common/ReadFile.h"

namespace {

// A quoted key or a parser message may hold control characters; the error must stay one line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
            c = ' ';
        }
    }
    return line;
}

std::string Located(const std::string& fileName, toml::source_index line, std::string_view what) {
    std::string message = fileName;
    if (line > 0) {
        message += ':';
        message += std::to_string(line);
    }
    message += ": ";
    message += what;
    return message;
}

struct Problem {
    const toml::node* node = nullptr;  // where the line comes from: the value, or an array item
    std::string what;
};

std::optional<double> FiniteNumber(const toml::node& node) {
    if (const auto* integer = node.as_integer()) {
        return static_cast<double>(integer->get());
    }
    if (const auto* real = node.as_floating_point();
        real != nullptr && std::isfinite(real->get())) {
        return real->get();
    }
    return std::nullopt;
}

std::optional<Problem> ReadPatterns(const toml::node& node, std::vector<std::string>& patterns) {
    constexpr std::string_view kExpected = "expected an array of non-empty glob strings";
    const toml::array* array = node.as_array();
    if (array == nullptr) {
        return Problem{&node, std::string(kExpected)};
    }
    for (const toml::node& item : *array) {
        const auto* text = item.as_string();
        // An empty pattern matches nothing, so it can only be a slip.
        if (text == nullptr || text->get().empty()) {
            return Problem{&item, std::string(kExpected)};
        }
        patterns.push_back(text->get());
    }
    return std::nullopt;
}

// As the editor's settings give the same setting.
SettingValue ValueOf(const toml::node& node) {
    SettingValue value;
    if (const auto* text = node.as_string()) {
        value.text = text->get();
    }
    if (const auto* number = node.as_integer()) {
        value.wholeNumber = number->get();
    }
    return value;
}

template <typename T>
std::optional<Problem> ReadShared(const toml::node& node,
                                  std::optional<T> (*read)(const SettingValue&),
                                  std::string_view forms, std::optional<T>& setting) {
    setting = read(ValueOf(node));
    if (!setting) {
        return Problem{&node, "expected " + std::string(forms)};
    }
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, std::optional<double> DocumentConfig::*>, 3>
    kNumberKeys = {{{"max-grade", &DocumentConfig::maxGrade},
                    {"min-ease", &DocumentConfig::minEase},
                    {"min-score", &DocumentConfig::minScore}}};

std::optional<Problem> ReadEntry(std::string_view key, const toml::node& node,
                                 DocumentConfig& config) {
    const auto fail = [&node](std::string what) { return Problem{&node, std::move(what)}; };
    for (const auto& [name, member] : kNumberKeys) {
        if (key == name) {
            config.*member = FiniteNumber(node);
            if (!(config.*member)) {
                return fail("expected a finite number");
            }
            return std::nullopt;
        }
    }
    if (key == "variant") {
        return ReadShared(node, ReadVariantSetting, kVariantForms, config.variant);
    }
    if (key == "scenario") {
        return ReadShared(node, ReadScenarioSetting, ScenarioForms(), config.scenario);
    }
    if (key == "max-sentence-words") {
        return ReadShared(node, ReadSentenceWordLimitSetting, kSentenceWordLimitForms,
                          config.maxSentenceWords);
    }
    if (key == "length-limit") {
        const auto* flag = node.as_boolean();
        if (flag == nullptr) {
            return fail("expected true or false");
        }
        config.lengthLimit = flag->get();
        return std::nullopt;
    }
    if (key == "per") {
        const auto* text = node.as_string();
        config.perSection = text != nullptr ? ParsePerName(text->get()) : std::nullopt;
        if (!config.perSection) {
            return fail("expected \"section\" or \"document\"");
        }
        return std::nullopt;
    }
    if (key == "include") {
        return ReadPatterns(node, config.include);
    }
    if (key == "exclude") {
        return ReadPatterns(node, config.exclude);
    }
    return fail("not a known setting");
}

}  // namespace

DocumentConfigResult ParseDocumentConfig(std::string_view toml, const std::string& fileName) {
    DocumentConfigResult result;
    toml::table table;
    try {
        table = toml::parse(toml, fileName);
    } catch (const toml::parse_error& error) {
        result.error = Located(fileName, error.source().begin.line, OneLine(error.description()));
        return result;
    }
    // The table is ordered by key, not by line, so the earliest problem is picked explicitly.
    std::optional<Problem> first;
    std::string_view firstKey;
    for (const auto& [key, node] : table) {
        std::optional<Problem> problem = ReadEntry(key.str(), node, result.config);
        if (problem &&
            (!first || problem->node->source().begin.line < first->node->source().begin.line)) {
            first = std::move(problem);
            firstKey = key.str();
        }
    }
    if (first) {
        result.config = DocumentConfig{};
        result.error = Located(fileName, first->node->source().begin.line,
                               "key '" + OneLine(firstKey) + "': " + first->what);
    }
    return result;
}

DocumentConfigResult ReadDocumentConfig(const std::filesystem::path& file) {
    const platform::FileBytes input = platform::posix::ReadFileBytes(file.string(), kMaxInputBytes);
    if (input.status != platform::FileReadStatus::Read) {
        DocumentConfigResult result;
        result.error = input.error;
        return result;
    }
    return ParseDocumentConfig(input.bytes, file.string());
}

std::optional<std::filesystem::path> FindDocumentConfig(const std::filesystem::path& folder) {
    std::error_code error;
    // Lexical, not canonical: parents are those the caller sees, even through a symlink.
    std::filesystem::path current =
        std::filesystem::absolute(folder.empty() ? std::filesystem::path(".") : folder, error)
            .lexically_normal();
    if (error) {
        return std::nullopt;
    }
    while (true) {
        std::filesystem::path candidate = current / ".quillory.toml";
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
        std::filesystem::path parent = current.parent_path();
        if (parent == current) {
            return std::nullopt;
        }
        current = std::move(parent);
    }
}
