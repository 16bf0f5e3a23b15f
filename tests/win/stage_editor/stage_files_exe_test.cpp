// The stage window's file commands in the real Tarvenol.exe: opening a
// stage through its dialog after the save question, the stage palette files
// (.plt4) saved, loaded and refused, every file dialog and the new-stage
// dialog cancelled without a trace on the disk, the new stage's palette
// choices, and the whole game started with no stage open.
#include "editor_exe_fixture.h"
#include "stage_editor/engine/stage_files.h"

namespace {

const char* const kChooseToRead = "読み込むファイルの選択";
const char* const kChooseToSave = "保存先のファイルの選択";

// A command of the stage window's menu.
void Command(cEditorSession& s, u16 wId)
{
    PostMessageA(s.Stage(), WM_COMMAND, wId, 0);
}

// The editor's file dialog with the title: the file chosen by its name in
// the project folder.
void Choose(cEditorSession& s, const char* lpTitle, const std::string& strProject, const std::string& strFile)
{
    HWND hDlg = s.Window(lpTitle);
    ASSERT_TRUE(hDlg) << lpTitle;
    ChooseFileName(hDlg, strProject + "\\" + strFile);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(hDlg); }));
    s.Settle();
}

// Ctrl+S; returns once the stage file changed.
void SaveByKeys(cEditorSession& s, const std::string& strFile)
{
    const std::vector<u8> before = ReadFileBytes(strFile);
    s.Keys({VK_CONTROL, 'S'});
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(strFile) != before; })) << strFile;
    s.Settle();
}

