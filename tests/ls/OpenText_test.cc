#include "ls/OpenText.h"

#include <gtest/gtest.h>

namespace {

LspRange Range(std::int64_t line, std::int64_t character, std::int64_t endLine,
               std::int64_t endCharacter) {
    return {{line, character}, {endLine, endCharacter}};
}

TEST(OpenTextTest, LinesEndAtCrLfCrAndLf) {
    const OpenText text = MakeOpenText(u"one\r\ntwo\rthree\nfour");
    EXPECT_EQ(text.lineStarts, (std::vector<std::size_t>{0, 5, 9, 15}));
    EXPECT_EQ(LineContentEnd(text, 0), 3U);
    EXPECT_EQ(LineContentEnd(text, 1), 8U);
    EXPECT_EQ(LineContentEnd(text, 3), 19U);
    // Past a line's end means its end, never its break.
    EXPECT_EQ(OffsetOf(text, {0, 40}, PositionEncoding::Utf16), 3U);
    EXPECT_EQ(OffsetOf(text, {4, 0}, PositionEncoding::Utf16), 19U);
    EXPECT_FALSE(OffsetOf(text, {4, 1}, PositionEncoding::Utf16));
    EXPECT_FALSE(OffsetOf(text, {-1, 0}, PositionEncoding::Utf16));
}

TEST(OpenTextTest, EachEncodingCountsItsOwnUnits) {
    // "é" is 2 UTF-8 bytes, "😀" 4 bytes, 2 UTF-16 units, 1 code point.
    const OpenText text = MakeOpenText(u"x\n\u00E9\U0001F600y");
    const std::size_t y = 5;
    EXPECT_EQ(OffsetOf(text, {1, 6}, PositionEncoding::Utf8), y);
    EXPECT_EQ(OffsetOf(text, {1, 3}, PositionEncoding::Utf16), y);
    EXPECT_EQ(OffsetOf(text, {1, 2}, PositionEncoding::Utf32), y);
    EXPECT_EQ(PositionOf(text, y, PositionEncoding::Utf8).character, 6);
    EXPECT_EQ(PositionOf(text, y, PositionEncoding::Utf16).character, 3);
    EXPECT_EQ(PositionOf(text, y, PositionEncoding::Utf32).character, 2);
}

// Inside a character is no place in any encoding: a change there is refused
// whole, so no half of a character is ever left behind.
TEST(OpenTextTest, PositionsInsideACharacterAreRefused) {
    OpenText text = MakeOpenText(u"x\n\u00E9\U0001F600y");
    EXPECT_FALSE(OffsetOf(text, {1, 1}, PositionEncoding::Utf8));  // within "é"
    EXPECT_FALSE(OffsetOf(text, {1, 3}, PositionEncoding::Utf8));  // within the emoji
    EXPECT_FALSE(OffsetOf(text, {1, 5}, PositionEncoding::Utf8));
    EXPECT_FALSE(OffsetOf(text, {1, 2}, PositionEncoding::Utf16));  // between its surrogates
    EXPECT_EQ(OffsetOf(text, {1, 1}, PositionEncoding::Utf16), 3U);
    EXPECT_EQ(OffsetOf(text, {1, 99}, PositionEncoding::Utf8), 6U);  // past the end still clamps
    EXPECT_FALSE(ApplyChange(text, Range(1, 2, 1, 3), u"", PositionEncoding::Utf16));
    EXPECT_FALSE(ApplyChange(text, Range(1, 0, 1, 4), u"", PositionEncoding::Utf8));
    EXPECT_EQ(text.text, u"x\n\u00E9\U0001F600y");
}

TEST(OpenTextTest, ChangesKeepTheLineIndexExact) {
    OpenText text = MakeOpenText(u"ab\rcd\nef");
    // A CR meeting an inserted LF is one break, not two.
    ASSERT_TRUE(ApplyChange(text, Range(1, 0, 1, 0), u"\n", PositionEncoding::Utf16));
    EXPECT_EQ(text.text, u"ab\r\ncd\nef");
    EXPECT_EQ(text.lineStarts, (std::vector<std::size_t>{0, 4, 7}));
    ASSERT_TRUE(ApplyChange(text, Range(0, 2, 2, 1), u"X\rY", PositionEncoding::Utf16));
    EXPECT_EQ(text.text, u"abX\rYf");
    EXPECT_EQ(text.lineStarts, MakeOpenText(u"abX\rYf").lineStarts);
    // Outside, or backwards: refused, nothing changed.
    EXPECT_FALSE(ApplyChange(text, Range(0, 0, 3, 0), u"", PositionEncoding::Utf16));
    EXPECT_FALSE(ApplyChange(text, Range(1, 1, 0, 0), u"", PositionEncoding::Utf16));
    EXPECT_EQ(text.text, u"abX\rYf");
    ASSERT_TRUE(ApplyChange(text, std::nullopt, u"new\n", PositionEncoding::Utf16));
    EXPECT_EQ(text.lineStarts, (std::vector<std::size_t>{0, 4}));
}

}  // namespace
