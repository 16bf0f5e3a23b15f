#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/cmd_kinds.h"
#include "flow/cmd_params.h"
#include "flow/ed_flow.h"
#include "flow/option_names.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

class FlowParams : public cFlowTest {};

cCommand NewCommand(u8 nSet, u8 nKind, u8 bParallel = 0)
{
    cCommand cmd;
    cmd.m_nSet = nSet;
    cmd.m_nKind = nKind;
    cmd.m_bParallel = bParallel;
    cmd.m_wTime = 77;
    PrepareCommandParams(cmd, true);
    return cmd;
}

TEST_F(FlowParams, EveryKindDescribesEachOfItsParameters)
{
    for (u32 nSet : {0u, 1u}) {
        for (u32 nKind = 0; nKind < 256; ++nKind) {
            SCOPED_TRACE(::testing::Message() << nSet << "-" << nKind);
            const cKindParams& params = GetKindParams(nSet, nKind);
            ASSERT_EQ(params.m_nCount, GetCmdParamCount(nSet, nKind));
            for (const cParamDesc& d : params) {
                EXPECT_STRNE(d.m_lpMeaning, "");
                if (d.m_eValue == eParamValue::Choice) {
                    ASSERT_NE(d.m_lpNames, nullptr);
                }
            }
            // An item-effect kind k >= 2 is the flow kind k + 15.
            if (nSet == 1 && nKind >= 2 && nKind < g_ItemCmdKinds.Count()) {
                EXPECT_EQ(params.m_lpParams, GetKindParams(0, nKind + kItemKindOffset).m_lpParams);
            }
        }
    }
    EXPECT_EQ(GetParamDesc(0, 10, 5), nullptr);
    EXPECT_EQ(GetParamDesc(0, 200, 0), nullptr);
}

TEST_F(FlowParams, NewCommandValues)
{
    // Each new value lies in its parameter's range, except the flash count
    // of the screen colour, which starts at 0 below its minimum of 1.
    for (u32 nKind = 0; nKind < g_FlowCmdKinds.Count(); ++nKind) {
        const cCommand cmd = NewCommand(0, static_cast<u8>(nKind));
        ASSERT_EQ(cmd.m_Params.size(), GetCmdParamCount(0, nKind));
        for (u32 i = 0; i < cmd.m_Params.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << nKind << " p" << i);
            s32 nMin = 0, nMax = 0;
            GetParamRange(cmd, i, nMin, nMax);
            const s32 nValue = static_cast<s32>(cmd.m_Params[i]);
            if (nKind == 33 && i == 7)
                EXPECT_EQ(nValue, 0);
            else
                EXPECT_TRUE(nValue >= nMin && nValue <= nMax) << nValue << " not in " << nMin << ".." << nMax;
        }
    }

    const struct {
        u8 nSet;
        u8 nKind;
        u8 bParallelBefore;
        std::vector<u32> params;
        u16 wTime;
        u8 bParallel;
    } cases[] = {
        {0, 9, 1, {11}, 1, 1},
        {0, 9, 0, {11}, 1, 0},
        {0, 10, 0, {0, 100, 7, 0, 4}, 1, 1},
        {0, 16, 0, {0, 0, 0, 0}, 0, 1},
        {0, 17, 1, {0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1}, 0, 0},
        {0, 18, 1, {20}, 0, 0},
        {0, 19, 1, {0, 0, 0, 0, 0, 1, 0, 30, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}, 0, 0},
        {0, 21, 0, {0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0}, 0, 1},
        {0, 22, 0, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0}, 0, 1},
        {0, 26, 0, {1, 1, 0}, 0, 1},
        {0, 29, 0, {1, 0, 0, 0, 0, 0, 100, 0, 0}, 0, 1},
        {0, 32, 0, {1, 0, 0, 0, 0, 0, 1, 100, 0, 10, 0, 0, 0, 0, 0, 0}, 0, 1},
        {0, 33, 0, {0, 0, 0, 50, 0, 0, 0, 0}, 0, 1},
        {0, 38, 0, {2, 0, 0, 0, 1}, 0, 1},
        {0, 39, 0, {2, 1}, 0, 1},
        {1, 4, 1, {0, 0, 0, 0, 0, 1, 0, 30, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}, 0, 0},  // the message
        {1, 1, 1, {0, 0}, 77, 1},  // the flow change gives nothing
        {0, 2, 1, {}, 77, 1},      // kinds without parameters keep their own fields
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.nSet) << "-" << int(c.nKind));
        const cCommand cmd = NewCommand(c.nSet, c.nKind, c.bParallelBefore);
        EXPECT_EQ(cmd.m_Params, c.params);
        EXPECT_EQ(cmd.m_wTime, c.wTime);
        EXPECT_EQ(cmd.m_bParallel, c.bParallel);
    }

    // An existing command keeps its values; its vector takes the kind's size.
    cCommand edited = MakeCommand(0, 39, {5, 6});
    edited.m_Params.pop_back();
    PrepareCommandParams(edited, false);
    EXPECT_EQ(edited.m_Params, (std::vector<u32>{5, 0}));
}

