#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>

#include <string>

#include "documents/TextAnalysis.h"
#include "engine/Utf8.h"
#include "product/Product.h"
#include "tests/cli/RunCli.h"
#include "testsupport/TemporaryFolder.h"

namespace {

const std::string kSample =
    "Clear writing helps every reader. Short sentences carry one idea each.\n"
    "Long and winding sentences, full of clauses, tire the reader quickly.\n";

const std::string kTooLong =
    "quillory-cli: The input text exceeds the maximum allowed length of 32768 characters.\n";

class CliEndToEndTest : public testing::Test {
  protected:
    // The quoted path of a new file holding the bytes.
    std::string Input(const std::string& bytes) {
        const std::string path = dir_ / ("input" + std::to_string(inputCount_++));
        WriteFile(path, bytes);
        return Quote(path);
    }

    CliRun Run(const std::string& arguments, const std::string& outTarget = "") {
        return RunCli(dir_.Path(), arguments, outTarget);
    }

    const TemporaryFolder dir_;
    int inputCount_ = 0;
};

// The formats' agreement with the library is ReadingRule_test's; here, the table.
TEST_F(CliEndToEndTest, TextTableAndEachWayOfNamingTheSameInput) {
    const TextAnalysis analysis = AnalyseText(DecodeUtf8(kSample).text, EnglishVariant::Us, 0);
    const std::string sample = Input(kSample);
    const CliRun text = Run(sample);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find(EncodeUtf8(analysis.summary) + "\n"), std::string::npos);
    EXPECT_NE(text.out.find(EncodeUtf8(analysis.rows[8].label)), std::string::npos);

    // Stdin, "-", a leading BOM and the scenario's name give the same object.
    const CliRun json = Run("--format json " + sample);
    EXPECT_EQ(json.out.rfind("{\"variant\":\"us\",", 0), 0U);
    EXPECT_EQ(Run("--format json < " + sample).out, json.out);
    EXPECT_EQ(Run("--format json - < " + sample).out, json.out);
    EXPECT_EQ(Run("--format json " + Input("\xEF\xBB\xBF" + kSample)).out, json.out);
    const CliRun blogPost = Run("--format json --scenario 4 " + sample);
    EXPECT_EQ(Run("--format json --scenario 'Blog Post' " + sample).out, blogPost.out);
    EXPECT_NE(blogPost.out, json.out);
}

TEST_F(CliEndToEndTest, SentenceOffsetsIndexTheInputAfterItsBom) {
    const std::string body =
        "Caf\xC3\xA9 au lait, s'il vous pla\xC3\xAEt. \xF0\x9F\x98\x80 Fine!\r\n"
        "The colour\rfaded. Last one";
    const CliRun run = Run("--format sentences --variant us " + Input("\xEF\xBB\xBF" + body));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const std::u16string text = DecodeUtf8(body).text;
    const auto json = nlohmann::json::parse(run.out);
    std::u16string pieces;
    for (const auto& sentence : json["sentences"]) {
        const auto start = sentence["start"].get<std::size_t>();
        const auto end = sentence["end"].get<std::size_t>();
        ASSERT_LE(end, text.size());
        pieces += text.substr(start, end - start) + u"|";
    }
    EXPECT_EQ(pieces,
              u"Caf\u00E9 au lait, s'il vous pla\u00EEt. |\U0001F600 Fine!\r\n|The colour\rfaded. |"
              u"Last one|");

    // Refused as the json format refuses it.
    const std::string blank = Input("\xEF\xBB\xBF");
    const CliRun empty = Run("--format sentences " + blank);
    const CliRun emptyJson = Run("--format json " + blank);
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.exitCode, emptyJson.exitCode);
    EXPECT_EQ(empty.out + empty.err, emptyJson.out + emptyJson.err);
}

TEST_F(CliEndToEndTest, MarkdownSentencesPointIntoTheFileAsWritten) {
    const std::string page =
        "# T\xC3\xADtulo\r\n\r\nSee [the *guide*](https://x.org) now. `x` Then go.\r\n";
    const CliRun run = Run("--input markdown --format sentences " + Input(page));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::u16string source = DecodeUtf8(page).text;
    std::u16string pieces;
    std::string places;
    const auto json = nlohmann::json::parse(run.out);
    for (const auto& sentence : json["sentences"]) {
        const auto start = sentence["start"].get<std::size_t>();
        pieces += source.substr(start, sentence["end"].get<std::size_t>() - start) + u"|";
        places += std::to_string(sentence["line"].get<int>()) + ":" +
                  std::to_string(sentence["column"].get<int>()) + " ";
    }
    // The heading is a sentence of its own; the inline code is a word of the
    // sentence it opens, backticks and all.
    EXPECT_EQ(pieces, u"T\u00EDtulo\r\n\r\n|See [the *guide*](https://x.org) now. |`x` Then go.|");
    EXPECT_EQ(places, "1:3 3:1 3:39 ");
    // Only the prose is counted.
    EXPECT_EQ(nlohmann::json::parse(
                  Run("--input markdown --format json " + Input(page)).out)["wordCount"],
              8);
}

