#include "documents/DocumentConfig.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "documents/InputBytes.h"
#include "testsupport/TemporaryFolder.h"

namespace {

TEST(DocumentConfigTest, ReadsEveryKey) {
    const DocumentConfigResult full = ParseDocumentConfig(R"(variant = "uk"
scenario = "Blog Post"
max-grade = 9
min-ease = 55.5
min-score = -70
max-sentence-words = 25
length-limit = false
include = ["docs/**/*.md", "README.md"]
exclude = []
)",
                                                          "q.toml");
    ASSERT_EQ(full.error, "");
    const DocumentConfig& c = full.config;
    EXPECT_EQ(c.variant, EnglishVariant::Uk);
    EXPECT_EQ(c.scenario, 4);
    EXPECT_EQ(c.maxGrade, 9.0);
    EXPECT_EQ(c.minEase, 55.5);
    EXPECT_EQ(c.minScore, -70.0);
    ASSERT_TRUE(c.maxSentenceWords && !c.maxSentenceWords->scenarioAim);
    EXPECT_EQ(c.maxSentenceWords->words, 25);
    EXPECT_EQ(c.lengthLimit, false);
    EXPECT_EQ(c.include, (std::vector<std::string>{"docs/**/*.md", "README.md"}));

    const DocumentConfig other =
        ParseDocumentConfig("scenario = 6\nmax-sentence-words = \"scenario\"", "q").config;
    EXPECT_EQ(other.scenario, 6);
    EXPECT_TRUE(other.maxSentenceWords && other.maxSentenceWords->scenarioAim);
    EXPECT_FALSE(other.variant || other.maxGrade || other.lengthLimit);
    // As the editor's settings and the command line take it.
    EXPECT_EQ(ParseDocumentConfig("max-sentence-words = \"12\"", "q").config.maxSentenceWords,
              (SentenceWordLimit{.scenarioAim = false, .words = 12}));
}

struct ErrorCase {
    std::string_view toml;
    std::string_view error;
};

TEST(DocumentConfigTest, ErrorsNameFileLineAndKey) {
    constexpr ErrorCase kExact[] = {
        {"\nvariant = 1", "q.toml:2: key 'variant': expected \"us\" or \"uk\""},
        {"colour = \"red\"", "q.toml:1: key 'colour': not a known setting"},
        {"a = 1\nb = \n",
         "q.toml:2: Error while parsing key-value pair: expected value, saw '\\n'"},
        {"scenario = 7", "q.toml:1: key 'scenario': expected a scenario's number 0-6 or its name"},
        {"max-sentence-words = 0",
         "q.toml:1: key 'max-sentence-words': expected a number of words (1 or more) or "
         "\"scenario\""},
    };
    for (const ErrorCase& c : kExact) {
        EXPECT_EQ(ParseDocumentConfig(c.toml, "q.toml").error, c.error);
    }
    constexpr ErrorCase kPrefix[] = {
        {"x = 1\nx = 2", "q.toml:2: "},
        {"scenario = 2.0", "q.toml:1: key 'scenario': "},
        {"min-score = nan", "q.toml:1: key 'min-score': "},
        {"max-sentence-words = 3000000000", "q.toml:1: key 'max-sentence-words': "},
        {"exclude = [\n  \"a\",\n  3,\n]", "q.toml:3: key 'exclude': "},
        {"zeta = 1\nalpha = 2", "q.toml:1: key 'zeta': "},  // earliest line, not first key
        {"\"a\\nb\" = 1", "q.toml:1: key 'a b': "},
    };
    for (const ErrorCase& c : kPrefix) {
        EXPECT_TRUE(ParseDocumentConfig(c.toml, "q.toml").error.starts_with(c.error)) << c.toml;
    }
    // A bad file must not half-apply.
    EXPECT_FALSE(ParseDocumentConfig("variant = \"uk\"\nscenario = 9", "q.toml").config.variant);
}

TEST(DocumentConfigTest, ReadsAFileOrSaysInOneLineWhyNot) {
    const TemporaryFolder folder;
    WriteFile(folder / "good.toml", "variant = \"uk\"");
    WriteFile(folder / "bad.toml", "variant = 1");
    WriteFile(folder / "big.toml", std::string(kMaxInputBytes + 1, '#'));

    const DocumentConfigResult good = ReadDocumentConfig(folder / "good.toml");
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.config.variant, EnglishVariant::Uk);
    EXPECT_EQ(ReadDocumentConfig(folder / "bad.toml").error,
              folder / "bad.toml" + ":1: key 'variant': expected \"us\" or \"uk\"");
    EXPECT_EQ(ReadDocumentConfig(folder / "big.toml").error, folder / "big.toml" + ": too large");
    EXPECT_TRUE(ReadDocumentConfig(folder / "gone.toml")
                    .error.starts_with("cannot open '" + folder / "gone.toml" + "': "));
}

TEST(DocumentConfigTest, FindsTheNearestFile) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("quillory-test-" + std::to_string(getpid()));
    struct Cleanup {
        fs::path path;
        ~Cleanup() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } cleanup{root};
    fs::create_directories(root / "a/.quillory.toml");  // a folder of that name does not count
    fs::create_directories(root / "a/b/c/d");
    std::ofstream(root / ".quillory.toml") << "";
    std::ofstream(root / "a/b/c/.quillory.toml") << "";

    EXPECT_EQ(FindDocumentConfig(root / "a/b/c/d"), root / "a/b/c/.quillory.toml");
    EXPECT_EQ(FindDocumentConfig(root / "a/b"), root / ".quillory.toml");
    EXPECT_EQ(FindDocumentConfig(root / "a/b/c/d/../../x/.."), root / ".quillory.toml");
}

}  // namespace
