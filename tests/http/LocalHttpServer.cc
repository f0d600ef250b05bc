#include "tests/http/LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>

namespace {

int ListenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 4) != 0) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

// Waits up to `ms` for the descriptor to become readable.
bool Readable(int fd, int ms) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, ms) > 0;
}

}  // namespace

LocalHttpServer::LocalHttpServer(std::string rawResponse, Pace pace)
    : response_(std::move(rawResponse)), pace_(pace) {
    listener_ = ListenOnLoopback(port_);
    thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    thread_.join();
    close(listener_);
}

std::string LocalHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

int LocalHttpServer::UnusedPort() {
    int port = 0;
    const int fd = ListenOnLoopback(port);
    close(fd);
    return port;
}

void LocalHttpServer::Serve() {
    while (!stopping_) {
        if (!Readable(listener_, 50)) {
            continue;
        }
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0) {
            continue;
        }
        char request[4096];
        if (Readable(client, 2000)) {
            [[maybe_unused]] const auto received = recv(client, request, sizeof request, 0);
        }
        ++requests_;
        if (pace_ == Pace::Stall) {
            while (!stopping_ && !Readable(client, 50)) {
            }
        } else {
            std::size_t sent = 0;
            while (sent < response_.size() && !stopping_) {
                const std::size_t chunk = pace_ == Pace::Trickle ? 1 : response_.size() - sent;
                if (pace_ == Pace::Trickle && Readable(client, 100)) {
                    break;  // the client has gone
                }
                const auto n = send(client, response_.data() + sent, chunk, MSG_NOSIGNAL);
                if (n <= 0) {
                    break;
                }
                sent += static_cast<std::size_t>(n);
            }
        }
        close(client);
    }
}

std::string HttpResponse(const std::string& body, const std::string& status) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}
