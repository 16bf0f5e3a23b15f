#include "command_editor/rules/shot_rules.h"

#include <algorithm>

#include "flow/flow_refs.h"
#include "flow/option_names.h"

namespace {

// Controls of the shot, sword and summon dialogs.
enum : u16 {
    kTime = 1113,
    kFormation = 12641,
    kMoveType = 1265,
    kMoveTarget = 1483,
    kSubject = 1136,
    kAimTarget = 1484,
    kAimAtTarget = 1063,
    kShiftByAngle = 1062,
    kForce = 1261,
    kSameAsUser = 1148,
    kAccel = 1177,
    kAccelValue = 1126,
    kAccelClone = 1129,
    kRangeOn = 1176,
    kRange = 1122,
    kRangeClone = 11240,
    kKeepAtEnd = 1157,
    kLifetimeOn = 1393,
    kLifetime = 1394,
    kLifetimeClone = 11241,
    kDieByShot = 1146,
    kVanishValue = 1124,
    kAttack = 1160,
    kFlowGroup = 1231,
    kDropPalette = 1270,
    kDropItem = 12640,
    kSwordType = 1221,
    kSummonPalette = 1379,
    kSummonEntry = 1385,
    kBlockMode = 1129,
    kFailOnPlayer = 1054,
    kFailOnEnemy = 1057,
    kForceMode = 1129,
};

// Formations whose summoned or fired entries fall around a subject.
bool AroundSubject(s64 nFormation) { return nFormation == 3 || nFormation == 5; }

// The shot's target of the aim: the angle-aiming formations use it while
// the angle is aimed at the target, "落雷" and "包囲" while the subject is
// the target.
void ShotAimTarget(s64 nFormation, bool bAimChecked, s64 nSubject, cRefreshOut& out)
{
    if (nFormation >= 0 && nFormation <= 2) out.Enable(kAimTarget, bAimChecked);
    else if (AroundSubject(nFormation)) out.Enable(kAimTarget, nSubject == 0);
    else out.Enable(kAimTarget, false);
}

// A choice combo without a selection reads as a row no table has.
s64 Choice(const cCtrlValues& in, u16 wId) { return in.Get(wId, -1); }

void FollowCheck(const cCtrlValues& in, u16 wCheck, std::initializer_list<u16> ids, cRefreshOut& out)
{
    out.Enable(ids, in.Get(wCheck) != 0);
}

// A palette combo and the entry combo after it: the palettes offered by the
// entry edit mode (a common palette entry can't refer to the stage's), the
// entries of the palette shown. A stored palette that isn't offered shows
// the first row.
struct cPaletteCombos {
    u16 wPalette;
    u16 wEntry;
    const cNameTable* lpAll;
    const cNameTable* lpCommonOnly;
    s64 nCommonValue;  // the palette value of the common palette (the stage's is one more)
    eEntryType eType;
};

// True when the palette shown has an entry list.
bool PaletteRule(const cPaletteCombos& c, const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    out.Items(c.wPalette, Names(facts.nEntryEditMode == 2 ? *c.lpCommonOnly : *c.lpAll));
    if (!in.Has(c.wPalette)) out.Value(c.wPalette, 0);
    const s64 nPalette = in.Get(c.wPalette, 0);
    const bool bEntries = nPalette == c.nCommonValue || nPalette == c.nCommonValue + 1;
    out.Items(c.wEntry, bEntries ? PaletteRows(PaletteListOf(c.eType, nPalette != c.nCommonValue)) : cItemSource());
    return bEntries;
}

// The drop of a shot or a sword: none, common (1) or stage (2) items.
void DropRule(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    const cPaletteCombos c{kDropPalette, kDropItem, &g_DropPaletteNames, &g_DropPaletteCommonNames, 1,
                           eEntryType::Item};
    out.Enable(kDropItem, PaletteRule(c, in, facts, out));
}

// A summon's palette: common (0) or stage (1).
void SummonPaletteRule(eEntryType eType, const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    const cPaletteCombos c{kSummonPalette, kSummonEntry, &g_PaletteNames, &g_PaletteCommonNames, 0, eType};
    PaletteRule(c, in, facts, out);
}

// What the shot and the sword share: the faction by "使用者と同じ", the flow
// filter by "アタック", the drop.
void ShotAndSwordRule(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    out.Enable(kForce, in.Get(kSameAsUser) == 0);
    FollowCheck(in, kAttack, {kFlowGroup}, out);
    DropRule(in, facts, out);
}

}  // namespace

const cValueSlotCtrls kFormationSlots = {{1151, 1152, 1153}, {1041, 1042, 1043}};
const cValueSlotCtrls kMoveTypeSlots = {{1154, 1155, 1156}, {1044, 1058, 1060}};

void ValueSlotsRule(const cDescTable<cValueSlots>& table, s64 nChoice, s64 nPrevious, const cValueSlotCtrls& ctrls,
                    cRefreshOut& out)
{
    const bool bChanged = nPrevious != kNoPreviousChoice && nPrevious != nChoice;
    const cValueSlots& slots = table.At(nChoice);
    for (u32 i = 0; i < kShotValueSlots; ++i) {
        const cValueDesc& slot = slots.m_aSlot[i];
        out.Label(ctrls.awLabel[i], slot.m_lpLabel);
        out.Enable(ctrls.awEdit[i], slot.m_lpLabel[0] != '\0');
        out.Range(ctrls.awEdit[i], slot.m_nMin, slot.m_nMax);
        if (bChanged) out.Value(ctrls.awEdit[i], slot.m_nDefault);
    }
}

void ShotFormationChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out)
{
    const s64 nFormation = Choice(in, kFormation);
    bool bAimChecked = in.Get(kAimAtTarget) != 0;
    if (nFormation >= 0 && nFormation <= 2) {
        out.Enable(kAimAtTarget, true);
    } else {
        bAimChecked = AroundSubject(nFormation);
        out.Enable(kAimAtTarget, false).Check(kAimAtTarget, bAimChecked ? 1 : 0);
    }
    ShotAimTarget(nFormation, bAimChecked, in.Get(kSubject), out);
    out.Enable(kShiftByAngle, nFormation == 0 || nFormation == 2);
    out.Enable(kSubject, AroundSubject(nFormation));
    ValueSlotsRule(g_PatternValues, nFormation, nPrevious, kFormationSlots, out);
}

void SummonFormationChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out)
{
    const s64 nFormation = Choice(in, kFormation);
    out.Enable({kSubject, kAimTarget}, AroundSubject(nFormation));
    ValueSlotsRule(g_PatternValues, nFormation, nPrevious, kFormationSlots, out);
}

void CharaSummonFormationChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out)
{
    const s64 nFormation = Choice(in, kFormation);
    out.Enable(kSubject, AroundSubject(nFormation));
    out.Enable(kAimTarget, AroundSubject(nFormation) && in.Get(kSubject) == 0);
    ValueSlotsRule(g_PatternValues, nFormation, nPrevious, kFormationSlots, out);
}

void ShotMoveTypeChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out)
{
    const s64 nMoveType = Choice(in, kMoveType);
    out.Enable(kMoveTarget, nMoveType == 3 || nMoveType == 6);
    ValueSlotsRule(g_AimValues, nMoveType, nPrevious, kMoveTypeSlots, out);
}

void SwordTypeChange(const cCtrlValues& in, s64, cRefreshOut& out)
{
    const s64 nType = Choice(in, kSwordType);
    u32 nTime = 0;
    if (nType >= 0 && nType <= 0xFFFF) SwordTypeTime(static_cast<u32>(nType), nTime);
    out.Value(kTime, static_cast<s32>(nTime));
}

void ShotRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    ShotAimTarget(Choice(in, kFormation), in.Get(kAimAtTarget) != 0, in.Get(kSubject), out);
    ShotAndSwordRule(in, facts, out);
    FollowCheck(in, kAccel, {kAccelValue, kAccelClone}, out);
    FollowCheck(in, kRangeOn, {kRange, kRangeClone, kKeepAtEnd}, out);
    FollowCheck(in, kLifetimeOn, {kLifetime, kLifetimeClone}, out);
    FollowCheck(in, kDieByShot, {kVanishValue}, out);
}

void SwordRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    ShotAndSwordRule(in, facts, out);
}

void BlockSummonRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    // "ブロックを消す" needs no palette, no entry and no check of the place.
    out.Enable({kSummonPalette, kSummonEntry, kFailOnPlayer, kFailOnEnemy}, in.Get(kBlockMode) != 1);
    SummonPaletteRule(eEntryType::Block, in, facts, out);
}

void CharaSummonRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    SummonPaletteRule(eEntryType::Chara, in, facts, out);
    FollowCheck(in, kLifetimeOn, {kLifetime}, out);
    out.Enable(kForce, in.Get(kForceMode) == 2);
    FollowCheck(in, kAttack, {kFlowGroup}, out);
    out.Enable(kAimTarget, AroundSubject(Choice(in, kFormation)) && in.Get(kSubject) == 0);
}

void ItemSummonRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    SummonPaletteRule(eEntryType::Item, in, facts, out);
    FollowCheck(in, kLifetimeOn, {kLifetime}, out);
}

bool ShotGraphicPart(s64 nGraphic, s32 nSheetWidth, s32 nSheetHeight, cSheetPart& part)
{
    part = cSheetPart();
    if (nGraphic < 0 || nGraphic > 0xFFFF) return false;
    constexpr s64 kCellsPerColumn = 30;
    constexpr s64 kColumnWidth = 32;
    const s64 nCellX = nGraphic / kCellsPerColumn * kColumnWidth;
    const s64 nCellY = nGraphic % kCellsPerColumn * kShotCellSize;
    const s64 nLeft = std::max<s64>(nCellX, 0);
    const s64 nTop = std::max<s64>(nCellY, 0);
    const s64 nRight = std::min<s64>(nCellX + kShotCellSize, nSheetWidth);
    const s64 nBottom = std::min<s64>(nCellY + kShotCellSize, nSheetHeight);
    if (nRight <= nLeft || nBottom <= nTop) return false;
    part.nSrcX = static_cast<s32>(nLeft);
    part.nSrcY = static_cast<s32>(nTop);
    part.nWidth = static_cast<s32>(nRight - nLeft);
    part.nHeight = static_cast<s32>(nBottom - nTop);
    part.nCellX = static_cast<s32>(nLeft - nCellX);
    part.nCellY = static_cast<s32>(nTop - nCellY);
    return true;
}
