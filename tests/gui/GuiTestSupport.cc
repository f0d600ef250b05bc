#include "tests/gui/GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace {

constexpr int kAlertPollMilliseconds = 20;

void ClickWhenModal(const QString& buttonText) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        QTimer::singleShot(kAlertPollMilliseconds, [buttonText] { ClickWhenModal(buttonText); });
        return;
    }
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
        if (button->text() == buttonText) {
            button->click();
            return;
        }
    }
}

}  // namespace

QWidget* MainWindowForTest() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("QuilloryMainWindow")) {
            return widget;
        }
    }
    return nullptr;
}

QWidget* ControlWidget(int number) {
    QWidget* window = MainWindowForTest();
    return window != nullptr ? window->findChild<QWidget*>(QStringLiteral("control-%1").arg(number))
                             : nullptr;
}

std::vector<EventFields> DrainEvents() {
    std::vector<EventFields> events;
    platform::Event event;
    while (platform::PollEvent(event)) {
        events.push_back({event.kind, event.number, event.type});
    }
    return events;
}

void AnswerNextAlert(const QString& buttonText) {
    QTimer::singleShot(0, [buttonText] { ClickWhenModal(buttonText); });
}
