#include "cli/InputFiles.h"

#include <algorithm>
#include <map>
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

// The folders read so far, by their real paths, so that each is read once
// however many links reach it, and a link back up the walk ends.
struct Walk {
    std::map<fs::path, std::string> read;  // and the path it was read as
    std::vector<fs::path> open;            // the folders being walked, outermost first
    // Folders reached without a link: a link to one is not read in its place,
    // where .quillory.toml's globs would see it under another path.
    std::map<fs::path, std::string> unlinked;
};

// Hidden folders are not walked, so they claim nothing.
void FindUnlinkedFolders(const fs::path& folder, std::map<fs::path, std::string>& unlinked) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (error || !unlinked.emplace(real, folder.generic_string()).second) {
        return;
    }
    for (fs::directory_iterator entries(folder, error);
         !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code statusError;
        const fs::directory_entry& entry = *entries;
        if (entry.is_directory(statusError) && !entry.is_symlink(statusError) &&
            entry.path().filename().string().front() != '.') {
            FindUnlinkedFolders(entry.path(), unlinked);
        }
    }
}

enum class Found { File, Folder, LinkedFolder, DanglingLink };

// Only a link that could have named a document or a folder is worth a word.
bool MayNameDocument(const fs::path& link, const FileSelection& selection) {
    return !link.has_extension() || IsSelected(link, selection);
}

// Appends the folder's documents, the folders that could not be read and the
// links that were not followed.
void WalkFolder(const fs::path& folder, bool linked, const FileSelection& selection, Walk& walk,
                std::vector<InputFile>& files) {
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    if (!error) {
        std::string skipped;
        const auto unlinked = walk.unlinked.find(real);
        if (std::find(walk.open.begin(), walk.open.end(), real) != walk.open.end()) {
            skipped = "a link back to a folder that holds it";
        } else if (linked && unlinked != walk.unlinked.end()) {
            skipped = "the same folder as " + unlinked->second;
        } else if (const auto [earlier, first] = walk.read.emplace(real, folder.generic_string());
                   !first) {
            skipped = "the same folder as " + earlier->second;
        }
        if (!skipped.empty()) {
            files.push_back({folder.generic_string(), {}, skipped});
            return;
        }
    }
    fs::directory_iterator entries(folder, error);
    if (error) {
        files.push_back(
            {folder.generic_string(), "cannot read the folder: " + error.message(), {}});
        return;
    }
    std::vector<std::pair<fs::path, Found>> found;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        const fs::path& path = entry.path();
        std::error_code statusError;
        const bool link = entry.is_symlink(statusError);
        if (path.filename().string().front() == '.') {
            if (entry.is_regular_file(statusError) && IsSelected(path, selection)) {
                found.emplace_back(path, Found::File);
            }
        } else if (entry.is_directory(statusError)) {
            found.emplace_back(path, link ? Found::LinkedFolder : Found::Folder);
        } else if (entry.is_regular_file(statusError)) {
            if (IsSelected(path, selection)) {
                found.emplace_back(path, Found::File);
            }
        } else if (link && !entry.exists(statusError) && MayNameDocument(path, selection)) {
            found.emplace_back(path, Found::DanglingLink);
        }
    }
    if (error) {
        files.push_back(
            {folder.generic_string(), "cannot read the folder: " + error.message(), {}});
    }
    // The directory's own order differs between file systems.
    std::sort(found.begin(), found.end());
    walk.open.push_back(real);
    for (const auto& [path, kind] : found) {
        switch (kind) {
            case Found::Folder:
            case Found::LinkedFolder:
                WalkFolder(path, kind == Found::LinkedFolder, selection, walk, files);
                break;
            case Found::File:
                files.push_back({path.generic_string(), {}, {}});
                break;
            case Found::DanglingLink:
                files.push_back({path.generic_string(), {}, "a link to nothing"});
                break;
        }
    }
    walk.open.pop_back();
}

}  // namespace

std::vector<InputFile> CollectInputFiles(const std::vector<std::string>& paths,
                                         const FileSelection& selection) {
    std::vector<InputFile> files;
    Walk walk;
    for (const std::string& path : paths) {
        std::error_code error;
        if (path != "-" && fs::is_directory(path, error)) {
            FindUnlinkedFolders(path, walk.unlinked);
        }
    }
    for (const std::string& path : paths) {
        std::error_code error;
        if (path != "-" && fs::is_directory(path, error)) {
            WalkFolder(path, false, selection, walk, files);
        } else {
            files.push_back({path, {}, path == "-" ? std::string() : SkipReason(path, selection)});
        }
    }
    return files;
}
