// Files in memory and a network of canned answers.

#include <mutex>

#include "platform/recording/RecordingState.h"

namespace platform {
namespace {

// The update check may fetch from another thread.
std::mutex networkMutex;
std::map<std::string, std::optional<std::string>, std::less<>> servedUrls;
std::vector<std::string> requestedUrls;

}  // namespace

using recording::TheDesktop;

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    auto& desktop = TheDesktop();
    if (desktop.fileWritesFailing) {
        return false;
    }
    desktop.files[path] = std::string(bytes);
    return true;
}

std::optional<std::string> HttpsGet(const std::string& url) {
    const std::lock_guard lock(networkMutex);
    requestedUrls.push_back(url);
    const auto served = servedUrls.find(url);
    return served == servedUrls.end() ? std::nullopt : served->second;
}

namespace recording {

std::optional<std::string> WrittenFile(std::string_view path) {
    const auto& files = TheDesktop().files;
    const auto found = files.find(path);
    return found == files.end() ? std::nullopt : std::optional(found->second);
}
void SetFileWritesFailing(bool failing) {
    TheDesktop().fileWritesFailing = failing;
}

void ServeUrl(std::string url, std::optional<std::string> body) {
    const std::lock_guard lock(networkMutex);
    servedUrls[std::move(url)] = std::move(body);
}
std::vector<std::string> RequestedUrls() {
    const std::lock_guard lock(networkMutex);
    return requestedUrls;
}
void ResetNetwork() {
    const std::lock_guard lock(networkMutex);
    servedUrls.clear();
    requestedUrls.clear();
}

}  // namespace recording

}  // namespace platform
