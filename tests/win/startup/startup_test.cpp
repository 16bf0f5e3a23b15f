// Start-up and shutdown of the real Tarvenol.exe on a project laid out by
// the sample-project tool: the first start's default data, the logs, the
// windows, the reused sheet rate and the timed backup of a second start, the
// single-instance question, the project-load failures; and the search for
// the game program with the stand-in game.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <regex>
#include <sstream>

#include "app/file_system.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/edit_config.h"
#include "data/project_data.h"
#include "editor/game_program.h"
#include "support/win32/editor_process.h"
#include "sample_project.h"
#include "support/test_env.h"
#include "support/win32/win_test.h"

namespace {

const char* const kStageTitle = "Tarvenol";  // the stage editor window
const char* const kDialogClass = "#32770";
const char* const kMainClass = "Tarvenol_Editor";

bool WaitFor(const std::function<bool()>& done, DWORD dwTimeoutMs = 20000)
{
    const DWORD dwStart = GetTickCount();
    while (!done()) {
        if (GetTickCount() - dwStart >= dwTimeoutMs) return false;
        Sleep(20);
    }
    return true;
}

std::vector<std::string> Lines(const std::string& strText)
{
    std::vector<std::string> lines;
    std::istringstream in(strText);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const char* const kSettings = "project\\e_data\\EditConfig.dat";
const char* const kVariables = "project\\data\\GValInfo.dat";
const char* const kOptions = "project\\data\\PrjOption.dat";
const char* const kDefaultStage = "data\\stg4\\Default.stg4_950";

// The stage editor window, whose title names the stage it opened (none:
// no stage open).
HWND WaitForStageWindow(cEditorProcess& editor, const char* lpStage)
{
    const std::string strTitle = lpStage ? std::string(kStageTitle) + "  " + lpStage : kStageTitle;
    return editor.WaitForWindow(kDialogClass, strTitle.c_str());
}

class EditorStartup : public cCoreTest {
protected:
    // The stage that the editor settings name as the one edited last.
    static std::string LastStageOf(const char* lpSettings)
    {
        cEditConfig settings;
        EXPECT_EQ(settings.LoadFile(lpSettings), 1u);
        return settings.m_strLastStage;
    }
    static void SetBackupSchedule(u32 dwHours, u32 dwLast)
    {
        cPrjOption options;
        ASSERT_EQ(options.LoadFile(kOptions), 1u);
        options.m_dwBackupInterval = dwHours;
        options.m_dwLastBackup = dwLast;
        ASSERT_EQ(options.SaveFile(kOptions), 1u);
    }
    // A sample project in the test's folder; with bData its data folder is
    // made from its default folder, as a first start makes it.
    std::string MakeProject(bool bData)
    {
        std::string strError;
        EXPECT_TRUE(MakeSampleProject("project", strError)) << strError;
        if (bData) {
            EXPECT_TRUE(CopyTreeByFiles(FileSystem(), "project\\data", "project\\default"));
        }
        return m_strFolder + "\\project";
    }
    static void SetVersion(const std::string& strPath, u32 dwVersion)
    {
        std::vector<u8> bytes = ReadFileBytes(strPath);
        ASSERT_GE(bytes.size(), 4u);
        bytes[0] = dwVersion & 0xFF, bytes[1] = (dwVersion >> 8) & 0xFF;
        ASSERT_TRUE(WriteFileBytes(strPath, bytes));
    }
    static std::string Report() { return ReadFileText("project\\Report_Editor.txt"); }
    // Start-up has run to its end once the report log has its last line.
    static bool StartUpEnded() { return Report().find("Sheet Rate = (") != std::string::npos; }

    // Closes the editor as the user does: the top-level window's close and
    // Yes to the quit question. The exit code, or -1.
    static long Quit(cEditorProcess& editor)
    {
        HWND hMain = editor.WaitForWindow(kMainClass, nullptr, 1000);
        if (!hMain) {
            for (HWND hWnd : editor.Windows()) {
                char szClass[64] = "";
                GetClassNameA(hWnd, szClass, sizeof szClass);
                if (std::string(szClass) == kMainClass) hMain = hWnd;
            }
        }
        EXPECT_TRUE(hMain);
        PostMessageA(hMain, WM_CLOSE, 0, 0);
        std::string strText;
        HWND hBox = editor.WaitForMessageBox("終了確認", strText);
        EXPECT_TRUE(hBox);
        if (!hBox) return -1;
        EXPECT_EQ(strText, "終了しますか？\n");
        cEditorProcess::Answer(hBox, IDYES);
        DWORD dwCode = 0;
        return editor.WaitForExit(dwCode) ? static_cast<long>(dwCode) : -1;
    }
};

TEST_F(EditorStartup, FirstStartMakesTheDataAndTheNextReusesTheSheetRate)
{
    const std::string strProject = MakeProject(false);
    const tFolderSnapshot defaults = SnapshotFolder("project\\default");
    {
        cEditorProcess editor;
        ASSERT_TRUE(editor.Start(strProject));
        std::string strText;
        HWND hBox = editor.WaitForMessageBox("デフォルトデータ作成の確認", strText);
        ASSERT_TRUE(hBox);
        EXPECT_EQ(strText, "データが存在しません！デフォルトデータを作成しますか？\n");
        EXPECT_FALSE(editor.WaitForWindow(kMainClass, nullptr, 0)) << "asked before any window of its own";
        cEditorProcess::Answer(hBox, IDYES);

        HWND hStage = WaitForStageWindow(editor, kDefaultStage);
        ASSERT_TRUE(hStage);
        HWND hMain = editor.WaitForWindow(kMainClass, "Tarvenol");
        ASSERT_TRUE(hMain);
        ASSERT_TRUE(WaitFor(StartUpEnded)) << Report();
        RECT rcMain = {}, rcStage = {};
        GetWindowRect(hMain, &rcMain);
        GetWindowRect(hStage, &rcStage);
        EXPECT_EQ(rcMain.left, 9999) << "the top-level window stays off the screen";
        EXPECT_GE(rcStage.left, 0);
        EXPECT_LE(rcStage.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(GetWindow(hStage, GW_OWNER), hMain);

        EXPECT_EQ(SnapshotFolder("project\\data"), defaults) << "the data folder is a copy of the defaults";
        const std::vector<std::string> lines = Lines(Report());
        const char* const kReport[] = {
            "App : ver 950", "OS : Windows .*", "CPU : .*", "Mem Total : .*", "Mem Free : .*", "Vir Total : .*",
            "Vir Free : .*", "HD Free : .*", "Display : \\([0-9]+,[0-9]+\\)", "System Font : .*",
            "Sheet Rate = \\([0-9.]+,[0-9.]+\\)",
        };
        ASSERT_EQ(lines.size(), std::size(kReport)) << Report();
        for (size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(std::regex_match(lines[i], std::regex(kReport[i]))) << lines[i];
        EXPECT_TRUE(FileSystem().Exists("project\\e_data\\SheetSize.dat")) << "the measured rate is kept";
        ASSERT_TRUE(FileSystem().RemoveFile(kSettings));
        ASSERT_TRUE(FileSystem().RemoveFile(kVariables));
        EXPECT_EQ(Quit(editor), 0);
        EXPECT_EQ(LastStageOf(kSettings), kDefaultStage) << "the sample's stage was opened and stays the last one";
        EXPECT_TRUE(FileSystem().Exists(kVariables)) << "the variable info is saved at the end";
        EXPECT_FALSE(FileSystem().IsFolder("project\\data_backup")) << "no backup while the rate is measured";
    }

    // The next start: no question, the stored sheet rate; a last stage that
    // is gone leaves a new stage without a path; the timed backup follows
    // the schedule of the project options: not due yet.
    cEditConfig settings;
    ASSERT_EQ(settings.LoadFile(kSettings), 1u);
    settings.m_strLastStage = "data\\stg4\\Gone.stg4_950";
    ASSERT_EQ(settings.SaveFile(kSettings), 1u);
    SetBackupSchedule(24, GetTickCount() / 60000);
    const std::vector<u8> options = ReadFileBytes(kOptions);
    {
        cEditorProcess editor;
        ASSERT_TRUE(editor.Start(strProject));
        ASSERT_TRUE(WaitForStageWindow(editor, nullptr));
        ASSERT_TRUE(WaitFor(StartUpEnded)) << Report();
        EXPECT_NE(Report().find("\nSheet Rate : OK\n"), std::string::npos) << Report();
        EXPECT_EQ(Quit(editor), 0);
        EXPECT_FALSE(FileSystem().IsFolder("project\\data_backup"));
        EXPECT_EQ(ReadFileBytes(kOptions), options);
        EXPECT_EQ(LastStageOf(kSettings), "");
    }

    // Due at every start with an interval of 0 hours.
    SetBackupSchedule(0, 0);
    cEditorProcess editor;
    ASSERT_TRUE(editor.Start(strProject));
    ASSERT_TRUE(WaitForStageWindow(editor, nullptr));
    ASSERT_TRUE(WaitFor(StartUpEnded)) << Report();
    const u32 dwNow = GetTickCount() / 60000;
    EXPECT_EQ(SnapshotFolder("project\\data_backup"), SnapshotFolder("project\\data"));
    EXPECT_EQ(SnapshotFolder("project\\e_data_backup"), SnapshotFolder("project\\e_data"));
    cPrjOption saved;
    ASSERT_EQ(saved.LoadFile("project\\data_backup\\PrjOption.dat"), 1u);
    EXPECT_LE(dwNow - saved.m_dwLastBackup, 1u) << "the backup holds the options with the new time";
    EXPECT_EQ(Quit(editor), 0);
}

TEST_F(EditorStartup, SecondInstanceRefusedEndsBeforeAnyWindow)
{
    const std::string strProject = MakeProject(true);
    cEditorProcess first;
    ASSERT_TRUE(first.Start(strProject));
    ASSERT_TRUE(WaitForStageWindow(first, kDefaultStage));
    ASSERT_TRUE(WaitFor(StartUpEnded));

    cEditorProcess second;
    ASSERT_TRUE(second.Start(strProject));
    std::string strText;
    HWND hBox = second.WaitForMessageBox("二重起動", strText);
    ASSERT_TRUE(hBox);
    EXPECT_EQ(strText, "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n");
    for (HWND hWnd : second.Windows()) {
        if (IsWindowVisible(hWnd)) {
            EXPECT_EQ(hWnd, hBox) << "the question is the only window";
        }
    }
    cEditorProcess::Answer(hBox, IDNO);
    DWORD dwCode = 99;
    ASSERT_TRUE(second.WaitForExit(dwCode));
    EXPECT_EQ(dwCode, 0u);

    EXPECT_FALSE(first.HasEnded());
    EXPECT_EQ(Quit(first), 0);
}

// A failed project load shows its messages and ends the editor. It writes
// nothing but the editor settings, with no last stage, so that the next
// start opens none; a settings file that a newer program wrote stays as it
// was.
TEST_F(EditorStartup, ProjectLoadFailureShowsItsMessageAndWritesOnlyTheSettings)
{
    enum eSettingsFile { kNone, kGood, kNewer };
    const char* const kNewerText =
        "の読み込みに失敗しました！\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。";
    const char* const kMissingText =
        "の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";
    const struct {
        const char* lpWhat;
        const char* lpFile;
        bool bNewer;  // else removed
        eSettingsFile eSettings;
    } cases[] = {
        {"a newer file", "data\\System.dat", true, kNone},
        {"a missing file", "data\\WorldMap.dat", false, kGood},
        {"a newer settings file", "data\\CommonPalette.cplt4", false, kNewer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        if (FileSystem().IsFolder("project")) {
            ASSERT_TRUE(DeleteFolderTree("project"));
        }
        const std::string strProject = MakeProject(true);
        const std::string strFile = std::string("project\\") + c.lpFile;
        if (c.bNewer) {
            SetVersion(strFile, 951);
        } else {
            ASSERT_TRUE(FileSystem().RemoveFile(strFile));
        }
        // The sample's settings name its default stage as the last one.
        ASSERT_EQ(LastStageOf(kSettings), kDefaultStage);
        if (c.eSettings == kNone) {
            ASSERT_TRUE(FileSystem().RemoveFile(kSettings));
        } else if (c.eSettings == kNewer) {
            SetVersion(kSettings, 951);
        }
        const tFolderSnapshot before = SnapshotFolder("project");

        cEditorProcess editor;
        ASSERT_TRUE(editor.Start(strProject));
        const std::string strFileMessage = std::string(c.lpFile) + " " + (c.bNewer ? kNewerText : kMissingText);
        const char* const lpProjectMessage =
            c.bNewer ? "プロジェクトのロードに失敗しました！"
                     : "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！";
        for (const std::string& strMessage : {strFileMessage, std::string(lpProjectMessage)}) {
            std::string strText;
            HWND hBox = editor.WaitForMessageBox("エラー", strText);
            ASSERT_TRUE(hBox);
            EXPECT_EQ(strText, strMessage);
            cEditorProcess::Answer(hBox, IDOK);
            WaitFor([&] { return !IsWindow(hBox); });
        }
        DWORD dwCode = 99;
        ASSERT_TRUE(editor.WaitForExit(dwCode));
        EXPECT_EQ(dwCode, 0u);
        tFolderSnapshot after = SnapshotFolder("project");
        after.erase("Report_Editor.txt");
        if (c.eSettings == kNewer) {
            EXPECT_EQ(after, before) << "no file written: the newer settings file survives";
            continue;
        }
        EXPECT_EQ(LastStageOf(kSettings), "");
        after.erase("e_data\\EditConfig.dat");
        tFolderSnapshot others = before;
        others.erase("e_data\\EditConfig.dat");
        EXPECT_EQ(after, others) << "no other file written";
    }
}

TEST_F(EditorStartup, GameProgramIsTheExeWhoseStringOneIsGame)
{
    std::string strPath = "x";
    EXPECT_FALSE(FindGameProgram(strPath)) << "no program at all";
    EXPECT_EQ(strPath, "");
    ASSERT_TRUE(CopyFileA(HostPath(TARVENOL_EXE).c_str(), "Editor.exe", FALSE));
    EXPECT_FALSE(FindGameProgram(strPath)) << "a program that is not the game";
    EXPECT_EQ(strPath, "");
    ASSERT_TRUE(CopyFileA(HostPath(TARVENOL_GAME_STANDIN).c_str(), "Game.exe", FALSE));
    EXPECT_TRUE(FindGameProgram(strPath));
    EXPECT_EQ(strPath, "Game.exe");

    // The project options may name the program instead: it must exist.
    g_PrjOption.m_dwFindGame = 0;
    g_PrjOption.m_strGameFile = "Editor.exe";
    EXPECT_TRUE(FindGameProgram(strPath));
    EXPECT_EQ(strPath, "Editor.exe");
    g_PrjOption.m_strGameFile = "Missing.exe";
    EXPECT_FALSE(FindGameProgram(strPath));
    EXPECT_EQ(strPath, "");
    g_PrjOption = cPrjOption();

    HMODULE hGame = LoadLibraryExA((m_strFolder + "\\Game.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(hGame);
    EXPECT_EQ(LoadResString(hGame, 1), L"GAME");
    EXPECT_EQ(LoadResString(hGame, 2), L"") << "an empty string";
    EXPECT_EQ(LoadResString(hGame, 17), L"") << "a block the table doesn't have";
    FreeLibrary(hGame);
}

// The editor's side of the end-of-test-play report.
std::vector<ULONG_PTR> g_Reports;

LRESULT CALLBACK FakeEditorProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_COPYDATA) {
        g_Reports.push_back(reinterpret_cast<const COPYDATASTRUCT*>(lParam)->dwData);
        return TRUE;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

TEST_F(EditorStartup, StandInGameRecordsItsCommandLineAndReportsTheEnd)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FakeEditorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FakeTarvenolEditor";
    RegisterClassA(&wc);
    HWND hEditor = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(hEditor);
    SetEnvironmentVariableA("TARVENOL_EDITOR_WINDOW", Format("%llx", static_cast<unsigned long long>(
                                                                          reinterpret_cast<uintptr_t>(hEditor))).c_str());
    const std::string strGame = m_strFolder + "\\Game.exe";
    ASSERT_TRUE(CopyFileA(HostPath(TARVENOL_GAME_STANDIN).c_str(), strGame.c_str(), FALSE));
    g_Reports.clear();

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string strCommand = "Game.exe -stage data\\stg4\\a.stg4_950";
    ASSERT_TRUE(CreateProcessA(strGame.c_str(), &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr,
                               m_strFolder.c_str(), &si, &pi));
    // The report is sent, so the editor's thread must take messages.
    while (MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    DWORD dwCode = 99;
    GetExitCodeProcess(pi.hProcess, &dwCode);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    SetEnvironmentVariableA("TARVENOL_EDITOR_WINDOW", nullptr);
    DestroyWindow(hEditor);

    EXPECT_EQ(dwCode, 0u);
    EXPECT_EQ(g_Reports, std::vector<ULONG_PTR>{0});
    EXPECT_EQ(ReadFileText("game_command_line.txt"), strCommand);
}

}  // namespace