TEST_F(CliEndToEndTest, ExportKeepsLineEndsExactly) {
    const CliRun run = Run("--format export --variant uk " + Input("One two three.\r\nFour five."));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\nText: One two three.\r\nFour five....\r\n\nWord Count: "),
              std::string::npos);

    const CliRun blanks = Run("--format export " + Input("    "));
    EXPECT_EQ(blanks.exitCode, 1);
    EXPECT_EQ(blanks.out + blanks.err,
              "quillory-cli: Please enter text before attempting to export anything.\n");
}

TEST_F(CliEndToEndTest, RefusedInputs) {
    const CliRun invalid =
        Run(Input("ab\xFF"
                  "cd"));
    EXPECT_EQ(invalid.exitCode, 2);
    EXPECT_EQ(invalid.out, "");
    EXPECT_NE(invalid.err.find("offset 2"), std::string::npos);
    // The offset counts the input's bytes, the BOM's included.
    EXPECT_NE(Run(Input("\xEF\xBB\xBF"
                        "ab\xC0\xAF"))
                  .err.find("offset 5"),
              std::string::npos);

    for (const std::string input : {"", "\xEF\xBB\xBF", "///&&\"/"}) {
        const CliRun run = Run(Input(input));
        EXPECT_EQ(run.exitCode, 1) << input;
        EXPECT_EQ(run.out, "");
    }

    // Any length is read unless the window's limit is asked for.
    EXPECT_EQ(Run(Input(std::string(32769, 'a'))).exitCode, 0);
    EXPECT_EQ(Run("--length-limit " + Input(std::string(32768, 'a'))).exitCode, 0);
    const CliRun overLimit = Run("--length-limit " + Input(std::string(32769, 'a')));
    EXPECT_EQ(overLimit.exitCode, 3);
    EXPECT_EQ(overLimit.out + overLimit.err, kTooLong);

    // A mebibyte of removed characters is still read; one byte more is not.
    EXPECT_EQ(Run("--length-limit " + Input(std::string(1048576, '/'))).exitCode, 1);
    const CliRun huge = Run("--length-limit < " + Input(std::string(1048577, '/')));
    EXPECT_EQ(huge.exitCode, 3);
    EXPECT_EQ(huge.err, kTooLong);
}

// Nothing endless or enormous is read past the ceiling, whatever else the run is given.
TEST_F(CliEndToEndTest, InputsEndAtTheDocumentCeiling) {
    const CliRun device = Run("/dev/zero");
    EXPECT_EQ(device.exitCode, 3);
    EXPECT_EQ(device.err, "quillory-cli: /dev/zero: longer than 64 MiB\n");
    const CliRun stream = Run("--format json < /dev/zero");
    EXPECT_EQ(stream.exitCode, 3);
    EXPECT_EQ(stream.err, "quillory-cli: standard input: longer than 64 MiB\n");

    const std::string sparse = dir_ / "huge.txt";
    WriteFile(sparse, "");
    std::filesystem::resize_file(sparse, (std::size_t{64} << 20) + 1);
    WriteFile(dir_ / "good.txt", kSample);
    const CliRun check = Run("--check good.txt missing.txt huge.txt");
    EXPECT_EQ(check.exitCode, 3) << check.out << check.err;
    EXPECT_NE(check.out.find("huge.txt: not checked: longer than 64 MiB\n"), std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find("good.txt: 22 words"), std::string::npos) << check.out;
}

TEST_F(CliEndToEndTest, UsageAndOutputErrors) {
    const std::string sample = Input(kSample);
    for (const std::string arguments : {"--bogus", "--scenario 9", "--max-grade"}) {
        const CliRun run = Run(sample + " " + arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("quillory-cli: ", 0), 0U);
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    }
    const CliRun missing = Run(Quote(dir_ / "missing file.txt"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("missing file.txt"), std::string::npos);
    EXPECT_EQ(Run("''").exitCode, 2);
    EXPECT_EQ(Run("--version").out, "quillory-cli " + std::string(kVersionUtf8) + "\n");

    // A current folder that is gone holds no configuration, and stops nothing.
    const std::string gone = Quote(dir_ / "gone");
    const std::string command = "mkdir " + gone + " && cd " + gone + " && rmdir " + gone +
                                " && echo 'Words here.' | " + Quote(QUILLORY_CLI_PATH) +
                                " > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);

    const CliRun full = Run("--format report " + sample, "/dev/full");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err.rfind("quillory-cli: cannot write", 0), 0U);
}

}  // namespace
