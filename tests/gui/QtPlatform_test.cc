#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include "platform/Platform.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

using platform::ControlKind;
using platform::Event;

constexpr EventFields kEditorChange = {3, 1, 768};

class QtPlatformTest : public testing::Test {
  protected:
    void SetUp() override { platform::CreateWindow({100, 50}, 720, 320, u"Quillory"); }
    void TearDown() override {
        platform::DestroyWindow();
        DrainEvents();
    }
};

TEST_F(QtPlatformTest, OnlyTheUsersEditsClicksAndChoicesRaiseEvents) {
    platform::CreateControl(ControlKind::Editor, 1, {10, 40, 700, 190}, u"saved text");
    platform::CreateControl(ControlKind::PushButton, 4, {10, 254, 260, 40}, u"Recommend");
    platform::CreateControl(ControlKind::DropDown, 234, {510, 8, 180, 30}, u"");
    platform::SetControlItems(234, {u"General Content", u"Creative Writing"});
    platform::SetControlValue(234, 0);
    EXPECT_EQ(ControlWidget(4)->geometry(), QRect(10, 254, 260, 40));
    platform::SetControlText(1, u"");
    QTest::keyClicks(ControlWidget(1), QStringLiteral("Hi"));
    EXPECT_EQ(platform::ControlText(1), u"Hi");
    QTest::mouseClick(ControlWidget(4), Qt::LeftButton);
    QTest::keyClick(ControlWidget(234), Qt::Key_Down);
    EXPECT_EQ(platform::ControlValue(234), 1);
    EXPECT_EQ(DrainEvents(),
              (std::vector<EventFields>{kEditorChange, kEditorChange, {3, 4, 0}, {3, 234, 768}}));

    // A disabled button reports nothing.
    platform::SetControlEnabled(4, false);
    QTest::mouseClick(ControlWidget(4), Qt::LeftButton);
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(QtPlatformTest, ShortcutsNeedExactlyTheirModifiers) {
    platform::AddWindowShortcut(4004, "Ctrl+W");
    platform::AddWindowShortcut(4005, "Alt+Shift+C");
    platform::CreateControl(ControlKind::Editor, 1, {10, 40, 700, 190}, u"");
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowForTest()));
    QWidget* editor = ControlWidget(1);

    QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(DrainEvents(), (std::vector<EventFields>{{1, 4004, 0}, {1, 4005, 0}}));

    QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier);
    for (const EventFields& event : DrainEvents()) {
        EXPECT_NE(event[0], 1) << "menu event " << event[1];
    }
}

TEST_F(QtPlatformTest, WindowKeepsItsTopEdgeAndReportsItsCloseButton) {
    EXPECT_EQ(platform::WindowPosition().x, 100);
    EXPECT_EQ(platform::WindowPosition().y, 50);
    EXPECT_EQ(platform::WindowContentHeight(), 320);

    platform::SetWindowContentHeight(770);
    platform::SetWindowFloating(true);
    EXPECT_EQ(platform::WindowContentHeight(), 770);
    EXPECT_TRUE(MainWindowForTest()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(MainWindowForTest()->isVisible());
    EXPECT_EQ(platform::WindowPosition().x, 100);
    EXPECT_EQ(platform::WindowPosition().y, 50);

    // Closing is the shell's decision: the window stays and reports event 2.
    MainWindowForTest()->close();
    EXPECT_TRUE(platform::WindowExists());
    EXPECT_EQ(DrainEvents(), (std::vector<EventFields>{{2, 0, 0}}));
}

TEST_F(QtPlatformTest, GearMenuReportsChoicesAndKeepsTheProgramsCheckMarks) {
    platform::CreateGearMenu({{1, u"Set Window always on top"}, {2, u"About"}, {6, u"Quit"}});
    platform::SetMenuItemChecked(1, true);
    auto* menu = MainWindowForTest()->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 5);  // separators between neighbours
    EXPECT_TRUE(menu->actions()[1]->isSeparator());

    menu->actions()[0]->trigger();
    menu->actions()[4]->trigger();
    EXPECT_EQ(DrainEvents(), (std::vector<EventFields>{{1, 1, 0}, {1, 6, 0}}));
    EXPECT_TRUE(platform::MenuItemChecked(1));
    EXPECT_FALSE(platform::MenuItemChecked(2));
}

