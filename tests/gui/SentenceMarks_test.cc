// Long sentences marked in the real editor: the marks read back, their
// tooltips, undo and F8. (The menu item is the shell's and the gear menu's.)

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "tests/gui/AppTestSupport.h"
#include "tests/gui/GuiTestSupport.h"
#include "testsupport/SampleText.h"

namespace {

// A short sentence, then 23 words (long for General Content's 20) after a CR LF.
const std::u16string kText = u"Short one here now.\r\n" + SentenceOfWords(23) + u" Done.";

class SentenceMarksTest : public AppWindowTest {
  protected:
    QPlainTextEdit* Editor() { return qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor)); }

    // Each mark as document positions.
    std::vector<std::pair<int, int>> MarkedRanges() {
        std::vector<std::pair<int, int>> ranges;
        for (const QTextEdit::ExtraSelection& mark : Editor()->extraSelections()) {
            ranges.emplace_back(mark.cursor.selectionStart(), mark.cursor.selectionEnd());
        }
        return ranges;
    }
};

TEST_F(SentenceMarksTest, APastedTextIsMarkedWithoutTouchingTheTextOrItsHistory) {
    Editor()->selectAll();
    ASSERT_TRUE(Paste(kText));
    // The CR LF is one document position: the long sentence starts at 20, and
    // its mark ends with its last word, not with the blank after it.
    const int end = 20 + static_cast<int>(SentenceOfWords(23).size());
    EXPECT_EQ(MarkedRanges(), (std::vector<std::pair<int, int>>{{20, end}}));
    EXPECT_EQ(platform::ControlText(kEditor), kText);

    // Resting the pointer on it shows what it costs.
    const QRect inside = Editor()->cursorRect([&] {
        QTextCursor cursor(Editor()->document());
        cursor.setPosition(25);
        return cursor;
    }());
    QHelpEvent hover(QEvent::ToolTip, inside.center(),
                     Editor()->viewport()->mapToGlobal(inside.center()));
    QApplication::sendEvent(Editor()->viewport(), &hover);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().startsWith(
        QStringLiteral("23 words \u2014 General Content aims at 20 or fewer \u00B7 grade ")))
        << QToolTip::text().toStdString();
    QToolTip::hideText();

    // F8 takes the cursor to it; the marks left the undo history alone.
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowForTest(), kSettleDeadlineMs));
    QTest::keyClick(Editor(), Qt::Key_F8);
    DispatchPending();
    EXPECT_EQ(Editor()->textCursor().position(), 20);
    QTest::keySequence(Editor(), QKeySequence::Undo);
    EXPECT_EQ(platform::ControlText(kEditor), u"");
}

// Whether the document's positions from `start` to `end` are all on show.
bool InView(const QPlainTextEdit* editor, int start, int end) {
    const auto rectAt = [&](int position) {
        QTextCursor cursor(editor->document());
        cursor.setPosition(position);
        return editor->cursorRect(cursor);
    };
    return rectAt(start).top() >= 0 && rectAt(end).bottom() <= editor->viewport()->height();
}

TEST_F(SentenceMarksTest, F8BringsTheWholeMarkIntoViewOrItsStartWhenItIsTaller) {
    std::u16string text;
    for (int line = 0; line < 30; ++line) {
        text += u"Short one here now.\r\n";
    }
    const int fits = static_cast<int>(text.size()) - 30;  // a CR LF is one position
    text += SentenceOfWords(60) + u"\r\n";
    const int fitsEnd = fits + static_cast<int>(SentenceOfWords(60).size());
    const int taller = fitsEnd + 1;
    text += SentenceOfWords(600) + u"\r\n";
    for (int line = 0; line < 30; ++line) {
        text += u"Short one here now.\r\n";
    }
    Editor()->selectAll();
    ASSERT_TRUE(Paste(text));
    ASSERT_EQ(MarkedRanges().size(), 2u);
    ASSERT_EQ(MarkedRanges()[0], std::pair(fits, fitsEnd));
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowForTest(), kSettleDeadlineMs));

    // From the top the mark lies below the view.
    Editor()->moveCursor(QTextCursor::Start);
    ASSERT_FALSE(InView(Editor(), fits, fits));
    QTest::keyClick(Editor(), Qt::Key_F8);
    DispatchPending();
    EXPECT_EQ(Editor()->textCursor().position(), fits);
    EXPECT_TRUE(InView(Editor(), fits, fitsEnd));

    QTest::keyClick(Editor(), Qt::Key_F8);
    DispatchPending();
    EXPECT_EQ(Editor()->textCursor().position(), taller);
    EXPECT_FALSE(InView(Editor(), taller, MarkedRanges()[1].second));
    EXPECT_TRUE(InView(Editor(), taller, taller));

    QTest::keyClick(Editor(), Qt::Key_F8, Qt::ShiftModifier);  // back up to it
    DispatchPending();
    EXPECT_EQ(Editor()->textCursor().position(), fits);
    EXPECT_TRUE(InView(Editor(), fits, fitsEnd));
}

}  // namespace
