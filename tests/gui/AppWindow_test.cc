// The real shell over the real widgets: start-up, typing, the rows, the
// buttons and their alerts, the keyboard and a screen reader, as a user meets them.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <vector>

#include "engine/AnalysisJob.h"
#include "platform/Platform.h"
#include "results/MetricRows.h"
#include "shell/AnalysisWorker.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/LiveAnalysis.h"
#include "shell/MainWindow.h"
#include "shell/MetricRowLayout.h"
#include "shell/ShellState.h"
#include "shell/StartUp.h"
#include "tests/gui/AppTestSupport.h"
#include "tests/gui/GuiTestSupport.h"
#include "testsupport/SampleText.h"

namespace {

// A name or description that a screen reader would read out with its markup.
bool HasMarkup(const QString& text) {
    static const QRegularExpression markup(
        QStringLiteral("<[A-Za-z/!]|&(#[0-9]+|#x[0-9A-Fa-f]+|[A-Za-z]+);"));
    return markup.match(text).hasMatch();
}

QString AccessibleText(int number, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(ControlWidget(number))->text(text);
}

// The object names of the widgets Tab or Shift+Tab reaches from the focused
// one, until it comes round again.
QStringList FocusCycle(Qt::Key key) {
    QWidget* window = MainWindowForTest();
    const QWidget* start = window->focusWidget();
    QStringList visited;
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(window->focusWidget(), key);
        if (window->focusWidget() == start) {
            break;
        }
        visited.append(window->focusWidget()->objectName());
    }
    return visited;
}

TEST_F(AppWindowTest, TypingFillsTheRowsAndSavesTheText) {
    EXPECT_FALSE(platform::ControlEnabled(kRecommendationsButton));
    ASSERT_TRUE(Type(QStringLiteral("Hello world.")));

    EXPECT_EQ(platform::WindowContentHeight(), 770);
    EXPECT_EQ(platform::ControlText(kSummaryLine),
              u"2 words, 1 sentences, 1 paragraphs, and 1 page");
    EXPECT_TRUE(platform::ControlEnabled(kRecommendationsButton));

    // The final text wins however the throttles cut the passes.
    ASSERT_TRUE(
        Type(QStringLiteral(" The quick brown fox jumps over the lazy dog again and again.")));
    const std::u16string text = platform::ControlText(kEditor);
    ExpectRowsDescribe(text);
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), text);
}

TEST_F(AppWindowTest, ButtonsRunTheirCommandsAroundModalAlerts) {
    ASSERT_TRUE(Type(QStringLiteral("Short words help. Long sentences do not.")));

    std::vector<bool> enabledDuringReport;
    {
        const AlertAnswerer answerer(kDefaultButton, [&] {
            for (const int button : {kExportButton, kClearButton, kRecommendationsButton}) {
                enabledDuringReport.push_back(platform::ControlEnabled(button));
            }
        });
        QTest::mouseClick(ControlWidget(kRecommendationsButton), Qt::LeftButton);
        DispatchPending();
        ASSERT_EQ(answerer.headlines.size(), 1);
        EXPECT_FALSE(answerer.details[0].isEmpty());
    }
    EXPECT_EQ(enabledDuringReport, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(platform::ControlEnabled(kClearButton));

    QTest::mouseClick(ControlWidget(kClearButton), Qt::LeftButton);
    DispatchPending();
    EXPECT_EQ(platform::WindowContentHeight(), 320);
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), u"");
    EXPECT_FALSE(platform::ControlEnabled(kClearButton));
}

