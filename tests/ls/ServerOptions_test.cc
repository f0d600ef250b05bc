// The server's command line, as a client or a person types it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "ls/Server.h"
#include "product/Product.h"
#include "tests/cli/RunCli.h"
#include "testsupport/TemporaryFolder.h"

namespace {

// Standard input is empty, so a server that starts ends at once.
CliRun RunServer(const std::string& arguments) {
    const TemporaryFolder folder;
    const std::string command = Quote(QUILLORY_LS_PATH) + " " + arguments + " < /dev/null > " +
                                Quote(folder / "out") + " 2> " + Quote(folder / "err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(folder / "out"),
            ReadFile(folder / "err")};
}

TEST(ServerOptions, HelpAndVersionAnswerAndEnd) {
    const CliRun help = RunServer("--stdio --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, ServerHelpText());
    // Help wins over a word it does not know, as quillory-cli's does.
    EXPECT_EQ(RunServer("--verbose --help").out, ServerHelpText());
    const CliRun version = RunServer("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "quillory-ls " + std::string(kVersionUtf8) + "\n");
}

TEST(ServerOptions, StdioServesAndAnythingElseIsOneLineWithStatusTwo) {
    // "--" ends the options, as for quillory-cli.
    const CliRun served = RunServer("--stdio --stdio --");
    EXPECT_EQ(served.exitCode, 1);  // the input ended without an exit notification
    EXPECT_EQ(served.out, "");
    EXPECT_EQ(served.err, "");
    for (const std::string word : {"--verbose", "-h", "--stdio=yes", "file.md"}) {
        const CliRun refused = RunServer("--stdio " + word);
        EXPECT_EQ(refused.exitCode, 2) << word;
        EXPECT_EQ(refused.err, "quillory-ls: unknown option '" + word + "' (see --help)\n");
        EXPECT_EQ(refused.out, "");
    }
}

}  // namespace
