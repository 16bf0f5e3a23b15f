// Summaries of the kinds that keep their settings in the command's move,
// shot or condition-list record.
#include "flow/ed_flow.h"
#include "flow/option_names.h"
#include "flow/summary_line.h"

namespace summary_detail {
namespace {

enum eTimingMode : u8 {
    kTimeAndSpeed = 0,
    kTimeAndDistance = 1,
    kSpeedAndDistance = 2,
};

// A distance counts in half blocks of 16 dots unless its unit is dots.
constexpr long long kDotsPerHalfBlock = 16;

s16 Signed(u16 wValue) { return Low16(wValue); }

// Tenths of a second a move of the distance takes at the speed: the distance
// in dots over the speed in tenths of a dot per frame, at 60 frames a second.
std::string MoveTimeText(const cEdMove& move)
{
    const long long nDistance = Signed(move.m_wDistance);
    const long long nDots = move.m_bDotUnit == 1 ? nDistance : nDistance * kDotsPerHalfBlock;
    return OneDecimal(nDots * 10, Signed(move.m_wSpeed) * 6ll) + "?";
}

// The same for a circle move from its start angle to its end angle. The span
// over the speed is a true quotient, not a whole number: a quarter turn at
// speed 20 takes 7.5, not the 6.7 that dividing whole numbers first would
// give.
std::string CircleTimeText(const cEdMove& move)
{
    const long long nSpan = static_cast<long long>(Signed(move.m_wDistance)) - Signed(move.m_wDirExtra);
    return OneDecimal(nSpan * 10, Signed(move.m_wSpeed) * 6ll) + "?";
}

// The direction's name, then its angle offset when there is one.
void AddDirection(cSummaryLine& l, u8 nDirection, u16 wOffset)
{
    l.Add(" %s", g_DirectionNames.At(nDirection));
    if (Signed(wOffset) != 0) l.Add("%d", Signed(wOffset));
}

// A target X and Y; "-" for a coordinate that isn't given.
void AddTargetXY(cSummaryLine& l, const char* lpLead, const cEdMove& move)
{
    const s16 nX = Signed(move.m_wTargetX);
    const s16 nY = Signed(move.m_wTargetY);
    if (move.m_bUseX && move.m_bUseY) l.Add("%s(%d,%d)", lpLead, nX, nY);
    else if (move.m_bUseX) l.Add("%s(%d,-)", lpLead, nX);
    else if (move.m_bUseY) l.Add("%s(-,%d)", lpLead, nY);
    else l.Add("%s(-,-)", lpLead);
}

void AddMoveTime(cSummaryLine& l, const cEdMove& move)
{
    const s16 nSpeed = Signed(move.m_wSpeed);
    const s16 nDistance = Signed(move.m_wDistance);
    switch (move.m_nTimingMode) {
    case kTimeAndSpeed: l.Add(" 時%d 速%d", l.Time(), nSpeed); return;
    case kTimeAndDistance: l.Add(" 時%d 距%d", l.Time(), nDistance); break;
    case kSpeedAndDistance: l.Add(" 速%d 距%d", nSpeed, nDistance); break;
    default: return;
    }
    if (move.m_bDotUnit == 1) l.Add("dot");
}

const cEdMove* MoveOf(const cSummaryLine& l) { return l.Cmd().m_pMove.get(); }
const cEdShot* ShotOf(const cSummaryLine& l) { return l.Cmd().m_pShot.get(); }

// A summon's entry in the list of its palette (0 common, 1 stage); any other
// palette names no entry.
void AddSummonRef(cSummaryLine& l, const cEdShot& shot, ePaletteList eCommon, ePaletteList eStage)
{
    const s16 nIndex = Signed(shot.m_wSummonIndex);
    const char* lpName = "";
    if (shot.m_nSummonSource <= 1) lpName = l.Refs().EntryName(shot.m_nSummonSource ? eStage : eCommon, nIndex);
    l.AddEntryRef(nIndex, lpName);
}

void SummonDetails(cSummaryLine& l, ePaletteList eCommon, ePaletteList eStage)
{
    if (const cEdShot* lpShot = ShotOf(l)) AddSummonRef(l, *lpShot, eCommon, eStage);
}

}  // namespace

void PrefixMove(cSummaryLine& l)
{
    const cEdMove* lpMove = MoveOf(l);
    if (lpMove && lpMove->m_nTimingMode == kSpeedAndDistance) l.TextPrefix(MoveTimeText(*lpMove));
    else l.StdPrefix(l.Time());
}

void PrefixCircle(cSummaryLine& l)
{
    const cEdMove* lpMove = MoveOf(l);
    if (lpMove && lpMove->m_nTimingMode == kTimeAndDistance) l.TextPrefix(CircleTimeText(*lpMove));
    else l.StdPrefix(l.Time());
}

void StraightMoveDetails(cSummaryLine& l)
{
    const cEdMove* lpMove = MoveOf(l);
    if (!lpMove) return;
    if (lpMove->m_nMode == 0) AddDirection(l, lpMove->m_nDirection, lpMove->m_wDirExtra);
    else if (lpMove->m_nMode == 1) AddTargetXY(l, " 目標", *lpMove);
    AddMoveTime(l, *lpMove);
}

void MoveTimeDetails(cSummaryLine& l)
{
    if (const cEdMove* lpMove = MoveOf(l)) AddMoveTime(l, *lpMove);
}

// The circle's time mode 1 gives its speed (its time then follows from the
// angles).
void CircleDetails(cSummaryLine& l)
{
    const cEdMove* lpMove = MoveOf(l);
    if (!lpMove) return;
    if (lpMove->m_nTimingMode == 0) l.Add(" 時%d", l.Time());
    else if (lpMove->m_nTimingMode == 1) l.Add(" 速%d", Signed(lpMove->m_wSpeed));
    l.Add(" 角%d～%d", Signed(lpMove->m_wDirExtra), Signed(lpMove->m_wDistance));
}

void ChaseDetails(cSummaryLine& l)
{
    const cEdMove* lpMove = MoveOf(l);
    if (!lpMove) return;
    l.Add(" %s", g_TargetNoNames.At(lpMove->m_bMove35));
    AddMoveTime(l, *lpMove);
}

void AvoidMoveDetails(cSummaryLine& l)
{
    const cEdMove* lpMove = MoveOf(l);
    if (!lpMove) return;
    if (lpMove->m_nMode == 0) AddDirection(l, lpMove->m_nDirection, lpMove->m_wDirExtra);
    else if (lpMove->m_nMode == 1)
        l.Add(" 目標(%d,%d)", Signed(lpMove->m_wTargetX), Signed(lpMove->m_wTargetY));
    AddMoveTime(l, *lpMove);
}

// Warp modes 0 to 4 go a distance in a direction (from the chara or from a
// target); mode 5 goes to coordinates.
void WarpDetails(cSummaryLine& l)
{
    constexpr u8 kLastDirectionMode = 4;
    constexpr u8 kCoordinateMode = 5;
    const cEdMove* lpMove = MoveOf(l);
    if (!lpMove) return;
    l.Add(" %s", g_WarpModeNames.At(lpMove->m_nMode));
    if (lpMove->m_nMode <= kLastDirectionMode) {
        l.Add(" %s 距%d", g_DirectionNames.At(lpMove->m_nDirection), Signed(lpMove->m_wDistance));
    } else if (lpMove->m_nMode == kCoordinateMode) {
        l.Add(" %s", g_CoordKindNames.At(lpMove->m_nCoordKind));
        AddTargetXY(l, " ", *lpMove);
    }
}

void ShotDetails(cSummaryLine& l)
{
    const cEdShot* lpShot = ShotOf(l);
    if (!lpShot) return;
    l.Add(" %s 数%d(%d)", g_ShotPatternNames.At(lpShot->m_nPattern), lpShot->m_bShot1, lpShot->m_bShot13);
    AddDirection(l, lpShot->m_nDirection, lpShot->m_wDirExtra);
    l.Add(" 速%d 威%d %s", Signed(lpShot->m_wShot32), static_cast<s32>(lpShot->m_nPower),
          g_ShotAimNames.At(lpShot->m_nAim));
}

// A sword keeps its sword type where a shot keeps its aim.
void SwordDetails(cSummaryLine& l)
{
    const cEdShot* lpShot = ShotOf(l);
    if (!lpShot) return;
    l.Add(" %s 威%d", l.Refs().RecordName(eFlowRefTable::SwordType, lpShot->m_nAim),
          static_cast<s32>(lpShot->m_nPower));
}

// Summon modes: 0 summon, 1 erase, 2 summon where there is no block and
// erase where there is one.
void BlockSummonDetails(cSummaryLine& l)
{
    const cEdShot* lpShot = ShotOf(l);
    if (!lpShot) return;
    if (lpShot->m_nBlockMode == 0 || lpShot->m_nBlockMode == 2)
        AddSummonRef(l, *lpShot, ePaletteList::CommonBlock, ePaletteList::StageBlock);
    else if (lpShot->m_nBlockMode == 1)
        l.Add(" ブロックを消す");
}

void CharaSummonDetails(cSummaryLine& l) { SummonDetails(l, ePaletteList::CommonChara, ePaletteList::StageChara); }

void ItemSummonDetails(cSummaryLine& l) { SummonDetails(l, ePaletteList::CommonItem, ePaletteList::StageItem); }

// Whose flows, which flows, what happens to them; the ID when the flows are
// chosen by it; a mark when the operation has conditions.
void FlowOpDetails(cSummaryLine& l)
{
    constexpr s32 kByIdFlows = 2;
    l.Add(" %s の %s を %s", g_FlowOpWhoseNames.At(l.P(3)), g_FlowOpWhichNames.At(l.P(1)),
          g_FlowOpActionNames.At(l.P(0)));
    if (l.P(1) == kByIdFlows) l.Add(" (ID:%s)", g_GroupLetterNames.At(l.P(2)));
    const cCondList* lpConds = l.Cmd().m_pCondList.get();
    if (lpConds && lpConds->m_nMode != 0) l.Add("  ★条件あり★");
}

}  // namespace summary_detail
