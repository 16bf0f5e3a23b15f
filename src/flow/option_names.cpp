#include "flow/option_names.h"

// Flow page and flow operation.
DEFINE_NAME_TABLE(g_GroupLetterNames, "-", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O",
                  "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z");
DEFINE_NAME_TABLE(g_GroupLetterAllNames, "全て", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
                  "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z");
DEFINE_NAME_TABLE(g_SubGroupLetterNames, "-", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n",
                  "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z");
DEFINE_NAME_TABLE(g_TriggerNames,
                  "常時",
                  "ダメージを受けた時（設定値「威力」が0以外）",
                  "ダメージを受けた時（受けたダメージが1以上）",
                  "衝撃を受けた時（設定値「衝撃」が0以外）",
                  "衝撃を受けた時（受けた衝撃が1以上か-1以下）",
                  "死亡した時",
                  "キャラに当たった時",
                  "ブロックキャラに当たった時",
                  "ブロックキャラに乗っている時",
                  "ショットに当たった時",
                  "アイテムに当たった時",
                  "ブロックに当たった時",
                  "自分の左右にブロックが当たった時",
                  "自分の左にブロックが当たった時",
                  "自分の右にブロックが当たった時",
                  "自分の上下にブロックが当たった時",
                  "自分の上にブロックが当たった時",
                  "自分の下にブロックが当たった時",
                  "主人公に乗られている時",
                  "キャラに乗られている時",
                  "アタックでダメージを与えた時（設定値「威力」が0以外）",
                  "アタックでダメージを与えた時（与えたダメージが1以上）",
                  "アタックで衝撃を与えた時（設定値「衝撃」が0以外）",
                  "アタックで衝撃を与えた時（与えた衝撃が1以上か-1以下）",
                  "アタックを当てた時",
                  "ステージ開始前",
                  "なし（フローの操作コマンドで実行）");
DEFINE_NAME_TABLE(g_CondModeNames, "全ての条件が真なら成立", "1つ以上の条件が真なら成立");
DEFINE_NAME_TABLE(g_FlowOpWhoseNames, "自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4");
DEFINE_NAME_TABLE(g_FlowOpActionNames, "開始", "終了", "一時停止", "再開", "削除", "永久停止");
DEFINE_NAME_TABLE(g_FlowOpWhichNames, "このフロー", "このフロー以外全て", "指定IDのフロー");

// Status kinds and conditions.
DEFINE_NAME_TABLE(g_SubjectSelfNames, "自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4");
DEFINE_NAME_TABLE(g_SubjectSelfSystemNames, "自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4",
                  "システム");
DEFINE_NAME_TABLE(g_SubjectPlayerNames, "主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4");
DEFINE_NAME_TABLE(g_SubjectPlayerSystemNames, "主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4",
                  "システム");
DEFINE_NAME_TABLE(g_OperandSourceNames, "ステータス", "変数");
DEFINE_NAME_TABLE(g_RightSourceNames, "定数", "乱数", "ステータス", "変数");
DEFINE_NAME_TABLE(g_VarScopeNames, "コモン変数", "ステージ変数");
DEFINE_NAME_TABLE(g_VarScopeCharaNames, "コモン変数", "ステージ変数", "キャラ変数");
DEFINE_NAME_TABLE(g_CalculationNames, "通常の計算", "最大値に対する％で指定", "現在値に対する％で指定");
DEFINE_NAME_TABLE(g_CoordKindNames, "相対座標", "絶対座標", "画面座標");
DEFINE_NAME_TABLE(g_CharaCondStateNames, "左向き", "右向き", "ブロックに乗っている(ブロックキャラも含む)",
                  "画面内にいる", "存在している");

// Option lists of the chara and system states.
DEFINE_NAME_TABLE(g_OnNames, "ON");
DEFINE_NAME_TABLE(g_OffOnNames, "OFF", "ON");
DEFINE_NAME_TABLE(g_FlyingNames, "OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)",
                  "ON (ブロックに当たると即死)");
DEFINE_NAME_TABLE(g_InvincibleNames, "OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)");
DEFINE_NAME_TABLE(g_GiantSizeNames, "しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100");
DEFINE_NAME_TABLE(g_ScrollModeNames, "主人公の位置に合わせてスクロール", "オートスクロール");

