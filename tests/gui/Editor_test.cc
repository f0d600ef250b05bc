// The editor keeps each line break as it came, whatever the user does around it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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
    // As the user does, from the keyboard.
    void Undo() { QTest::keySequence(editor_, QKeySequence::Undo); }
    void Redo() { QTest::keySequence(editor_, QKeySequence::Redo); }
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

    // A paste replaces the selection, as one change and one undo step.
    platform::SetControlText(kEditor, u"old\r\ntext");
    editor_->selectAll();
    QApplication::clipboard()->setText(QString::fromStdU16String(kMixed));
    editor_->paste();
    EXPECT_EQ(Text(), kMixed);
    EXPECT_FALSE(DrainEvents().empty());
    Undo();
    EXPECT_EQ(Text(), u"old\r\ntext");
    Redo();
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
        Undo();
        if (Text() != earlier) {
            Undo();  // typing may take two steps
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

    Undo();
    Undo();
    Undo();
    EXPECT_EQ(Text(), kMixed);
    Redo();
    Redo();
    Redo();
    EXPECT_EQ(Text(), u"owo\nfour\r\n\r\nsix\rthree");
    editor_->selectAll();
    editor_->copy();
    EXPECT_EQ(QApplication::clipboard()->text().toStdU16String(), Text());
}

TEST_F(EditorTest, ADeletionFromTheStartOfALineKeepsTheBreakBeforeIt) {
    platform::SetControlText(kEditor, kMixed);
    Select(4, 10);  // "two\rth"
    Key(Qt::Key_Delete);
    EXPECT_EQ(Text(), u"one\r\nree\nfour\r\n\r\nsix");
    Select(13, 15);  // from the empty line into "six"
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Text(), u"one\r\nree\nfour\r\nix");
    Undo();
    Undo();
    EXPECT_EQ(Text(), kMixed);
    Redo();
    EXPECT_EQ(Text(), u"one\r\nree\nfour\r\n\r\nsix");
}

// Random edits behave as on a list of characters where a break is one item.
class RandomEditsTest : public EditorTest, public testing::WithParamInterface<unsigned> {};

TEST_P(RandomEditsTest, MatchAPlainModelAndTheirHistory) {
    const std::vector<std::u16string> pieces = {u"a", u"b", u" ", u".", u"\r\n", u"\r", u"\n"};
    std::vector<std::u16string> model;
    const auto modelText = [&model] {
        std::u16string text;
        for (const std::u16string& item : model) {
            text += item;
        }
        return text;
    };
    std::mt19937 random(GetParam());
    for (int step = 0; step < 300; ++step) {
        const int size = static_cast<int>(model.size());
        const int from = static_cast<int>(random() % (size + 1));
        const int to = std::min(size, from + static_cast<int>(random() % 4));
        Select(from, to);
        switch (random() % 4) {
            case 0: {  // paste over the selection
                std::vector<std::u16string> pasted;
                std::u16string text;
                for (int i = static_cast<int>(random() % 4); i >= 0; --i) {
                    const std::u16string& piece = pieces[random() % pieces.size()];
                    text += piece;
                    // A CR and an LF pasted side by side are one CR LF break.
                    if (piece == u"\n" && !pasted.empty() && pasted.back() == u"\r") {
                        pasted.back() = u"\r\n";
                    } else {
                        pasted.push_back(piece);
                    }
                }
                QApplication::clipboard()->setText(QString::fromStdU16String(text));
                editor_->paste();
                model.erase(model.begin() + from, model.begin() + to);
                model.insert(model.begin() + from, pasted.begin(), pasted.end());
                break;
            }
            case 1:
                Key(Qt::Key_Delete);
                model.erase(model.begin() + from,
                            model.begin() + std::max(to, std::min(size, from + 1)));
                break;
            case 2:
                Key(Qt::Key_Backspace);
                if (to > from) {
                    model.erase(model.begin() + from, model.begin() + to);
                } else if (from > 0) {
                    model.erase(model.begin() + from - 1);
                }
                break;
            default:
                Key(Qt::Key_Return);
                model.erase(model.begin() + from, model.begin() + to);
                model.insert(model.begin() + from, u"\n");
                break;
        }
        ASSERT_EQ(Text(), modelText()) << "step " << step;
    }
    // The whole history undoes to nothing and redoes to the end.
    const std::u16string last = modelText();
    while (editor_->document()->isUndoAvailable()) {
        Undo();
    }
    EXPECT_EQ(Text(), u"");
    while (editor_->document()->isRedoAvailable()) {
        Redo();
    }
    EXPECT_EQ(Text(), last);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditsTest, testing::Values(1u, 7u, 42u, 2026u));

}  // namespace
