#include "flow/cmd_kinds.h"

namespace {

constexpr cCmdKind kFlowKinds[] = {
    {"", 0},                          // 0
    {"ウエイト", 0},                  // 1
    {"直線移動", 0},                  // 2
    {"地上折り返し移動", 0},          // 3
    {"円移動", 0},                    // 4
    {"突撃移動", 0},                  // 5
    {"誘導移動", 0},                  // 6
    {"画面外回避移動", 0},            // 7
    {"移動の無効化", 0},              // 8
    {"向き変更", 1},                  // 9
    {"ジャンプ", 5},                  // 10
    {"ショット", 0},                  // 11
    {"ソード", 0},                    // 12
    {"ブロック召喚", 0},              // 13
    {"キャラ召喚", 0},                // 14
    {"アイテム召喚", 0},              // 15
    {"フローの操作", 4},              // 16
    {"ステージクリア", 11},           // 17
    {"ゲームウエイト", 1},            // 18
    {"メッセージ", 19},               // 19
    {"ワープ", 0},                    // 20
    {"ターゲットの設定", 16},         // 21
    {"ステータスの操作", 22},         // 22
    {"ステータスの操作2", 5},         // 23
    {"消滅", 3},                      // 24
    {"アイテムの取得", 2},            // 25
    {"グラフィックの変更", 3},        // 26
    {"基本アニメセットの変更", 1},    // 27
    {"アニメの実行", 2},              // 28
    {"エフェクトの実行", 9},          // 29
    {"キャラエフェクトの実行", 3},    // 30
    {"画面エフェクトの実行", 3},      // 31
    {"ピクチャーの表示", 16},         // 32
    {"画面の色を変更", 8},            // 33
    {"背景の変更", 2},                // 34
    {"効果音の再生", 1},              // 35
    {"BGMの再生", 2},                 // 36
    {"コードの実行", 0},              // 37
    {"アレンジ", 5},                  // 38
    {"ループ", 2},                    // 39
};

// Kinds 2 to 24 are the flow kinds 17 to 39.
constexpr cCmdKind kItemKinds[] = {
    {"", 0},
    {"フローの変更", 2},
    kFlowKinds[17], kFlowKinds[18], kFlowKinds[19], kFlowKinds[20], kFlowKinds[21], kFlowKinds[22],
    kFlowKinds[23], kFlowKinds[24], kFlowKinds[25], kFlowKinds[26], kFlowKinds[27], kFlowKinds[28],
    kFlowKinds[29], kFlowKinds[30], kFlowKinds[31], kFlowKinds[32], kFlowKinds[33], kFlowKinds[34],
    kFlowKinds[35], kFlowKinds[36], kFlowKinds[37], kFlowKinds[38], kFlowKinds[39],
};

static_assert(sizeof(kFlowKinds) / sizeof(kFlowKinds[0]) == 40, "40 flow command kinds");
static_assert(sizeof(kItemKinds) / sizeof(kItemKinds[0]) == 25, "25 item-effect command kinds");

}  // namespace

const cCmdKindTable g_FlowCmdKinds(kFlowKinds);
const cCmdKindTable g_ItemCmdKinds(kItemKinds);

const cCmdKindTable& GetCmdKindTable(u32 nSet) { return nSet == 0 ? g_FlowCmdKinds : g_ItemCmdKinds; }

const cCmdKind& GetCmdKind(u32 nSet, u32 nKind) { return GetCmdKindTable(nSet).At(nKind); }
