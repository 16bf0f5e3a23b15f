#pragma once
// The editor's top-level window and stage editor window as start-up makes
// them, in the test program itself.
#include <windows.h>

// The top-level window (its class registered once) with the stage editor
// window and its palette and group windows; null when it couldn't be made.
HWND CreateEditorWindows();
// The stage editor window deleted, the top-level window destroyed and the
// messages they left dropped.
void DestroyEditorWindows(HWND hMain);
