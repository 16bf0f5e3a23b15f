#include "data/settings_load.h"

#include "app/file_system.h"
#include "app/log.h"
#include "data/project_paths.h"

eSettingsLoad g_SettingsLoad = eSettingsLoad::kMissing;

eSettingsLoad LoadEditorSettings(cEdData& settings)
{
    const char* lpPath = g_strPath[kPathEditConfig];
    const bool bExists = FileSystem().Exists(lpPath);
    if (bExists && settings.LoadFile(lpPath)) return eSettingsLoad::kRead;
    ErrLog("EditConfig.Load 失敗");
    return bExists ? eSettingsLoad::kRefused : eSettingsLoad::kMissing;
}

u32 SaveEditorSettings(const cEdData& settings, eSettingsLoad loaded)
{
    if (!MaySaveEditorSettings(loaded)) return 0;
    return settings.SaveFile(g_strPath[kPathEditConfig]);
}
