#pragma once

#include <span>
#include <string>
#include <string_view>

enum class ServerAction { Serve, ShowHelp, ShowVersion, UsageError };

struct ServerOptions {
    ServerAction action = ServerAction::Serve;
    std::string usageError;  // set for ServerAction::UsageError
};

// The words after the program's name. --help and --version answer whatever
// else is given; --stdio, the only way the server talks, changes nothing; "--"
// ends the options; any other word is a usage error.
ServerOptions ParseServerOptions(std::span<const std::string_view> arguments);
