#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace platform::qt {

// A plain-text editor that keeps every line break as it came (CR LF, CR or LF)
// through typing, pasting, cutting, dragging, undo and redo. QTextDocument
// turns each break into a block boundary, so the kind of break before a block
// is kept in that block's format: it travels with the block through the
// document's own undo history, and when a break is deleted its block's format
// goes with it.
class Editor final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit Editor(QWidget* parent);

    // Replaces the text without an undo step.
    void SetExactText(const QString& text);
    QString ExactText() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace platform::qt
