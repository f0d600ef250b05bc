#include "testsupport/ServerProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace {

// A loaded machine may be slow; a hung server is found by this at worst.
constexpr std::chrono::seconds kDeadline{60};

std::optional<nlohmann::json> TakeMessage(std::string& pending) {
    const std::size_t headerEnd = pending.find("\r\n\r\n");
    if (headerEnd == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t at = pending.find("Content-Length: ");
    const std::size_t length = std::stoul(pending.substr(at + 16, headerEnd - at - 16));
    if (pending.size() < headerEnd + 4 + length) {
        return std::nullopt;
    }
    nlohmann::json message = nlohmann::json::parse(pending.substr(headerEnd + 4, length));
    pending.erase(0, headerEnd + 4 + length);
    return message;
}

}  // namespace

ServerProcess StartServer(const std::string& program, const std::string& errPath) {
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0) {
        std::abort();
    }
    ServerProcess server;
    server.errPath = errPath;
    server.pid = fork();
    if (server.pid == 0) {
        dup2(input[0], STDIN_FILENO);
        dup2(output[1], STDOUT_FILENO);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(err, STDERR_FILENO);
        close(input[1]);
        close(output[0]);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(input[0]);
    close(output[1]);
    server.in = input[1];
    server.out = output[0];
    signal(SIGPIPE, SIG_IGN);  // a server that quit must fail a test, not end it
    return server;
}

void SendRaw(ServerProcess& server, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(server.in, bytes.data(), bytes.size());
        if (written <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void Send(ServerProcess& server, const nlohmann::json& message) {
    const std::string body = message.dump();
    SendRaw(server, "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
}

std::optional<nlohmann::json> NextMessage(ServerProcess& server) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (true) {
        if (std::optional<nlohmann::json> message = TakeMessage(server.pending)) {
            return message;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{server.out, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            return std::nullopt;
        }
        char buffer[65536];
        const ssize_t got = read(server.out, buffer, sizeof buffer);
        if (got <= 0) {
            return std::nullopt;
        }
        server.pending.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<nlohmann::json> WaitFor(ServerProcess& server,
                                      const std::function<bool(const nlohmann::json&)>& wanted) {
    while (std::optional<nlohmann::json> message = NextMessage(server)) {
        if (wanted(*message)) {
            return message;
        }
    }
    return std::nullopt;
}

std::optional<nlohmann::json> Response(ServerProcess& server, int id) {
    return WaitFor(server, [id](const nlohmann::json& message) {
        return message.contains("id") && message["id"] == id && !message.contains("method");
    });
}

int FinishServer(ServerProcess& server) {
    if (server.in >= 0) {
        close(server.in);
        server.in = -1;
    }
    int status = 0;
    waitpid(server.pid, &status, 0);
    close(server.out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
