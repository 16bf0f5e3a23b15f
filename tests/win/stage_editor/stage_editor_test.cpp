// The stage editor as the user meets it: the real Tarvenol.exe on a copy of
// the sample project whose last stage is a fixture stage. The mouse and the
// keyboard (SendInput) pick, stamp, draw lines and rectangles, fill, undo
// and redo by keys and by the toolbar, clear the stage from the menu and
// save it; the saved file must equal the core writer's after the engine
// applied the same input to the same stage here. Then the stage options,
// the chara group window, and closing a modified stage.
#include "editor_exe_fixture.h"

namespace {

TEST_F(StageEditorExe, EditingByMouseAndKeysSavesWhatTheEngineWrites)
{
    cMirror mirror;
    Load(mirror);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    EXPECT_EQ(s.ScrollPos(false), 0);
    EXPECT_EQ(s.ScrollPos(true), 15) << "the player's row minus 7, kept inside the stage";

    // A stage is open, nothing to undo yet, the block layer current.
    EXPECT_EQ(s.ButtonState(kToolLayerBlock), TBSTATE_ENABLED | TBSTATE_CHECKED);
    EXPECT_EQ(s.ButtonState(kToolLayerChara), TBSTATE_ENABLED);
    EXPECT_EQ(s.ButtonState(kCmdUndo), 0);
    EXPECT_EQ(s.ButtonState(kToolTestPlay), TBSTATE_ENABLED);

    // The bricks with the question block picked, stamped, drawn as a line
    // and as a rectangle, then a fill of the sky undone and redone.
    DragBoth(s, mirror, 7, 24, 9, 24, true);
    ClickBoth(s, mirror, 2, 18);
    EXPECT_EQ(s.ButtonState(kCmdUndo), TBSTATE_ENABLED);
    Tool(s, mirror, kToolLine);
    DragBoth(s, mirror, 1, 16, 12, 20, false);
    Tool(s, mirror, kToolRect);
    DragBoth(s, mirror, 17, 18, 14, 16, false);
    Tool(s, mirror, kToolFill);
    ClickBoth(s, mirror, 0, 15);
    s.Keys({VK_CONTROL, 'Z'});
    mirror.State().Undo(g_Stage);
    EXPECT_EQ(s.ButtonState(kCmdRedo), TBSTATE_ENABLED);
    s.Keys({VK_CONTROL, 'Y'});
    mirror.State().Redo(g_Stage);
    s.ClickToolbar(kCmdUndo);
    mirror.State().Undo(g_Stage);
    s.ClickToolbar(kCmdRedo);
    mirror.State().Redo(g_Stage);
    s.ClickToolbar(kCmdUndo);
    mirror.State().Undo(g_Stage);

    // Shift picks and stamps all three layers: the player goes along.
    Tool(s, mirror, kToolPen);
    DragBoth(s, mirror, 1, 27, 3, 28, true, true);
    ClickBoth(s, mirror, 6, 16, true);

    // The menu's clear-all, asked first, then undone.
    s.Menu({VK_RIGHT, VK_DOWN, 'C', 'A'});
    std::string strText;
    HWND hBox = s.Process().WaitForMessageBox("データクリアの確認", strText);
    ASSERT_TRUE(hBox);
    EXPECT_EQ(strText, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？");
    cEditorProcess::Answer(hBox, IDYES);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(hBox); }));
    s.Settle();
    mirror.Tools().ClearLayers(kMaskAll);
    s.Keys({VK_CONTROL, 'Z'});
    mirror.State().Undo(g_Stage);

    // The chara layer from the toolbar shows the group window: group 12 is
    // in use.
    s.ClickToolbar(kToolLayerChara);
    mirror.State().SetLayer(kLayerChara);
    EXPECT_EQ(s.ButtonState(kToolLayerChara), TBSTATE_ENABLED | TBSTATE_CHECKED);
    HWND hGroups = s.Window("キャラのグループ情報");
    ASSERT_TRUE(hGroups);
    EXPECT_TRUE(IsWindowVisible(hGroups));
    EXPECT_EQ(IsDlgButtonChecked(hGroups, 1424), BST_CHECKED);
    EXPECT_EQ(WindowText(GetDlgItem(hGroups, 1424)), "12");
    EXPECT_EQ(IsDlgButtonChecked(hGroups, 1453), BST_UNCHECKED);
    HoldForScreenshot(s.Stage());
    // The pick's flip key turns the charas of the rectangle, once.
    s.PickWithKey(12, 27, 14, 27, 'R');
    mirror.PickWithKey(12, 27, 14, 27, 'R');
    EXPECT_EQ(g_Stage.m_vCharaGrid[g_Stage.CellOf(13, 27)].m_cFaceRight, 1);

    // Ctrl+S writes what the core writer writes for the mirror's stage.
    const std::vector<u8> before = ReadFileBytes(kFixture);
    s.Keys({VK_CONTROL, 'S'});
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(kFixture) != before; }));
    s.Settle();
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));

    // The stage options: a depth and the wheel's direction; Cancel keeps
    // both. A forward turn scrolls up in the vertical mode.
    StageOptions(s, "5", 1, IDC_OK);
    g_Stage.m_dwUndoDepth = 5;
    mirror.State().ResizeUndo(g_Stage, s64(1) << 40);
    EXPECT_EQ(s.ButtonState(kCmdUndo), 0) << "a new depth empties the history";
    s.Wheel(1, false);
    EXPECT_EQ(s.ScrollPos(true), 14);
    EXPECT_EQ(s.ScrollPos(false), 0);
    s.Wheel(-1, true);
    EXPECT_EQ(s.ScrollPos(false), 1) << "Ctrl turns the axis";
    StageOptions(s, "9", 0, IDC_CANCEL);
    s.Wheel(1, false);
    EXPECT_EQ(s.ScrollPos(true), 13);
    mirror.View().nScrollX = s.ScrollPos(false);
    mirror.View().nScrollY = s.ScrollPos(true);
    // The options marked the stage modified; the depth is stored with it.
    const std::vector<u8> before5 = ReadFileBytes(kFixture);
    s.Keys({VK_CONTROL, 'S'});
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(kFixture) != before5; }));
    s.Settle();
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));

    // Closing a modified stage: Cancel keeps the editor, No leaves the file.
    const std::vector<u8> saved = ReadFileBytes(kFixture);
    ClickBoth(s, mirror, 10, 20);
    CloseAnswering(s, IDCANCEL);
    s.Settle();
    EXPECT_FALSE(s.Process().HasEnded());
    EXPECT_TRUE(IsWindow(s.Stage()));
    CloseAnswering(s, IDNO);
    DWORD dwCode = 99;
    ASSERT_TRUE(s.Process().WaitForExit(dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_EQ(ReadFileBytes(kFixture), saved);

    // Yes saves: the depth the options set is in the file.
    Load(mirror);
    EXPECT_EQ(g_Stage.m_dwUndoDepth, 5u);
    cEditorSession again;
    ASSERT_TRUE(again.Start(m_strProject, kTitle));
    DragBoth(again, mirror, 3, 18, 3, 18, true);
    ClickBoth(again, mirror, 15, 17);
    CloseAnswering(again, IDYES);
    ASSERT_TRUE(again.Process().WaitForExit(dwCode));
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));
}

