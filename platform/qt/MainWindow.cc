#include "platform/qt/MainWindow.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>

#include "platform/Platform.h"
#include "platform/qt/FileDrop.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

// The shell decides what closing means, so the close button only reports.
class MainWindowWidget final : public QWidget {
  public:
    MainWindowWidget() : QWidget(nullptr, kWindowFlags) { setAcceptDrops(true); }

  protected:
    // A file dropped anywhere on the window, as on the editor.
    void dragEnterEvent(QDragEnterEvent* event) override { qt::TakesFileDrag(event); }
    void dropEvent(QDropEvent* event) override { qt::TakesFileDrop(event); }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        PostEvent({EventKind::CloseWindow});
    }
};

QPointer<QWidget> window;

}  // namespace

QWidget* qt::MainWindowWidget() {
    return window;
}

bool WindowExists() {
    return window != nullptr;
}

void CreateWindow(Point topLeft, int contentWidth, int contentHeight, std::u16string_view title) {
    DestroyWindow();
    window = new MainWindowWidget;
    window->setObjectName(QStringLiteral("QuilloryMainWindow"));
    window->setWindowTitle(qt::ToQString(title));
    window->setFixedSize(contentWidth, contentHeight);
    // A top-level widget's position is its frame's.
    window->move(topLeft.x, topLeft.y);
    window->show();
    window->raise();
    window->activateWindow();
}

void DestroyWindow() {
    delete window;
}

void SetWindowContentHeight(int height) {
    if (window == nullptr) {
        return;
    }
    const QPoint topLeft = window->pos();
    window->setFixedSize(window->width(), height);
    window->move(topLeft);
}

int WindowContentHeight() {
    return window != nullptr ? window->height() : 0;
}

Point WindowPosition() {
    if (window == nullptr) {
        return {};
    }
    const QPoint topLeft = window->pos();
    return {topLeft.x(), topLeft.y()};
}

void SetWindowFloating(bool floating) {
    if (window == nullptr || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == floating) {
        return;
    }
    // Changing the flags hides the window and may forget its place.
    const bool visible = window->isVisible();
    const QPoint topLeft = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, floating);
    window->move(topLeft);
    if (visible) {
        window->show();
    }
}

void BringWindowToFront() {
    if (window != nullptr && window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
}

void AddWindowShortcut(int number, std::string_view keys) {
    if (window == nullptr) {
        return;
    }
    auto* shortcut =
        new QShortcut(QKeySequence(qt::Utf8ToQString(keys), QKeySequence::PortableText), window);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, [number] {
        PostEvent({EventKind::Menu, number});
    });
}

}  // namespace platform