TEST_F(QtPlatformTest, AlertsReturnTheChosenButton) {
    const auto alert = [](const QString& answer, int defaultButton, std::u16string_view button2) {
        const AlertAnswerer answerer(answer);
        return platform::ShowAlert(u"Quillory", u"text", platform::AlertIcon::Note, defaultButton,
                                   u"See My Other Apps", button2);
    };
    EXPECT_EQ(alert(QStringLiteral("See My Other Apps"), 2, u"Ok"), 1);
    EXPECT_EQ(alert(kDefaultButton, 2, u"Ok"), 2);
    EXPECT_EQ(alert(kDefaultButton, 1, u""), 1);

    // Markup in either text is shown as typed.
    QStringList shown;
    const AlertAnswerer answerer(kDefaultButton, [&shown] {
        for (const QLabel* label : QApplication::activeModalWidget()->findChildren<QLabel*>()) {
            if (!label->text().isEmpty() && label->textFormat() == Qt::PlainText) {
                shown.append(label->text());
            }
        }
    });
    platform::ShowMessage(u"<i>Error!</i>", u"<b>not markup</b> <a href='x'>x</a>\n",
                          platform::AlertIcon::Stop);
    EXPECT_EQ(answerer.headlines, QStringList{QStringLiteral("<i>Error!</i>")});
    shown.sort();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("<b>not markup</b> <a href='x'>x</a>\n"),
                                  QStringLiteral("<i>Error!</i>")}));
}

TEST_F(QtPlatformTest, TheSavePanelGivesTheNameAsTyped) {
    const QTemporaryDir folder;
    for (const QString& name :
         {QStringLiteral("report \"final\".txt"), QStringLiteral("plain.txt")}) {
        QTimer poll;
        AnswerSavePanel(poll, folder.path(), name);
        const std::string path =
            platform::ShowSavePanel(u"Export Quillory Analysis", u"x.txt", u"Text Files", u"*.txt");
        EXPECT_EQ(path, QDir(folder.path()).filePath(name).toStdString());
    }
}

// A flag drawn from a colour emoji font has colour; a missing glyph is a grey box.
TEST_F(QtPlatformTest, FlagsOnButtonsRenderInColour) {
    platform::CreateControl(ControlKind::PushButton, 8, {10, 10, 200, 40},
                            u"\U0001F1FA\U0001F1F8 English");
    const QImage image = ControlWidget(8)->grab().toImage();
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            coloured += QColor(image.pixel(x, y)).hsvSaturation() > 60 ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 10) << "is fonts-noto-color-emoji installed?";
}

// Counts the paints of the widgets it watches.
struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(QtPlatformTest, ALabelsNewTextRepaintsNoControlOverIt) {
    platform::CreateControl(ControlKind::CentredLabel, 232, {10, 236, 700, 25}, u"88 words");
    platform::CreateControl(ControlKind::PushButton, 4, {10, 254, 260, 40}, u"Recommend");
    platform::CreateControl(ControlKind::ProgressBar, 122, {400, 240, 100, 10}, u"");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainWindowForTest()));
    PaintCount label;
    PaintCount button;
    ControlWidget(232)->installEventFilter(&label);
    ControlWidget(4)->installEventFilter(&button);
    platform::SetControlText(232, u"89 words");
    QTRY_VERIFY_WITH_TIMEOUT(label.paints > 0, 30000);
    EXPECT_EQ(button.paints, 0);

    // What the controls over it cover is left out of the label while they show.
    const QRegion showing = ControlWidget(232)->mask();
    EXPECT_FALSE(showing.contains(QPoint(20, 20)));   // under the button
    EXPECT_FALSE(showing.contains(QPoint(400, 10)));  // under the bar
    EXPECT_TRUE(showing.contains(QPoint(300, 10)));
    platform::SetControlVisible(122, false);
    EXPECT_TRUE(ControlWidget(232)->mask().contains(QPoint(400, 10)));
    platform::SetControlVisible(4, false);
    EXPECT_TRUE(ControlWidget(232)->mask().isEmpty());  // nothing over it: not clipped
    platform::SetControlVisible(4, true);
    EXPECT_FALSE(ControlWidget(232)->mask().contains(QPoint(20, 20)));

    // A control made again elsewhere leaves nothing of its old place out.
    platform::CreateControl(ControlKind::PushButton, 4, {10, 300, 260, 40}, u"Recommend");
    EXPECT_TRUE(ControlWidget(232)->mask().isEmpty());
}

