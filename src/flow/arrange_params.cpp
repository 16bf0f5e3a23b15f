#include "flow/arrange_params.h"

#include "flow/ed_flow.h"

namespace {

// Where an adjustable value is stored in a command: its address and width,
// or no address when the command lacks it.
struct cStoredValue {
    void* lpValue = nullptr;
    u8 nBytes = 0;
};

using fnLocate = cStoredValue (*)(cCommand& cmd);

template <class T>
cStoredValue Stored(T& value)
{
    static_assert(sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4, "a whole number of 8, 16 or 32 bits");
    return cStoredValue{&value, static_cast<u8>(sizeof(T))};
}

template <auto pMember>
cStoredValue InMove(cCommand& cmd)
{
    return cmd.m_pMove ? Stored((*cmd.m_pMove).*pMember) : cStoredValue();
}

template <auto pMember>
cStoredValue InShot(cCommand& cmd)
{
    return cmd.m_pShot ? Stored((*cmd.m_pShot).*pMember) : cStoredValue();
}

// One of the shot's three pattern or aim values.
template <auto pArray, size_t nElement>
cStoredValue InShotArray(cCommand& cmd)
{
    return cmd.m_pShot ? Stored(((*cmd.m_pShot).*pArray)[nElement]) : cStoredValue();
}

template <size_t nPos>
cStoredValue InParams(cCommand& cmd)
{
    return nPos < cmd.m_Params.size() ? Stored(cmd.m_Params[nPos]) : cStoredValue();
}

// The command's own sound effect (the movers, the shot, the sword and the
// summons play it).
cStoredValue OwnSound(cCommand& cmd) { return Stored(cmd.m_wSound); }

struct cArrangeEntry {
    const char* m_lpLabel;
    s32 m_nMin;
    s32 m_nMax;
    fnLocate m_pfnLocate;
};

constexpr s32 kBig = 999999;
constexpr s32 kAll = 2147483647;

constexpr cArrangeEntry kSound = {"効果音", 1, 9999, OwnSound};

// Kind 2 "直線移動".
constexpr cArrangeEntry kStraightMove[] = {
    {"目標X", -16383, 16383, InMove<&cEdMove::m_wTargetX>},
    {"目標X(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotX>},
    {"目標Y", -16383, 16383, InMove<&cEdMove::m_wTargetY>},
    {"目標Y(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotY>},
    {"角度", -7200, 7200, InMove<&cEdMove::m_wDirExtra>},
    {"分身値による増加角度", -7200, 7200, InMove<&cEdMove::m_wMove4>},
};

// Kind 5 "突撃移動".
constexpr cArrangeEntry kChargeMove[] = {
    {"目標のズレX(bl)", -640, 640, InMove<&cEdMove::m_wTargetX>},
    {"目標Xのズレ(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotX>},
    {"目標Yのズレ(bl)", -640, 640, InMove<&cEdMove::m_wTargetY>},
    {"目標Yのズレ(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotY>},
    {"角度", -7200, 7200, InMove<&cEdMove::m_wDirExtra>},
    {"分身値による増加角度", -7200, 7200, InMove<&cEdMove::m_wMove4>},
};

// Kind 6 "誘導移動".
constexpr cArrangeEntry kHomingMove[] = {
    {"誘導性能の悪さ", 0, 10, InMove<&cEdMove::m_wMove29>},
    {"分身値による増加誘導性能の悪さ", 0, 10, InMove<&cEdMove::m_wMove30>},
    {"目標Xのズレ(bl)", -640, 640, InMove<&cEdMove::m_wTargetX>},
    {"目標Xのズレ(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotX>},
    {"目標Yのズレ(bl)", -640, 640, InMove<&cEdMove::m_wTargetY>},
    {"目標Yのズレ(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotY>},
};

// Kinds 9 "向き変更" and 10 "ジャンプ".
constexpr cArrangeEntry kSoundOnly[] = {kSound};

// Kind 11 "ショット".
constexpr cArrangeEntry kShot[] = {
    {"グラフィック", 1, 120, InShot<&cEdShot::m_wGraphic>},
    {"Z座標", 0, 7, InShot<&cEdShot::m_nZ>},
    {"フォーメーション固有1", 0, kAll, InShotArray<&cEdShot::m_wPatternValue, 0>},
    {"フォーメーション固有2", 0, kAll, InShotArray<&cEdShot::m_wPatternValue, 1>},
    {"フォーメーション固有3", 0, kAll, InShotArray<&cEdShot::m_wPatternValue, 2>},
    {"発射数", 1, 127, InShot<&cEdShot::m_bShot1>},
    {"発射数に対する分身数", 0, 20, InShot<&cEdShot::m_bShot13>},
    {"角度のズレ", -7200, 7200, InShot<&cEdShot::m_wDirExtra>},
    {"分身値による角度のズレ", -7200, 7200, InShot<&cEdShot::m_wDirExtraClone>},
    {"分散角度", 0, 180, InShot<&cEdShot::m_wSpread>},
    {"発射位置のズレX(dot)", -640, 640, InShot<&cEdShot::m_wOffsetX>},
    {"分身値による発射位置のズレX(dot)", -640, 640, InShot<&cEdShot::m_wOffsetXClone>},
    {"発射位置のズレY(dot)", -640, 640, InShot<&cEdShot::m_wOffsetY>},
    {"分身値による発射位置のズレY(dot)", -640, 640, InShot<&cEdShot::m_wOffsetYClone>},
    kSound,
    {"勢力", 0, 7, InShot<&cEdShot::m_nForce>},
    {"移動タイプ固有1", 0, kAll, InShotArray<&cEdShot::m_wAimValue, 0>},
    {"移動タイプ固有2", 0, kAll, InShotArray<&cEdShot::m_wAimValue, 1>},
    {"移動タイプ固有3", 0, kAll, InShotArray<&cEdShot::m_wAimValue, 2>},
    {"速度", -200, 200, InShot<&cEdShot::m_wShot32>},
    {"分身値による増加速度", -200, 200, InShot<&cEdShot::m_wSpeedClone>},
    {"加速度", -200, 200, InShot<&cEdShot::m_wAccelValue>},
    {"分身値による増加加速度", -200, 200, InShot<&cEdShot::m_wAccelClone>},
    {"飛距離(hbl)", 0, 64, InShot<&cEdShot::m_wRange>},
    {"分身値による増加飛距離", -40, 40, InShot<&cEdShot::m_wRangeClone>},
    {"存在時間(1/10s)", 1, 999, InShot<&cEdShot::m_wLifetime>},
    {"分身値よる増加存在時間", -99, 99, InShot<&cEdShot::m_wLifetimeClone>},
    {"消滅値", 1, 9, InShot<&cEdShot::m_nVanishValue>},
    {"威力", -kBig, kBig, InShot<&cEdShot::m_nPower>},
    {"衝撃", -20, 20, InShot<&cEdShot::m_nImpact>},
    {"エフェクト", 1, 999, InShot<&cEdShot::m_wEffect>},
    {"取得アイテム", 1, 9999, InShot<&cEdShot::m_wDropItem>},
};

// Kind 12 "ソード".
constexpr cArrangeEntry kSword[] = {
    {"勢力", 0, 7, InShot<&cEdShot::m_nForce>},
    {"Z座標", 0, 7, InShot<&cEdShot::m_nZ>},
    {"威力", -kBig, kBig, InShot<&cEdShot::m_nPower>},
    {"衝撃", -20, 20, InShot<&cEdShot::m_nImpact>},
    {"エフェクト", 1, 999, InShot<&cEdShot::m_wEffect>},
    {"取得アイテム", 1, 9999, InShot<&cEdShot::m_wDropItem>},
    kSound,
};

// The summons keep their settings in the shot record too; a chara's or an
// item's lifetime is the shot's range.
constexpr cArrangeEntry kPattern1 = {"フォーメーション固有1", 0, kAll, InShotArray<&cEdShot::m_wPatternValue, 0>};
constexpr cArrangeEntry kPattern2 = {"フォーメーション固有2", 0, kAll, InShotArray<&cEdShot::m_wPatternValue, 1>};
constexpr cArrangeEntry kPattern3 = {"フォーメーション固有3", 0, kAll, InShotArray<&cEdShot::m_wPatternValue, 2>};
constexpr cArrangeEntry kSummonCount = {"数", 1, 127, InShot<&cEdShot::m_bShot1>};
constexpr cArrangeEntry kSummonX = {"召喚位置のズレX(dot)", -640, 640, InShot<&cEdShot::m_wOffsetX>};
constexpr cArrangeEntry kSummonY = {"召喚位置のズレY(dot)", -640, 640, InShot<&cEdShot::m_wOffsetY>};
constexpr cArrangeEntry kSummonLife = {"存在時間(1/10s)", 1, 9999, InShot<&cEdShot::m_wRange>};

// Kind 13 "ブロック召喚".
constexpr cArrangeEntry kBlockSummon[] = {
    {"ブロック", 1, 9999, InShot<&cEdShot::m_wSummonIndex>},
    kPattern1, kPattern2, kPattern3, kSummonCount, kSummonX, kSummonY, kSound,
};

// Kind 14 "キャラ召喚".
constexpr cArrangeEntry kCharaSummon[] = {
    {"キャラ", 1, 9999, InShot<&cEdShot::m_wSummonIndex>},
    kSummonLife,
    {"勢力", 0, 7, InShot<&cEdShot::m_nForce>},
    kPattern1, kPattern2, kPattern3, kSummonCount, kSummonX, kSummonY, kSound,
};

// Kind 15 "アイテム召喚".
constexpr cArrangeEntry kItemSummon[] = {
    {"アイテム", 1, 9999, InShot<&cEdShot::m_wSummonIndex>},
    kSummonLife,
    kPattern1, kPattern2, kPattern3, kSummonCount, kSummonX, kSummonY, kSound,
};

// Kind 17 "ステージクリア".
constexpr cArrangeEntry kStageClear[] = {
    {"次のステージの番号", 1, 99, InParams<1>},
    {"次のステージの初期位置X(bl)", 0, 999, InParams<6>},
    {"次のステージの初期位置Y(bl)", 0, 999, InParams<7>},
    {"クリア後のワールドマップの位置X", 0, 999, InParams<3>},
    {"クリア後のワールドマップの位置Y", 0, 999, InParams<4>},
};

// Kind 19 "メッセージ".
constexpr cArrangeEntry kMessage[] = {
    {"メッセージID", 0, 999, InParams<13>},
    {"座標X", 0, 16383, InParams<1>},
    {"座標Y", 0, 16383, InParams<2>},
    {"表示位置のズレX(dot)", -999, 999, InParams<3>},
    {"表示位置のズレY(dot)", -999, 999, InParams<4>},
};

// Kind 20 "ワープ".
constexpr cArrangeEntry kWarp[] = {
    {"距離(hbl)", 0, 64, InMove<&cEdMove::m_wDistance>},
    {"分身値による増加距離(hbl)", -40, 40, InMove<&cEdMove::m_wDistanceClone>},
    {"目標X", -16383, 16383, InMove<&cEdMove::m_wTargetX>},
    {"目標Y", -16383, 16383, InMove<&cEdMove::m_wTargetY>},
    {"目標Xのズレ(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotX>},
    {"目標Yのズレ(dot)", -640, 640, InMove<&cEdMove::m_wTargetDotY>},
};

// Kind 21 "ターゲットの設定".
constexpr cArrangeEntry kTarget[] = {
    {"対象勢力", 0, 7, InParams<2>},
    {"対象キャラID", 0, 99, InParams<10>},
    {"キャラ変数と比較する数値", -kBig, kBig, InParams<13>},
};

// Kind 22 "ステータスの操作".
constexpr cArrangeEntry kStatusOp[] = {
    {"変数（左辺）", 1, 999, InParams<2>},
    {"定数", -kBig, kBig, InParams<7>},
    {"乱数の最小値", -kBig, kBig, InParams<8>},
    {"乱数の最大値", -kBig, kBig, InParams<9>},
    {"変数（右辺）", 1, 999, InParams<11>},
};

constexpr cArrangeEntry kVanish[] = {{"対象勢力", 0, 7, InParams<1>}};
constexpr cArrangeEntry kItemGet[] = {{"アイテム", 1, 9999, InParams<1>}};
constexpr cArrangeEntry kGraphic[] = {
    {"グラフィック", 1, 999, InParams<1>},
    {"ズレ", -999, 999, InParams<2>},
};

// Kind 29 "エフェクトの実行".
constexpr cArrangeEntry kEffect[] = {
    {"エフェクト", 1, 999, InParams<0>},
    {"座標X", 0, 16383, InParams<2>},
    {"座標Y", 0, 16383, InParams<3>},
    {"表示位置のズレX(dot)", -999, 999, InParams<4>},
    {"表示位置のズレY(dot)", -999, 999, InParams<5>},
    {"表示倍率(%)", 1, 1000, InParams<6>},
};

constexpr cArrangeEntry kCharaEffect[] = {{"キャラエフェクト", 1, 999, InParams<0>}};
constexpr cArrangeEntry kScrEffect[] = {{"画面エフェクト", 1, 999, InParams<0>}};

// Kind 32 "ピクチャーの表示".
constexpr cArrangeEntry kPicture[] = {
    {"ピクチャー", 1, 9999, InParams<0>},
    {"ピクチャーID", 0, 999, InParams<13>},
    {"座標X", 0, 16383, InParams<2>},
    {"座標Y", 0, 16383, InParams<3>},
    {"表示位置のズレX(dot)", -999, 999, InParams<4>},
    {"表示位置のズレY(dot)", -999, 999, InParams<5>},
    {"表示倍率(%)", 1, 1000, InParams<7>},
};

// Kind 33 "画面の色を変更".
constexpr cArrangeEntry kScreenColor[] = {
    {"R", 0, 255, InParams<0>},
    {"G", 0, 255, InParams<1>},
    {"B", 0, 255, InParams<2>},
    {"%", 0, 100, InParams<3>},
};

constexpr cArrangeEntry kBackground[] = {{"背景番号", 1, 8, InParams<0>}};
constexpr cArrangeEntry kSoundPlay[] = {{"効果音", 1, 9999, InParams<0>}};
constexpr cArrangeEntry kBgm[] = {{"BGM", 1, 999, InParams<0>}};

struct cKindList {
    u32 nKind;
    const cArrangeEntry* lpEntries;
    u32 nCount;
};

template <size_t N>
constexpr cKindList List(u32 nKind, const cArrangeEntry (&entries)[N])
{
    static_assert(N <= kMaxArrangeParams, "a list longer than the arrange command offers");
    return cKindList{nKind, entries, static_cast<u32>(N)};
}

// The kinds with adjustable parameters, in kind order; every other kind has
// an empty list.
constexpr cKindList kKindLists[] = {
    List(2, kStraightMove), List(5, kChargeMove),   List(6, kHomingMove),   List(9, kSoundOnly),
    List(10, kSoundOnly),   List(11, kShot),        List(12, kSword),       List(13, kBlockSummon),
    List(14, kCharaSummon), List(15, kItemSummon),  List(17, kStageClear),  List(19, kMessage),
    List(20, kWarp),        List(21, kTarget),      List(22, kStatusOp),    List(24, kVanish),
    List(25, kItemGet),     List(26, kGraphic),     List(29, kEffect),      List(30, kCharaEffect),
    List(31, kScrEffect),   List(32, kPicture),     List(33, kScreenColor), List(34, kBackground),
    List(35, kSoundPlay),   List(36, kBgm),
};

const cKindList* FindKind(long long nKind)
{
    for (const cKindList& list : kKindLists)
        if (static_cast<long long>(list.nKind) == nKind) return &list;
    return nullptr;
}

// The entry of a command's kind at an index, or null.
const cArrangeEntry* FindEntry(const cCommand& cmd, long long nIndex)
{
    const cKindList* lpList = FindKind(cmd.FlowKind());
    if (!lpList || nIndex < 0 || nIndex >= static_cast<long long>(lpList->nCount)) return nullptr;
    return &lpList->lpEntries[nIndex];
}

s32 ReadStored(const cStoredValue& v, bool bSigned)
{
    switch (v.nBytes) {
    case 1: {
        const u8 b = *static_cast<const u8*>(v.lpValue);
        return bSigned ? static_cast<s8>(b) : static_cast<s32>(b);
    }
    case 2: {
        const u16 w = *static_cast<const u16*>(v.lpValue);
        return bSigned ? static_cast<s16>(w) : static_cast<s32>(w);
    }
    default: return static_cast<s32>(*static_cast<const u32*>(v.lpValue));
    }
}

void WriteStored(const cStoredValue& v, s32 nValue)
{
    switch (v.nBytes) {
    case 1: *static_cast<u8*>(v.lpValue) = static_cast<u8>(nValue); break;
    case 2: *static_cast<u16*>(v.lpValue) = static_cast<u16>(nValue); break;
    default: *static_cast<u32*>(v.lpValue) = static_cast<u32>(nValue); break;
    }
}

std::vector<cArrangeParams>& ArrangeTable()
{
    static std::vector<cArrangeParams> s_Table;
    return s_Table;
}

}  // namespace

void BuildArrangeParams()
{
    std::vector<cArrangeParams>& table = ArrangeTable();
    table.assign(kArrangeKinds, cArrangeParams());
    for (const cKindList& list : kKindLists) {
        cArrangeParams& params = table[list.nKind];
        params.resize(list.nCount);
        for (u32 i = 0; i < list.nCount; ++i) {
            const cArrangeEntry& e = list.lpEntries[i];
            params[i].Set(e.m_lpLabel, e.m_nMin, e.m_nMax);
        }
    }
}

const cArrangeParams& GetArrangeParams(long long nKind)
{
    static const cArrangeParams s_None;
    const std::vector<cArrangeParams>& table = ArrangeTable();
    if (nKind < 0 || nKind >= static_cast<long long>(table.size())) return s_None;
    return table[static_cast<size_t>(nKind)];
}

const cArrangeParam& GetArrangeParam(long long nKind, long long nIndex)
{
    static const cArrangeParam s_None;
    const cArrangeParams& params = GetArrangeParams(nKind);
    if (nIndex < 0 || nIndex >= static_cast<long long>(params.size())) return s_None;
    return params[static_cast<size_t>(nIndex)];
}

bool GetArrangeValue(const cCommand& cmd, long long nIndex, s32& nValue)
{
    const cArrangeEntry* lpEntry = FindEntry(cmd, nIndex);
    if (!lpEntry) return false;
    // Only read through the address.
    const cStoredValue v = lpEntry->m_pfnLocate(const_cast<cCommand&>(cmd));
    if (!v.lpValue) return false;
    nValue = ReadStored(v, lpEntry->m_nMin < 0);
    return true;
}

bool SetArrangeValue(cCommand& cmd, long long nIndex, s32 nValue)
{
    const cArrangeEntry* lpEntry = FindEntry(cmd, nIndex);
    if (!lpEntry) return false;
    const cStoredValue v = lpEntry->m_pfnLocate(cmd);
    if (!v.lpValue) return false;
    WriteStored(v, nValue);
    return true;
}
