#include "platform/common/LoginFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "shell/LoginEntry.h"
#include "testsupport/TemporaryFolder.h"

namespace {

// Sets PATH for the scope.
struct ScopedPath {
    explicit ScopedPath(const std::string& value) { setenv("PATH", value.c_str(), 1); }
    ~ScopedPath() { setenv("PATH", old.c_str(), 1); }
    const std::string old = std::getenv("PATH");
};

bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & 0777) == 0700;
}

// launchctl is not waited for: the log once it holds that many runs, or after 60 s.
std::string WaitForRuns(const std::string& log, long runs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::string text = ReadFile(log);
    while (std::count(text.begin(), text.end(), '\n') < runs &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        text = ReadFile(log);
    }
    return text;
}

TEST(LoginFiles, AutostartEntryOnOffOn) {
    const TemporaryFolder home;
    const std::string config = home / "config & more";
    const std::string entry = config + "/autostart/com.velmoor.Quillory.desktop";
    const std::string program = "/opt/R&D tools/quillory";

    EXPECT_TRUE(platform::posix::InstallAutostartEntry(config, AutostartDesktopEntry(program)));
    EXPECT_TRUE(IsPrivateFolder(config) && IsPrivateFolder(config + "/autostart"));
    EXPECT_EQ(ReadFile(entry), AutostartDesktopEntry(program));
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + entry + "'").c_str()), 0);
    }
    EXPECT_TRUE(platform::posix::RemoveAutostartEntry(config));
    EXPECT_TRUE(platform::posix::RemoveAutostartEntry(config));
    EXPECT_EQ(ListFolder(config + "/autostart"), "");

    // On again over an old entry.
    WriteFile(entry, std::string(5000, '#'));
    EXPECT_TRUE(
        platform::posix::InstallAutostartEntry(config, AutostartDesktopEntry("/usr/bin/quillory")));
    EXPECT_EQ(ReadFile(entry), AutostartDesktopEntry("/usr/bin/quillory"));

    WriteFile(home / "blocked", "");
    EXPECT_FALSE(
        platform::posix::InstallAutostartEntry(home / "blocked", AutostartDesktopEntry(program)));
    EXPECT_FALSE(
        platform::posix::InstallAutostartEntry("relative", AutostartDesktopEntry(program)));
}

TEST(LoginFiles, LaunchAgentOnOffOnWithLaunchctl) {
    const TemporaryFolder bin;
    const std::string log = bin / "runs.log";
    WriteFile(bin / "launchctl",
              "#!/bin/sh\nprintf '%s|' \"$@\" >> '" + log + "'\necho >> '" + log + "'\n");
    chmod((bin / "launchctl").c_str(), 0755);
    const ScopedPath path(bin.Path());
    const TemporaryFolder folder;
    const std::string home = folder / "Jo & Al";
    const std::string agent = home + "/Library/LaunchAgents/com.velmoor.Quillory.plist";
    const std::string bundle = "/Applications/My <Apps>/Quillory.app";

    EXPECT_TRUE(platform::posix::RemoveLaunchAgent(home));  // nothing to unload
    EXPECT_TRUE(platform::posix::InstallLaunchAgent(home, LaunchAgentPlist(bundle)));
    EXPECT_TRUE(IsPrivateFolder(home + "/Library/LaunchAgents"));
    EXPECT_EQ(ReadFile(agent), LaunchAgentPlist(bundle));
    EXPECT_EQ(WaitForRuns(log, 1), "load|" + agent + "|\n");

    EXPECT_TRUE(platform::posix::RemoveLaunchAgent(home));
    EXPECT_EQ(ReadFile(agent), "<missing>");
    EXPECT_EQ(WaitForRuns(log, 2), "load|" + agent + "|\nunload|" + agent + "|\n");

    EXPECT_TRUE(platform::posix::InstallLaunchAgent(home, LaunchAgentPlist(bundle)));
    EXPECT_TRUE(WaitForRuns(log, 3).ends_with("|\nload|" + agent + "|\n"));

    // Without launchctl the file work still happens.
    const ScopedPath noPath(folder.Path());
    EXPECT_TRUE(platform::posix::RemoveLaunchAgent(home));
    EXPECT_EQ(ReadFile(agent), "<missing>");
    EXPECT_FALSE(platform::posix::InstallLaunchAgent("", LaunchAgentPlist(bundle)));
}

}  // namespace