TEST_F(AppWindowTest, OverlongPasteWarnsAndKeepsTheText) {
    const AlertAnswerer answerer(kDefaultButton);
    ASSERT_TRUE(Paste(SampleEnglishText(40000)));
    ASSERT_FALSE(answerer.details.isEmpty());
    EXPECT_TRUE(answerer.details[0].startsWith(
        QStringLiteral("The input text exceeds the maximum allowed length of 32768")));
    EXPECT_EQ(platform::ControlText(kEditor).size(), 40000u);

    // Emoji and a lone surrogate neither crash the pass nor change the text.
    const std::u16string odd = u"Caf\u00e9 \U0001F600 ok. \xDC00 Fine.";
    platform::SetControlText(kEditor, u"");
    ASSERT_TRUE(Paste(odd));
    ASSERT_TRUE(Type(QStringLiteral(" End.")));
    EXPECT_EQ(platform::ControlText(kEditor), odd + u" End.");
    ExpectRowsDescribe(odd + u" End.");
}

TEST_F(AppWindowTest, ExpandedWindowScreenshot) {
    platform::SetControlText(kEditor, u"");
    ASSERT_TRUE(Paste(SampleEnglishText(600)));
    ASSERT_EQ(platform::WindowContentHeight(), 770);
    const QString folder = QStringLiteral(QUILLORY_ARTIFACTS_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(MainWindowForTest()->grab().save(folder + QStringLiteral("/window-expanded.png")));
}

TEST_F(AppWindowTest, ScreenReadersGetPlainNamesAndDescriptions) {
    ASSERT_TRUE(Type(QStringLiteral("Hello world. The cat sat on the mat.")));
    ASSERT_EQ(platform::WindowContentHeight(), kExpandedHeight);

    int walked = 0;
    for (QWidget* widget :
         MainWindowForTest()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisible()) {
            continue;
        }
        ++walked;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << widget->objectName().toStdString();
        const QString name = accessible->text(QAccessible::Name);
        const QString description = accessible->text(QAccessible::Description);
        const std::string what =
            widget->objectName().toStdString() + " (" + widget->metaObject()->className() + ")";
        EXPECT_FALSE(name.trimmed().isEmpty()) << what;
        EXPECT_FALSE(HasMarkup(name)) << what << ": " << name.toStdString();
        EXPECT_FALSE(HasMarkup(description)) << what << ": " << description.toStdString();
    }
    EXPECT_GE(walked, 49);  // the window's 13 and the rows' 36

    EXPECT_EQ(AccessibleText(kEditor, QAccessible::Name),
              QStringLiteral("Paste or enter in text below:"));
    EXPECT_EQ(AccessibleText(kGearButton, QAccessible::Name), QStringLiteral("Settings"));
    EXPECT_EQ(AccessibleText(kHelpDocumentButton, QAccessible::Name),
              QStringLiteral("Open the help document"));
    EXPECT_EQ(AccessibleText(kClearButton, QAccessible::Name), QStringLiteral("Clear"));

    // The help's paragraphs reach the screen reader as the tooltip shows them, without markup.
    const int helpIcon = kMetricRowLayouts[1].helpControl;
    QWidget* help = ControlWidget(helpIcon);
    EXPECT_EQ(AccessibleText(helpIcon, QAccessible::Name),
              QStringLiteral("Help: Flesch-Kincaid Grade Level"));
    ASSERT_TRUE(help->toolTip().startsWith(QStringLiteral("<p")));
    QTextDocument shown;
    shown.setHtml(help->toolTip());
    const QString description = AccessibleText(helpIcon, QAccessible::Description);
    EXPECT_EQ(description, shown.toPlainText());
    EXPECT_TRUE(description.contains(QStringLiteral("intended audience.")));
    EXPECT_TRUE(description.contains(QStringLiteral("grade level.\n\nIt indicates")));

    // A bar tells its measure and the value its row shows.
    const QString barName = AccessibleText(kMetricRowLayouts[0].barControl, QAccessible::Name);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Flesch-Kincaid Ease: -?[0-9]+\\.[0-9]{2}$"))
                    .match(barName)
                    .hasMatch())
        << barName.toStdString();
    EXPECT_EQ(barName,
              QString::fromStdU16String(platform::ControlText(kMetricRowLayouts[0].valueControl)));

    // The drop-down shows its choice as its name and is labelled "Scenario".
    const auto labels = QAccessible::queryAccessibleInterface(ControlWidget(kScenarioDropDown))
                            ->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("Scenario"));

    EXPECT_EQ(AccessibleText(kVariantButton, QAccessible::Name),
              QStringLiteral("English variant: US English"));
    QTest::mouseClick(ControlWidget(kVariantButton), Qt::LeftButton);
    ASSERT_TRUE(DispatchUntilSettled());
    EXPECT_EQ(AccessibleText(kVariantButton, QAccessible::Name),
              QStringLiteral("English variant: UK English"));
    EXPECT_EQ(platform::ControlText(kVariantButton), u"\U0001F1EC\U0001F1E7 English");
}

