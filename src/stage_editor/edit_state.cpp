#include "stage_editor/edit_state.h"

#include "app/global_order.h"

cEditState g_EditState TARVENOL_GLOBAL(kGlobalEditState);

void cEditState::Init()
{
    m_strStagePath.clear();
    m_bHasPath = 0;
    m_bTestPlay = 0;
}

void cEditState::ResetPick()
{
    m_spPickBlock.reset();
    m_spPickChara.reset();
    m_spPickItem.reset();
    m_abPickValid = {};
    m_abPickCut = {};
}
