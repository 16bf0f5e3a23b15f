#include "stage_editor/engine/stage_tools.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

#include "app/fatal.h"
#include "app/numeric.h"

namespace {

// Virtual keys of the pick.
enum : u32 {
    kVkCut = 0x44,        // D
    kVkCutPad = 0x64,     // NumPad 4
    kVkDelete = 0x51,     // Q
    kVkDeleteF2 = 0x71,   // F2
    kVkFlip = 0x52,       // R
    kVkFlipF3 = 0x72,     // F3
};

// The inherit flag of a chara's facing group.
constexpr size_t kFacingGroup = 5;

bool IsPlayer(const cEdChara& chara) { return !chara.IsEmpty() && chara.m_cControl == 0; }

s32 Wrap(s32 n, s32 nSize) { return ((n % nSize) + nSize) % nSize; }

// An empty cell exactly as a cleared cell holds it.
template <class D>
bool SameTail(const D& a, const D& b)
{
    return a.m_vCond == b.m_vCond;
}
template <>
bool SameTail<cEdChara>(const cEdChara& a, const cEdChara& b)
{
    return a.m_vCond == b.m_vCond && a.m_vFlow == b.m_vFlow;
}
template <>
bool SameTail<cEdItem>(const cEdItem& a, const cEdItem& b)
{
    return a.m_vCond == b.m_vCond && a.m_vCommand == b.m_vCommand;
}
template <class D>
bool IsBlank(const D& cell)
{
    const D& blank = EmptyCell<D>();
    return cell.IsEmpty() && cell.m_bbInherit == blank.m_bbInherit && cEdData::IsEqual(cell, blank) &&
           SameTail(cell, blank);
}

template <class F>
void ForEachLayer(bool bAll, s32 nCurrent, F f)
{
    for (s32 nLayer = 0; nLayer < kLayers; ++nLayer)
        if (bAll || nLayer == nCurrent) f(nLayer);
}

}  // namespace

void WalkLine(cCellPoint start, cCellPoint target, s32 nPenWidth, const std::function<void(s32, s32, s32)>& visit)
{
    double x = start.nX + 0.5, y = start.nY + 0.5;
    const s32 nWidth = std::max(nPenWidth, 1);
    s32 c = 0;
    bool bReached = false;
    for (s32 i = 0; i < kMaxLineCells; ++i) {
        visit(TruncToS32(x), TruncToS32(y), c);
        if (bReached) break;
        bReached = StepTowards(x, y, target.nX, target.nY, 1.0);
        c = (c + 1) % nWidth;
    }
}

cCellPoint StartOrigin(cCellPos player, u32 dwWidth, u32 dwHeight)
{
    auto clamp = [](s32 n, s32 nUpper) { return std::max(std::min(n, nUpper), 0); };
    cCellPoint origin;
    origin.nX = clamp(static_cast<s32>(player.dwX) - 10, static_cast<s32>(dwWidth) - 20);
    origin.nY = clamp(static_cast<s32>(player.dwY) - 7, static_cast<s32>(dwHeight) - 15);
    return origin;
}

bool cStageTools::IsOnStage(s32 x, s32 y) const
{
    return x >= 0 && y >= 0 && x < static_cast<s32>(m_Stage.m_dwWidth) && y < static_cast<s32>(m_Stage.m_dwHeight);
}

void cStageTools::UpdateCursor(s32 nX, s32 nY, const cViewport& view)
{
    cEditCursor& cursor = m_State.m_Cursor;
    const s32 nWidth = static_cast<s32>(m_Stage.m_dwWidth), nHeight = static_cast<s32>(m_Stage.m_dwHeight);
    if (view.Contains(nX, nY)) {
        const s32 cx = nX / kCellPixels, cy = nY / kCellPixels;
        if (view.nScrollX + cx >= nWidth || view.nScrollY + cy >= nHeight) return;
        cursor = {view.nScrollX + cx, view.nScrollY + cy, cx * kCellPixels, cy * kCellPixels};
        return;
    }
    const s32 cx = std::clamp(nX, 0, std::max(view.nWidth - 1, 0)) / kCellPixels;
    const s32 cy = std::clamp(nY, 0, std::max(view.nHeight - 1, 0)) / kCellPixels;
    cursor = {std::min(view.nScrollX + cx, nWidth - 1), std::min(view.nScrollY + cy, nHeight - 1), cx * kCellPixels,
              cy * kCellPixels};
}

