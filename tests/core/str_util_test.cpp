#include <gtest/gtest.h>

#include <climits>

#include "app/str_util.h"

TEST(StrFormat, GrowsForTextsLongerThanAnyFixedBuffer)
{
    std::string strLong(20000, 'x');
    std::string str = "old";
    StrFormat(str, "[%s]", strLong.c_str());
    EXPECT_EQ(str.size(), 20002u);
    EXPECT_EQ(str.front(), '[');
    EXPECT_EQ(str.back(), ']');

    StrAppendFormat(str, "%d", 42);
    EXPECT_EQ(str.substr(str.size() - 3), "]42");
    EXPECT_EQ(str.size(), 20004u);
}

TEST(StrFormat, KeepsJapaneseBytes)
{
    std::string str;
    StrFormat(str, "%s の読み込みに失敗しました！", "data\\表.dat");
    EXPECT_EQ(str, std::string("data\\表.dat") + " の読み込みに失敗しました！");
    // The literal is code page 932: "の" is 82 CC.
    EXPECT_EQ(static_cast<u8>(std::string("の")[0]), 0x82);
    EXPECT_EQ(static_cast<u8>(std::string("の")[1]), 0xCC);
}

TEST(IntToStrZeroPad, PadsTheAbsoluteValueAndKeepsTheSign)
{
    struct {
        s32 nValue;
        int nWidth;
        const char* lpExpected;
    } cases[] = {
        {7, 3, "007"},     {-7, 3, "-007"},  {1234, 2, "1234"},
        {0, 0, "0"},       {0, 3, "000"},    {INT_MIN, 1, "-2147483648"},
        {INT_MAX, 12, "002147483647"},
    };
    for (const auto& c : cases) {
        std::string str = "junk";
        IntToStrZeroPad(str, c.nValue, c.nWidth);
        EXPECT_EQ(str, c.lpExpected) << c.nValue << " width " << c.nWidth;
    }
    std::string str;
    FormatIntPadded(str, -32768, 6);
    EXPECT_EQ(str, "-032768");
}

TEST(StrUtil, SmallHelpers)
{
    s32 n = 15;
    EXPECT_EQ(Clamp(n, 0, 10), 10);
    n = -3;
    EXPECT_EQ(Clamp(n, 0, 10), 0);
    EXPECT_EQ(n, 0);

    std::string str("ab\0cd", 5);
    EXPECT_EQ(StringLength(str), 2u);
    EXPECT_EQ(StrTrimNul(str), 2u);
    EXPECT_EQ(str, "ab");
    EXPECT_TRUE(StrHasText(str));
    EXPECT_FALSE(StrHasText(std::string()));

    std::string strAppend = "a";
    AppendCString(strAppend, "bc");
    AppendCString(strAppend, nullptr);
    EXPECT_EQ(strAppend, "abc");
}

TEST(StrUtil, CharacterBoundariesNeverSplitADoubleByteCharacter)
{
    const std::string str = "aソ表b";  // 61 | 83 5C | 95 5C | 62
    EXPECT_EQ(CharBoundaryAtOrBelow(str, 0), 0u);
    EXPECT_EQ(CharBoundaryAtOrBelow(str, 1), 1u);
    EXPECT_EQ(CharBoundaryAtOrBelow(str, 2), 1u);
    EXPECT_EQ(CharBoundaryAtOrBelow(str, 3), 3u);
    EXPECT_EQ(CharBoundaryAtOrBelow(str, 4), 3u);
    EXPECT_EQ(CharBoundaryAtOrBelow(str, 99), str.size());
    EXPECT_TRUE(IsDbcsPairAt(str, 1));
    EXPECT_FALSE(IsDbcsPairAt(str, 2));
    EXPECT_TRUE(IsDbcsPairAt(str, 3));
    EXPECT_FALSE(IsDbcsPairAt(str, 5));
}
