#pragma once

// The built quillory-ls run as a client runs it: messages written to its
// standard input, read back from its standard output.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

struct ServerProcess {
    pid_t pid = -1;
    int in = -1;          // its standard input
    int out = -1;         // its standard output
    std::string pending;  // read, not yet a whole message
    std::string errPath;  // its standard error goes here
};

ServerProcess StartServer(const std::string& program, const std::string& errPath);
void SendRaw(ServerProcess& server, std::string_view bytes);
void Send(ServerProcess& server, const nlohmann::json& message);
// The next message, or nullopt when the output ends or a generous deadline passes.
std::optional<nlohmann::json> NextMessage(ServerProcess& server);
// Messages are read until one matches; nullopt as above.
std::optional<nlohmann::json> WaitFor(ServerProcess& server,
                                      const std::function<bool(const nlohmann::json&)>& wanted);
// The response to the request with this id.
std::optional<nlohmann::json> Response(ServerProcess& server, int id);
// Closes its input (unless already closed) and waits: its exit status, or -1.
int FinishServer(ServerProcess& server);
