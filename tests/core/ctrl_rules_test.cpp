// Combo positions and values, the change-handler match, padded numbers,
// wrapping steps and the palette entries' name lists.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/ctrl_rules.h"
#include "app/str_util.h"
#include "data/entry_name_list.h"

namespace {

TEST(ComboMap, BaseValueWithoutATable)
{
    cComboMap<s8> map(1, nullptr);
    EXPECT_EQ(map.DataToPos(2), 1) << "field 2 selects the second item";
    EXPECT_EQ(map.DataToPos(0), -1) << "base - 1 selects nothing";
    s8 v = 0;
    ASSERT_TRUE(map.PosToData(2, v));
    EXPECT_EQ(v, 3) << "the third item stores 3";
    ASSERT_TRUE(map.PosToData(-1, v));
    EXPECT_EQ(v, 0) << "no selection stores base - 1";
    EXPECT_EQ(map.AdjustPos(0, 3), 0) << "no selection: the first item";
    EXPECT_EQ(map.AdjustPos(9, 3), 2) << "above the items: the last";
    EXPECT_EQ(map.AdjustPos(3, 3), -1) << "inside: left alone";
    EXPECT_EQ(map.AdjustPos(0, 0), -1) << "no items: nothing to select";

    cComboMap<s32> rows(0, nullptr);  // database rows: row 0 is "なし"
    s32 n = 0;
    ASSERT_TRUE(rows.PosToData(7, n));
    EXPECT_EQ(n, 7);
}

TEST(ComboMap, ConversionTable)
{
    const std::vector<s16> table = {5, 9, 12};
    cComboMap<s16> map(0, &table);
    EXPECT_EQ(map.DataToPos(9), 1);
    EXPECT_EQ(map.DataToPos(7), -1) << "a value not in the table selects nothing";
    s16 v = 0;
    ASSERT_TRUE(map.PosToData(2, v));
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(map.PosToData(3, v)) << "beyond the table";
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(map.PosToData(-1, v));
    EXPECT_EQ(v, -1) << "no selection: base - 1";
}

TEST(CtrlCmdMatch, NotificationCodeSuitsTheKind)
{
    auto wp = [](u16 wId, u16 wCode) { return static_cast<u32>(wId) | static_cast<u32>(wCode) << 16; };
    const struct {
        u32 dwKind;
        u32 dwWParam;
        bool bMatch;
    } rows[] = {
        {kCtrlPlain, wp(1021, 0), true},       {kCtrlPlain, wp(1022, 0), false},
        {kCtrlCheck, wp(1021, 0), true},       {kCtrlCheck, wp(1021, 1), false},
        {kCtrlEditVal, wp(1021, 0x300), true}, {kCtrlText, wp(1021, 0x300), true},
        {kCtrlEditVal, wp(1021, 0x400), false}, {kCtrlCombo, wp(1021, 1), true},
        {kCtrlList, wp(1021, 1), true},        {kCtrlCombo, wp(1021, 0), false},
        {kCtrlPicture, wp(1021, 0), false},    {kCtrlSlider, wp(1021, 0), false},
    };
    for (const auto& r : rows) {
        cCtrlHandler<int> entry = {r.dwKind, 1021, 0};
        EXPECT_EQ(cCtrlCmdMatch(entry, r.dwWParam), r.bMatch) << r.dwKind << " " << std::hex << r.dwWParam;
    }
}

TEST(NumberFormat, PaddedIntegers)
{
    const struct {
        s16 nValue;
        int nWidth, bZeroPad, bPlus;
        const char* lpExpected;
    } rows[] = {
        {7, 3, 1, 0, "007"},     {7, 3, 0, 0, "  7"},        {0, 3, 0, 0, "  0"},
        {-42, 4, 1, 0, "-0042"}, {5, 0, 1, 1, "+5"},         {12345, 3, 1, 0, "12345"},
        {0, 0, 1, 0, "0"},       {-32768, 6, 1, 0, "-032768"}, {-42, 4, 0, 1, "-  42"},
        {0, 2, 1, 1, "+00"},
    };
    for (const auto& r : rows) {
        std::string str = "junk";
        FormatIntPadded(str, r.nValue, r.nWidth, r.bZeroPad, r.bPlus);
        EXPECT_EQ(str, r.lpExpected) << r.nValue << " " << r.nWidth << " " << r.bZeroPad << " " << r.bPlus;
    }
    std::string str;
    FormatIntPadded(str, 7, 3);
    EXPECT_EQ(str, "007") << "the short form pads with zeros";

    EXPECT_EQ(DigitCount(0), 1);
    EXPECT_EQ(DigitCount(9), 1);
    EXPECT_EQ(DigitCount(10), 2);
    EXPECT_EQ(DigitCount(-42), 2);
    EXPECT_EQ(DigitCount(INT_MAX), 10);
    EXPECT_EQ(DigitCount(INT_MIN), 10);
}

TEST(NumberFormat, AddWrapStepsRound)
{
    const struct {
        int nValue, nStep, nLow, nHigh, nExpected;
    } rows[] = {{1, -1, 1, 20, 20}, {20, 1, 1, 20, 1}, {5, 1, 1, 20, 6}, {5, -1, 1, 20, 4}, {1, 1, 1, 1, 1}};
    for (const auto& r : rows) {
        int n = r.nValue;
        EXPECT_EQ(AddWrap(&n, r.nStep, r.nLow, r.nHigh), r.nExpected);
        EXPECT_EQ(n, r.nExpected);
    }
}

TEST(EntryNames, NumberedFromEntryOne)
{
    std::vector<cEdBlock> blocks(1);
    std::vector<std::string> names = {"stale"};
    MakeBlockNameList(names, blocks);
    EXPECT_TRUE(names.empty()) << "entry 0 alone names nothing";

    blocks.resize(3);
    blocks[1].m_strName = "草原";
    MakeBlockNameList(names, blocks);
    EXPECT_EQ(names, (std::vector<std::string>{"001 草原", "002 "}));

    std::vector<cEdItem> items(8);
    items[0].m_strName = "空";
    items[1].m_strName = "剣";
    items[7].m_strName = "盾";
    MakeItemNameList(names, items);
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[0], "001 剣");
    EXPECT_EQ(names[6], "007 盾");
}

}  // namespace