void cStageTools::OnMouse(const cMouseInput& in, const cViewport& view)
{
    if (view.Contains(in.nX, in.nY) || m_State.m_bDrag) UpdateCursor(in.nX, in.nY, view);
    if (in.eMsg == eMouseMsg::LDown) m_State.m_bStageModified = 1;
    if (m_State.m_nCursorMode != kCursorPick) OnTool(in);
    if (in.eMsg == eMouseMsg::RDblClk) m_State.Ui().OpenEntryAtCursor();
    else OnPick(in);
    if (in.eMsg == eMouseMsg::LDown || in.eMsg == eMouseMsg::RDown) m_State.Ui().FocusView();
}

void cStageTools::OnTool(const cMouseInput& in)
{
    switch (m_State.m_nTool) {
    case kToolPen:
        return OnPen(in);
    case kToolLine:
        return OnLine(in);
    case kToolRect:
        return OnRect(in);
    case kToolFill:
        return OnFill(in);
    case kToolParam:
        return OnParam(in);
    default:
        return;
    }
}

// The pen stamps its pattern at the cursor while the left button is held;
// a press first records every layer.
void cStageTools::OnPen(const cMouseInput& in)
{
    if (in.eMsg == eMouseMsg::LDown) m_State.Record(kMaskAll);
    if ((in.eMsg == eMouseMsg::LDown || in.eMsg == eMouseMsg::Move) && in.bLeftHeld) Stamp(in.bShift);
    if (in.eMsg == eMouseMsg::LUp) m_State.m_Undo.Seal();
}

void cStageTools::Stamp(bool bShift)
{
    const cEditCursor& cursor = m_State.m_Cursor;
    const s32 nWidth = static_cast<s32>(m_Stage.m_dwWidth), nHeight = static_cast<s32>(m_Stage.m_dwHeight);
    for (s32 r = 0; r < m_State.m_nPenHeight && cursor.nY + r < nHeight; ++r)
        for (s32 c = 0; c < m_State.m_nPenWidth && cursor.nX + c < nWidth; ++c)
            WriteCell(CellOf(cursor.nX + c, cursor.nY + r), static_cast<u32>(r * m_State.m_nPenWidth + c), bShift);
    m_State.Ui().RedrawPanes();
}

void cStageTools::OnLine(const cMouseInput& in)
{
    if (in.eMsg == eMouseMsg::LDown) {
        m_State.m_LineStart = {m_State.m_Cursor.nX, m_State.m_Cursor.nY};
        m_State.m_bDrag = 1;
    } else if (in.eMsg == eMouseMsg::LUp && m_State.m_bDrag) {
        DrawLine(in.bShift);
    }
}

void cStageTools::DrawLine(bool bShift)
{
    m_State.Ui().SetWaitCursor(true);
    m_State.SnapshotForEdit(bShift);
    const cCellPoint target = {m_State.m_Cursor.nX, m_State.m_Cursor.nY};
    WalkLine(m_State.m_LineStart, target, m_State.m_nPenWidth, [&](s32 x, s32 y, s32 c) {
        if (IsOnStage(x, y)) WriteCell(CellOf(x, y), static_cast<u32>(c), bShift);
    });
    m_State.m_Undo.Seal();
    m_State.Ui().RedrawPanes();
    m_State.m_bDrag = 0;
    m_State.Ui().SetWaitCursor(false);
}

void cStageTools::OnRect(const cMouseInput& in)
{
    cEditState& s = m_State;
    if (in.eMsg == eMouseMsg::LDown) {
        s.m_RectStart = {s.m_Cursor.nX, s.m_Cursor.nY};
        s.m_bDrag = 1;
    } else if (in.eMsg == eMouseMsg::Move && in.bLeftHeld && s.m_bDrag) {
        s.m_nRectWidth = std::abs(s.m_Cursor.nX - s.m_RectStart.nX) + 1;
        s.m_nRectHeight = std::abs(s.m_Cursor.nY - s.m_RectStart.nY) + 1;
    } else if (in.eMsg == eMouseMsg::LUp && s.m_bDrag) {
        FillRect(in.bShift);
    }
}

