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

const std::string kLong =
    "Notwithstanding considerable organisational complexity, administrators must evaluate "
    "infrastructural interdependencies.";
const std::string kLonger =
    "Every team that writes documentation eventually finds that long sentences slow readers "
    "down.";

const std::string kGuide = "# Guide\n\nShort words help. " + kLong +
                           "\n\n## Details\n\nWe keep it plain. " + kLonger + " " + kLonger + "\n";

constexpr const char* kCheck = "--max-sentence-words 10 --per section --max-grade 9 ";

class BaselineTest : public testing::Test {
  protected:
    BaselineTest() {
        std::filesystem::create_directories(dir_ / "docs");
        WriteFile(dir_ / "docs/guide.md", kGuide);
        WriteFile(dir_ / "docs/notes.txt", "Plain. " + kLonger + "\n");
    }

    CliRun Run(const std::string& arguments) { return RunCli(dir_.Path(), arguments); }
    CliRun Check(const std::string& format = "text") {
        return Run(std::string(kCheck) + "--baseline base.json --format " + format + " docs");
    }
    std::string Baseline() const { return ReadFile(dir_ / "base.json"); }

    const TemporaryFolder dir_;
};

TEST_F(BaselineTest, WrittenOnceThenOnlyNewFindingsFail) {
    const CliRun written = Run(std::string(kCheck) + "--write-baseline base.json docs");
    EXPECT_EQ(written.exitCode, 0) << written.err;
    const Json file = Json::parse(Baseline());
    EXPECT_EQ(file["version"], 1);
    // Two sections and a plain document, three hard sentences, three long ones.
    ASSERT_EQ(file["findings"].size(), 9U) << Baseline();

    // The same bytes however the paths are named and ordered.
    const std::string first = Baseline();
    EXPECT_EQ(
        Run(std::string(kCheck) + "--write-baseline base.json docs/notes.txt ./docs//guide.md " +
            Quote(dir_ / "docs/guide.md"))
            .exitCode,
        0);
    // (the guide named twice: its findings twice, sorted together)
    EXPECT_EQ(
        Run(std::string(kCheck) + "--write-baseline base.json " + Quote(dir_ / "docs")).exitCode,
        0);
    EXPECT_EQ(Baseline(), first);

    const CliRun clean = Check();
    EXPECT_EQ(clean.exitCode, 0) << clean.out;
    EXPECT_EQ(Lines(clean.out).back(),
              "2 documents, 58 words: 2 passed, 0 missed a threshold, 9 baselined");
    EXPECT_EQ(Check("github").out,
              "::notice title=quillory-cli::2 documents checked: 0 findings, 9 baselined, 0 "
              "gone\n");

    // An edit elsewhere and a moved paragraph keep every finding matched.
    WriteFile(dir_ / "docs/guide.md", "Intro line.\n\n# Guide\n\nShort words help.\n" + kLong +
                                          "\n\n## Details\n\n" + kLonger +
                                          "\n\nWe keep it plain. " + kLonger + "\n");
    EXPECT_EQ(Check().exitCode, 0) << Check().out;

    // An edited sentence is new; the one it replaced is gone, and so are the
    // findings of the document's grade, which now meets the maximum.
    WriteFile(dir_ / "docs/notes.txt",
              "Plain. Every team that writes docs eventually finds that long "
              "sentences slow readers down.\n");
    const CliRun edited = Check();
    EXPECT_EQ(edited.exitCode, 4);
    const std::vector<std::string> lines = Lines(edited.out);
    ASSERT_EQ(lines.size(), 4U) << edited.out;
    EXPECT_EQ(lines[2].rfind("docs/notes.txt:1:8: 13 words", 0), 0U) << lines[2];

    const Json sarif = Json::parse(Check("sarif").out);
    EXPECT_EQ(SarifSchemaProblems(sarif), std::vector<std::string>{});
    std::vector<std::string> states;
    for (const Json& result : sarif["runs"][0]["results"]) {
        states.push_back(result["baselineState"]);
        EXPECT_TRUE(result["partialFingerprints"]["quillory/v1"].is_string());
    }
    std::vector<std::string> expected(6, "unchanged");
    expected.emplace_back("new");
    expected.insert(expected.end(), 3, "absent");
    EXPECT_EQ(states, expected);
    const std::vector<std::string> github = Lines(Check("github").out);
    ASSERT_EQ(github.size(), 2U);
    EXPECT_EQ(github[0].rfind("::warning file=docs/notes.txt,line=1,col=8,", 0), 0U) << github[0];
    EXPECT_EQ(github[1],
              "::notice title=quillory-cli::2 documents checked: 1 finding, 6 baselined, 3 gone");
}

