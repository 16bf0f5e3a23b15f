#pragma once
// The editor's top-level window and stage editor window as start-up makes
// them, in the test program itself.
#include <windows.h>

#include "support/win32/win_test.h"

// The top-level window (its class registered once) with the stage editor
// window and its palette and group windows; null when it couldn't be made.
HWND CreateEditorWindows();
// The stage editor window deleted, the top-level window destroyed and the
// messages they left dropped.
void DestroyEditorWindows(HWND hMain);

// A fixture with the editor's windows made on an empty stage, fresh editor
// settings and edit state.
class cEditorWindowsTest : public cWinTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // A stage open at the path, with three undo steps: the window rebuilt
    // around it.
    void OpenStage(const char* lpPath);
    // The top-level window rebuilds the stage window.
    void Rebuild();

    HWND m_hMain = nullptr;
};
