// The stage editor window in this process, with the top-level window that
// rebuilds it: its menu and toolbar as the stage and the history change,
// the commands that need a stage, the view toggles, the title, and the save
// questions of closing a stage and closing the editor, whose answers come
// from the test's host.
#include <gtest/gtest.h>

#include "app/file_system.h"
#include "data/project_data.h"
#include "editor/main_wnd.h"
#include "stage_editor/chara_group_wnd.h"
#include "stage_editor/engine/view_rules.h"
#include "stage_editor/palette_wnd.h"
#include "stage_editor/stage_edit_wnd.h"
#include "support/win32/dialog_driver.h"
#include "support/win32/main_window.h"
#include "support/win32/win_test.h"

namespace {

const char* const kPath = "data\\stg4\\a.stg4_950";

class StageWindow : public cEditorWindowsTest {
protected:
    void OpenStage() { cEditorWindowsTest::OpenStage(kPath); }
    static HWND Stage() { return StageWnd()->GetHwnd(); }
    static void Command(u16 wId) { SendMessageA(Stage(), WM_COMMAND, wId, 0); }
    static UINT MenuState(u16 wId) { return GetMenuState(GetMenu(Stage()), wId, MF_BYCOMMAND); }
    static LRESULT ButtonState(u16 wId)
    {
        return SendMessageA(GetDlgItem(Stage(), 124), TB_GETSTATE, wId, 0);
    }
};

TEST_F(StageWindow, MenuAndToolbarFollowTheStageTheLayerAndTheHistory)
{
    // No stage: the stage commands are greyed, the project ones are not.
    for (u16 wId : {kCmdSave, kCmdCloseStage, kCmdUndo, kCmdLayerBlock, kCmdStageOptions, kCmdTestPlay})
        EXPECT_TRUE(MenuState(wId) & MF_GRAYED) << wId;
    for (u16 wId : {kCmdNewStage, kCmdOpenStage, kCmdSaveCommon, kCmdClearAll, kCmdDatabase, kCmdTestPlayGame})
        EXPECT_FALSE(MenuState(wId) & MF_GRAYED) << wId;
    EXPECT_EQ(ButtonState(kToolLayerBlock), 0);
    EXPECT_EQ(ButtonState(kCmdOpenStage), TBSTATE_ENABLED);
    EXPECT_EQ(WindowText(Stage()), "Tarvenol");
    for (int n = 0; n < cStageEditWnd::kPaletteCount; ++n) EXPECT_FALSE(IsWindowVisible(StageWnd()->Palette(n)->GetHwnd()));

    OpenStage();
    EXPECT_EQ(WindowText(Stage()), "Tarvenol  data\\stg4\\a.stg4_950");
    EXPECT_FALSE(MenuState(kCmdSave) & MF_GRAYED);
    EXPECT_TRUE(MenuState(kCmdUndo) & MF_GRAYED);
    EXPECT_TRUE(MenuState(kCmdLayerBlock) & MF_CHECKED);
    EXPECT_EQ(ButtonState(kToolLayerBlock), TBSTATE_ENABLED | TBSTATE_CHECKED);
    EXPECT_EQ(ButtonState(kToolLayerItem), TBSTATE_ENABLED);
    g_EditState.Record(kMaskAll);
    EXPECT_FALSE(MenuState(kCmdUndo) & MF_GRAYED);
    EXPECT_EQ(ButtonState(kCmdUndo), TBSTATE_ENABLED);
    Command(kKeyUndo);
    EXPECT_TRUE(MenuState(kCmdUndo) & MF_GRAYED);
    EXPECT_FALSE(MenuState(kCmdRedo) & MF_GRAYED);
    Command(kToolLayerItem);
    EXPECT_EQ(g_EditState.m_nLayer, kLayerItem);
    EXPECT_TRUE(MenuState(kCmdLayerItem) & MF_CHECKED);
    EXPECT_FALSE(MenuState(kCmdLayerBlock) & MF_CHECKED);
    EXPECT_EQ(ButtonState(kToolLayerItem), TBSTATE_ENABLED | TBSTATE_CHECKED);
}

TEST_F(StageWindow, WithoutAStageTheStageCommandsDoNothing)
{
    g_EditState.Record(kMaskAll);
    for (u16 wId : {kKeySave, kKeyUndo, kKeyRedo, kToolLayerChara, kCmdShowCommon, kCmdShowStage, kCmdShowGroups})
        Command(wId);
    EXPECT_EQ(g_EditState.m_nLayer, kLayerBlock);
    EXPECT_EQ(g_EditConfig.m_WndPos[1].m_dwVisible, 0u);
    EXPECT_EQ(g_EditConfig.m_WndPos[7].m_dwVisible, 0u);
    EXPECT_FALSE(FileSystem().Exists(kPath));
    // Ctrl+G still asks for a whole-game test play: this program has no game.
    FakeHost().m_Messages.clear();
    Command(kKeyTestPlayGame);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "ゲームプログラムが見つかりません！");
    EXPECT_EQ(g_EditState.m_bTestPlay, 0u);
}

