#include "cli/InputFiles.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "cli/PathGlob.h"
#include "documents/SourceKind.h"

namespace fs = std::filesystem;

namespace {

bool HasDocumentSuffix(const fs::path& path) {
    return path.extension() == ".txt" || SourceKindOf(path) != SourceKind::Text;
}

bool MatchesAny(const std::vector<std::string>& globs, const std::string& path) {
    return std::any_of(globs.begin(), globs.end(),
                       [&](const std::string& glob) { return MatchesGlob(glob, path); });
}

std::string GlobPath(const fs::path& file, const FileSelection& selection) {
    std::error_code error;
    return fs::absolute(file, error)
        .lexically_normal()
        .lexically_relative(selection.globFolder)
        .generic_string();
}

bool IsSelected(const fs::path& file, const FileSelection& selection) {
    if (selection.include.empty() && selection.exclude.empty()) {
        return HasDocumentSuffix(file);
    }
    const std::string relative = GlobPath(file, selection);
    const bool included = selection.include.empty() ? HasDocumentSuffix(file)
                                                    : MatchesAny(selection.include, relative);
    return included && !MatchesAny(selection.exclude, relative);
}

// A file named on its own is read whatever its suffix, unless the globs leave it out.
std::string SkipReason(const fs::path& file, const FileSelection& selection) {
    if (selection.include.empty() && selection.exclude.empty()) {
        return {};
    }
    const std::string relative = GlobPath(file, selection);
    if (MatchesAny(selection.exclude, relative)) {
        return "excluded by .quillory.toml";
    }
    if (!selection.include.empty() && !MatchesAny(selection.include, relative)) {
        return "not included by .quillory.toml";
    }
    return {};
}

// Appends the folder's documents and the folders that could not be read.
void WalkFolder(const fs::path& folder, const FileSelection& selection,
                std::vector<InputFile>& files) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        files.push_back(
            {folder.generic_string(), "cannot read the folder: " + error.message(), {}});
        return;
    }
    std::vector<std::pair<fs::path, bool>> found;  // and whether it is a folder
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        const fs::path& path = entry.path();
        std::error_code statusError;
        if (entry.is_directory(statusError) && !entry.is_symlink(statusError)) {
            if (path.filename().string().front() != '.') {
                found.emplace_back(path, true);
            }
        } else if (entry.is_regular_file(statusError) && IsSelected(path, selection)) {
            found.emplace_back(path, false);
        }
    }
    if (error) {
        files.push_back(
            {folder.generic_string(), "cannot read the folder: " + error.message(), {}});
    }
    // The directory's own order differs between file systems.
    std::sort(found.begin(), found.end());
    for (const auto& [path, isFolder] : found) {
        if (isFolder) {
            WalkFolder(path, selection, files);
        } else {
            files.push_back({path.generic_string(), {}, {}});
        }
    }
}

}  // namespace

std::vector<InputFile> CollectInputFiles(const std::vector<std::string>& paths,
                                         const FileSelection& selection) {
    std::vector<InputFile> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (path != "-" && fs::is_directory(path, error)) {
            WalkFolder(path, selection, files);
        } else {
            files.push_back({path, {}, path == "-" ? std::string() : SkipReason(path, selection)});
        }
    }
    return files;
}
