#pragma once
// The stage editor's edit state and cursor as the top-level window uses
// them: the stage path and its flag survive a rebuild of the editor window;
// the test-play flag is cleared when the game program reports its end.
#include <array>
#include <string>
#include <vector>

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

// The editor's cursor: the current entry and the entries of four values.
class cEditCursor {
public:
    // One entry of zeros, which becomes the current one.
    void Reset();

    std::array<u32, 4>* m_lpCurrent = nullptr;
    u32 m_dwSecond = 0;
    std::vector<std::array<u32, 4>> m_Entries;
};

extern cEditState g_EditState;
extern cEditCursor g_EditCursor;
