#include "shell/Export.h"

#include "engine/Utf8.h"
#include "report/Recommendations.h"
#include "results/ExportDocument.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using ExportTest = ShellTest;

constexpr std::u16string_view kText = u"Para one line one\nline two\n\nPara two is \"here\" now.";

void ExportTo(const std::string& path) {
    recording::AnswerSavePanels(path);
    ClickAndRun(kExportButton);
}

TEST_F(ExportTest, WritesTheAnalysisOfTheTextOnScreenAndRevealsIt) {
    StartAndOpenWindow();
    recording::SelectItem(kScenarioDropDown, 2);
    // The second change comes inside the throttle: only the export itself can
    // bring the measures up to date.
    TypeAt(10000, u"Short.");
    TypeAt(10010, kText);
    ExportTo("/home/jo/my export.txt");

    // Byte for byte what the core makes of the text on screen, under the chosen scenario.
    const AnalysisJob job = Analysed(kText, EnglishVariant::Us, shell.rates);
    EXPECT_EQ(recording::WrittenFile("/home/jo/my export.txt"),
              EncodeUtf8(ExportDocument(job, 2, EnglishVariant::Us,
                                        BuildRecommendations(job, 2, EnglishVariant::Us))));

    const recording::SavePanelRecord& panel = recording::SavePanels().at(0);
    EXPECT_EQ(panel.title, u"Export Quillory Analysis");
    EXPECT_EQ(panel.proposedName, u"03-07-2025-20509_Quillory_Export.txt");
    EXPECT_EQ(panel.filterDescription + panel.filterPattern, u"Text Files*.txt");
    EXPECT_EQ(recording::SystemSoundsPlayed(), 1);
    EXPECT_EQ(recording::RevealedFiles(), std::vector<std::string>{"/home/jo/my export.txt"});
    EXPECT_TRUE(recording::Alerts().empty());
}

TEST_F(ExportTest, EmptyTextCancelAndAFailedWriteEndInErrors) {
    StartAndOpenWindow();
    ExportResults();
    EXPECT_TRUE(recording::SavePanels().empty());
    TypeAt(10000, kText);
    recording::SetLocaleIdentifier("en_GB");  // the stamp follows the system, not the variant
    ExportTo("");
    recording::SetFileWritesFailing(true);
    ExportTo("/home/jo/\xC3\xA9t\xC3\xA9/out.txt");

    std::vector<std::u16string> texts;
    for (const recording::AlertRecord& alert : recording::Alerts()) {
        EXPECT_EQ(alert.title, u"Error!");
        texts.push_back(alert.text);
    }
    const std::u16string notWritten = u"The analysis could not be written to ";
    EXPECT_EQ(texts, (std::vector<std::u16string>{
                         u"Please enter text before attempting to export anything.\n\n",
                         u"Your export of the analysis and recommedations was canceled.\n",
                         notWritten + u"/home/jo/\u00E9t\u00E9/out.txt.\n"}));
    EXPECT_EQ(recording::SavePanels().at(0).proposedName, u"07-03-202520509_Quillory_Export.txt");
    EXPECT_FALSE(recording::WrittenFile("/home/jo/\xC3\xA9t\xC3\xA9/out.txt"));
    EXPECT_EQ(recording::SystemSoundsPlayed(), 0);
    EXPECT_TRUE(recording::RevealedFiles().empty());
}

}  // namespace
