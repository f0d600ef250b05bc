#include "tests/ls/EditorClients.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/cli/RunCli.h"
#include "testsupport/TemporaryFolder.h"

namespace {

const std::string kReleaseNotes =
    "# Release notes\n\n"
    "This release brings a faster start, and the settings window now remembers its size, "
    "which many of you asked for in the forum over the last few months of testing.\n\n"
    "Thanks to everyone who wrote in.\n";

std::string Mark(const std::string& code, int line, int column) {
    return code + " " + std::to_string(line) + ":" + std::to_string(column);
}

}  // namespace

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

std::string ClientInProject(const TemporaryFolder& folder, const std::string& note) {
    const std::string project = folder / "project";
    EXPECT_EQ(std::system(("git init -q " + Quote(project)).c_str()), 0);
    std::filesystem::create_directories(project + "/notes");
    WriteFile(project + "/post.md", kReleaseNotes);
    WriteFile(project + "/notes/todo.txt", note);
    return "cd " + Quote(project) + " && PATH=" + Quote(QUILLORY_LS_FOLDER) +
           ":\"$PATH\" QUILLORY_DOC=" + Quote(project + "/post.md") +
           " QUILLORY_TEXT=" + Quote(project + "/notes/todo.txt") +
           " QUILLORY_OUT=" + Quote(folder / "out.json") + " ";
}

nlohmann::json CliMarks(const std::string& folder, const std::string& arguments) {
    const nlohmann::json sentences =
        nlohmann::json::parse(RunCli(folder, "--format sentences " + arguments).out);
    nlohmann::json marks = nlohmann::json::array();
    for (const nlohmann::json& sentence : sentences["sentences"]) {
        if (sentence["level"] != "none") {
            marks.push_back(
                Mark(sentence["level"] == "long" ? "long-sentence" : "very-long-sentence",
                     sentence["line"].get<int>() - 1, sentence["column"].get<int>() - 1));
        }
    }
    return marks;
}

nlohmann::json ReceivedMarks(const nlohmann::json& diagnostics, const std::string& column) {
    nlohmann::json marks = nlohmann::json::array();
    for (const nlohmann::json& diagnostic : diagnostics) {
        marks.push_back(
            Mark(diagnostic["code"], diagnostic["line"].get<int>(), diagnostic[column].get<int>()));
        const std::string message = diagnostic["message"];
        EXPECT_NE(message.find(" words \u2014 Blog Post aims at 18 or fewer \u00B7 grade "),
                  std::string::npos)
            << message;
    }
    return marks;
}
