#include "stage_editor/edit_state.h"

cEditState g_EditState;
cEditCursor g_EditCursor;

void cEditState::Init()
{
    m_strStagePath.clear();
    m_bHasPath = 0;
    m_bTestPlay = 0;
}

void cEditCursor::Reset()
{
    m_Entries.assign(1, std::array<u32, 4>{0, 0, 0, 0});
    m_lpCurrent = &m_Entries[0];
    m_dwSecond = 0;
}
