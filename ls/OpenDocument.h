#pragma once

// One document the editor has open: its text, and what its last check found,
// which diagnostics, hover and code lens are made from.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "documents/DocumentAnalysis.h"
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
    DocumentFigures figures;
    std::vector<ProseSentence> sentences;
    std::vector<Finding> findings;
};

// What the whole document gives; the check keeps only the figures, sentences and findings.
DocumentAnalysis AnalyseOpenDocument(const OpenDocument& document, AnalysisNeeds needs);

// Checks the text as it is now with these settings.
void CheckOpenDocument(OpenDocument& document, const EditorSettings& editor, ConfigFiles& files);

nlohmann::json Diagnostics(const OpenDocument& document, PositionEncoding encoding);
// The sentence at the position, or null.
nlohmann::json Hover(const OpenDocument& document, std::size_t offset, PositionEncoding encoding);
nlohmann::json CodeLenses(const OpenDocument& document);
