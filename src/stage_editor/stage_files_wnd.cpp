// The stage window's file commands: opening and saving the stage through
// the file dialogs, the stage palette files, and test play.
#include <windows.h>
#include <shellapi.h>
#include <mmsystem.h>

#include "app/fatal.h"
#include "app/host.h"
#include "app/log.h"
#include "app/path.h"
#include "app/str_util.h"
#include "app/win32/file_dialogs.h"
#include "data/project_data.h"
#include "data/project_paths.h"
#include "data/win32/stage_loader.h"
#include "framework/wnd_list.h"
#include "stage_editor/engine/test_play.h"
#include "stage_editor/new_stage_dlg.h"
#include "stage_editor/stage_edit_wnd.h"

cProgramHooks g_ProgramHooks;

namespace {

const char* const kChooseToRead = "読み込むファイルの選択";
const char* const kChooseToSave = "保存先のファイルの選択";
const char* const kPaletteFilterText = "StagePaletteFile ( *.plt4 )";

// What test play asks of the stage window.
class cWindowTestPlay : public cTestPlayHost {
public:
    explicit cWindowTestPlay(cStageEditWnd& wnd) : m_Wnd(wnd) {}
    bool FindGame(std::string& strPath) override
    {
        return g_ProgramHooks.lpFindGame && g_ProgramHooks.lpFindGame(strPath);
    }
    eStageSave SaveStage() override { return m_Wnd.SaveStage(true); }
    bool SaveCommonPalette() override { return m_Wnd.SaveCommonPalette(); }
    void ClearUndo() override
    {
        g_EditState.ClearUndo();
        m_Wnd.UpdateUndoButtons();
    }
    bool Launch(const std::string& strGame, const std::string& strParams) override
    {
        cWndBase* lpTop = m_Wnd.GetParentObject();
        HWND hTop = lpTop ? lpTop->GetHwnd() : nullptr;
        const HINSTANCE hResult = ShellExecuteA(hTop, "open", strGame.c_str(),
                                                strParams.empty() ? nullptr : strParams.c_str(), nullptr, SW_SHOW);
        return reinterpret_cast<INT_PTR>(hResult) > 32;
    }
    void Deactivate() override
    {
        if (g_ProgramHooks.lpDeactivate) g_ProgramHooks.lpDeactivate();
    }

private:
    cStageEditWnd& m_Wnd;
};

}  // namespace

eStageSave cStageEditWnd::SaveStage(bool bOverwrite)
{
    PrepareStageSave(g_Stage, g_EditState, m_hWnd);
    eStageSave eResult;
    if (IsOverwriteSave(g_EditState.m_strStagePath, bOverwrite)) {
        eResult = OverwriteStage(g_Stage, g_EditState, StageFileOps(), m_hWnd);
    } else {
        char szFile[kMaxPath] = {};
        const std::string strProposed = ProposedSaveName(g_EditState.m_strStagePath, bOverwrite);
        strProposed.copy(szFile, kMaxPath - 1);
        const std::string strExt = StageFileExt();
        const std::string strFilter =
            FileFilter(Format("StageFile ( *.%s )", strExt.c_str()), Format("*.%s", strExt.c_str()));
        if (!SelectSaveFile(m_hWnd, szFile, "data\\stg4\\", kChooseToSave, strFilter.c_str(), strExt.c_str(), 1)) {
            CheckStageFileExists(g_EditState, m_hWnd);
            return eStageSave::Cancelled;
        }
        eResult = SaveStageAs(g_Stage, g_EditState, szFile, bOverwrite, g_PrjOption.m_dwOldStageFiles, StageFileOps(),
                              m_hWnd);
    }
    UpdateTitle();
    return eResult;
}

bool cStageEditWnd::OpenStage()
{
    char szFile[kMaxPath] = {};
    const std::string strFilter = FileFilter("StageFile ( *.stg4_ )", "*.stg4_*");
    if (!SelectOpenFile(m_hWnd, szFile, kMaxPath, "data\\stg4", kChooseToRead, strFilter.c_str(), nullptr, nullptr)) {
        CheckStageFileExists(g_EditState, m_hWnd);
        return false;
    }
    g_EditState.ClearUndo();
    UpdateUndoButtons();
    std::string strPath = szFile;
    Host().ShowWaitMessage(m_hWnd, "ステージを読み込んでいます...", "ステージの読み込み");
    if (!MakeRelativePath(strPath, 1)) ShowMessageBox(m_hWnd, kOtherDriveText, "エラー", kMbOk);
    // A stage that doesn't load leaves the open one as it was.
    const bool bLoaded = LoadStageInBackground(g_Stage, strPath) == eLoadResult::Loaded;
    if (bLoaded) {
        g_EditState.m_bHasPath = 1;
        g_EditState.m_strStagePath = strPath;
        g_EditState.m_bStageModified = 0;
    }
    Host().CloseWaitMessage();
    return bLoaded;
}

void cStageEditWnd::AfterStageReplaced()
{
    g_EditState.ResizeUndo(g_Stage, static_cast<s64>(GetFreePhysMemory()));
    RequestRebuild();
}

void cStageEditWnd::CmdLoadPalette()
{
    char szFile[kMaxPath] = {};
    const std::string strFilter = FileFilter(kPaletteFilterText, "*.plt4");
    if (!SelectOpenFile(m_hWnd, szFile, kMaxPath, "data\\plt4", kChooseToRead, strFilter.c_str(), "plt4", nullptr))
        return;
    if (!LoadStagePaletteFile(g_Stage, szFile, m_hWnd)) return;
    AfterStageReplaced();
    g_EditState.m_bStageModified = 1;
}

void cStageEditWnd::CmdSavePalette()
{
    char szFile[kMaxPath] = {};
    const std::string strFilter = FileFilter(kPaletteFilterText, "*.plt4");
    if (!SelectSaveFile(m_hWnd, szFile, "data\\plt4\\", kChooseToSave, strFilter.c_str(), "plt4", 0)) return;
    SaveStagePaletteFile(g_Stage, szFile, m_hWnd);
}

void cStageEditWnd::StartTestPlay(bool bWhole)
{
    cWindowTestPlay host(*this);
    RunTestPlay(g_EditState, g_Stage, bWhole, timeGetTime(), host, m_hWnd);
    UpdateTitle();
}

void cStageEditWnd::CmdNewStage()
{
    cNewStageDlg dlg(this, GetRegistry());
    if (dlg.DoModal(kDlgDisableOthers) == 1) AfterStageReplaced();
}
