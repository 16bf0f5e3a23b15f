#include "flow/cmd_summary.h"

#include "flow/cmd_kinds.h"
#include "flow/ed_flow.h"
#include "flow/summary_line.h"

namespace {

using namespace summary_detail;

// The prefixes most kinds share: the execution time, or 0.
void PrefixTime(cSummaryLine& l) { l.StdPrefix(l.Time()); }
void PrefixZero(cSummaryLine& l) { l.StdPrefix(0); }

// How a kind is summed up: its prefix, then (after its name) its details.
struct cSummaryKind {
    void (*m_pfnPrefix)(cSummaryLine& l) = nullptr;  // null: the list has no such kind
    void (*m_pfnDetails)(cSummaryLine& l) = nullptr;
};

constexpr cSummaryKind kFlowKinds[] = {
    {},                                          // 0
    {PrefixTime, nullptr},                       // 1 ウエイト
    {PrefixMove, StraightMoveDetails},           // 2 直線移動
    {PrefixMove, MoveTimeDetails},               // 3 地上折り返し移動
    {PrefixCircle, CircleDetails},               // 4 円移動
    {PrefixMove, ChaseDetails},                  // 5 突撃移動
    {PrefixMove, ChaseDetails},                  // 6 誘導移動
    {PrefixMove, AvoidMoveDetails},              // 7 画面外回避移動
    {PrefixTime, nullptr},                       // 8 移動の無効化
    {PrefixTime, FacingDetails},                 // 9 向き変更
    {PrefixJump, JumpDetails},                   // 10 ジャンプ
    {PrefixTime, ShotDetails},                   // 11 ショット
    {PrefixTime, SwordDetails},                  // 12 ソード
    {PrefixTime, BlockSummonDetails},            // 13 ブロック召喚
    {PrefixTime, CharaSummonDetails},            // 14 キャラ召喚
    {PrefixTime, ItemSummonDetails},             // 15 アイテム召喚
    {PrefixZero, FlowOpDetails},                 // 16 フローの操作
    {PrefixZero, nullptr},                       // 17 ステージクリア
    {PrefixGameWait, nullptr},                   // 18 ゲームウエイト
    {PrefixMessage, MessageDetails},             // 19 メッセージ
    {PrefixZero, WarpDetails},                   // 20 ワープ
    {PrefixZero, TargetDetails},                 // 21 ターゲットの設定
    {PrefixZero, StatusOpDetails},               // 22 ステータスの操作
    {PrefixZero, StateOpDetails},                // 23 ステータスの操作2
    {PrefixZero, VanishDetails},                 // 24 消滅
    {PrefixTime, ItemGetDetails},                // 25 アイテムの取得
    {PrefixZero, nullptr},                       // 26 グラフィックの変更
    {PrefixZero, AnimeSetDetails},               // 27 基本アニメセットの変更
    {PrefixAnime, AnimeDetails},                 // 28 アニメの実行
    {PrefixEffect, EffectDetails},               // 29 エフェクトの実行
    {PrefixCharaEffect, CharaEffectDetails},     // 30 キャラエフェクトの実行
    {PrefixScrEffect, ScrEffectDetails},         // 31 画面エフェクトの実行
    {PrefixPicture, PictureDetails},             // 32 ピクチャーの表示
    {PrefixScreenColor, ScreenColorDetails},     // 33 画面の色を変更
    {PrefixZero, BackgroundDetails},             // 34 背景の変更
    {PrefixZero, SoundDetails},                  // 35 効果音の再生
    {PrefixZero, BgmDetails},                    // 36 BGMの再生
    {PrefixZero, CodeDetails},                   // 37 コードの実行
    {PrefixZero, ArrangeDetails},                // 38 アレンジ
    {PrefixZero, LoopDetails},                   // 39 ループ
};

// Kind 1 "フローの変更" shows its name alone; kinds 2 to 24 are the flow
// kinds 17 to 39.
constexpr cSummaryKind kItemKinds[] = {
    {},
    {PrefixZero, nullptr},
    kFlowKinds[17], kFlowKinds[18], kFlowKinds[19], kFlowKinds[20], kFlowKinds[21], kFlowKinds[22],
    kFlowKinds[23], kFlowKinds[24], kFlowKinds[25], kFlowKinds[26], kFlowKinds[27], kFlowKinds[28],
    kFlowKinds[29], kFlowKinds[30], kFlowKinds[31], kFlowKinds[32], kFlowKinds[33], kFlowKinds[34],
    kFlowKinds[35], kFlowKinds[36], kFlowKinds[37], kFlowKinds[38], kFlowKinds[39],
};

constexpr u32 kFlowKindCount = sizeof(kFlowKinds) / sizeof(kFlowKinds[0]);
constexpr u32 kItemKindCount = sizeof(kItemKinds) / sizeof(kItemKinds[0]);
static_assert(kFlowKindCount == 40, "a summary for every flow command kind");
static_assert(kItemKindCount == 25, "a summary for every item-effect command kind");

const cSummaryKind* FindKind(u32 nListSet, u32 nKind)
{
    if (nListSet == 0) return nKind < kFlowKindCount ? &kFlowKinds[nKind] : nullptr;
    return nKind < kItemKindCount ? &kItemKinds[nKind] : nullptr;
}

}  // namespace

void AppendCommandSummary(std::string& strLine, const cCommand& cmd, u32 nListSet, const cSummaryRefs& refs)
{
    const cSummaryKind* lpKind = FindKind(nListSet, cmd.m_nKind);
    if (!lpKind || !lpKind->m_pfnPrefix) return;
    cSummaryLine line(strLine, cmd, refs);
    lpKind->m_pfnPrefix(line);
    line.Add(" ◆ %s ◆", GetCmdKind(cmd.m_nSet, cmd.m_nKind).m_lpName);
    if (lpKind->m_pfnDetails) lpKind->m_pfnDetails(line);
}

std::string CommandSummary(const cCommand& cmd, u32 nListSet, const cSummaryRefs& refs)
{
    std::string strLine;
    AppendCommandSummary(strLine, cmd, nListSet, refs);
    return strLine;
}
