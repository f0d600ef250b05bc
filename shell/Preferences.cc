#include "shell/Preferences.h"

#include "engine/TextAgreement.h"
#include "platform/Platform.h"
#include "shell/Alerts.h"
#include "shell/ControlNumbers.h"
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

bool StoreText(std::u16string_view text) {
    platform::WritePreferenceString(kAnalyzeTextKey, text);
    shell.storedText = text;
    shell.typedTextUnflushed = true;
    return FlushTypedText();
}

bool StoreTextIfChanged(std::u16string_view text) {
    if (!SameText(text, shell.storedText)) {
        return StoreText(text);
    }
    return FlushTypedText();
}

void StoreTypedText(std::u16string_view text) {
    if (!SameText(text, shell.storedText)) {
        platform::WritePreferenceString(kAnalyzeTextKey, text);
        shell.storedText = text;
        shell.typedTextUnflushed = true;
        shell.lastTypingTime = platform::NowMilliseconds();
    }
    FlushTypedTextWhenDue();
}

void FlushTypedTextWhenDue() {
    if (!shell.typedTextUnflushed) {
        return;
    }
    // Writing the whole text out on every key would cost more than the analysis.
    const std::int64_t now = platform::NowMilliseconds();
    const std::int64_t since = now - shell.lastTextFlushTime;
    if (since < kTypedTextFlushInterval) {
        // Each key posts it again for the same moment, so typing cannot put it off.
        platform::PostEventAfter(static_cast<int>(kTypedTextFlushInterval - since),
                                 {platform::EventKind::TypedTextFlush, kUnnumbered});
        return;
    }
    if (FlushTypedText() || shell.unsavedTextTold ||
        now - shell.lastTypingTime < kTypedTextFlushInterval) {
        return;
    }
    shell.unsavedTextTold = true;
    ShowError(kTextNotSavedMessage);
}

bool FlushTypedText() {
    if (!shell.typedTextUnflushed) {
        return true;
    }
    shell.lastTextFlushTime = platform::NowMilliseconds();
    if (platform::SyncPreferences()) {
        shell.typedTextUnflushed = false;
        shell.unsavedTextTold = false;
        return true;
    }
    // Nothing else would write it again before the next key, which may never come.
    platform::PostEventAfter(static_cast<int>(kTypedTextFlushInterval),
                             {platform::EventKind::TypedTextFlush, kUnnumbered});
    return false;
}

std::u16string LoadSavedText() {
    shell.storedText = platform::ReadPreferenceString(kAnalyzeTextKey);
    return shell.storedText;
}
