#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/RunCli.h"
#include "tests/cli/SarifSchema.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kLonger =
    "Every team that writes documentation eventually finds that long sentences slow readers "
    "down.";

// What a CI step or a pre-commit hook runs: files named one by one, settings
// only in .quillory.toml.
class CiRunTest : public testing::Test {
  protected:
    CiRunTest() {
        std::filesystem::create_directories(dir_ / "docs");
        std::filesystem::create_directories(dir_ / "gen");
        WriteFile(dir_ / ".quillory.toml", "max-sentence-words = 10\nexclude = [\"gen/**\"]\n");
        WriteFile(dir_ / "docs/a.md", "# A\n\nShort. " + kLonger + "\n");
        WriteFile(dir_ / "gen/b.md", kLonger + "\n");
    }

    CliRun Run(const std::string& arguments, const std::string& summaryFile = "") {
        return RunCli(dir_.Path(), arguments, "", summaryFile);
    }

    const TemporaryFolder dir_;
};

TEST_F(CiRunTest, OneFileIsCheckedAsTenAre) {
    // Without --check one file keeps the table of its figures.
    const CliRun table = Run("docs/a.md");
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_EQ(table.out.find("docs/a.md:"), std::string::npos) << table.out;

    const CliRun checked = Run("--check docs/a.md");
    EXPECT_EQ(checked.exitCode, 4);
    const std::vector<std::string> lines = Lines(checked.out);
    ASSERT_EQ(lines.size(), 3U) << checked.out;
    EXPECT_EQ(lines[1].rfind("docs/a.md:3:8: 13 words \u2014 at most 10 allowed", 0), 0U)
        << lines[1];
}

TEST_F(CiRunTest, NamedFilesFollowIncludeAndExclude) {
    const CliRun text = Run("--check docs/a.md gen/b.md");
    EXPECT_EQ(text.exitCode, 4);
    const std::vector<std::string> lines = Lines(text.out);
    ASSERT_EQ(lines.size(), 4U) << text.out;
    EXPECT_EQ(lines[2], "gen/b.md: skipped: excluded by .quillory.toml");
    EXPECT_EQ(lines[3], "2 documents, 15 words: 0 passed, 1 missed a threshold, 1 skipped");

    EXPECT_EQ(JsonLines(Run("--check --format json docs/a.md gen/b.md").out).at(1),
              Json::parse(R"({"path":"gen/b.md","skipped":"excluded by .quillory.toml",)"
                          R"("findings":[]})"));
    const std::vector<std::string> github = Lines(Run("--format github docs/a.md gen/b.md").out);
    ASSERT_EQ(github.size(), 2U);
    EXPECT_EQ(github[1], "::notice title=quillory-cli::1 document checked: 1 finding, 1 skipped");
    const Json log = Json::parse(Run("--format sarif docs/a.md gen/b.md").out);
    EXPECT_EQ(log["runs"][0]["results"].size(), 1U);

    // Left out by include, and stdin never.
    WriteFile(dir_ / ".quillory.toml", "max-sentence-words = 10\ninclude = [\"docs/**\"]\n");
    EXPECT_EQ(Lines(Run("--check gen/b.md").out).at(0),
              "gen/b.md: skipped: not included by .quillory.toml");
    const CliRun stdinRun = Run("--check - < gen/b.md");
    EXPECT_EQ(stdinRun.exitCode, 4);
    EXPECT_EQ(Lines(stdinRun.out).at(1).rfind("-:1:1: 13 words", 0), 0U) << stdinRun.out;
}

TEST_F(CiRunTest, SarifFileBesideAnotherFormat) {
    const CliRun both = Run("--format github --sarif q.sarif docs/a.md");
    EXPECT_EQ(both.exitCode, 4);
    EXPECT_EQ(both.out.rfind("::warning file=docs/a.md,line=3,", 0), 0U) << both.out;
    const Json log = Json::parse(ReadFile(dir_ / "q.sarif"));
    EXPECT_EQ(SarifSchemaProblems(log), std::vector<std::string>{});
    EXPECT_EQ(log, Json::parse(Run("--format sarif docs/a.md").out));

    // Written whole or not at all; the output is still complete.
    const CliRun unwritable = Run("--sarif nowhere/q.sarif docs/a.md");
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_EQ(unwritable.err, "quillory-cli: cannot write the SARIF log nowhere/q.sarif\n");
    EXPECT_EQ(Lines(unwritable.out).back(), "1 document, 15 words: 0 passed, 1 missed a threshold");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "nowhere"));
}

TEST_F(CiRunTest, JobSummaryIsAppendedWholeAndEscaped) {
    const std::string summary = dir_ / "summary.md";
    WriteFile(summary, "an earlier step\n");
    WriteFile(dir_ / "docs/c_d*[x].md",
              "Plain words.\n\n# Costs | risks\n\nNotwithstanding considerable organisational "
              "complexity, "
              "administrators must evaluate interdependencies.\n");
    const CliRun run = Run("--per section --max-grade 9 docs", summary);
    EXPECT_EQ(run.exitCode, 4) << run.err;
    const std::string text = ReadFile(summary);
    EXPECT_EQ(
        text.rfind("an earlier step\n### quillory-cli\n\n2 documents checked: 3 findings\n", 0), 0U)
        << text;
    EXPECT_NE(text.find("| docs/c\\_d\\*\\[x\\].md | 13 | 21.50 | 0.00 | 13.40 |\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("| docs/c\\_d\\*\\[x\\].md | 3 | section \u201CCosts \\| risks\u201D: "),
              std::string::npos)
        << text;
    // A check of ".", the action's default, names the files as the annotations do.
    WriteFile(summary, "");
    EXPECT_EQ(Run("--per section --max-grade 9 .", summary).exitCode, 4);
    EXPECT_NE(ReadFile(summary).find("\n| docs/c\\_d"), std::string::npos) << ReadFile(summary);

    // A first run on a large tree: the table stops, and says how much it left out.
    std::string many;
    for (int i = 0; i < 305; ++i) {
        many += "Four short words here.\n";
    }
    WriteFile(dir_ / "many.txt", many);
    WriteFile(summary, "");
    EXPECT_EQ(Run("--max-sentence-words 3 many.txt", summary).exitCode, 4);
    const std::vector<std::string> lines = Lines(ReadFile(summary));
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(),
                      [](const std::string& line) { return line.starts_with("| many.txt | "); }),
        300 + 1);  // and the document's own row
    EXPECT_EQ(lines.back(), "5 more findings not shown.");

    const CliRun unwritable = Run("docs/a.md docs", dir_ / "nowhere/summary.md");
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_EQ(Lines(unwritable.err).size(), 1U);
    EXPECT_EQ(unwritable.err.rfind("quillory-cli: cannot write the job summary ", 0), 0U)
        << unwritable.err;
    EXPECT_TRUE(Lines(unwritable.out).back().starts_with("3 documents, ")) << unwritable.out;
}

}  // namespace
