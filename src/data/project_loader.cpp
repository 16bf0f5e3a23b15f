#include "data/project_loader.h"

#include <vector>

#include "app/file_system.h"
#include "app/log.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/load_failure.h"
#include "data/project_data.h"
#include "data/project_paths.h"
#include "data/stage_recovery.h"

namespace {

// The stage the editor starts with when the last one can't be read.
constexpr u32 kLastStageFallbackSize = 32;

bool LoadDataFile(cEdData& data, ePath nPath)
{
    if (data.LoadFile(g_strPath[nPath])) return true;
    ReportLoadFailure(g_strPath[nPath]);
    return false;
}

// The variable info always holds one name per variable: names the file
// lacks are empty, names beyond the last variable are dropped.
bool LoadVariableInfo()
{
    const char* lpPath = g_strPath[kPathGValInfo];
    if (!LoadGValInfo(g_GValInfo, lpPath)) {
        ReportLoadFailure(lpPath);
        return false;
    }
    g_GValInfo.resize(kGValCount);
    return true;
}

void LogUpgradeFailure(const std::string& strName) { LogPrintfBoth("UpgradeSave : %s 失敗", strName.c_str()); }

}  // namespace

bool LoadProjectData()
{
    InstallProjectContext();
    if (!LoadVariableInfo()) return false;
    if (!g_Database.Load()) return false;
    if (!LoadDataFile(g_System, kPathSystem)) return false;
    if (!LoadDataFile(g_CommonPalette, kPathCommonPalette)) return false;
    if (!LoadDataFile(g_PrjOption, kPathPrjOption)) return false;
    if (!LoadDataFile(g_WorldMap, kPathWorldMap)) return false;
    CopyDefaultStage();
    return true;
}

void CopyDefaultStage()
{
    std::string strFound;
    if (FindNumberedFile(strFound, g_strPath[kPathDefaultStage], g_strExt[kExtStage])) return;
    if (!FindNumberedFile(strFound, g_strPath[kPathDefDefaultStage], g_strExt[kExtStage])) return;
    std::string strTarget;
    ChangeFileExt(strTarget, g_strPath[kPathDefaultStage], g_strExt[kExtStage]);
    strTarget = Format("%s_%s", strTarget.c_str(), strFound.substr(strFound.size() - 3).c_str());
    cFileSystem& fs = FileSystem();
    if (!fs.Exists(strTarget)) fs.CopyOneFile(strFound, strTarget);
}

bool OpenLastStage(cStage& stage, const std::string& strPath)
{
    if (strPath.empty()) return false;
    RecoverBrokenFile(strPath);
    if (stage.LoadFile(strPath)) return true;
    stage.New();
    stage.SetSize(kLastStageFallbackSize, kLastStageFallbackSize, 0, 0);
    return false;
}

bool UpgradeSave()
{
    const cSaveGroup group;
    bool bOk = true;
    if (IsFileOlderThan(g_strPath[kPathSystem], kDataVersion) && !g_System.SaveFile(1)) {
        LogUpgradeFailure(g_strPath[kPathSystem]);
        bOk = false;
    }
    std::vector<std::string> failed;
    if (!g_Database.Save(true, &failed)) {
        for (const std::string& strName : failed) LogUpgradeFailure(strName);
        bOk = false;
    }
    if (IsFileOlderThan(g_strPath[kPathWorldMap], kDataVersion) && !g_WorldMap.SaveFile(g_strPath[kPathWorldMap])) {
        LogUpgradeFailure(g_strPath[kPathWorldMap]);
        bOk = false;
    }
    return bOk;
}
