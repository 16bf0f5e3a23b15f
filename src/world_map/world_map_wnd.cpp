#include "world_map/world_map_wnd.h"

void cWorldMapWnd::ShowWindows() { Show(true); }

void cWorldMapWnd::HideWindows() { Show(false); }
