// Texts written on any system: the window keeps every line break as it came,
// and its figures, summary, export and saved text are the core's for exactly
// that text, through pasting, typing around the breaks, undo and redo.

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
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

class LineEndingsTest : public AppWindowTest {
  protected:
    QPlainTextEdit* Editor() { return qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor)); }

    // The editor holds `expected` to the code unit, and the window shows the core's figures
    // and summary for it, and has saved it.
    void ExpectWindowHolds(const std::u16string& expected) {
        ASSERT_TRUE(DispatchUntilSettled());
        EXPECT_EQ(platform::ControlText(kEditor), expected);
        ExpectRowsDescribe(expected);
        AnalysisJob job;
        job.text = expected;
        RunAnalysis(job, shell.locale, shell.rates);
        SummaryMemory fresh;
        EXPECT_EQ(platform::ControlText(kSummaryLine),
                  SummaryLineText(fresh, job, 0, CharactersPerPage(shell.locale)));
        EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), expected);
    }

    void Undo() { QTest::keySequence(Editor(), QKeySequence::Undo); }
    void Redo() { QTest::keySequence(Editor(), QKeySequence::Redo); }

    void PutCursor(int position) {
        QTextCursor cursor = Editor()->textCursor();
        cursor.setPosition(position);
        Editor()->setTextCursor(cursor);
    }
};

TEST_F(LineEndingsTest, APastedWindowsTextIsAnalysedExportedAndSavedAsItIs) {
    const std::u16string text = WindowsText();
    Editor()->selectAll();  // over what an earlier test left
    ASSERT_TRUE(Paste(text));
    ExpectWindowHolds(text);

    const QTemporaryDir folder;
    const RevealedFolders revealed;
    QTimer poll;
    AnswerSavePanel(poll, folder.path(), QStringLiteral("analysis.txt"));
    QTest::mouseClick(ControlWidget(kExportButton), Qt::LeftButton);
    DispatchPending();
    QFile written(QDir(folder.path()).filePath(QStringLiteral("analysis.txt")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, shell.locale, shell.rates);
    const std::string expected = EncodeUtf8(
        ExportDocument(job, 0, shell.locale, BuildRecommendations(job, 0, shell.locale)));
    EXPECT_EQ(written.readAll().toStdString(), expected);
    EXPECT_EQ(revealed.opened.size(), 1);
}

TEST_F(LineEndingsTest, EditsAroundBreaksUndoAndRedoKeepEveryOtherBreak) {
    const std::u16string text =
        u"Short words help readers a lot.\rLong ones do not.\r\n"
        u"Mixed breaks stay mixed.\nThe end is near.";
    Editor()->selectAll();
    ASSERT_TRUE(Paste(text));
    ExpectWindowHolds(text);

    // Positions count each break once: the lone CR is at 31, the CR LF at 49.
    PutCursor(31);
    ASSERT_TRUE(Type(QStringLiteral(" Really")));
    const std::u16string typed =
        u"Short words help readers a lot. Really\rLong ones do not.\r\n"
        u"Mixed breaks stay mixed.\nThe end is near.";
    ExpectWindowHolds(typed);

    PutCursor(56);  // after "not."
    QTest::keyClick(Editor(), Qt::Key_Return);
    const std::u16string split =
        u"Short words help readers a lot. Really\rLong ones do not.\n\r\n"
        u"Mixed breaks stay mixed.\nThe end is near.";
    ExpectWindowHolds(split);

    // Deleting across the CR LF joins the lines and leaves the other breaks.
    QTextCursor cursor = Editor()->textCursor();
    cursor.setPosition(57);
    cursor.setPosition(60, QTextCursor::KeepAnchor);
    Editor()->setTextCursor(cursor);
    QTest::keyClick(Editor(), Qt::Key_Delete);
    const std::u16string joined =
        u"Short words help readers a lot. Really\rLong ones do not.\n"
        u"xed breaks stay mixed.\nThe end is near.";
    ExpectWindowHolds(joined);

    Undo();
    ExpectWindowHolds(split);
    Undo();
    ExpectWindowHolds(typed);
    Redo();
    ExpectWindowHolds(split);
}

}  // namespace

#include "LineEndings_test.moc"
