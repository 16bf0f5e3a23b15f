#pragma once
// The fixture of the shot, summon and sentence dialogs' tests: the project
// context installed as the editor installs it, over a database with a few
// animes, sounds, effects and sword types, palettes with named entries,
// named variables and a shot sheet whose cells each have a colour of their
// own; all put back afterwards.
#include <windows.h>

#include <memory>
#include <string>

#include "command_editor/bound_dlg.h"
#include "support/win32/dlg_script.h"
#include "support/win32/host_page.h"
#include "support/win32/win_test.h"

class cShotTest : public cWinTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A page of the set (as an entry of the edit mode) holding one existing
    // command of the kind.
    cTestHostPage& PageWith(u32 nSet, u32 nKind, u32 nEntryEditMode = 0);
    cCommand& Cmd() { return m_lpPage->m_Commands[0]; }
    // Opens the page's command by a double click and runs the script.
    void Edit(cDlgScript& script);

    std::unique_ptr<cTestHostPage> m_lpPage;
};

// The colour of shot cell (column, row) on the test's shot sheet.
COLORREF ShotCellColour(int nColumn, int nRow);

// The dialog object behind a dialog window.
cBoundDlg* DialogOf(const cDlgView& view);
// Puts a check box into a state as the user does, by a click when it is in
// the other.
void SetCheck(const cDlgView& view, int nId, int nState);
// The whole text of a control, however long.
std::string FullText(const cDlgView& view, int nId);