TEST_F(BaselineTest, RepeatedSentencesAndSectionsRatchet) {
    ASSERT_EQ(Run(std::string(kCheck) + "--write-baseline base.json docs").exitCode, 0);
    // A third copy of a sentence the section holds twice is new.
    WriteFile(dir_ / "docs/guide.md", kGuide + kLonger + "\n");
    const CliRun third = Check("json");
    EXPECT_EQ(third.exitCode, 4);
    const std::vector<Json> lines = JsonLines(third.out);
    for (const Json& finding : lines.at(0)["findings"]) {
        // The third copy is too long anew; the first two are not. (The sections
        // got worse, and rewriting one copy no longer brings "Details" within.)
        if (finding["rule"] == "max-sentence-words") {
            EXPECT_NE(finding["line"], 7) << finding;
        }
    }

    // A section's figure may get better but not worse.
    WriteFile(dir_ / "docs/guide.md", kGuide + "\nShort words. Plain words.\n");
    EXPECT_EQ(Check().exitCode, 0) << Check().out;
    WriteFile(dir_ / "docs/guide.md",
              kGuide +
                  "\nIncomprehensibility notwithstanding, institutionalisation "
                  "proceeds.\n");
    const CliRun worse = Check();
    EXPECT_EQ(worse.exitCode, 4);
    EXPECT_NE(worse.out.find("docs/guide.md:5:4: section \u201CDetails\u201D: grade "),
              std::string::npos)
        << worse.out;

    // A document emptied ends all the baseline held for it.
    WriteFile(dir_ / "docs/notes.txt", "");
    int absent = 0;
    const Json log = Json::parse(Check("sarif").out);
    for (const Json& result : log["runs"][0]["results"]) {
        const Json& uri = result["locations"][0]["physicalLocation"]["artifactLocation"]["uri"];
        absent += uri == "docs/notes.txt" && result["baselineState"] == "absent" ? 1 : 0;
    }
    EXPECT_EQ(absent, 3);
}

TEST_F(BaselineTest, BadBaselinesAreErrorsNeverEmpty) {
    const CliRun missing = Check();
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("cannot read the baseline"), std::string::npos) << missing.err;
    for (const std::string bad :
         {"not json", "[]", R"({"version":1,"findings":[{"path":"a"}]})",
          R"({"version":9,"findings":[]})", R"({"version":"1","findings":[]})",
          R"({"version":1.5,"findings":[]})", R"({"version":null,"findings":[]})",
          R"({"version":1,"findings":[{"path":"a","rule":"bogus","fingerprint":"x"}]})"}) {
        WriteFile(dir_ / "base.json", bad);
        const CliRun run = Check();
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_EQ(run.err.rfind("quillory-cli: baseline base.json: ", 0), 0U) << run.err;
    }

    // A run that could not read every document leaves the old baseline as it was.
    WriteFile(dir_ / "base.json", "kept");
    WriteFile(dir_ / "docs/broken.md", "ab\xFF");
    const CliRun unread = Run(std::string(kCheck) + "--write-baseline base.json docs");
    EXPECT_EQ(unread.exitCode, 2);
    EXPECT_NE(unread.err.find("baseline not written"), std::string::npos);
    EXPECT_EQ(Baseline(), "kept");
    EXPECT_EQ(Run("--write-baseline nowhere/base.json docs/notes.txt").exitCode, 2);
    // Without a threshold nothing is accepted, which is said.
    const CliRun bare = Run("--write-baseline empty.json docs/notes.txt");
    EXPECT_EQ(bare.exitCode, 0);
    EXPECT_NE(bare.err.find("accepts no finding"), std::string::npos) << bare.err;
    EXPECT_EQ(Json::parse(ReadFile(dir_ / "empty.json"))["findings"], Json::array());
}

int CountStates(const Json& log, const std::string& state) {
    int count = 0;
    for (const Json& result : log["runs"][0]["results"]) {
        count += result["baselineState"] == state ? 1 : 0;
    }
    return count;
}

