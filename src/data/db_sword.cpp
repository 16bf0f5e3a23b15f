#include "data/db_sword.h"

#include "data/db_record.h"
#include "data/serial.h"

const char* const SwordDirectionNames[] = {"前", "後", "上", "下", ""};

const cFieldTable& cEdCharaExcBmp::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdCharaExcBmp::m_strName>(),
        Field<&cEdCharaExcBmp::m_strPath>(),
        Field<&cEdCharaExcBmp::m_dwSameAsFileName>().From(152),
        Field<&cEdCharaExcBmp::m_dwGiant>().From(172),
        Field<&cEdCharaExcBmp::m_dwGiantSize>().From(172),
    };
    return s_Table;
}

bool cEdCharaExcBmp::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    DropEarlyFileNameFlag(m_dwSameAsFileName);
    return file.Ok();
}

const cFieldTable& cEdSwordPos::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdSwordPos::m_nOffsetX>(),
        Field<&cEdSwordPos::m_nOffsetY>(),
        Field<&cEdSwordPos::m_dwMirrorX>().From(138),
        Field<&cEdSwordPos::m_dwMirrorY>().From(138),
        Field<&cEdSwordPos::m_dwDirection>(),
        Field<&cEdSwordPos::m_dwSrcX>(),
        Field<&cEdSwordPos::m_dwSrcY>(),
        Field<&cEdSwordPos::m_dwWidth>(),
        Field<&cEdSwordPos::m_dwHeight>(),
        Field<&cEdSwordPos::m_dwTime>(),
    };
    return s_Table;
}

cEdSwordType::cEdSwordType() : m_vPos(1) { m_vPos[0].m_dwTime = 1; }

const cFieldTable& cEdSwordType::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdSwordType::m_strName>(),
        Field<&cEdSwordType::m_strBmpLeft>(),
        Field<&cEdSwordType::m_strBmpRight>(),
        Field<&cEdSwordType::m_dwSameAsFileName>().From(151),
    };
    return s_Table;
}

bool cEdSwordType::Load(cDataReader& file)
{
    if (!LoadBody(file) || !LoadRecordList(m_vPos, file)) return false;
    DropEarlyFileNameFlag(m_dwSameAsFileName);
    return file.Ok();
}

void cEdSwordType::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveRecordList(m_vPos, file);
}
