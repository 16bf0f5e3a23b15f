// The foundation on a real Windows stack: message boxes answered by the
// test, the main window closed by the fatal path, the report log with the
// machine's system report, and the open-file dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <sstream>

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/path.h"
#include "app/safe_vector.h"
#include "app/win32/file_dialogs.h"
#include "app/win32/host_win32.h"
#include "support/test_env.h"
#include "support/win32/dialog_driver.h"

namespace {

class Win32Foundation : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        SetHost(&m_Host);
    }
    cWin32Host m_Host;
};

TEST_F(Win32Foundation, ErrorBoxIsShownAndAnswered)
{
    std::string strSeen;
    cDialogDriver driver("エラー", [&](HWND hDlg) {
        strSeen = DlgItemText(hDlg, 0xFFFF);
        ClickButton(hDlg, IDOK);
    });
    EXPECT_EQ(MesBox("%s の読み込みに失敗しました！", "data\\System.dat"), IDOK);
    ASSERT_TRUE(driver.Join());
    EXPECT_EQ(strSeen, "data\\System.dat の読み込みに失敗しました！");
}

TEST_F(Win32Foundation, QuitQuestionTakesTheUsersAnswer)
{
    for (int nAnswer : {IDNO, IDYES}) {
        std::string strSeen;
        cDialogDriver driver("終了確認", [&](HWND hDlg) {
            strSeen = DlgItemText(hDlg, 0xFFFF);
            ClickButton(hDlg, nAnswer);
        });
        EXPECT_EQ(ConfirmQuit(nullptr, false), nAnswer == IDYES);
        ASSERT_TRUE(driver.Join());
        EXPECT_EQ(strSeen, "終了しますか？\n");
    }
}

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_CLOSE) {
        SetPropA(hWnd, "closed", reinterpret_cast<HANDLE>(1));
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

TEST_F(Win32Foundation, BadIndexAsksTheMainWindowToClose)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FoundationMain";
    RegisterClassA(&wc);
    HWND hMain = CreateWindowA("FoundationMain", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                               wc.hInstance, nullptr);
    ASSERT_TRUE(hMain);
    m_Host.SetMainWindow(hMain);
    ASSERT_EQ(OpenReportLog("Report_Editor.txt"), 1u);

    cSafeVector<int> vec(3, 5);
    EXPECT_EQ(vec.At(7), 5);
    EXPECT_TRUE(IsFatalError());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(GetPropA(hMain, "closed"));
    EXPECT_EQ(ReadFileText("Report_Editor.txt"), "err V[7] ( 3 , 4 )\n");
    RemovePropA(hMain, "closed");
    DestroyWindow(hMain);
}

TEST_F(Win32Foundation, ReportLogCarriesTheSystemReport)
{
    std::string strPath = "Report_Editor.txt";
    ASSERT_EQ(MakeAbsolutePath(strPath), 1u);
    ASSERT_EQ(OpenReportLog(strPath), 1u);
    ASSERT_EQ(LogPrintf("App : ver %s", "950"), 1u);
    ASSERT_EQ(WriteSystemReport(), 1u);

    // Written in text mode: lines end in CR LF on disk.
    std::vector<u8> raw = ReadFileBytes(strPath);
    ASSERT_GE(raw.size(), 2u);
    EXPECT_EQ(raw[raw.size() - 2], '\r');

    std::istringstream in(ReadFileText(strPath));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const char* patterns[] = {
        "App : ver 950",
        "OS : Windows .* PID 2 Build [0-9]+",
        "CPU : .* [0-9]+",
        "Mem Total : [0-9]+\\.[0-9]{3}MB",
        "Mem Free : +[0-9]+MB",
        "Vir Total : [0-9]+\\.[0-9]{3}MB",
        "Vir Free : +[0-9]+MB",
        "HD Free : +[0-9]+MB",
        "Display : \\([0-9]+,[0-9]+\\)",
        "System Font : .* \\(-?[0-9]+,-?[0-9]+\\) [0-9]+",
    };
    ASSERT_EQ(lines.size(), std::size(patterns)) << ReadFileText(strPath);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(patterns[i]))) << lines[i];
    EXPECT_EQ(lines[8], "Display : (" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "," +
                            std::to_string(GetSystemMetrics(SM_CYSCREEN)) + ")");
}

// Types a name into the file-name box of an explorer-style file dialog and
// presses OK.
void ChooseFileName(HWND hDlg, const char* lpName)
{
    HWND hName = GetDlgItem(hDlg, 0x47C);
    HWND hEdit = hName ? FindWindowExA(hName, nullptr, "Edit", nullptr) : nullptr;
    SendMessageA(hEdit ? hEdit : hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpName));
    ClickButton(hDlg, IDOK);
}

TEST_F(Win32Foundation, SaveFileDialogTakesANewName)
{
    ASSERT_TRUE(FileSystem().MakeFolder("plt4"));
    std::string strFolder = m_strFolder + "\\plt4";
    char szFile[MAX_PATH] = "junk";
    cDialogDriver driver("パレットの保存", [](HWND hDlg) { ChooseFileName(hDlg, "新規.plt4"); });
    ASSERT_EQ(SelectSaveFile(nullptr, szFile, strFolder.c_str(), "パレットの保存", "PLT4\0*.plt4\0\0", "plt4", 0),
              1u);
    ASSERT_TRUE(driver.Join());
    std::string strChosen = szFile;
    ASSERT_EQ(MakeRelativePath(strChosen, 1), 1u);
    EXPECT_EQ(strChosen, "plt4\\新規.plt4");
}

TEST_F(Win32Foundation, OpenFileDialogReturnsTheChosenFile)
{
    ASSERT_TRUE(FileSystem().MakeFolder("bmp"));
    ASSERT_TRUE(WriteFileBytes("bmp\\pic.bmp", {'B', 'M'}));
    std::string strFolder = m_strFolder + "\\bmp";
    char szFile[MAX_PATH];
    std::vector<std::string> list;
    cDialogDriver driver("画像を開く", [](HWND hDlg) { ChooseFileName(hDlg, "pic.bmp"); });
    ASSERT_EQ(SelectOpenFile(nullptr, szFile, sizeof szFile, strFolder.c_str(), "画像を開く",
                             "BMP\0*.bmp\0\0", "bmp", &list),
              1u);
    ASSERT_TRUE(driver.Join());
    ASSERT_EQ(list.size(), 1u);
    std::string strChosen = list[0];
    ASSERT_EQ(MakeRelativePath(strChosen, 1), 1u);
    EXPECT_EQ(strChosen, "bmp\\pic.bmp");
}

}  // namespace
