#include "platform/http/HttpGet.h"

#include <curl/curl.h>

#include <memory>
#include <utility>

namespace platform {
namespace {

struct Body {
    std::string bytes;
    std::size_t limit = 0;
};

// Returning less than offered makes curl abort the transfer; curl's own size
// limit does not stop a chunked body without a length.
std::size_t AppendToBody(char* data, std::size_t size, std::size_t count, void* userData) {
    auto* body = static_cast<Body*>(userData);
    const std::size_t length = size * count;
    if (length > body->limit - body->bytes.size()) {
        return 0;
    }
    body->bytes.append(data, length);
    return length;
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

struct MultiDeleter {
    void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};

// The transfer runs in short polls so that a cancel is seen within one of them;
// curl's own progress callback may wait a second between calls.
constexpr int kPollMilliseconds = 100;

bool Cancelled(const HttpRequest& request) {
    return request.cancelled != nullptr && request.cancelled->load();
}

CURLcode Perform(CURLM* multi, CURL* curl, const HttpRequest& request) {
    if (curl_multi_add_handle(multi, curl) != CURLM_OK) {
        return CURLE_FAILED_INIT;
    }
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running != 0 && !Cancelled(request)) {
        if (curl_multi_perform(multi, &running) != CURLM_OK ||
            (running != 0 &&
             curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK)) {
            result = CURLE_FAILED_INIT;
            break;
        }
    }
    int queued = 0;
    if (running == 0) {
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
            }
        }
    }
    curl_multi_remove_handle(multi, curl);
    return result;
}

}  // namespace

std::optional<std::string> HttpGet(const HttpRequest& request) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) {
        return std::nullopt;
    }
    std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
    const std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!handle || !multi) {
        return std::nullopt;
    }
    Body body;
    body.limit = request.maxBodyBytes;
    CURL* curl = handle.get();
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, request.allowedProtocols.c_str());
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, request.allowedProtocols.c_str());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/5.0 Gecko/41.0 Firefox/41.0");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                     request.connectTimeoutMs + request.stallSeconds * 1000);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, request.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendToBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    if (Perform(multi.get(), curl, request) != CURLE_OK) {
        return std::nullopt;
    }
    return std::move(body.bytes);
}

}  // namespace platform
