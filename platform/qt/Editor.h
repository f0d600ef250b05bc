#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <cstddef>
#include <vector>

#include "platform/Platform.h"

namespace platform::qt {

// A plain-text editor that keeps every line break as it came (CR LF, CR or LF)
// through typing, pasting, cutting, dragging, undo and redo. QTextDocument
// turns each break into a block boundary, so the kind of break before a block
// is kept in that block's format, where the document's own undo history keeps
// it too. The exact text is kept alongside, changed by each change's own
// stretch, so that reading it never walks the document.
class Editor final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit Editor(QWidget* parent);

    // Replaces the text without an undo step.
    void SetExactText(const QString& text);
    // Replaces the text as one step the user can undo; stepping back over it
    // posts Menu with undoNumber, stepping forward again Menu with redoNumber.
    void ReplaceText(const QString& text, int undoNumber, int redoNumber);
    const QString& ExactText() const;

    // Offsets count the code units of ExactText: a CR LF is two, one position.
    void SetMarks(const std::vector<EditorMark>& marks);
    std::size_t CursorOffset() const;
    void SetCursorOffset(std::size_t offset);
    // Scrolls as little as it takes to show the range whole, or its start when
    // it is taller than the view.
    void ShowRange(std::size_t start, std::size_t end);

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    // A dropped file is the shell's to open; only text goes in as it is.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // A block separator's position in the document and the kind of break it stands for.
    struct Break {
        int position = 0;
        int kind = 0;
    };
    // For searching the breaks by position.
    static bool Before(const Break& item, int position) { return item.position < position; }

    void OnContentsChange(int position, int removed, int added);
    void ApplyChange(int position, int removed, int added);
    void Rebuild();
    const Break* BreakAt(int position) const;
    // The exact text of the document's positions [from, to), with the breaks in them.
    QString ExactTextBetween(int from, int to, std::vector<Break>* breaks) const;
    void StepThroughHistory(bool forward);
    int PositionOf(std::size_t offset) const;
    std::size_t OffsetOf(int position) const;

    // Undo and redo put back formats as they were; nothing is repaired then.
    bool steppingThroughHistory_ = false;

    // As of the last change: the exact text, each break in ascending order,
    // and the document's length in positions.
    QString text_;
    std::vector<Break> breaks_;
    int length_ = 0;
    // The marks' tooltips, in the order of the extra selections that show them.
    std::vector<QString> markTooltips_;
};

}  // namespace platform::qt
