#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/RunCli.h"
#include "tests/cli/SarifSchema.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kGuide =
    "---\n"
    "title: Guide\n"
    "---\n"
    "# Getting started\n"
    "\n"
    "Install the tool with one command. Then run it on your documents.\n"
    "\n"
    "The configuration subsystem necessitates comprehensive administrative understanding\n"
    "of organisational infrastructure considerations, particularly regarding "
    "interoperability.\n"
    "\n"
    "```sh\n"
    "run --everything and this code is never read as prose at all whatever it says\n"
    "```\n"
    "\n"
    "See [the manual](https://example.com/manual) for more. Visit https://example.com today.\n";

const std::string kNotes = "Short words help.\r\nThey read well. So do we.\r\n";

class DocumentRunTest : public testing::Test {
  protected:
    DocumentRunTest() {
        std::filesystem::create_directories(dir_ / "docs/sub");
        std::filesystem::create_directories(dir_ / "docs/.drafts");
        WriteFile(dir_ / "docs/guide.md", kGuide);
        WriteFile(dir_ / "docs/notes.txt", kNotes);
        WriteFile(dir_ / "docs/readme.markdown",
                  "# Readme\r\n\r\nIt is *short*. It is `fine`.\r\n");
        WriteFile(dir_ / "docs/sub/broken.md",
                  "ab\xFF"
                  "cd");
        WriteFile(dir_ / "docs/sub/picture.png", "\x89PNG");
        WriteFile(dir_ / "docs/.drafts/draft.md", "Never read.");
    }

    CliRun Run(const std::string& arguments) { return RunCli(dir_.Path(), arguments); }

    const TemporaryFolder dir_;
};

TEST_F(DocumentRunTest, FolderInEveryFormat) {
    const CliRun text = Run("--max-grade 12 docs");
    EXPECT_EQ(text.exitCode, 2);  // the broken file outweighs the missed threshold
    EXPECT_EQ(text.err, "");
    const std::vector<std::string> lines = Lines(text.out);
    ASSERT_EQ(lines.size(), 7U) << text.out;
    EXPECT_EQ(lines[0].rfind("docs/guide.md: 35 words, grade ", 0), 0U) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(": missed"));
    EXPECT_EQ(lines[1].rfind("docs/guide.md:1:1: grade ", 0), 0U) << lines[1];
    // The hard sentence at its place in the source, past the front matter.
    EXPECT_EQ(lines[2].rfind("docs/guide.md:8:1: hard sentence: 14 words", 0), 0U) << lines[2];
    EXPECT_EQ(lines[3].rfind("docs/notes.txt: 9 words, grade ", 0), 0U);
    EXPECT_TRUE(lines[3].ends_with(": passed"));
    EXPECT_EQ(lines[4].rfind("docs/readme.markdown: 7 words, ", 0), 0U) << lines[4];
    EXPECT_EQ(lines[5], "docs/sub/broken.md: not checked: invalid UTF-8 at byte offset 2");
    EXPECT_EQ(lines[6], "4 documents, 51 words: 2 passed, 1 missed a threshold, 1 not checked");

    // JSON Lines: a file's own object with the path and the findings.
    const CliRun json = Run("--max-grade 12 --format json docs");
    EXPECT_EQ(json.exitCode, 2);
    const std::vector<Json> objects = JsonLines(json.out);
    ASSERT_EQ(objects.size(), 4U);
    EXPECT_EQ(objects[0]["path"], "docs/guide.md");
    ASSERT_EQ(objects[0]["findings"].size(), 2U);
    EXPECT_EQ(objects[0]["findings"][1]["rule"], "max-grade");
    EXPECT_EQ(objects[0]["findings"][1]["line"], 8);
    EXPECT_EQ(objects[0]["findings"][1]["endLine"], 9);
    Json notes = objects[1];
    EXPECT_EQ(notes["path"], "docs/notes.txt");
    notes.erase("path");
    notes.erase("findings");
    notes.erase("sections");
    EXPECT_EQ(notes, Json::parse(Run("--format json docs/notes.txt").out));
    EXPECT_EQ(objects[3]["error"], "invalid UTF-8 at byte offset 2");

    const CliRun github = Run("--max-grade 12 --format github docs");
    EXPECT_EQ(github.exitCode, 2);
    const std::vector<std::string> commands = Lines(github.out);
    ASSERT_EQ(commands.size(), 4U) << github.out;
    EXPECT_EQ(commands[0].rfind(
                  "::warning file=docs/guide.md,line=1,title=quillory max-grade::grade ", 0),
              0U);
    // A sentence over two lines: GitHub takes columns only within one.
    EXPECT_EQ(commands[1].rfind("::warning file=docs/guide.md,line=8,endLine=9,title=quillory "
                                "max-grade::hard sentence: ",
                                0),
              0U);
    EXPECT_EQ(commands[2],
              "::error file=docs/sub/broken.md,title=quillory-cli::invalid UTF-8 at byte offset 2");
    // GitHub shows only the first few annotations; the totals come last, in one notice.
    EXPECT_EQ(commands[3],
              "::notice title=quillory-cli::3 documents checked: 2 findings, 1 not checked");
    // The action checks "." by default, and GitHub drops annotations on "./docs/...".
    EXPECT_EQ(Run("--max-grade 12 --format github .").out, github.out);

    const CliRun sarif = Run("--max-grade 12 --format sarif docs");
    EXPECT_EQ(sarif.exitCode, 2);
    const Json log = Json::parse(sarif.out);
    EXPECT_EQ(SarifSchemaProblems(log), std::vector<std::string>{});
    const Json& run = log["runs"][0];
    EXPECT_EQ(run["tool"]["driver"]["rules"].size(), 4U);
    ASSERT_EQ(run["results"].size(), 2U);
    const Json& sentence = run["results"][1];
    EXPECT_EQ(sentence["ruleId"],
              run["tool"]["driver"]["rules"][sentence["ruleIndex"].get<int>()]["id"]);
    const Json& location = sentence["locations"][0]["physicalLocation"];
    EXPECT_EQ(location["artifactLocation"]["uri"], "docs/guide.md");
    EXPECT_EQ(location["region"]["startLine"], 8);
    EXPECT_EQ(location["region"]["startColumn"], 1);
    EXPECT_EQ(run["invocations"][0]["executionSuccessful"], false);
    EXPECT_EQ(run["invocations"][0]["toolExecutionNotifications"].size(), 1U);
}

