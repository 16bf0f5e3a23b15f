#include "stage_editor/stage_refresh.h"

namespace {

tStageInheritRefresh& Refresh()
{
    static tStageInheritRefresh s_Refresh;
    return s_Refresh;
}

}  // namespace

void RefreshStageInheritance(u32 bStage, u32 dwKind)
{
    if (Refresh()) Refresh()(bStage, dwKind);
}

void SetStageInheritRefresh(tStageInheritRefresh refresh) { Refresh() = std::move(refresh); }
