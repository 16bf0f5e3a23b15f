#include "flow/cmd_params.h"

#include <algorithm>

#include "data/entry_names.h"
#include "data/palette_refs.h"
#include "flow/arrange_params.h"
#include "flow/cmd_kinds.h"
#include "flow/ed_flow.h"
#include "flow/flow_refs.h"
#include "flow/option_names.h"
#include "flow/status_tables.h"
#include "flow/var_names.h"

namespace {

constexpr s32 kBig = 999999;
constexpr s32 kMaxRecord = 998;           // a database table holds at most 999 records
constexpr s32 kMaxPaletteIndex = 0xFFFF;  // palette indices are 16-bit
constexpr s32 kMaxVariable = 999;
constexpr s32 kCharaVars = 8;
constexpr s32 kSystemOwner = 5;

using V = cParamValues;

constexpr cParamDesc Num(const char* lpMeaning, s32 nMin, s32 nMax, s32 nNew = 0)
{
    cParamDesc d;
    d.m_lpMeaning = lpMeaning;
    d.m_nMin = nMin;
    d.m_nMax = nMax;
    d.m_nNew = nNew;
    return d;
}

constexpr cParamDesc Flag(const char* lpMeaning, const char* lpText, s32 nNew = 0)
{
    cParamDesc d = Num(lpMeaning, 0, 1, nNew);
    d.m_eValue = eParamValue::Flag;
    d.m_lpLabel = lpText;
    return d;
}

// The range of a choice is the names' positions.
constexpr cParamDesc Choice(const char* lpMeaning, const cNameTable& names, s32 nNew = 0)
{
    cParamDesc d = Num(lpMeaning, 0, 0, nNew);
    d.m_eValue = eParamValue::Choice;
    d.m_lpNames = &names;
    return d;
}

constexpr cParamDesc Records(const char* lpMeaning, eRecordList eList, s32 nFrom, s32 nNew,
                             const char* lpZeroName = nullptr)
{
    cParamDesc d = Num(lpMeaning, nFrom, eList == eRecordList::PaletteItems ? kMaxPaletteIndex : kMaxRecord, nNew);
    d.m_eValue = eParamValue::Records;
    d.m_eRecords = eList;
    d.m_lpZeroName = lpZeroName;
    return d;
}

constexpr cParamDesc Variable(const char* lpMeaning, s32 nMax)
{
    cParamDesc d = Num(lpMeaning, 1, nMax, 1);
    d.m_eValue = eParamValue::Variable;
    d.m_lpNames = &g_CharaVarNames;
    return d;
}

// A status or state chosen from the owner's list.
constexpr cParamDesc Owned(const char* lpMeaning, eParamValue eValue, s8 nOwner, s8 nState = -1)
{
    cParamDesc d = Num(lpMeaning, 0, 0);
    d.m_eValue = eValue;
    d.m_nOwner = nOwner;
    d.m_nState = nState;
    return d;
}

constexpr cParamDesc Special(const char* lpMeaning, eParamValue eValue, s32 nMin, s32 nMax, s32 nNew)
{
    cParamDesc d = Num(lpMeaning, nMin, nMax, nNew);
    d.m_eValue = eValue;
    return d;
}

bool IsCharaOwner(s32 nOwner) { return nOwner >= 0 && nOwner < kSystemOwner; }

const cDescTable<cStatusDesc>& StatusesOf(s32 nOwner)
{
    return nOwner == kSystemOwner ? g_SystemStatuses : g_CharaStatuses;
}

const cDescTable<cStateDesc>& StatesOf(s32 nOwner) { return nOwner == kSystemOwner ? g_SystemStates : g_CharaStates; }

// Parameters that the message, the effect and the picture share.
constexpr cParamDesc CoordX(fnParamUsed pfnUsed) { return Num("coordinate X", 0, 16383).Labels("座標X").When(pfnUsed); }
constexpr cParamDesc CoordY(fnParamUsed pfnUsed) { return Num("coordinate Y", 0, 16383).Labels("座標Y").When(pfnUsed); }
constexpr cParamDesc CoordUnit(fnParamUsed pfnUsed)
{
    return Choice("unit of the coordinates", g_UnitBlNames).When(pfnUsed);
}
constexpr cParamDesc kOffsetX = Num("offset X in dots", -999, 999).Labels("表示位置のズレX(dot)");
constexpr cParamDesc kOffsetY = Num("offset Y in dots", -999, 999).Labels("表示位置のズレY(dot)");
constexpr cParamDesc kScale = Num("scale in percent", 1, 1000, 100).Labels("表示倍率(%)");
constexpr cParamDesc kDuration = Choice("how long it is shown", g_DisplayDurationNames).Labels("表示時間");
constexpr cParamDesc Pause(s32 nNew, fnParamUsed pfnUsed)
{
    return Flag("the game pauses meanwhile", "一時停止", nNew).When(pfnUsed);
}
constexpr cParamDesc FollowScreen(fnParamUsed pfnUsed)
{
    return Flag("keep the place on the screen", "画面に追従する（スクロールしても位置が変わらない）").When(pfnUsed);
}
constexpr cParamDesc Momentary(fnParamUsed pfnUsed)
{
    return Flag("momentary display for 1/60 s", "瞬間表示(1/60s)").When(pfnUsed);
}

// Kind 9 "向き変更".
constexpr cParamDesc kFacing[] = {
    Choice("facing to take", g_FacingNames, 11).Labels("向き"),
};

// Kind 10 "ジャンプ": heights in half blocks.
constexpr fnParamUsed kBySpeed = [](const V& p) { return p[0] == 2; };
constexpr cParamDesc kJump[] = {
    Choice("jump type", g_JumpHeightNames).Labels("ジャンプタイプ"),
    Num("inertia speed from which the highest jump is made", 0, 200, 100)
        .Labels("最大ジャンプ　→　慣性移動速度が", "以上なら、高さ")
        .When(kBySpeed),
    Num("height of the highest jump (of every jump for the other types)", 1, 20, 7)
        .Labels("以上なら、高さ", "(hbl)のジャンプ"),
    Num("inertia speed up to which the lowest jump is made", 0, 200, 0)
        .Labels("最小ジャンプ　→　慣性移動速度が", "以下なら、高さ")
        .When(kBySpeed),
    Num("height of the lowest jump", 1, 20, 4).Labels("以下なら、高さ", "(hbl)のジャンプ").When(kBySpeed),
};

// Kind 16 "フローの操作": whose flows "の" which flows "を" operation, "ID".
constexpr cParamDesc kFlowOp[] = {
    Choice("operation", g_FlowOpActionNames).Labels("を"),
    Choice("which flows", g_FlowOpWhichNames).Labels("の", "を").When([](const V& p) { return p[3] == 0; }),
    Choice("group letter of the flows", g_GroupLetterNames).Labels("ID").When([](const V& p) { return p[1] == 2; }),
    Choice("whose flows", g_FlowOpWhoseNames).Labels("", "の"),
};

// Kind 17 "ステージクリア"; the command's text holds the next stage's path.
constexpr cParamDesc kStageClear[] = {
    Choice("where to go", g_StageClearDestNames).Labels("ステージの移行"),
    Num("number of the next stage", 1, 99, 1).Labels("番号").When([](const V& p) { return p[0] == 1; }),
    Flag("change the position on the world map", "ワールドマップの位置を変更"),
    Num("world-map X after the clear", 0, 999).Labels("X").When([](const V& p) { return p[2] == 1; }),
    Num("world-map Y after the clear", 0, 999).Labels("Y").When([](const V& p) { return p[2] == 1; }),
    Flag("force the start position of the next stage", "次のステージの初期位置を強制的に変更"),
    Num("start X in the next stage, in blocks", 0, 999).Labels("X(bl)").When([](const V& p) { return p[5] == 1; }),
    Num("start Y in the next stage, in blocks", 0, 999).Labels("Y(bl)").When([](const V& p) { return p[5] == 1; }),
    Choice("facing of the player in the next stage", g_StageClearFacingNames, 1)
        .Labels("主人公の向き")
        .When([](const V& p) { return p[5] == 1; }),
    Flag("auto-save before the next stage starts", "次のステージ開始前にオートセーブを実行"),
    Flag("tag the saved replay as a cleared one",
         "リプレイの自動保存でファイル名の最後に「_CLEAR_」文字を付加（ステージクリアしたリプレイとして扱われる）", 1),
};

// Kind 18 "ゲームウエイト".
constexpr cParamDesc kGameWait[] = {
    Num("duration in tenths of a second", 0, 999, 20).Labels("実行時間(1/10s)"),
};

// Kind 19 "メッセージ"; the command's text holds the message.
constexpr fnParamUsed kMessageAt = [](const V& p) { return p.In(0, 7, 10); };
constexpr cParamDesc kMessage[] = {
    Choice("where the message is shown", g_MessagePosNames).Labels("表示位置"),
    CoordX(kMessageAt),
    CoordY(kMessageAt),
    kOffsetX,
    kOffsetY,
    Flag("keep the window inside the screen", "画面からはみ出ないように自動調整", 1),
    kDuration,
    Num("display time in tenths of a second", 1, 9999, 30)
        .Labels("時間(1/10s)")
        .When([](const V& p) { return p[6] == 2 && p[17] == 0; }),
    Pause(1, [](const V& p) { return p[6] == 2; }),
    Flag("show common and stage variables in the text", "#C1～999. でコモン変数、 #S1～999. でステージ変数を表示"),
    FollowScreen([](const V& p) { return p.In(6, 1, 2); }),
    Flag("refresh shown variables", "自動で更新（変数の変化に対応）").When([](const V& p) { return p[9] == 1; }),
    Flag("the message has an ID", "メッセージID"),
    Num("message ID", 0, 999).When([](const V& p) { return p[12] == 1; }),
    Flag("draw the message window", "ウインドウの表示", 1),
    Flag("erase the message with the ID instead", "メッセージの消去(メッセージIDが非設定なら消去は失敗)"),
    Num("refresh interval in sixtieths of a second", 1, 9999, 1)
        .Labels("更新間隔（1/60s）")
        .When([](const V& p) { return p[11] == 1; }),
    Momentary([](const V& p) { return p[6] == 2; }),
    CoordUnit(kMessageAt),
};

// Kind 21 "ターゲットの設定": target slot "を" choice "にする". The filters
// count for the nearest chara, a chara by ID and a conditional child.
constexpr fnParamUsed kFiltered = [](const V& p) { return p[1] == 2 || p[1] == 3 || p[1] == 6; };
constexpr fnParamUsed kByCharaVar = [](const V& p) { return kFiltered(p) && p[11] == 1; };
constexpr cParamDesc kTarget[] = {
    Choice("target slot that is set", g_TargetNoNames).Labels("", "を"),
    Choice("who becomes the target", g_TargetWhoNames).Labels("を", "にする"),
    Num("force of the candidates", 0, 7).Labels("対象勢力").When([](const V& p) { return kFiltered(p) && p[3] == 0; }),
    Flag("candidates of every force", "全勢力").When(kFiltered),
    Choice("search range", g_TargetRangeNames).Labels("対象範囲").When([](const V& p) { return p[1] == 2; }),
    Flag("exclude the command's own chara", "自分は対象外", 1).When(kFiltered),
    Flag("exclude invincible charas that shots hit", "無敵（ショットが当たる）キャラは対象外").When(kFiltered),
    Flag("exclude invincible charas that shots pass", "無敵（ショットがすり抜ける）キャラは対象外", 1).When(kFiltered),
    Flag("exclude block charas", "ブロックキャラは対象外").When(kFiltered),
    Flag("filter by chara ID", "対象キャラID").When(kFiltered),
    Num("chara ID", 0, 99).Labels("対象キャラID").When([](const V& p) { return kFiltered(p) && p[9] == 1; }),
    Flag("filter by a chara variable", "キャラ変数条件").When(kFiltered),
    Variable("chara variable number", kCharaVars).Labels("キャラ変数条件").When(kByCharaVar),
    Num("value compared with the variable", -kBig, kBig).Labels("が").When(kByCharaVar),
    Choice("comparison", g_CompareNames).When(kByCharaVar),
    Choice("what happens when no chara qualifies", g_TargetNoneNames).Labels("該当者無しなら"),
};

// Kind 22 "ステータスの操作": left side "を" operation operand. The left
// side is a status (p0 0) of an owner or a variable (p0 1); the operand
// comes from p6.
bool IsLeftCharaStatus(const V& p) { return p[0] == 0 && IsCharaOwner(p[3]); }
bool IsLeftHpOrSp(const V& p) { return IsLeftCharaStatus(p) && p.In(4, 1, 2); }
bool IsOperandCharaStatus(const V& p) { return p[6] == 2 && IsCharaOwner(p[12]); }

// The operand takes the operand range of the left status.
void LeftOperandRange(const V& p, s32& nMin, s32& nMax)
{
    nMin = -kBig;
    nMax = kBig;
    if (p[0] != 0 || !StatusesOf(p[3]).Has(p[4])) return;
    const cStatusDesc& status = StatusesOf(p[3]).At(p[4]);
    nMin = status.m_nOperandMin;
    nMax = status.m_nOperandMax;
}

// A chara variable is one of 8; a common or stage variable one of 999.
template <size_t nSource, s32 nCharaSource, size_t nOwner, size_t nStatus>
void VariableRange(const V& p, s32& nMin, s32& nMax)
{
    nMin = 1;
    const bool bChara = p[nSource] == nCharaSource && IsCharaOwner(p[nOwner]) && p[nStatus] == 0;
    nMax = bChara ? kCharaVars : kMaxVariable;
}

// A percentage is offered for a variable, and for a status whose third
// flag is set unless it is a chara's HP or SP.
bool OffersPercent(const V& p)
{
    if (p[0] == 1) return true;
    if (p[0] != 0 || IsLeftHpOrSp(p) || !StatusesOf(p[3]).Has(p[4])) return false;
    return StatusesOf(p[3]).At(p[4]).m_adwFlags[2] == 1;
}

constexpr fnParamUsed kLeftCoord = [](const V& p) { return IsLeftCharaStatus(p) && p.In(4, 6, 7); };
constexpr fnParamUsed kOperandCoord = [](const V& p) { return IsOperandCharaStatus(p) && p.In(13, 6, 7); };
constexpr fnParamUsed kByOperandConstant = [](const V& p) { return p[6] == 0; };
constexpr fnParamUsed kByRandom = [](const V& p) { return p[6] == 1; };

constexpr cParamDesc kStatusOp[] = {
    Choice("left side kind", g_OperandSourceNames),
    Choice("variable scope of the left side", g_VarScopeNames).When([](const V& p) { return p[0] == 1; }),
    Variable("left variable number", kMaxVariable)
        .Labels("の", "を")
        .When([](const V& p) { return p[0] == 1 || (IsLeftCharaStatus(p) && p[4] == 0); })
        .Range(VariableRange<0, 0, 3, 4>),
    Choice("owner of the left status", g_SubjectSelfSystemNames).Labels("", "の").When([](const V& p) {
        return p[0] == 0;
    }),
    Owned("left status", eParamValue::Status, 3).Labels("の", "を").When([](const V& p) { return p[0] == 0; }),
    Choice("operation", g_VarOpNames).Labels("を"),
    Choice("operand source", g_RightSourceNames),
    Num("constant operand", -kBig, kBig).When(kByOperandConstant).Range(LeftOperandRange),
    Num("smallest random value", -kBig, kBig).Labels("", "～").When(kByRandom).Range(LeftOperandRange),
    Num("largest random value", -kBig, kBig).Labels("～").When(kByRandom).Range(LeftOperandRange),
    Choice("variable scope of the operand", g_VarScopeNames).When([](const V& p) { return p[6] == 3; }),
    Variable("operand variable number", kMaxVariable)
        .Labels("の")
        .When([](const V& p) { return p[6] == 3 || (IsOperandCharaStatus(p) && p[13] == 0); })
        .Range(VariableRange<6, 2, 12, 13>),
    Choice("owner of the operand status", g_SubjectSelfSystemNames).When([](const V& p) { return p[6] == 2; }),
    Owned("operand status", eParamValue::Status, 12).Labels("の").When([](const V& p) { return p[6] == 2; }),
    Flag("the operand is a percentage", "％で指定").When(OffersPercent),
    Choice("calculation", g_CalculationNames).When(IsLeftHpOrSp),
    Flag("show a bar over the chara's head", "キャラの頭上にバーを表示", 1).When(IsLeftHpOrSp),
    Flag("no effect when the left chara is invincible", "対象キャラ（左辺）が無敵なら無効").When(IsLeftCharaStatus),
    Choice("coordinate kind of the left status", g_CoordKindNames)
        .Labels("座標タイプ", "(dot)　☆「相対座標」の原点は自分")
        .When(kLeftCoord),
    Choice("coordinate kind of the operand status", g_CoordKindNames).Labels("座標タイプ", "(dot)").When(kOperandCoord),
    Choice("reference point of a large chara, left", g_GiantOriginNames, 2)
        .Labels("巨大化キャラの座標位置")
        .When([](const V& p) { return kLeftCoord(p) && p.In(18, 1, 2); }),
    Choice("reference point of a large chara, operand", g_GiantOriginNames)
        .Labels("巨大化キャラの座標位置")
        .When([](const V& p) { return kOperandCoord(p) && p.In(19, 1, 2); }),
};

// Kind 23 "ステータスの操作2": owner "の" state "を" option "にする".
constexpr fnParamUsed kCharaFlight = [](const V& p) { return IsCharaOwner(p[0]) && p[1] == 3; };
constexpr cParamDesc kStateOp[] = {
    Choice("owner", g_SubjectSelfSystemNames).Labels("", "の"),
    Owned("state", eParamValue::State, 0).Labels("の", "を"),
    Owned("new value of the state", eParamValue::StateValue, 0, 1).Labels("を", "にする"),
    Flag("remember the position to return to when crushed",
         "位置記憶：現在の位置を「圧死回避」時に戻す位置として記憶")
        .When(kCharaFlight),
    Flag("avoid being crushed after a flight switch",
         "圧死回避：飛行状態切り替え直後にブロックに挟まれる場合、圧死を回避して「位置記憶」で記憶した位置へ戻す")
        .When(kCharaFlight),
};

// Kind 24 "消滅".
constexpr fnParamUsed kVanishOwn = [](const V& p) { return p.In(0, 0, 1); };
constexpr cParamDesc kVanish[] = {
    Choice("what vanishes", g_DisappearWhatNames).Labels("対象"),
    Num("force of what vanishes", 0, 7).Labels("対象勢力").When(kVanishOwn),
    Choice("range", g_DisappearRangeNames).Labels("対象範囲").When(kVanishOwn),
};

// Kind 25 "アイテムの取得": palette "の" item.
constexpr cParamDesc kItemGet[] = {
    Choice("palette of the item", g_PaletteNames).Labels("取得アイテム"),
    Records("item entry of that palette", eRecordList::PaletteItems, 1, 1).Labels("の"),
};

// Kind 26 "グラフィックの変更": kind "の" number, then the offset.
void GraphicNumberRange(const V& p, s32& nMin, s32& nMax) { GraphicNumberLimits(p[0], nMin, nMax); }
void GraphicOffsetRange(const V& p, s32& nMin, s32& nMax) { GraphicOffsetLimits(p[0], nMin, nMax); }

constexpr cParamDesc kGraphic[] = {
    Choice("graphic kind", g_GraphicKindNames, 1).Labels("グラフィック"),
    Num("graphic number within the kind", 1, 999, 1).Labels("の").Range(GraphicNumberRange),
    Num("offset", -999, 999)
        .Labels("ズレ")
        .When([](const V& p) { return p[0] == 1 || p[0] == 4; })
        .Range(GraphicOffsetRange),
};

constexpr cParamDesc kAnimeSet[] = {
    Records("anime set that becomes the basic set", eRecordList::AnimeSet, 0, 0).Labels("アニメセット"),
};

constexpr cParamDesc kAnime[] = {
    Records("anime to run or to end", eRecordList::Anime, 1, 1).Labels("アニメ"),
    Flag("end the anime instead", "このアニメを終了する"),
};

// Shared by the effect and the picture: "表示位置" and its coordinates.
constexpr fnParamUsed kPlacedAt = [](const V& p) { return p.In(1, 3, 6); };

// Kind 29 "エフェクトの実行"; effect 0 erases the effects shown.
constexpr cParamDesc kEffect[] = {
    Records("effect to show, 0 erases", eRecordList::Effect, 0, 1, "エフェクトの消去").Labels("エフェクト"),
    Choice("where it is shown", g_PicturePosNames).Labels("表示位置"),
    CoordX(kPlacedAt),
    CoordY(kPlacedAt),
    kOffsetX,
    kOffsetY,
    kScale,
    Pause(0, nullptr),
    CoordUnit(kPlacedAt),
};

// Kinds 30 "キャラエフェクトの実行" and 31 "画面エフェクトの実行".
constexpr cParamDesc kCharaEffect[] = {
    Records("chara effect to run, 0 none", eRecordList::CharaEffect, 0, 1, "なし").Labels("キャラエフェクト"),
    Choice("how it runs", g_EffectRunNames).Labels("実行タイプ"),
    Flag("repeat the effect", "ループ実行"),
};

constexpr cParamDesc kScrEffect[] = {
    Records("screen effect to run, 0 none", eRecordList::ScrEffect, 0, 1, "なし").Labels("画面エフェクト"),
    Choice("how it runs", g_EffectRunNames).Labels("実行タイプ"),
    Flag("repeat the effect", "ループ実行"),
};

// Kind 32 "ピクチャーの表示"; picture 0 erases (the ID's picture, or all).
constexpr cParamDesc kPicture[] = {
    Records("picture to show, 0 erases", eRecordList::Picture, 0, 1, "ピクチャーの消去(ID非設定なら全消去)")
        .Labels("ピクチャー"),
    Choice("where it is shown", g_PicturePosNames).Labels("表示位置"),
    CoordX(kPlacedAt),
    CoordY(kPlacedAt),
    kOffsetX,
    kOffsetY,
    Flag("draw in front of the charas", "キャラより手前に表示", 1),
    kScale,
    kDuration,
    Num("display time in tenths of a second", 1, 9999, 10)
        .Labels("時間(1/10s)")
        .When([](const V& p) { return p[8] == 2 && p[14] == 0; }),
    Pause(0, [](const V& p) { return p[8] == 2; }),
    FollowScreen([](const V& p) { return p.In(8, 1, 2); }),
    Flag("the picture has an ID", "ピクチャーID"),
    Num("picture ID", 0, 999).When([](const V& p) { return p[12] == 1; }),
    Momentary([](const V& p) { return p[8] == 2; }),
    CoordUnit(kPlacedAt),
};

// Kind 33 "画面の色を変更".
constexpr cParamDesc kScreenColor[] = {
    Num("red", 0, 255).Labels("R"),
    Num("green", 0, 255).Labels("G"),
    Num("blue", 0, 255).Labels("B"),
    Num("strength in percent", 0, 100, 50).Labels("%"),
    Flag("restore the normal colours", "元の色に戻す"),
    Num("time of the change in tenths of a second", 0, 999).Labels("変更に要する時間(1/10s)"),
    Flag("flash the colour", "瞬間表示"),
    Num("number of flashes", 1, 99, 0).Labels("瞬間表示回数").When([](const V& p) { return p[6] == 1; }),
};

// Kind 34 "背景の変更": number "を" mode.
constexpr cParamDesc kBackground[] = {
    Num("background number", 1, 8, 1).Labels("背景番号"),
    Choice("what to do with it", g_BackgroundNames).Labels("を"),
};

// Kind 35 "効果音の再生".
constexpr cParamDesc kSound[] = {
    Records("sound to play", eRecordList::Sound, 1, 1).Labels("効果音"),
};

// Kind 36 "BGMの再生"; BGM 0 stops the BGM.
constexpr cParamDesc kBgm[] = {
    Records("BGM to play, 0 stops", eRecordList::Bgm, 0, 1, "BGMの停止").Labels("BGM"),
    Flag("play it in a loop", "ループ再生"),
};

// Kind 38 "アレンジ": changes one parameter of the next command that is not
// an arrange command.
void ArrangeVariableRange(const V& p, s32& nMin, s32& nMax)
{
    nMin = 1;
    nMax = p[3] == 2 ? kCharaVars : kMaxVariable;
}

constexpr cParamDesc kArrange[] = {
    Special("flow-command kind whose parameter is changed", eParamValue::CmdKind, 1, 39, 2).Labels("対象コマンド"),
    Special("parameter to change", eParamValue::ArrangeParam, 0, kMaxArrangeParams - 1, 0).When([](const V& p) {
        return !GetArrangeParams(p[0]).empty();
    }),
    Choice("operation", g_VarOpNames),
    Choice("source of the value", g_VarScopeCharaNames),
    Variable("variable number", kMaxVariable).Labels("の").Range(ArrangeVariableRange),
};

// Kind 39 "ループ": "後続" count "個のコマンドを" repeat "回繰り返す".
constexpr cParamDesc kLoop[] = {
    Num("number of repetitions", 1, 99, 2).Labels("個のコマンドを", "回繰り返す"),
    Num("number of following commands repeated", 1, 999, 1).Labels("後続", "個のコマンドを"),
};

// Item-effect kind 1 "フローの変更": its flows are the command's sub-flows.
constexpr cParamDesc kFlowChange[] = {
    Choice("operation", g_ItemPaletteOpNames).Labels("操作"),
    Choice("group letter of the flows concerned", g_ItemPaletteGroupNames).Labels("削除ID").When([](const V& p) {
        return p.In(0, 1, 2);
    }),
};

// Modes that silence the whole command but a few parameters.
bool MessageErases(const V& p, u32 nIndex) { return p[15] == 1 && nIndex != 12 && nIndex != 13 && nIndex != 15; }
bool EffectErases(const V& p, u32 nIndex) { return p[0] == 0 && nIndex != 0; }
bool PictureErases(const V& p, u32 nIndex) { return p[0] == 0 && nIndex != 0 && nIndex != 12 && nIndex != 13; }
bool ColorRestores(const V& p, u32 nIndex)
{
    return p[4] == 1 && (nIndex <= 3 || nIndex == 6 || nIndex == 7);
}

void ForceFlowOp(std::vector<u32>& p)
{
    if (p[3] >= 1 && p[3] <= 4) p[1] = 2;
}

// The game pauses while a message waits for the key, never while it lasts to
// the end of the stage; the same for a picture.
template <size_t nDuration, size_t nPause>
void ForcePause(std::vector<u32>& p)
{
    if (p[nDuration] == 0) p[nPause] = 1;
    if (p[nDuration] == 1) p[nPause] = 0;
}

void ForceColor(std::vector<u32>& p)
{
    if (p[4] == 1) p[6] = 0;
}

struct cKindEntry {
    int nKind;
    cKindParams params;
    bool (*pfnSilenced)(const V& p, u32 nIndex);
};

template <size_t N>
constexpr cKindEntry Kind(int nKind, const cParamDesc (&params)[N], s32 nTime, s32 nParallel,
                          void (*pfnForce)(std::vector<u32>&) = nullptr,
                          bool (*pfnSilenced)(const V&, u32) = nullptr)
{
    return cKindEntry{nKind, cKindParams{params, static_cast<u32>(N), nTime, nParallel, pfnForce}, pfnSilenced};
}

constexpr s32 kKeep = cKindParams::kUnchanged;

// Flow-command kinds with parameters, with the time and the parallel flag
// their dialogs give a new command.
constexpr cKindEntry kFlowKindParams[] = {
    Kind(9, kFacing, 1, kKeep),
    Kind(10, kJump, 1, 1),
    Kind(16, kFlowOp, 0, 1, ForceFlowOp),
    Kind(17, kStageClear, 0, 0),
    Kind(18, kGameWait, 0, 0),
    Kind(19, kMessage, 0, 0, ForcePause<6, 8>, MessageErases),
    Kind(21, kTarget, 0, 1),
    Kind(22, kStatusOp, 0, 1),
    Kind(23, kStateOp, 0, 1),
    Kind(24, kVanish, 0, 1),
    Kind(25, kItemGet, 0, 1),
    Kind(26, kGraphic, 0, 1),
    Kind(27, kAnimeSet, 0, 1),
    Kind(28, kAnime, 0, 1),
    Kind(29, kEffect, 0, 1, nullptr, EffectErases),
    Kind(30, kCharaEffect, 0, 1),
    Kind(31, kScrEffect, 0, 1),
    Kind(32, kPicture, 0, 1, ForcePause<8, 10>, PictureErases),
    Kind(33, kScreenColor, 0, 1, ForceColor, ColorRestores),
    Kind(34, kBackground, 0, 1),
    Kind(35, kSound, 0, 1),
    Kind(36, kBgm, 0, 1),
    Kind(38, kArrange, 0, 1),
    Kind(39, kLoop, 0, 1),
};

constexpr cKindEntry kFlowChangeEntry = Kind(1, kFlowChange, kKeep, kKeep);

const cKindEntry* FindKind(u32 nSet, u32 nKind)
{
    if (!GetCmdKindTable(nSet).Has(nKind)) return nullptr;
    if (nSet != 0) {
        if (nKind == 1) return &kFlowChangeEntry;
        if (nKind < 2) return nullptr;
        nKind += kItemKindOffset;
    }
    for (const cKindEntry& e : kFlowKindParams)
        if (e.nKind == static_cast<int>(nKind)) return &e;
    return nullptr;
}

u32 RecordCount(eRecordList eList, const V& p)
{
    switch (eList) {
    case eRecordList::None: break;
    case eRecordList::AnimeSet: return FlowRefs().Count(eFlowRefTable::AnimeSet);
    case eRecordList::Anime: return FlowRefs().Count(eFlowRefTable::Anime);
    case eRecordList::Effect: return FlowRefs().Count(eFlowRefTable::Effect);
    case eRecordList::CharaEffect: return FlowRefs().Count(eFlowRefTable::CharaEffect);
    case eRecordList::ScrEffect: return FlowRefs().Count(eFlowRefTable::ScrEffect);
    case eRecordList::Picture: return FlowRefs().Count(eFlowRefTable::Picture);
    case eRecordList::Sound: return FlowRefs().Count(eFlowRefTable::Sound);
    case eRecordList::Bgm: return FlowRefs().Count(eFlowRefTable::Bgm);
    case eRecordList::PaletteItems:
        if (p[0] == 0 || p[0] == 1) return PaletteRefs().Count(PaletteListOf(eEntryType::Item, p[0] == 1));
        break;
    }
    return cFlowRefs::kUnknownCount;
}

s32 LastPosition(u32 nCount) { return static_cast<s32>(nCount) - 1; }

}  // namespace

