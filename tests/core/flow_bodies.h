#pragma once
// Move and shot bodies of any data version, built by hand from the fields
// that version stores.
#include <vector>

#include "flow/ed_move.h"
#include "flow/ed_shot.h"
#include "flow_test_util.h"

// A move body of an older version, by hand: the fields that version stored.
inline std::vector<u8> MoveBody(u32 v, const cEdMove& m)
{
    return cVersionBody(v)
        .U8(m.m_nMode).U8(m.m_nDirection).U16(m.m_wDirExtra).U16(m.m_wMove4)
        .U8(m.m_bMove5, 158)
        .U8(m.m_bUseX).U8(m.m_bUseY)
        .U16(m.m_wTargetX).U16(m.m_wTargetY).U16(m.m_wTargetDotX).U16(m.m_wTargetDotY)
        .U8(m.m_nCoordKind)
        .U8(m.m_nTargetUnit, 891)
        .U8(m.m_nOrigin, 892)
        .U8(m.m_bUntilTarget).U8(m.m_bNoMoveX).U8(m.m_bNoMoveY).U8(m.m_bFlipX).U8(m.m_bFlipY)
        .U8(m.m_bReverseOnTurn).U8(m.m_bNoJitter)
        .U8(m.m_bKeepFacing, 162)
        .U8(m.m_nTimingMode).U16(m.m_wSpeed).U16(m.m_wSpeedClone).U16(m.m_wDistance).U16(m.m_wDistanceClone)
        .U8(m.m_bDotUnit, 159)
        .U16(m.m_wMove29).U16(m.m_wMove30).U8(m.m_bInertia).U16(m.m_wMaxSpeed).Double(m.m_dRate)
        .U8(m.m_nAnimeMode, 162)
        .U8(m.m_bMove35, 767)
        .Get();
}

// A shot body of an older version, by hand: the fields that version stored.
inline std::vector<u8> ShotBody(u32 v, const cEdShot& s)
{
    return cVersionBody(v)
        .U8(s.m_bShot1).U8(s.m_nPattern).U16x3(s.m_wPatternValue)
        .U8(s.m_nAimSubject, 671)
        .U8(s.m_nDirection).U8(s.m_bAimAngle)
        .U8(s.m_nTargetNo, 767)
        .U16(s.m_wDirExtra).U16(s.m_wDirExtraClone)
        .U8(s.m_bMirror, 158)
        .U16(s.m_wSpread).U8(s.m_bShiftByAngle).U8(s.m_bShot13)
        .U16(s.m_wOffsetX).U16(s.m_wOffsetXClone).U16(s.m_wOffsetY).U16(s.m_wOffsetYClone)
        .U8(s.m_bFlipX).U8(s.m_bFlipY)
        .U16(s.m_wGraphic).U8(s.m_nZ).U8(s.m_bTransparent).U8(s.m_bSameAsUser).U8(s.m_nForce)
        .U8(s.m_bShot25).U8(s.m_nSize).U8(s.m_bShot27)
        .U8(s.m_nAim).U16x3(s.m_wAimValue)
        .U8(s.m_nTargetNo2, 767)
        .U8(s.m_bScrollSync, 211)
        .U16(s.m_wShot32).U16(s.m_wSpeedClone)
        .U8(s.m_bAccel, 213).U16(s.m_wAccelValue, 213).U16(s.m_wAccelClone, 213)
        .U16(s.m_wRange).U8(s.m_bRange).U16(s.m_wRangeClone)
        .U8(s.m_bKeepAtEnd).U8(s.m_bLifetime).U16(s.m_wLifetime).U16(s.m_wLifetimeClone)
        .U8(s.m_bPierceBlock).U8(s.m_bPierceChara)
        .U8(s.m_bPierceBlockChara, 636)
        .U8(s.m_bDieByShot).U8(s.m_nVanishValue).U32(s.m_nPower).U16(s.m_wShot50).U8(s.m_nImpact)
        .U16(s.m_wEffect).U8(s.m_nDropSource).U16(s.m_wDropItem)
        .U8(s.m_nBlockMode).U8(s.m_bFailOnPlayer)
        .U8(s.m_bFailOnEnemy, 197)
        .U8(s.m_nSummonSource).U16(s.m_wSummonIndex).U8(s.m_nForceMode).U8(s.m_bZeroScore).U8(s.m_bFaceOpposite)
        .U8(s.m_bAttack, 762).U8(s.m_nFlowGroup, 762)
        .Get();
}