// Nothing left to save: the editor closes without a question.
void CloseUnasked(cEditorSession& s)
{
    PostMessageA(s.Stage(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD dwCode = 99;
    if (s.Process().WaitForExit(dwCode)) {
        EXPECT_EQ(dwCode, 0u);
        return;
    }
    std::string strShown;
    for (HWND hWnd : s.Process().Windows())
        if (IsWindowVisible(hWnd)) strShown += " [" + WindowText(hWnd) + "]";
    ADD_FAILURE() << "the editor still runs; its windows:" << strShown;
}

// The fixture's stage palette with a renamed, moved slime and one block
// entry more: a palette file that differs from the stage's own.
void WriteOtherPalette(const std::string& strFile)
{
    cStage other;
    ASSERT_TRUE(other.LoadFile(kFixture));
    cEdChara& slime = other.m_Palette.m_vChara[kSlime];
    slime.m_strName = "別のスライム";
    slime.m_cZ = 5;
    other.m_Palette.m_vBlock.push_back(other.m_Palette.m_vBlock[1]);
    other.m_Palette.m_vBlock.back().m_strName = "増えたブロック";
    ASSERT_TRUE(other.SavePalette(strFile));
}

// The files that differ between two snapshots of a folder.
std::vector<std::string> ChangedFiles(const tFolderSnapshot& before, const tFolderSnapshot& after)
{
    std::vector<std::string> changed;
    for (const auto& [strName, bytes] : before) {
        const auto it = after.find(strName);
        if (it == after.end() || it->second != bytes) changed.push_back(strName);
    }
    for (const auto& entry : after)
        if (!before.count(entry.first)) changed.push_back(entry.first);
    return changed;
}

// Everything after the program's name on a command line.
std::string Parameters(const std::string& strLine)
{
    size_t n = 0;
    if (!strLine.empty() && strLine[0] == '"') {
        n = strLine.find('"', 1);
        n = n == std::string::npos ? strLine.size() : n + 1;
    } else {
        n = std::min(strLine.find(' '), strLine.size());
    }
    const size_t nFirst = strLine.find_first_not_of(' ', n);
    return nFirst == std::string::npos ? "" : strLine.substr(nFirst);
}

// Ctrl+O on a modified stage asks to save it before the open dialog shows;
// "いいえ" leaves its file as it was, and the chosen stage opens under its
// own name: editing it and Ctrl+S write it as the core writes it.
TEST_F(StageEditorExe, OpenAsksToSaveFirstThenOpensTheChosenStage)
{
    ASSERT_TRUE(OpenLastStage(g_Stage, kFixture));
    g_Stage.m_strName = "二番目のステージ";
    const char* const lpSecond = "data\\stg4\\second.stg4_950";
    ASSERT_EQ(g_Stage.SaveFile(lpSecond), 1u);
    const std::vector<u8> fixture = ReadFileBytes(kFixture);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    s.Drag(7, 24, 7, 24, true, false);
    s.Click(4, 18, false);

    s.Keys({VK_CONTROL, 'O'});
    std::string strText;
    HWND hBox = s.Process().WaitForMessageBox("保存確認", strText);
    ASSERT_TRUE(hBox);
    EXPECT_EQ(strText, "ステージが変更された可能性があります。\n保存しますか？");
    EXPECT_FALSE(s.Window(kChooseToRead, 200)) << "the question comes first";
    cEditorProcess::Answer(hBox, IDNO);
    HWND hOpen = s.Window(kChooseToRead);
    ASSERT_TRUE(hOpen);
    HoldForScreenshot(hOpen);
    Choose(s, kChooseToRead, m_strProject, lpSecond);
    ASSERT_TRUE(s.Attach("Tarvenol  data\\stg4\\second.stg4_950"));
    EXPECT_EQ(ReadFileBytes(kFixture), fixture);

    cMirror mirror;
    ASSERT_TRUE(OpenLastStage(g_Stage, lpSecond));
    mirror.Begin();
    mirror.View().nScrollX = s.ScrollPos(false);
    mirror.View().nScrollY = s.ScrollPos(true);
    DragBoth(s, mirror, 7, 24, 7, 24, true);
    ClickBoth(s, mirror, 2, 17);
    SaveByKeys(s, lpSecond);
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(lpSecond));
    EXPECT_EQ(ReadFileBytes(kFixture), fixture);
    CloseUnasked(s);
}

// 40084 writes the stage palette as the core writes it; 40083 reads another
// one into the stage and then the saved one back, and each time Ctrl+S
// writes the stage as the core does after the same load. A file of a newer version is refused with its name, and the
// stage stays as it was.
TEST_F(StageEditorExe, StagePaletteFilesAreWrittenReadAndRefusedAsTheCoreDoes)
{
    FileSystem().MakeFolder("data\\plt4");
    const std::string strOther = "data\\plt4\\other.plt4";
    WriteOtherPalette(strOther);
    cMirror mirror;
    Load(mirror);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));

    Command(s, kCmdSavePalette);
    Choose(s, kChooseToSave, m_strProject, "data\\plt4\\saved.plt4");
    ASSERT_TRUE(WaitFor([] { return FileSystem().Exists("data\\plt4\\saved.plt4"); }));
    Sleep(200);
    ASSERT_TRUE(g_Stage.SavePalette("expected.plt4"));
    EXPECT_FILE_BYTES(ReadFileBytes("expected.plt4"), ReadFileBytes("data\\plt4\\saved.plt4"));

    // Another palette, then the saved one back.
    for (const std::string& strFile : {strOther, std::string("data\\plt4\\saved.plt4")}) {
        SCOPED_TRACE(strFile);
        Command(s, kCmdLoadPalette);
        Choose(s, kChooseToRead, m_strProject, strFile);
        ASSERT_TRUE(s.Attach(kTitle));
        SaveByKeys(s, kFixture);
        ASSERT_TRUE(LoadStagePaletteFile(g_Stage, strFile, nullptr));
        EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));
    }

    // Version 951: refused, named; the editor goes on with its stage.
    std::vector<u8> newer = ReadFileBytes("expected.plt4");
    ASSERT_GE(newer.size(), 4u);
    newer[0] = 951 & 0xFF;
    newer[1] = 951 >> 8;
    ASSERT_TRUE(WriteFileBytes("data\\plt4\\newer.plt4", newer));
    Command(s, kCmdLoadPalette);
    Choose(s, kChooseToRead, m_strProject, "data\\plt4\\newer.plt4");
    std::string strText;
    HWND hBox = s.Process().WaitForMessageBox("エラー", strText);
    ASSERT_TRUE(hBox);
    EXPECT_NE(strText.find("newer.plt4"), std::string::npos) << strText;
    cEditorProcess::Answer(hBox, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(hBox); }));
    s.Settle();
    EXPECT_FALSE(s.Process().HasEnded());
    EXPECT_EQ(WindowText(s.Stage()), kTitle);
    mirror.Begin();
    mirror.View().nScrollX = s.ScrollPos(false);
    mirror.View().nScrollY = s.ScrollPos(true);
    DragBoth(s, mirror, 7, 24, 7, 24, true);
    ClickBoth(s, mirror, 3, 17);
    SaveByKeys(s, kFixture);
    EXPECT_FILE_BYTES(Expected(), ReadFileBytes(kFixture));
    CloseUnasked(s);
}

