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

#include "platform/Platform.h"
#include "results/ControlNumbers.h"
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

TEST_F(FileDropTest, AMarkdownFileOnTheEditorIsReadAsMarkdownAndUndoneInOneStep) {
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

    QTest::keySequence(Editor(), QKeySequence::Undo);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("My own words."));
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