struct cUsedCase {
    const char* lpWhat;
    u8 nKind;
    std::vector<std::pair<size_t, s32>> values;
    u32 nIndex;
    bool bUsed;
};

TEST_F(FlowParams, ParametersCountOnlyInTheirModes)
{
    const cUsedCase cases[] = {
        {"jump: speed of a fixed jump", 10, {{0, 0}}, 1, false},
        {"jump: speed of a speed jump", 10, {{0, 2}}, 1, true},
        {"jump: height", 10, {{0, 0}}, 2, true},
        {"flow operation: which flows of self", 16, {{3, 0}}, 1, true},
        {"flow operation: which flows of a target", 16, {{3, 2}}, 1, false},
        {"flow operation: letter", 16, {{1, 2}}, 2, true},
        {"message: time", 19, {{6, 2}}, 7, true},
        {"message: time of a momentary message", 19, {{6, 2}, {17, 1}}, 7, false},
        {"message: pause until the key", 19, {{6, 0}}, 8, false},
        {"message: coordinates", 19, {{0, 7}}, 1, true},
        {"message: coordinates on self", 19, {{0, 1}}, 1, false},
        {"message erased: window", 19, {{15, 1}}, 14, false},
        {"message erased: ID flag", 19, {{15, 1}}, 12, true},
        {"message erased: ID", 19, {{15, 1}, {12, 1}}, 13, true},
        {"target: force of the nearest", 21, {{1, 2}}, 2, true},
        {"target: force of every force", 21, {{1, 2}, {3, 1}}, 2, false},
        {"target: range of a chara by ID", 21, {{1, 3}}, 4, false},
        {"target: filters of the player", 21, {{1, 0}}, 5, false},
        {"status: percent of HP", 22, {{3, 1}, {4, 1}, {15, 1}}, 14, false},
        {"status: calculation of HP", 22, {{3, 1}, {4, 1}, {15, 1}}, 15, true},
        {"status: percent of defence", 22, {{4, 13}}, 14, true},
        {"status: percent of chara ID", 22, {{4, 5}}, 14, false},
        {"status: percent of a variable", 22, {{0, 1}}, 14, true},
        {"status: chara variable number", 22, {{4, 0}}, 2, true},
        {"status: left variable of a system status", 22, {{3, 5}, {4, 0}}, 2, false},
        {"status: coordinate kind of X", 22, {{4, 6}}, 18, true},
        {"status: reference point, relative", 22, {{4, 6}, {18, 0}}, 20, false},
        {"status: reference point, absolute", 22, {{4, 6}, {18, 1}}, 20, true},
        {"status: reference point of the operand", 22, {{6, 2}, {13, 7}, {19, 2}}, 21, true},
        {"status: random bounds of a constant", 22, {{6, 0}}, 8, false},
        {"state: crush avoidance of flight", 23, {{1, 3}}, 4, true},
        {"state: crush avoidance of the system", 23, {{0, 5}, {1, 3}}, 4, false},
        {"vanish: force of children", 24, {{0, 2}}, 1, false},
        {"effect erased: scale", 29, {{0, 0}}, 6, false},
        {"effect erased: the effect", 29, {{0, 0}}, 0, true},
        {"effect: unit", 29, {{0, 1}, {1, 3}}, 8, true},
        {"picture erased: ID", 32, {{0, 0}, {12, 1}}, 13, true},
        {"picture erased: front", 32, {{0, 0}}, 6, false},
        {"picture: time", 32, {{0, 1}, {8, 2}}, 9, true},
        {"colour restored: red", 33, {{4, 1}}, 0, false},
        {"colour restored: time", 33, {{4, 1}}, 5, true},
        {"colour: flashes", 33, {{6, 1}}, 7, true},
        {"loop: count", 39, {}, 0, true},
        {"loop: no third parameter", 39, {}, 2, false},
    };
    for (const cUsedCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cCommand cmd = MakeCommand(0, c.nKind);
        for (const auto& v : c.values) cmd.m_Params[v.first] = static_cast<u32>(v.second);
        EXPECT_EQ(IsParamUsed(cmd, c.nIndex), c.bUsed);
    }
    // The item-effect flow change names its flows only to change or delete them.
    EXPECT_FALSE(IsParamUsed(MakeCommand(1, 1, {0, 0}), 1));
    EXPECT_TRUE(IsParamUsed(MakeCommand(1, 1, {2, 0}), 1));
    // A kind out of its table has no parameters.
    EXPECT_FALSE(IsParamUsed(MakeCommand(0, 99), 0));
}

