// A text written on Windows: the real window keeps every line break as it came,
// and its figures, summary, export and saved text are the core's for exactly
// that text. (The editor's own keeping of breaks is Editor_test's.)

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <string>

#include "engine/AnalysisJob.h"
#include "engine/Utf8.h"
#include "platform/Platform.h"
#include "report/Recommendations.h"
#include "results/ExportDocument.h"
#include "results/SummaryLine.h"
#include "shell/ControlNumbers.h"
#include "shell/ShellState.h"
#include "tests/gui/AppTestSupport.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

// Four CR LF paragraph breaks in a text long enough for every measure.
std::u16string WindowsText() {
    std::u16string text;
    for (int paragraph = 0; paragraph < 5; ++paragraph) {
        if (paragraph > 0) {
            text += u"\r\n";
        }
        for (int sentence = 0; sentence < 4; ++sentence) {
            text +=
                u"The committee considered several alternative proposals carefully. "
                u"Writers prefer short words.";
        }
    }
    return text;
}

// Keeps the file manager shut: the export reveals its file through this.
class RevealedFolders : public QObject {
    Q_OBJECT

  public:
    RevealedFolders() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~RevealedFolders() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

  public slots:
    void Open(const QUrl& url) { opened.append(url); }

  public:
    QList<QUrl> opened;
};

using LineEndingsTest = AppWindowTest;

TEST_F(LineEndingsTest, APastedWindowsTextIsAnalysedExportedAndSavedAsItIs) {
    const std::u16string text = WindowsText();
    platform::SetControlText(kEditor, u"");
    ASSERT_TRUE(Paste(text));
    EXPECT_EQ(platform::ControlText(kEditor), text);
    ExpectRowsDescribe(text);
    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, shell.locale, shell.rates);
    SummaryMemory fresh;
    EXPECT_EQ(platform::ControlText(kSummaryLine),
              SummaryLineText(fresh, job, 0, CharactersPerPage(shell.locale)));
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), text);

    const QTemporaryDir folder;
    const RevealedFolders revealed;
    QTimer poll;
    AnswerSavePanel(poll, folder.path(), QStringLiteral("analysis.txt"));
    QTest::mouseClick(ControlWidget(kExportButton), Qt::LeftButton);
    DispatchPending();
    QFile written(QDir(folder.path()).filePath(QStringLiteral("analysis.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const std::string expected = EncodeUtf8(
        ExportDocument(job, 0, shell.locale, BuildRecommendations(job, 0, shell.locale)));
    EXPECT_EQ(written.readAll().toStdString(), expected);
    EXPECT_EQ(revealed.opened.size(), 1);
}

}  // namespace

#include "LineEndings_test.moc"