TEST(QtPreferences, ValuesRoundTripAndBadOnesReadAsZero) {
    EXPECT_FALSE(platform::PreferencesExist());
    EXPECT_EQ(platform::ReadPreferenceInteger("TopWin"), 0);
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), u"");

    // Every line break and emoji survives the file.
    const std::u16string text = u"Hello, world. \U0001F600\r\nTwo\rThree\n";
    platform::WritePreferenceInteger("Locale", 1);
    platform::WritePreferenceString("AnalyzeText", text);
    platform::WritePreferenceString("TopWin", u"yes");
    EXPECT_EQ(platform::ReadPreferenceInteger("Locale"), 1);
    EXPECT_EQ(platform::ReadPreferenceInteger("TopWin"), 0);
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), text);
    // Writes reach the disk with the sync, not before, even after the event loop turns.
    QCoreApplication::processEvents();
    const auto onDisk = [] {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         QStringLiteral("com.velmoor"), QStringLiteral("Quillory"))
            .value(QStringLiteral("AnalyzeText"))
            .toString()
            .toStdU16String();
    };
    EXPECT_EQ(onDisk(), u"");
    platform::SyncPreferences();
    EXPECT_EQ(onDisk(), text);
    const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QStringLiteral("com.velmoor"), QStringLiteral("Quillory"))
                             .fileName();

    // A folder where the file should be: still "exists", and a sync fails but
    // keeps the writes for the next one, which succeeds once the folder is gone.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    platform::WritePreferenceString("AnalyzeText", u"kept");
    EXPECT_FALSE(platform::SyncPreferences());
    EXPECT_TRUE(platform::PreferencesExist());
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), u"kept");
    EXPECT_FALSE(platform::SyncPreferences());
    ASSERT_TRUE(QDir(path).removeRecursively());
    EXPECT_TRUE(platform::SyncPreferences());
    EXPECT_EQ(onDisk(), u"kept");
}

// Earlier versions stored the text as a string, and a file edited by hand may
// hold unquoted commas: both read back whole from the disk. The text stored now,
// as bytes, reads back from the disk as the same text, in earlier versions too.
TEST(QtPreferences, TextsOnDiskReadBackInEitherForm) {
    const std::u16string text = u"Hello, world. \U0001F600 caf\u00E9\r\nTwo, \"three\"\rFour";
    const QString store = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("com.velmoor"), QStringLiteral("Quillory"))
                              .fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(store).path()));
    const QTemporaryDir scratch;
    const QString earlier = scratch.filePath(QStringLiteral("earlier.conf"));
    {
        QSettings written(earlier, QSettings::IniFormat);
        written.setValue(QStringLiteral("AnalyzeText"), QString::fromStdU16String(text));
    }
    ASSERT_TRUE(QFile::copy(earlier, store));
    platform::SyncPreferences();  // with nothing to write, the file is read again
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), text);

    QFile edited(store);
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
    edited.write("[General]\nAnalyzeText=one, two\n");
    edited.close();
    platform::SyncPreferences();
    EXPECT_EQ(platform::ReadPreferenceString("AnalyzeText"), u"one, two");

    platform::WritePreferenceString("AnalyzeText", text);
    platform::SyncPreferences();
    const QString copy = scratch.filePath(QStringLiteral("copy.conf"));
    ASSERT_TRUE(QFile::copy(store, copy));
    EXPECT_EQ(QSettings(copy, QSettings::IniFormat)
                  .value(QStringLiteral("AnalyzeText"))
                  .toString()
                  .toStdU16String(),
              text);
}

