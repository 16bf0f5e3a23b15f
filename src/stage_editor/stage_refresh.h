#pragma once
// The stage's inheritance refresh after a palette list changed: entries
// inherit by index, so the stage's entries take their groups again from
// whatever entry now stands at their source index.
#include <functional>

#include "app/types.h"

// bStage: 1 a list of the stage palette, 0 of the common palette; kind 0
// blocks, 1 charas, 2 items.
void RefreshStageInheritance(u32 bStage, u32 dwKind);

// The pass that RefreshStageInheritance runs: the open stage's, unless a
// test installs its own (an empty one puts the stage's back).
using tStageInheritRefresh = std::function<void(u32 bStage, u32 dwKind)>;
void SetStageInheritRefresh(tStageInheritRefresh refresh);
