// A real client: Debian's Emacs with eglot and markdown-mode, in batch mode,
// started by the README's configuration as a reader pastes it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/cli/RunCli.h"
#include "tests/ls/EditorClients.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kNote =
    "Before the release, somebody has to read every page of the manual again and check that "
    "each screenshot still shows the window as it now looks.\n";

// Emacs with both packages, as Debian installs them.
bool EmacsHasEglot() {
    return std::system(
               "emacs --batch -l package --eval '(package-activate-all)' --eval "
               "'(kill-emacs (if (and (locate-library \"eglot\") (locate-library "
               "\"markdown-mode\")) 0 1))' > /dev/null 2>&1") == 0;
}

TEST(EmacsClientTest, MarksAsTheCliGivesThem) {
    if (!EmacsHasEglot()) {
        GTEST_SKIP() << "needs Emacs with eglot and markdown-mode (Debian: emacs-nox "
                        "elpa-eglot elpa-markdown-mode)";
    }
    const std::string configuration = ReadmeBlock("Emacs 28 and later with eglot");
    ASSERT_NE(configuration.find("(:quillory (:scenario \"Blog Post\"))"), std::string::npos)
        << configuration;
    TemporaryFolder folder;
    WriteFile(folder / "init.el", configuration);
    // Packages are activated as an interactive Emacs does before init.el.
    const std::string command =
        ClientInProject(folder, kNote) +
        "timeout 300 emacs --batch -l package --eval '(package-activate-all)' -l " +
        Quote(folder / "init.el") + " -l " + Quote(QUILLORY_EMACS_SCRIPT) + " > " +
        Quote(folder / "emacs.log") + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(folder / "emacs.log");
    const Json received = Json::parse(ReadFile(folder / "out.json"));
    ASSERT_FALSE(received.contains("error")) << received["error"] << ReadFile(folder / "emacs.log");
    EXPECT_EQ(received["textMode"], true);

    // The CLI on the text as Emacs holds it after typing, with the README's settings.
    WriteFile(folder / "final.md", received["text"]);
    const Json expected = CliMarks(folder.Path(), "--input markdown --scenario 4 final.md");
    const Json marks = ReceivedMarks(received["diagnostics"], "column");
    EXPECT_EQ(marks, expected);
    EXPECT_EQ(marks.size(), 2U);
}

}  // namespace
