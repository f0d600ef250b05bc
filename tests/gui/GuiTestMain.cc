// Runs the GUI tests headless, with the user's folders pointed at a temporary
// one so that nothing touches real preferences.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Platform.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

class QtSession final : public testing::Environment {
  public:
    QtSession(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        PointUserFoldersAt(home_.path());
        ASSERT_EQ(platform::InitialisePlatform(argc_, argv_), platform::SessionStart::Started);
    }

    void TearDown() override { platform::ShutdownPlatform(); }

  private:
    int& argc_;
    char** argv_;
    QTemporaryDir home_;
};

}  // namespace

void PointUserFoldersAt(const QString& home) {
    QDir folder(home);
    folder.mkpath(QStringLiteral("config"));
    folder.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", folder.filePath(QStringLiteral("runtime")).toUtf8());
    // No desktop portal: the palette decides dark mode, the same on every machine.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    // Wide enough for the program's screen check, tall enough for the expanded window.
    const QString screens = folder.filePath(QStringLiteral("screens.json"));
    QFile config(screens);
    if (config.open(QIODevice::WriteOnly)) {
        config.write(R"({"screens": [{"name": "main", "width": 1440, "height": 900}]})");
    }
    const QByteArray display = qgetenv("QT_QPA_PLATFORM");
    if (display.isEmpty() || display == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toUtf8());
    }
}

int main(int argc, char** argv) {
    // A second start of the program, as the single-instance test runs it.
    if (argc == 2 && std::strcmp(argv[1], kSecondInstanceFlag) == 0) {
        if (platform::InitialisePlatform(argc, argv) != platform::SessionStart::Started) {
            return kAnotherInstanceRuns;
        }
        platform::ShutdownPlatform();
        return EXIT_SUCCESS;
    }
    if (argc == 2 && std::strcmp(argv[1], kKeepSavingFlag) == 0) {
        if (platform::InitialisePlatform(argc, argv) != platform::SessionStart::Started) {
            return kAnotherInstanceRuns;
        }
        for (int number = 1;; ++number) {
            platform::WritePreferenceString("AnalyzeText", SavedTextNumber(number));
            platform::SyncPreferences();
            std::printf("%d\n", number);
            std::fflush(stdout);
        }
    }
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new QtSession(argc, argv));
    return RUN_ALL_TESTS();
}
