#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "tests/cli/RunCli.h"
#include "tests/cli/SarifSchema.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

// The whole page passes a maximum grade of 12; its "Hard" section does not.
const std::string kPage =
    "Short and plain words. We like them. They help.\n"
    "\n"
    "# Easy\n"
    "\n"
    "It is fun. We go. We see. We run. It is done. Cats sit. Dogs nap.\n"
    "\n"
    "# Hard\n"
    "\n"
    "The organisational infrastructure necessitates comprehensive administrative\n"
    "understanding.\n"
    "\n"
    "<!-- quillory off -->\n"
    "Notwithstanding considerable organisational complexity, administrators must\n"
    "comprehensively evaluate infrastructural interdependencies.\n"
    "<!-- quillory on -->\n"
    "\n"
    "Done.\n";

class SectionsTest : public testing::Test {
  protected:
    SectionsTest() { WriteFile(dir_ / "page.md", kPage); }

    CliRun Run(const std::string& arguments) { return RunCli(dir_.Path(), arguments); }

    const TemporaryFolder dir_;
};

TEST_F(SectionsTest, JsonLinesCarryEachSectionsFigures) {
    const std::vector<Json> lines = JsonLines(Run("--format json --max-grade 12 page.md").out);
    ASSERT_EQ(lines.size(), 1U);
    const Json& sections = lines[0]["sections"];
    ASSERT_EQ(sections.size(), 3U);
    EXPECT_EQ(sections[0]["heading"], "");
    EXPECT_EQ(sections[0]["line"], 1);
    EXPECT_EQ(sections[0]["words"], 9);
    EXPECT_EQ(sections[0]["sentences"], 3);
    EXPECT_EQ(sections[2]["heading"], "Hard");
    EXPECT_EQ(sections[2]["line"], 7);
    // The switched-off paragraph is in no figure: heading, one sentence, "Done."
    EXPECT_EQ(sections[2]["sentences"], 3);
    EXPECT_GT(sections[2]["grade"].get<double>(), 12);
    EXPECT_TRUE(sections[2]["score"].is_number());
    EXPECT_EQ(lines[0]["findings"], Json::array());
}

TEST_F(SectionsTest, PerSectionInEveryFormat) {
    EXPECT_EQ(Run("--max-grade 12 page.md").exitCode, 0);

    const CliRun text = Run("--per section --max-grade 12 page.md");
    EXPECT_EQ(text.exitCode, 4);
    const std::vector<std::string> lines = Lines(text.out);
    ASSERT_EQ(lines.size(), 4U) << text.out;
    // At the heading's text, with a region to the section's last word.
    EXPECT_EQ(lines[1].rfind("page.md:7:3: section \u201CHard\u201D: grade ", 0), 0U) << lines[1];
    EXPECT_EQ(lines[2].rfind("page.md:9:1: hard sentence: 7 words", 0), 0U) << lines[2];

    const Json finding = JsonLines(Run("--per section --max-grade 12 --format json page.md").out)
                             .at(0)["findings"][0];
    EXPECT_EQ(finding["line"], 7);
    EXPECT_EQ(finding["endLine"], 17);
    EXPECT_EQ(finding["endColumn"], 6);

    const std::vector<std::string> github =
        Lines(Run("--per section --max-grade 12 --format github page.md").out);
    ASSERT_EQ(github.size(), 3U);
    EXPECT_EQ(github[0].rfind("::warning file=page.md,line=7,endLine=17,title=quillory "
                              "max-grade::section \u201CHard\u201D: grade ",
                              0),
              0U)
        << github[0];

    const Json sarif = Json::parse(Run("--per section --max-grade 12 --format sarif page.md").out);
    EXPECT_EQ(SarifSchemaProblems(sarif), std::vector<std::string>{});
    const Json& region =
        sarif["runs"][0]["results"][0]["locations"][0]["physicalLocation"]["region"];
    EXPECT_EQ(region["startLine"], 7);
    EXPECT_EQ(region["endLine"], 17);

    // The configuration file asks for the same; the command line can take it back.
    WriteFile(dir_ / ".quillory.toml", "per = \"section\"\nmax-grade = 12\n");
    EXPECT_EQ(Run("--format github page.md").exitCode, 4);
    EXPECT_EQ(Run("--per document --format github page.md").exitCode, 0);
    WriteFile(dir_ / ".quillory.toml", "per = \"chapter\"\n");
    EXPECT_NE(Run("page.md").err.find("key 'per'"), std::string::npos);
}

// The sentences named for a section are its SARIF result's related locations;
// a section or document too short to judge is held to no figure.
TEST_F(SectionsTest, NamedSentencesAndTextsTooShortToJudge) {
    const Json sarif = Json::parse(Run("--per section --max-grade 12 --format sarif page.md").out);
    const Json& results = sarif["runs"][0]["results"];
    ASSERT_EQ(results.size(), 2U);
    ASSERT_EQ(results[0]["relatedLocations"].size(), 1U);
    const Json& related = results[0]["relatedLocations"][0];
    EXPECT_EQ(related["physicalLocation"]["region"]["startLine"], 9);
    EXPECT_EQ(related["message"]["text"], results[1]["message"]["text"]);
    EXPECT_FALSE(results[1].contains("relatedLocations"));

    WriteFile(dir_ / "short.md",
              "# Example\n\n```\ncode\n```\n\n# Usage\n\nRead the page. It helps you start.\n");
    const CliRun run = Run("--per section --max-grade 12 --min-ease 200 --format json short.md");
    EXPECT_EQ(run.exitCode, 4);
    const Json line = JsonLines(run.out).at(0);
    EXPECT_EQ(line["sections"][0]["note"], "too short to judge");
    EXPECT_FALSE(line["sections"][1].contains("note"));
    EXPECT_FALSE(line.contains("note"));
    for (const Json& finding : line["findings"]) {
        EXPECT_EQ(finding["message"].get<std::string>().find("Example"), std::string::npos);
    }

    WriteFile(dir_ / "one.md", "Hello\n");
    const CliRun one = Run("--max-grade 0 --min-ease 200 one.md");
    EXPECT_EQ(one.exitCode, 0);
    const std::string oneLine = Lines(one.out).at(0);
    EXPECT_EQ(oneLine.rfind("one.md: 1 word, grade ", 0), 0U) << oneLine;
    EXPECT_TRUE(oneLine.ends_with("score none: passed")) << oneLine;
    EXPECT_EQ(JsonLines(Run("--check --format json one.md").out).at(0)["note"],
              "too short to judge");
}

TEST_F(SectionsTest, SwitchedOffProseIsInNoFinding) {
    WriteFile(
        dir_ / "on.md",
        "Fine words.\n\n" +
            std::string(
                "Notwithstanding considerable organisational complexity, administrators must\n"
                "comprehensively evaluate infrastructural interdependencies.\n"));
    WriteFile(
        dir_ / "off.md",
        "Fine words.\n\n<!-- quillory off -->\n" +
            std::string(
                "Notwithstanding considerable organisational complexity, administrators must\n"
                "comprehensively evaluate infrastructural interdependencies.\n"));
    EXPECT_EQ(Run("--max-sentence-words 5 on.md").exitCode, 4);
    EXPECT_EQ(Run("--max-sentence-words 5 --max-grade 8 off.md").exitCode, 0);
}

}  // namespace
