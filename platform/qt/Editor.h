#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <cstddef>
#include <map>
#include <vector>

#include "platform/Platform.h"

namespace platform::qt {

// A plain-text editor that keeps every line break as it came (CR LF, CR or LF)
// through typing, pasting, cutting, dragging, undo and redo. QTextDocument
// turns each break into a block boundary, so the kind of break before a block
// is kept in that block's format, where the document's own undo history keeps
// it too.
class Editor final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit Editor(QWidget* parent);

    // Replaces the text without an undo step.
    void SetExactText(const QString& text);
    QString ExactText() const;

    // Offsets count the code units of ExactText: a CR LF is two, one position.
    void SetMarks(const std::vector<EditorMark>& marks);
    std::size_t CursorOffset() const;
    void SetCursorOffset(std::size_t offset);

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void OnContentsChange(int position, int removed, int added);
    void RememberBreaks();
    void StepThroughHistory(bool forward);
    int PositionOf(std::size_t offset) const;
    std::size_t OffsetOf(int position) const;

    // Undo and redo put back formats as they were; nothing is repaired then.
    bool steppingThroughHistory_ = false;

    // Each break's position (that of its block separator) and kind, as of the
    // last change.
    std::map<int, int> breaks_;
    // The marks' tooltips, in the order of the extra selections that show them.
    std::vector<QString> markTooltips_;
};

}  // namespace platform::qt
