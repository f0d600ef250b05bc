#pragma once

#include <cstddef>
#include <string>

// Deterministic English prose of exactly `length` code units, with sentences,
// paragraphs and a mix of short and long words.
std::u16string SampleEnglishText(std::size_t length);

// One sentence of `count` one-syllable words, "Words words … words.", as long as
// a test of sentence marks needs.
std::u16string SentenceOfWords(int count);
