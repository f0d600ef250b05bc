#include "shell/Preferences.h"

#include "platform/Platform.h"
#include "shell/ShellState.h"

bool ReadFlag(std::string_view key) {
    return platform::ReadPreferenceInteger(key) == 1;
}

EnglishVariant ReadVariant() {
    return ReadFlag(kLocaleKey) ? EnglishVariant::Uk : EnglishVariant::Us;
}

void StoreFlag(std::string_view key, bool value) {
    platform::WritePreferenceInteger(key, value ? 1 : 0);
    platform::SyncPreferences();
}

void StoreVariant(EnglishVariant variant) {
    StoreFlag(kLocaleKey, variant == EnglishVariant::Uk);
}

void StoreText(std::u16string_view text) {
    platform::WritePreferenceString(kAnalyzeTextKey, text);
    platform::SyncPreferences();
    shell.storedText = text;
}

void StoreTextIfChanged(std::u16string_view text) {
    if (text != shell.storedText) {
        StoreText(text);
    }
}

std::u16string LoadSavedText() {
    shell.storedText = platform::ReadPreferenceString(kAnalyzeTextKey);
    return shell.storedText;
}
