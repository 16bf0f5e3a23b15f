#include "data/ed_chara.h"

#include <algorithm>

#include "flow/flow_refs.h"

namespace {

constexpr u8 kSpecialBitmap = 4;

}  // namespace

void cEdChara::SetDefault()
{
    cEdData::Clear();
    m_nHeldItemNo = 0;
    m_bbInherit.assign(kInheritGroups, 0);
    m_cControl = 1;
    m_cForce = 1;
    m_cZ = 3;
    m_cStartEffectLoop = 1;
    m_nHP = 10;
    m_nDefence = 0;
    m_cGraphicKind = 1;
    m_wGraphic = 0;
    m_cGiant = 1;
    m_wStopEase = 10;
    m_cFixDir = 1;
    m_cHoldItem = 1;
}

const cFieldTable& cEdChara::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdChara::m_cInheritKind>(),
        Field<&cEdChara::m_wInheritIndex>(),
        Field<&cEdChara::m_strName>(),
        Field<&cEdChara::m_cCondJudge>(),
        Field<&cEdChara::m_cCondLatch>(),
        Field<&cEdChara::m_cFaceRight>(),
        Field<&cEdChara::m_cCloneCount>(),
        Field<&cEdChara::m_sOffsetX>(),
        Field<&cEdChara::m_sCloneOffsetX>(),
        Field<&cEdChara::m_sOffsetY>(),
        Field<&cEdChara::m_sCloneOffsetY>(),
        Field<&cEdChara::m_cFlipOffsetX>(),
        Field<&cEdChara::m_cFlipOffsetY>(),
        Field<&cEdChara::m_wGraphic>(),
        Field<&cEdChara::m_cGraphicKind>(),
        Field<&cEdChara::m_sGraphicOffset>(),
        Field<&cEdChara::m_wAnimeSet>(),
        Field<&cEdChara::m_cZ>(),
        Field<&cEdChara::m_cTransparent>(),
        Field<&cEdChara::m_wStartEffect>(),
        Field<&cEdChara::m_cStartEffectRun>().From(196),
        Field<&cEdChara::m_cStartEffectLoop>(),
        Field<&cEdChara::m_wDeathEffect>(),
        Field<&cEdChara::m_cDeathEffectRun>().From(196),
        Field<&cEdChara::m_cIconShow>(),
        Field<&cEdChara::m_wIcon>(),
        Field<&cEdChara::m_cControl>(),
        Field<&cEdChara::m_cPlayerNo>(),
        Field<&cEdChara::m_cForce>(),
        Field<&cEdChara::m_cCharaId>(),
        Field<&cEdChara::m_cFly>(),
        Field<&cEdChara::m_cFixDir>(),
        Field<&cEdChara::m_cInvincible>(),
        Field<&cEdChara::m_cInvincibleEffect>().From(285),
        Field<&cEdChara::m_cBlock>(),
        Field<&cEdChara::m_cGiant>(),
        Field<&cEdChara::m_cScrollSync>().From(210),
        Field<&cEdChara::m_cSight>(),
        Field<&cEdChara::m_cSightRange>(),
        Field<&cEdChara::m_nHP>(),
        Field<&cEdChara::m_nSP>(),
        Field<&cEdChara::m_wStopEase>(),
        Field<&cEdChara::m_cBodyHitRange>().From(201),
        Field<&cEdChara::m_nBodyPower>(),
        Field<&cEdChara::m_cBodyImpact>(),
        Field<&cEdChara::m_wBodyEffect>(),
        Field<&cEdChara::m_nDefence>().From(168),
        Field<&cEdChara::m_cImpactResist>(),
        Field<&cEdChara::m_nScore>(),
        Field<&cEdChara::m_cHoldItem>(),
        Field<&cEdChara::m_cHasGroup>(),
        Field<&cEdChara::m_wGroupNo>(),
        Field<&cEdChara::m_cActRange>(),
        Field<&cEdChara::m_cActJudge>(),
    };
    return s_Table;
}

bool cEdChara::Load(cDataReader& file)
{
    if (!LoadHead(file) || !file.ReadS32(m_nHeldItemNo) || !LoadFlagsAndConds(file) || !LoadFlowList(m_vFlow, file))
        return false;
    // Each group that a version added is opened among the flags at its
    // place, at the versions the project options open theirs.
    const u32 v = g_dwReadVersion;
    if (v < 88) OpenInheritSlot(m_bbInherit, kInheritGroups, 14);
    if (v < 105) OpenInheritSlot(m_bbInherit, kInheritGroups, 3);
    if (v < 168) {
        m_nDefence = 0;
        OpenInheritSlot(m_bbInherit, kInheritGroups, 27);
    }
    if (v < 196) {
        m_cStartEffectRun = 0;
        m_cDeathEffectRun = 0;
    }
    if (v < 201) {
        m_cBodyHitRange = 0;
        OpenInheritSlot(m_bbInherit, kInheritGroups, 24);
    }
    if (v < 206 && static_cast<s8>(m_cBodyHitRange) >= 2) ++m_cBodyHitRange;
    if (v < 210) {
        m_cScrollSync = 0;
        OpenInheritSlot(m_bbInherit, kInheritGroups, 21);
    }
    if (v < 285) m_cInvincibleEffect = 1;
    FinishLoad(v);
    return file.Ok();
}

void cEdChara::Write(cDataWriter& file) const
{
    WriteHead(file);
    file.WriteS32(m_nHeldItemNo);
    WriteFlagsAndConds(file);
    WriteFlowList(m_vFlow, file);
}

void cEdChara::Validate()
{
    ValidateInheritSource();
    if (m_cGraphicKind == kSpecialBitmap && IsBadFlowRef(eFlowRefTable::CharaExcBmp, m_wGraphic)) m_wGraphic = 1;
    if (m_cGiant < 1) m_cGiant = 1;
    if (IsBadFlowRef(eFlowRefTable::AnimeSet, m_wAnimeSet)) m_wAnimeSet = 0;
    if (IsBadFlowRef(eFlowRefTable::CharaEffect, m_wStartEffect)) m_wStartEffect = 0;
    if (IsBadFlowRef(eFlowRefTable::CharaEffect, m_wDeathEffect)) m_wDeathEffect = 0;
    if (IsBadFlowRef(eFlowRefTable::Effect, m_wBodyEffect)) m_wBodyEffect = 0;
    if (m_cControl == 0) {
        m_cBlock = 0;
        m_cCloneCount = 0;
    }
    for (cEdFlow& flow : m_vFlow) flow.Normalize();
    m_vFlow.erase(std::remove_if(m_vFlow.begin(), m_vFlow.end(), [](const cEdFlow& f) { return f.IsEmpty(); }),
                  m_vFlow.end());
}

void cEdChara::ValidateRefs()
{
    for (cEdFlow& flow : m_vFlow) flow.ValidateRefs();
}

bool MoveCharaRange(std::vector<cEdChara>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode)
{
    return MoveEntryRange(list, nFirst, nLast, nDest, nMode);
}
