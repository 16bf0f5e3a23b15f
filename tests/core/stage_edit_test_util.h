#pragma once
// The stage editor's engine on a stage of its own: entries made by graphic
// number, the tools driven as the stage window drives them (mouse messages
// at cells of the view, Shift and the left button's state), the windows'
// notifications counted, and whole-record comparison of the grids.
#include <string>
#include <vector>

#include "data/stage.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/stage_tools.h"
#include "stage_test_util.h"

inline cEdBlock Block(u16 wGraphic)
{
    cEdBlock b = EmptyCell<cEdBlock>();
    b.m_wGraphic = wGraphic;
    return b;
}
inline cEdItem Item(u16 wGraphic)
{
    cEdItem i = EmptyCell<cEdItem>();
    i.m_wGraphic = wGraphic;
    return i;
}
inline cEdChara Chara(u16 wGraphic, u8 cControl = 1)
{
    cEdChara c = EmptyCell<cEdChara>();
    c.m_wGraphic = wGraphic;
    c.m_cControl = cControl;
    return c;
}

// Every member of a record, empty ones included.
template <class D>
bool SameRecord(const D& a, const D& b)
{
    return cEdData::IsEqual(a, b) && a.m_bbInherit == b.m_bbInherit && a.m_vCond == b.m_vCond && D::IsEqual(a, b);
}
template <class D>
bool SameGrid(const std::vector<D>& a, const std::vector<D>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SameRecord(a[i], b[i])) return false;
    return true;
}
inline bool SameGrids(const cStage& a, const cStage& b)
{
    return SameGrid(a.m_vBlockGrid, b.m_vBlockGrid) && SameGrid(a.m_vCharaGrid, b.m_vCharaGrid) &&
           SameGrid(a.m_vItemGrid, b.m_vItemGrid);
}

// The windows' side, counted.
class cCountingUi : public cEditUi {
public:
    void LayerChanged() override { ++nLayer; }
    void ToolChanged() override { ++nTool; }
    void HistoryChanged() override { ++nHistory; }
    void RedrawPanes() override { ++nPanes; }
    void SetWaitCursor(bool bWait) override { nWait += bWait ? 1 : -1; }
    void OpenEntryAtCursor() override { ++nOpenEntry; }
    void FocusView() override { ++nFocus; }
    int nLayer = 0, nTool = 0, nHistory = 0, nPanes = 0, nWait = 0, nOpenEntry = 0, nFocus = 0;
};

class cEditTest : public cStageTest {
protected:
    void SetUp() override
    {
        cStageTest::SetUp();
        m_State.SetUi(&m_Ui);
        m_Stage.m_dwUndoDepth = 9;
        m_State.ResizeUndo(m_Stage, s64(1) << 40);
    }
    void Resize(u32 w, u32 h)
    {
        ASSERT_TRUE(m_Stage.SetSize(w, h, 0, 0));
        m_State.ResizeUndo(m_Stage, s64(1) << 40);
    }

    // A mouse message at the centre of a cell of the view (origin 0, 0).
    void Mouse(eMouseMsg eMsg, s32 x, s32 y, bool bShift = false, bool bLeftHeld = false)
    {
        cMouseInput in;
        in.eMsg = eMsg;
        in.nX = x * kCellPixels + 16 - m_View.nScrollX * kCellPixels;
        in.nY = y * kCellPixels + 16 - m_View.nScrollY * kCellPixels;
        in.bLeftHeld = bLeftHeld || eMsg == eMouseMsg::LDown;
        in.bShift = bShift;
        m_Tools.OnMouse(in, m_View);
    }
    // A left-button drag from one cell to another with the current tool.
    void DragLeft(s32 x0, s32 y0, s32 x1, s32 y1, bool bShift = false)
    {
        Mouse(eMouseMsg::LDown, x0, y0, bShift);
        Mouse(eMouseMsg::Move, x1, y1, bShift, true);
        Mouse(eMouseMsg::LUp, x1, y1, bShift);
    }
    void Click(s32 x, s32 y, bool bShift = false) { DragLeft(x, y, x, y, bShift); }
    // A right-button pick from one cell to another.
    void Pick(s32 x0, s32 y0, s32 x1, s32 y1, bool bShift = false)
    {
        Mouse(eMouseMsg::RDown, x0, y0, bShift);
        Mouse(eMouseMsg::Move, x1, y1, bShift);
        Mouse(eMouseMsg::RUp, x1, y1, bShift);
    }
    template <class D> void SetPen(s32 w, s32 h, const std::vector<D>& records)
    {
        m_State.m_nPenWidth = w;
        m_State.m_nPenHeight = h;
        m_State.Pen<D>() = records;
    }

    u16 BlockAt(u32 x, u32 y) const { return m_Stage.m_vBlockGrid[m_Stage.CellOf(x, y)].m_wGraphic; }
    u16 CharaAt(u32 x, u32 y) const { return m_Stage.m_vCharaGrid[m_Stage.CellOf(x, y)].m_wGraphic; }
    u16 ItemAt(u32 x, u32 y) const { return m_Stage.m_vItemGrid[m_Stage.CellOf(x, y)].m_wGraphic; }
    // The block layer as rows of graphic numbers ('.' for 0, digits and
    // letters for 1..35).
    std::vector<std::string> BlockRows() const
    {
        std::vector<std::string> rows;
        for (u32 y = 0; y < m_Stage.m_dwHeight; ++y) {
            std::string row;
            for (u32 x = 0; x < m_Stage.m_dwWidth; ++x) {
                const u16 g = BlockAt(x, y);
                row += g == 0 ? '.' : g < 10 ? static_cast<char>('0' + g) : static_cast<char>('a' + g - 10);
            }
            rows.push_back(row);
        }
        return rows;
    }

    cStage m_Stage;
    cEditState m_State;
    cCountingUi m_Ui;
    cStageTools m_Tools{m_State, m_Stage};
    cViewport m_View;
};
