#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "flow/cmd_kinds.h"
#include "flow/option_names.h"
#include "flow/shot_tables.h"
#include "flow/status_tables.h"
#include "flow/var_names.h"
#include "flow_test_util.h"

namespace {

class FlowTables : public cFlowTest {};

TEST_F(FlowTables, FlowKindsHaveTheirNamesAndParameterCounts)
{
    const u32 kCounts[40] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5, 0, 0, 0,  0, 0, 4, 11, 1, 19,
                             0, 16, 22, 5, 3, 2, 3, 1, 2, 9, 3, 3, 16, 8, 2, 1, 2, 0, 5, 2};
    ASSERT_EQ(g_FlowCmdKinds.Count(), 40u);
    for (u32 k = 0; k < 40; ++k) EXPECT_EQ(GetCmdParamCount(0, k), kCounts[k]) << "kind " << k;

    struct {
        u32 nSet, nKind;
        const char* lpName;
        u32 nCount;
    } cases[] = {
        {0, 0, "", 0},
        {0, 1, "ウエイト", 0},
        {0, 2, "直線移動", 0},
        {0, 16, "フローの操作", 4},
        {0, 20, "ワープ", 0},
        {0, 22, "ステータスの操作", 22},
        {0, 36, "BGMの再生", 2},
        {0, 39, "ループ", 2},
        {1, 0, "", 0},
        {1, 1, "フローの変更", 2},
        {1, 2, "ステージクリア", 11},
        {1, 24, "ループ", 2},
        // Any set other than 0 is the item-effect set.
        {2, 1, "フローの変更", 2},
        {255, 7, "ステータスの操作", 22},
        // Kinds out of their table: no name, no parameters.
        {0, 40, "", 0},
        {0, 255, "", 0},
        {1, 25, "", 0},
        {0, 0xFFFFFFFF, "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(GetCmdKind(c.nSet, c.nKind).m_lpName, c.lpName) << c.nSet << "/" << c.nKind;
        EXPECT_EQ(GetCmdParamCount(c.nSet, c.nKind), c.nCount) << c.nSet << "/" << c.nKind;
    }
    ExpectQuiet();
}

TEST_F(FlowTables, ItemKindsFromTwoOnAreTheFlowKindsFifteenHigher)
{
    ASSERT_EQ(g_ItemCmdKinds.Count(), 25u);
    EXPECT_EQ(&GetCmdKindTable(0), &g_FlowCmdKinds);
    EXPECT_EQ(&GetCmdKindTable(1), &g_ItemCmdKinds);
    EXPECT_EQ(&GetCmdKindTable(9), &g_ItemCmdKinds);
    for (u32 k = 2; k < 25; ++k) {
        EXPECT_STREQ(GetCmdKind(1, k).m_lpName, GetCmdKind(0, k + kItemKindOffset).m_lpName) << k;
        EXPECT_EQ(GetCmdParamCount(1, k), GetCmdParamCount(0, k + kItemKindOffset)) << k;
    }
    // Kind 1 differs between the sets.
    EXPECT_EQ(GetCmdParamCount(1, 1), 2u);
    EXPECT_EQ(GetCmdParamCount(0, 1), 0u);
}

struct cTableCase {
    const char* lpWhat;
    const cNameTable& table;
    u32 nCount;
    const char* lpFirst;
    const char* lpLast;
};

// Every name table: its size, first and last names. The closing empty string
// follows the last name, and only the condition kinds have an empty name
// (kind 0).
TEST_F(FlowTables, NameTablesHoldTheirNamesAndEndWithAnEmptyString)
{
    const cTableCase cases[] = {
        {"group", g_GroupLetterNames, 27, "-", "Z"},
        {"group all", g_GroupLetterAllNames, 27, "全て", "Z"},
        {"sub group", g_SubGroupLetterNames, 27, "-", "z"},
        {"trigger", g_TriggerNames, 27, "常時", "なし（フローの操作コマンドで実行）"},
        {"cond mode", g_CondModeNames, 2, "全ての条件が真なら成立", "1つ以上の条件が真なら成立"},
        {"flow op whose", g_FlowOpWhoseNames, 5, "自分", "ターゲット4"},
        {"flow op", g_FlowOpActionNames, 6, "開始", "永久停止"},
        {"flow op which", g_FlowOpWhichNames, 3, "このフロー", "指定IDのフロー"},
        {"subject self", g_SubjectSelfNames, 5, "自分", "ターゲット4"},
        {"subject self system", g_SubjectSelfSystemNames, 6, "自分", "システム"},
        {"subject player", g_SubjectPlayerNames, 5, "主人公", "ターゲット4"},
        {"subject player system", g_SubjectPlayerSystemNames, 6, "主人公", "システム"},
        {"operand source", g_OperandSourceNames, 2, "ステータス", "変数"},
        {"right source", g_RightSourceNames, 4, "定数", "変数"},
        {"scope", g_VarScopeNames, 2, "コモン変数", "ステージ変数"},
        {"scope chara", g_VarScopeCharaNames, 3, "コモン変数", "キャラ変数"},
        {"calculation", g_CalculationNames, 3, "通常の計算", "現在値に対する％で指定"},
        {"coordinates", g_CoordKindNames, 3, "相対座標", "画面座標"},
        {"chara cond states", g_CharaCondStateNames, 5, "左向き", "存在している"},
        {"on", g_OnNames, 1, "ON", "ON"},
        {"off on", g_OffOnNames, 2, "OFF", "ON"},
        {"flying", g_FlyingNames, 4, "OFF", "ON (ブロックに当たると即死)"},
        {"invincible", g_InvincibleNames, 3, "OFF", "ON (ショットがすり抜ける)"},
        {"giant", g_GiantSizeNames, 10, "しない", "×100"},
        {"scroll", g_ScrollModeNames, 2, "主人公の位置に合わせてスクロール", "オートスクロール"},
        {"clear dest", g_StageClearDestNames, 4, "次のステージへ", "ワールドクリア"},
        {"clear facing", g_StageClearFacingNames, 3, "左向き", "ステージクリア時の向きと同じ"},
        {"message pos", g_MessagePosNames, 11, "画面中央に表示", "ステージ座標で指定（中心を指定）"},
        {"duration", g_DisplayDurationNames, 3, "進行キーが押されるまで表示", "時間で指定"},
        {"target who", g_TargetWhoNames, 11, "主人公", "ターゲット4"},
        {"target range", g_TargetRangeNames, 3, "全範囲（画面内のキャラ優先）", "画面内"},
        {"target none", g_TargetNoneNames, 2, "ターゲット無し", "ターゲットを変更しない"},
        {"disappear what", g_DisappearWhatNames, 6, "キャラ", "子以下のキャラと孫以下のショット"},
        {"disappear range", g_DisappearRangeNames, 2, "画面内", "全範囲"},
        {"palette", g_PaletteNames, 2, "コモンパレット", "ステージパレット"},
        {"palette common", g_PaletteCommonNames, 1, "コモンパレット", "コモンパレット"},
        {"picture pos", g_PicturePosNames, 7, "画面中央に表示", "ステージ座標で指定（中心を指定）"},
        {"effect run", g_EffectRunNames, 3, "通常実行", "往復実行"},
        {"background", g_BackgroundNames, 3, "表示", "反転(表示⇔非表示)"},
        {"item palette op", g_ItemPaletteOpNames, 3, "追加", "削除"},
        {"item palette group", g_ItemPaletteGroupNames, 27, "全て削除", "Z"},
        {"cond kind", g_CondKindNames, 8, "", "距離条件"},
        {"distance shape", g_DistanceShapeNames, 7, "横", "円"},
        {"distance side", g_DistanceSideNames, 2, "以内", "外"},
        {"range display", g_RangeDisplayNames, 3, "表示しない", "テストプレイ時のみ表示"},
        {"range colour", g_RangeColorNames, 8, "赤", "虹"},
        {"key cond mode", g_KeyCondModeNames, 3, "全てのキーが真なら成立", "1つだけキーが真なら成立"},
        {"key state", g_KeyStateNames, 3, "--", "離"},
        {"keys", g_KeyNames, 19, "方向キーニュートラル", "F"},
        {"move mode", g_MoveModeNames, 2, "方向で指定", "目標座標で指定"},
        {"warp mode", g_WarpModeNames, 6, "方向と距離で指定", "目標座標で指定"},
        {"direction", g_DirectionNames, 13, "前", "入力方向"},
        {"coord start", g_CoordKindStartNames, 4, "配置位置からの相対座標", "画面座標"},
        {"unit bl", g_UnitBlNames, 2, "(bl)で指定", "(dot)で指定"},
        {"unit hbl", g_UnitHblNames, 2, "(hbl)で指定", "(dot)で指定"},
        {"giant origin", g_GiantOriginNames, 3, "キャラの中心", "歩行なら中央下、飛行なら中心"},
        {"target no", g_TargetNoNames, 4, "ターゲット1", "ターゲット4"},
        {"rotation", g_RotationNames, 4, "右回り", "左向きなら左回り、右向きなら右回り"},
        {"move anime", g_MoveAnimeNames, 3, "移動アニメ", "その他"},
        {"facing", g_FacingNames, 12, "左を向く", "最後にブロックが当たった方の逆を向く"},
        {"timing", g_TimingModeNames, 3, "時間と速度を指定", "速度と距離を指定"},
        {"circle timing", g_CircleTimingModeNames, 2, "時間を指定", "速度を指定"},
        {"jump height", g_JumpHeightNames, 3, "高さがキーで調節できない",
         "慣性移動速度に応じて高さを決定(主人公のみ有効)"},
        {"pattern", g_ShotPatternNames, 6, "直進A", "包囲"},
        {"aim", g_ShotAimNames, 10, "直進", "落下"},
        {"aim subject", g_AimSubjectNames, 3, "ターゲット", "自分"},
        {"block summon", g_BlockSummonModeNames, 3, "ブロックを召喚", "ブロックがなければ召喚、ブロックがあれば消す"},
        {"summon force", g_SummonForceNames, 3, "パレットの設定に準ずる", "番号で指定"},
        {"chara vars", g_CharaVarNames, 8, "1 キャラ変数-1", "8 キャラ変数-8"},
        {"var ops", g_VarOpNames, 7, "＝", "X ％"},
        {"compare", g_CompareNames, 8, "である", "の倍数でない"},
        {"sense", g_CondSenseNames, 2, "なら", "でないなら"},
    };
    for (const cTableCase& c : cases) {
        const cNameTable& t = c.table;
        ASSERT_EQ(t.Count(), c.nCount) << c.lpWhat;
        EXPECT_STREQ(t.At(0), c.lpFirst) << c.lpWhat;
        EXPECT_STREQ(t.At(c.nCount - 1), c.lpLast) << c.lpWhat;
        EXPECT_STREQ(t.Data()[c.nCount], "") << c.lpWhat;
        for (u32 i = (&t == &g_CondKindNames ? 1 : 0); i < c.nCount; ++i)
            EXPECT_STRNE(t.At(i), "") << c.lpWhat << " " << i;
        EXPECT_EQ(t.List().size(), c.nCount) << c.lpWhat;
    }
}

TEST_F(FlowTables, EveryLookupByAStoredValueIsBounded)
{
    for (long long n : {-1LL, 27LL, 28LL, 127LL, 128LL, 255LL, 0xFFFFLL, 0xFFFFFFFFLL, -0x80000000LL})
        EXPECT_STREQ(g_TriggerNames.At(n), "") << n;
    EXPECT_STREQ(g_TriggerNames.At(26), "なし（フローの操作コマンドで実行）");
    EXPECT_STREQ(g_OnNames.At(1), "");
    EXPECT_STREQ(g_CondKindNames.At(8), "");
    EXPECT_STREQ(CharaVarName(0), "");
    EXPECT_STREQ(CharaVarName(9), "");
    EXPECT_STREQ(CharaVarName(-1), "");
    EXPECT_STREQ(cNameTable().At(0), "");
    EXPECT_EQ(cNameTable().Count(), 0u);

    EXPECT_STREQ(g_CharaStatuses.At(17).m_lpName, "");
    EXPECT_EQ(g_CharaStatuses.At(255).m_nMax, 0);
    EXPECT_STREQ(g_SystemStatuses.At(-1).m_lpName, "");
    EXPECT_STREQ(g_CharaStates.At(7).m_lpName, "");
    EXPECT_EQ(g_CharaStates.At(7).Options().Count(), 0u);
    EXPECT_STREQ(g_CharaStates.At(7).Options().At(0), "");
    EXPECT_STREQ(g_SystemStates.At(2).m_lpName, "");
    EXPECT_STREQ(PatternValueDesc(6, 0).m_lpLabel, "");
    EXPECT_STREQ(PatternValueDesc(0, 3).m_lpLabel, "");
    EXPECT_STREQ(AimValueDesc(10, 0).m_lpLabel, "");
    EXPECT_STREQ(AimValueDesc(255, 255).m_lpLabel, "");
    ExpectQuiet();
}

TEST_F(FlowTables, VariableAndComparisonNames)
{
    // Listed until the empty entry.
    struct {
        const cNameTable& table;
        u32 nCount;
    } lists[] = {{g_CharaVarNames, 8}, {g_VarOpNames, 7}, {g_CompareNames, 8}, {g_CondSenseNames, 2}};
    for (const auto& l : lists) {
        u32 n = 0;
        while (l.table.Data()[n][0] != '\0') ++n;
        EXPECT_EQ(n, l.nCount);
    }
    EXPECT_STREQ(CharaVarName(3), "3 キャラ変数-3");
    EXPECT_STREQ(g_VarOpNames.At(5), "÷ X の余り");
    EXPECT_STREQ(g_CompareNames.At(6), "の倍数である");
}

TEST_F(FlowTables, TextsAreCodePage932Bytes)
{
    // Second bytes equal to a backslash, and characters that only CP932 has.
    EXPECT_EQ(std::string(g_BackgroundNames.At(0)), "\x95\x5C\x8E\xA6");       // 表示
    EXPECT_EQ(std::string(GetCmdKind(0, 12).m_lpName), "\x83\x5C\x81\x5B\x83\x68");  // ソード
    EXPECT_EQ(std::string(g_VarOpNames.At(2)), "\x81\x7C");                   // －
    EXPECT_EQ(std::string(g_KeyNames.At(1)), "\x81\xA9");                     // ←
}

TEST_F(FlowTables, StatusDescriptors)
{
    ASSERT_EQ(g_CharaStatuses.Count(), 17u);
    ASSERT_EQ(g_SystemStatuses.Count(), 5u);
    struct {
        const cStatusDesc& desc;
        const char* lpName;
        s32 nMin, nMax, nOperandMin, nOperandMax;
        u32 f0, f1, f2;
    } cases[] = {
        {g_CharaStatuses.At(0), "キャラ変数", -999999, 999999, -999999, 999999, 0, 0, 1},
        {g_CharaStatuses.At(1), "HP", 0, 999999, -999999, 999999, 0, 1, 1},
        {g_CharaStatuses.At(5), "キャラID", 0, 99, -99, 99, 0, 0, 0},
        {g_CharaStatuses.At(9), "マーク番号", 0, 119, -121, 119, 0, 0, 0},
        {g_CharaStatuses.At(12), "体当たりの衝撃", -20, 20, -20, 20, 0, 0, 1},
        {g_CharaStatuses.At(16), "倒したら獲得するスコア", -999999, 999999, -999999, 999999, 0, 0, 1},
        {g_SystemStatuses.At(0), "時間", 0, 999, -999, 999, 0, 0, 1},
        {g_SystemStatuses.At(2), "縦スクロール速度", -480, 480, -480, 480, 0, 0, 1},
        {g_SystemStatuses.At(4), "残り人数", 0, 99, -99, 99, 0, 0, 1},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.desc.m_lpName, c.lpName);
        EXPECT_EQ(c.desc.m_nMin, c.nMin) << c.lpName;
        EXPECT_EQ(c.desc.m_nMax, c.nMax) << c.lpName;
        EXPECT_EQ(c.desc.m_nOperandMin, c.nOperandMin) << c.lpName;
        EXPECT_EQ(c.desc.m_nOperandMax, c.nOperandMax) << c.lpName;
        EXPECT_EQ(c.desc.m_adwFlags[0], c.f0) << c.lpName;
        EXPECT_EQ(c.desc.m_adwFlags[1], c.f1) << c.lpName;
        EXPECT_EQ(c.desc.m_adwFlags[2], c.f2) << c.lpName;
    }
}