std::pair<s32, s32> RangeOf(const cCommand& cmd, u32 nIndex)
{
    std::pair<s32, s32> range;
    GetParamRange(cmd, nIndex, range.first, range.second);
    return range;
}

TEST_F(FlowParams, RangesFollowTheOtherParametersAndTheProject)
{
    using tRange = std::pair<s32, s32>;
    // Options, numbers, flags.
    EXPECT_EQ(RangeOf(MakeCommand(0, 19), 0), tRange(0, 10));
    EXPECT_EQ(RangeOf(MakeCommand(0, 19), 3), tRange(-999, 999));
    EXPECT_EQ(RangeOf(MakeCommand(0, 19), 5), tRange(0, 1));
    EXPECT_EQ(RangeOf(MakeCommand(0, 38), 0), tRange(1, 39));

    // Status operation: the operand takes the operand range of the left
    // status; a variable takes the widest.
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {0, 0, 0, 0, 5}), 7), tRange(-99, 99));
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {0, 0, 0, 5, 0}), 8), tRange(-999, 999));
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {1}), 9), tRange(-999999, 999999));
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {0, 0, 0, 0, 0}), 2), tRange(1, 8));
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {1}), 2), tRange(1, 999));
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {0, 0, 0, 5}), 4), tRange(0, 4));
    EXPECT_EQ(RangeOf(MakeCommand(0, 22, {0, 0, 0, 1}), 4), tRange(0, 16));

    // Status operation 2: the state's list by owner; the value from the
    // state's minimum ("巨大化" 1..10, so "×4" stores 2).
    EXPECT_EQ(RangeOf(MakeCommand(0, 23, {5}), 1), tRange(0, 1));
    EXPECT_EQ(RangeOf(MakeCommand(0, 23, {0}), 1), tRange(0, 6));
    EXPECT_EQ(RangeOf(MakeCommand(0, 23, {0, 5}), 2), tRange(1, 10));
    EXPECT_EQ(RangeOf(MakeCommand(0, 23, {0, 1}), 2), tRange(0, 1));
    const std::vector<std::string> giant = GetParamChoiceNames(MakeCommand(0, 23, {0, 5}), 2);
    ASSERT_EQ(giant.size(), 10u);
    EXPECT_EQ(giant[1], "×4");
    EXPECT_EQ(GetParamChoiceNames(MakeCommand(0, 23, {5}), 1),
              (std::vector<std::string>{"横スクロール", "縦スクロール"}));

    // Graphic change: numbers and offsets by the graphic kind.
    EXPECT_EQ(RangeOf(MakeCommand(0, 26, {1}), 1), tRange(1, 119));
    EXPECT_EQ(RangeOf(MakeCommand(0, 26, {4}), 1), tRange(1, 999));
    EXPECT_EQ(RangeOf(MakeCommand(0, 26, {1}), 2), tRange(-19, 19));
    EXPECT_EQ(RangeOf(MakeCommand(0, 26, {4}), 2), tRange(-239, 239));

    // Records: from the loaded tables and palettes once they are known.
    EXPECT_EQ(RangeOf(MakeCommand(0, 28), 0), tRange(1, 998));
    EXPECT_EQ(RangeOf(MakeCommand(0, 25, {1}), 1), tRange(1, 0xFFFF));
    cFakeFlowRefs refs;
    refs.Set(eFlowRefTable::Anime, 4).Set(eFlowRefTable::CharaExcBmp, 5).Set(eFlowRefTable::AnimeSet, 1);
    SetFlowRefs(&refs);
    cFakePalettes palettes;
    palettes.Set(ePaletteList::CommonItem, 5).Set(ePaletteList::StageItem, 8);
    SetPaletteRefs(&palettes);
    EXPECT_EQ(RangeOf(MakeCommand(0, 28), 0), tRange(1, 3));
    EXPECT_EQ(RangeOf(MakeCommand(0, 27), 0), tRange(0, 0));
    EXPECT_EQ(RangeOf(MakeCommand(0, 26, {4}), 1), tRange(1, 4));
    EXPECT_EQ(RangeOf(MakeCommand(0, 25, {0}), 1), tRange(1, 4));
    EXPECT_EQ(RangeOf(MakeCommand(1, 10, {1}), 1), tRange(1, 7));

    // Names a choice offers.
    EXPECT_EQ(GetParamChoiceNames(MakeCommand(0, 22, {0, 0, 0, 0}), 4).size(), 17u);
    EXPECT_EQ(GetParamChoiceNames(MakeCommand(0, 21), 12).front(), "1 キャラ変数-1");
    EXPECT_TRUE(GetParamChoiceNames(MakeCommand(0, 22, {1}), 2).empty());
    const std::vector<std::string> kinds = GetParamChoiceNames(MakeCommand(0, 38), 0);
    ASSERT_EQ(kinds.size(), 39u);
    EXPECT_EQ(kinds.front(), "ウエイト");
    EXPECT_EQ(kinds.back(), "ループ");
    EXPECT_EQ(GetParamChoiceNames(MakeCommand(0, 9), 0).back(), "最後にブロックが当たった方の逆を向く");
}

