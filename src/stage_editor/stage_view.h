#pragma once
// The stage view's picture: the placed entries of the open stage (g_Stage)
// that the view shows, the grid, the centre marks, the scroll limits and
// the cursor of the edit state's tool (g_EditState).
#include "framework/surface.h"
#include "stage_editor/engine/stage_tools.h"

// Draws the view of the stage from the view's origin cell into the surface;
// bShift shows the pen's previews on every layer.
void DrawStageView(cSurface& back, const cViewport& view, bool bShift);