// Other command kinds.
DEFINE_NAME_TABLE(g_StageClearDestNames, "次のステージへ", "番号で指定", "パスで指定", "ワールドクリア");
DEFINE_NAME_TABLE(g_StageClearFacingNames, "左向き", "右向き", "ステージクリア時の向きと同じ");
DEFINE_NAME_TABLE(g_MessagePosNames,
                  "画面中央に表示",
                  "自分の上に表示",
                  "自分の下に表示",
                  "自分の中心に表示",
                  "主人公の上に表示",
                  "主人公の下に表示",
                  "主人公の中心に表示",
                  "画面座標で指定（左上を指定）",
                  "画面座標で指定（中心を指定）",
                  "ステージ座標で指定（左上を指定）",
                  "ステージ座標で指定（中心を指定）");
DEFINE_NAME_TABLE(g_DisplayDurationNames, "進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定");
DEFINE_NAME_TABLE(g_TargetWhoNames,
                  "主人公",
                  "自分",
                  "最も近いキャラ",
                  "キャラ（キャラIDで指定）",
                  "親キャラ（自分を召喚したキャラ）",
                  "子キャラ（最後に召喚したキャラ）",
                  "子キャラ（条件付き。後で召喚したキャラ優先)",
                  "ターゲット1",
                  "ターゲット2",
                  "ターゲット3",
                  "ターゲット4");
DEFINE_NAME_TABLE(g_TargetRangeNames, "全範囲（画面内のキャラ優先）", "全範囲", "画面内");
DEFINE_NAME_TABLE(g_TargetNoneNames, "ターゲット無し", "ターゲットを変更しない");
DEFINE_NAME_TABLE(g_DisappearWhatNames,
                  "キャラ",
                  "ショット",
                  "子以下のキャラ",
                  "子のショット",
                  "子以下のキャラと子以下のショット",
                  "子以下のキャラと孫以下のショット");
DEFINE_NAME_TABLE(g_DisappearRangeNames, "画面内", "全範囲");
DEFINE_NAME_TABLE(g_PaletteNames, "コモンパレット", "ステージパレット");
DEFINE_NAME_TABLE(g_PaletteCommonNames, "コモンパレット");
DEFINE_NAME_TABLE(g_PicturePosNames,
                  "画面中央に表示",
                  "キャラの中心に表示",
                  "主人公の中心に表示",
                  "画面座標で指定（左上を指定）",
                  "画面座標で指定（中心を指定）",
                  "ステージ座標で指定（左上を指定）",
                  "ステージ座標で指定（中心を指定）");
DEFINE_NAME_TABLE(g_EffectRunNames, "通常実行", "反転実行", "往復実行");
DEFINE_NAME_TABLE(g_BackgroundNames, "表示", "非表示", "反転(表示⇔非表示)");
DEFINE_NAME_TABLE(g_ItemPaletteOpNames, "追加", "変更", "削除");
DEFINE_NAME_TABLE(g_ItemPaletteGroupNames, "全て削除", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                  "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z");

// Conditions and key conditions.
DEFINE_NAME_TABLE(g_CondKindNames, "", "コモン変数条件", "ステージ変数条件", "キャラ変数条件", "ステータス条件",
                  "ステータス条件2", "ステータス条件3", "距離条件");
DEFINE_NAME_TABLE(g_DistanceShapeNames, "横", "前", "後", "縦", "前Y", "後Y", "円");
DEFINE_NAME_TABLE(g_DistanceSideNames, "以内", "外");
DEFINE_NAME_TABLE(g_RangeDisplayNames, "表示しない", "表示する", "テストプレイ時のみ表示");
DEFINE_NAME_TABLE(g_RangeColorNames, "赤", "緑", "青", "黄", "赤紫", "青紫", "黒", "虹");
DEFINE_NAME_TABLE(g_KeyCondModeNames, "全てのキーが真なら成立", "1つ以上のキーが真なら成立",
                  "1つだけキーが真なら成立");
DEFINE_NAME_TABLE(g_KeyStateNames, "--", "押", "離");
DEFINE_NAME_TABLE(g_KeyNames, "方向キーニュートラル", "←", "→", "↑", "↓", "←↑", "←↓", "→↑", "→↓",
                  "方向キーのいずれか", "アクションキーニュートラル", "Z", "X", "C", "V", "A", "S", "D", "F");