// The pen's pattern tiled over the rectangle from its smaller corner.
void cStageTools::FillRect(bool bShift)
{
    cEditState& s = m_State;
    s.Ui().SetWaitCursor(true);
    s.SnapshotForEdit(bShift);
    const cCellPoint from = {std::min(s.m_RectStart.nX, s.m_Cursor.nX), std::min(s.m_RectStart.nY, s.m_Cursor.nY)};
    s.m_nRectWidth = std::abs(s.m_Cursor.nX - s.m_RectStart.nX) + 1;
    s.m_nRectHeight = std::abs(s.m_Cursor.nY - s.m_RectStart.nY) + 1;
    s.m_RectStart = from;
    const s32 nWidth = static_cast<s32>(m_Stage.m_dwWidth), nHeight = static_cast<s32>(m_Stage.m_dwHeight);
    s32 pr = 0;
    for (s32 i = 0; i < s.m_nRectHeight && from.nY + i < nHeight; ++i) {
        s32 pc = 0;
        for (s32 j = 0; j < s.m_nRectWidth && from.nX + j < nWidth; ++j) {
            WriteCell(CellOf(from.nX + j, from.nY + i), static_cast<u32>(pr * s.m_nPenWidth + pc), bShift);
            pc = (pc + 1) % s.m_nPenWidth;
        }
        pr = (pr + 1) % s.m_nPenHeight;
    }
    s.m_Undo.Seal();
    s.Ui().RedrawPanes();
    s.m_bDrag = 0;
    s.Ui().SetWaitCursor(false);
}

void cStageTools::OnFill(const cMouseInput& in)
{
    if (in.eMsg == eMouseMsg::LDown) Fill();
}

// Fills the 4-connected region of cells equal to the one under the cursor
// with the pen's pattern, aligned with the clicked cell: the cell (x, y)
// takes the pattern cell ((x - cx) mod width, (y - cy) mod height).
void cStageTools::Fill()
{
    m_State.Ui().SetWaitCursor(true);
    // A refused fill changes nothing, the undo history included.
    const bool bChara = m_State.m_nLayer == kLayerChara;
    if (bChara && m_State.m_vPenChara.empty()) {
        m_State.Ui().SetWaitCursor(false);
        return;
    }
    const std::vector<cEdChara>& pen = m_State.m_vPenChara;
    if (bChara && std::any_of(pen.begin(), pen.end(), IsPlayer)) {
        m_State.Ui().SetWaitCursor(false);
        ErrorBox("プレイヤーキャラは塗りつぶしモードで配置できません！");
        return;
    }
    m_State.Record(MaskOfLayer(m_State.m_nLayer));
    switch (m_State.m_nLayer) {
    case kLayerBlock:
        FloodLayer<cEdBlock>();
        break;
    case kLayerChara: {
        FloodLayer<cEdChara>();
        cUndoWatch watch(m_State.m_Undo, m_Stage.m_vCharaGrid);
        m_Stage.KeepSinglePlayer(&watch);
        break;
    }
    default:
        FloodLayer<cEdItem>();
        break;
    }
    m_State.m_Undo.Seal();
    m_State.Ui().RedrawPanes();
    m_State.Ui().SetWaitCursor(false);
}

template <class D>
void cStageTools::FloodLayer()
{
    const cEditCursor& cursor = m_State.m_Cursor;
    if (!IsOnStage(cursor.nX, cursor.nY)) return;
    std::vector<D>& grid = m_Stage.Grid<D>();
    const std::vector<D>& pen = m_State.Pen<D>();
    const s32 nPenWidth = std::max(m_State.m_nPenWidth, 1), nPenHeight = std::max(m_State.m_nPenHeight, 1);
    const s32 nWidth = static_cast<s32>(m_Stage.m_dwWidth), nHeight = static_cast<s32>(m_Stage.m_dwHeight);
    try {
        const D target = grid[CellOf(cursor.nX, cursor.nY)];
        std::vector<u8> visited(m_Stage.CellCount(), 0);
        std::vector<cCellPoint> todo{{cursor.nX, cursor.nY}};
        while (!todo.empty()) {
            const cCellPoint p = todo.back();
            todo.pop_back();
            const u32 dwCell = CellOf(p.nX, p.nY);
            if (visited[dwCell]) continue;
            visited[dwCell] = 1;
            if (!(grid[dwCell] == target)) continue;
            const size_t nPattern = static_cast<size_t>(Wrap(p.nY - cursor.nY, nPenHeight) * nPenWidth +
                                                        Wrap(p.nX - cursor.nX, nPenWidth));
            if (nPattern < pen.size()) {
                m_State.m_Undo.Keep(grid, dwCell);
                grid[dwCell] = pen[nPattern];
            }
            const cCellPoint next[4] = {{p.nX - 1, p.nY}, {p.nX + 1, p.nY}, {p.nX, p.nY - 1}, {p.nX, p.nY + 1}};
            for (const cCellPoint& n : next)
                if (n.nX >= 0 && n.nY >= 0 && n.nX < nWidth && n.nY < nHeight && !visited[CellOf(n.nX, n.nY)])
                    todo.push_back(n);
        }
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
    }
}

