#include "stage_editor/stage_refresh.h"

#include "data/project_data.h"

namespace {

// The open stage's passes: a common palette list refreshes the entries that
// inherit from the common palette (and from the stage palette after them),
// a stage palette list those that inherit from the stage palette.
void RefreshOpenStage(u32 bStage, u32 dwKind)
{
    switch (dwKind) {
    case 0:
        bStage ? g_Stage.RefreshStageInheritBlocks() : g_Stage.RefreshCommonInheritBlocks();
        break;
    case 1:
        bStage ? g_Stage.RefreshStageInheritCharas() : g_Stage.RefreshCommonInheritCharas();
        break;
    default:
        bStage ? g_Stage.RefreshStageInheritItems() : g_Stage.RefreshCommonInheritItems();
        break;
    }
}

tStageInheritRefresh& Refresh()
{
    static tStageInheritRefresh s_Refresh = RefreshOpenStage;
    return s_Refresh;
}

}  // namespace

void RefreshStageInheritance(u32 bStage, u32 dwKind)
{
    if (Refresh()) Refresh()(bStage, dwKind);
}

void SetStageInheritRefresh(tStageInheritRefresh refresh) { Refresh() = refresh ? std::move(refresh) : RefreshOpenStage; }