// F5 saves the modified stage over a stale backup and the common palette as
// the core writes them, leaves the work folder empty, and starts the game with
// the stored stage path; the game's end report lets the next F5 start it
// again.
TEST_F(StageEditorExe, TestPlaySavesAndStartsTheGameOnTheStoredPath)
{
    ASSERT_TRUE(CopyFileA(HostPath(TARVENOL_GAME_STANDIN).c_str(), "Game.exe", FALSE));
    FileSystem().MakeFolder("data\\work");
    ASSERT_TRUE(WriteFileBytes("data\\work\\fixture.stg4_950", {1, 2, 3}));
    cMirror mirror;
    Load(mirror);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    DragBoth(s, mirror, 7, 24, 7, 24, true);
    ClickBoth(s, mirror, 4, 18);

    for (int nRound = 0; nRound < 2; ++nRound) {
        SCOPED_TRACE(nRound);
        FileSystem().RemoveFile("game_command_line.txt");
        s.Keys({VK_F5});
        ASSERT_TRUE(WaitFor([] { return FileSystem().Exists("game_command_line.txt"); }));
        Sleep(300);
        const std::string strLine = ReadFileText("game_command_line.txt");
        const std::string strParam = " data\\stg4\\fixture.stg4_950";
        ASSERT_GE(strLine.size(), strParam.size());
        EXPECT_EQ(strLine.substr(strLine.size() - strParam.size()), strParam) << strLine;
        s.Settle();
    }
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));
    std::vector<cDirEntry> work;
    ASSERT_TRUE(FileSystem().ListFolder("data\\work", work));
    EXPECT_TRUE(work.empty()) << "the backup is gone once the stage is written";
    ASSERT_EQ(g_CommonPalette.SaveFile("expected.cplt4"), 1u);
    EXPECT_FILE_BYTES(ReadFileBytes("expected.cplt4"), ReadFileBytes(g_strPath[kPathCommonPalette]));
    // Everything was saved: the editor closes without a question.
    PostMessageA(s.Stage(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwCode = 99;
    ASSERT_TRUE(s.Process().WaitForExit(dwCode));
    EXPECT_EQ(dwCode, 0u);
}

// "ステージの新規作成" from Ctrl+N with the template t.stg4_900 beside
// t.stg4_950: the newest version is the new stage, which has no file until
// Ctrl+S saves it through the save dialog as the core writes it.
TEST_F(StageEditorExe, TheNewStageDialogCopiesTheNewestVersionOfTheTemplate)
{
    for (const char* lpVersion : {"900", "950"}) {
        cStage t;
        t.m_strName = std::string("版") + lpVersion;
        t.SetSize(25, 18, 0, 0);
        ASSERT_EQ(t.SaveFile(std::string("data\\stg4\\t.stg4_") + lpVersion), 1u);
    }
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    s.Keys({VK_CONTROL, 'N'});
    HWND hDlg = s.Window("ステージの新規作成");
    ASSERT_TRUE(hDlg);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, 1311)));
    SetDlgItemTextA(hDlg, 1247, "data\\stg4\\t.stg4_900");
    SendDlgItemMessageA(hDlg, 1310, CB_SETCURSEL, 0, 0);
    HoldForScreenshot(hDlg);
    ClickButton(hDlg, 1000);
    std::string strText;
    HWND hBox = s.Process().WaitForMessageBox("新規作成の確認", strText);
    ASSERT_TRUE(hBox);
    cEditorProcess::Answer(hBox, IDYES);
    HWND hStage = s.Window("Tarvenol");
    ASSERT_TRUE(hStage);
    SetForegroundWindow(hStage);
    s.Settle();

    s.Keys({VK_CONTROL, 'S'});
    hBox = s.Process().WaitForMessageBox("警告", strText);
    ASSERT_TRUE(hBox);
    EXPECT_EQ(strText, "まだプレイヤーが配置されていないので遊ぶことはできません！");
    cEditorProcess::Answer(hBox, IDOK);
    HWND hSave = s.Window("保存先のファイルの選択");
    ASSERT_TRUE(hSave);
    ChooseFileName(hSave, m_strProject + "\\data\\stg4\\new.stg4_950");
    ASSERT_TRUE(WaitFor([] { return FileSystem().Exists("data\\stg4\\new.stg4_950"); }));
    EXPECT_TRUE(s.Window("Tarvenol  data\\stg4\\new.stg4_950"));

    cNewStageChoice choice;
    choice.strTemplate = "data\\stg4\\t.stg4_900";
    cStage expected;
    ASSERT_EQ(BuildNewStage(expected, choice, g_CommonPalette, g_PrjOption), eNewStage::Created);
    EXPECT_EQ(expected.m_strName, "版950");
    ASSERT_EQ(expected.SaveFile(kExpected), 1u);
    EXPECT_FILE_BYTES(ReadFileBytes(kExpected), ReadFileBytes("data\\stg4\\new.stg4_950"));
    PostMessageA(s.Window("Tarvenol  data\\stg4\\new.stg4_950"), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwCode = 99;
    ASSERT_TRUE(s.Process().WaitForExit(dwCode));
}

