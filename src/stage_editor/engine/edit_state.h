#pragma once
// The stage editor's one edit state: the open stage's path and flags, the
// current layer, tool and right-click mode, the pen (a pattern of records
// per layer), the picked entries that the palette windows use as their
// clipboard, the drag in progress, the cursor cell and the undo history.
// The windows that show it hear of its changes through cEditUi.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/types.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "stage_editor/engine/undo.h"

class cStage;

enum eEditLayer : s32 {
    kLayerBlock,
    kLayerChara,
    kLayerItem,
    kLayers,
};

enum eEditTool : s32 {
    kToolPen,    // "普通"
    kToolLine,   // "直線"
    kToolRect,   // "矩形"
    kToolFill,   // "塗り潰し"
    kToolParam,  // "パラメーターの編集"
    kTools,
};

// The cursor's shape in the view.
enum eCursorMode : s32 {
    kCursorPen = 0,   // a frame of the pen's size
    kCursorLine = 1,
    kCursorRect = 2,
    kCursorCell = 3,  // a one-cell frame
    kCursorPick = 5,  // a right-button pick in progress
};

// What the data window of an entry edits.
enum eEntryEditMode : s32 {
    kEditPlaced = 0,         // a placed entry
    kEditStagePalette = 1,   // a stage palette entry
    kEditCommonPalette = 2,  // a common palette entry
    kEditKeepWindows = 3,    // closing it leaves the windows as they are
};

template <class D> constexpr s32 LayerOf();
template <> constexpr s32 LayerOf<cEdBlock>() { return kLayerBlock; }
template <> constexpr s32 LayerOf<cEdChara>() { return kLayerChara; }
template <> constexpr s32 LayerOf<cEdItem>() { return kLayerItem; }
constexpr u32 MaskOfLayer(s32 nLayer) { return 1u << nLayer; }

// A cell of the stage; (-1, -1) when none.
struct cCellPoint {
    s32 nX = -1;
    s32 nY = -1;
};

// The cursor: its cell and the cell's pixel position in the view.
struct cEditCursor {
    s32 nX = 0;
    s32 nY = 0;
    s32 nPixelX = 0;
    s32 nPixelY = 0;
};

// What a layer keeps while another layer is current.
struct cLayerSlot {
    s32 nSelIndex = -1;
    s32 nPenWidth = 1;
    s32 nPenHeight = 1;
};

// What the edit state and the tools tell the windows. The stage window
// fills it; without one nothing is told.
class cEditUi {
public:
    virtual ~cEditUi() = default;
    // The current layer or tool changed: the layer's menu check and
    // toolbar buttons, the palette windows shown and their tool buttons.
    virtual void LayerChanged() {}
    virtual void ToolChanged() {}
    // The undo or redo count changed.
    virtual void HistoryChanged() {}
    // The palette windows' panes (and the group window) need a redraw.
    virtual void RedrawPanes() {}
    virtual void SetWaitCursor(bool) {}
    // The data window of the entry under the cursor.
    virtual void OpenEntryAtCursor() {}
    // The keyboard focus goes to the stage view.
    virtual void FocusView() {}
};

class cEditState {
public:
    cEditState();

    // Back to a fresh state: no stage path, no flags, block layer, pen
    // tool, a 1 x 1 pen of empty records, no picked entries, no drag.
    void Init();
    // The same for a rebuild of the stage window, which keeps the stage:
    // its path, the stage-open flag, both modified flags (unsaved changes
    // are still unsaved) and a running test play.
    void InitKeepingStage();
    // The layer becomes current (SwitchLayer remembers the previous one);
    // each layer keeps its own selected entry and pen size.
    void SetLayer(s32 nLayer);
    void SwitchLayer(s32 nLayer);
    // The tool and the cursor shape it gives.
    void SetTool(s32 nTool);
    void SetRightClickMode(s32 nMode);
    // Releases the picked entries and clears their flags.
    void ResetPick();
    static s32 CursorModeOf(s32 nTool);

