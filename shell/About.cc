#include "shell/About.h"

#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "shell/ControlNumbers.h"
#include "shell/MainWindow.h"
#include "shell/WebAddresses.h"

namespace {

constexpr std::u16string_view kAboutText =
    u"\nA text readability analyzer for macOS\nmade with great angst\n\r"
    u"Written by Velmoor, released 2024\n"
    u"Contact: hello@velmoor.com\n";

constexpr int kOtherAppsButton = 1;

void SetCommandControlsEnabled(bool enabled) {
    for (const int number : {kHelpDocumentButton, kGearButton, kScenarioDropDown, kVariantButton}) {
        platform::SetControlEnabled(number, enabled);
    }
}

}  // namespace

void ShowAbout() {
    SetResultButtonsEnabled(false);
    SetCommandControlsEnabled(false);
    platform::BringWindowToFront();

    std::u16string title = WindowTitle() + u"\n(";
    title += platform::ProcessorFamily();
    title += u")";
    const int answer = platform::ShowAlert(title, kAboutText, platform::AlertIcon::Note, 2,
                                           u"See My Other Apps", u"Ok");
    if (answer == kOtherAppsButton) {
        platform::OpenUrl(MakerPage(kOtherAppsPath));
    }

    SetCommandControlsEnabled(true);
    SetResultButtonsEnabled(EditorHoldsText());
    platform::BringWindowToFront();
}
