#pragma once

// What a document is checked with: the editor's settings, over which the
// nearest .quillory.toml wins key by key.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "documents/DocumentAnalysis.h"
#include "documents/DocumentConfig.h"
#include "engine/EnglishVariant.h"

struct EditorSettings {
    std::optional<EnglishVariant> variant;
    std::optional<int> scenario;
    std::optional<SentenceWordLimit> maxSentenceWords;

    bool operator==(const EditorSettings&) const = default;
};

// From the section {"variant": ..., "scenario": ..., "maxSentenceWords": ...},
// which replaces the settings: a key it leaves out (or null) is unset. A value
// the command line would refuse keeps the key as it was in `before`, and is
// described in `problems`, e.g. "scenario \"blog post\" is not ...".
EditorSettings ReadEditorSettings(const nlohmann::json& section, const EditorSettings& before,
                                  std::vector<std::string>& problems);

// Each key `over` sets, else `under`'s.
EditorSettings Overlaid(const EditorSettings& over, const EditorSettings& under);

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
