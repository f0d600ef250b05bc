#include "tests/cli/RunCli.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "testsupport/TemporaryFolder.h"

std::string Quote(const std::string& path) {
    return "'" + path + "'";
}

CliRun RunCli(const std::string& folder, const std::string& arguments, const std::string& outTarget,
              const std::string& summaryFile) {
    const std::string outPath = folder + "/.out";
    const std::string errPath = folder + "/.err";
    std::remove(outPath.c_str());
    const std::string command =
        "cd " + Quote(folder) + " && GITHUB_STEP_SUMMARY=" + Quote(summaryFile) + " " +
        Quote(QUILLORY_CLI_PATH) + " < /dev/null " + arguments + " > " +
        (outTarget.empty() ? Quote(outPath) : outTarget) + " 2> " + Quote(errPath);
    const int status = std::system(command.c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(outPath), ReadFile(errPath)};
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> objects;
    for (const std::string& line : Lines(text)) {
        objects.push_back(nlohmann::json::parse(line));
    }
    return objects;
}