TEST_F(FlowTables, StateDescriptors)
{
    ASSERT_EQ(g_CharaStates.Count(), 7u);
    ASSERT_EQ(g_SystemStates.Count(), 2u);
    struct {
        const cStateDesc& desc;
        const char* lpName;
        s32 nMin;
        u32 nMax;
        s32 nDefault;
        u32 nOptions;
        const char* lpLastOption;
    } cases[] = {
        {g_CharaStates.At(0), "消滅", 0, 0, 0, 1, "ON"},
        {g_CharaStates.At(1), "透明", 0, 1, 0, 2, "ON"},
        {g_CharaStates.At(3), "飛行", 0, 3, 0, 4, "ON (ブロックに当たると即死)"},
        {g_CharaStates.At(4), "無敵", 0, 2, 0, 3, "ON (ショットがすり抜ける)"},
        {g_CharaStates.At(5), "巨大化", 1, 10, 1, 10, "×100"},
        {g_CharaStates.At(6), "オートスクロールとシンクロ", 0, 1, 0, 2, "ON"},
        {g_SystemStates.At(0), "横スクロール", 0, 1, 0, 2, "オートスクロール"},
        {g_SystemStates.At(1), "縦スクロール", 0, 1, 0, 2, "オートスクロール"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.desc.m_lpName, c.lpName);
        EXPECT_EQ(c.desc.m_nMin, c.nMin) << c.lpName;
        EXPECT_EQ(c.desc.m_nMax, c.nMax) << c.lpName;
        EXPECT_EQ(c.desc.m_nDefault, c.nDefault) << c.lpName;
        ASSERT_EQ(c.desc.Options().Count(), c.nOptions) << c.lpName;
        EXPECT_STREQ(c.desc.Options().At(c.nOptions - 1), c.lpLastOption) << c.lpName;
    }
}

