#include "editor/startup.h"

#include <commctrl.h>

#include "app/device_layer.h"
#include "app/fatal.h"
#include "app/host.h"
#include "app/file_system.h"
#include "app/log.h"
#include "app/path.h"
#include "app/win32/sound.h"
#include "data/project_backup.h"
#include "data/project_data.h"
#include "data/project_paths.h"
#include "data/settings_load.h"
#include "data/system_ini.h"
#include "editor/main_wnd.h"
#include "editor/project_load.h"
#include "flow/arrange_params.h"
#include "framework/dlg_base.h"
#include "framework/env_info_wait.h"
#include "framework/hook.h"
#include "framework/wnd_list.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_edit_wnd.h"

namespace {

const char* const kVersionText = "950";
// Started from here, the editor works on the game folder beside it.
const char* const kBuildFolder = "C:\\Tarvenol\\Editor";

bool g_bStarted = false;

// The sound manager's one-slot lists of background music.
cOggSlot g_aOggList[1] = {{"bgm\\Free.ogg", 100}};
cMidiSlot g_aMidiList[1] = {{"bgm\\Free.mid", 100}};
const char* const kWaveFiles[] = {"wave\\free.wav", nullptr};

// The top-level window, off-screen: the editor's windows are its own.
bool CreateMainWindow()
{
    g_MainWnd.SetGeometry(640, 480, 100, 100, 640, 480, WS_POPUP | WS_OVERLAPPEDWINDOW, 0, 0, 0, 0);
    HWND hWnd = CreateWindowExA(0, kMainWindowClass, "Tarvenol", 0, 9999, 9999, g_MainWnd.GetWndWidth(),
                                g_MainWnd.GetWndHeight(), nullptr, nullptr, ProgramInstance(), nullptr);
    if (!hWnd) {
        ReportOutOfMemory();
        return false;
    }
    EditorHost().SetMainWindow(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    g_MainWnd.Attach(0, nullptr, nullptr);
    return true;
}

void CreateStageWindow()
{
    g_MainWnd.CreateStageWindow();
    cStageEditWnd* lpStage = StageWnd();
    lpStage->CreatePaletteWindows();
    if (lpStage->GetHwnd()) SetFocus(lpStage->GetHwnd());
}

// The project's data and editor-data folders are copied to their backup
// folders when the project options say a backup is due; the options keep
// its time in their file.
void RunTimedBackupIfDue()
{
    RunTimedBackup(EditorHost().MainWindow(), g_PrjOption, TickToMinutes(timeGetTime()));
}

// The failure's message; then the next start opens no last stage. The
// settings are saved before the fatal-error flag is set, which would refuse
// them.
void ReportProjectLoadFailure()
{
    if (g_bNewerFile)
        MesBox("プロジェクトのロードに失敗しました！");
    else
        MesBox("プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！");
    g_EditConfig.m_strLastStage.clear();
    SaveEditorSettings(g_EditConfig, g_SettingsLoad);
}

}  // namespace

cEditorHost& EditorHost()
{
    static cEditorHost s_Host;
    return s_Host;
}

bool IsStarted() { return g_bStarted; }

bool OpenLogs()
{
    ApplyWorkingFolderRule(kBuildFolder);
    InitErrLog(0, "EC_Editor.txt");
    std::string strReport = "Report_Editor.txt";
    MakeAbsolutePath(strReport);
    if (!OpenReportLog(strReport)) return false;
    LogPrintf("App : ver %s", kVersionText);
    WriteSystemReport();
    return true;
}

HANDLE ClaimSingleInstance(bool& bRefused)
{
    bRefused = false;
    HANDLE hMutex = CreateMutexA(nullptr, FALSE, "エディター");
    if (GetLastError() != ERROR_ALREADY_EXISTS) return hMutex;
    const int nAnswer = ShowMessageBox(nullptr, "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n",
                                       "二重起動", kMbYesNo);
    if (nAnswer == kIdYes) return hMutex;
    bRefused = true;
    if (hMutex) {
        ReleaseMutex(hMutex);
        CloseHandle(hMutex);
    }
    return nullptr;
}

bool StartEditor(HINSTANCE hInstance, HANDLE& hMutex)
{
    hMutex = nullptr;
    timeBeginPeriod(1);
    g_wDlgHScrollId = 1008;
    g_wDlgVScrollId = 1009;
    SetHost(&EditorHost());
    if (!OpenLogs()) return false;
    bool bRefused = false;
    hMutex = ClaimSingleInstance(bRefused);
    if (bRefused) return false;
    SetProgramInstance(hInstance);
    return RegisterMainClass(hInstance) && InitApplication();
}

bool RegisterMainClass(HINSTANCE hInstance)
{
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(103));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

bool InitApplication()
{
    SetDataVersion(kDataVersion);
    BuildArrangeParams();
    FileSystem().GetCurrentFolder(g_strCurFolder);
    if (!CreateDefaultData(EditorHost().MainWindow())) {
        SetFatalError();
        return false;
    }
    CreateFolders(g_lpEditorFolders);
    CreateFolders(g_lpProjectFolders);
    // A backup that a crash or a power cut interrupted is put back first.
    RecoverBackups();
    g_SettingsLoad = LoadEditorSettings(g_EditConfig);
    if (!LoadProject()) {
        ReportProjectLoadFailure();
        SetFatalError();
        return false;
    }
    LoadLastStage(g_EditConfig.m_strLastStage);
    ReadSystemIni(g_SystemIni, g_System.m_vIniDefault);
    SoundMgr().Init(1, g_aOggList, g_aMidiList, 1, static_cast<u32>(g_SystemIni.m_anOption[kIniMidiDirectMusic]));
    Mci().Init();
    if (!Mci().Open("waveaudio", kWaveFiles)) return false;
    InitCommonControls();
    if (!CreateMainWindow()) return false;
    CreateStageWindow();
    cStageEditWnd* lpStage = StageWnd();
    if (SettleSheetRate(lpStage, &lpStage->m_lpWaitSheet, &g_WndList, g_SheetSize)) RunTimedBackupIfDue();
    LogPrintf("Sheet Rate = (%lf,%lf)", g_SheetRate.dX, g_SheetRate.dY);
    g_bStarted = true;
    return true;
}

void ExitApplication()
{
    timeEndPeriod(1);
    if (g_bStarted && !IsFatalError()) {
        g_EditConfig.m_strLastStage = g_EditState.m_strStagePath;
        SaveEditorSettings(g_EditConfig, g_SettingsLoad);
        SaveGValInfo(g_GValInfo, g_strPath[kPathGValInfo]);
    }
    ReleaseSoundDevice();
    Mci().Close();
    SoundMgr().Close();
    RemoveKeyboardHook();
}
