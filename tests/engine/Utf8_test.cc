#include "engine/Utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

std::optional<std::size_t> ErrorOffset(std::string_view bytes) {
    return DecodeUtf8(bytes).errorOffset;
}

}  // namespace

TEST(DecodeUtf8, ReportsTheOffsetOfTheFirstInvalidSequence) {
    EXPECT_EQ(ErrorOffset("ab\xC0\xAF"), 2u);         // overlong
    EXPECT_EQ(ErrorOffset("\xF0\x8F\xBF\xBF"), 0u);   // overlong
    EXPECT_EQ(ErrorOffset("a\xED\xA0\x80"), 1u);      // surrogate
    EXPECT_EQ(ErrorOffset("x\xF4\x90\x80\x80"), 1u);  // above U+10FFFF
    EXPECT_EQ(ErrorOffset("abc\xE2\x82"), 3u);        // truncated
    EXPECT_EQ(ErrorOffset("\xE2\x82z"), 0u);
    EXPECT_EQ(ErrorOffset("\xC3\xA9\x80"), 2u);  // stray continuation
    EXPECT_TRUE(DecodeUtf8("caf\xFF").text.empty());
    EXPECT_EQ(DecodeUtf8("\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF").text,
              (std::u16string{0xD7FF, 0xE000, 0xDBFF, 0xDFFF}));
}

TEST(Utf8, RoundTripsAndReplacesLoneSurrogates) {
    const std::string bytes = "a\xC3\xA9\xE2\x80\x93\xF0\x9F\x8F\x86";  // a é – 🏆
    const Utf8DecodeResult decoded = DecodeUtf8(bytes);
    EXPECT_EQ(decoded.text, u"a\u00E9\u2013\U0001F3C6");
    EXPECT_EQ(EncodeUtf8(decoded.text), bytes);
    EXPECT_EQ(EncodeUtf8(std::u16string{0xDC00, u'x', 0xD800}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}