const cKindParams& GetKindParams(u32 nSet, u32 nKind)
{
    static const cKindParams s_None;
    const cKindEntry* lpEntry = FindKind(nSet, nKind);
    return lpEntry ? lpEntry->params : s_None;
}

const cParamDesc* GetParamDesc(u32 nSet, u32 nKind, u32 nIndex)
{
    const cKindParams& params = GetKindParams(nSet, nKind);
    return nIndex < params.m_nCount ? &params.m_lpParams[nIndex] : nullptr;
}

bool IsParamUsed(const cCommand& cmd, u32 nIndex)
{
    const cKindEntry* lpEntry = FindKind(cmd.m_nSet, cmd.m_nKind);
    if (!lpEntry || nIndex >= lpEntry->params.m_nCount) return false;
    const V p(cmd.m_Params);
    if (lpEntry->pfnSilenced && lpEntry->pfnSilenced(p, nIndex)) return false;
    const cParamDesc& d = lpEntry->params.m_lpParams[nIndex];
    return !d.m_pfnUsed || d.m_pfnUsed(p);
}

void GetParamRange(const cCommand& cmd, u32 nIndex, s32& nMin, s32& nMax)
{
    nMin = nMax = 0;
    const cParamDesc* lpDesc = GetParamDesc(cmd.m_nSet, cmd.m_nKind, nIndex);
    if (!lpDesc) return;
    const cParamDesc& d = *lpDesc;
    const V p(cmd.m_Params);
    nMin = d.m_nMin;
    nMax = d.m_nMax;
    switch (d.m_eValue) {
    case eParamValue::Choice: nMax = LastPosition(d.m_lpNames->Count()); break;
    case eParamValue::Records: {
        const u32 nCount = RecordCount(d.m_eRecords, p);
        if (nCount != cFlowRefs::kUnknownCount) nMax = LastPosition(nCount);
        break;
    }
    case eParamValue::Status: nMax = LastPosition(StatusesOf(p[d.m_nOwner]).Count()); break;
    case eParamValue::State: nMax = LastPosition(StatesOf(p[d.m_nOwner]).Count()); break;
    case eParamValue::StateValue: {
        const cStateDesc& state = StatesOf(p[d.m_nOwner]).At(p[d.m_nState]);
        nMin = state.m_nMin;
        nMax = static_cast<s32>(state.m_nMax);
        break;
    }
    case eParamValue::ArrangeParam: nMax = LastPosition(static_cast<u32>(GetArrangeParams(p[0]).size())); break;
    default: break;
    }
    if (d.m_pfnRange) d.m_pfnRange(p, nMin, nMax);
}

