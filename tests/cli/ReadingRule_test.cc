#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "cli/CliSentences.h"
#include "documents/SourceDocument.h"
#include "documents/TextAnalysis.h"
#include "engine/Utf8.h"
#include "tests/cli/RunCli.h"
#include "testsupport/TemporaryFolder.h"

namespace {

using Json = nlohmann::json;

const std::string kPage =
    "---\n"
    "title: Page\n"
    "---\n"
    "# Overview\n"
    "\n"
    "Read the [guide](https://example.com/guide) first. It is short.\n"
    "\n"
    "```\n"
    "code that is never prose\n"
    "```\n";

const std::string kMdx =
    "import Chart from './chart.js'\n"
    "export const meta = {\n"
    "  title: 'Sales',\n"
    "}\n"
    "\n"
    "# Sales {meta.title}\n"
    "\n"
    "Sales rose by {growth} percent this year. The `{kept}` code stays code.\n";

SourceDocument Loaded(const std::string& text, SourceKind kind) {
    return LoadDocument(text, kind).document;
}

class ReadingRuleTest : public testing::Test {
  protected:
    ReadingRuleTest() {
        WriteFile(dir_ / "page.md", kPage);
        WriteFile(dir_ / "other.txt", "Plain words here.");
        WriteFile(dir_ / "sales.mdx", kMdx);
    }

    CliRun Run(const std::string& arguments) { return RunCli(dir_.Path(), arguments); }

    const TemporaryFolder dir_;
};

// The same file gives the same figures whether named alone or with others.
TEST_F(ReadingRuleTest, AMarkdownFileIsReadAsMarkdownHoweverItIsNamed) {
    const SourceDocument page = Loaded(kPage, SourceKind::Markdown);
    const ProseSettings settings;
    const DocumentAnalysis analysed =
        AnalyseDocument(page.prose, settings, {.fullAnalysis = true, .sentences = true});
    const TextAnalysis& analysis = analysed.analysis;

    const Json alone = Json::parse(Run("--format json page.md").out);
    EXPECT_EQ(alone["text"], EncodeUtf8(page.prose.prose));
    EXPECT_EQ(alone["fleschKincaidGrade"], analysis.job.fleschKincaidGrade);
    Json withOthers = JsonLines(Run("--format json page.md other.txt").out).at(0);
    for (const char* key : {"path", "findings", "sections"}) {
        withOthers.erase(key);
    }
    EXPECT_EQ(alone, withOthers);

    EXPECT_EQ(Run("--format report page.md").out, EncodeUtf8(analysis.report));
    EXPECT_EQ(Run("--format export page.md").out, EncodeUtf8(analysis.exportDocument));
    // Sentences are placed in the file as written, past the front matter.
    EXPECT_EQ(Run("--format sentences page.md").out, CliSentencesText(analysed, SourceText(page)));
    const Json sentences = Json::parse(Run("--format sentences page.md").out);
    EXPECT_EQ(sentences["sentences"][1]["line"], 6);
}

TEST_F(ReadingRuleTest, InputForcesOneReadingAndStdinIsText) {
    const std::string whole = EncodeUtf8(Loaded(kPage, SourceKind::Text).prose.prose);
    EXPECT_EQ(Json::parse(Run("--input text --format json page.md").out)["text"], whole);
    EXPECT_EQ(Json::parse(Run("--format json - < page.md").out)["text"], whole);
    EXPECT_EQ(Json::parse(Run("--format json < page.md").out)["text"], whole);
    const std::string prose = EncodeUtf8(Loaded(kPage, SourceKind::Markdown).prose.prose);
    EXPECT_EQ(Json::parse(Run("--input markdown --format json < page.md").out)["text"], prose);
    // Forced for every path, even one whose name says text.
    EXPECT_EQ(JsonLines(Run("--input markdown --format json page.md other.txt").out).at(1)["text"],
              "Plain words here.");
    EXPECT_EQ(JsonLines(Run("--input text --format json page.md other.txt").out).at(0)["text"],
              whole);
}

TEST_F(ReadingRuleTest, MdxLeavesItsCodeOutAndKeepsPlaces) {
    const Json alone = Json::parse(Run("--format json sales.mdx").out);
    const std::string text = alone["text"];
    EXPECT_EQ(text.find("import"), std::string::npos) << text;
    EXPECT_EQ(text.find("meta"), std::string::npos) << text;
    EXPECT_EQ(text.find("growth"), std::string::npos) << text;
    EXPECT_NE(text.find("{kept}"), std::string::npos) << text;  // inline code is a word
    EXPECT_NE(text.find("Sales rose by"), std::string::npos) << text;
    // The sentence after the statements is where the file has it.
    const Json sentences = Json::parse(Run("--format sentences sales.mdx").out);
    EXPECT_EQ(sentences["sentences"][1]["line"], 8);
    EXPECT_EQ(sentences["sentences"][1]["column"], 1);
    // A folder takes .mdx files too.
    EXPECT_EQ(Lines(Run(".").out).size(), 4U);
}

}  // namespace
