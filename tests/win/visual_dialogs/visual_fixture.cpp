#include "visual_fixture.h"

#include "app/file_system.h"
#include "data/project_data.h"
#include "framework/dlg_base.h"

namespace {

// Names rows 1 and on of a table.
template <class T>
void Name(std::vector<T>& table, std::initializer_list<const char*> names)
{
    table.resize(names.size() + 1);
    size_t i = 1;
    for (const char* lpName : names) table[i++].m_strName = lpName;
}

}  // namespace

void CheckAs(const cDlgView& view, int nId, int nState)
{
    if (view.Checked(nId) != nState) view.Click(nId);
}

COLORREF PixelOf(const cDlgView& view, int nId, int x, int y)
{
    HWND hPicture = view.Item(nId);
    HDC hDC = GetDC(hPicture);
    const COLORREF colour = GetPixel(hDC, x, y);
    ReleaseDC(hPicture, hDC);
    return colour;
}

void cVisualTest::SetUp()
{
    cWinTest::SetUp();
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    g_Database.SetDefaults();
    Name(g_Database.m_vAnime, {"歩行", "攻撃"});
    g_Database.m_vAnimeSet.resize(3);
    g_Database.m_vAnimeSet[0].m_strName = "通常";
    g_Database.m_vAnimeSet[1].m_strName = "強化";
    g_Database.m_vAnimeSet[2].m_strName = "変身";
    Name(g_Database.m_vEffect, {"爆発", "閃光"});
    Name(g_Database.m_vCharaEffect, {"揺れ", "点滅"});
    Name(g_Database.m_vScrEffect, {"地震", "暗転"});
    Name(g_Database.m_vPicture, {"タイトル", "地図"});
    Name(g_CommonPalette.m_Lists.m_vItem, {"コイン", "薬草", "鍵"});
    Name(g_Stage.m_Palette.m_vItem, {"宝石", "王冠", "剣", "盾"});
    SetSpecialBitmaps(5);
    InstallProjectContext();
}

void cVisualTest::TearDown()
{
    m_lpPage.reset();
    ResetProjectData();
    EXPECT_EQ(cDlgBase::LiveCount(), 0) << "a dialog object was left behind";
    cWinTest::TearDown();
}

void cVisualTest::SetSpecialBitmaps(size_t nCount) { g_Database.m_vCharaExcBmp.resize(nCount); }

cTestHostPage& cVisualTest::PageWith(u32 nKind, std::vector<u32> params, u32 nEntryEditMode)
{
    m_lpPage.reset(new cTestHostPage(0, nEntryEditMode));
    m_lpPage->Open();
    m_lpPage->m_Commands.resize(1);
    Cmd().m_nKind = static_cast<u8>(nKind);
    Cmd().m_Params = std::move(params);
    return *m_lpPage;
}

void cVisualTest::Edit(cDlgScript& script)
{
    m_lpPage->DoubleClick(0);
    EXPECT_TRUE(RunScript(script));
}
