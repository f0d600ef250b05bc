#pragma once

// The folders the editor has open, each with the settings the editor gives
// for it where it has several.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ls/ServerSettings.h"

struct WorkspaceFolder {
    std::string uri;
    std::filesystem::path path;            // empty where the URI names no file
    std::optional<EditorSettings> editor;  // until the editor answers for it, the server's hold
};

// From initialize's params: its workspaceFolders, or else its rootUri.
std::vector<WorkspaceFolder> ReadWorkspaceFolders(const nlohmann::json& params);

// The items of a workspace/configuration request: one per folder where there
// are several (answered in the same order), else one for the whole server.
nlohmann::json ConfigurationItems(const std::vector<WorkspaceFolder>& folders);

// The settings for a document: those of the innermost folder holding it that
// has its own, or else the server's.
const EditorSettings& EditorSettingsFor(const std::vector<WorkspaceFolder>& folders,
                                        const EditorSettings& server,
                                        const std::filesystem::path& document);
