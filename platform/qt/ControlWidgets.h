#pragma once

// The widgets behind help icons and buttons, where Qt's own fall short of the
// keyboard.

#include <QLabel>
#include <QPushButton>

namespace platform::qt {

// Reachable with Tab, so that keyboard users can read the help: it shows as
// the tooltip while the icon has the focus, which is framed.
class HelpIcon final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void ShowHelp();
};

// Outside a dialog Qt leaves Return and Enter to a default button; here they
// press the focused button, as Space does.
class Button final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform::qt
