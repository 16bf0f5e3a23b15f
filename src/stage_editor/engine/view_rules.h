#pragma once
// Rules of the stage window that need no window: the mouse wheel's scroll,
// which menu items and toolbar buttons are enabled and checked, the chara
// groups in use and their check boxes, and the undo depth's change in the
// stage options.
#include <array>
#include <vector>

#include "app/types.h"
#include "data/stage.h"

// The scroll of one wheel message, in cells: (HIWORD(wParam) read unsigned)
// / 120 notches, where 10 or more counts as one backward notch; the view
// moves by minus the notches, horizontally in wheel mode 0 and vertically
// in mode 1, the other way with Ctrl held; other modes don't scroll.
struct cScrollStep {
    s32 nDx = 0;
    s32 nDy = 0;
};
s32 WheelNotches(u16 wDelta);
cScrollStep WheelScroll(u16 wDelta, u32 dwWheelMode, bool bCtrl);

// The stage window's menu and toolbar.
enum : u16 {
    kCmdNewStage = 40079,
    kCmdOpenStage = 40074,
    kCmdCloseStage = 40130,
    kCmdSave = 40077,
    kCmdSaveAs = 40076,
    kCmdSaveCommon = 40129,
    kCmdUndo = 40052,
    kCmdRedo = 40053,
    kCmdLayerBlock = 40054,
    kCmdLayerChara = 40055,
    kCmdLayerItem = 40056,
    kCmdClearAll = 40161,
    kCmdClearBlocks = 40057,
    kCmdClearCharas = 40058,
    kCmdClearItems = 40059,
    kCmdShowCommon = 40148,
    kCmdShowStage = 40149,
    kCmdShowGroups = 40150,
    kCmdStageSettings = 40013,
    kCmdLoadPalette = 40083,
    kCmdSavePalette = 40084,
    kCmdStageOptions = 40085,
    kCmdDatabase = 40063,
    kCmdWorldMap = 40064,
    kCmdSystem = 40122,
    kCmdProjectOptions = 40062,
    kCmdTestPlay = 40060,
    kCmdTestPlayGame = 40131,
    kCmdBitmapTool = 40061,
    // Accelerator table 105's twins and the toolbar's own IDs.
    kKeyNewStage = 40003,
    kKeyOpenStage = 40004,
    kKeySave = 40005,
    kKeyTestPlay = 40006,
    kKeyRedo = 40010,
    kKeyUndo = 40011,
    kKeyTestPlayGame = 40133,
    kKeyTestPlayF5 = 40165,
    kToolLayerBlock = 40048,
    kToolLayerChara = 40049,
    kToolLayerItem = 40050,
    kToolTestPlay = 40081,
    kToolTestPlayGame = 40134,
};

// The keys of accelerator table 105 that the palette and group windows pass
// on to the stage window: Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+T, Ctrl+Y, Ctrl+Z
// and Ctrl+G.
bool IsStageKeyCommand(u16 wId);

// What the menu and the toolbar show.
struct cEditorState {
    bool bStageOpen = false;
    s32 nLayer = 0;
    s32 nUndo = 0;
    s32 nRedo = 0;
    bool bCommonShown = false;  // the common block palette window's flag
    bool bStageShown = false;   // the stage block palette window's flag
    bool bGroupShown = false;   // the chara group window's flag
};
struct cCommandState {
    u16 wId;
    bool bEnabled;
    bool bChecked;
    friend bool operator==(const cCommandState& a, const cCommandState& b)
    {
        return a.wId == b.wId && a.bEnabled == b.bEnabled && a.bChecked == b.bChecked;
    }
};
std::vector<cCommandState> MenuStates(const cEditorState& state);
std::vector<cCommandState> ToolbarStates(const cEditorState& state);

// The 60 chara groups: which ones the in-use charas placed on the stage
// belong to (numbers outside 0..59 are ignored), and the check box of each.
constexpr s32 kCharaGroups = 60;
std::array<bool, kCharaGroups> UsedCharaGroups(const cStage& stage);
u16 GroupCheckId(s32 nGroup);

// The stage options' new undo depth. A larger depth needs
// snapshot x (new - old) x 2 bytes free, else it is refused.
struct cDepthChange {
    s32 nDepth;     // the depth the stage keeps
    bool bResize;   // the history is sized anew
    bool bRefused;  // not enough memory: the old depth stays
};
cDepthChange DecideDepthChange(s32 nOld, s32 nNew, s64 nSnapshotBytes, s64 nFreeBytes);