std::vector<std::string> GetParamChoiceNames(const cCommand& cmd, u32 nIndex)
{
    std::vector<std::string> names;
    const cParamDesc* lpDesc = GetParamDesc(cmd.m_nSet, cmd.m_nKind, nIndex);
    if (!lpDesc) return names;
    const cParamDesc& d = *lpDesc;
    const V p(cmd.m_Params);
    s32 nMin = 0, nMax = 0;
    GetParamRange(cmd, nIndex, nMin, nMax);
    switch (d.m_eValue) {
    case eParamValue::Choice: return d.m_lpNames->List();
    case eParamValue::Status:
        for (const cStatusDesc& status : StatusesOf(p[d.m_nOwner])) names.push_back(status.m_lpName);
        break;
    case eParamValue::State:
        for (const cStateDesc& state : StatesOf(p[d.m_nOwner])) names.push_back(state.m_lpName);
        break;
    case eParamValue::StateValue: return StatesOf(p[d.m_nOwner]).At(p[d.m_nState]).Options().List();
    case eParamValue::Variable:
        if (nMax == kCharaVars) return d.m_lpNames->List();
        break;
    case eParamValue::CmdKind:
        for (s32 k = nMin; k <= nMax; ++k) names.push_back(g_FlowCmdKinds.At(k).m_lpName);
        break;
    case eParamValue::ArrangeParam:
        for (const cArrangeParam& param : GetArrangeParams(p[0])) names.push_back(param.m_strLabel);
        break;
    default: break;
    }
    return names;
}

