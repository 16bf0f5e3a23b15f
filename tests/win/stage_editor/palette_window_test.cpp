// A palette window in this process: in the menu mode a right click opens
// the entry commands' popup menu, whose items are greyed by the entry under
// the cursor and by what was copied or cut before. The menu is read while it
// is open (menus of another process can't be read under Wine).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "data/project_data.h"
#include "editor/main_wnd.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/palette_wnd.h"
#include "stage_editor/stage_edit_wnd.h"
#include "support/win32/main_window.h"
#include "support/win32/win_test.h"

namespace {

constexpr u16 kEdit = 40141, kCut = 40142, kCopy = 40143, kPaste = 40144, kDelete = 40145, kInsertNew = 40146,
              kInsertCopied = 40147, kAppendCopied = 40151, kAppendNew = 40152;
constexpr u16 kItems[] = {kEdit, kCut, kCopy, kPaste, kDelete, kInsertNew, kInsertCopied, kAppendCopied, kAppendNew};
constexpr u16 kMenuMode = 40140;

// The open popup menu's item states, read by a timer that the menu's own
// loop runs, which then closes the menu.
struct cPopupRead {
    bool bOpened = false;
    int nTicks = 0;
    std::map<u16, UINT> states;
};
cPopupRead g_Read;

void CALLBACK ReadOpenPopup(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    HWND hMenuWnd = FindWindowA("#32768", nullptr);
    if (!hMenuWnd || !IsWindowVisible(hMenuWnd)) {
        // No menu after five seconds: the loop is ended all the same.
        if (++g_Read.nTicks > 100) {
            KillTimer(nullptr, idTimer);
            EndMenu();
        }
        return;
    }
    KillTimer(nullptr, idTimer);
    HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
    g_Read.bOpened = hMenu != nullptr;
    for (u16 wId : kItems) g_Read.states[wId] = GetMenuState(hMenu, wId, MF_BYCOMMAND);
    // The menu of a copied entry stays open for a screenshot when one is asked for.
    char buf[16] = "";
    if (g_EditState.m_abPickValid[0] && !g_EditState.m_abPickCut[0] &&
        GetEnvironmentVariableA("TARVENOL_HOLD_MS", buf, sizeof buf))
        Pump(static_cast<DWORD>(atoi(buf)));
    EndMenu();
}

class PaletteWindow : public cEditorWindowsTest {
protected:
    void SetUp() override
    {
        cEditorWindowsTest::SetUp();
        if (!HasFatalFailure()) OpenStage("data\\stg4\\a.stg4_950");
    }
    // A right button released over an entry's icon, with the popup menu read
    // while it is open; false when no menu opened.
    static bool RightClick(HWND hPalette, s32 nIndex)
    {
        RECT rc = {};
        GetWindowRect(GetDlgItem(hPalette, 1006), &rc);
        POINT pt = {rc.left + (nIndex % 8) * 32 + 16, rc.top + (nIndex / 8) * 32 + 16};
        ScreenToClient(hPalette, &pt);
        g_Read = cPopupRead();
        const UINT_PTR idTimer = SetTimer(nullptr, 0, 50, ReadOpenPopup);
        SendMessageA(hPalette, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        SendMessageA(hPalette, WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        KillTimer(nullptr, idTimer);
        return g_Read.bOpened;
    }
};

// Entry 0 offers none of its entry commands; an entry offers them all but
// what needs a copied entry; a copied entry can be pasted and inserted, a cut
// one inserted (a move) but not pasted; appending a new entry is always
// offered.
TEST_F(PaletteWindow, ThePopupMenuGreysWhatTheEntryAndTheCopiedEntryDoNotAllow)
{
    struct cCase {
        u16 wBefore;  // the command given to the selected entry first (0 none)
        s32 nIndex;   // the entry right-clicked
        std::vector<u16> enabled;
    };
    const cCase kCases[] = {
        {0, 0, {kAppendNew}},
        {0, 2, {kEdit, kCut, kCopy, kDelete, kInsertNew, kAppendNew}},
        {kCopy, 4, {kEdit, kCut, kCopy, kPaste, kDelete, kInsertNew, kInsertCopied, kAppendCopied, kAppendNew}},
        {kCut, 6, {kEdit, kCut, kCopy, kDelete, kInsertNew, kInsertCopied, kAppendCopied, kAppendNew}},
        {0, 0, {kAppendCopied, kAppendNew}},
    };
    g_Stage.m_Palette.m_vBlock.resize(12);
    cPaletteWnd* lpPalette = StageWnd()->Palette(cStageEditWnd::kStageBlock);
    HWND hPalette = lpPalette->GetHwnd();
    ShowWindow(hPalette, SW_SHOWNA);
    lpPalette->Relayout();
    SendMessageA(hPalette, WM_COMMAND, kMenuMode, 0);
    ASSERT_EQ(g_EditState.m_nRightClick, 1);
    HoldForScreenshot(hPalette);

    for (const cCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "entry " << c.nIndex << " after " << c.wBefore);
        if (c.wBefore) SendMessageA(hPalette, WM_COMMAND, c.wBefore, 0);
        ASSERT_TRUE(RightClick(hPalette, c.nIndex));
        EXPECT_EQ(g_EditState.m_nSelIndex, c.nIndex) << "the right click selects the entry";
        for (u16 wId : kItems) {
            const bool bEnabled = std::find(c.enabled.begin(), c.enabled.end(), wId) != c.enabled.end();
            EXPECT_EQ((g_Read.states[wId] & MF_GRAYED) == 0, bEnabled) << wId;
        }
    }
    EXPECT_EQ(g_Stage.m_Palette.m_vBlock.size(), 12u) << "closing the menu ran no command";
}

}  // namespace
