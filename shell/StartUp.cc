#include "shell/StartUp.h"

#include <array>
#include <optional>

#include "platform/Platform.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"
#include "shell/ScreenGeometry.h"
#include "shell/ShellState.h"

namespace {

constexpr std::array<std::string_view, 7> kCommonwealthLocales = {
    "en_GB", "en_AU", "en_IN", "en_IE", "en_NZ", "en_CA", "en_ZA",
};

bool ScreenWideEnough() {
    const std::optional<platform::Rect> screen =
        ScreenUnderPointer(platform::PointerPosition(), platform::Screens());
    return screen && screen->width >= kMinimumScreenWidth;
}

void ReadPreferences() {
    shell.topWin = ReadFlag(kTopWinKey);
    shell.locale = ReadVariant();
    shell.login = ReadFlag(kLoginKey);
    shell.highlight = ReadHighlight();
    shell.readAsMarkdown = ReadFlag(kReadAsMarkdownKey);
}

void InitialisePreferences() {
    shell.login = false;
    shell.locale = VariantForLocale(platform::LocaleIdentifier());
    shell.topWin = false;
    platform::WritePreferenceInteger(kLoginKey, 0);
    platform::WritePreferenceInteger(kLocaleKey, static_cast<int>(shell.locale));
    platform::WritePreferenceString(kAnalyzeTextKey, u"");
    platform::WritePreferenceInteger(kTopWinKey, 0);
    platform::SyncPreferences();
    shell.storedText.clear();
}

}  // namespace

EnglishVariant VariantForLocale(std::string_view identifier) {
    for (const std::string_view commonwealth : kCommonwealthLocales) {
        if (identifier == commonwealth) {
            return EnglishVariant::Uk;
        }
    }
    return EnglishVariant::Us;
}

bool StartUp() {
    if (!ScreenWideEnough()) {
        ShowError(
            u"Sorry, the minimum screen resolution must be greater than 1024 pixels wide to run "
            u"this program.\n\rThe program will now quit.");
        return false;
    }
    if (platform::PreferencesExist()) {
        ReadPreferences();
    } else {
        InitialisePreferences();
    }
    platform::CreateStatusItem(kQuitItem);
    // Without a tray nothing would ever open the window.
    if (!platform::HasStatusArea()) {
        ToggleMainWindow();
    }
    return true;
}
