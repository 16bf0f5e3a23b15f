#include "data/project_data.h"

#include "app/global_order.h"

std::string g_strCurFolder TARVENOL_GLOBAL(kGlobalCurFolder);
cWorldCursor g_WorldCursor TARVENOL_GLOBAL(kGlobalWorldCursor);
cSheetSize g_SheetSize TARVENOL_GLOBAL(kGlobalSheetSize);
cBackupSchedule g_BackupSchedule TARVENOL_GLOBAL(kGlobalPrjOption);
cWorldMap g_WorldMap TARVENOL_GLOBAL(kGlobalWorldMap);
cSystem g_System TARVENOL_GLOBAL(kGlobalSystem);
cDatabase g_Database TARVENOL_GLOBAL(kGlobalDatabase);
