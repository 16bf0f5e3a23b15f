// The stage view: the placed entries of the visible cells (blocks, then
// charas, then items), a grid of 32 x 32 cells, the centre marks, the
// stage's scroll limits and the cursor of the current tool, then the
// cursor's cell in the status bar.
#include <algorithm>

#include "app/str_util.h"
#include "data/project_data.h"
#include "stage_editor/icon_painter.h"
#include "stage_editor/stage_edit_wnd.h"
#include "stage_editor/stage_view.h"

namespace {

constexpr s32 kCell = kCellPixels;
const COLORREF kGridColor = RGB(255, 255, 255);
const COLORREF kCentreColor = RGB(255, 64, 32);
const COLORREF kLimitColor = RGB(32, 255, 64);
const COLORREF kCursorColor = RGB(128, 0, 255);
const COLORREF kPickColor = RGB(255, 0, 128);

struct cVisible {
    s32 x0, y0, x1, y1;  // cells from (x0, y0) up to, not including, (x1, y1)
};

// The visible cells: a column and a row more than the view holds whole,
// clipped to the stage.
cVisible VisibleCells(s32 sx, s32 sy, s32 nWidth, s32 nHeight)
{
    return {sx, sy, std::min(sx + nWidth / kCell + 1, static_cast<s32>(g_Stage.m_dwWidth)),
            std::min(sy + nHeight / kCell + 1, static_cast<s32>(g_Stage.m_dwHeight))};
}

template <class D, class F>
void DrawLayer(const std::vector<D>& grid, const cVisible& v, s32 sx, s32 sy, F draw)
{
    for (s32 y = v.y0; y < v.y1; ++y)
        for (s32 x = v.x0; x < v.x1; ++x) {
            const D& entry = grid[g_Stage.CellOf(static_cast<u32>(x), static_cast<u32>(y))];
            if (!entry.IsEmpty()) draw(entry, (x - sx) * kCell, (y - sy) * kCell);
        }
}

void DrawEntries(cSurface& back, const cVisible& v, s32 sx, s32 sy, const cIconSources& src)
{
    DrawLayer(g_Stage.m_vBlockGrid, v, sx, sy,
              [&](const cEdBlock& e, s32 x, s32 y) { DrawBlockIcon(back, x, y, e, false, src); });
    DrawLayer(g_Stage.m_vCharaGrid, v, sx, sy,
              [&](const cEdChara& e, s32 x, s32 y) { DrawCharaIcon(back, x, y, e, false, src); });
    DrawLayer(g_Stage.m_vItemGrid, v, sx, sy,
              [&](const cEdItem& e, s32 x, s32 y) { DrawItemIcon(back, x, y, e, false, src); });
}

void DrawMarks(cSurface& back, s32 sx, s32 sy)
{
    back.SetPen(PS_SOLID, 1, kCentreColor);
    back.Line(304, 0, 304, 480);
    back.Line(336, 0, 336, 480);
    back.Line(0, 224, 640, 224);
    back.Line(0, 256, 640, 256);
    back.SetPen(PS_SOLID, 1, kLimitColor);
    const s32* lim = g_Stage.m_anScrollLimit;
    const u32* on = g_Stage.m_adwScrollLimitOn;
    if (on[kScrollLeft]) back.Line((lim[kScrollLeft] - sx) * kCell - 1, 0, (lim[kScrollLeft] - sx) * kCell - 1, 480);
    if (on[kScrollRight])
        back.Line((lim[kScrollRight] - sx + 1) * kCell + 1, 0, (lim[kScrollRight] - sx + 1) * kCell + 1, 480);
    if (on[kScrollTop]) back.Line(0, (lim[kScrollTop] - sy) * kCell - 1, 640, (lim[kScrollTop] - sy) * kCell - 1);
    if (on[kScrollBottom])
        back.Line(0, (lim[kScrollBottom] - sy + 1) * kCell + 1, 640, (lim[kScrollBottom] - sy + 1) * kCell + 1);
    back.ReleasePen();
}

// The pen record at a pattern index on every layer the tools would write.
void DrawPenCell(cSurface& back, s32 x, s32 y, u32 dwPattern, bool bShift, const cIconSources& src)
{
    const cEditState& s = g_EditState;
    auto layer = [&](s32 nLayer) { return bShift || s.m_nLayer == nLayer; };
    if (layer(kLayerBlock) && dwPattern < s.m_vPenBlock.size())
        DrawBlockIcon(back, x, y, s.m_vPenBlock[dwPattern], false, src);
    if (layer(kLayerChara) && dwPattern < s.m_vPenChara.size())
        DrawCharaIcon(back, x, y, s.m_vPenChara[dwPattern], false, src);
    if (layer(kLayerItem) && dwPattern < s.m_vPenItem.size())
        DrawItemIcon(back, x, y, s.m_vPenItem[dwPattern], false, src);
}

void DrawCursor(cSurface& back, s32 sx, s32 sy, bool bShift, const cIconSources& src)
{
    const cEditState& s = g_EditState;
    const cEditCursor& c = s.m_Cursor;
    const bool bLeftHeld = IsKeyDownNow(VK_LBUTTON);
    back.SetPen(PS_SOLID, 2, s.m_nCursorMode == kCursorPick ? kPickColor : kCursorColor);
    switch (s.m_nCursorMode) {
    case kCursorPen:
        back.DrawRect(c.nPixelX, c.nPixelY, s.m_nPenWidth * kCell, s.m_nPenHeight * kCell);
        break;
    case kCursorLine:
        if (s.m_bDrag && bLeftHeld) {
            WalkLine(s.m_LineStart, {c.nX, c.nY}, s.m_nPenWidth, [&](s32 x, s32 y, s32 col) {
                const s32 px = (x - sx) * kCell, py = (y - sy) * kCell;
                DrawPenCell(back, px, py, static_cast<u32>(col), bShift, src);
                back.DrawRect(px, py, kCell, kCell);
            });
        } else {
            back.DrawRect(c.nPixelX, c.nPixelY, kCell, kCell);
        }
        break;
    case kCursorRect:
        if (s.m_bDrag && bLeftHeld) {
            const s32 x0 = std::min(s.m_RectStart.nX, c.nX), y0 = std::min(s.m_RectStart.nY, c.nY);
            const s32 w = std::abs(c.nX - s.m_RectStart.nX) + 1, h = std::abs(c.nY - s.m_RectStart.nY) + 1;
            for (s32 i = 0; i < h; ++i)
                for (s32 j = 0; j < w; ++j)
                    DrawPenCell(back, (x0 + j - sx) * kCell, (y0 + i - sy) * kCell,
                                static_cast<u32>((i % s.m_nPenHeight) * s.m_nPenWidth + j % s.m_nPenWidth), bShift, src);
            back.DrawRect((x0 - sx) * kCell, (y0 - sy) * kCell, w * kCell, h * kCell);
        } else {
            back.DrawRect(c.nPixelX, c.nPixelY, kCell, kCell);
        }
        break;
    case kCursorCell:
        back.DrawRect(c.nPixelX, c.nPixelY, kCell, kCell);
        break;
    case kCursorPick:
        if (s.m_bDrag) {
            const s32 x0 = std::min(s.m_PickStart.nX, c.nX), y0 = std::min(s.m_PickStart.nY, c.nY);
            back.DrawRect((x0 - sx) * kCell, (y0 - sy) * kCell, s.m_nPenWidth * kCell, s.m_nPenHeight * kCell);
        }
        break;
    default:
        break;
    }
    back.ReleasePen();
}

}  // namespace

