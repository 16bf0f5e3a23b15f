#include "flow/key_cond.h"

#include "data/serial.h"

void cEdKeyCond::Init()
{
    cEdData::Clear();
    m_Keys.assign(kKeyCondKeys, 0);
}

const cFieldTable& cEdKeyCond::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdKeyCond::m_bFrontBack>(),
        Field<&cEdKeyCond::m_wPressMin>(),
        Field<&cEdKeyCond::m_wPressMax>(),
        Field<&cEdKeyCond::m_bPressNoMax>(),
        Field<&cEdKeyCond::m_nKeyMode>(),
    };
    return s_Table;
}

// A stored count of 0 or less keeps the keys as they were; a shorter vector
// than the program's (only an old or damaged file has one) gets its missing
// keys as state 0.
bool cEdKeyCond::Load(cDataReader& file)
{
    if (!LoadBody(file) || !LoadByteVector(m_Keys, file)) return false;
    if (m_Keys.size() < kKeyCondKeys) m_Keys.resize(kKeyCondKeys, 0);
    return file.Ok();
}

void cEdKeyCond::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveByteVector(m_Keys, file);
}