TEST_F(BaselineTest, HoldsFromAnyFolderAndThroughMoves) {
    ASSERT_EQ(Run(std::string(kCheck) + "--write-baseline base.json docs").exitCode, 0);
    const std::string written = Baseline();
    const std::string sub = dir_ / "docs";
    const auto checkIn = [&](const std::string& folder, const std::string& paths) {
        return RunCli(
            folder, std::string(kCheck) + "--baseline " + Quote(dir_ / "base.json") + " " + paths);
    };
    // Written from the subfolder, its paths are still relative to the file's folder.
    EXPECT_EQ(RunCli(sub, std::string(kCheck) + "--write-baseline ../base.json .").exitCode, 0);
    EXPECT_EQ(Baseline(), written);
    const CliRun fromSub = RunCli(sub, std::string(kCheck) + "--baseline ../base.json .");
    EXPECT_EQ(fromSub.exitCode, 0) << fromSub.out;
    EXPECT_TRUE(Lines(fromSub.out).back().ends_with(", 9 baselined")) << fromSub.out;

    // Moved and renamed, it keeps what was accepted, its figures' ratchets too.
    std::filesystem::create_directories(dir_ / "docs/moved");
    std::filesystem::rename(dir_ / "docs/guide.md", dir_ / "docs/moved/renamed.md");
    const CliRun moved = checkIn(sub, ".");
    EXPECT_EQ(moved.exitCode, 0) << moved.out;
    EXPECT_TRUE(Lines(moved.out).back().ends_with(", 9 baselined")) << moved.out;

    // Deleted, its findings are gone: said in the totals and as absent in SARIF,
    // but only where the run looks.
    std::filesystem::remove(dir_ / "docs/moved/renamed.md");
    const CliRun deleted = checkIn(sub, ".");
    EXPECT_EQ(deleted.exitCode, 0);
    EXPECT_TRUE(Lines(deleted.out).back().ends_with(", 3 baselined, 6 gone")) << deleted.out;
    const Json log = Json::parse(checkIn(dir_.Path(), "--format sarif docs").out);
    EXPECT_EQ(SarifSchemaProblems(log), std::vector<std::string>{});
    EXPECT_EQ(CountStates(log, "absent"), 6);
    EXPECT_EQ(log["runs"][0]["results"]
                  .back()["locations"][0]["physicalLocation"]["artifactLocation"]["uri"],
              "docs/guide.md");
    EXPECT_TRUE(Lines(checkIn(sub, "notes.txt").out).back().ends_with(", 3 baselined"));

    // A baseline cannot name what is outside its folder, nor be written so.
    WriteFile(
        dir_ / "docs/inner.json",
        R"({"version":1,"findings":[{"path":"../x.md","rule":"max-grade","fingerprint":"document"}]})");
    const CliRun outside = checkIn(sub, "--baseline inner.json .");
    EXPECT_EQ(outside.exitCode, 2);
    EXPECT_EQ(outside.err,
              "quillory-cli: baseline inner.json: the path \"../x.md\" is outside the "
              "baseline's folder\n");
    WriteFile(dir_ / "README", "Plain. " + kLonger + "\n");
    const CliRun across =
        RunCli(sub, std::string(kCheck) + "--write-baseline inner.json ../README");
    EXPECT_EQ(across.exitCode, 2);
    EXPECT_NE(across.err.find("baseline not written: ../README is outside"), std::string::npos)
        << across.err;
}

TEST_F(BaselineTest, APastedCopyIsTheNewFindingNotTheOriginal) {
    constexpr const char* kWords = "--max-sentence-words 10 ";
    ASSERT_EQ(Run(std::string(kWords) + "--write-baseline base.json docs").exitCode, 0);
    // Pasted above the originals, in a paragraph of its own.
    WriteFile(dir_ / "docs/guide.md", kLonger + "\n\n" + kGuide);
    const CliRun pasted = Run(std::string(kWords) + "--baseline base.json --format json docs");
    EXPECT_EQ(pasted.exitCode, 4);
    const Json findings = JsonLines(pasted.out).at(0)["findings"];
    ASSERT_EQ(findings.size(), 1U) << findings;
    EXPECT_EQ(findings[0]["line"], 1);

    // Pasted into the run of copies the section already holds, the last is new.
    WriteFile(dir_ / "docs/guide.md", kGuide + kLonger + "\n");
    const Json third =
        JsonLines(Run(std::string(kWords) + "--baseline base.json --format json docs").out)
            .at(0)["findings"];
    ASSERT_EQ(third.size(), 1U);
    EXPECT_EQ(third[0]["line"], 8);
}

TEST_F(BaselineTest, BaselinesWrittenBeforeNeighboursStillMatch) {
    WriteFile(dir_ / "docs/notes.txt", "Plain. " + kLonger + " " + kLonger + "\n");
    WriteFile(dir_ / "base.json", R"({
  "version": 1,
  "findings": [
    {"path":"docs/notes.txt","rule":"max-grade","fingerprint":"document","figure":11.08},
    {"path":"docs/notes.txt","rule":"max-grade","fingerprint":"sentence:f7819cfe2dece883:1"},
    {"path":"docs/notes.txt","rule":"max-grade","fingerprint":"sentence:f7819cfe2dece883:2"},
    {"path":"docs/notes.txt","rule":"max-sentence-words","fingerprint":"sentence:f7819cfe2dece883:1"},
    {"path":"docs/notes.txt","rule":"max-sentence-words","fingerprint":"sentence:f7819cfe2dece883:2"}
  ]
}
)");
    const std::string check = "--max-sentence-words 10 --max-grade 9 --baseline base.json ";
    const CliRun same = Run(check + "docs/notes.txt");
    EXPECT_EQ(same.exitCode, 0) << same.out;
    EXPECT_EQ(Lines(same.out).back(),
              "1 document, 27 words: 1 passed, 0 missed a threshold, 5 baselined");
    // Without neighbours, the copies are taken in their order: the third is new
    // (and the document's grade, now worse).
    WriteFile(dir_ / "docs/notes.txt", "Plain. " + kLonger + " " + kLonger + " " + kLonger + "\n");
    const Json findings =
        JsonLines(Run(check + "--format json docs/notes.txt").out).at(0)["findings"];
    ASSERT_EQ(findings.size(), 3U) << findings;
    EXPECT_EQ(findings[0]["endLine"], nullptr);
    EXPECT_EQ(findings[1]["column"], 194);
    EXPECT_EQ(findings[2]["column"], 194);
}

}  // namespace
