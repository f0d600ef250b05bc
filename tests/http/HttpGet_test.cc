#include "platform/http/HttpGet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/http/LocalHttpServer.h"

namespace {

platform::HttpRequest LocalRequest(const std::string& url) {
    platform::HttpRequest request;
    request.url = url;
    request.allowedProtocols = "http";
    request.connectTimeoutMs = 2000;
    request.stallSeconds = 1;
    return request;
}

std::string Chunked(const std::string& chunk, int count) {
    char size[32];
    std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
    std::string response = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    for (int i = 0; i < count; ++i) {
        response += size + chunk + "\r\n";
    }
    return response + "0\r\n\r\n";
}

TEST(HttpGet, ReturnsAnyCompletedBodyUpToTheCapEvenWithoutALength) {
    LocalHttpServer missing(HttpResponse("<html>Not Found</html>", "404 Not Found"));
    EXPECT_EQ(platform::HttpGet(LocalRequest(missing.Url("/x"))), "<html>Not Found</html>");

    const std::string chunk(64 * 1024, 'x');
    LocalHttpServer small(Chunked(chunk, 4));
    auto request = LocalRequest(small.Url("/"));
    request.maxBodyBytes = 256 * 1024;
    EXPECT_EQ(platform::HttpGet(request).value_or("").size(), 256u * 1024);

    LocalHttpServer large(Chunked(chunk, 5));
    request.url = large.Url("/");
    EXPECT_FALSE(platform::HttpGet(request).has_value());
}

TEST(HttpGet, FailsOnRefusedStalledOrDisallowedTransfers) {
    const std::string refused = "http://127.0.0.1:" + std::to_string(LocalHttpServer::UnusedPort());
    EXPECT_FALSE(platform::HttpGet(LocalRequest(refused)).has_value());

    // Neither a silent server nor one that trickles data holds the caller. The
    // first never ends the transfer and the second would take minutes to, so a
    // return at all, and with nothing, is the stall bound at work.
    LocalHttpServer stalled("", LocalHttpServer::Pace::Stall);
    LocalHttpServer trickling(HttpResponse(std::string(4096, 'x')), LocalHttpServer::Pace::Trickle);
    for (const LocalHttpServer* server : {&stalled, &trickling}) {
        EXPECT_FALSE(platform::HttpGet(LocalRequest(server->Url("/"))).has_value());
    }

    LocalHttpServer plain(HttpResponse("Quillory 1.03\n"));
    auto httpsOnly = LocalRequest(plain.Url("/"));
    httpsOnly.allowedProtocols = "https";
    EXPECT_FALSE(platform::HttpGet(httpsOnly).has_value());
}

TEST(HttpGet, ACancelEndsTheTransferWithNothing) {
    std::atomic<bool> cancelled{true};
    LocalHttpServer answering(HttpResponse("Quillory 9.03\n"));
    auto request = LocalRequest(answering.Url("/"));
    request.cancelled = &cancelled;
    EXPECT_FALSE(platform::HttpGet(request).has_value());

    // Against a silent server, once it holds the request, only the cancel can
    // end the transfer before the test's timeout.
    cancelled = false;
    LocalHttpServer stalled("", LocalHttpServer::Pace::Stall);
    request.url = stalled.Url("/");
    request.connectTimeoutMs = 600000;
    request.stallSeconds = 600;
    std::thread canceller([&] {
        while (stalled.RequestsReceived() == 0) {
            std::this_thread::yield();
        }
        cancelled = true;
    });
    EXPECT_FALSE(platform::HttpGet(request).has_value());
    canceller.join();
}

}  // namespace
