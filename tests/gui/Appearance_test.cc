// The window on a light and a dark desktop, as the settings portal tells it:
// a stand-in portal on a private bus answers and announces "color-scheme".

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <map>
#include <memory>

#include "platform/Platform.h"
#include "platform/qt/Appearance.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "tests/gui/AppTestSupport.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/StandInPortal.h"
#include "testsupport/SampleText.h"

namespace {

constexpr uint kNoPreference = 0;
constexpr uint kDark = 1;
constexpr uint kLight = 2;
const QColor kEditorPage(254, 255, 223);

// Qt keeps the first session bus it reaches for the life of the process, so
// the tests share one bus and portal.
class AppearanceTest : public AppWindowTest {
  protected:
    static void SetUpTestSuite() {
        portal = std::make_unique<StandInPortal>();
        ASSERT_TRUE(portal->Start());
        qputenv("DBUS_SESSION_BUS_ADDRESS", portal->Address());
    }
    static void TearDownTestSuite() {
        platform::qt::StopWatchingAppearance();
        portal.reset();
    }

    void TearDown() override {
        platform::qt::StopWatchingAppearance();
        AppWindowTest::TearDown();
    }

    // Follows the desktop again, as the program does when it starts.
    static void FollowPortalAnswering(uint colourScheme) {
        portal->SetColourScheme(colourScheme);
        platform::qt::StopWatchingAppearance();
        platform::qt::WatchAppearance();
    }

    static inline std::unique_ptr<StandInPortal> portal;
};

// Handles the program's events until it has handled an appearance change.
testing::AssertionResult DispatchUntilAppearanceChanged() {
    bool changed = false;
    const auto handled = [&changed] {
        platform::Event event;
        while (platform::PollEvent(event)) {
            DispatchEvent(event);
            changed = changed || event.kind == platform::EventKind::AppearanceChanged;
        }
        return changed;
    };
    if (QTest::qWaitFor(handled, kSettleDeadlineMs)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "no appearance change reached the event loop";
}

// The window's palette, and the round help document button, painted with a
// style sheet, inside its rim.
bool WindowLooksDark() {
    const QImage round = ControlWidget(kHelpDocumentButton)->grab().toImage();
    const bool roundDark = round.pixelColor(6, round.height() / 2).lightness() < 128;
    const bool paletteDark =
        MainWindowForTest()->palette().color(QPalette::Window).lightness() < 128;
    EXPECT_EQ(roundDark, paletteDark);
    return paletteDark;
}

// The colour a button's symbol is drawn in: that of its most opaque pixel.
QColor SymbolColour(int number) {
    const QImage symbol =
        qobject_cast<QPushButton*>(ControlWidget(number))->icon().pixmap(24).toImage();
    QColor strongest(Qt::transparent);
    for (int y = 0; y < symbol.height(); ++y) {
        for (int x = 0; x < symbol.width(); ++x) {
            if (symbol.pixelColor(x, y).alpha() > strongest.alpha()) {
                strongest = symbol.pixelColor(x, y);
            }
        }
    }
    return strongest;
}

// The editor keeps its light yellow page and black text whatever the desktop.
void ExpectLightYellowPage() {
    auto* editor = qobject_cast<QPlainTextEdit*>(ControlWidget(kEditor));
    EXPECT_EQ(editor->palette().color(QPalette::Base), kEditorPage);
    EXPECT_EQ(editor->palette().color(QPalette::Text), QColor(Qt::black));
    const QImage page = editor->viewport()->grab().toImage();
    EXPECT_EQ(page.pixelColor(page.width() - 4, page.height() - 4), kEditorPage);
}

std::map<QString, QString> AccessibleNames() {
    std::map<QString, QString> names;
    for (QWidget* widget : MainWindowForTest()->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->objectName().startsWith(QStringLiteral("control-"))) {
            names[widget->objectName()] =
                QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        }
    }
    return names;
}

void SaveScreenshot(const QString& name) {
    const QString folder = QStringLiteral(QUILLORY_ARTIFACTS_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(MainWindowForTest()->grab().save(folder + QLatin1Char('/') + name));
}

TEST_F(AppearanceTest, TheWindowTurnsDarkAndLightAgainWithTheDesktop) {
    platform::SetControlText(kEditor, u"");
    ASSERT_TRUE(Paste(SampleEnglishText(600)));
    const std::map<QString, QString> names = AccessibleNames();
    FollowPortalAnswering(kNoPreference);
    ASSERT_TRUE(DispatchUntilAppearanceChanged());
    EXPECT_FALSE(platform::IsDarkMode());
    EXPECT_FALSE(WindowLooksDark());
    ExpectLightYellowPage();
    SaveScreenshot(QStringLiteral("window-light.png"));

    portal->AnnounceColourScheme(kDark);
    ASSERT_TRUE(DispatchUntilAppearanceChanged());
    EXPECT_TRUE(platform::IsDarkMode());
    EXPECT_TRUE(WindowLooksDark());
    ExpectLegibleText(MainWindowForTest()->palette());
    ExpectLightYellowPage();
    // The symbols are redrawn in the dark palette's light button text.
    EXPECT_EQ(SymbolColour(kClearButton).rgb(),
              MainWindowForTest()->palette().color(QPalette::ButtonText).rgb());
    EXPECT_EQ(AccessibleNames(), names);
    SaveScreenshot(QStringLiteral("window-dark.png"));

    portal->AnnounceColourScheme(kLight);
    ASSERT_TRUE(DispatchUntilAppearanceChanged());
    EXPECT_FALSE(platform::IsDarkMode());
    EXPECT_FALSE(WindowLooksDark());
    EXPECT_EQ(SymbolColour(kClearButton).rgb(),
              MainWindowForTest()->palette().color(QPalette::ButtonText).rgb());
    ExpectLightYellowPage();
}

TEST_F(AppearanceTest, ADarkDesktopGivesADarkWindowFromTheStart) {
    FollowPortalAnswering(kDark);
    ASSERT_TRUE(DispatchUntilAppearanceChanged());
    EXPECT_TRUE(platform::IsDarkMode());
    EXPECT_TRUE(WindowLooksDark());
    ExpectLegibleText(QApplication::palette());
    ExpectLightYellowPage();
}

}  // namespace
