#include "ls/ServerOptions.h"

#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

namespace {

ServerOptions UsageError(std::string message) {
    return {ServerAction::UsageError, std::move(message) + " (see --help)"};
}

ServerOptions UnknownOption(std::string_view word) {
    return UsageError("unknown option '" + std::string(word) + "'");
}

}  // namespace

ServerOptions ParseServerOptions(std::span<const std::string_view> arguments) {
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    app.add_flag("--help");
    app.add_flag("--version");
    app.add_flag("--stdio");
    // No option takes a value, though CLI11 would let a flag take one.
    for (const std::string_view argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument.starts_with("--") && argument.find('=') != std::string_view::npos) {
            return UnknownOption(argument);
        }
    }
    std::vector<std::string> words(arguments.rbegin(), arguments.rend());
    try {
        app.parse(words);
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }
    if (app.count("--help") > 0) {
        return {ServerAction::ShowHelp, {}};
    }
    if (app.count("--version") > 0) {
        return {ServerAction::ShowVersion, {}};
    }
    // CLI11 counts the "--" that ends the options among the words it did not take.
    for (const std::string& extra : app.remaining()) {
        if (extra != "--") {
            return UnknownOption(extra);
        }
    }
    return {};
}