// Each file dialog cancelled, the new-stage dialog cancelled and its
// discard question answered "いいえ": no file of the project changes and
// the stage stays open, unmodified.
TEST_F(StageEditorExe, EveryCancelLeavesEveryFileUntouched)
{
    struct cCase {
        const char* lpWhat;
        WORD vkWithCtrl;  // the key with Ctrl, or 0 for the menu command
        u16 wCommand;
        const char* lpDialog;
        int nButton;
        const char* lpQuestion;  // answered "いいえ" after the button
    };
    const cCase cases[] = {
        {"open", 'O', 0, kChooseToRead, IDCANCEL, nullptr},
        {"save as", 0, kCmdSaveAs, kChooseToSave, IDCANCEL, nullptr},
        {"stage palette load", 0, kCmdLoadPalette, kChooseToRead, IDCANCEL, nullptr},
        {"stage palette save", 0, kCmdSavePalette, kChooseToSave, IDCANCEL, nullptr},
        {"new stage", 'N', 0, "ステージの新規作成", 1001, nullptr},
        {"new stage, not discarded", 'N', 0, "ステージの新規作成", 1000, "新規作成の確認"},
    };
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    const tFolderSnapshot before = SnapshotFolder(m_strProject);
    ASSERT_FALSE(before.empty());
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        if (c.vkWithCtrl)
            s.Keys({VK_CONTROL, c.vkWithCtrl});
        else
            Command(s, c.wCommand);
        HWND hDlg = s.Window(c.lpDialog);
        ASSERT_TRUE(hDlg);
        ClickButton(hDlg, c.nButton);
        if (c.lpQuestion) {
            std::string strText;
            HWND hBox = s.Process().WaitForMessageBox(c.lpQuestion, strText);
            ASSERT_TRUE(hBox);
            EXPECT_EQ(strText, "現在のステージは破棄されます。\n新規作成しますか？\n");
            cEditorProcess::Answer(hBox, IDNO);
        }
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(hDlg); }));
        s.Settle();
        EXPECT_EQ(WindowText(s.Stage()), kTitle);
    }
    EXPECT_EQ(ChangedFiles(before, SnapshotFolder(m_strProject)), std::vector<std::string>());
    CloseUnasked(s);
}

