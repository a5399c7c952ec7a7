#include "core/text_encoding.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(TextEncoding, EveryByteRoundTripsThroughUnicode) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const auto back = utf8ToCp1251(cp1251ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(TextEncoding, CyrillicMonthNamesDecode) {
    // The clock line's month abbreviations are stored as Windows-1251 bytes.
    EXPECT_EQ(cp1251ToUtf8("\xDF\xCD\xC2"), "ЯНВ");
    EXPECT_EQ(cp1251ToUtf8("\xC4\xC5\xCA"), "ДЕК");
    EXPECT_EQ(utf8ToCp1251("Задача"), std::optional<std::string>("\xC7\xE0\xE4\xE0\xF7\xE0"));
}

TEST(TextEncoding, RefusesWhatHasNoByte) {
    struct Case {
        const char* utf8;
        const char* lossy;
    };
    const Case cases[] = {
        {"日本", "??"},   // no Windows-1251 byte
        {"a\xC3", "a?"},  // truncated sequence
        {"\xFF"
         "b",
         "?b"},  // invalid lead byte
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(utf8ToCp1251(c.utf8).has_value()) << c.utf8;
        EXPECT_EQ(utf8ToCp1251Lossy(c.utf8), c.lossy);
    }
}

}  // namespace
}  // namespace tessel
