#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/SettingNames.h"
#include "engine/EnglishVariant.h"

// What a .quillory.toml sets; what it leaves out stays unset, so flags and defaults decide.
struct DocumentConfig {
    std::optional<EnglishVariant> variant;
    std::optional<int> scenario;
    std::optional<double> maxGrade;
    std::optional<double> minEase;
    std::optional<double> minScore;
    std::optional<SentenceWordLimit> maxSentenceWords;
    std::optional<bool> lengthLimit;
    std::optional<bool> perSection;    // per = "section" or "document"
    std::vector<std::string> include;  // globs, relative to the file's folder
    std::vector<std::string> exclude;
};

struct DocumentConfigResult {
    DocumentConfig config;  // all unset when there is an error, so a bad file never half-applies
    std::string error;  // empty when the file is good; otherwise one line: "FILE:LINE: key 'KEY':
                        // what is wrong" (or "FILE:LINE: what is wrong" for a syntax error,
                        // "FILE: ..." when no line is known); the earliest line wins
};

// `fileName` is only for messages.
DocumentConfigResult ParseDocumentConfig(std::string_view toml, const std::string& fileName);

// The file read (as much as any input may be) and parsed; a file that cannot be
// read gives its error as a bad one does.
DocumentConfigResult ReadDocumentConfig(const std::filesystem::path& file);

// The nearest ".quillory.toml" in `folder` or its parents (a regular file), if any.
std::optional<std::filesystem::path> FindDocumentConfig(const std::filesystem::path& folder);