TEST_F(DocumentRunTest, ExitCodesAndOrder) {
    EXPECT_EQ(Run("docs/notes.txt docs/readme.markdown").exitCode, 0);
    EXPECT_EQ(Run("--max-grade 12 docs/notes.txt docs/guide.md").exitCode, 4);
    EXPECT_EQ(Run("--max-grade 12 docs/notes.txt docs/missing.md").exitCode, 2);
    EXPECT_EQ(Run("--max-sentence-words 10 docs/guide.md").exitCode, 4);
    EXPECT_EQ(Run("--max-sentence-words scenario --min-ease 0 docs/notes.txt").exitCode, 0);
    EXPECT_EQ(Run("--format report docs").exitCode, 2);
    const Json clean = Json::parse(Run("--format sarif docs/notes.txt").out);
    EXPECT_EQ(clean["runs"][0]["results"], Json::array());
    EXPECT_EQ(clean["runs"][0]["invocations"][0]["executionSuccessful"], true);
    // A file named explicitly is read whatever its name.
    EXPECT_EQ(Lines(Run("docs/sub/picture.png docs/notes.txt").out)[0],
              "docs/sub/picture.png: not checked: invalid UTF-8 at byte offset 0");

    // Many files on every core, written in the order of their paths, the same
    // bytes each time.
    std::vector<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        const std::string name =
            "many/" + std::to_string(i % 7) + "/f" + std::to_string(i) + ".txt";
        std::filesystem::create_directories(std::filesystem::path(dir_ / name).parent_path());
        WriteFile(dir_ / name, std::string(static_cast<std::size_t>(i + 1), 'a') + " word. ");
        expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    const CliRun first = Run("--format json many");
    EXPECT_EQ(first.out, Run("--format json many").out);
    const std::vector<Json> objects = JsonLines(first.out);
    ASSERT_EQ(objects.size(), expected.size());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(objects[i]["path"], expected[i]);
    }
}

TEST_F(DocumentRunTest, ConfigurationFile) {
    WriteFile(dir_ / ".quillory.toml",
              "variant = \"uk\"\nmax-sentence-words = 10\nexclude = [\"docs/sub/**\"]\n");
    const std::vector<Json> objects = JsonLines(Run("--format json docs").out);
    ASSERT_EQ(objects.size(), 3U);  // the broken file excluded
    EXPECT_EQ(objects[0]["variant"], "uk");
    EXPECT_EQ(objects[0]["findings"][0]["rule"], "max-sentence-words");
    EXPECT_EQ(Run("docs").exitCode, 4);
    // The command line wins over the file.
    EXPECT_EQ(JsonLines(Run("--variant us --format json docs").out)[0]["variant"], "us");
    // Its thresholds check documents only: one text keeps its formats.
    EXPECT_EQ(Run("--format report docs/notes.txt").exitCode, 0);
    // A named file is read even where the globs leave it out.
    EXPECT_EQ(Run("docs/sub/broken.md").exitCode, 2);

    WriteFile(dir_ / ".quillory.toml", "variant = \"uk\"\nmax-grade = \"twelve\"\n");
    const CliRun bad = Run("docs");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find(".quillory.toml:2: key 'max-grade'"), std::string::npos) << bad.err;
}

