#pragma once

#include <string>
#include <string_view>

// A short, stable name for a text's words: blanks and line breaks between
// them collapsed, so that rewrapping or moving the text keeps its name.
// 16 hexadecimal digits.
std::string WordsFingerprint(std::u16string_view text);
