#include "shell/Draft.h"

#include <string>
#include <utility>
#include <vector>

#include "documents/DocumentAnalysis.h"
#include "documents/SourceDocument.h"
#include "engine/InputValidation.h"
#include "engine/Utf8.h"
#include "shell/ControlNumbers.h"
#include "shell/FileDrop.h"
#include "shell/ResultsArea.h"
#include "tests/shell/ShellTestSupport.h"
#include "testsupport/SampleText.h"

namespace {

using MarkdownDraftTest = ShellTest;

constexpr int kBlogPost = 1;

// Front matter, a heading without a full stop (and with an emoji), a long sentence, code and a
// link's address: all but the prose is left out when read as Markdown.
const std::u16string kDraft =
    u"---\r\ntitle: A draft\r\n---\r\n# Getting started 🌱\r\n\r\n" + SentenceOfWords(30) +
    u" Then more.\r\n\r\n```\r\nint main() { return 0; } // code here\r\n"
    u"```\r\n\r\nSee [the guide](https://example.com/a/b/c) for more.\r\n";

// What quillory-cli reads in the file: its prose, its figures, its marks.
struct CliReading {
    ProseDocument prose;
    TextAnalysis analysis;
    std::vector<SeenMark> marks;
};

CliReading ReadAsCliDoes(const std::u16string& text, int scenario) {
    CliReading reading;
    reading.prose = ProseOf(text, SourceKind::Markdown);
    ProseSettings settings;
    settings.scenario = scenario;
    DocumentAnalysis analysed =
        AnalyseDocument(reading.prose, settings, {.fullAnalysis = true, .sentences = true});
    reading.analysis = std::move(analysed.analysis);
    for (const ProseSentence& sentence : analysed.sentences) {
        if (sentence.impact.level != SentenceLevel::None) {
            reading.marks.push_back({sentence.wordsStart, sentence.wordsEnd,
                                     sentence.impact.level == SentenceLevel::VeryLong
                                         ? platform::MarkLevel::VeryLong
                                         : platform::MarkLevel::Long});
        }
    }
    return reading;
}

void OpenForBlogPosts() {
    StartAndOpenWindow();
    recording::SelectItem(kScenarioDropDown, kBlogPost);
    RunPendingEvents();
}

TEST_F(MarkdownDraftTest, ReadAsMarkdownShowsTheCliFiguresAndMarksOnTheWordsAsWritten) {
    OpenForBlogPosts();
    EXPECT_FALSE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
    ChooseAndRun(kReadAsMarkdownItem);
    EXPECT_TRUE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
    EXPECT_EQ(recording::StoredPreference("ReadAsMarkdown"), u"1");

    TypeAt(20000, kDraft);
    RunTrailingPass();
    const CliReading cli = ReadAsCliDoes(kDraft, kBlogPost);
    ExpectRowsShow(cli.analysis.job);
    EXPECT_EQ(TextOf(kSummaryLine), cli.analysis.summary + std::u16string(kReadAsMarkdownNote));
    ASSERT_EQ(EditorMarks(), cli.marks);
    ASSERT_EQ(cli.marks.size(), 1u);
    EXPECT_EQ(kDraft.substr(cli.marks[0].start, cli.marks[0].end - cli.marks[0].start),
              SentenceOfWords(30));

    // Marking again from the menu lands on the same words.
    ChooseAndRun(kHighlightItem);
    EXPECT_TRUE(EditorMarks().empty());
    ChooseAndRun(kHighlightItem);
    EXPECT_EQ(EditorMarks(), cli.marks);

    // The export is the one quillory-cli writes for the file.
    recording::AnswerSavePanels("/home/writer/analysis.txt");
    ClickAndRun(kExportButton);
    EXPECT_EQ(recording::WrittenFile("/home/writer/analysis.txt"),
              EncodeUtf8(cli.analysis.exportDocument));

    // The editor keeps the text as typed, and so does the store.
    EXPECT_EQ(TextOf(kEditor), kDraft);
    EXPECT_EQ(recording::StoredPreference("AnalyzeText"), kDraft);
}

TEST_F(MarkdownDraftTest, TurningItOffOrOnReadsTheTextAgainAtOnce) {
    OpenForBlogPosts();
    TypeAt(20000, kDraft);
    RunTrailingPass();
    const std::u16string plainSummary = TextOf(kSummaryLine);
    EXPECT_EQ(plainSummary.find(kReadAsMarkdownNote), std::u16string::npos);

    ChooseAndRun(kReadAsMarkdownItem);
    ExpectRowsShow(ReadAsCliDoes(kDraft, kBlogPost).analysis.job);
    EXPECT_NE(TextOf(kSummaryLine).find(kReadAsMarkdownNote), std::u16string::npos);

    ChooseAndRun(kReadAsMarkdownItem);
    ExpectRowsShow(
        Analysed(kDraft, EnglishVariant::Us, RatesForScenario(kBlogPost, EnglishVariant::Us)));
    EXPECT_EQ(TextOf(kSummaryLine), plainSummary);
    EXPECT_EQ(recording::StoredPreference("ReadAsMarkdown"), u"0");
}

TEST_F(MarkdownDraftTest, ADraftOfCodeAloneShowsNoFiguresAndKeepsItsText) {
    recording::StorePreference("ReadAsMarkdown", u"1");
    StartAndOpenWindow();
    EXPECT_TRUE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
    const std::u16string code = u"```\nint main() { return 0; }\n```\n";
    TypeAt(20000, code);
    RunTrailingPass();
    EXPECT_EQ(TextOf(kEditor), code);
    const auto* rows = recording::Control(kAutomatedIndexValue);
    EXPECT_TRUE(rows == nullptr || rows->text.empty());
    EXPECT_TRUE(recording::Control(kEditor)->marks.empty());
}

// ---- Files dropped in ----

using FileDropTest = ShellTest;

void DropAndRun(std::vector<std::string> paths) {
    recording::DropFiles(std::move(paths));
    RunPendingEvents();
    RunTrailingPass();
}

void StepAndRun(bool forward) {
    forward ? recording::RedoInEditor() : recording::UndoInEditor();
    RunPendingEvents();
    RunTrailingPass();
}

TEST_F(FileDropTest, UndoAndRedoOverADroppedFileBringBackTheReadingOfEachText) {
    OpenForBlogPosts();
    EXPECT_EQ(recording::DroppableSuffixes(),
              (std::vector<std::string>{".txt", ".md", ".markdown"}));
    TypeAt(20000, kDraft);
    RunTrailingPass();
    const AnalysisJob plain =
        Analysed(kDraft, EnglishVariant::Us, RatesForScenario(kBlogPost, EnglishVariant::Us));
    const std::u16string plainSummary = TextOf(kSummaryLine);

    // The same text as a Markdown file; the byte order mark is not text.
    recording::PutFile("/home/writer/draft.md", "\xEF\xBB\xBF" + EncodeUtf8(kDraft));
    DropAndRun({"/home/writer/draft.md"});
    EXPECT_EQ(TextOf(kEditor), kDraft);
    const CliReading cli = ReadAsCliDoes(kDraft, kBlogPost);
    const auto expectMarkdown = [&] {
        EXPECT_TRUE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
        EXPECT_EQ(recording::StoredPreference("ReadAsMarkdown"), u"1");
        ExpectRowsShow(cli.analysis.job);
        EXPECT_EQ(EditorMarks(), cli.marks);
        EXPECT_TRUE(TextOf(kSummaryLine).ends_with(kReadAsMarkdownNote));
    };
    expectMarkdown();

    StepAndRun(false);
    EXPECT_EQ(TextOf(kEditor), kDraft);
    EXPECT_FALSE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
    EXPECT_EQ(recording::StoredPreference("ReadAsMarkdown"), u"0");
    ExpectRowsShow(plain);
    EXPECT_EQ(TextOf(kSummaryLine), plainSummary);

    StepAndRun(true);
    expectMarkdown();

    // A plain text file over the Markdown: undone, the Markdown reading is back.
    recording::PutFile("/home/writer/notes.txt", "# Not a heading\n");
    DropAndRun({"/home/writer/notes.txt"});
    EXPECT_EQ(TextOf(kEditor), u"# Not a heading\n");
    EXPECT_FALSE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
    StepAndRun(false);
    EXPECT_EQ(TextOf(kEditor), kDraft);
    expectMarkdown();
    EXPECT_TRUE(recording::Alerts().empty());
}

TEST_F(FileDropTest, AFileThatCannotBeTakenChangesNothingAndSaysWhy) {
    OpenForBlogPosts();
    ChooseAndRun(kReadAsMarkdownItem);
    TypeAt(20000, u"Keep this text.");
    RunTrailingPass();
    const auto storedBefore = recording::PreferenceLog().size();
    recording::PutFile("/d/latin1.txt", "caf\xE9 au lait");
    recording::PutFile("/d/big.md", std::string(kMaxDropBytes + 1, 'a'));
    recording::PutFile("/d/long.txt", std::string(kMaxInputLength + 1, 'a'));
    // Its prose is too long, whatever the markup around it.
    recording::PutFile("/d/long.md", "# " + std::string(kMaxInputLength + 1, 'a') + "\n");
    recording::PutFile("/d/empty.md", "");
    recording::PutFile("/d/spec.pdf", "%PDF");
    recording::PutFolder("/d/drafts.md");
    const struct {
        std::vector<std::string> paths;
        std::u16string message;
    } refusals[] = {
        {{"/d/latin1.txt"}, u"“latin1.txt” is not UTF-8 text (invalid UTF-8 at byte offset 3)."},
        {{"/d/big.md"}, u"“big.md” is larger than 1 MiB."},
        {{"/d/long.txt"}, u"“long.txt” exceeds the maximum allowed length of 32768 characters."},
        {{"/d/long.md"}, u"“long.md” exceeds the maximum allowed length of 32768 characters."},
        {{"/d/empty.md"}, u"“empty.md” holds no text."},
        {{"/d/spec.pdf"}, u"“spec.pdf” is not a .txt, .md or .markdown file."},
        {{"/d/drafts"}, u"“drafts” is not a .txt, .md or .markdown file."},
        {{"/d/drafts.md"}, u"“drafts.md” is a folder, not a .txt, .md or .markdown file."},
        {{"/d/missing.md"}, u"“missing.md” could not be read."},
        {{"/d/latin1.txt", "/d/empty.md"},
         u"The window opens one file at a time: drop a single .txt, .md or .markdown file."},
    };
    std::size_t alerts = 0;
    for (const auto& refusal : refusals) {
        DropAndRun(refusal.paths);
        ASSERT_EQ(recording::Alerts().size(), ++alerts) << refusal.paths.front();
        EXPECT_EQ(recording::Alerts().back().text, refusal.message + u"\n");
        EXPECT_EQ(TextOf(kEditor), u"Keep this text.");
        EXPECT_TRUE(recording::Control(kEditor)->undoSteps.empty());
        EXPECT_TRUE(recording::GearMenu().checked.at(kReadAsMarkdownItem));
        EXPECT_EQ(recording::PreferenceLog().size(), storedBefore);
    }
}

TEST_F(FileDropTest, MarkupMayTakeAFileOverTheLengthLimitWhenItsProseKeepsWithin) {
    OpenForBlogPosts();
    TypeAt(20000, u"Before.");
    const std::string link = "[a](https://example.com/" + std::string(kMaxInputLength, 'x') + ")";
    recording::PutFile("/d/linked.md", "Short prose with " + link + " in it.\n");
    DropAndRun({"/d/linked.md"});
    EXPECT_TRUE(recording::Alerts().empty());
    EXPECT_GT(TextOf(kEditor).size(), kMaxInputLength);
    EXPECT_EQ(TextOf(kAutomatedIndexValue).empty(), false);
}

}  // namespace
