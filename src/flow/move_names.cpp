#include "flow/option_names.h"

DEFINE_NAME_TABLE(g_MoveModeNames, "方向で指定", "目標座標で指定");
DEFINE_NAME_TABLE(g_WarpModeNames,
                  "方向と距離で指定",
                  "ターゲット1からの方向と距離で指定",
                  "ターゲット2からの方向と距離で指定",
                  "ターゲット3からの方向と距離で指定",
                  "ターゲット4からの方向と距離で指定",
                  "目標座標で指定");
DEFINE_NAME_TABLE(g_DirectionNames, "前", "後", "左", "右", "前Y", "後Y", "上", "下", "左上", "左下", "右上", "右下",
                  "入力方向");
DEFINE_NAME_TABLE(g_CoordKindStartNames, "配置位置からの相対座標", "相対座標", "絶対座標", "画面座標");
DEFINE_NAME_TABLE(g_UnitBlNames, "(bl)で指定", "(dot)で指定");
DEFINE_NAME_TABLE(g_UnitHblNames, "(hbl)で指定", "(dot)で指定");
DEFINE_NAME_TABLE(g_GiantOriginNames, "キャラの中心", "キャラの中央下", "歩行なら中央下、飛行なら中心");
DEFINE_NAME_TABLE(g_TargetNoNames, "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4");
DEFINE_NAME_TABLE(g_RotationNames,
                  "右回り",
                  "左回り",
                  "左向きなら右回り、右向きなら左回り",
                  "左向きなら左回り、右向きなら右回り");
DEFINE_NAME_TABLE(g_MoveAnimeNames, "移動アニメ", "静止アニメ", "その他");
DEFINE_NAME_TABLE(g_FacingNames,
                  "左を向く",
                  "右を向く",
                  "ターゲット1がいる方を向く",
                  "ターゲット1がいる方の逆を向く",
                  "ターゲット2がいる方を向く",
                  "ターゲット2がいる方の逆を向く",
                  "ターゲット3がいる方を向く",
                  "ターゲット3がいる方の逆を向く",
                  "ターゲット4がいる方を向く",
                  "ターゲット4がいる方の逆を向く",
                  "最後にブロックが当たった方を向く",
                  "最後にブロックが当たった方の逆を向く");
DEFINE_NAME_TABLE(g_TimingModeNames, "時間と速度を指定", "時間と距離を指定", "速度と距離を指定");
DEFINE_NAME_TABLE(g_CircleTimingModeNames, "時間を指定", "速度を指定");
DEFINE_NAME_TABLE(g_JumpHeightNames,
                  "高さがキーで調節できない",
                  "高さがキーで調節できる(主人公のみ有効)",
                  "慣性移動速度に応じて高さを決定(主人公のみ有効)");
