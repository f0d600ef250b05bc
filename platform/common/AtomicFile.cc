#include "platform/common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <optional>

namespace platform::posix {
namespace {

struct Target {
    std::string path;  // symbolic links resolved, so a link keeps pointing at the new content
    mode_t mode = 0;
};

mode_t NewFileMode() {
    // The umask can only be read by setting it; the old one is back at once.
    const mode_t mask = umask(0);
    umask(mask);
    return 0644 & ~mask;
}

std::optional<Target> FindTarget(const std::string& path) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) != 0) {
        if (errno != ENOENT) {
            return std::nullopt;
        }
        return Target{path, NewFileMode()};
    }
    // Renaming over a file we may not write would defeat its protection.
    if (!S_ISREG(existing.st_mode) || access(path.c_str(), W_OK) != 0) {
        return std::nullopt;
    }
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved) {
        return std::nullopt;
    }
    return Target{resolved.get(), existing.st_mode & 07777};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; the content is safe either way.
void SyncFolder(const std::string& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    const std::optional<Target> target = FindTarget(path);
    if (!target) {
        return false;
    }
    const std::string folder = FolderOf(target->path);
    std::string temporary = folder + "/.quillory-XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    bool written = fchmod(descriptor, target->mode) == 0 && WriteAll(descriptor, bytes) &&
                   fsync(descriptor) == 0;
    written = close(descriptor) == 0 && written;
    if (!written || rename(temporary.c_str(), target->path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace platform::posix