void cStageTools::OnParam(const cMouseInput& in)
{
    if (in.eMsg == eMouseMsg::LDown) m_State.Ui().OpenEntryAtCursor();
}

void cStageTools::OnPick(const cMouseInput& in)
{
    cEditState& s = m_State;
    if (in.eMsg == eMouseMsg::RDown) {
        s.m_PickStart = {s.m_Cursor.nX, s.m_Cursor.nY};
        s.m_nCursorMode = kCursorPick;
        s.m_nSelIndex = -1;
        s.m_bDrag = 1;
        return;
    }
    if (s.m_nCursorMode != kCursorPick || !s.m_bDrag) return;
    if (in.eMsg == eMouseMsg::Move) {
        s.m_nPenWidth = std::abs(s.m_Cursor.nX - s.m_PickStart.nX) + 1;
        s.m_nPenHeight = std::abs(s.m_Cursor.nY - s.m_PickStart.nY) + 1;
    } else if (in.eMsg == eMouseMsg::RUp) {
        CopyPickToPen(in.bShift);
        if (s.m_nRightClick == 1 && IsOnStage(s.m_Cursor.nX, s.m_Cursor.nY)) {
            const s32 nLayer = s.m_nLayer;
            const u32 dwCell = CellOf(s.m_Cursor.nX, s.m_Cursor.nY);
            auto pick = [&](auto& grid, auto& spPicked) {
                if (grid[dwCell].IsEmpty()) return;
                spPicked = std::make_shared<std::decay_t<decltype(grid[dwCell])>>(grid[dwCell]);
                s.m_abPickValid[nLayer] = 1;
                s.m_anPickIndex[nLayer] = -1;
                s.m_abPickCut[nLayer] = 0;
            };
            if (nLayer == kLayerBlock) pick(m_Stage.m_vBlockGrid, s.m_spPickBlock);
            else if (nLayer == kLayerChara) pick(m_Stage.m_vCharaGrid, s.m_spPickChara);
            else pick(m_Stage.m_vItemGrid, s.m_spPickItem);
        }
        EndPick();
        s.Ui().RedrawPanes();
    }
}

void cStageTools::EndPick()
{
    m_State.m_nCursorMode = cEditState::CursorModeOf(m_State.m_nTool);
    m_State.m_bDrag = 0;
}

cCellPoint cStageTools::PickOrigin() const
{
    const cEditState& s = m_State;
    return {std::min(s.m_PickStart.nX, s.m_Cursor.nX), std::min(s.m_PickStart.nY, s.m_Cursor.nY)};
}

void cStageTools::CopyPickToPen(bool bShift)
{
    cEditState& s = m_State;
    s.Ui().SetWaitCursor(true);
    const cCellPoint origin = PickOrigin();
    s.m_nPenWidth = std::abs(s.m_Cursor.nX - s.m_PickStart.nX) + 1;
    s.m_nPenHeight = std::abs(s.m_Cursor.nY - s.m_PickStart.nY) + 1;
    ForEachLayer(bShift, s.m_nLayer, [&](s32 nLayer) {
        if (nLayer == kLayerBlock) CopyLayerToPen<cEdBlock>(origin, s.m_nPenWidth, s.m_nPenHeight);
        else if (nLayer == kLayerChara) CopyLayerToPen<cEdChara>(origin, s.m_nPenWidth, s.m_nPenHeight);
        else CopyLayerToPen<cEdItem>(origin, s.m_nPenWidth, s.m_nPenHeight);
    });
    s.Ui().SetWaitCursor(false);
}

