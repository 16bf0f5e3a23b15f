#include "shot_fixture.h"

#include "app/file_system.h"
#include "data/project_data.h"
#include "framework/bitmap_slots.h"
#include "framework/dlg_base.h"

namespace {

template <class T>
void Name(std::vector<T>& table, std::initializer_list<const char*> names)
{
    table.resize(names.size() + 1);
    size_t i = 1;
    for (const char* lpName : names) table[i++].m_strName = lpName;
}

void SwordType(cEdSwordType& type, const char* lpName, std::initializer_list<u32> times)
{
    type.m_strName = lpName;
    type.m_vPos.clear();
    for (u32 t : times) {
        type.m_vPos.emplace_back();
        type.m_vPos.back().m_dwTime = t;
    }
}

// The shot sheet: four columns of 30 cells of 16 x 16 pixels, 32 pixels
// apart, each cell a colour of its own.
void MakeShotSheet()
{
    cSurface& sheet = g_aBitmap[kSlotShot];
    sheet.Create(128, 480, 32, 0);
    sheet.Fill(RGB(255, 255, 255));
    for (int nColumn = 0; nColumn < 4; ++nColumn)
        for (int nRow = 0; nRow < 30; ++nRow) {
            HBRUSH hBrush = CreateSolidBrush(ShotCellColour(nColumn, nRow));
            const RECT rc{nColumn * 32, nRow * 16, nColumn * 32 + 16, nRow * 16 + 16};
            FillRect(sheet.GetDC(), &rc, hBrush);
            DeleteObject(hBrush);
        }
    GdiFlush();
}

}  // namespace

COLORREF ShotCellColour(int nColumn, int nRow) { return RGB(40 + nColumn * 50, 8 * nRow, 200 - nColumn * 40); }

cBoundDlg* DialogOf(const cDlgView& view)
{
    return static_cast<cBoundDlg*>(GetPropA(view.Hwnd(), "DLG_CLASS"));
}

void SetCheck(const cDlgView& view, int nId, int nState)
{
    if (view.Checked(nId) != nState) view.Click(nId);
}

std::string FullText(const cDlgView& view, int nId)
{
    HWND hCtrl = view.Item(nId);
    std::string str(static_cast<size_t>(GetWindowTextLengthA(hCtrl)) + 1, '\0');
    str.resize(static_cast<size_t>(GetWindowTextA(hCtrl, &str[0], static_cast<int>(str.size()))));
    return str;
}

void cShotTest::SetUp()
{
    cWinTest::SetUp();
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    g_Database.SetDefaults();
    Name(g_Database.m_vAnime, {"歩行", "攻撃"});
    Name(g_Database.m_vSound, {"発射", "斬撃"});
    Name(g_Database.m_vEffect, {"爆発", "閃光"});
    g_Database.m_vSwordType.resize(3);
    SwordType(g_Database.m_vSwordType[0], "短剣", {3, 4});
    SwordType(g_Database.m_vSwordType[1], "大剣", {10, 20, 30});
    SwordType(g_Database.m_vSwordType[2], "長剣", {5000, 6000});
    Name(g_CommonPalette.m_Lists.m_vBlock, {"岩", "氷", "土"});
    Name(g_CommonPalette.m_Lists.m_vChara, {"スライム", "コウモリ"});
    Name(g_CommonPalette.m_Lists.m_vItem, {"コイン", "薬草", "鍵"});
    Name(g_Stage.m_Palette.m_vBlock, {"扉", "柱"});
    Name(g_Stage.m_Palette.m_vChara, {"ボス"});
    Name(g_Stage.m_Palette.m_vItem, {"宝石", "王冠", "剣", "盾"});
    g_GValInfo[1].m_strName = "所持金";
    g_GValInfo[5].m_strName = "鍵";
    g_Stage.m_vRecord[1].m_strName = "扉";
    InstallProjectContext();
    MakeShotSheet();
}

void cShotTest::TearDown()
{
    m_lpPage.reset();
    g_aBitmap[kSlotShot].Release();
    ResetProjectData();
    EXPECT_EQ(cDlgBase::LiveCount(), 0) << "a dialog object was left behind";
    cWinTest::TearDown();
}

cTestHostPage& cShotTest::PageWith(u32 nSet, u32 nKind, u32 nEntryEditMode)
{
    m_lpPage.reset(new cTestHostPage(nSet, nEntryEditMode));
    m_lpPage->Open();
    m_lpPage->m_Commands.resize(1);
    Cmd().m_nSet = static_cast<u8>(nSet);
    Cmd().m_nKind = static_cast<u8>(nKind);
    return *m_lpPage;
}

void cShotTest::Edit(cDlgScript& script)
{
    m_lpPage->DoubleClick(0);
    EXPECT_TRUE(RunScript(script));
}
