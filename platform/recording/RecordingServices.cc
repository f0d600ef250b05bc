// Files in memory and a network of canned answers.

#include <condition_variable>
#include <mutex>

#include "platform/recording/RecordingState.h"

namespace platform {
namespace {

// The update check fetches from another thread.
std::mutex networkMutex;
std::condition_variable networkChanged;
std::map<std::string, std::optional<std::string>, std::less<>> servedUrls;
std::vector<std::string> requestedUrls;
bool held = false;
bool cancelled = false;

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

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    const auto& desktop = TheDesktop();
    if (desktop.folders.contains(path)) {
        return {FileReadStatus::Folder, {}, {}};
    }
    const auto& files = desktop.files;
    const auto found = files.find(path);
    if (found == files.end()) {
        return {FileReadStatus::Unreadable, {}, {}};
    }
    if (found->second.size() > maxBytes) {
        return {FileReadStatus::TooLarge, {}, {}};
    }
    return {FileReadStatus::Read, found->second, {}};
}

void AcceptDroppedFiles(const std::vector<std::string_view>& suffixes) {
    TheDesktop().droppableSuffixes.assign(suffixes.begin(), suffixes.end());
}

std::vector<std::string> DroppedFilePaths() {
    return TheDesktop().droppedPaths;
}

std::optional<std::string> HttpsGet(const std::string& url) {
    std::unique_lock lock(networkMutex);
    requestedUrls.push_back(url);
    networkChanged.notify_all();
    networkChanged.wait(lock, [] { return !held || cancelled; });
    const auto served = servedUrls.find(url);
    return cancelled || served == servedUrls.end() ? std::nullopt : served->second;
}

void CancelHttpsGets() {
    const std::lock_guard lock(networkMutex);
    cancelled = true;
    networkChanged.notify_all();
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
void PutFile(std::string path, std::string bytes) {
    TheDesktop().files[std::move(path)] = std::move(bytes);
}
void PutFolder(std::string path) {
    TheDesktop().folders.insert(std::move(path));
}
void DropFiles(std::vector<std::string> paths) {
    TheDesktop().droppedPaths = std::move(paths);
    PostEvent({EventKind::FileDropped});
}
const std::vector<std::string>& DroppableSuffixes() {
    return TheDesktop().droppableSuffixes;
}

void ServeUrl(std::string url, std::optional<std::string> body) {
    const std::lock_guard lock(networkMutex);
    servedUrls[std::move(url)] = std::move(body);
}
std::vector<std::string> RequestedUrls() {
    const std::lock_guard lock(networkMutex);
    return requestedUrls;
}
void HoldHttpsGets(bool hold) {
    const std::lock_guard lock(networkMutex);
    held = hold;
    networkChanged.notify_all();
}
void WaitForHttpsGets(std::size_t count) {
    std::unique_lock lock(networkMutex);
    networkChanged.wait(lock, [count] { return requestedUrls.size() >= count; });
}
void ResetNetwork() {
    const std::lock_guard lock(networkMutex);
    servedUrls.clear();
    requestedUrls.clear();
    held = false;
    cancelled = false;
}

}  // namespace recording

}  // namespace platform
