#include "stage_editor/engine/stage_files.h"

#include "app/fatal.h"
#include "app/file_system.h"
#include "app/host.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/ed_data.h"
#include "data/project_paths.h"
#include "data/stage.h"
#include "data/stage_recovery.h"
#include "stage_editor/engine/edit_state.h"

const char* const kOtherDriveText =
    "Tarvenol本体が存在するドライブとステージファイルが存在するドライブとが異なります！\n"
    "Tarvenolにおける全てのデータファイルは同一ドライブに保存することを推奨します。";

namespace {

const char* const kSaveTitle = "ステージの保存";
const char* const kSaveText = "ステージを保存しています...";

// The wait window of a sequence: open while the object lives.
class cWaitWindow {
public:
    cWaitWindow(tWnd hOwner, const char* lpTitle, const char* lpText) { Host().ShowWaitMessage(hOwner, lpText, lpTitle); }
    ~cWaitWindow() { Host().CloseWaitMessage(); }
    cWaitWindow(const cWaitWindow&) = delete;
    cWaitWindow& operator=(const cWaitWindow&) = delete;
};

// A refused save (fatal-error state) was told by the file layer.
void TellSaveFailed(const std::string& strPath)
{
    if (!IsFatalError()) ErrorBox(Format("%s の保存に失敗しました！", strPath.c_str()));
}

bool SamePathIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const u8 ca = static_cast<u8>(a[i]), cb = static_cast<u8>(b[i]);
        if (ca == cb) continue;
        // The trail byte of a double-byte character is compared exactly.
        if (i > 0 && IsDbcsPairAt(a, i - 1)) return false;
        const auto lower = [](u8 c) { return c >= 'A' && c <= 'Z' ? static_cast<u8>(c - 'A' + 'a') : c; };
        if (lower(ca) != lower(cb)) return false;
    }
    return true;
}

std::string WithoutExt(std::string strPath)
{
    RemoveFileExt(strPath);
    return strPath;
}

std::string FileNameOf(std::string strPath)
{
    GetFileName(strPath);
    return strPath;
}

// The file of the previous stage path, which the save just replaced with a
// newer version of the same stage, by the project option.
void HandleOlderFile(const std::string& strPrevious, const std::string& strNew, u32 dwOldFiles, cStageFileOps& ops)
{
    if (SamePathIgnoringCase(strPrevious, strNew)) return;
    if (!SamePathIgnoringCase(WithoutExt(strPrevious), WithoutExt(strNew))) return;
    if (!ops.Exists(strPrevious)) return;
    if (dwOldFiles == 0) {
        const std::string strFolder = g_strPath[kPathStageOldVer];
        const std::string strBare = strFolder.substr(0, strFolder.size() - 1);
        if (!ops.Exists(strBare)) ops.MakeFolder(strBare);
        const std::string strTarget = strFolder + FileNameOf(strPrevious);
        if (!ops.Move(strPrevious, strTarget))
            ErrorBox(Format("古いバージョンのファイル %s を %s へ移動できませんでした！", strPrevious.c_str(),
                            strTarget.c_str()));
    } else if (dwOldFiles == 2) {
        if (!ops.Delete(strPrevious))
            ErrorBox(Format("古いバージョンのファイル %s を削除できませんでした！", strPrevious.c_str()));
    }
}

}  // namespace

bool cStageFileOps::Exists(const std::string& strPath) { return FileSystem().Exists(strPath); }
bool cStageFileOps::Move(const std::string& strFrom, const std::string& strTo)
{
    return FileSystem().MoveOver(strFrom, strTo);
}
bool cStageFileOps::Write(const cStage& stage, const std::string& strPath) { return stage.SaveFile(strPath) == 1; }
bool cStageFileOps::Delete(const std::string& strPath) { return FileSystem().RemoveFile(strPath); }
bool cStageFileOps::MakeFolder(const std::string& strPath) { return FileSystem().MakeFolder(strPath); }

cStageFileOps& StageFileOps()
{
    static cStageFileOps s_Ops;
    return s_Ops;
}

std::string StageFileExt() { return Format("%s_%s", g_strExt[kExtStage], Format("%u", kDataVersion).c_str()); }

bool IsOverwriteSave(const std::string& strPath, bool bOverwrite)
{
    if (!bOverwrite || strPath.empty()) return false;
    std::string strExt;
    return GetFileExt(strExt, strPath) && strExt == StageFileExt();
}

