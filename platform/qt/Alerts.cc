#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "platform/Platform.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

QMessageBox::Icon BoxIcon(AlertIcon icon) {
    return icon == AlertIcon::Stop ? QMessageBox::Critical : QMessageBox::Information;
}

// The title is the alert's headline and the text its details, as on macOS.
void PrepareBox(QMessageBox& box, std::u16string_view title, std::u16string_view text,
                AlertIcon icon) {
    box.setWindowTitle(QStringLiteral("Quillory"));
    box.setIcon(BoxIcon(icon));
    box.setTextFormat(Qt::PlainText);
    box.setText(qt::ToQString(title));
    box.setInformativeText(qt::ToQString(text));
    // The box's text format covers only the headline; the details label would
    // still guess, and show a version file's or a path's markup as rich text.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
    }
}

// Runs the box modally and gives the window that was active before it back its focus.
void RunModal(QMessageBox& box) {
    const QPointer<QWidget> previous = QApplication::activeWindow();
    box.exec();
    if (previous != nullptr) {
        previous->activateWindow();
    }
}

}  // namespace

void ShowMessage(std::u16string_view title, std::u16string_view text, AlertIcon icon) {
    QMessageBox box(qt::MainWindowWidget());
    PrepareBox(box, title, text, icon);
    box.setStandardButtons(QMessageBox::Ok);
    RunModal(box);
}

int ShowAlert(std::u16string_view title, std::u16string_view text, AlertIcon icon,
              int defaultButton, std::u16string_view button1, std::u16string_view button2) {
    QMessageBox box(qt::MainWindowWidget());
    PrepareBox(box, title, text, icon);
    // One role for both keeps them in this order, button2 rightmost.
    QPushButton* first = box.addButton(qt::ToQString(button1), QMessageBox::AcceptRole);
    QPushButton* second = nullptr;
    if (!button2.empty()) {
        second = box.addButton(qt::ToQString(button2), QMessageBox::AcceptRole);
    }
    box.setDefaultButton(defaultButton == 2 && second != nullptr ? second : first);
    RunModal(box);
    return second != nullptr && box.clickedButton() == second ? 2 : 1;
}

}  // namespace platform
