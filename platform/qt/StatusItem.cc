#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

#include "platform/Platform.h"
#include "platform/qt/Icons.h"

namespace platform {
namespace {

QPointer<QSystemTrayIcon> statusItem;
// A menu cannot be a tray icon's child, so it is kept alongside it.
std::unique_ptr<QMenu> statusMenu;

// Some trays (GNOME's AppIndicator) open the menu on a left click instead of
// reporting it, so the menu must offer the same way in.
void BuildStatusMenu(int quitNumber) {
    statusMenu = std::make_unique<QMenu>();
    QAction* toggle = statusMenu->addAction(QString());
    QObject::connect(toggle, &QAction::triggered, [] { PostEvent({EventKind::StatusItem}); });
    QObject::connect(statusMenu.get(), &QMenu::aboutToShow, [toggle] {
        toggle->setText(WindowExists() ? QStringLiteral("Close Quillory")
                                       : QStringLiteral("Open Quillory"));
    });
    statusMenu->addSeparator();
    QAction* quit = statusMenu->addAction(QStringLiteral("Quit"));
    QObject::connect(quit, &QAction::triggered, [quitNumber] {
        PostEvent({EventKind::Menu, quitNumber});
    });
}

}  // namespace

bool HasStatusArea() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void CreateStatusItem(int quitNumber) {
    if (statusItem != nullptr) {
        return;
    }
    BuildStatusMenu(quitNumber);
    statusItem = new QSystemTrayIcon(qt::ApplicationIcon(), QCoreApplication::instance());
    statusItem->setToolTip(QStringLiteral("Quillory"));
    statusItem->setContextMenu(statusMenu.get());
    QObject::connect(statusItem, &QSystemTrayIcon::activated,
                     [](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger) {
                             PostEvent({EventKind::StatusItem});
                         }
                     });
    // Shown even without a tray: Qt adds it once a tray appears.
    statusItem->show();
}

void RemoveStatusItem() {
    delete statusItem;
    statusMenu.reset();
}

}  // namespace platform
