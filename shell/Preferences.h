#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/EnglishVariant.h"

inline constexpr std::string_view kTopWinKey = "TopWin";
inline constexpr std::string_view kLocaleKey = "Locale";
inline constexpr std::string_view kLoginKey = "Login";
inline constexpr std::string_view kAnalyzeTextKey = "AnalyzeText";
inline constexpr std::string_view kHighlightKey = "Highlight";
inline constexpr std::string_view kReadAsMarkdownKey = "ReadAsMarkdown";

// Only a stored 1 counts as set: a missing, foreign or out-of-range value is 0.
bool ReadFlag(std::string_view key);
EnglishVariant ReadVariant();
// On unless a 0 or another value is stored: missing means the default, on.
bool ReadHighlight();

// Each write is flushed at once; a flag that fails to reach the disk goes out
// with the next flush that succeeds.
void StoreFlag(std::string_view key, bool value);
void StoreVariant(EnglishVariant variant);
// These return whether the text is on the disk; when it is not, it is tried
// again every kTypedTextFlushInterval until it is (FlushTypedTextWhenDue).
bool StoreText(std::u16string_view text);
// Spares the write when the store already holds the text; flushes any text
// still waiting for the disk.
bool StoreTextIfChanged(std::u16string_view text);

// While the user types: the text is stored at once, but reaches the disk at
// most once a kTypedTextFlushInterval, and at the latest that long after the
// typing stops (a TypedTextFlush event). Closing the window and Quit flush it
// at once (StoreTextIfChanged, FlushTypedText).
inline constexpr std::int64_t kTypedTextFlushInterval = 1000;
void StoreTypedText(std::u16string_view text);
// A flush that fails says so once, when the typing has paused, and not again
// until a flush has succeeded.
void FlushTypedTextWhenDue();
bool FlushTypedText();

inline constexpr std::u16string_view kTextNotSavedMessage =
    u"Your text could not be saved: the settings file cannot be written. Quillory "
    u"keeps it and tries again every second while it runs.";

// The text under "AnalyzeText", or "" when it holds none.
std::u16string LoadSavedText();
