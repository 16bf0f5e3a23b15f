#include "cond_fixture.h"

#include "app/file_system.h"
#include "data/data_file.h"
#include "data/project_data.h"
#include "framework/dlg_base.h"
#include "stage_editor/engine/edit_state.h"

const char* const kChooserTitle = "条件";

std::vector<u8> SavedCondBytes(const cCondItem& cond)
{
    cDataWriter file;
    if (!file.Open("condition.bin")) return {};
    cond.Save(file);
    if (!file.Commit()) return {};
    return ReadFileBytes("condition.bin");
}

cBoundDlg* DialogOf(const cDlgView& view)
{
    return static_cast<cBoundDlg*>(GetPropA(view.Hwnd(), "DLG_CLASS"));
}

void SetCheck(const cDlgView& view, int nId, int nState)
{
    if (view.Checked(nId) != nState) view.Click(nId);
}

void cCondTest::SetUp()
{
    cWinTest::SetUp();
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    g_GValInfo[1].m_strName = "所持金";
    g_GValInfo[5].m_strName = "鍵";
    g_Stage.m_vRecord[1].m_strName = "扉";
    g_EditState.m_nLayer = kLayerBlock;
    InstallProjectContext();
}

void cCondTest::TearDown()
{
    m_lpPage.reset();
    g_EditState.m_nLayer = kLayerBlock;
    ResetProjectData();
    EXPECT_EQ(cDlgBase::LiveCount(), 0) << "a dialog object was left behind";
    cWinTest::TearDown();
}

cTestHostPage& cCondTest::Page(cTestHostPage::eCondPage ePage)
{
    m_lpPage.reset(new cTestHostPage(0));
    m_lpPage->Open();
    m_lpPage->PoseAs(ePage);
    return *m_lpPage;
}