// Without a portal the platform's palette tells; a dark one gives way to the
// program's own, legible one.
TEST(QtEnvironment, DarkModeFollowsThePaletteAndIsAnnounced) {
    EXPECT_FALSE(platform::IsDarkMode());
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(60, 60, 60));
    QApplication::setPalette(dark);
    EXPECT_TRUE(platform::IsDarkMode());
    EXPECT_EQ(platform::WaitForEvent().kind, platform::EventKind::AppearanceChanged);
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightness(), 128);
    ExpectLegibleText(QApplication::palette());

    QPalette light = QApplication::palette();
    light.setColor(QPalette::Window, QColor(240, 240, 240));
    QApplication::setPalette(light);
    EXPECT_FALSE(platform::IsDarkMode());
    EXPECT_EQ(platform::WaitForEvent().kind, platform::EventKind::AppearanceChanged);
}

// This program started again with `flag`, its store in `folders`.
void StartWithStoreIn(QProcess& process, const QTemporaryDir& folders, const char* flag) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folders.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.path());
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {QString(flag)});
}

// The store is replaced whole: a kill at any moment leaves a file that reads
// back with one complete text.
TEST(QtPreferences, AKillWhileSavingLeavesACompleteText) {
    const QTemporaryDir folders;
    const QString store = folders.filePath(QStringLiteral("config/com.velmoor/Quillory.conf"));
    for (int round = 0; round < 12; ++round) {
        QProcess saver;
        StartWithStoreIn(saver, folders, kKeepSavingFlag);
        // Killed after a few saves, most likely in the middle of the next.
        int saved = 0;
        while (saved < 2 + round % 5 && saver.waitForReadyRead(30000)) {
            saved += static_cast<int>(saver.readAll().count('\n'));
        }
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(30000));
        ASSERT_GT(saved, 0) << "the saver did not start";
        const QSettings read(store, QSettings::IniFormat);
        ASSERT_EQ(read.status(), QSettings::NoError) << round;
        const std::u16string text =
            read.value(QStringLiteral("AnalyzeText")).toString().toStdU16String();
        const int number = QString::fromStdU16String(text.substr(5, text.find(u'.') - 5)).toInt();
        EXPECT_GE(number, saved) << round;
        EXPECT_EQ(text, SavedTextNumber(number)) << round;
    }
}

// A run killed between making the store's lock and writing its owner into it
// leaves an empty lock, which QSettings would wait on for half a minute: a start
// removes it. A lock that names its owner is QSettings' to judge.
TEST(QtPreferences, AStartRemovesAnEmptyLockLeftByAKilledRun) {
    const QTemporaryDir folders;
    ASSERT_TRUE(QDir().mkpath(folders.filePath(QStringLiteral("config/com.velmoor"))));
    QFile lock(folders.filePath(QStringLiteral("config/com.velmoor/Quillory.conf.lock")));
    const auto startOnce = [&] {
        QProcess start;
        StartWithStoreIn(start, folders, kSecondInstanceFlag);
        ASSERT_TRUE(start.waitForFinished(30000));
        EXPECT_EQ(start.exitCode(), EXIT_SUCCESS);
    };
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("12345\nquillory\nhost\n");
    lock.close();
    startOnce();
    EXPECT_TRUE(lock.exists());

    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.close();
    startOnce();
    EXPECT_FALSE(lock.exists());
}

TEST(QtSingleInstance, SecondStartTogglesTheFirstAndCrashLeftoversDoNotBlock) {
    QProcess second;
    second.start(QCoreApplication::applicationFilePath(), {QString(kSecondInstanceFlag)});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), kAnotherInstanceRuns);
    EXPECT_EQ(platform::WaitForEvent().kind, platform::EventKind::StatusItem);

    // A socket file and a lock of a process that is gone, as a crash leaves them.
    QTemporaryDir runtime;
    const QString name = QStringLiteral("com.velmoor.Quillory-%1.").arg(getuid());
    QFile socket(QDir(runtime.path()).filePath(name + QStringLiteral("socket")));
    QFile lock(QDir(runtime.path()).filePath(name + QStringLiteral("lock")));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("4194300\nquillory\n\n");
    socket.close();
    lock.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess afterCrash;
    afterCrash.setProcessEnvironment(environment);
    afterCrash.start(QCoreApplication::applicationFilePath(), {QString(kSecondInstanceFlag)});
    ASSERT_TRUE(afterCrash.waitForFinished(10000));
    EXPECT_EQ(afterCrash.exitCode(), 0);
}

}  // namespace