void PrepareCommandParams(cCommand& cmd, bool bNew)
{
    cmd.m_Params.resize(GetCmdParamCount(cmd.m_nSet, cmd.m_nKind), 0);
    if (!bNew) return;
    const cKindParams& params = GetKindParams(cmd.m_nSet, cmd.m_nKind);
    for (u32 i = 0; i < params.m_nCount && i < cmd.m_Params.size(); ++i)
        cmd.m_Params[i] = static_cast<u32>(params.m_lpParams[i].m_nNew);
    if (params.m_nNewTime != cKindParams::kUnchanged) cmd.m_wTime = static_cast<u16>(params.m_nNewTime);
    if (params.m_nNewParallel != cKindParams::kUnchanged) cmd.m_bParallel = static_cast<u8>(params.m_nNewParallel);
}

void ForceDependentParams(cCommand& cmd)
{
    const cKindParams& params = GetKindParams(cmd.m_nSet, cmd.m_nKind);
    if (!params.m_pfnForce) return;
    cmd.m_Params.resize(std::max<size_t>(cmd.m_Params.size(), params.m_nCount), 0);
    params.m_pfnForce(cmd.m_Params);
}

void GraphicNumberLimits(s32 nKind, s32& nMin, s32& nMax)
{
    nMin = 1;
    nMax = 119;
    if (nKind != kGraphicSpecialBmp) return;
    const u32 nBitmaps = FlowRefs().Count(eFlowRefTable::CharaExcBmp);
    nMax = nBitmaps == cFlowRefs::kUnknownCount ? 999 : SpecialBitmapNumberMax(nBitmaps);
}

s32 SpecialBitmapNumberMax(u32 nBitmaps)
{
    // Record 0 of the table is no bitmap; a table of at most one record
    // still allows 1, which the game shows as no bitmap.
    return nBitmaps <= 2 ? 1 : static_cast<s32>(nBitmaps - 1);
}

void GraphicOffsetLimits(s32 nKind, s32& nMin, s32& nMax)
{
    const s32 nLimit = nKind == kGraphicChara ? 19 : nKind == kGraphicSpecialBmp ? 239 : 999;
    nMin = -nLimit;
    nMax = nLimit;
}