TEST_F(StageWindow, ViewTogglesFlipEachWindowsOwnFlag)
{
    g_EditConfig.m_WndPos[1].m_dwVisible = 1;  // common block
    g_EditConfig.m_WndPos[3].m_dwVisible = 0;  // common chara
    OpenStage();
    EXPECT_TRUE(IsWindowVisible(StageWnd()->Palette(cStageEditWnd::kCommonBlock)->GetHwnd()));
    Command(kCmdShowCommon);
    EXPECT_EQ(g_EditConfig.m_WndPos[1].m_dwVisible, 0u);
    EXPECT_EQ(g_EditConfig.m_WndPos[3].m_dwVisible, 1u);
    EXPECT_EQ(g_EditConfig.m_WndPos[5].m_dwVisible, 1u);
    EXPECT_FALSE(IsWindowVisible(StageWnd()->Palette(cStageEditWnd::kCommonBlock)->GetHwnd()));
    EXPECT_FALSE(MenuState(kCmdShowCommon) & MF_CHECKED) << "the check follows the common block window";

    // The group window belongs to the chara layer.
    Command(kCmdShowGroups);
    EXPECT_TRUE(MenuState(kCmdShowGroups) & MF_CHECKED);
    EXPECT_FALSE(IsWindowVisible(StageWnd()->GroupWnd()->GetHwnd()));
    Command(kCmdLayerChara);
    EXPECT_TRUE(IsWindowVisible(StageWnd()->GroupWnd()->GetHwnd()));
    EXPECT_TRUE(IsWindowVisible(StageWnd()->Palette(cStageEditWnd::kCommonChara)->GetHwnd()));
    EXPECT_FALSE(IsWindowVisible(StageWnd()->Palette(cStageEditWnd::kStageChara)->GetHwnd()));
}

TEST_F(StageWindow, ClosingTheStageAsksForItAndKeepsTheCommonPalettesChanges)
{
    OpenStage();
    // A modified stage is asked for first; Cancel keeps it open.
    g_EditState.m_bStageModified = 1;
    g_EditState.m_bCommonModified = 1;
    FakeHost().m_Answers = {kIdCancel};
    Command(kCmdCloseStage);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "ステージが変更された可能性があります。\n保存しますか？");
    EXPECT_EQ(g_EditState.m_bHasPath, 1u);

    // No closes it unsaved; the rebuild keeps the common palette's flag.
    FakeHost().Reset();
    FakeHost().m_Answers = {kIdNo};
    HWND hOld = Stage();
    Command(kCmdCloseStage);
    Pump(200, [&] { return StageWnd() && Stage() != hOld; });
    ASSERT_NE(Stage(), hOld) << "the window was rebuilt";
    EXPECT_EQ(g_EditState.m_bHasPath, 0u);
    EXPECT_EQ(g_EditState.m_strStagePath, "");
    EXPECT_EQ(g_EditState.m_bStageModified, 0u);
    EXPECT_EQ(g_EditState.m_bCommonModified, 1u);
    EXPECT_FALSE(FileSystem().Exists(kPath));

    // Closing the editor asks for the common palette; Cancel keeps it
    // running.
    FakeHost().Reset();
    FakeHost().m_Answers = {kIdCancel};
    SendMessageA(Stage(), WM_CLOSE, 0, 0);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "コモンパレットが変更された可能性があります。\n保存しますか？");
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "保存確認");
    EXPECT_TRUE(IsWindow(m_hMain));
    EXPECT_TRUE(IsWindow(Stage()));
}

// The six palette windows by their titles; a click on an icon picks the
// entry as a one-cell pen; the data count typed into "データ数" resizes the
// list, and Cancel leaves it as it was.
TEST_F(StageWindow, PaletteWindowsPickAndChangeTheDataCount)
{
    OpenStage();
    const char* const kTitles[cStageEditWnd::kPaletteCount] = {
        "[コモン]ブロックパレット", "[ステージ]ブロックパレット", "[コモン]キャラパレット",
        "[ステージ]キャラパレット", "[コモン]アイテムパレット", "[ステージ]アイテムパレット"};
    for (int n = 0; n < cStageEditWnd::kPaletteCount; ++n)
        EXPECT_EQ(WindowText(StageWnd()->Palette(n)->GetHwnd()), kTitles[n]);

    g_Stage.m_Palette.m_vBlock.resize(12);
    g_Stage.m_Palette.m_vBlock[9].m_strName = "岩";
    cPaletteWnd* lpPalette = StageWnd()->Palette(cStageEditWnd::kStageBlock);
    HWND hPalette = lpPalette->GetHwnd();
    lpPalette->Relayout();
    RECT rcView = {};
    GetWindowRect(GetDlgItem(hPalette, 1006), &rcView);
    POINT pt = {rcView.left + 32 + 16, rcView.top + 32 + 16};  // entry 9: row 1, column 1
    ScreenToClient(hPalette, &pt);
    SendMessageA(hPalette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(g_EditState.m_nSelSide, 1);
    EXPECT_EQ(g_EditState.m_nSelIndex, 9);
    ASSERT_EQ(g_EditState.m_vPenBlock.size(), 1u);
    EXPECT_EQ(g_EditState.m_vPenBlock[0].m_strName, "岩");

    g_EditState.m_bStageModified = 0;
    cModalDriver cancel("データ数", [](HWND hDlg) { ClickButton(hDlg, 1001); });
    SendMessageA(hPalette, WM_COMMAND, 40088, 0);
    EXPECT_TRUE(cancel.Ran());
    EXPECT_EQ(g_Stage.m_Palette.m_vBlock.size(), 12u);
    EXPECT_EQ(g_EditState.m_bStageModified, 0u);
    cModalDriver count("データ数", [](HWND hDlg) {
        EXPECT_EQ(DlgItemText(hDlg, 1003), "11");
        SetDlgItemTextA(hDlg, 1003, "15");
        ClickButton(hDlg, 1000);
    });
    SendMessageA(hPalette, WM_COMMAND, 40088, 0);
    EXPECT_TRUE(count.Ran());
    EXPECT_EQ(g_Stage.m_Palette.m_vBlock.size(), 16u);
    EXPECT_EQ(g_EditState.m_bStageModified, 1u);
    EXPECT_EQ(g_EditState.m_vPenBlock[0].m_strName, "岩") << "the selection is still entry 9";
    HoldForScreenshot(hPalette);
}

}  // namespace
