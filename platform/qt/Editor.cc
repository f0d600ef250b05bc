#include "platform/qt/Editor.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <memory>

namespace platform::qt {
namespace {

// The block format property holding the break before the block; absent means LF.
constexpr int kBreakBefore = QTextFormat::UserProperty + 1;
enum BreakKind { kLineFeed = 0, kCarriageReturnLineFeed = 1, kCarriageReturn = 2 };

QString BreakText(int kind) {
    switch (kind) {
        case kCarriageReturnLineFeed:
            return QStringLiteral("\r\n");
        case kCarriageReturn:
            return QStringLiteral("\r");
        default:
            return QStringLiteral("\n");
    }
}

// Both legible under black text on the editor's light yellow, and apart in
// lightness as well as hue.
const QColor kLongMark(255, 222, 140);
const QColor kVeryLongMark(244, 162, 120);

int BreakWidth(int kind) {
    return kind == kCarriageReturnLineFeed ? 2 : 1;
}

int BreakBefore(const QTextBlock& block) {
    return block.blockFormat().intProperty(kBreakBefore);
}

void SetBreakBefore(QTextCursor& cursor, int kind) {
    QTextBlockFormat format = cursor.blockFormat();
    if (format.intProperty(kBreakBefore) == kind) {
        return;
    }
    if (kind == kLineFeed) {
        format.clearProperty(kBreakBefore);
    } else {
        format.setProperty(kBreakBefore, kind);
    }
    cursor.setBlockFormat(format);
}

// Inserts `text` at the cursor as one undo step, each of its breaks becoming a
// block boundary that remembers its kind. The block the text lands in keeps
// the break before it, and the break after it moves with the block that
// follows, so neither changes.
void InsertExact(QTextCursor& cursor, const QString& text) {
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n')) {
            continue;
        }
        if (i > start) {
            cursor.insertText(text.mid(start, i - start));
        }
        if (end) {
            break;
        }
        int kind = text[i] == QLatin1Char('\n') ? kLineFeed : kCarriageReturn;
        if (kind == kCarriageReturn && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            kind = kCarriageReturnLineFeed;
            ++i;
        }
        cursor.insertBlock();
        SetBreakBefore(cursor, kind);
        start = i + 1;
    }
    cursor.endEditBlock();
}

}  // namespace

Editor::Editor(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChange, this, &Editor::OnContentsChange);
}

// A deletion that joins blocks leaves the joined block the format of the first
// block it took in, except when it starts at a block's start: then it keeps
// the last one's, and with it the kind of a break that is gone. The break
// before the deletion is still there; its kind is put back, as part of the
// same undo step.
void Editor::OnContentsChange(int position, int removed, int /*added*/) {
    const auto before = breaks_.find(position - 1);
    if (!steppingThroughHistory_ && removed > 0 && before != breaks_.end()) {
        QTextBlock block = document()->findBlock(position);
        if (block.position() == position && BreakBefore(block) != before->second) {
            QTextCursor cursor(block);
            cursor.joinPreviousEditBlock();
            SetBreakBefore(cursor, before->second);
            cursor.endEditBlock();
        }
    }
    RememberBreaks();
}

void Editor::RememberBreaks() {
    breaks_.clear();
    for (QTextBlock block = document()->begin().next(); block.isValid(); block = block.next()) {
        breaks_.emplace(block.position() - 1, BreakBefore(block));
    }
}

void Editor::SetExactText(const QString& text) {
    QTextDocument* doc = document();
    // Switching undo off and on again also empties the history, as setPlainText would.
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor cursor(doc);
    InsertExact(cursor, text);
    doc->setUndoRedoEnabled(true);
    RememberBreaks();
    moveCursor(QTextCursor::Start);
}

QString Editor::ExactText() const {
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            text += BreakText(BreakBefore(block));
        }
        text += block.text();
    }
    return text;
}

