#include "platform/qt/Editor.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <memory>

#include "platform/qt/FileDrop.h"

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

// Tells the program which way the user stepped over a replacement. Undo runs
// it before the document reports the change, so its event comes first.
class ReplacementStep final : public QAbstractUndoItem {
  public:
    ReplacementStep(int undoNumber, int redoNumber)
        : undoNumber_(undoNumber), redoNumber_(redoNumber) {}
    void undo() override { PostEvent({EventKind::Menu, undoNumber_}); }
    void redo() override { PostEvent({EventKind::Menu, redoNumber_}); }

  private:
    int undoNumber_;
    int redoNumber_;
};

}  // namespace

Editor::Editor(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChange, this, &Editor::OnContentsChange);
}

// A deletion that joins blocks leaves the joined block the format of the first
// block it took in, except when it starts at a block's start: then it keeps
// the last one's, and with it the kind of a break that is gone. The break
// before the deletion is still there; its kind is put back, as part of the
// same undo step.
void Editor::OnContentsChange(int position, int removed, int added) {
    const Break* before = BreakAt(position - 1);
    const int kindBefore = before != nullptr ? before->kind : -1;
    ApplyChange(position, removed, added);
    if (steppingThroughHistory_ || removed == 0 || kindBefore < 0) {
        return;
    }
    QTextBlock block = document()->findBlock(position);
    if (block.position() == position && BreakBefore(block) != kindBefore) {
        QTextCursor cursor(block);
        cursor.joinPreviousEditBlock();
        SetBreakBefore(cursor, kindBefore);
        cursor.endEditBlock();
        // Qt reports no change made while it reports one: the break is read again here.
        ApplyChange(position, 0, 0);
    }
}

// Qt may count the document's closing separator in a change; a report that
// still does not add up is answered by reading the whole text again.
void Editor::ApplyChange(int position, int removed, int added) {
    const int length = document()->characterCount() - 1;
    if (position < 0 || position > std::min(length_, length)) {
        Rebuild();
        return;
    }
    removed = std::clamp(removed, 0, length_ - position);
    added = std::clamp(added, 0, length - position);
    if (length - length_ != added - removed) {
        Rebuild();
        return;
    }
    // The kind of the break before a block is kept in the block, which may have changed.
    if (BreakAt(position - 1) != nullptr) {
        --position;
        ++removed;
        ++added;
    }
    const std::size_t from = OffsetOf(position);
    const std::size_t to = OffsetOf(position + removed);
    const auto first = std::lower_bound(breaks_.begin(), breaks_.end(), position, &Before);
    const auto last = std::lower_bound(first, breaks_.end(), position + removed, &Before);
    const auto after = breaks_.erase(first, last);
    for (auto moved = after; moved != breaks_.end(); ++moved) {
        moved->position += added - removed;
    }
    std::vector<Break> inserted;
    const QString text = ExactTextBetween(position, position + added, &inserted);
    breaks_.insert(after, inserted.begin(), inserted.end());
    text_.replace(static_cast<qsizetype>(from), static_cast<qsizetype>(to - from), text);
    length_ = length;
}

void Editor::Rebuild() {
    length_ = document()->characterCount() - 1;
    breaks_.clear();
    text_ = ExactTextBetween(0, length_, &breaks_);
}

const Editor::Break* Editor::BreakAt(int position) const {
    const auto found = std::lower_bound(breaks_.begin(), breaks_.end(), position, &Before);
    return found != breaks_.end() && found->position == position ? &*found : nullptr;
}

QString Editor::ExactTextBetween(int from, int to, std::vector<Break>* breaks) const {
    QString text;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from) {
            const int kind = BreakBefore(block);
            text += BreakText(kind);
            if (breaks != nullptr) {
                breaks->push_back({block.position() - 1, kind});
            }
        }
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), block.length() - 1);
        if (end > start) {
            text += block.text().mid(start, end - start);
        }
    }
    return text;
}

void Editor::SetExactText(const QString& text) {
    QTextDocument* doc = document();
    // Switching undo off and on again also empties the history, as setPlainText would.
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor cursor(doc);
    InsertExact(cursor, text);
    doc->setUndoRedoEnabled(true);
    Rebuild();
    moveCursor(QTextCursor::Start);
}

void Editor::ReplaceText(const QString& text, int undoNumber, int redoNumber) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    InsertExact(cursor, text);
    // Part of the same step, so the document undoes and redoes it with the text.
    document()->appendUndoItem(new ReplacementStep(undoNumber, redoNumber));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

const QString& Editor::ExactText() const {
    return text_;
}

void Editor::StepThroughHistory(bool forward) {
    steppingThroughHistory_ = true;
    forward ? redo() : undo();
    steppingThroughHistory_ = false;
}

// An offset inside a CR LF stands for the start of the line after it.
int Editor::PositionOf(std::size_t offset) const {
    std::size_t extra = 0;  // the CR LFs' second units so far
    for (const Break& item : breaks_) {
        const auto separator = static_cast<std::size_t>(item.position);
        if (offset <= separator + extra) {
            return static_cast<int>(offset - extra);
        }
        extra += static_cast<std::size_t>(BreakWidth(item.kind) - 1);
        if (offset < separator + 1 + extra) {
            return item.position + 1;
        }
    }
    return static_cast<int>(
        std::min(offset - std::min(offset, extra), static_cast<std::size_t>(length_)));
}

std::size_t Editor::OffsetOf(int position) const {
    std::size_t offset = static_cast<std::size_t>(std::max(position, 0));
    for (const Break& item : breaks_) {
        if (item.position >= position) {
            break;
        }
        offset += static_cast<std::size_t>(BreakWidth(item.kind) - 1);
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

// The editor scrolls a line at a time: it steps up until the start is in view,
// then down until the end is, stepping back should the start go out of it.
void Editor::ShowRange(std::size_t start, std::size_t end) {
    QTextCursor first(document());
    first.setPosition(PositionOf(start));
    QTextCursor last(document());
    last.setPosition(PositionOf(end));
    QScrollBar* bar = verticalScrollBar();
    const int height = viewport()->height();
    while (cursorRect(first).top() < 0 && bar->value() > bar->minimum()) {
        bar->setValue(bar->value() - 1);
    }
    while (cursorRect(last).bottom() > height && bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + 1);
        if (cursorRect(first).top() < 0) {
            bar->setValue(bar->value() - 1);
            return;
        }
    }
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
    auto* selection = new QMimeData;
    selection->setText(ExactTextBetween(cursor.selectionStart(), cursor.selectionEnd(), nullptr));
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

void Editor::dragEnterEvent(QDragEnterEvent* event) {
    if (!TakesFileDrag(event)) {
        QPlainTextEdit::dragEnterEvent(event);
    }
}

void Editor::dragMoveEvent(QDragMoveEvent* event) {
    if (!TakesFileDrag(event)) {
        QPlainTextEdit::dragMoveEvent(event);
    }
}

void Editor::dropEvent(QDropEvent* event) {
    if (!TakesFileDrop(event)) {
        QPlainTextEdit::dropEvent(event);
    }
}

}  // namespace platform::qt
