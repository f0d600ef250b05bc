#include "tests/gui/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kAlertPollMilliseconds = 10;

// WCAG's relative luminance of an sRGB colour.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor& one, const QColor& other) {
    // By value: std::minmax of two temporaries returns references to them.
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace

std::u16string SavedTextNumber(int number) {
    std::u16string text = u"Text " + QString::number(number).toStdU16String() + u".";
    for (int line = 0; line < 800; ++line) {
        text += u"\r\nThe writer saved this line again, and again.";
    }
    return text;
}

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
        events.push_back(
            {static_cast<int>(event.kind), event.number, static_cast<int>(event.type)});
    }
    return events;
}

AlertAnswerer::AlertAnswerer(const QString& buttonText, std::function<void()> whileOpen) {
    QObject::connect(&poll, &QTimer::timeout, [this, buttonText, whileOpen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (whileOpen) {
            whileOpen();
        }
        headlines.append(box->text());
        details.append(box->informativeText());
        if (buttonText.isEmpty() && box->defaultButton() != nullptr) {
            box->defaultButton()->click();
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        box->close();
    });
    poll.start(kAlertPollMilliseconds);
}

void AnswerSavePanel(QTimer& poll, const QString& folder, const QString& name) {
    QObject::connect(&poll, &QTimer::timeout, [&poll, folder, name] {
        auto* panel = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* field =
            panel ? panel->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (field == nullptr) {
            return;
        }
        poll.stop();
        panel->setDirectory(folder);
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    });
    poll.start(10);
}

void ExpectLegibleText(const QPalette& palette) {
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::PlaceholderText, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase},
        {QPalette::Link, QPalette::Base},
        {QPalette::Link, QPalette::Window}};
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
        for (const auto& [text, ground] : pairs) {
            EXPECT_GE(ContrastRatio(palette.color(group, text), palette.color(group, ground)), 4.5)
                << "group " << group << ", text role " << text << " on role " << ground;
        }
    }
}
