// The outside services: files and the network, shared with the command line.

#include <atomic>

#include "platform/Platform.h"
#include "platform/common/AtomicFile.h"
#include "platform/common/ReadFile.h"
#include "platform/http/HttpGet.h"

namespace platform {
namespace {

std::atomic<bool> httpsGetsCancelled{false};

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return posix::WriteFileAtomically(path, bytes);
}

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    return posix::ReadFileBytes(path, maxBytes);
}

std::optional<std::string> HttpsGet(const std::string& url) {
    HttpRequest request;
    request.url = url;
    request.allowedProtocols = "https";
    request.cancelled = &httpsGetsCancelled;
    return HttpGet(request);
}

void CancelHttpsGets() {
    httpsGetsCancelled = true;
}

}  // namespace platform
