#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/EnglishVariant.h"

inline constexpr std::size_t kMaxInputLength = 32768;

inline constexpr std::u16string_view kInputTooLongMessage =
    u"The input text exceeds the maximum allowed length of 32768 characters.\n";

struct CleanedInput {
    std::u16string text;         // the allowed code units, at most kMaxInputLength of them
    bool exceededLimit = false;  // the caller alerts and sets the buttons
};

// Keeps only the characters worth analysing for the variant.
CleanedInput CleanInput(std::u16string_view text, EnglishVariant variant);

// Whether CleanInput would keep anything, found without copying the text.
bool HoldsAnalysableText(std::u16string_view text, EnglishVariant variant);
