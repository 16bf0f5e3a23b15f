#pragma once
// The placement tools of the stage view: the cursor cell under the mouse,
// the pen, line, rectangle and fill tools, the parameter-edit tool, the
// right-button pick that turns a rectangle of the stage into the pen, and
// the cut, delete and flip keys that act on the pick. Every change of a
// grid cell goes through the undo history first.
//
// The stage window hands in the mouse messages with the button and Shift
// states of their moment; the tools work on one stage and one edit state.
#include <functional>
#include <vector>

#include "app/types.h"
#include "data/stage.h"
#include "stage_editor/engine/edit_state.h"

constexpr s32 kCellPixels = 32;
// The most cells a line writes.
constexpr s32 kMaxLineCells = 200;

enum class eMouseMsg { Move, LDown, LUp, LDblClk, RDown, RUp, RDblClk };

// One mouse message: the position in view pixels and the states of its
// moment.
struct cMouseInput {
    eMouseMsg eMsg = eMouseMsg::Move;
    s32 nX = 0;
    s32 nY = 0;
    bool bLeftHeld = false;
    bool bShift = false;
};

// The mouse as the window's frame tick samples it: the position in view
// pixels (outside the view too) and each button's held state and its press
// and release since the last sample.
struct cFrameMouse {
    s32 nX = 0;
    s32 nY = 0;
    bool bLeftHeld = false, bLeftPressed = false, bLeftReleased = false;
    bool bRightHeld = false, bRightPressed = false, bRightReleased = false;
    bool bShift = false;
};

// The part of the stage the view shows: its origin cell and its size in
// pixels.
struct cViewport {
    s32 nScrollX = 0;
    s32 nScrollY = 0;
    s32 nWidth = 640;
    s32 nHeight = 480;
    bool Contains(s32 x, s32 y) const { return x >= 0 && y >= 0 && x < nWidth && y < nHeight; }
};

// The cells a line from start to target visits, at most 200, each with its
// pattern column (0, 1, ... wrapping at the pen width). Cells may lie
// outside the stage.
void WalkLine(cCellPoint start, cCellPoint target, s32 nPenWidth, const std::function<void(s32, s32, s32)>& visit);

// The view origin at start-up: the player's cell minus (10, 7), kept inside
// [0, width - 20] x [0, height - 15] (the upper bound first, so a stage
// smaller than the view starts at 0).
cCellPoint StartOrigin(cCellPos player, u32 dwWidth, u32 dwHeight);

class cStageTools {
public:
    cStageTools(cEditState& state, cStage& stage) : m_State(state), m_Stage(stage) {}

    // A mouse message of the view (routed while a stage is open): the
    // cursor follows it, the tool and the pick handle it.
    void OnMouse(const cMouseInput& in, const cViewport& view);
    // A key while a pick is in progress: D or NumPad 4 cuts the rectangle
    // into the pen, Q or F2 clears it, R or F3 flips its charas. True when
    // the key did something.
    bool OnPickKey(u32 dwVirtualKey, bool bShift);
    // The frame tick during a drag with the mouse outside the view: the
    // cursor follows it (clamped to the stage), and the held, pressed and
    // released buttons extend, end or finish the drag. True when it did
    // something.
    bool OnDragFrame(const cFrameMouse& mouse, const cViewport& view);

    // The cursor from a position in view pixels. Inside the view the cell
    // under it (when that lies on the stage); outside it, the nearest cell
    // of the view, clamped to the stage.
    void UpdateCursor(s32 nX, s32 nY, const cViewport& view);

    // Writes the pen record at the pattern index into the cell: all three
    // layers with Shift, else the current one; charas by the player rule.
    void WriteCell(u32 dwCell, u32 dwPattern, bool bShift);
    // The pick rectangle (from the pick start to the cursor) into the pen:
    // all three layers' pens with Shift, else the current layer's.
    void CopyPickToPen(bool bShift);
    // Empties the cells of the pick rectangle (pen size from its smaller
    // corner, clipped): all three layers with Shift, else the current one.
    void ClearPick(bool bShift);
    // Turns the charas of the pick rectangle whose facing isn't inherited.
    void FlipPick(bool bShift);
    // Empties whole grids, by layer mask (an undo entry first).
    void ClearLayers(u32 dwMask);
    // The layer that the data window at the cursor edits: the current one
    // when its cell holds an entry, else the first other layer that does
    // (block: chara, item; chara: item, block; item: chara, block); -1 when
    // none does or the cursor lies off the stage.
    s32 EntryLayerAtCursor() const;

private:
    // The current tool's handler.
    void OnTool(const cMouseInput& in);
    void OnPen(const cMouseInput& in);
    void OnLine(const cMouseInput& in);
    void OnRect(const cMouseInput& in);
    void OnFill(const cMouseInput& in);
    void OnParam(const cMouseInput& in);
    void OnPick(const cMouseInput& in);
    void Stamp(bool bShift);
    void DrawLine(bool bShift);
    void FillRect(bool bShift);
    void Fill();
    template <class D> void FloodLayer();
    template <class D> void WriteLayer(u32 dwCell, u32 dwPattern);
    template <class D> void CopyLayerToPen(cCellPoint origin, s32 nWidth, s32 nHeight);
    template <class D> void ClearCells(cCellPoint origin, s32 nWidth, s32 nHeight);
    // The smaller corner of the pick start and the cursor.
    cCellPoint PickOrigin() const;
    bool IsOnStage(s32 x, s32 y) const;
    u32 CellOf(s32 x, s32 y) const { return m_Stage.CellOf(static_cast<u32>(x), static_cast<u32>(y)); }
    void EndPick();

    cEditState& m_State;
    cStage& m_Stage;
};
