// The palette windows of the real Tarvenol.exe as the user meets them: a
// click on an icon picks the pen that the next click on the stage places,
// and "データの移動" from a palette's menu moves its entries. What Ctrl+S
// writes must equal the core writer's stage after the same picks, places
// and moves on the same stage here.
#include "data/data_move.h"
#include "editor_exe_fixture.h"
#include "stage_editor/engine/palette_edit.h"

namespace {

const char* const kStageBlocks = "[ステージ]ブロックパレット";
const char* const kCommonCharas = "[コモン]キャラパレット";

class PaletteExe : public StageEditorExe {
protected:
    static cPaletteEdit Edit(cMirror& m) { return cPaletteEdit(m.State(), g_CommonPalette, g_Stage, g_PrjOption); }

    // A click on the icon of an entry of a palette window, brought to the
    // top so that the click lands on it; the mirror picks the same entry.
    static void PickFromPalette(cEditorSession& s, cMirror& m, const char* lpTitle, u32 dwSide, u32 dwKind,
                                s32 nIndex)
    {
        HWND hPalette = s.Window(lpTitle);
        ASSERT_TRUE(hPalette) << lpTitle;
        SetWindowPos(hPalette, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        s.Settle();
        const POINT pt = cEditorSession::PaletteIcon(hPalette, nIndex);
        ASSERT_EQ(WindowFromPoint(pt), GetDlgItem(hPalette, 1006)) << lpTitle << " is under the icon's point";
        s.ClickAt(pt);
        ASSERT_TRUE(Edit(m).Select(dwSide, dwKind, nIndex));
    }
    static void Save(cEditorSession& s)
    {
        const std::vector<u8> before = ReadFileBytes(kFixture);
        s.Keys({VK_CONTROL, 'S'});
        ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(kFixture) != before; }));
        s.Settle();
    }
    // "データの移動" from the palette's menu bar: its numbers
    // typed, the mode chosen, then OK or Cancel.
    static void MoveData(cEditorSession& s, HWND hPalette, const cDataMove& move, int nButton)
    {
        // A click on "編集(&E)", just above the client area, opens it.
        POINT pt = {24, -GetSystemMetrics(SM_CYMENU) / 2};
        ClientToScreen(hPalette, &pt);
        s.ClickAt(pt);
        s.Keys({'M'});
        HWND hDlg = s.Window("データの移動");
        ASSERT_TRUE(hDlg);
        SetDlgItemTextA(hDlg, IDC_MOVE_FROM, std::to_string(move.nFrom).c_str());
        SetDlgItemTextA(hDlg, IDC_MOVE_TO, std::to_string(move.nTo).c_str());
        SetDlgItemTextA(hDlg, IDC_MOVE_DEST, std::to_string(move.nDest).c_str());
        SendDlgItemMessageA(hDlg, IDC_MOVE_MODE, CB_SETCURSEL, static_cast<WPARAM>(move.nMode), 0);
        s.Settle();
        if (nButton == IDC_OK) HoldForScreenshot(hDlg);
        ClickButton(hDlg, nButton);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(hDlg); }));
        s.Settle();
        EXPECT_TRUE(IsWindowEnabled(hPalette)) << "the other windows are enabled again";
    }
};

// The stage block palette's pen and, on the chara layer, the common chara
// palette's pen, each placed on the stage.
TEST_F(PaletteExe, AnIconClickedPicksThePenThatTheStageClickPlaces)
{
    cMirror mirror;
    Load(mirror);
    const s32 nBlock = std::min<s32>(static_cast<s32>(g_Stage.m_Palette.m_vBlock.size()) - 1, 9);
    const s32 nChara = static_cast<s32>(g_CommonPalette.m_Lists.m_vChara.size()) - 1;
    ASSERT_GE(nBlock, 2);
    ASSERT_GE(nChara, 1);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));

    PickFromPalette(s, mirror, kStageBlocks, 1, 0, nBlock);
    HoldForScreenshot(s.Window(kStageBlocks));
    ClickBoth(s, mirror, 5, 20);
    EXPECT_EQ(g_Stage.m_vBlockGrid[g_Stage.CellOf(5, 20)].m_strName,
              g_Stage.m_Palette.m_vBlock[static_cast<size_t>(nBlock)].m_strName);

    s.ClickToolbar(kToolLayerChara);
    mirror.State().SetLayer(kLayerChara);
    PickFromPalette(s, mirror, kCommonCharas, 0, 1, nChara);
    ClickBoth(s, mirror, 8, 20);
    EXPECT_EQ(g_Stage.m_vCharaGrid[g_Stage.CellOf(8, 20)].m_strName,
              g_CommonPalette.m_Lists.m_vChara[static_cast<size_t>(nChara)].m_strName);

    Save(s);
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));
    PostMessageA(s.Stage(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwCode = 99;
    ASSERT_TRUE(s.Process().WaitForExit(dwCode));
}

// Entries 1 and 2 of the stage block palette copied before entry 1 and
// saved; then a move cancelled changes nothing: the editor closes without
// asking and the file stays as saved.
TEST_F(PaletteExe, DataMoveFromThePaletteMenuSavesWhatTheCoreMoves)
{
    cMirror mirror;
    Load(mirror);
    const s32 nCount = static_cast<s32>(g_Stage.m_Palette.m_vBlock.size());
    ASSERT_GE(nCount, 4);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    HWND hPalette = s.Window(kStageBlocks);
    ASSERT_TRUE(hPalette);
    // The click on entry 3 makes the palette the active window.
    PickFromPalette(s, mirror, kStageBlocks, 1, 0, 3);

    const cDataMove copy = {1, 2, 1, kRangeCopyInsert};
    MoveData(s, hPalette, copy, IDC_OK);
    ASSERT_TRUE(RunDataMove(g_Stage.m_Palette.m_vBlock, copy, mirror.State().m_nSelIndex));
    g_Stage.RefreshStageInheritBlocks();
    mirror.State().ResetPick();
    Edit(mirror).AfterMove(1, 0);
    ASSERT_EQ(g_Stage.m_Palette.m_vBlock.size(), static_cast<size_t>(nCount + 2));
    Save(s);
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));

    const std::vector<u8> saved = ReadFileBytes(kFixture);
    MoveData(s, hPalette, {1, 1, nCount, kRangeMove}, IDC_CANCEL);
    PostMessageA(s.Stage(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwCode = 99;
    ASSERT_TRUE(s.Process().WaitForExit(dwCode)) << "closing asked about a stage that Cancel left alone";
    EXPECT_EQ(dwCode, 0u);
    EXPECT_EQ(ReadFileBytes(kFixture), saved);
}

}  // namespace
