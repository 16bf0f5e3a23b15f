#pragma once
// The fixture of the wait, move and visual dialogs' tests: the project
// context installed as the editor installs it, over a database with a few
// animes, anime sets, effects, chara and screen effects, pictures and five
// chara special bitmaps, and palettes with named items; all put back
// afterwards.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "flow/ed_flow.h"
#include "support/win32/dlg_script.h"
#include "support/win32/host_page.h"
#include "support/win32/win_test.h"

class cVisualTest : public cWinTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A page of the set (as an entry of the edit mode) holding one existing
    // command of the kind with the parameters given.
    cTestHostPage& PageWith(u32 nKind, std::vector<u32> params = {}, u32 nEntryEditMode = 0);
    cCommand& Cmd() { return m_lpPage->m_Commands[0]; }
    // Opens the page's command by a double click and runs the script.
    void Edit(cDlgScript& script);
    // The chara special bitmap table holds nCount records, record 0 included.
    void SetSpecialBitmaps(size_t nCount);

    std::unique_ptr<cTestHostPage> m_lpPage;
};

using tRows = std::vector<std::string>;

// Ticks or clears a check box as the user does: a click when it shows the
// other state.
void CheckAs(const cDlgView& view, int nId, int nState);
// The colour of a pixel of a picture control.
COLORREF PixelOf(const cDlgView& view, int nId, int x, int y);
