#include "editor/project_load.h"

#include "app/game_palette.h"
#include "app/log.h"
#include "data/project_data.h"
#include "data/project_loader.h"
#include "framework/bitmap_slots.h"
#include "stage_editor/engine/edit_state.h"

namespace {

// The system data's transparent colour of 24- and 32-bit sheets, as the
// colour key (bytes blue, green, red, 0).
u32 SystemColorKey()
{
    return g_System.m_byTransparentB | (g_System.m_byTransparentG << 8) | (g_System.m_byTransparentR << 16);
}

}  // namespace

bool LoadProject()
{
    if (!LoadProjectData()) return false;
    if (!LoadProjectPalettes()) return false;
    SetColorKey(SystemColorKey());
    // The stage holds a new stage's defaults here: slot 0 shows the image of
    // its first background layer.
    const std::string strStageBack = g_Stage.m_vBackground.empty() ? "" : g_Stage.m_vBackground[0].m_strImage;
    if (!LoadBitmapSlots(strStageBack, g_WorldMap.m_strBackImage)) return false;
    if (!LoadCharaExcBitmaps(g_vCharaExcBitmap, g_Database.m_vCharaExcBmp)) return false;
    g_EditState.m_strStagePath.clear();
    g_EditState.m_bHasPath = 0;
    UpgradeSave();
    return true;
}

bool LoadLastStage(const std::string& strPath)
{
    const bool bLoaded = OpenLastStage(g_Stage, strPath);
    g_EditState.m_strStagePath = bLoaded ? strPath : std::string();
    g_EditState.m_bHasPath = bLoaded ? 1 : 0;
    g_EditState.ResizeUndo(g_Stage, static_cast<s64>(GetFreePhysMemory()));
    return bLoaded;
}
