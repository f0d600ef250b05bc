#pragma once

#include <atomic>
#include <string>
#include <thread>

// A one-connection-at-a-time HTTP server on 127.0.0.1 that answers every
// request with the same raw bytes, all at once, or one byte every 100 ms (a
// trickling server), or not at all while holding the connection (a stalled one).
class LocalHttpServer {
  public:
    enum class Pace { AllAtOnce, Trickle, Stall };
    explicit LocalHttpServer(std::string rawResponse, Pace pace = Pace::AllAtOnce);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    std::string Url(const std::string& path) const;
    // How many requests have arrived; any thread.
    int RequestsReceived() const { return requests_; }

    // A port on which nothing listens.
    static int UnusedPort();

  private:
    void Serve();

    std::string response_;
    Pace pace_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

// "HTTP/1.1 200 OK" with a Content-Length and the body.
std::string HttpResponse(const std::string& body, const std::string& status = "200 OK");
