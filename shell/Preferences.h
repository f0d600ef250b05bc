#pragma once

#include <string>
#include <string_view>

#include "engine/EnglishVariant.h"

inline constexpr std::string_view kTopWinKey = "TopWin";
inline constexpr std::string_view kLocaleKey = "Locale";
inline constexpr std::string_view kLoginKey = "Login";
inline constexpr std::string_view kAnalyzeTextKey = "AnalyzeText";

// Only a stored 1 counts as set: a missing, foreign or out-of-range value is 0.
bool ReadFlag(std::string_view key);
EnglishVariant ReadVariant();

// Each write is flushed at once; failures are silent.
void StoreFlag(std::string_view key, bool value);
void StoreVariant(EnglishVariant variant);
void StoreText(std::u16string_view text);
// Spares the write and the flush when the store already holds the text.
void StoreTextIfChanged(std::u16string_view text);

// The text under "AnalyzeText", or "" when it holds none.
std::u16string LoadSavedText();
