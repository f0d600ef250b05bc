// The typed text and a store on the real disk that cannot take it for a while:
// the user hears of it once, and the text is on the disk soon after the store
// can take it again, with no key pressed.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <string>

#include "shell/Preferences.h"
#include "tests/gui/AppTestSupport.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

class TextStoreTest : public AppWindowTest {
  protected:
    void SetUp() override {
        AppWindowTest::SetUp();
        file_ = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral("com.velmoor"), QStringLiteral("Quillory"))
                    .fileName();
        folder_ = QFileInfo(file_).path();
    }

    // Read from the disk: another QSettings would share the program's cache.
    QByteArray OnDisk() const {
        QFile file(file_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    [[nodiscard]] testing::AssertionResult DispatchUntilOnDisk(const QByteArray& text) const {
        if (QTest::qWaitFor(
                [&] {
                    DispatchPending();
                    return OnDisk().contains(text);
                },
                kSettleDeadlineMs)) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure() << text.constData() << " is not on the disk";
    }

    // Typed with an answerer for the alert that comes once the typing pauses.
    void TypeUntilTold(const QString& text) {
        const AlertAnswerer answerer(kDefaultButton);
        ASSERT_TRUE(Type(text));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                DispatchPending();
                return !answerer.details.isEmpty();
            },
            kSettleDeadlineMs));
        EXPECT_EQ(answerer.details.size(), 1);
        EXPECT_EQ(answerer.details.front(),
                  QString::fromStdU16String(std::u16string(kTextNotSavedMessage) + u"\n"));
    }

    QString file_;
    QString folder_;
};

TEST_F(TextStoreTest, AFolderThatCannotBeWrittenHoldsTheTextBackOnlyUntilItCan) {
    ASSERT_TRUE(Type(QStringLiteral("Saved first.")));
    ASSERT_TRUE(DispatchUntilOnDisk("Saved first."));

    // A file where the folder was: nothing can be written there, even by root.
    const QString aside = folder_ + QStringLiteral(".aside");
    ASSERT_TRUE(QDir().rename(folder_, aside));
    {
        QFile blocker(folder_);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    TypeUntilTold(QStringLiteral(" More words while the folder is gone."));

    ASSERT_TRUE(QFile::remove(folder_));
    ASSERT_TRUE(QDir().rename(aside, folder_));
    EXPECT_TRUE(DispatchUntilOnDisk("Saved first. More words while the folder is gone."));
}

// A mount of its own needs root and a mount namespace, made for this thread
// alone (the main thread, which writes the store), so nothing outlives the test.
TEST_F(TextStoreTest, AFullDiskHoldsTheTextBackOnlyUntilThereIsRoomAgain) {
    ASSERT_TRUE(Type(QStringLiteral("Saved first.")));
    ASSERT_TRUE(DispatchUntilOnDisk("Saved first."));
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", folder_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here (it needs root)";
    }
    const QString filler = QDir(folder_).filePath(QStringLiteral("filler"));
    {
        QFile fill(filler);
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (fill.write(block) == block.size() && fill.flush()) {
        }
    }
    TypeUntilTold(QStringLiteral(" More words on a full disk."));

    ASSERT_TRUE(QFile::remove(filler));
    EXPECT_TRUE(DispatchUntilOnDisk("Saved first. More words on a full disk."));
    umount2(folder_.toLocal8Bit().constData(), MNT_DETACH);
}

}  // namespace