TEST_F(DocumentRunTest, LengthLimit) {
    std::string longText;
    while (longText.size() <= 40000) {
        longText += "A plain sentence is here. ";
    }
    WriteFile(dir_ / "docs/long.txt", longText);
    // One length rule, named alone or with others: any length unless asked.
    const CliRun checked = Run("--max-grade 20 docs/long.txt");
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(checked.out.rfind("docs/long.txt: 7695 words, ", 0), 0U) << checked.out;
    EXPECT_EQ(Run("docs/long.txt").exitCode, 0);
    EXPECT_EQ(Run("--length-limit docs/long.txt").exitCode, 3);

    // The configuration can hold documents to it, Markdown by its prose alone.
    WriteFile(dir_ / ".quillory.toml", "length-limit = true\n");
    WriteFile(dir_ / "docs/code.md",
              "Short prose.\n\n```\n" + std::string(2000000, 'x') + "\n```\n");
    EXPECT_EQ(Run("docs/long.txt").exitCode, 3);
    EXPECT_EQ(Run("docs/code.md").exitCode, 0);
    const CliRun limited = Run("--max-grade 20 docs/long.txt docs/code.md");
    EXPECT_EQ(limited.exitCode, 3);
    EXPECT_EQ(Lines(limited.out)[0],
              "docs/long.txt: not checked: longer than 32768 characters (--no-length-limit "
              "analyses it)");
    EXPECT_EQ(Lines(limited.out)[1].rfind("docs/code.md: 2 words, ", 0), 0U);
    EXPECT_EQ(Run("--no-length-limit --max-grade 20 docs/long.txt").exitCode, 0);
    // An unreadable document outweighs a long one.
    EXPECT_EQ(Run("docs/long.txt docs/missing.txt").exitCode, 2);
}

}  // namespace

namespace {

// Docs trees link shared chapters in: each real folder is read once, and a
// link that leads back up or to nothing is said to be skipped.
TEST_F(DocumentRunTest, LinkedFolders) {
    namespace fs = std::filesystem;
    fs::create_directories(dir_ / "shared");
    WriteFile(dir_ / "shared/chapter.md", "# Chapter\n\nShared words read well.\n");
    fs::create_directory_symlink("../shared", dir_ / "docs/linked");
    fs::create_directory_symlink("../shared", dir_ / "docs/more");
    fs::create_directory_symlink("..", dir_ / "docs/sub/up");
    fs::create_symlink("nowhere.md", dir_ / "docs/gone.md");
    fs::create_symlink("nowhere.png", dir_ / "docs/gone.png");
    // A link that sorts before the real folder it names: the folder keeps its own
    // path, which .quillory.toml's globs match.
    fs::create_directories(dir_ / "docs/vendor");
    WriteFile(dir_ / "docs/vendor/lib.md", "Vendored words read well.\n");
    fs::create_directory_symlink("vendor", dir_ / "docs/a-link");

    const CliRun text = Run("--max-grade 99 docs");
    EXPECT_EQ(text.exitCode, 2) << text.err;  // broken.md
    const std::vector<std::string> lines = Lines(text.out);
    const std::vector<std::string> expected = {
        "docs/gone.md: skipped: a link to nothing",
        "docs/linked/chapter.md: 5 words, ",
        "docs/more: skipped: the same folder as docs/linked",
        "docs/sub/up: skipped: a link back to a folder that holds it",
        "docs/a-link: skipped: the same folder as docs/vendor",
        "docs/vendor/lib.md: 4 words, ",
    };
    for (const std::string& line : expected) {
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& l) { return l.starts_with(line); }),
                  1)
            << line << "\n"
            << text.out;
    }
    EXPECT_EQ(text.out.find("gone.png"), std::string::npos);
    EXPECT_NE(lines.back().find(", 4 skipped"), std::string::npos) << lines.back();

    bool sawLoop = false;
    for (const Json& line : JsonLines(Run("--format json --max-grade 99 docs").out)) {
        if (line["path"] == "docs/sub/up") {
            sawLoop = true;
            EXPECT_EQ(line["skipped"], "a link back to a folder that holds it");
        }
    }
    EXPECT_TRUE(sawLoop);
}

}  // namespace