// Dialog 247's palette choices 1 to 3 with the fixture as the template: the
// stage Ctrl+S saves through the save dialog is the core's new stage of the
// same choice. Only choice 3 enables the palette file's path and button.
TEST_F(StageEditorExe, TheNewStagePaletteChoicesGiveTheCoresStage)
{
    FileSystem().MakeFolder("data\\plt4");
    const std::string strOther = "data\\plt4\\other.plt4";
    WriteOtherPalette(strOther);
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    for (u32 dwChoice : {kNewPaletteEmpty, kNewPaletteCommon, kNewPaletteFile}) {
        SCOPED_TRACE(dwChoice);
        cNewStageChoice choice;
        choice.strTemplate = kFixture;
        choice.dwPalette = dwChoice;
        choice.strPaletteFile = dwChoice == kNewPaletteFile ? strOther : "";

        s.Keys({VK_CONTROL, 'N'});
        HWND hDlg = s.Window("ステージの新規作成");
        ASSERT_TRUE(hDlg);
        SetDlgItemTextA(hDlg, 1247, choice.strTemplate.c_str());
        HWND hCombo = GetDlgItem(hDlg, 1310);
        SendMessageA(hCombo, CB_SETCURSEL, dwChoice, 0);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(1310, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
        const bool bFile = dwChoice == kNewPaletteFile;
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(hDlg, 1311)) != 0, bFile);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(hDlg, 1312)) != 0, bFile);
        SetDlgItemTextA(hDlg, 1311, choice.strPaletteFile.c_str());
        if (bFile) HoldForScreenshot(hDlg);
        ClickButton(hDlg, 1000);
        std::string strText;
        HWND hBox = s.Process().WaitForMessageBox("新規作成の確認", strText);
        ASSERT_TRUE(hBox);
        cEditorProcess::Answer(hBox, IDYES);
        ASSERT_TRUE(s.Attach("Tarvenol"));

        cStage expected;
        ASSERT_EQ(BuildNewStage(expected, choice, g_CommonPalette, g_PrjOption), eNewStage::Created);
        const bool bPlayer = expected.HasPlayer();
        expected.KeepSinglePlayer();
        ASSERT_EQ(expected.SaveFile(kExpected), 1u);

        s.Keys({VK_CONTROL, 'S'});
        if (!bPlayer) {
            hBox = s.Process().WaitForMessageBox("警告", strText);
            ASSERT_TRUE(hBox);
            cEditorProcess::Answer(hBox, IDOK);
        }
        const std::string strFile = "data\\stg4\\new" + std::to_string(dwChoice) + ".stg4_950";
        Choose(s, kChooseToSave, m_strProject, strFile);
        ASSERT_TRUE(WaitFor([&] { return FileSystem().Exists(strFile); }));
        EXPECT_TRUE(s.Window(("Tarvenol  " + strFile).c_str()));
        EXPECT_FILE_BYTES(ReadFileBytes(kExpected), ReadFileBytes(strFile));
    }
    CloseUnasked(s);
}

// "ステージを閉じる" and then Ctrl+G: the game starts with no parameter and
// nothing is saved (the common palette on the disk is made to differ from
// the editor's, so that a save of it would show).
TEST_F(StageEditorExe, TheWholeGameStartsWithoutAStageAndSavesNothing)
{
    ASSERT_TRUE(CopyFileA(HostPath(TARVENOL_GAME_STANDIN).c_str(), "Game.exe", FALSE));
    cEditorSession s;
    ASSERT_TRUE(s.Start(m_strProject, kTitle));
    Command(s, kCmdCloseStage);
    ASSERT_TRUE(s.Attach("Tarvenol"));
    std::vector<u8> common = ReadFileBytes(g_strPath[kPathCommonPalette]);
    common.push_back(0);
    ASSERT_TRUE(WriteFileBytes(g_strPath[kPathCommonPalette], common));
    const tFolderSnapshot before = SnapshotFolder(m_strProject);

    s.Keys({VK_CONTROL, 'G'});
    ASSERT_TRUE(WaitFor([] { return FileSystem().Exists("game_command_line.txt"); }));
    Sleep(300);
    const std::string strLine = ReadFileText("game_command_line.txt");
    EXPECT_NE(strLine.find("Game.exe"), std::string::npos) << strLine;
    EXPECT_EQ(Parameters(strLine), "") << strLine;
    s.Settle();
    EXPECT_EQ(ChangedFiles(before, SnapshotFolder(m_strProject)), std::vector<std::string>{"game_command_line.txt"});
    CloseUnasked(s);
}

}  // namespace
