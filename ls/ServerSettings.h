#pragma once

// What a document is checked with: the editor's settings, over which the
// nearest .quillory.toml wins key by key.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "documents/DocumentConfig.h"
#include "documents/ProseCheck.h"
#include "engine/EnglishVariant.h"

struct EditorSettings {
    std::optional<EnglishVariant> variant;
    std::optional<int> scenario;
    std::optional<SentenceWordLimit> maxSentenceWords;
};

// From {"quillory": {"variant": ..., "scenario": ..., "maxSentenceWords": ...}};
// a value of the wrong kind is left unset.
EditorSettings ReadEditorSettings(const nlohmann::json& carrier);

// A configuration file as last read, kept while its time and size stay the same.
struct ConfigFile {
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;
    DocumentConfigResult config;
};
using ConfigFiles = std::map<std::filesystem::path, ConfigFile>;

struct ResolvedSettings {
    ProseSettings prose;
    std::string configError;  // a bad file: "FILE:LINE: what is wrong"; the editor's settings hold
};

// `folder` is the document's folder; empty for a document that is no file.
ResolvedSettings ResolveSettings(const EditorSettings& editor, const std::filesystem::path& folder,
                                 ConfigFiles& files);
