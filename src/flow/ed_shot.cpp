#include "flow/ed_shot.h"

#include "flow/flow_refs.h"

void cEdShot::Init()
{
    cEdData::Clear();
    m_bMirror = 1;
    m_bFlipX = 1;
    m_bSameAsUser = 1;
    m_nSize = 1;
    m_nTargetNo = 0;
    m_bFlipY = 0;
    m_nTargetNo2 = 0;
}

void cEdShot::Normalize()
{
    if (m_nSize < 1) m_nSize = 1;
    if (IsBadFlowRef(eFlowRefTable::Effect, m_wEffect)) m_wEffect = 0;
}

// File order; the range flag is stored after the range, and the summon
// fields after the block summon's failure flags.
const cFieldTable& cEdShot::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdShot::m_bShot1>(),
        Field<&cEdShot::m_nPattern>(),
        Field<&cEdShot::m_wPatternValue>(),
        Field<&cEdShot::m_nAimSubject>().From(671),
        Field<&cEdShot::m_nDirection>(),
        Field<&cEdShot::m_bAimAngle>(),
        Field<&cEdShot::m_nTargetNo>().From(767),
        Field<&cEdShot::m_wDirExtra>(),
        Field<&cEdShot::m_wDirExtraClone>(),
        Field<&cEdShot::m_bMirror>().From(158),
        Field<&cEdShot::m_wSpread>(),
        Field<&cEdShot::m_bShiftByAngle>(),
        Field<&cEdShot::m_bShot13>(),
        Field<&cEdShot::m_wOffsetX>(),
        Field<&cEdShot::m_wOffsetXClone>(),
        Field<&cEdShot::m_wOffsetY>(),
        Field<&cEdShot::m_wOffsetYClone>(),
        Field<&cEdShot::m_bFlipX>(),
        Field<&cEdShot::m_bFlipY>(),
        Field<&cEdShot::m_wGraphic>(),
        Field<&cEdShot::m_nZ>(),
        Field<&cEdShot::m_bTransparent>(),
        Field<&cEdShot::m_bSameAsUser>(),
        Field<&cEdShot::m_nForce>(),
        Field<&cEdShot::m_bShot25>(),
        Field<&cEdShot::m_nSize>(),
        Field<&cEdShot::m_bShot27>(),
        Field<&cEdShot::m_nAim>(),
        Field<&cEdShot::m_wAimValue>(),
        Field<&cEdShot::m_nTargetNo2>().From(767),
        Field<&cEdShot::m_bScrollSync>().From(211),
        Field<&cEdShot::m_wShot32>(),
        Field<&cEdShot::m_wSpeedClone>(),
        Field<&cEdShot::m_bAccel>().From(213),
        Field<&cEdShot::m_wAccelValue>().From(213),
        Field<&cEdShot::m_wAccelClone>().From(213),
        Field<&cEdShot::m_wRange>(),
        Field<&cEdShot::m_bRange>(),
        Field<&cEdShot::m_wRangeClone>(),
        Field<&cEdShot::m_bKeepAtEnd>(),
        Field<&cEdShot::m_bLifetime>(),
        Field<&cEdShot::m_wLifetime>(),
        Field<&cEdShot::m_wLifetimeClone>(),
        Field<&cEdShot::m_bPierceBlock>(),
        Field<&cEdShot::m_bPierceChara>(),
        Field<&cEdShot::m_bPierceBlockChara>().From(636),
        Field<&cEdShot::m_bDieByShot>(),
        Field<&cEdShot::m_nVanishValue>(),
        Field<&cEdShot::m_nPower>(),
        Field<&cEdShot::m_wShot50>(),
        Field<&cEdShot::m_nImpact>(),
        Field<&cEdShot::m_wEffect>(),
        Field<&cEdShot::m_nDropSource>(),
        Field<&cEdShot::m_wDropItem>(),
        Field<&cEdShot::m_nBlockMode>(),
        Field<&cEdShot::m_bFailOnPlayer>(),
        Field<&cEdShot::m_bFailOnEnemy>().From(197),
        Field<&cEdShot::m_nSummonSource>(),
        Field<&cEdShot::m_wSummonIndex>(),
        Field<&cEdShot::m_nForceMode>(),
        Field<&cEdShot::m_bZeroScore>(),
        Field<&cEdShot::m_bFaceOpposite>(),
        Field<&cEdShot::m_bAttack>().From(762),
        Field<&cEdShot::m_nFlowGroup>().From(762),
    };
    return s_Table;
}

bool cEdShot::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    const u32 v = g_dwReadVersion;
    if (v < 158) m_bMirror = 0;
    if (v < 197) m_bFailOnEnemy = m_bFailOnPlayer;
    if (v < 212) m_bScrollSync = (m_nAim >= 4 && m_nAim <= 7) ? 1 : 0;  // the homing aims
    if (v < 213) {
        m_bAccel = 0;
        m_wAccelValue = 0;
        m_wAccelClone = 0;
    }
    if (v < 636) m_bPierceBlockChara = m_bPierceChara;
    if (v < 671) m_nAimSubject = 0;
    Normalize();
    return file.Ok();
}

void cEdShot::Save(cDataWriter& file) const
{
    cEdShot normal(*this);
    normal.Normalize();
    normal.SaveBody(file);
}

void RaiseOldShotGraphic(u16& wGraphic)
{
    constexpr s16 kLastGraphic = 119;
    wGraphic = static_cast<u16>(wGraphic + 1);
    if (static_cast<s16>(wGraphic) > kLastGraphic) wGraphic = kLastGraphic;
}

u32 CreateEdShot(std::shared_ptr<cEdShot>& holder)
{
    holder = std::make_shared<cEdShot>();
    return 1;
}
