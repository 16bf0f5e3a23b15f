#include "stage_editor/stage_setting_wnd.h"

#include <new>

#include "app/fatal.h"
#include "framework/wnd_list.h"
#include "stage_editor/stage_adv_pages.h"
#include "stage_editor/stage_basic_page.h"

cStageSettingWnd::cStageSettingWnd(cWndBase* lpOwner, cWndList* lpRegistry, cWndGroup** lpOwnerField)
    : cWndGroup(1, lpOwner, lpRegistry)
{
    if (lpRegistry) lpRegistry->AddGroup(this, lpOwnerField);
}

cStageSettingWnd::~cStageSettingWnd()
{
    // The pages' windows go with the sheet, while the pages exist.
    CloseSheet();
    delete m_lpBasic;
    delete m_lpAdv;
    delete m_lpAdv2;
}

bool cStageSettingWnd::CreatePages()
{
    m_lpBasic = new (std::nothrow) cStageBasicPage(m_lpOwner, m_lpRegistry);
    m_lpAdv = new (std::nothrow) cStageAdvPage(m_lpOwner, m_lpRegistry);
    m_lpAdv2 = new (std::nothrow) cStageAdv2Page(m_lpOwner, m_lpRegistry);
    if (!m_lpBasic || !m_lpAdv || !m_lpAdv2) {
        ReportOutOfMemory();
        return false;
    }
    AddPage(m_lpBasic);
    AddPage(m_lpAdv);
    AddPage(m_lpAdv2);
    if (!Run()) return false;
    SetWindowTextA(m_hSheet, "ステージの設定");
    return true;
}

void cStageSettingWnd::CommitAll()
{
    for (int nPass = 0; nPass < 2; ++nPass) {
        m_lpBasic->Commit();
        m_lpAdv->Commit();
        m_lpAdv2->Commit();
    }
}

void cStageSettingWnd::ForgetOwner()
{
    m_lpOwner = nullptr;
    for (cDlgBase* lpPage : {static_cast<cDlgBase*>(m_lpBasic), static_cast<cDlgBase*>(m_lpAdv),
                             static_cast<cDlgBase*>(m_lpAdv2)})
        if (lpPage) lpPage->SetParentObject(nullptr);
}
