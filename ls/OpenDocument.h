#pragma once

// One document the editor has open: its text, and what its last check found,
// which diagnostics, hover and code lens are made from.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "documents/ProseCheck.h"
#include "documents/SourceKind.h"
#include "ls/OpenText.h"
#include "ls/ServerSettings.h"

struct OpenDocument {
    std::string uri;
    std::filesystem::path path;  // empty where the URI names no file
    SourceKind kind = SourceKind::Text;
    std::int64_t version = 0;
    OpenText text;
    bool checked = false;  // the findings below are of this text and these settings
    // A change was lost: nothing is marked until the editor sends the whole text again.
    bool outOfStep = false;

    ResolvedSettings settings;
    bool hasText = false;
    double grade = 0;
    double ease = 0;
    std::optional<double> score;
    std::vector<ProseSentence> sentences;
    std::vector<Finding> findings;
};

// The document's prose, as quillory-cli reads the same file.
ProseDocument ProseOf(const OpenDocument& document);

// Checks the text as it is now with these settings.
void CheckOpenDocument(OpenDocument& document, const EditorSettings& editor, ConfigFiles& files);

nlohmann::json Diagnostics(const OpenDocument& document, PositionEncoding encoding);
// The sentence at the position, or null.
nlohmann::json Hover(const OpenDocument& document, std::size_t offset, PositionEncoding encoding);
nlohmann::json CodeLenses(const OpenDocument& document);
