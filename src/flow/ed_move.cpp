#include "flow/ed_move.h"

#include <cmath>

void cEdMove::Init()
{
    cEdData::Clear();
    m_bMove5 = 1;
    m_bUseX = 1;
    m_bUseY = 1;
    m_bUntilTarget = 1;
    m_bFlipX = 1;
    m_bFlipY = 0;
    m_bReverseOnTurn = 1;
    m_wSpeed = 10;
    m_dRate = 1.0;
    m_bMove35 = 0;
}

const cFieldTable& cEdMove::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdMove::m_nMode>(),
        Field<&cEdMove::m_nDirection>(),
        Field<&cEdMove::m_wDirExtra>(),
        Field<&cEdMove::m_wMove4>(),
        Field<&cEdMove::m_bMove5>().From(158),
        Field<&cEdMove::m_bUseX>(),
        Field<&cEdMove::m_bUseY>(),
        Field<&cEdMove::m_wTargetX>(),
        Field<&cEdMove::m_wTargetY>(),
        Field<&cEdMove::m_wTargetDotX>(),
        Field<&cEdMove::m_wTargetDotY>(),
        Field<&cEdMove::m_nCoordKind>(),
        Field<&cEdMove::m_nTargetUnit>().From(891),
        Field<&cEdMove::m_nOrigin>().From(892),
        Field<&cEdMove::m_bUntilTarget>(),
        Field<&cEdMove::m_bNoMoveX>(),
        Field<&cEdMove::m_bNoMoveY>(),
        Field<&cEdMove::m_bFlipX>(),
        Field<&cEdMove::m_bFlipY>(),
        Field<&cEdMove::m_bReverseOnTurn>(),
        Field<&cEdMove::m_bNoJitter>(),
        Field<&cEdMove::m_bKeepFacing>().From(162),
        Field<&cEdMove::m_nTimingMode>(),
        Field<&cEdMove::m_wSpeed>(),
        Field<&cEdMove::m_wSpeedClone>(),
        Field<&cEdMove::m_wDistance>(),
        Field<&cEdMove::m_wDistanceClone>(),
        Field<&cEdMove::m_bDotUnit>().From(159),
        Field<&cEdMove::m_wMove29>(),
        Field<&cEdMove::m_wMove30>(),
        Field<&cEdMove::m_bInertia>(),
        Field<&cEdMove::m_wMaxSpeed>(),
        Field<&cEdMove::m_dRate>(),
        Field<&cEdMove::m_nAnimeMode>().From(162),
        Field<&cEdMove::m_bMove35>().From(767),
    };
    return s_Table;
}

bool cEdMove::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    const u32 v = g_dwReadVersion;
    if (v < 158) m_bMove5 = 0;
    if (v < 159) m_bDotUnit = 0;
    if (v < 162) {
        m_bKeepFacing = 0;
        m_nAnimeMode = 0;
    }
    if (v < 830 && m_nAnimeMode == 1) m_nAnimeMode = 2;
    // A rate that is not a number can only come from a damaged file, and it
    // would never compare equal to itself.
    if (std::isnan(m_dRate)) m_dRate = 1.0;
    return file.Ok();
}

u32 CreateEdMove(std::shared_ptr<cEdMove>& holder)
{
    holder = std::make_shared<cEdMove>();
    return 1;
}
