// The editor keeps each line break as it came, whatever the user does around it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include <string>

#include "platform/Platform.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kEditor = 1;
const std::u16string kMixed = u"one\r\ntwo\rthree\nfour\r\n\r\nsix";

class EditorTest : public testing::Test {
  protected:
    void SetUp() override {
        platform::CreateWindow({100, 50}, 720, 320, u"Quillory");
        platform::CreateControl(platform::ControlKind::Editor, kEditor, {10, 40, 700, 190}, u"");
        editor_ = qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor));
        ASSERT_NE(editor_, nullptr);
        editor_->setFocus();
    }
    void TearDown() override {
        platform::DestroyWindow();
        DrainEvents();
    }

    // Puts the cursor at document position `from` (a break counts one), selecting
    // up to `to` when given.
    void Select(int from, int to = -1) {
        QTextCursor cursor = editor_->textCursor();
        cursor.setPosition(from);
        if (to >= 0) {
            cursor.setPosition(to, QTextCursor::KeepAnchor);
        }
        editor_->setTextCursor(cursor);
    }
    void Type(const QString& keys) { QTest::keyClicks(editor_, keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(editor_, key, modifiers);
    }
    static std::u16string Text() { return platform::ControlText(kEditor); }

    QPlainTextEdit* editor_ = nullptr;
};

TEST_F(EditorTest, SetTextAndPasteKeepEveryBreak) {
    platform::SetControlText(kEditor, kMixed);
    EXPECT_EQ(Text(), kMixed);
    EXPECT_TRUE(DrainEvents().empty());

    platform::SetControlText(kEditor, u"");
    QApplication::clipboard()->setText(QString::fromStdU16String(kMixed));
    editor_->paste();
    EXPECT_EQ(Text(), kMixed);
    // A paste is one change and one undo step.
    EXPECT_FALSE(DrainEvents().empty());
    editor_->undo();
    EXPECT_EQ(Text(), u"");
    editor_->redo();
    EXPECT_EQ(Text(), kMixed);
}

TEST_F(EditorTest, TypingAndReturnAroundBreaks) {
    platform::SetControlText(kEditor, u"ab\r\ncd\ref");
    // Document positions count each break as one: a=0 b=1 | c=3 d=4 | e=6 f=7.
    Select(2);
    Type(QStringLiteral("X"));  // before the CR LF
    Select(4);
    Type(QStringLiteral("Y"));  // after it
    EXPECT_EQ(Text(), u"abX\r\nYcd\ref");
    // Return types LF; the CR LF that ended the line now ends the new one.
    Select(1);
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(), u"a\nbX\r\nYcd\ref");
    Select(0);
    Key(Qt::Key_End);
    Key(Qt::Key_Delete);  // the new LF
    EXPECT_EQ(Text(), u"abX\r\nYcd\ref");
    Select(4);
    Key(Qt::Key_Backspace);  // the CR LF
    EXPECT_EQ(Text(), u"abXYcd\ref");

    for (const std::u16string_view earlier :
         {u"a\nbX\r\nYcd\ref", u"abX\r\nYcd\ref", u"ab\r\ncd\ref"}) {
        editor_->undo();
        if (Text() != earlier) {
            editor_->undo();  // typing may take two steps
        }
        EXPECT_EQ(Text(), earlier);
    }
}

TEST_F(EditorTest, DeletingAcrossBreaksAndCutAndPasteMoveThemWhole) {
    platform::SetControlText(kEditor, kMixed);
    // one=0-2 | two=4-6 | three=8-12 | four=14-17 | (empty)=19 | six=20-22
    Select(1, 5);  // "ne\r\nt"
    Key(Qt::Key_Delete);
    EXPECT_EQ(Text(), u"owo\rthree\nfour\r\n\r\nsix");

    Select(3, 9);  // "\rthree"
    editor_->cut();
    EXPECT_EQ(QApplication::clipboard()->text().toStdU16String(), u"\rthree");
    EXPECT_EQ(Text(), u"owo\nfour\r\n\r\nsix");
    editor_->moveCursor(QTextCursor::End);
    editor_->paste();
    EXPECT_EQ(Text(), u"owo\nfour\r\n\r\nsix\rthree");

    editor_->undo();
    editor_->undo();
    editor_->undo();
    EXPECT_EQ(Text(), kMixed);
    editor_->redo();
    editor_->redo();
    editor_->redo();
    EXPECT_EQ(Text(), u"owo\nfour\r\n\r\nsix\rthree");
    editor_->selectAll();
    editor_->copy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdU16String(), Text());
}

}  // namespace
