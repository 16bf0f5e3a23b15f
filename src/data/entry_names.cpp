#include "data/entry_names.h"

DEFINE_NAME_TABLE(g_InheritKindNames, "継承しない", "コモンパレット", "ステージパレット");
DEFINE_NAME_TABLE(g_GraphicKindNames, "ブロック", "キャラ", "アイテム", "ショット", "専用bmp");
DEFINE_NAME_TABLE(g_IconShowNames, "表示しない", "表示する", "エディターでのみ表示");

DEFINE_NAME_TABLE(g_BlockTypeNames, "当たらない", "当たる", "主人公が当たると即死");
DEFINE_NAME_TABLE(g_NoEffectForceNames, "なし", "0", "1", "2", "3", "4", "5", "6", "7");
DEFINE_NAME_TABLE(g_BlockActionNames, "なし", "ジャンプ X=高さ(hbl)", "ジャンプ禁止", "移動速度変更 X=％",
                  "左移動 X=移動速度", "右移動 X=移動速度");
DEFINE_NAME_TABLE(g_ItemSourceNames, "なし", "コモンパレット", "ステージパレット");

DEFINE_NAME_TABLE(g_ControlNames, "プレイヤー", "コンピューター");
DEFINE_NAME_TABLE(g_PlayerNoNames, "1");
DEFINE_NAME_TABLE(g_InvincibleEffectNames, "なし", "白", "黒", "赤", "緑", "青", "黄", "赤紫", "青紫", "4色");
DEFINE_NAME_TABLE(g_SightNames, "画面内全て", "キャラを中心とした円形", "キャラの前方に円形",
                  "キャラを中心とした正方形", "キャラの前方に正方形");
DEFINE_NAME_TABLE(g_BodyHitRangeNames, "キャラ対キャラの当たり判定範囲（推奨）", "キャラ対ショットの当たり判定範囲",
                  "ショット対キャラの当たり判定範囲", "32×32");
DEFINE_NAME_TABLE(g_ActRangeNames, "画面内", "X座標のみ画面内", "Y座標のみ画面内", "全範囲");
DEFINE_NAME_TABLE(g_ActJudgeNames, "範囲かグループが真なら成立", "一度範囲かグループが真になると、以後無条件で成立",
                  "範囲とグループが偽なら成立");

DEFINE_NAME_TABLE(g_GetTypeNames, "1回だけ取れる", "何回でも取れる", "取れない");