void DrawStageView(cSurface& back, const cViewport& view, bool bShift)
{
    back.Fill(RGB(0, 0, 0));
    const s32 sx = view.nScrollX, sy = view.nScrollY;
    const cIconSources src = CurrentIconSources();
    DrawEntries(back, VisibleCells(sx, sy, view.nWidth, view.nHeight), sx, sy, src);
    back.DrawGrid(0, 0, back.GetWidth(), back.GetHeight(), kCell, kCell, kGridColor);
    DrawMarks(back, sx, sy);
    DrawCursor(back, sx, sy, bShift, src);
}

void cStageEditWnd::Redraw()
{
    if (!m_bReady || !m_hWnd) return;
    cSurface& back = m_Picture.GetBack();
    if (!back.GetDC()) return;
    if (!g_EditState.m_bHasPath) {
        back.Fill(RGB(0, 0, 0));
        m_Picture.Present();
        return;
    }
    ReadScrollPos();
    DrawStageView(back, Viewport(), IsKeyDownNow(VK_SHIFT));
    m_Picture.Present();
    if (m_hStatusBar) {
        const std::string strStatus = Format("座標 (%d,%d)", g_EditState.m_Cursor.nX, g_EditState.m_Cursor.nY);
        SendMessageA(m_hStatusBar, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(strStatus.c_str()));
    }
}
