#pragma once

// The widgets behind help icons and buttons, where Qt's own fall short of the
// keyboard.

#include <QLabel>
#include <QProgressBar>
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

// A metric's bar, painted flat: the style's gradients and rounded ends cost more
// to paint than the rest of the window, and the bars change as the user types.
class MeterBar final : public QProgressBar {
  public:
    using QProgressBar::QProgressBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform::qt