template <class D>
void cStageTools::CopyLayerToPen(cCellPoint origin, s32 nWidth, s32 nHeight)
{
    std::vector<D>& pen = m_State.Pen<D>();
    std::vector<D>(static_cast<size_t>(nWidth) * nHeight, EmptyCell<D>()).swap(pen);
    const std::vector<D>& grid = m_Stage.Grid<D>();
    for (s32 r = 0; r < nHeight && origin.nY + r < static_cast<s32>(m_Stage.m_dwHeight); ++r)
        for (s32 c = 0; c < nWidth && origin.nX + c < static_cast<s32>(m_Stage.m_dwWidth); ++c)
            pen[static_cast<size_t>(r) * nWidth + c] = grid[CellOf(origin.nX + c, origin.nY + r)];
}

void cStageTools::ClearPick(bool bShift)
{
    const cCellPoint origin = PickOrigin();
    const s32 w = m_State.m_nPenWidth, h = m_State.m_nPenHeight;
    ForEachLayer(bShift, m_State.m_nLayer, [&](s32 nLayer) {
        if (nLayer == kLayerBlock) ClearCells<cEdBlock>(origin, w, h);
        else if (nLayer == kLayerChara) ClearCells<cEdChara>(origin, w, h);
        else ClearCells<cEdItem>(origin, w, h);
    });
}

template <class D>
void cStageTools::ClearCells(cCellPoint origin, s32 nWidth, s32 nHeight)
{
    std::vector<D>& grid = m_Stage.Grid<D>();
    for (s32 r = 0; r < nHeight && origin.nY + r < static_cast<s32>(m_Stage.m_dwHeight); ++r)
        for (s32 c = 0; c < nWidth && origin.nX + c < static_cast<s32>(m_Stage.m_dwWidth); ++c) {
            const u32 dwCell = CellOf(origin.nX + c, origin.nY + r);
            if (IsBlank(grid[dwCell])) continue;
            m_State.m_Undo.Keep(grid, dwCell);
            grid[dwCell] = EmptyCell<D>();
        }
}

void cStageTools::FlipPick(bool bShift)
{
    if (!bShift && m_State.m_nLayer != kLayerChara) return;
    const cCellPoint origin = PickOrigin();
    std::vector<cEdChara>& grid = m_Stage.m_vCharaGrid;
    for (s32 r = 0; r < m_State.m_nPenHeight && origin.nY + r < static_cast<s32>(m_Stage.m_dwHeight); ++r)
        for (s32 c = 0; c < m_State.m_nPenWidth && origin.nX + c < static_cast<s32>(m_Stage.m_dwWidth); ++c) {
            const u32 dwCell = CellOf(origin.nX + c, origin.nY + r);
            const cEdChara& chara = grid[dwCell];
            const bool bInherited = chara.m_bbInherit.size() > kFacingGroup && chara.m_bbInherit[kFacingGroup];
            if (chara.IsEmpty() || bInherited) continue;
            m_State.m_Undo.Keep(grid, dwCell);
            grid[dwCell].m_cFaceRight = grid[dwCell].m_cFaceRight ? 0 : 1;
        }
}

bool cStageTools::OnPickKey(u32 dwVirtualKey, bool bShift)
{
    cEditState& s = m_State;
    if (s.m_nCursorMode != kCursorPick) return false;
    switch (dwVirtualKey) {
    case kVkCut:
    case kVkCutPad:
        s.SnapshotForEdit(bShift);
        CopyPickToPen(bShift);
        ClearPick(bShift);
        // The pick ends here: the button's release does nothing more.
        EndPick();
        break;
    case kVkDelete:
    case kVkDeleteF2:
        s.SnapshotForEdit(bShift);
        ClearPick(bShift);
        break;
    case kVkFlip:
    case kVkFlipF3:
        s.SnapshotForEdit(bShift);
        FlipPick(bShift);
        break;
    default:
        return false;
    }
    s.m_Undo.Seal();
    s.m_bStageModified = 1;
    s.Ui().RedrawPanes();
    return true;
}

