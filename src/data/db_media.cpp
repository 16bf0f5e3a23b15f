#include "data/db_media.h"

const cFieldTable& cEdBgm::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdBgm::m_strName>(),
        Field<&cEdBgm::m_strPath>(),
        Field<&cEdBgm::m_dwSameAsFileName>().From(151),
        Field<&cEdBgm::m_dwVolume>().From(814),
    };
    return s_Table;
}
