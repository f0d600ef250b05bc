#include "ls/WorkspaceFolders.h"

#include <algorithm>
#include <utility>

#include "documents/FileUri.h"
#include "ls/OpenDocument.h"

namespace {

using Json = nlohmann::json;

constexpr std::string_view kSection = "quillory";

WorkspaceFolder FolderOf(const std::string& uri) {
    std::filesystem::path path = LocalPathOfFileUri(uri).value_or(std::string());
    if (!path.has_filename() && path.has_relative_path()) {
        path = path.parent_path();  // "file:///project/" holds what "file:///project" holds
    }
    return {.uri = uri, .path = std::move(path), .editor = std::nullopt};
}

bool Holds(const std::filesystem::path& folder, const std::filesystem::path& document) {
    return !folder.empty() &&
           std::mismatch(folder.begin(), folder.end(), document.begin(), document.end()).first ==
               folder.end();
}

}  // namespace

std::vector<WorkspaceFolder> ReadWorkspaceFolders(const Json& params) {
    std::vector<WorkspaceFolder> folders;
    if (const auto listed = params.find("workspaceFolders");
        listed != params.end() && listed->is_array()) {
        for (const Json& folder : *listed) {
            if (folder.is_object() && folder.contains("uri") && folder["uri"].is_string()) {
                folders.push_back(FolderOf(folder["uri"].get<std::string>()));
            }
        }
        return folders;
    }
    if (const auto root = params.find("rootUri"); root != params.end() && root->is_string()) {
        folders.push_back(FolderOf(root->get<std::string>()));
    }
    return folders;
}

Json ConfigurationItems(const std::vector<WorkspaceFolder>& folders) {
    if (folders.size() < 2) {
        Json item = {{"section", kSection}};
        if (!folders.empty()) {
            item["scopeUri"] = folders.front().uri;
        }
        return Json::array({item});
    }
    Json items = Json::array();
    for (const WorkspaceFolder& folder : folders) {
        items.push_back({{"scopeUri", folder.uri}, {"section", kSection}});
    }
    return items;
}

const EditorSettings& EditorSettingsFor(const std::vector<WorkspaceFolder>& folders,
                                        const EditorSettings& server,
                                        const std::filesystem::path& document) {
    const WorkspaceFolder* innermost = nullptr;
    for (const WorkspaceFolder& folder : folders) {
        if (folder.editor && Holds(folder.path, document) &&
            (innermost == nullptr ||
             folder.path.string().size() > innermost->path.string().size())) {
            innermost = &folder;
        }
    }
    return innermost != nullptr ? *innermost->editor : server;
}
