#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

CliOptions Parse(std::vector<std::string_view> arguments) {
    return ParseCliOptions(arguments);
}

TEST(CliOptionsTest, DefaultsAndValues) {
    const CliOptions defaults = Parse({});
    EXPECT_EQ(defaults.format, OutputFormat::Text);
    EXPECT_EQ(defaults.path, "-");

    const CliOptions all = Parse({"--variant", "uk", "--scenario", "6", "--format", "export", "a"});
    EXPECT_EQ(all.action, CliAction::Analyse);
    EXPECT_EQ(all.variant, EnglishVariant::Uk);
    EXPECT_EQ(all.scenario, 6);
    EXPECT_EQ(all.format, OutputFormat::Export);
    EXPECT_EQ(all.path, "a");

    EXPECT_EQ(Parse({"--scenario", "Blog Post"}).scenario, 4);
    EXPECT_EQ(Parse({"--help"}).action, CliAction::ShowHelp);
    EXPECT_EQ(Parse({"a.txt", "--version"}).action, CliAction::ShowVersion);
}

TEST(CliOptionsTest, SentencesFormatIsListed) {
    EXPECT_EQ(Parse({"--format", "sentences"}).format, OutputFormat::Sentences);
    EXPECT_NE(kCliUsageLine.find("|sentences]"), std::string_view::npos);
    EXPECT_NE(CliHelpText().find("  sentences: "), std::string::npos);
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
                                                    {"a.txt", "b.txt"},
                                                    {"-", "a.txt"}}) {
        const CliOptions options = Parse(arguments);
        EXPECT_EQ(options.action, CliAction::UsageError) << arguments.back();
        EXPECT_NE(options.usageError, "");
        EXPECT_EQ(options.usageError.find('\n'), std::string::npos);
    }
}

}  // namespace
