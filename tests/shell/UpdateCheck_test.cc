#include "shell/UpdateCheck.h"

#include <vector>

#include "shell/ControlNumbers.h"
#include "shell/EventDispatch.h"
#include "shell/ShellState.h"
#include "tests/http/LocalHttpServer.h"
#include "tests/shell/ShellTestSupport.h"

namespace {

using UpdateCheckTest = ShellTest;

constexpr std::u16string_view kUpToDate = u"You have the latest version 1.02!";
const std::vector<int> kNewer{kNewerVersionEvent};
const std::vector<int> kCurrent{kNoNewerVersionEvent};
const std::vector<int> kNothing{};

// Checks against the address, then dispatches and returns the kinds of what the check posted.
std::vector<int> CheckAt(const std::string& address, const std::string& protocols = "http") {
    CheckForUpdateFrom({address, protocols});
    std::vector<int> posted;
    platform::Event event;
    while (platform::PollEvent(event)) {
        posted.push_back(event.kind);
        DispatchEvent(event);
    }
    return posted;
}

std::vector<int> CheckVersionFile(const std::string& body) {
    const LocalHttpServer server(HttpResponse(body));
    return CheckAt(server.Url("/resources/Quillory.udt"));
}

TEST_F(UpdateCheckTest, TheOwnVersionIsTheLatestAndANewerOneIsOffered) {
    StartAndOpenWindow();
    const int raised = recording::Window().timesBroughtToFront;
    EXPECT_EQ(CheckVersionFile("Quillory 1.02\n"), kCurrent);
    const recording::AlertRecord& current = recording::Alerts().at(0);
    EXPECT_EQ(current.title + u"|" + current.text + u"|" + current.button1 + u"|" + current.button2,
              u"Quillory|You have the latest version 1.02!|Ok|");
    EXPECT_EQ(recording::Window().timesBroughtToFront, raised + 1);

    EXPECT_EQ(CheckVersionFile("Quillory 1.03\nFaster analysis\n  \nNew export\n"), kNewer);
    const recording::AlertRecord& alert = recording::Alerts().at(1);
    EXPECT_EQ(alert.title, u"A new version is available!");
    EXPECT_EQ(
        alert.text,
        u"The latest Quillory is 1.03\nYou have version 1.02\nFaster analysis\nNew export\n\n");
    EXPECT_EQ(alert.defaultButton, 1);
    EXPECT_EQ(alert.button1 + u"|" + alert.button2, u"Download Now|No Thanks!");
    EXPECT_EQ(recording::OpenedUrls(),
              std::vector<std::string>{"https://velmoor.com/resources/Quillory_Universal.zip"});
    // Once taken, the same version counts as the latest.
    EXPECT_EQ(CheckVersionFile("Quillory 1.03\n"), kCurrent);
    EXPECT_EQ(recording::Alerts().back().text, kUpToDate);
}

TEST_F(UpdateCheckTest, NoThanksAndAnyOtherVersionKeepOffering) {
    recording::AnswerNextAlerts({2, 2, 2, 2});
    EXPECT_EQ(CheckVersionFile("Quillory 1.03\n"), kNewer);
    EXPECT_EQ(CheckVersionFile("Quillory 1.03\n"), kNewer);
    EXPECT_EQ(CheckVersionFile("  Quillory 1.01  \n"), kNewer);
    // A carriage return stays part of the version and of each note.
    EXPECT_EQ(CheckVersionFile("Quillory 1.02\r\nNotes\r\n"), kNewer);
    EXPECT_EQ(recording::Alerts().back().text,
              u"The latest Quillory is 1.02\r\nYou have version 1.02\nNotes\r\n\n");
    EXPECT_TRUE(recording::OpenedUrls().empty());
}

TEST_F(UpdateCheckTest, FilesThatAreNotOursAndFailedTransfersShowNothing) {
    for (const char* body : {"quillory 1.03\n", "x Quillory 1.03\n", ""}) {
        EXPECT_EQ(CheckVersionFile(body), kNothing) << body;
    }
    const LocalHttpServer missing(HttpResponse("<html>Not Found</html>\n", "404 Not Found"));
    EXPECT_EQ(CheckAt(missing.Url("/resources/Quillory.udt")), kNothing);
    // Where only HTTPS is allowed, plain HTTP is not fetched.
    const LocalHttpServer plain(HttpResponse("Quillory 1.03\n"));
    EXPECT_EQ(CheckAt(plain.Url("/resources/Quillory.udt"), "https"), kNothing);
    EXPECT_TRUE(recording::Alerts().empty());
}

}  // namespace
