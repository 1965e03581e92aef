#include "base/cp1252.h"

#include <gtest/gtest.h>

using namespace fin::base;

TEST(Cp1252, RoundTripsPortugueseText)
{
    const std::string utf8 = "Ação – São João, R$ 1.234,56 ç ü €";
    const std::string bytes = utf8ToCp1252(utf8);
    EXPECT_EQ(bytes.size(), utf8Length(utf8));
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xE7);   // ç
    EXPECT_EQ(static_cast<unsigned char>(bytes[5]), 0x96);   // en dash
    EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
    EXPECT_TRUE(fitsCp1252(utf8));
}

TEST(Cp1252, ReplacesWhatTheCodePageLacks)
{
    EXPECT_EQ(utf8ToCp1252("a\xE2\x88\x9E" "b"), "a?b");   // infinity sign
    EXPECT_EQ(utf8ToCp1252("a\xC3" "b"), "a?b");            // broken sequence
    EXPECT_FALSE(fitsCp1252("\xE2\x88\x9E"));
}
