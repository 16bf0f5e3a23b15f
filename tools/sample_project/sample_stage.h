#pragma once
// The sample project's default stage: a short level with ground, platforms,
// a player, two enemies and things to pick up, placed from the stage's own
// palette as the editor's pens place them.
#include "data/stage.h"

void BuildSampleStage(cStage& stage);
