// Files dropped on the real window, and the gear menu's "Read as Markdown":
// the text in the editor as one undo step, the reading it turns on or off, and
// a file refused without losing a character.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <string>
#include <utility>

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/ResultsArea.h"
#include "tests/gui/AppTestSupport.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

const QString kDraft = QStringLiteral(
    "# Notes on the garden\n\nThe roses came up early this year. ```code``` here.\n\n"
    "```\nint main() { return 0; }\n```\n");

class FileDropTest : public AppWindowTest {
  protected:
    QPlainTextEdit* Editor() { return qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor)); }

    QString PutFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QAction* ReadAsMarkdown() {
        for (QAction* action : MainWindowForTest()->findChild<QMenu*>()->actions()) {
            if (action->text() == QStringLiteral("Read as Markdown")) {
                return action;
            }
        }
        return nullptr;
    }

    static void Drop(QWidget* target, QMimeData* data) {
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    QTemporaryDir folder_;
};

TEST_F(FileDropTest, AMarkdownFileOnTheEditorIsReadAsMarkdownAndUndoneWithItsReading) {
    ASSERT_TRUE(Type(QStringLiteral("My own words.")));
    ASSERT_TRUE(DispatchUntilSettled());
    ASSERT_NE(ReadAsMarkdown(), nullptr);
    EXPECT_TRUE(ReadAsMarkdown()->isCheckable());
    EXPECT_FALSE(ReadAsMarkdown()->isChecked());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PutFile(QStringLiteral("garden.md"), kDraft.toUtf8()))});
    Drop(Editor()->viewport(), &data);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(Editor()->toPlainText(), kDraft);
    EXPECT_TRUE(ReadAsMarkdown()->isChecked());
    EXPECT_TRUE(platform::ControlText(kSummaryLine).ends_with(kReadAsMarkdownNote));

    // Undo and Redo bring back each text with its reading.
    QTest::keySequence(Editor(), QKeySequence::Undo);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("My own words."));
    EXPECT_FALSE(ReadAsMarkdown()->isChecked());
    EXPECT_FALSE(platform::ControlText(kSummaryLine).ends_with(kReadAsMarkdownNote));
    QTest::keySequence(Editor(), QKeySequence::Redo);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(Editor()->toPlainText(), kDraft);
    EXPECT_TRUE(ReadAsMarkdown()->isChecked());
    EXPECT_TRUE(platform::ControlText(kSummaryLine).ends_with(kReadAsMarkdownNote));

    // A typed edit is undone as ever, the reading left as it is.
    ASSERT_TRUE(Type(QStringLiteral(" More.")));
    QTest::keySequence(Editor(), QKeySequence::Undo);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(Editor()->toPlainText(), kDraft);
    EXPECT_TRUE(ReadAsMarkdown()->isChecked());
}

TEST_F(FileDropTest, APathAsTextOnTheWindowOpensATextFileAndTurnsMarkdownOff) {
    ReadAsMarkdown()->trigger();
    DispatchPending();
    ASSERT_TRUE(ReadAsMarkdown()->isChecked());
    const QString path = PutFile(QStringLiteral("notes.txt"), "# Plain notes, read as typed.\r\n");
    QMimeData data;
    data.setText(path);
    Drop(MainWindowForTest(), &data);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(platform::ControlText(kEditor), u"# Plain notes, read as typed.\r\n");
    EXPECT_FALSE(ReadAsMarkdown()->isChecked());
    EXPECT_EQ(platform::ReadPreferenceInteger("ReadAsMarkdown"), 0);
}

TEST_F(FileDropTest, APathToAnotherKindOfFileIsDroppedAsTextAsAnyTextIs) {
    const QString path = PutFile(QStringLiteral("picture.png"), "PNG");
    QMimeData data;
    data.setText(path);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Editor()->viewport(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Editor()->viewport(), &drop);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(Editor()->toPlainText(), path);
}

// On the editor or elsewhere, as a URL or as a file URL in text: refused by
// name, and not a character of it in the editor.
TEST_F(FileDropTest, AFileOfAnotherKindIsRefusedByNameWhereverItIsDropped) {
    ASSERT_TRUE(Type(QStringLiteral("Keep me.")));
    const int undoSteps = Editor()->document()->availableUndoSteps();
    const QString pdf = PutFile(QStringLiteral("spec.pdf"), "%PDF-1.4");
    QMimeData asUrl;
    asUrl.setUrls({QUrl::fromLocalFile(pdf)});
    asUrl.setText(QUrl::fromLocalFile(pdf).toString());
    QMimeData asText;
    asText.setText(QUrl::fromLocalFile(pdf).toString());
    for (const auto& [target, data] :
         {std::pair<QWidget*, QMimeData*>{Editor()->viewport(), &asUrl},
          {Editor()->viewport(), &asText},
          {MainWindowForTest(), &asUrl}}) {
        const AlertAnswerer answerer(kDefaultButton);
        Drop(target, data);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                DispatchPending();
                return !answerer.details.isEmpty();
            },
            kSettleDeadlineMs));
        EXPECT_EQ(
            answerer.details,
            QStringList{QStringLiteral("“spec.pdf” is not a .txt, .md or .markdown file.\n")});
        EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("Keep me."));
        EXPECT_EQ(Editor()->document()->availableUndoSteps(), undoSteps);
        EXPECT_FALSE(ReadAsMarkdown()->isChecked());
    }
}

TEST_F(FileDropTest, AFileThatIsNotUtf8IsRefusedByNameAndTheTextStays) {
    ASSERT_TRUE(Type(QStringLiteral("Keep me.")));
    ASSERT_TRUE(DispatchUntilSettled());
    const AlertAnswerer answerer(kDefaultButton);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PutFile(QStringLiteral("latin1.txt"), "caf\xE9"))});
    Drop(Editor()->viewport(), &data);
    DispatchPending();
    EXPECT_TRUE((answerer.headlines + answerer.details)
                    .join(u' ')
                    .contains(QStringLiteral("“latin1.txt” is not UTF-8 text")));
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("Keep me."));
}

}  // namespace
