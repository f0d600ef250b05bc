#include "tests/ls/EditorClients.h"

#include <sstream>

#include "tests/cli/RunCli.h"
#include "testsupport/TemporaryFolder.h"

const std::string kReleaseNotes =
    "# Release notes\n\n"
    "This release brings a faster start, and the settings window now remembers its size, "
    "which many of you asked for in the forum over the last few months of testing.\n\n"
    "Thanks to everyone who wrote in.\n";

std::string ReadmeBlock(std::string_view heading) {
    constexpr std::string_view kIndent = "    ";
    std::istringstream readme(ReadFile(QUILLORY_README));
    std::string line;
    while (std::getline(readme, line) && !line.starts_with(heading)) {
    }
    // The heading's own sentence may run on before the block.
    while (std::getline(readme, line) && !line.empty()) {
    }
    std::string block;
    while (std::getline(readme, line) && (line.empty() || line.starts_with(kIndent))) {
        block += line.empty() ? "\n" : line.substr(kIndent.size()) + "\n";
    }
    return block;
}

nlohmann::json CliMarks(const std::string& folder, const std::string& arguments) {
    const nlohmann::json sentences =
        nlohmann::json::parse(RunCli(folder, "--format sentences " + arguments).out);
    nlohmann::json marks = nlohmann::json::array();
    for (const nlohmann::json& sentence : sentences["sentences"]) {
        if (sentence["level"] != "none") {
            marks.push_back(
                (sentence["level"] == "long" ? "long-sentence " : "very-long-sentence ") +
                std::to_string(sentence["line"].get<int>() - 1) + ":" +
                std::to_string(sentence["column"].get<int>() - 1));
        }
    }
    return marks;
}
