// A real client: Debian's Neovim, headless, with its own LSP client.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/TwoDecimals.h"
#include "engine/Utf8.h"
#include "tests/cli/RunCli.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kPost =
    "# Release notes\n\n"
    "This release brings a faster start, and the settings window now remembers its size, "
    "which many of you asked for in the forum over the last few months of testing.\n\n"
    "Thanks to everyone who wrote in.\n";

std::string TwoDecimals(double value) {
    return EncodeUtf8(FormatTwoDecimals(value));
}

TEST(NeovimClientTest, MarksHoverAndLensAsTheCliGivesThem) {
    TemporaryFolder folder;
    WriteFile(folder / "post.md", kPost);
    const std::string command =
        "cd " + Quote(folder.Path()) + " && QUILLORY_LS=" + Quote(QUILLORY_LS_PATH) +
        " QUILLORY_DOC=" + Quote(folder / "post.md") +
        " QUILLORY_OUT=" + Quote(folder / "out.json") +
        " timeout 300 nvim --headless -u NONE -i NONE -n --cmd 'set "
        "noswapfile' -c " +
        Quote("luafile " QUILLORY_NEOVIM_SCRIPT) + " > " + Quote(folder / "nvim.log") + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(folder / "nvim.log");
    const Json received = Json::parse(ReadFile(folder / "out.json"));
    ASSERT_FALSE(received.contains("error")) << received["error"];

    // The CLI on the text as Neovim holds it after the edits.
    WriteFile(folder / "final.md", received["text"]);
    const Json sentences =
        Json::parse(RunCli(folder.Path(), "--format sentences --input markdown final.md").out);
    Json expected = Json::array();
    for (const Json& sentence : sentences["sentences"]) {
        if (sentence["level"] != "none") {
            expected.push_back(
                {sentence["level"] == "long" ? "long-sentence" : "very-long-sentence",
                 sentence["line"].get<int>() - 1, sentence["column"].get<int>() - 1});
        }
    }
    Json marks = Json::array();
    for (const Json& diagnostic : received["diagnostics"]) {
        marks.push_back({diagnostic["code"], diagnostic["line"], diagnostic["col"]});
        const std::string message = diagnostic["message"];
        EXPECT_NE(message.find(" words \u2014 General Content aims at 20 or fewer \u00B7 grade "),
                  std::string::npos)
            << message;
    }
    EXPECT_EQ(marks, expected);
    ASSERT_EQ(marks.size(), 1U);
    // The typed sentence, from its first word to its full stop.
    const Json& mark = received["diagnostics"][0];
    EXPECT_EQ(mark["line"], 6);
    EXPECT_EQ(mark["end_line"], 6);
    EXPECT_EQ(mark["end_col"], 145);

    EXPECT_EQ(received["hover"].get<std::string>().rfind("**Long sentence**\n\n29 words", 0), 0U)
        << received["hover"];
    const Json figures =
        Json::parse(RunCli(folder.Path(), "--format json --input markdown final.md").out);
    EXPECT_EQ(received["lens"], "Grade " + TwoDecimals(figures["fleschKincaidGrade"]) +
                                    " \u00B7 Reading ease " +
                                    TwoDecimals(figures["fleschReadingEase"]) + " \u00B7 Score " +
                                    TwoDecimals(figures["score"]["overallScore"]) +
                                    " \u2014 General Content, US English");
}

}  // namespace