TEST_F(AppWindowTest, TabVisitsEveryControlInReadingOrder) {
    ASSERT_TRUE(Type(QStringLiteral("Hello world. The cat sat on the mat.")));
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowForTest(), kSettleDeadlineMs));
    platform::FocusControl(kEditor);

    std::vector<int> order = {kRecommendationsButton, kClearButton, kExportButton,
                              kHelpDocumentButton, kGearButton};
    for (int screenRow = 0; screenRow < static_cast<int>(kMetricRows.size()); ++screenRow) {
        order.push_back(kFirstRowHelpIcon + screenRow);
    }
    order.insert(order.end(),
                 {kInputHelpIcon, kVariantButton, kScenarioDropDown, kScenarioHelpIcon});
    QStringList expected;
    for (const int number : order) {
        expected.append(QStringLiteral("control-%1").arg(number));
    }
    EXPECT_EQ(FocusCycle(Qt::Key_Tab), expected);
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(FocusCycle(Qt::Key_Backtab), expected);

    // A help icon shows its help while it has the focus. The key's release goes
    // where the focus went, as from a real keyboard.
    QTest::keyPress(ControlWidget(kEditor), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), ControlWidget(kScenarioHelpIcon));
    QTest::keyRelease(ControlWidget(kScenarioHelpIcon), Qt::Key_Backtab);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), ControlWidget(kScenarioHelpIcon)->toolTip());
    QTest::keyPress(ControlWidget(kScenarioHelpIcon), Qt::Key_Tab);
    QTest::keyRelease(ControlWidget(kEditor), Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, kSettleDeadlineMs));
}

TEST_F(AppWindowTest, GearMenuOpensFromTheKeyboardUnderTheButton) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowForTest(), kSettleDeadlineMs));
    QWidget* gear = ControlWidget(kGearButton);
    auto* menu = MainWindowForTest()->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    const QPoint underGear = gear->mapToGlobal(QPoint(0, gear->height()));
    QCursor::setPos(1400, 880);
    platform::FocusControl(kGearButton);

    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        QTest::keyClick(gear, key);
        DispatchPending();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, kSettleDeadlineMs))
            << key;
        EXPECT_EQ(menu->pos(), underGear) << key;
        EXPECT_EQ(menu->activeAction(), menu->actions().constFirst()) << key;
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, kSettleDeadlineMs))
            << key;
    }

    // A click opens it at the pointer, as before.
    const QPoint onGear = gear->mapToGlobal(QPoint(10, 12));
    QCursor::setPos(onGear);
    QTest::mouseClick(gear, Qt::LeftButton, {}, QPoint(10, 12));
    DispatchPending();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, kSettleDeadlineMs));
    EXPECT_EQ(menu->pos(), onGear);
    menu->hide();
}

TEST_F(AppWindowTest, EditorTextStaysBlackOnItsLightBackgroundUnderADarkTheme) {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    QApplication::setPalette(dark);
    DispatchPending();
    ToggleMainWindow();
    ToggleMainWindow();
    ASSERT_TRUE(platform::WindowExists());
    const QPalette editor = ControlWidget(kEditor)->palette();
    EXPECT_EQ(editor.color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(editor.color(QPalette::Base), QColor(254, 255, 223));
}

}  // namespace
