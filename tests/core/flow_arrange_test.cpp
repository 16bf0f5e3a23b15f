#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "flow/arrange_params.h"
#include "flow/cmd_kinds.h"
#include "flow/cmd_params.h"
#include "flow/ed_flow.h"
#include "flow_test_util.h"

namespace {

class FlowArrange : public cFlowTest {
protected:
    void SetUp() override
    {
        cFlowTest::SetUp();
        BuildArrangeParams();
    }
};

// Where an adjustable parameter is stored: a field of the move or shot
// record by its number in the record's field list (from 1), with the
// element of a three-value field; a position of the parameters; the
// command's own sound.
struct cPlace {
    enum eWhere { kMove, kShot, kParam, kSound } eAt;
    u32 nNumber;
    u32 nElement;

    std::string Text() const
    {
        static const char* const kNames[] = {"move field ", "shot field ", "parameter ", "sound"};
        std::string str = kNames[eAt];
        if (eAt != kSound) str += std::to_string(nNumber);
        if (nElement) str += "[" + std::to_string(nElement) + "]";
        return str;
    }
};

constexpr cPlace Move(u32 nField) { return {cPlace::kMove, nField, 0}; }
constexpr cPlace Shot(u32 nField, u32 nElement = 0) { return {cPlace::kShot, nField, nElement}; }
constexpr cPlace Param(u32 nPos) { return {cPlace::kParam, nPos, 0}; }
constexpr cPlace Sound() { return {cPlace::kSound, 0, 0}; }

struct cListRow {
    u32 nKind;
    u32 nIndex;
    const char* lpLabel;
    s32 nMin;
    s32 nMax;
    cPlace place;
};

// Every adjustable parameter of every kind, in list order, with the stored
// value it designates.
const cListRow kRows[] = {
    {2, 0, "目標X", -16383, 16383, Move(8)},
    {2, 1, "目標X(dot)", -640, 640, Move(10)},
    {2, 2, "目標Y", -16383, 16383, Move(9)},
    {2, 3, "目標Y(dot)", -640, 640, Move(11)},
    {2, 4, "角度", -7200, 7200, Move(3)},
    {2, 5, "分身値による増加角度", -7200, 7200, Move(4)},
    {5, 0, "目標のズレX(bl)", -640, 640, Move(8)},
    {5, 1, "目標Xのズレ(dot)", -640, 640, Move(10)},
    {5, 2, "目標Yのズレ(bl)", -640, 640, Move(9)},
    {5, 3, "目標Yのズレ(dot)", -640, 640, Move(11)},
    {5, 4, "角度", -7200, 7200, Move(3)},
    {5, 5, "分身値による増加角度", -7200, 7200, Move(4)},
    {6, 0, "誘導性能の悪さ", 0, 10, Move(29)},
    {6, 1, "分身値による増加誘導性能の悪さ", 0, 10, Move(30)},
    {6, 2, "目標Xのズレ(bl)", -640, 640, Move(8)},
    {6, 3, "目標Xのズレ(dot)", -640, 640, Move(10)},
    {6, 4, "目標Yのズレ(bl)", -640, 640, Move(9)},
    {6, 5, "目標Yのズレ(dot)", -640, 640, Move(11)},
    {9, 0, "効果音", 1, 9999, Sound()},
    {10, 0, "効果音", 1, 9999, Sound()},
    {11, 0, "グラフィック", 1, 120, Shot(20)},
    {11, 1, "Z座標", 0, 7, Shot(21)},
    {11, 2, "フォーメーション固有1", 0, 2147483647, Shot(3)},
    {11, 3, "フォーメーション固有2", 0, 2147483647, Shot(3, 1)},
    {11, 4, "フォーメーション固有3", 0, 2147483647, Shot(3, 2)},
    {11, 5, "発射数", 1, 127, Shot(1)},
    {11, 6, "発射数に対する分身数", 0, 20, Shot(13)},
    {11, 7, "角度のズレ", -7200, 7200, Shot(8)},
    {11, 8, "分身値による角度のズレ", -7200, 7200, Shot(9)},
    {11, 9, "分散角度", 0, 180, Shot(11)},
    {11, 10, "発射位置のズレX(dot)", -640, 640, Shot(14)},
    {11, 11, "分身値による発射位置のズレX(dot)", -640, 640, Shot(15)},
    {11, 12, "発射位置のズレY(dot)", -640, 640, Shot(16)},
    {11, 13, "分身値による発射位置のズレY(dot)", -640, 640, Shot(17)},
    {11, 14, "効果音", 1, 9999, Sound()},
    {11, 15, "勢力", 0, 7, Shot(24)},
    {11, 16, "移動タイプ固有1", 0, 2147483647, Shot(29)},
    {11, 17, "移動タイプ固有2", 0, 2147483647, Shot(29, 1)},
    {11, 18, "移動タイプ固有3", 0, 2147483647, Shot(29, 2)},
    {11, 19, "速度", -200, 200, Shot(32)},
    {11, 20, "分身値による増加速度", -200, 200, Shot(33)},
    {11, 21, "加速度", -200, 200, Shot(35)},
    {11, 22, "分身値による増加加速度", -200, 200, Shot(36)},
    {11, 23, "飛距離(hbl)", 0, 64, Shot(37)},
    {11, 24, "分身値による増加飛距離", -40, 40, Shot(39)},
    {11, 25, "存在時間(1/10s)", 1, 999, Shot(42)},
    {11, 26, "分身値よる増加存在時間", -99, 99, Shot(43)},
    {11, 27, "消滅値", 1, 9, Shot(48)},
    {11, 28, "威力", -999999, 999999, Shot(49)},
    {11, 29, "衝撃", -20, 20, Shot(51)},
    {11, 30, "エフェクト", 1, 999, Shot(52)},
    {11, 31, "取得アイテム", 1, 9999, Shot(54)},
    {12, 0, "勢力", 0, 7, Shot(24)},
    {12, 1, "Z座標", 0, 7, Shot(21)},
    {12, 2, "威力", -999999, 999999, Shot(49)},
    {12, 3, "衝撃", -20, 20, Shot(51)},
    {12, 4, "エフェクト", 1, 999, Shot(52)},
    {12, 5, "取得アイテム", 1, 9999, Shot(54)},
    {12, 6, "効果音", 1, 9999, Sound()},
    {13, 0, "ブロック", 1, 9999, Shot(59)},
    {13, 1, "フォーメーション固有1", 0, 2147483647, Shot(3)},
    {13, 2, "フォーメーション固有2", 0, 2147483647, Shot(3, 1)},
    {13, 3, "フォーメーション固有3", 0, 2147483647, Shot(3, 2)},
    {13, 4, "数", 1, 127, Shot(1)},
    {13, 5, "召喚位置のズレX(dot)", -640, 640, Shot(14)},
    {13, 6, "召喚位置のズレY(dot)", -640, 640, Shot(16)},
    {13, 7, "効果音", 1, 9999, Sound()},
    {14, 0, "キャラ", 1, 9999, Shot(59)},
    {14, 1, "存在時間(1/10s)", 1, 9999, Shot(37)},
    {14, 2, "勢力", 0, 7, Shot(24)},
    {14, 3, "フォーメーション固有1", 0, 2147483647, Shot(3)},
    {14, 4, "フォーメーション固有2", 0, 2147483647, Shot(3, 1)},
    {14, 5, "フォーメーション固有3", 0, 2147483647, Shot(3, 2)},
    {14, 6, "数", 1, 127, Shot(1)},
    {14, 7, "召喚位置のズレX(dot)", -640, 640, Shot(14)},
    {14, 8, "召喚位置のズレY(dot)", -640, 640, Shot(16)},
    {14, 9, "効果音", 1, 9999, Sound()},
    {15, 0, "アイテム", 1, 9999, Shot(59)},
    {15, 1, "存在時間(1/10s)", 1, 9999, Shot(37)},
    {15, 2, "フォーメーション固有1", 0, 2147483647, Shot(3)},
    {15, 3, "フォーメーション固有2", 0, 2147483647, Shot(3, 1)},
    {15, 4, "フォーメーション固有3", 0, 2147483647, Shot(3, 2)},
    {15, 5, "数", 1, 127, Shot(1)},
    {15, 6, "召喚位置のズレX(dot)", -640, 640, Shot(14)},
    {15, 7, "召喚位置のズレY(dot)", -640, 640, Shot(16)},
    {15, 8, "効果音", 1, 9999, Sound()},
    {17, 0, "次のステージの番号", 1, 99, Param(1)},
    {17, 1, "次のステージの初期位置X(bl)", 0, 999, Param(6)},
    {17, 2, "次のステージの初期位置Y(bl)", 0, 999, Param(7)},
    {17, 3, "クリア後のワールドマップの位置X", 0, 999, Param(3)},
    {17, 4, "クリア後のワールドマップの位置Y", 0, 999, Param(4)},
    {19, 0, "メッセージID", 0, 999, Param(13)},
    {19, 1, "座標X", 0, 16383, Param(1)},
    {19, 2, "座標Y", 0, 16383, Param(2)},
    {19, 3, "表示位置のズレX(dot)", -999, 999, Param(3)},
    {19, 4, "表示位置のズレY(dot)", -999, 999, Param(4)},
    {20, 0, "距離(hbl)", 0, 64, Move(26)},
    {20, 1, "分身値による増加距離(hbl)", -40, 40, Move(27)},
    {20, 2, "目標X", -16383, 16383, Move(8)},
    {20, 3, "目標Y", -16383, 16383, Move(9)},
    {20, 4, "目標Xのズレ(dot)", -640, 640, Move(10)},
    {20, 5, "目標Yのズレ(dot)", -640, 640, Move(11)},
    {21, 0, "対象勢力", 0, 7, Param(2)},
    {21, 1, "対象キャラID", 0, 99, Param(10)},
    {21, 2, "キャラ変数と比較する数値", -999999, 999999, Param(13)},
    {22, 0, "変数（左辺）", 1, 999, Param(2)},
    {22, 1, "定数", -999999, 999999, Param(7)},
    {22, 2, "乱数の最小値", -999999, 999999, Param(8)},
    {22, 3, "乱数の最大値", -999999, 999999, Param(9)},
    {22, 4, "変数（右辺）", 1, 999, Param(11)},
    {24, 0, "対象勢力", 0, 7, Param(1)},
    {25, 0, "アイテム", 1, 9999, Param(1)},
    {26, 0, "グラフィック", 1, 999, Param(1)},
    {26, 1, "ズレ", -999, 999, Param(2)},
    {29, 0, "エフェクト", 1, 999, Param(0)},
    {29, 1, "座標X", 0, 16383, Param(2)},
    {29, 2, "座標Y", 0, 16383, Param(3)},
    {29, 3, "表示位置のズレX(dot)", -999, 999, Param(4)},
    {29, 4, "表示位置のズレY(dot)", -999, 999, Param(5)},
    {29, 5, "表示倍率(%)", 1, 1000, Param(6)},
    {30, 0, "キャラエフェクト", 1, 999, Param(0)},
    {31, 0, "画面エフェクト", 1, 999, Param(0)},
    {32, 0, "ピクチャー", 1, 9999, Param(0)},
    {32, 1, "ピクチャーID", 0, 999, Param(13)},
    {32, 2, "座標X", 0, 16383, Param(2)},
    {32, 3, "座標Y", 0, 16383, Param(3)},
    {32, 4, "表示位置のズレX(dot)", -999, 999, Param(4)},
    {32, 5, "表示位置のズレY(dot)", -999, 999, Param(5)},
    {32, 6, "表示倍率(%)", 1, 1000, Param(7)},
    {33, 0, "R", 0, 255, Param(0)},
    {33, 1, "G", 0, 255, Param(1)},
    {33, 2, "B", 0, 255, Param(2)},
    {33, 3, "%", 0, 100, Param(3)},
    {34, 0, "背景番号", 1, 8, Param(0)},
    {35, 0, "効果音", 1, 9999, Param(0)},
    {36, 0, "BGM", 1, 999, Param(0)},
};

std::vector<const cListRow*> RowsOf(u32 nKind)
{
    std::vector<const cListRow*> rows;
    for (const cListRow& r : kRows)
        if (r.nKind == nKind) rows.push_back(&r);
    return rows;
}

// A command of a flow kind with its parameters sized, and with a move and a
// shot record unless told otherwise.
cCommand CommandOf(u32 nKind, bool bMove = true, bool bShot = true)
{
    cCommand cmd;
    cmd.m_nKind = static_cast<u8>(nKind);
    PrepareCommandParams(cmd, false);
    if (bMove) CreateEdMove(cmd.m_pMove);
    if (bShot) CreateEdShot(cmd.m_pShot);
    return cmd;
}

// The stored values that differ between two commands of the same shape.
void AddChangedFields(const cEdData& before, const cEdData& after, cPlace::eWhere eAt, std::vector<std::string>& places)
{
    const std::vector<cFieldDesc>& fields = before.Fields().All();
    for (u32 i = 0; i < fields.size(); ++i) {
        const cFieldDesc& f = fields[i];
        const u8* lpBefore = static_cast<const u8*>(f.Address(before));
        const u8* lpAfter = static_cast<const u8*>(f.Address(after));
        for (u32 e = 0; e < f.m_nCount; ++e)
            if (std::memcmp(lpBefore + e * f.m_nWidth, lpAfter + e * f.m_nWidth, f.m_nWidth) != 0)
                places.push_back(cPlace{eAt, i + 1, e}.Text());
    }
}

std::vector<std::string> ChangedPlaces(const cCommand& before, const cCommand& after)
{
    std::vector<std::string> places;
    if (before.m_pMove && after.m_pMove) AddChangedFields(*before.m_pMove, *after.m_pMove, cPlace::kMove, places);
    if (before.m_pShot && after.m_pShot) AddChangedFields(*before.m_pShot, *after.m_pShot, cPlace::kShot, places);
    for (u32 i = 0; i < before.m_Params.size() && i < after.m_Params.size(); ++i)
        if (before.m_Params[i] != after.m_Params[i]) places.push_back(Param(i).Text());
    if (before.m_wSound != after.m_wSound) places.push_back(Sound().Text());
    return places;
}

TEST_F(FlowArrange, ListsOfEveryKind)
{
    for (u32 nKind = 0; nKind < kArrangeKinds; ++nKind) {
        SCOPED_TRACE(nKind);
        const std::vector<const cListRow*> rows = RowsOf(nKind);
        const cArrangeParams& params = GetArrangeParams(nKind);
        ASSERT_EQ(params.size(), rows.size());
        for (const cListRow* r : rows) {
            SCOPED_TRACE(r->nIndex);
            EXPECT_EQ(params[r->nIndex].m_strLabel, r->lpLabel);
            EXPECT_EQ(params[r->nIndex].m_nMin, r->nMin);
            EXPECT_EQ(params[r->nIndex].m_nMax, r->nMax);
            EXPECT_EQ(&GetArrangeParam(nKind, r->nIndex), &params[r->nIndex]);
        }
    }
    for (u32 nKind : {0, 1, 3, 4, 7, 8, 16, 18, 23, 27, 28, 37, 38, 39}) EXPECT_TRUE(GetArrangeParams(nKind).empty());
    EXPECT_EQ(GetArrangeParams(11).size(), 32u);
    EXPECT_EQ(GetArrangeParams(14).size(), 10u);

    // Labels are the program's own bytes ("表示" ends its first character in 0x5C).
    EXPECT_EQ(GetArrangeParam(29, 3).m_strLabel.substr(0, 4), "\x95\x5C\x8E\xA6");

    // Building again changes nothing.
    const std::vector<cArrangeParams> before = [] {
        std::vector<cArrangeParams> all;
        for (u32 k = 0; k < kArrangeKinds; ++k) all.push_back(GetArrangeParams(k));
        return all;
    }();
    BuildArrangeParams();
    for (u32 k = 0; k < kArrangeKinds; ++k) {
        ASSERT_EQ(GetArrangeParams(k).size(), before[k].size());
        for (size_t i = 0; i < before[k].size(); ++i) EXPECT_EQ(GetArrangeParams(k)[i].m_strLabel, before[k][i].m_strLabel);
    }
}

TEST_F(FlowArrange, EachParameterReadsAndWritesItsOwnStoredValue)
{
    for (const cListRow& r : kRows) {
        SCOPED_TRACE(::testing::Message() << r.nKind << " " << r.nIndex << " " << r.place.Text());
        // Both ends of the range where they fit the stored width, and a
        // value between them.
        std::vector<s32> values = {r.nMin < 0 ? -5 : 5};
        if (r.nMax <= 0xFFFF) values.insert(values.end(), {r.nMin, r.nMax});
        for (s32 nValue : values) {
            const cCommand before = CommandOf(r.nKind);
            cCommand cmd = before;
            ASSERT_TRUE(SetArrangeValue(cmd, r.nIndex, nValue));
            s32 nRead = 12345;
            ASSERT_TRUE(GetArrangeValue(cmd, r.nIndex, nRead));
            EXPECT_EQ(nRead, nValue);
            // (0 is every such value's default.)
            const std::vector<std::string> expected = nValue == 0 ? std::vector<std::string>()
                                                                  : std::vector<std::string>{r.place.Text()};
            EXPECT_EQ(ChangedPlaces(before, cmd), expected);
        }
    }
    ExpectQuiet();
}

TEST_F(FlowArrange, ValuesAreNarrowedToTheirStoredWidth)
{
    // A signed value in a 16-bit field, a signed byte, a 32-bit power.
    cCommand move = CommandOf(2);
    ASSERT_TRUE(SetArrangeValue(move, 0, -16383));
    EXPECT_EQ(move.m_pMove->m_wTargetX, 0xC001);
    cCommand shot = CommandOf(11);
    ASSERT_TRUE(SetArrangeValue(shot, 29, -20));
    EXPECT_EQ(shot.m_pShot->m_nImpact, 0xEC);
    ASSERT_TRUE(SetArrangeValue(shot, 28, -999999));
    EXPECT_EQ(shot.m_pShot->m_nPower, static_cast<u32>(-999999));
    s32 nValue = 0;
    ASSERT_TRUE(GetArrangeValue(shot, 28, nValue));
    EXPECT_EQ(nValue, -999999);

    // Ranges are the caller's: a value past the range is narrowed, not
    // bounded; a field whose range starts at 0 reads back without a sign.
    ASSERT_TRUE(SetArrangeValue(shot, 1, 300));  // "Z座標", one byte
    EXPECT_EQ(shot.m_pShot->m_nZ, 300 & 0xFF);
    ASSERT_TRUE(SetArrangeValue(shot, 2, 2147483647));  // a pattern value, 16 bits
    EXPECT_EQ(shot.m_pShot->m_wPatternValue[0], 0xFFFF);
    ASSERT_TRUE(GetArrangeValue(shot, 2, nValue));
    EXPECT_EQ(nValue, 0xFFFF);
    ASSERT_TRUE(SetArrangeValue(shot, 14, 70000));  // the command's own sound
    EXPECT_EQ(shot.m_wSound, 70000 & 0xFFFF);

    // A stored parameter keeps all 32 bits.
    cCommand status = CommandOf(22);
    ASSERT_TRUE(SetArrangeValue(status, 1, -999999));
    EXPECT_EQ(status.m_Params[7], static_cast<u32>(-999999));
}

TEST_F(FlowArrange, WithoutTheRecordThatHoldsTheValueNothingHappens)
{
    for (const cListRow& r : kRows) {
        SCOPED_TRACE(::testing::Message() << r.nKind << " " << r.nIndex << " " << r.place.Text());
        const bool bInRecord = r.place.eAt == cPlace::kMove || r.place.eAt == cPlace::kShot;
        // The other record present, the one that holds the value absent.
        const cCommand before = CommandOf(r.nKind, r.place.eAt != cPlace::kMove, r.place.eAt != cPlace::kShot);
        cCommand cmd = before;
        s32 nValue = 12345;
        EXPECT_EQ(GetArrangeValue(cmd, r.nIndex, nValue), !bInRecord);
        EXPECT_EQ(SetArrangeValue(cmd, r.nIndex, 7), !bInRecord);
        if (bInRecord) {
            EXPECT_EQ(nValue, 12345);
            EXPECT_TRUE(cmd == before);
            EXPECT_EQ(cmd.m_pMove == nullptr, before.m_pMove == nullptr);
            EXPECT_EQ(cmd.m_pShot == nullptr, before.m_pShot == nullptr);
        }

        // Parameters shorter than the kind's (a command not yet sized)
        // are not grown.
        if (r.place.eAt == cPlace::kParam) {
            cCommand shortCmd = CommandOf(r.nKind, false, false);
            shortCmd.m_Params.resize(r.place.nNumber);
            const cCommand shortBefore = shortCmd;
            nValue = 12345;
            EXPECT_FALSE(GetArrangeValue(shortCmd, r.nIndex, nValue));
            EXPECT_FALSE(SetArrangeValue(shortCmd, r.nIndex, 7));
            EXPECT_EQ(nValue, 12345);
            EXPECT_TRUE(shortCmd == shortBefore);
        }
    }
    ExpectQuiet();
}

TEST_F(FlowArrange, IndicesOutsideTheListsAreRefusedQuietly)
{
    // The screen colour's "%" is parameter 3; index 4 ("元の色に戻す" is
    // parameter 4) is not in its list.
    cCommand color = CommandOf(33);
    ASSERT_TRUE(SetArrangeValue(color, 3, 80));
    EXPECT_EQ(color.m_Params[3], 80u);
    const cCommand colorBefore = color;
    s32 nValue = 12345;
    EXPECT_FALSE(SetArrangeValue(color, 4, 1));
    EXPECT_FALSE(GetArrangeValue(color, 4, nValue));
    EXPECT_TRUE(color == colorBefore);

    // Past the end and before the start of every kind's list, and kinds
    // out of the table.
    for (u32 nKind = 0; nKind < 256; ++nKind) {
        SCOPED_TRACE(nKind);
        const cCommand before = CommandOf(nKind);
        const long long nCount = static_cast<long long>(RowsOf(nKind).size());
        for (long long nIndex : {nCount, nCount + 1, -1LL, 1LL << 40}) {
            cCommand cmd = before;
            nValue = 12345;
            EXPECT_FALSE(GetArrangeValue(cmd, nIndex, nValue));
            EXPECT_FALSE(SetArrangeValue(cmd, nIndex, 7));
            EXPECT_EQ(nValue, 12345);
            EXPECT_TRUE(cmd == before);
            const cArrangeParam& none = GetArrangeParam(nKind, nIndex);
            EXPECT_EQ(none.m_strLabel, "");
            EXPECT_EQ(none.m_nMin, 0);
            EXPECT_EQ(none.m_nMax, 0);
        }
    }
    EXPECT_TRUE(GetArrangeParams(-1).empty());
    EXPECT_TRUE(GetArrangeParams(kArrangeKinds).empty());
    // Nothing reached the user, the fatal flag or the main window.
    ExpectQuiet();
}

TEST_F(FlowArrange, ItemEffectCommandsUseTheirFlowKind)
{
    // Item-effect kind 18 is the screen colour.
    cCommand cmd;
    cmd.m_nSet = 1;
    cmd.m_nKind = 18;
    PrepareCommandParams(cmd, false);
    ASSERT_TRUE(SetArrangeValue(cmd, 2, 200));
    EXPECT_EQ(cmd.m_Params[2], 200u);
    // Kinds 0 and 1 of the item effects have no flow kind.
    for (u8 nKind : {0, 1}) {
        cmd.m_nKind = nKind;
        s32 nValue = 12345;
        EXPECT_FALSE(GetArrangeValue(cmd, 0, nValue));
        EXPECT_EQ(nValue, 12345);
    }
}

TEST_F(FlowArrange, TheArrangeCommandChoosesFromTheTargetKindsList)
{
    cCommand cmd;
    cmd.m_nKind = 38;
    PrepareCommandParams(cmd, true);
    ASSERT_EQ(cmd.m_Params[0], 2u);  // a new arrange command targets the straight move
    const struct {
        u32 nTarget;
        s32 nMax;
    } cases[] = {{2, 5}, {11, 31}, {14, 9}, {9, 0}, {33, 3}, {3, -1}, {38, -1}, {39, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nTarget);
        cmd.m_Params[0] = c.nTarget;
        s32 nMin = 99, nMax = 99;
        GetParamRange(cmd, 1, nMin, nMax);
        EXPECT_EQ(nMin, 0);
        EXPECT_EQ(nMax, c.nMax);
        // The choice is offered only for a kind with adjustable parameters.
        EXPECT_EQ(IsParamUsed(cmd, 1), c.nMax >= 0);
        const std::vector<std::string> names = GetParamChoiceNames(cmd, 1);
        ASSERT_EQ(names.size(), static_cast<size_t>(c.nMax + 1));
        for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], GetArrangeParam(c.nTarget, i).m_strLabel);
    }
    cmd.m_Params[0] = 11;
    EXPECT_EQ(GetParamChoiceNames(cmd, 1).back(), "取得アイテム");
    ExpectQuiet();
}

}  // namespace
