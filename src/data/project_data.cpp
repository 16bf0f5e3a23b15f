#include "data/project_data.h"

#include "app/global_order.h"

// In the order of app/global_order.h; the window services between them are
// defined in their own modules.
std::string g_strCurFolder TARVENOL_GLOBAL(kGlobalCurFolder);
cWorldCursor g_WorldCursor TARVENOL_GLOBAL(kGlobalWorldCursor);
cSheetSize g_SheetSize TARVENOL_GLOBAL(kGlobalSheetSize);
// (The editor settings: kGlobalEditConfig.)
cPrjOption g_PrjOption TARVENOL_GLOBAL(kGlobalPrjOption);
// (The variable info: kGlobalGValInfo. The stage: kGlobalStage.)
cWorldMap g_WorldMap TARVENOL_GLOBAL(kGlobalWorldMap);
// (The common palette: kGlobalCommonPalette.)
cSystem g_System TARVENOL_GLOBAL(kGlobalSystem);
cDatabase g_Database TARVENOL_GLOBAL(kGlobalDatabase);
