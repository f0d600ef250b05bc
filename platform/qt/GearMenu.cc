#include <QAbstractButton>
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPointer>

#include <map>

#include "platform/Platform.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

// Owned by the window, so it goes when the window does.
QPointer<QMenu> gearMenu;
std::map<int, QPointer<QAction>> menuItems;

QAction* FindItem(int number) {
    const auto found = menuItems.find(number);
    return found != menuItems.end() ? found->second.data() : nullptr;
}

}  // namespace

void CreateGearMenu(const std::vector<MenuItem>& items) {
    QWidget* parent = qt::MainWindowWidget();
    if (parent == nullptr) {
        return;
    }
    delete gearMenu;
    menuItems.clear();
    gearMenu = new QMenu(parent);
    for (const MenuItem& item : items) {
        if (!gearMenu->isEmpty()) {
            gearMenu->addSeparator();
        }
        QAction* action = gearMenu->addAction(qt::ToQString(item.title));
        const int number = item.number;
        QObject::connect(action, &QAction::triggered, [action, number](bool checked) {
            // The check mark shows the program's flag; Qt's own toggle is undone
            // and the command decides.
            if (action->isCheckable()) {
                action->setChecked(!checked);
            }
            PostEvent({EventKind::Menu, number});
        });
        menuItems[number] = action;
    }
}

bool GearMenuExists() {
    return gearMenu != nullptr;
}

void SetMenuItemChecked(int number, bool checked) {
    if (QAction* action = FindItem(number)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

bool MenuItemChecked(int number) {
    QAction* action = FindItem(number);
    return action != nullptr && action->isChecked();
}

void ShowGearMenuAtPointer() {
    if (gearMenu == nullptr) {
        return;
    }
    // A button pressed from the keyboard has the focus but not the pointer, which
    // may be anywhere: the menu then opens under the button, its first item chosen.
    QWidget* window = qt::MainWindowWidget();
    auto* button =
        qobject_cast<QAbstractButton*>(window != nullptr ? window->focusWidget() : nullptr);
    const QPoint pointer = QCursor::pos();
    if (button != nullptr && !button->rect().contains(button->mapFromGlobal(pointer))) {
        gearMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
        if (!gearMenu->actions().isEmpty()) {
            gearMenu->setActiveAction(gearMenu->actions().constFirst());
        }
        return;
    }
    gearMenu->popup(pointer);
}

}  // namespace platform
