#include "platform/qt/DarkPalette.h"

#include <QColor>

namespace platform::qt {

QPalette DarkPalette() {
    const QColor text(240, 240, 240);
    const QColor dimmedText(170, 170, 170);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(50, 50, 50));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::PlaceholderText, dimmedText);
    palette.setColor(QPalette::Button, QColor(60, 60, 60));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 255, 255));
    palette.setColor(QPalette::Light, QColor(95, 95, 95));
    palette.setColor(QPalette::Midlight, QColor(75, 75, 75));
    // Mid outlines the bars and the round button, so it stands apart from the window.
    palette.setColor(QPalette::Mid, QColor(110, 110, 110));
    palette.setColor(QPalette::Dark, QColor(30, 30, 30));
    palette.setColor(QPalette::Shadow, QColor(15, 15, 15));
    // Light enough to show against the bars' dark trough, so selected text is black.
    palette.setColor(QPalette::Highlight, QColor(64, 140, 230));
    palette.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
    palette.setColor(QPalette::Link, QColor(120, 180, 255));
    palette.setColor(QPalette::LinkVisited, QColor(190, 160, 255));
    palette.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
    palette.setColor(QPalette::ToolTipText, text);

    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        palette.setColor(QPalette::Disabled, role, dimmedText);
    }
    palette.setColor(QPalette::Disabled, QPalette::PlaceholderText, QColor(140, 140, 140));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, QColor(230, 230, 230));
    return palette;
}

}  // namespace platform::qt