void Editor::StepThroughHistory(bool forward) {
    steppingThroughHistory_ = true;
    forward ? redo() : undo();
    steppingThroughHistory_ = false;
}

int Editor::PositionOf(std::size_t offset) const {
    std::size_t blockOffset = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            blockOffset += static_cast<std::size_t>(BreakWidth(BreakBefore(block)));
        }
        const auto length = static_cast<std::size_t>(block.length() - 1);
        if (offset <= blockOffset + length) {
            return block.position() + static_cast<int>(offset - std::min(offset, blockOffset));
        }
        blockOffset += length;
    }
    return document()->characterCount() - 1;
}

std::size_t Editor::OffsetOf(int position) const {
    std::size_t offset = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            offset += static_cast<std::size_t>(BreakWidth(BreakBefore(block)));
        }
        if (position < block.position() + block.length()) {
            return offset + static_cast<std::size_t>(position - block.position());
        }
        offset += static_cast<std::size_t>(block.length() - 1);
    }
    return offset;
}

void Editor::SetMarks(const std::vector<EditorMark>& marks) {
    QList<QTextEdit::ExtraSelection> selections;
    markTooltips_.clear();
    for (const EditorMark& mark : marks) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(document());
        selection.cursor.setPosition(PositionOf(mark.start));
        selection.cursor.setPosition(PositionOf(mark.end), QTextCursor::KeepAnchor);
        const bool veryLong = mark.level == MarkLevel::VeryLong;
        selection.format.setBackground(veryLong ? kVeryLongMark : kLongMark);
        if (veryLong) {
            selection.format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        }
        selections.append(selection);
        markTooltips_.push_back(QString::fromStdU16String(mark.tooltip));
    }
    setExtraSelections(selections);
}

std::size_t Editor::CursorOffset() const {
    return OffsetOf(textCursor().position());
}

void Editor::SetCursorOffset(std::size_t offset) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(PositionOf(offset));
    setTextCursor(cursor);
    ensureCursorVisible();
}

// The pointer rests over the viewport, which shows the text.
bool Editor::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int position = cursorForPosition(help->pos()).position();
        const QList<QTextEdit::ExtraSelection> selections = extraSelections();
        for (qsizetype i = 0; i < selections.size(); ++i) {
            const QTextCursor& mark = selections[i].cursor;
            if (position >= mark.selectionStart() && position < mark.selectionEnd()) {
                QToolTip::showText(help->globalPos(), markTooltips_[static_cast<std::size_t>(i)],
                                   this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void Editor::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        StepThroughHistory(event->matches(QKeySequence::Redo));
        return;
    }
    // Return types LF, whatever break the block it splits came with.
    if (event->matches(QKeySequence::InsertParagraphSeparator) && !isReadOnly()) {
        QTextCursor cursor = textCursor();
        InsertExact(cursor, QStringLiteral("\n"));
        setTextCursor(cursor);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Editor::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        const bool forward = action->objectName() == QStringLiteral("edit-redo");
        if (forward || action->objectName() == QStringLiteral("edit-undo")) {
            action->disconnect();
            connect(action, &QAction::triggered, this,
                    [this, forward] { StepThroughHistory(forward); });
        }
    }
    menu->exec(event->globalPos());
}

QMimeData* Editor::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    QString text;
    for (QTextBlock block = document()->findBlock(start);
         block.isValid() && block.position() <= end; block = block.next()) {
        if (block.position() > start) {
            text += BreakText(BreakBefore(block));
        }
        const int from = std::max(start - block.position(), 0);
        const int to = std::min(end - block.position(), block.length() - 1);
        text += block.text().mid(from, to - from);
    }
    auto* selection = new QMimeData;
    selection->setText(text);
    return selection;
}

bool Editor::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void Editor::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        QTextCursor cursor = textCursor();
        InsertExact(cursor, source->text());
        setTextCursor(cursor);
    }
}

}  // namespace platform::qt
