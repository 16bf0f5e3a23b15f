#include "data/stage_records.h"

const cFieldTable& cStageParamSet::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cStageParamSet::m_dwLeftOn>(),
        Field<&cStageParamSet::m_dwRightOn>().From(125),
        Field<&cStageParamSet::m_dwTopOn>().From(125),
        Field<&cStageParamSet::m_dwBottomOn>().From(125),
        Field<&cStageParamSet::m_dwLeftMargin>(),
        Field<&cStageParamSet::m_dwRightMargin>(),
        Field<&cStageParamSet::m_dwTopMargin>(),
        Field<&cStageParamSet::m_dwBottomMargin>(),
    };
    return s_Table;
}

void cStageBackground::Init()
{
    Clear();
    m_dwShowFromStart = 1;
    m_dwColor = 16;
    m_dScrollSpeedX = 0.1;
    m_dScrollSpeedY = 0.1;
}

const cFieldTable& cStageBackground::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cStageBackground::m_dwShowFromStart>().From(62),
        Field<&cStageBackground::m_dwFillColor>(),
        Field<&cStageBackground::m_dwColor>(),
        Field<&cStageBackground::m_dwFront>(),
        RetiredField<u32, 2>().Until(61),
        Field<&cStageBackground::m_dScrollSpeedX>().From(61),
        Field<&cStageBackground::m_dScrollSpeedY>().From(61),
        Field<&cStageBackground::m_dwAutoScrollX>().From(61),
        Field<&cStageBackground::m_dwAutoScrollY>().From(61),
        Field<&cStageBackground::m_dAutoSpeedX>().From(876),
        Field<&cStageBackground::m_dAutoSpeedY>().From(876),
        Field<&cStageBackground::m_strImage>(),
        RetiredField<u32, 2>().From(61).Until(62),
        Field<&cStageBackground::m_adExtra>().From(62),
    };
    return s_Table;
}

const cFieldTable& cStageRecord::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cStageRecord::m_strName>(),
    };
    return s_Table;
}
