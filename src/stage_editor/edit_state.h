#pragma once
// The stage editor's edit state as the top-level window uses it: the stage
// path and its flag survive a rebuild of the editor window; the test-play flag is cleared when the game program reports its end.
#include <array>
#include <memory>
#include <string>

#include "app/types.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"

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
    // Releases the picked entries and clears their flags.
    void ResetPick();

    std::string m_strStagePath;
    u32 m_bHasPath = 0;
    u32 m_bTestPlay = 0;
    u32 m_bStageModified = 0;
    u32 m_bCommonModified = 0;  // the common palette
    // The palette windows' selection: the side (0 common, 1 stage) and the
    // selected entry's index (-1 none).
    s32 m_nSelSide = 0;
    s32 m_nSelIndex = -1;
    // The picked entries, one per kind (block, chara, item): the palette
    // windows' clipboard, with their valid and cut flags.
    std::shared_ptr<cEdBlock> m_spPickBlock;
    std::shared_ptr<cEdChara> m_spPickChara;
    std::shared_ptr<cEdItem> m_spPickItem;
    std::array<u32, 3> m_abPickValid = {};
    std::array<u32, 3> m_abPickCut = {};
    cUndo m_Undo;
};


extern cEditState g_EditState;
