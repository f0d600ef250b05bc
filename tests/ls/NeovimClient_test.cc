// A real client: Debian's Neovim, headless, with its own LSP client, started
// by the README's configuration as a reader pastes it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/TwoDecimals.h"
#include "engine/Utf8.h"
#include "tests/cli/RunCli.h"
#include "tests/ls/EditorClients.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

std::string TwoDecimals(double value) {
    return EncodeUtf8(FormatTwoDecimals(value));
}

TEST(NeovimClientTest, MarksHoverAndLensAsTheCliGivesThem) {
    const std::string configuration = ReadmeBlock("Neovim 0.7 (`init.lua`");
    // The settings the README shows, which the CLI is given below.
    ASSERT_NE(configuration.find("settings = { quillory = { scenario = \"Blog Post\" } }"),
              std::string::npos)
        << configuration;
    TemporaryFolder folder;
    WriteFile(folder / "init.lua", configuration);
    const std::string command =
        ClientInProject(folder, "Write the release notes.\n") + "timeout 300 nvim --headless -u " +
        Quote(folder / "init.lua") + " -i NONE -n --cmd 'set noswapfile' -c " +
        Quote("luafile " QUILLORY_NEOVIM_SCRIPT) + " > " + Quote(folder / "nvim.log") + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(folder / "nvim.log");
    const Json received = Json::parse(ReadFile(folder / "out.json"));
    ASSERT_FALSE(received.contains("error")) << received["error"];
    EXPECT_EQ(received["clients"], 1);

    // The CLI on the text as Neovim holds it after the edits.
    WriteFile(folder / "final.md", received["text"]);
    const Json expected = CliMarks(folder.Path(), "--input markdown --scenario 4 final.md");
    const Json marks = ReceivedMarks(received["diagnostics"], "col");
    EXPECT_EQ(marks, expected);
    ASSERT_EQ(marks.size(), 1U);
    // The typed sentence, from its first word to its full stop.
    const Json& mark = received["diagnostics"][0];
    EXPECT_EQ(mark["line"], 6);
    EXPECT_EQ(mark["end_line"], 6);
    EXPECT_EQ(mark["end_col"], 145);

    const std::string title =
        mark["code"] == "long-sentence" ? "**Long sentence**" : "**Very long sentence**";
    EXPECT_EQ(received["hover"].get<std::string>().rfind(title + "\n\n29 words", 0), 0U)
        << received["hover"];
    const Json figures = Json::parse(
        RunCli(folder.Path(), "--format json --input markdown --scenario 4 final.md").out);
    EXPECT_EQ(received["lens"],
              "Grade " + TwoDecimals(figures["fleschKincaidGrade"]) + " \u00B7 Reading ease " +
                  TwoDecimals(figures["fleschReadingEase"]) + " \u00B7 Score " +
                  TwoDecimals(figures["score"]["overallScore"]) + " \u2014 Blog Post, US English");
}

}  // namespace
