#include "shell/Preferences.h"

#include "engine/TextAgreement.h"
#include "platform/Platform.h"
#include "results/ControlNumbers.h"
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
    if (!SameText(text, shell.storedText)) {
        platform::WritePreferenceString(kAnalyzeTextKey, text);
        shell.storedText = text;
        shell.typedTextUnflushed = true;
    }
    FlushTypedTextWhenDue();
}

void FlushTypedTextWhenDue() {
    if (!shell.typedTextUnflushed) {
        return;
    }
    // Writing the whole text out on every key would cost more than the analysis.
    const std::int64_t since = platform::NowMilliseconds() - shell.lastTextFlushTime;
    if (since >= kTypedTextFlushInterval) {
        FlushTypedText();
        return;
    }
    // Each key posts it again for the same moment, so typing cannot put it off.
    platform::PostEventAfter(static_cast<int>(kTypedTextFlushInterval - since),
                             {platform::EventKind::TypedTextFlush, kUnnumbered});
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
