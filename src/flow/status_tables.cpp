#include "flow/status_tables.h"

#include "flow/option_names.h"

namespace {

constexpr s32 kBig = 999999;

constexpr cStatusDesc kCharaStatuses[] = {
    {"キャラ変数", -kBig, kBig, -kBig, kBig, {0, 0, 1}},
    {"HP", 0, kBig, -kBig, kBig, {0, 1, 1}},
    {"SP", 0, kBig, -kBig, kBig, {0, 1, 1}},
    {"最大HP", 0, kBig, -kBig, kBig, {0, 0, 1}},
    {"最大SP", 0, kBig, -kBig, kBig, {0, 0, 1}},
    {"キャラID", 0, 99, -99, 99, {0, 0, 0}},
    {"X座標", -16384, 16384, -16384, 16384, {0, 0, 0}},
    {"Y座標", -16384, 16384, -16384, 16384, {0, 0, 0}},
    {"Z座標", 0, 8, -8, 8, {0, 0, 0}},
    {"マーク番号", 0, 119, -121, 119, {0, 0, 0}},
    {"視界範囲(hbl)", 0, 40, -40, 40, {0, 0, 1}},
    {"体当たりの威力", -kBig, kBig, -kBig, kBig, {0, 0, 1}},
    {"体当たりの衝撃", -20, 20, -20, 20, {0, 0, 1}},
    {"防御力", 0, kBig, -kBig, kBig, {0, 0, 1}},
    {"衝撃耐性", 0, 20, -20, 20, {0, 0, 1}},
    {"止まりやすさ", 0, 200, -200, 200, {0, 0, 1}},
    {"倒したら獲得するスコア", -kBig, kBig, -kBig, kBig, {0, 0, 1}},
};

constexpr cStatusDesc kSystemStatuses[] = {
    {"時間", 0, 999, -999, 999, {0, 0, 1}},
    {"横スクロール速度", -480, 480, -480, 480, {0, 0, 1}},
    {"縦スクロール速度", -480, 480, -480, 480, {0, 0, 1}},
    {"スコア", 0, kBig, -kBig, kBig, {0, 0, 1}},
    {"残り人数", 0, 99, -99, 99, {0, 0, 1}},
};

constexpr cStateDesc kCharaStates[] = {
    {"消滅", 0, 0, 0, &g_OnNames},
    {"透明", 0, 1, 0, &g_OffOnNames},
    {"向き固定", 0, 1, 0, &g_OffOnNames},
    {"飛行", 0, 3, 0, &g_FlyingNames},
    {"無敵", 0, 2, 0, &g_InvincibleNames},
    {"巨大化", 1, 10, 1, &g_GiantSizeNames},
    {"オートスクロールとシンクロ", 0, 1, 0, &g_OffOnNames},
};

constexpr cStateDesc kSystemStates[] = {
    {"横スクロール", 0, 1, 0, &g_ScrollModeNames},
    {"縦スクロール", 0, 1, 0, &g_ScrollModeNames},
};

}  // namespace

const cDescTable<cStatusDesc> g_CharaStatuses(kCharaStatuses);
const cDescTable<cStatusDesc> g_SystemStatuses(kSystemStatuses);
const cDescTable<cStateDesc> g_CharaStates(kCharaStates);
const cDescTable<cStateDesc> g_SystemStates(kSystemStates);
