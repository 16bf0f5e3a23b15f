// The name tables of the system data: what its lists hold, and the choices
// the system settings pages offer for its indices.
#include "data/system_data.h"

DEFINE_NAME_TABLE(g_SysStockItemNames, "グラフィック", "基本アニメセット", "Z座標", "透明", "キャラエフェクト",
                  "向き固定", "飛行", "無敵", "巨大化", "オートスクロールとシンクロ", "視界", "残りHP", "残りSP",
                  "最大HP", "最大SP", "体当たりの当たり判定範囲", "体当たりの威力", "体当たりの衝撃", "防御力",
                  "衝撃耐性", "慣性移動時の止まりやすさ", "行動", "残り時間", "人数", "BGM");

DEFINE_NAME_TABLE(g_SysSoundEffectNames, "カーソル移動", "決定", "キャンセル", "エラー", "メニュー呼出し", "セーブ",
                  "ページ切り替え", "ダメージ", "主人公死亡", "敵死亡", "ブロックジャンプ", "メッセージ通知",
                  "メッセージ進行", "警告カウント", "ステージクリア", "クリア後の1UP", "ランキング登録");

DEFINE_NAME_TABLE(g_SysScreenBgmNames, "タイトル", "ストーリー", "チャレンジ", "フリー", "リプレイ", "オプション");

DEFINE_NAME_TABLE(g_SysFontNames, "System", "Terminal", "FixedSys", "Roman", "Script", "Modern", "Small Fonts",
                  "MS Serif", "WST_Czec", "WST_Engl", "WST_Fren", "WST_Germ", "WST_Ital", "WST_Span", "WST_Swed",
                  "Courier", "MS Sans Serif", "Marlett", "Arial", "Arial CE", "Arial CYR", "Arial Greek", "Arial TUR",
                  "Arial Baltic", "Courier New", "Courier New CE", "Courier New CYR", "Courier New Greek",
                  "Courier New TUR", "Courier New Baltic", "Lucida Console", "Lucida Sans Unicode", "Times New Roman",
                  "Times New Roman CE", "Times New Roman CYR", "Times New Roman Greek", "Times New Roman TUR",
                  "Times New Roman Baltic", "Wingdings", "Symbol", "Verdana", "Arial Black", "Comic Sans MS", "Impact",
                  "Georgia", "Franklin Gothic Medium", "Palatino Linotype", "Tahoma", "Trebuchet MS", "Webdings",
                  "Estrangelo Edessa", "Gautami", "Latha", "Mangal", "MV Boli", "Raavi", "Shruti", "Tunga", "Sylfaen",
                  "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS UI Gothic", "ＭＳ 明朝", "ＭＳ Ｐ明朝", "Microsoft Sans Serif",
                  "Gulim", "GulimChe", "Dotum", "DotumChe", "Batang", "BatangChe", "Gungsuh", "GungsuhChe", "SimSun",
                  "NSimSun", "SimSun-PUA", "SimHei", "MingLiU", "PMingLiU", "Arial Narrow", "Book Antiqua",
                  "Bookman Old Style", "Century", "Century Gothic", "Garamond", "MS Outlook", "HGｺﾞｼｯｸE", "HGPｺﾞｼｯｸE",
                  "HGSｺﾞｼｯｸE", "HG丸ｺﾞｼｯｸM-PRO", "HG創英角ｺﾞｼｯｸUB", "HGP創英角ｺﾞｼｯｸUB", "HGS創英角ｺﾞｼｯｸUB",
                  "HG創英角ﾎﾟｯﾌﾟ体", "HGP創英角ﾎﾟｯﾌﾟ体", "HGS創英角ﾎﾟｯﾌﾟ体", "HG正楷書体-PRO", "InMusicSym", "Kartika",
                  "Vrinda", "メイリオ", "MT Extra", "HGｺﾞｼｯｸM", "HGPｺﾞｼｯｸM", "HGSｺﾞｼｯｸM", "HG行書体", "HGP行書体",
                  "HGS行書体", "HG教科書体", "HGP教科書体", "HGS教科書体", "HG明朝B", "HGP明朝B", "HGS明朝B",
                  "HG明朝E", "HGP明朝E", "HGS明朝E", "HG創英ﾌﾟﾚｾﾞﾝｽEB", "HGP創英ﾌﾟﾚｾﾞﾝｽEB", "HGS創英ﾌﾟﾚｾﾞﾝｽEB", "OCRB",
                  "Sydnie");

DEFINE_NAME_TABLE(g_SysCharaDrawTypeNames, "速度重視", "互換性重視");

DEFINE_NAME_TABLE(g_SysReplayFileNameNames,
                  "[年]_[月日]_[時分秒]_[ステージファイル名]_[バリエーションの変数番号]_[バリエーションの値]_["
                  "ステージクリアしたか]",
                  "[年]_[月日]_[時分秒]_[ステージ名]_[バリエーションの変数番号]_[バリエーションの値]_["
                  "ステージクリアしたか]");

DEFINE_NAME_TABLE(g_SysBitmapFormatNames, "256色(8bit) カラーパレットあり", "1677万色(24bit) カラーパレットなし");

DEFINE_NAME_TABLE(g_SysDDBppNames, "32bit(1677万色)", "16bit(32768色)", "8bit(256色)");
DEFINE_NAME_TABLE(g_SysD3DBppNames, "32bit(1677万色)", "16bit(32768色)");
