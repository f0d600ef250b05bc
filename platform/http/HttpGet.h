#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>

namespace platform {

struct HttpRequest {
    std::string url;
    // Protocols allowed for the request and for every redirect (curl's list syntax).
    std::string allowedProtocols = "https";
    long connectTimeoutMs = 30000;
    // A transfer slower than one byte a second for this long is abandoned, and
    // so is one still running after the connect time plus this long, so a
    // server that trickles data cannot hold the caller either.
    long stallSeconds = 30;
    std::size_t maxBodyBytes = std::size_t{1024} * 1024;
    // Once this is true the transfer ends within a tenth of a second, with nothing.
    const std::atomic<bool>* cancelled = nullptr;
};

// One GET that follows redirects. The body of any completed response, whatever
// its status; nothing when the transfer fails, stalls or the body is too large.
std::optional<std::string> HttpGet(const HttpRequest& request);

}  // namespace platform
