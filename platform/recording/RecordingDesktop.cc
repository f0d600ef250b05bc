#include <charconv>

#include "platform/recording/RecordingState.h"

namespace platform {

using recording::TheDesktop;

namespace {

// A stored text that is not entirely a decimal integer reads as 0, as in the real store.
std::int64_t ParseInteger(const std::u16string& text) {
    std::string narrow;
    for (const char16_t unit : text) {
        if (unit > 0x7F) {
            return 0;
        }
        narrow += static_cast<char>(unit);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    return error == std::errc() && end == narrow.data() + narrow.size() ? value : 0;
}

void WritePreference(std::string_view key, std::u16string value) {
    auto& desktop = TheDesktop();
    desktop.preferenceLog.push_back({false, std::string(key), value});
    desktop.preferences[std::string(key)] = std::move(value);
}

}  // namespace

// ---- Session ----

SessionStart InitialisePlatform(int&, char**) {
    return SessionStart::Started;
}
void ShutdownPlatform() {
    TheDesktop().shutDown = true;
}

// ---- Alerts ----

void ShowMessage(std::u16string_view title, std::u16string_view text, AlertIcon icon) {
    auto& desktop = TheDesktop();
    recording::AlertRecord alert;
    alert.isMessage = true;
    alert.title = title;
    alert.text = text;
    alert.icon = icon;
    if (desktop.alertHook) {
        desktop.alertHook(alert);
    }
    desktop.alerts.push_back(std::move(alert));
}

int ShowAlert(std::u16string_view title, std::u16string_view text, AlertIcon icon,
              int defaultButton, std::u16string_view button1, std::u16string_view button2) {
    auto& desktop = TheDesktop();
    recording::AlertRecord alert{
        false,         std::u16string(title),   std::u16string(text),    icon,
        defaultButton, std::u16string(button1), std::u16string(button2), defaultButton};
    if (!desktop.alertAnswers.empty()) {
        alert.answer = desktop.alertAnswers.front();
        desktop.alertAnswers.pop_front();
    }
    if (button2.empty()) {
        alert.answer = 1;
    }
    if (desktop.alertHook) {
        desktop.alertHook(alert);
    }
    desktop.alerts.push_back(alert);
    return alert.answer;
}

// ---- Preferences ----

bool PreferencesExist() {
    return TheDesktop().preferencesExist;
}

std::int64_t ReadPreferenceInteger(std::string_view key) {
    const auto& preferences = TheDesktop().preferences;
    const auto found = preferences.find(key);
    return found == preferences.end() ? 0 : ParseInteger(found->second);
}

std::u16string ReadPreferenceString(std::string_view key) {
    const auto& preferences = TheDesktop().preferences;
    const auto found = preferences.find(key);
    return found == preferences.end() ? std::u16string() : found->second;
}

void WritePreferenceInteger(std::string_view key, std::int64_t value) {
    const std::string digits = std::to_string(value);
    WritePreference(key, std::u16string(digits.begin(), digits.end()));
}

void WritePreferenceString(std::string_view key, std::u16string_view value) {
    WritePreference(key, std::u16string(value));
}

bool SyncPreferences() {
    auto& desktop = TheDesktop();
    desktop.preferenceLog.push_back({true, {}, {}});
    if (desktop.preferencesFailing) {
        return false;
    }
    desktop.preferencesExist = true;
    desktop.syncedPreferences = desktop.preferences;
    return true;
}

// ---- Environment ----

std::string LocaleIdentifier() {
    return TheDesktop().locale;
}
std::vector<Rect> Screens() {
    return TheDesktop().screens;
}
Point PointerPosition() {
    return TheDesktop().pointer;
}
int MenuBarHeight() {
    return TheDesktop().menuBarHeight;
}
bool IsDarkMode() {
    return TheDesktop().darkMode;
}
std::u16string ProcessorFamily() {
    return u"x86-64";
}
void OpenUrl(std::string_view url) {
    TheDesktop().openedUrls.emplace_back(url);
}

namespace recording {

Desktop& TheDesktop() {
    static Desktop desktop;
    return desktop;
}

void Reset() {
    TheDesktop() = Desktop{};
    ResetEvents();
    ResetNetwork();
}

bool PlatformShutDown() {
    return TheDesktop().shutDown;
}

void AnswerNextAlerts(std::vector<int> answers) {
    TheDesktop().alertAnswers.assign(answers.begin(), answers.end());
}

void SetAlertHook(std::function<void(const AlertRecord&)> hook) {
    TheDesktop().alertHook = std::move(hook);
}

const std::vector<AlertRecord>& Alerts() {
    return TheDesktop().alerts;
}

void SetPreferencesExist(bool exist) {
    TheDesktop().preferencesExist = exist;
}
void SetPreferencesFailing(bool failing) {
    TheDesktop().preferencesFailing = failing;
}

void StorePreference(std::string key, std::u16string value) {
    auto& desktop = TheDesktop();
    desktop.syncedPreferences[key] = value;
    desktop.preferences[std::move(key)] = std::move(value);
    desktop.preferencesExist = true;
}

std::optional<std::u16string> StoredPreference(std::string_view key) {
    const auto& preferences = TheDesktop().preferences;
    const auto found = preferences.find(key);
    return found == preferences.end() ? std::nullopt : std::optional(found->second);
}

std::optional<std::u16string> SyncedPreference(std::string_view key) {
    const auto& synced = TheDesktop().syncedPreferences;
    const auto found = synced.find(key);
    return found == synced.end() ? std::nullopt : std::optional(found->second);
}

const std::vector<PreferenceOperation>& PreferenceLog() {
    return TheDesktop().preferenceLog;
}

void SetScreens(std::vector<Rect> screens) {
    TheDesktop().screens = std::move(screens);
}
void SetPointer(Point pointer) {
    TheDesktop().pointer = pointer;
}
void SetMenuBarHeight(int height) {
    TheDesktop().menuBarHeight = height;
}
void SetLocaleIdentifier(std::string identifier) {
    TheDesktop().locale = std::move(identifier);
}
void SetDarkMode(bool dark) {
    TheDesktop().darkMode = dark;
}
void SetHasStatusArea(bool hasStatusArea) {
    TheDesktop().hasStatusArea = hasStatusArea;
}
const std::vector<std::string>& OpenedUrls() {
    return TheDesktop().openedUrls;
}

}  // namespace recording

}  // namespace platform
