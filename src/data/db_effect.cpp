#include "data/db_effect.h"

#include "data/db_record.h"
#include "data/serial.h"

const cParamInfo& cEffectKinds::Param(u32 dwKind, u32 nParam) const
{
    static const cParamInfo s_Unused = {"", 0, 0, 0};
    if (!IsKind(dwKind) || nParam >= kEffectParams) return s_Unused;
    return m_lpParams[dwKind * kEffectParams + nParam];
}

void cEffectKinds::FillAddedIn511(u32 dwKind, s32* lpParams) const
{
    for (size_t i = 0; i < m_nAddedIn511; ++i) {
        const cSlot& slot = m_lpAddedIn511[i];
        if (slot.dwKind == dwKind) lpParams[slot.nParam] = Param(dwKind, slot.nParam).m_nDefault;
    }
}

const cFieldTable& cEdEffectFrame::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdEffectFrame::m_dwFrame>(),
        Field<&cEdEffectFrame::m_dwTime>(),
    };
    return s_Table;
}

const cFieldTable& cEdEffect::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdEffect::m_strName>(),
        Field<&cEdEffect::m_strPath>(),
        Field<&cEdEffect::m_dwSameAsFileName>().From(151),
        Field<&cEdEffect::m_dwWidth>(),
        Field<&cEdEffect::m_dwHeight>(),
        Field<&cEdEffect::m_dwAllowEnlarge>(),
    };
    return s_Table;
}

bool cEdEffect::Load(cDataReader& file)
{
    if (!LoadBody(file) || !LoadRecordList(m_vFrame, file)) return false;
    DropEarlyFileNameFlag(m_dwSameAsFileName);
    return file.Ok();
}

void cEdEffect::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveRecordList(m_vFrame, file);
}
