#include "platform/qt/ControlWidgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

namespace platform::qt {

void HelpIcon::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    ShowHelp();
    update();
}

void HelpIcon::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    QToolTip::hideText();
    update();
}

// Any key's release hides a tooltip, Tab's too when it arrives here after
// moving the focus, so the help shows again.
void HelpIcon::keyReleaseEvent(QKeyEvent* event) {
    if (hasFocus() && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        ShowHelp();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void HelpIcon::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void HelpIcon::ShowHelp() {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
}

void Button::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void MeterBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const qint64 span = qint64{maximum()} - minimum();
    if (span > 0 && value() > minimum()) {
        const qint64 filled = inside.width() * (qint64{value()} - minimum()) / span;
        painter.fillRect(QRect(inside.topLeft(), QSize(static_cast<int>(filled), inside.height())),
                         palette().color(QPalette::Highlight));
    }
}

}  // namespace platform::qt