std::string ProposedSaveName(const std::string& strPath, bool bOverwrite)
{
    if (!bOverwrite || strPath.empty()) return std::string();
    std::string strOut;
    if (!ChangeFileExt(strOut, strPath, StageFileExt().c_str())) strOut = strPath + "." + StageFileExt();
    return strOut;
}

void PrepareStageSave(cStage& stage, cEditState& state, tWnd hOwner)
{
    if (!stage.HasPlayer())
        ShowMessageBox(hOwner, "まだプレイヤーが配置されていないので遊ぶことはできません！", "警告", kMbOk);
    // The history's open entry keeps the cells the rule clears.
    cUndoWatch watch(state.m_Undo, stage.m_vCharaGrid);
    stage.KeepSinglePlayer(&watch);
}

eStageSave OverwriteStage(const cStage& stage, cEditState& state, cStageFileOps& ops, tWnd hOwner)
{
    if (!state.m_bStageModified) return eStageSave::Unchanged;
    const std::string strPath = state.m_strStagePath;
    const std::string strBackup = StageBackupPath(strPath);
    bool bBackedUp = false;
    {
        const cWaitWindow wait(hOwner, kSaveTitle, kSaveText);
        if (ops.Exists(strPath)) {
            if (!ops.Move(strPath, strBackup)) {
                ErrorBox(Format("%s のバックアップを %s に作れなかったため、保存を中止しました！\n"
                                "ステージファイルはそのままです。",
                                strPath.c_str(), strBackup.c_str()));
                return eStageSave::Failed;
            }
            bBackedUp = true;
        }
        if (!ops.Write(stage, strPath)) {
            if (bBackedUp && !ops.Move(strBackup, strPath)) {
                ErrorBox(Format("%s の保存に失敗しました！\n元のファイルは %s に残っています。", strPath.c_str(),
                                strBackup.c_str()));
                return eStageSave::Failed;
            }
            TellSaveFailed(strPath);
            return eStageSave::Failed;
        }
        if (bBackedUp && !ops.Delete(strBackup)) DebugMesBox("バックアップファイルの削除に失敗しました！");
    }
    state.m_bStageModified = 0;
    return eStageSave::Written;
}

eStageSave SaveStageAs(const cStage& stage, cEditState& state, const std::string& strChosen, bool bOverwrite,
                       u32 dwOldFiles, cStageFileOps& ops, tWnd hOwner)
{
    const std::string strPrevious = state.m_strStagePath;
    {
        const cWaitWindow wait(hOwner, kSaveTitle, kSaveText);
        if (!ops.Write(stage, strChosen)) {
            TellSaveFailed(strChosen);
            return eStageSave::Failed;
        }
        std::string strPath = strChosen;
        if (!MakeRelativePath(strPath, 1)) ShowMessageBox(hOwner, kOtherDriveText, "エラー", kMbOk);
        state.m_strStagePath = strPath;
        if (!strPrevious.empty() && bOverwrite) HandleOlderFile(strPrevious, strPath, dwOldFiles, ops);
    }
    state.m_bStageModified = 0;
    return eStageSave::Written;
}

void CheckStageFileExists(const cEditState& state, tWnd hOwner)
{
    if (state.m_strStagePath.empty() || FileSystem().Exists(state.m_strStagePath)) return;
    ShowMessageBox(hOwner,
                   "現在編集中のステージのファイル名が変更された可能性があります。\n"
                   "ステージファイルを開き直さないとデータの上書き保存やテストプレイに失敗する可能性があります。",
                   "警告", kMbOk);
}

bool LoadStagePaletteFile(cStage& stage, const std::string& strPath, tWnd hOwner)
{
    const eLoadResult eResult = stage.LoadPalette(strPath);
    if (eResult == eLoadResult::Loaded) {
        stage.Normalize();
        return true;
    }
    std::string strText = Format("ステージパレットファイル %s の読み込みに失敗しました！", strPath.c_str());
    if (eResult == eLoadResult::Damaged)
        strText += "\nファイルが壊れています。";
    else if (g_bNewerFile)
        strText += "\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。";
    strText += "\n編集中のステージはそのままです。";
    ShowMessageBox(hOwner, strText, "エラー", kMbOk);
    return false;
}

bool SaveStagePaletteFile(const cStage& stage, const std::string& strPath, tWnd)
{
    if (stage.SavePalette(strPath)) return true;
    TellSaveFailed(strPath);
    return false;
}
