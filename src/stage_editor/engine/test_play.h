#pragma once
// Test play: the game program started on the stage being edited or on the
// whole game, after what it reads is saved. The editor doesn't wait for the
// game; a test play counts as running until the game reports its end.
#include <string>

#include "app/types.h"
#include "stage_editor/engine/stage_files.h"

class cEditState;
class cStage;

// A second start within this time of an accepted one is dropped silently.
constexpr u32 kTestPlayGuardMs = 3000;

// What a test play asks of the editor around it.
class cTestPlayHost {
public:
    virtual ~cTestPlayHost() = default;
    // The game program's path; false when there is none.
    virtual bool FindGame(std::string& strPath) = 0;
    // The stage saved as Ctrl+S saves it.
    virtual eStageSave SaveStage() = 0;
    virtual bool SaveCommonPalette() = 0;
    // The undo history emptied, the undo buttons and menu items told.
    virtual void ClearUndo() = 0;
    // Starts the game with the parameters (empty: none); false when it
    // could not be started.
    virtual bool Launch(const std::string& strGame, const std::string& strParams) = 0;
    // The editor waits for messages until it is activated again.
    virtual void Deactivate() {}
};

enum class eTestPlay {
    Started,
    Ignored,  // a second start right after one
    Refused,  // told to the user
};

// Runs a test play (bWhole: the whole game, else the stage) at the clock
// value dwNow (ms). Every refusal but the double start clears the running
// flag again; the flags of the files saved are cleared only when they were
// written.
eTestPlay RunTestPlay(cEditState& state, const cStage& stage, bool bWhole, u32 dwNow, cTestPlayHost& host,
                      tWnd hOwner);
