#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

CliOptions Parse(std::vector<std::string_view> arguments) {
    return ParseCliOptions(arguments);
}

TEST(CliOptionsTest, DefaultsAndValues) {
    const CliOptions defaults = Parse({});
    EXPECT_EQ(defaults.format, OutputFormat::Text);
    EXPECT_TRUE(defaults.paths.empty());
    EXPECT_FALSE(defaults.thresholds.Any());

    const CliOptions all = Parse({"--variant", "uk", "--scenario", "6", "--format", "export", "a"});
    EXPECT_EQ(all.action, CliAction::Analyse);
    EXPECT_EQ(all.variant, EnglishVariant::Uk);
    EXPECT_EQ(all.scenario, 6);
    EXPECT_EQ(all.format, OutputFormat::Export);
    EXPECT_EQ(all.paths, std::vector<std::string>{"a"});

    EXPECT_EQ(Parse({"--scenario", "Blog Post"}).scenario, 4);
    EXPECT_EQ(Parse({"--help"}).action, CliAction::ShowHelp);
    EXPECT_EQ(Parse({"a.txt", "--version"}).action, CliAction::ShowVersion);
}

TEST(CliOptionsTest, SentencesFormatIsListed) {
    EXPECT_EQ(Parse({"--format", "sentences"}).format, OutputFormat::Sentences);
    EXPECT_NE(kCliUsageLine.find("|sentences|"), std::string_view::npos);
    EXPECT_NE(CliHelpText().find("  sentences: "), std::string::npos);
}

TEST(CliOptionsTest, DocumentChecks) {
    const CliOptions options =
        Parse({"docs", "--max-grade", "12", "-", "--min-ease", "-5.5", "--min-score", "60",
               "--max-sentence-words", "scenario", "--input", "markdown", "--no-length-limit",
               "--format", "sarif", "README.md"});
    ASSERT_EQ(options.action, CliAction::Analyse);
    EXPECT_EQ(options.paths, (std::vector<std::string>{"docs", "-", "README.md"}));
    EXPECT_EQ(options.thresholds.maxGrade, 12);
    EXPECT_EQ(options.thresholds.minEase, -5.5);
    EXPECT_EQ(options.thresholds.minScore, 60);
    ASSERT_TRUE(options.thresholds.maxSentenceWords);
    EXPECT_TRUE(options.thresholds.maxSentenceWords->scenarioAim);
    EXPECT_EQ(options.input, InputKind::Markdown);
    EXPECT_EQ(options.lengthLimit, false);
    // The last of the two length options wins.
    EXPECT_EQ(Parse({"--no-length-limit", "--length-limit"}).lengthLimit, true);
    EXPECT_FALSE(Parse({}).lengthLimit.has_value());
    EXPECT_EQ(options.format, OutputFormat::Sarif);
    EXPECT_EQ(Parse({"--max-sentence-words", "25"}).thresholds.maxSentenceWords->words, 25);
    EXPECT_EQ(Parse({"--format", "github"}).format, OutputFormat::Github);
    // The exit codes are documented where users look first.
    const std::string help = CliHelpText();
    EXPECT_NE(help.find("4 some document missed a threshold"), std::string::npos);
    EXPECT_NE(help.find(".quillory.toml"), std::string::npos);
}

// Options as most command lines take them: "=" values, "--" before a path that
// looks like an option, and the last of an option given twice.
TEST(CliOptionsTest, CommonForms) {
    const CliOptions options =
        Parse({"--max-grade=12", "--scenario=Blog Post", "--", "-odd-name.md", "--check"});
    ASSERT_EQ(options.action, CliAction::Analyse) << options.usageError;
    EXPECT_EQ(options.thresholds.maxGrade, 12);
    EXPECT_EQ(options.scenario, 4);
    EXPECT_FALSE(options.check);
    EXPECT_EQ(options.paths, (std::vector<std::string>{"-odd-name.md", "--check"}));
    EXPECT_EQ(Parse({"--variant", "uk", "--variant=us"}).variant, EnglishVariant::Us);
    EXPECT_EQ(Parse({"--min-ease", "-5"}).thresholds.minEase, -5);

    EXPECT_EQ(Parse({"--bogus"}).usageError, "unknown option '--bogus' (see --help)");
    EXPECT_EQ(Parse({"a.md", "--variant"}).usageError,
              "option --variant needs a value (see --help)");
    EXPECT_EQ(Parse({"--format=xml"}).usageError, "invalid value 'xml' for --format (see --help)");
    // "=" with nothing after it never takes the next word as the value (a file
    // to write over), and a flag takes no value.
    EXPECT_EQ(Parse({"--sarif=", "README.md"}).usageError,
              "invalid value '' for --sarif (see --help)");
    EXPECT_EQ(Parse({"--length-limit=false"}).usageError,
              "option --length-limit takes no value (see --help)");
    EXPECT_EQ(Parse({"--", "--sarif="}).paths, std::vector<std::string>{"--sarif="});
    // The first mistake is the one told.
    EXPECT_EQ(Parse({"--per", "page", "--format", "xml"}).usageError,
              "invalid value 'page' for --per (see --help)");
}

TEST(CliOptionsTest, UsageErrors) {
    for (const std::vector<std::string_view>& arguments :
         std::vector<std::vector<std::string_view>>{{"--bogus"},
                                                    {"--variant"},
                                                    {"--variant", "US"},
                                                    {"--scenario", "7"},
                                                    {"--scenario", "blog post"},
                                                    {"--scenario", "04"},
                                                    {"--format", "xml"},
                                                    {"--input", "md"},
                                                    {"--max-grade", "12x"},
                                                    {"--max-grade", "nan"},
                                                    {"--min-ease", ""},
                                                    {"--max-sentence-words", "0"},
                                                    {"--max-sentence-words", "Scenario"}}) {
        const CliOptions options = Parse(arguments);
        EXPECT_EQ(options.action, CliAction::UsageError) << arguments.back();
        EXPECT_NE(options.usageError, "");
        EXPECT_EQ(options.usageError.find('\n'), std::string::npos);
    }
}

}  // namespace
