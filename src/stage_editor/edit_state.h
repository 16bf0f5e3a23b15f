#pragma once
// The stage editor's edit state as the top-level window uses it: the stage
// path and its flag survive a rebuild of the editor window; the test-play flag is cleared when the game program reports its end.
#include <string>

#include "app/types.h"

// The undo history; the stage editor sizes it for the current stage.
class cUndo {
public:
    virtual ~cUndo() = default;
    virtual void ResizeForStage() {}
};

class cEditState {
public:
    // Back to a fresh state: no stage path, no flags.
    void Init();

    std::string m_strStagePath;
    u32 m_bHasPath = 0;
    u32 m_bTestPlay = 0;
    cUndo m_Undo;
};


extern cEditState g_EditState;
