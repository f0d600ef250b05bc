#include "shell/Preferences.h"

#include "engine/TextAgreement.h"
#include "platform/Platform.h"
#include "shell/ShellState.h"

bool ReadFlag(std::string_view key) {
    return platform::ReadPreferenceInteger(key) == 1;
}

bool ReadHighlight() {
    return platform::ReadPreferenceString(kHighlightKey).empty() || ReadFlag(kHighlightKey);
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
    shell.storedText = text;
    shell.typedTextUnflushed = true;
    FlushTypedText();
}

void StoreTextIfChanged(std::u16string_view text) {
    if (!SameText(text, shell.storedText)) {
        StoreText(text);
    } else {
        FlushTypedText();
    }
}

void StoreTypedText(std::u16string_view text) {
    if (SameText(text, shell.storedText)) {
        return;
    }
    platform::WritePreferenceString(kAnalyzeTextKey, text);
    shell.storedText = text;
    shell.typedTextUnflushed = true;
    // Writing the whole text out on every key would cost more than the analysis.
    if (platform::NowMilliseconds() - shell.lastTextFlushTime >= kTypedTextFlushInterval) {
        FlushTypedText();
    }
}

void FlushTypedText() {
    if (shell.typedTextUnflushed) {
        platform::SyncPreferences();
        shell.typedTextUnflushed = false;
        shell.lastTextFlushTime = platform::NowMilliseconds();
    }
}

std::u16string LoadSavedText() {
    shell.storedText = platform::ReadPreferenceString(kAnalyzeTextKey);
    return shell.storedText;
}