TEST_F(FlowTables, ShotValueSlots)
{
    ASSERT_EQ(g_PatternValues.Count(), 6u);
    ASSERT_EQ(g_AimValues.Count(), 10u);
    struct {
        const cValueDesc& desc;
        const char* lpLabel;
        s32 nMin, nMax, nDefault;
    } cases[] = {
        {PatternValueDesc(0, 0), "間隔(hbl)", 0, 40, 0},
        {PatternValueDesc(0, 1), "", 0, 0, 0},
        {PatternValueDesc(2, 0), "角度", 0, 180, 30},
        {PatternValueDesc(3, 1), "列の数", 1, 50, 1},
        {PatternValueDesc(3, 2), "列の間隔(hbl)", 0, 40, 0},
        {PatternValueDesc(4, 0), "", 0, 0, 0},
        {PatternValueDesc(5, 0), "距離(hbl)", 0, 40, 6},
        {AimValueDesc(0, 0), "", 0, 0, 0},
        {AimValueDesc(2, 1), "対象勢力", 0, 7, 0},
        {AimValueDesc(4, 1), "誘導終了(hbl)", 0, 999, 999},
        {AimValueDesc(5, 2), "対象勢力", 0, 7, 0},
        {AimValueDesc(6, 2), "", 0, 0, 0},
        {AimValueDesc(8, 0), "波の最大(hbl)", 0, 100, 4},
        {AimValueDesc(8, 2), "開始角度", 0, 359, 0},
        {AimValueDesc(9, 0), "軌道変更(hbl)", 0, 40, 0},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.desc.m_lpLabel, c.lpLabel);
        EXPECT_EQ(c.desc.m_nMin, c.nMin) << c.lpLabel;
        EXPECT_EQ(c.desc.m_nMax, c.nMax) << c.lpLabel;
        EXPECT_EQ(c.desc.m_nDefault, c.nDefault) << c.lpLabel;
    }
}

}  // namespace
