#include "data/project_data.h"

#include "app/global_order.h"
#include "data/palette_set.h"
#include "data/project_names.h"
#include "data/project_paths.h"
#include "data/project_var_names.h"
#include "flow/flow_refs.h"

// In the order of app/global_order.h; the window services between them are
// defined in their own modules.
std::string g_strCurFolder TARVENOL_GLOBAL(kGlobalCurFolder);
cWorldCursor g_WorldCursor TARVENOL_GLOBAL(kGlobalWorldCursor);
cSheetSize g_SheetSize TARVENOL_GLOBAL(kGlobalSheetSize);
cEditConfig g_EditConfig TARVENOL_GLOBAL(kGlobalEditConfig);
cPrjOption g_PrjOption TARVENOL_GLOBAL(kGlobalPrjOption);
// Windows may show any variable's name before the project is loaded.
cGValInfo g_GValInfo TARVENOL_GLOBAL(kGlobalGValInfo) = cGValInfo(kGValCount);
cWorldEditState g_WorldEditState TARVENOL_GLOBAL(kGlobalWorldEditState);
cStage g_Stage TARVENOL_GLOBAL(kGlobalStage);
cWorldMap g_WorldMap TARVENOL_GLOBAL(kGlobalWorldMap);
cCommonPalette g_CommonPalette TARVENOL_GLOBAL(kGlobalCommonPalette);
cSystem g_System TARVENOL_GLOBAL(kGlobalSystem);
cDatabase g_Database TARVENOL_GLOBAL(kGlobalDatabase);

void InstallProjectContext()
{
    InstallPalettes(g_CommonPalette, g_Stage);
    SetProjectOptions(&g_PrjOption);
    SetFlowRefs(&g_Database);
    g_System.SetDatabase(&g_Database);
    InstallProjectNames(g_Database, g_CommonPalette, g_Stage, g_GValInfo);
    // The command dialogs list and rename the same names.
    static cProjectVarNames s_VarNames(g_GValInfo, g_Stage.m_vRecord, g_strPath[kPathGValInfo]);
    SetVarNames(&s_VarNames);
}

void RemoveProjectContext()
{
    RemovePalettes();
    SetProjectOptions(nullptr);
    SetFlowRefs(nullptr);
    RemoveProjectNames();
    SetVarNames(nullptr);
}
