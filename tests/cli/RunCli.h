#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Single-quoted for the shell; the tests' paths hold no quote.
std::string Quote(const std::string& path);

// Runs the built tool in `folder` through the shell, stdin empty unless the
// arguments redirect it; its output goes to files in `folder`, or to
// `outTarget` when given. `summaryFile` is its GITHUB_STEP_SUMMARY, none unless
// given, even where the tests themselves run in a GitHub job.
CliRun RunCli(const std::string& folder, const std::string& arguments,
              const std::string& outTarget = "", const std::string& summaryFile = "");

// The output's lines, without their line feeds.
std::vector<std::string> Lines(const std::string& text);
// JSON Lines, each parsed.
std::vector<nlohmann::json> JsonLines(const std::string& text);