TEST_F(FlowParams, LabelsOfTheDialogs)
{
    const cParamDesc* lpRepeats = GetParamDesc(0, 39, 0);
    ASSERT_NE(lpRepeats, nullptr);
    EXPECT_STREQ(lpRepeats->m_lpLabel, "個のコマンドを");
    EXPECT_STREQ(lpRepeats->m_lpLabelAfter, "回繰り返す");
    EXPECT_STREQ(GetParamDesc(0, 39, 1)->m_lpLabel, "後続");
    EXPECT_STREQ(GetParamDesc(0, 30, 0)->m_lpLabel, "キャラエフェクト");
    EXPECT_STREQ(GetParamDesc(0, 31, 0)->m_lpLabel, "画面エフェクト");
    EXPECT_STREQ(GetParamDesc(0, 36, 0)->m_lpZeroName, "BGMの停止");
    EXPECT_STREQ(GetParamDesc(0, 19, 15)->m_lpLabel, "メッセージの消去(メッセージIDが非設定なら消去は失敗)");
    EXPECT_EQ(GetParamDesc(0, 19, 18)->m_lpNames, &g_UnitBlNames);
    EXPECT_STREQ(GetParamDesc(1, 1, 1)->m_lpLabel, "削除ID");
}

TEST_F(FlowParams, ForcedParameters)
{
    const struct {
        const char* lpWhat;
        u8 nKind;
        std::vector<std::pair<size_t, s32>> values;
        size_t nIndex;
        u32 nForced;
    } cases[] = {
        {"flows of a target by ID", 16, {{3, 2}, {1, 0}}, 1, 2},
        {"flows of self as chosen", 16, {{3, 0}, {1, 1}}, 1, 1},
        {"message until the key pauses", 19, {{6, 0}, {8, 0}}, 8, 1},
        {"message to the stage's end runs on", 19, {{6, 1}, {8, 1}}, 8, 0},
        {"message for a time as chosen", 19, {{6, 2}, {8, 0}}, 8, 0},
        {"picture until the key pauses", 32, {{8, 0}}, 10, 1},
        {"picture to the stage's end runs on", 32, {{8, 1}, {10, 1}}, 10, 0},
        {"restored colour doesn't flash", 33, {{4, 1}, {6, 1}}, 6, 0},
        {"colour flashes as chosen", 33, {{6, 1}}, 6, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cCommand cmd = MakeCommand(0, c.nKind);
        for (const auto& v : c.values) cmd.m_Params[v.first] = static_cast<u32>(v.second);
        ForceDependentParams(cmd);
        EXPECT_EQ(cmd.m_Params[c.nIndex], c.nForced);
    }
    // A short vector is brought to the kind's size first.
    cCommand shortMessage = MakeCommand(0, 19);
    shortMessage.m_Params.resize(3);
    ForceDependentParams(shortMessage);
    EXPECT_EQ(shortMessage.m_Params.size(), 19u);
    EXPECT_EQ(shortMessage.m_Params[8], 1u);
}

}  // namespace