void cStageTools::ClearLayers(u32 dwMask)
{
    m_State.Record(dwMask);
    const cCellPoint origin = {0, 0};
    const s32 w = static_cast<s32>(m_Stage.m_dwWidth), h = static_cast<s32>(m_Stage.m_dwHeight);
    if (dwMask & kMaskBlock) ClearCells<cEdBlock>(origin, w, h);
    if (dwMask & kMaskChara) ClearCells<cEdChara>(origin, w, h);
    if (dwMask & kMaskItem) ClearCells<cEdItem>(origin, w, h);
    m_State.m_Undo.Seal();
    m_State.m_bStageModified = 1;
    m_State.Ui().RedrawPanes();
}

bool cStageTools::OnDragFrame(const cFrameMouse& m, const cViewport& view)
{
    cEditState& s = m_State;
    if (!s.m_bDrag || view.Contains(m.nX, m.nY)) return false;
    UpdateCursor(m.nX, m.nY, view);
    const bool bPick = s.m_nCursorMode == kCursorPick;
    if (!bPick && s.m_nTool != kToolLine && s.m_nTool != kToolRect) return true;
    // A new press ends the drag; a release finishes it; a held button
    // extends it.
    const bool bPressed = bPick ? m.bRightPressed : m.bLeftPressed;
    const bool bReleased = bPick ? m.bRightReleased : m.bLeftReleased;
    const bool bHeld = bPick ? m.bRightHeld : m.bLeftHeld;
    if (bPressed) {
        if (bPick) EndPick();
        else s.m_bDrag = 0;
        return true;
    }
    if (!bReleased && !bHeld) return true;
    cMouseInput in;
    in.nX = m.nX;
    in.nY = m.nY;
    in.bShift = m.bShift;
    in.bLeftHeld = m.bLeftHeld;
    in.eMsg = bReleased ? (bPick ? eMouseMsg::RUp : eMouseMsg::LUp) : eMouseMsg::Move;
    if (bPick) OnPick(in);
    else OnTool(in);
    return true;
}

template <class D>
void cStageTools::WriteLayer(u32 dwCell, u32 dwPattern)
{
    const std::vector<D>& pen = m_State.Pen<D>();
    std::vector<D>& grid = m_Stage.Grid<D>();
    if (dwPattern >= pen.size() || dwCell >= grid.size()) return;
    m_State.m_Undo.Keep(grid, dwCell);
    grid[dwCell] = pen[dwPattern];
}

template <>
void cStageTools::WriteLayer<cEdChara>(u32 dwCell, u32 dwPattern)
{
    const std::vector<cEdChara>& pen = m_State.m_vPenChara;
    if (dwPattern >= pen.size() || dwCell >= m_Stage.m_vCharaGrid.size()) return;
    cUndoWatch watch(m_State.m_Undo, m_Stage.m_vCharaGrid);
    m_Stage.PlaceChara(dwCell, pen[dwPattern], &watch);
}

void cStageTools::WriteCell(u32 dwCell, u32 dwPattern, bool bShift)
{
    ForEachLayer(bShift, m_State.m_nLayer, [&](s32 nLayer) {
        if (nLayer == kLayerBlock) WriteLayer<cEdBlock>(dwCell, dwPattern);
        else if (nLayer == kLayerChara) WriteLayer<cEdChara>(dwCell, dwPattern);
        else WriteLayer<cEdItem>(dwCell, dwPattern);
    });
}

s32 cStageTools::EntryLayerAtCursor() const
{
    const cEditCursor& cursor = m_State.m_Cursor;
    if (!IsOnStage(cursor.nX, cursor.nY)) return -1;
    const u32 dwCell = CellOf(cursor.nX, cursor.nY);
    auto holds = [&](s32 nLayer) {
        if (nLayer == kLayerBlock) return !m_Stage.m_vBlockGrid[dwCell].IsEmpty();
        if (nLayer == kLayerChara) return !m_Stage.m_vCharaGrid[dwCell].IsEmpty();
        return !m_Stage.m_vItemGrid[dwCell].IsEmpty();
    };
    static const s32 kOrder[kLayers][kLayers] = {
        {kLayerBlock, kLayerChara, kLayerItem},
        {kLayerChara, kLayerItem, kLayerBlock},
        {kLayerItem, kLayerChara, kLayerBlock},
    };
    for (s32 nLayer : kOrder[std::clamp<s32>(m_State.m_nLayer, 0, kLayers - 1)])
        if (holds(nLayer)) return nLayer;
    return -1;
}