    // The undo history: an entry for the layers of the mask (nothing during
    // a test play), then the windows hear of the counts.
    bool Record(u32 dwMask);
    // An entry for every layer with Shift held, else for the current one.
    void SnapshotForEdit(bool bShift) { Record(bShift ? kMaskAll : MaskOfLayer(m_nLayer)); }
    bool Undo(cStage& stage);
    bool Redo(cStage& stage);
    // Sizes the history for the stage by its undo depth and the free
    // memory; a depth lowered by the memory rule is stored in the stage.
    void ResizeUndo(cStage& stage, s64 nFreeBytes);
    void ClearUndo();

    template <class D> std::vector<D>& Pen();
    template <class D> const std::vector<D>& Pen() const { return const_cast<cEditState*>(this)->Pen<D>(); }
    template <class D> std::shared_ptr<D>& Picked();

    void SetUi(cEditUi* lpUi) { m_lpUi = lpUi; }
    cEditUi& Ui() const;

    std::string m_strStagePath;   // relative to the project folder; "" when none
    u32 m_bHasPath = 0;           // a stage is open
    u32 m_bStageModified = 0;
    u32 m_bCommonModified = 0;    // the common palette
    u32 m_bTestPlay = 0;          // a test play runs
    u32 m_dwTestPlayStart = 0;    // the clock (ms) at the last test play started
    s32 m_nLayer = kLayerBlock;
    s32 m_nPrevLayer = kLayerBlock;
    s32 m_nTool = kToolPen;
    s32 m_nCursorMode = kCursorPen;
    s32 m_nRightClick = 0;        // 0 a palette right click opens the entry, 1 shows the menu
    // The pen: pen width x pen height records per layer, row by row.
    std::vector<cEdBlock> m_vPenBlock;
    std::vector<cEdChara> m_vPenChara;
    std::vector<cEdItem> m_vPenItem;
    // The placed records that a data window edits, and what it edits.
    cEdBlock* m_lpEditBlock = nullptr;
    cEdChara* m_lpEditChara = nullptr;
    cEdItem* m_lpEditItem = nullptr;
    s32 m_nEntryEditMode = kEditPlaced;
    // The picked entries, one per kind (block, chara, item): the palette
    // windows' clipboard, with their valid flags, source side, source
    // palette index (-1: taken from a placed cell) and cut flags.
    std::shared_ptr<cEdBlock> m_spPickBlock;
    std::shared_ptr<cEdChara> m_spPickChara;
    std::shared_ptr<cEdItem> m_spPickItem;
    std::array<u32, 3> m_abPickValid = {};
    std::array<s32, 3> m_anPickSide = {};
    std::array<s32, 3> m_anPickIndex = {-1, -1, -1};
    std::array<u32, 3> m_abPickCut = {};
    // The palette windows' selection: the side (0 common, 1 stage) and the
    // selected entry's index (-1 none).
    s32 m_nSelSide = 0;
    s32 m_nSelIndex = -1;
    cCellPoint m_PickStart;
    s32 m_nPenWidth = 1;
    s32 m_nPenHeight = 1;
    u32 m_bDrag = 0;
    cCellPoint m_LineStart;
    cCellPoint m_RectStart;
    s32 m_nRectWidth = 1;
    s32 m_nRectHeight = 1;
    std::array<cLayerSlot, kLayers> m_aLayerSlot;
    cEditCursor m_Cursor;
    cUndo m_Undo;

private:
    void ResetPen();
    void SwitchTo(s32 nLayer);

    cEditUi* m_lpUi = nullptr;
};

template <> inline std::vector<cEdBlock>& cEditState::Pen<cEdBlock>() { return m_vPenBlock; }
template <> inline std::vector<cEdChara>& cEditState::Pen<cEdChara>() { return m_vPenChara; }
template <> inline std::vector<cEdItem>& cEditState::Pen<cEdItem>() { return m_vPenItem; }
template <> inline std::shared_ptr<cEdBlock>& cEditState::Picked<cEdBlock>() { return m_spPickBlock; }
template <> inline std::shared_ptr<cEdChara>& cEditState::Picked<cEdChara>() { return m_spPickChara; }
template <> inline std::shared_ptr<cEdItem>& cEditState::Picked<cEdItem>() { return m_spPickItem; }

extern cEditState g_EditState;