// "ステージの設定" from the menu: the pages show the stage; Cancel keeps it;
// a change on each page and Apply mark it modified and Ctrl+S writes what
// the core writes with the same settings; a wider stage grows on the left
// by the direction chosen; 5 x 10 is committed as 20 x 15.
TEST_F(StageEditorExe, StageSettingsWriteWhatTheCoreWrites)
{
    ASSERT_TRUE(OpenLastStage(g_Stage, kFixture));
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    const auto open = [&s]() -> HWND {
        s.Menu({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, 'E'});
        return s.Window("ステージの設定");
    };
    const auto page = [](HWND hSheet, int n) {
        SendMessageA(hSheet, PSM_SETCURSEL, static_cast<WPARAM>(n), 0);
        return reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    };
    const auto finish = [&s](HWND hSheet, int nButton) {
        SendMessageA(hSheet, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(hSheet); }));
        s.Settle();
    };
    const auto save = [&s]() {
        const std::vector<u8> before = ReadFileBytes(kFixture);
        s.Keys({VK_CONTROL, 'S'});
        ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(kFixture) != before; }));
        s.Settle();
        EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));
    };

    HWND hSheet = open();
    ASSERT_TRUE(hSheet);
    HWND hBasic = page(hSheet, 0);
    EXPECT_EQ(RemoteText(hBasic, 1002), g_Stage.m_strName);
    EXPECT_EQ(RemoteText(hBasic, 11210), "40");
    EXPECT_EQ(RemoteText(hBasic, 11211), "30");
    EXPECT_EQ(RemoteText(hBasic, 1258), std::to_string(g_Stage.m_dwTimeLimit));
    EXPECT_EQ(RemoteText(page(hSheet, 1), 11222), std::to_string(g_Stage.m_dwFrameRate));
    EXPECT_EQ(RemoteText(page(hSheet, 2), 1288), std::to_string(g_Stage.m_adwHitRange[kEnemyShotW]));
    SetDlgItemTextA(hBasic, 1002, "捨てる名前");
    finish(hSheet, PSBTN_CANCEL);
    EXPECT_EQ(s.ButtonState(kCmdUndo), 0) << "the history starts again";

    // A change on every page; the stage grows on the left.
    hSheet = open();
    ASSERT_TRUE(hSheet);
    hBasic = page(hSheet, 0);
    EXPECT_EQ(RemoteText(hBasic, 1002), g_Stage.m_strName) << "Cancel kept the name";
    SetDlgItemTextA(hBasic, 1002, "設定した名前");
    SendDlgItemMessageA(hBasic, 1286, CB_SETCURSEL, 1, 0);
    SetDlgItemTextA(hBasic, 11210, "50");
    SetDlgItemTextA(page(hSheet, 1), 11222, "45");
    SetDlgItemTextA(page(hSheet, 2), 1288, "20");
    SendMessageA(hSheet, PSM_APPLY, 0, 0);
    s.Settle();
    finish(hSheet, PSBTN_OK);
    g_Stage.m_strName = "設定した名前";
    g_Stage.m_dwFrameRate = 45;
    g_Stage.m_adwHitRange[kEnemyShotW] = 20;
    // Every control wrote its field within its limits: the unset right and
    // bottom scroll limits (0) come back as the least the edits take.
    g_Stage.m_anScrollLimit[kScrollRight] = std::max(g_Stage.m_anScrollLimit[kScrollRight], 19);
    g_Stage.m_anScrollLimit[kScrollBottom] = std::max(g_Stage.m_anScrollLimit[kScrollBottom], 14);
    cUndo undo;
    s32 w = 50, h = 30;
    ASSERT_EQ(ChangeStageSize(g_Stage, undo, w, h, 1, 0, s64(1) << 40), eSizeChange::Resized);
    save();

    // 5 x 10 is one screen, cut on the left by the direction kept.
    hSheet = open();
    ASSERT_TRUE(hSheet);
    hBasic = page(hSheet, 0);
    EXPECT_EQ(SendDlgItemMessageA(hBasic, 1286, CB_GETCURSEL, 0, 0), 1);
    SetDlgItemTextA(hBasic, 11210, "5");
    SetDlgItemTextA(hBasic, 11211, "10");
    finish(hSheet, PSBTN_OK);
    w = 5, h = 10;
    ASSERT_EQ(ChangeStageSize(g_Stage, undo, w, h, 1, 0, s64(1) << 40), eSizeChange::Resized);
    EXPECT_EQ(g_Stage.m_dwWidth, 20u);
    save();
    PostMessageA(s.Stage(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwCode = 99;
    ASSERT_TRUE(s.Process().WaitForExit(dwCode));
}

}  // namespace
