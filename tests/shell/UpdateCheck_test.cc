#include "shell/UpdateCheck.h"

#include <optional>
#include <vector>

#include "product/Product.h"
#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/ShellState.h"
#include "shell/WebAddresses.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using UpdateCheckTest = ShellTest;

using Kinds = std::vector<platform::EventKind>;
const Kinds kNewer{platform::EventKind::NewerVersion};
const Kinds kCurrent{platform::EventKind::NoNewerVersion};
const Kinds kNothing{};

const std::string kOurs = "Quillory " + std::string(kVersionUtf8);
const std::u16string kUpToDate = u"You have the latest version " + std::u16string(kVersion) + u"!";

// The maker's version file answers with `body` (nothing: the transfer fails);
// checks, then dispatches and returns the kinds of what the check posted.
Kinds CheckVersionFile(std::optional<std::string> body) {
    recording::ServeUrl(MakerPage(kVersionFilePath), std::move(body));
    CheckForUpdate();
    WaitForUpdateCheck();
    Kinds posted;
    platform::Event event;
    while (platform::PollEvent(event)) {
        posted.push_back(event.kind);
        DispatchEvent(event);
    }
    return posted;
}

TEST_F(UpdateCheckTest, TheOwnVersionIsTheLatestAndANewerOneIsOffered) {
    StartAndOpenWindow();
    const int raised = recording::Window().timesBroughtToFront;
    EXPECT_EQ(CheckVersionFile(kOurs + "\n"), kCurrent);
    EXPECT_EQ(recording::RequestedUrls(),
              std::vector<std::string>{"https://velmoor.com/resources/Quillory.udt"});
    const recording::AlertRecord& current = recording::Alerts().at(0);
    EXPECT_EQ(current.title + u"|" + current.text + u"|" + current.button1 + u"|" + current.button2,
              u"Quillory|" + kUpToDate + u"|Ok|");
    EXPECT_EQ(recording::Window().timesBroughtToFront, raised + 1);

    EXPECT_EQ(CheckVersionFile("Quillory 9.03\nFaster analysis\n  \nNew export\n"), kNewer);
    const recording::AlertRecord& alert = recording::Alerts().at(1);
    EXPECT_EQ(alert.title, u"A new version is available!");
    EXPECT_EQ(alert.text, u"The latest Quillory is 9.03\nYou have version " +
                              std::u16string(kVersion) + u"\nFaster analysis\nNew export\n\n");
    EXPECT_EQ(alert.defaultButton, 1);
    EXPECT_EQ(alert.button1 + u"|" + alert.button2, u"Download Now|No Thanks!");
    EXPECT_EQ(recording::OpenedUrls(),
              std::vector<std::string>{"https://velmoor.com/resources/Quillory_Universal.zip"});
    // Once taken, the same version counts as the latest.
    EXPECT_EQ(CheckVersionFile("Quillory 9.03\n"), kCurrent);
    EXPECT_EQ(recording::Alerts().back().text, kUpToDate);
}

TEST_F(UpdateCheckTest, NoThanksAndAnyOtherVersionKeepOffering) {
    recording::AnswerNextAlerts({2, 2, 2});
    EXPECT_EQ(CheckVersionFile("Quillory 9.03\n"), kNewer);
    EXPECT_EQ(CheckVersionFile("Quillory 9.03\n"), kNewer);
    // A carriage return stays part of the version and of each note.
    EXPECT_EQ(CheckVersionFile(kOurs + "\r\nNotes\r\n"), kNewer);
    EXPECT_EQ(recording::Alerts().back().text,
              u"The latest Quillory is " + std::u16string(kVersion) + u"\r\nYou have version " +
                  std::u16string(kVersion) + u"\nNotes\r\n\n");
    EXPECT_TRUE(recording::OpenedUrls().empty());
}

TEST_F(UpdateCheckTest, FilesThatAreNotOursAndFailedTransfersShowNothing) {
    // Which files are ours is the version file's to say; here only that the others stay silent.
    EXPECT_EQ(CheckVersionFile("<html>Not Found</html>\n"), kNothing);
    EXPECT_EQ(CheckVersionFile(std::nullopt), kNothing);
    EXPECT_TRUE(recording::Alerts().empty());
}

TEST_F(UpdateCheckTest, TheWindowAnswersDuringACheckAndASecondCheckDoesNothing) {
    StartAndOpenWindow();
    recording::ServeUrl(MakerPage(kVersionFilePath), kOurs + "\n");
    recording::HoldHttpsGets(true);
    recording::ChooseMenuItem(kCheckForUpdateItem);
    RunPendingEvents();
    recording::WaitForHttpsGets(1);
    // The transfer hangs, yet the window answers, and a second check does nothing.
    recording::ChooseMenuItem(kCheckForUpdateItem);
    recording::TypeIntoEditor(u"Still typing.");
    RunPendingEvents();
    EXPECT_EQ(platform::ControlText(kEditor), u"Still typing.");
    EXPECT_EQ(recording::RequestedUrls().size(), 1u);
    EXPECT_TRUE(recording::Alerts().empty());

    recording::HoldHttpsGets(false);
    // The analysis of the typing may post its own wake-ups first.
    platform::Event answer;
    do {
        answer = platform::WaitForEvent();
        DispatchEvent(answer);
    } while (answer.kind != platform::EventKind::NoNewerVersion);
    EXPECT_EQ(recording::Alerts().at(0).text, kUpToDate);
    WaitForUpdateCheck();
    recording::ChooseMenuItem(kCheckForUpdateItem);
    RunPendingEvents();
    WaitForUpdateCheck();
    EXPECT_EQ(recording::RequestedUrls().size(), 2u);
}

TEST_F(UpdateCheckTest, QuitEndsARunningCheck) {
    StartAndOpenWindow();
    recording::ServeUrl(MakerPage(kVersionFilePath), "Quillory 9.03\n");
    recording::HoldHttpsGets(true);
    recording::ChooseMenuItem(kCheckForUpdateItem);
    RunPendingEvents();
    recording::WaitForHttpsGets(1);
    // Without the cancel this would wait for the held transfer for ever.
    recording::ChooseMenuItem(kQuitItem);
    RunPendingEvents();
    EXPECT_TRUE(shell.quitRequested);
    EXPECT_TRUE(recording::Alerts().empty());
}

}  // namespace
