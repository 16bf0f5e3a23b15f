#pragma once
// The fixture of the condition, key condition and flow operation dialogs'
// tests: the project context installed as the editor installs it, with a
// few named common and stage variables; a test host page posing as a
// chara's flow page; everything put back afterwards.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "command_editor/bound_dlg.h"
#include "flow/cond_item.h"
#include "support/win32/dlg_script.h"
#include "support/win32/host_page.h"
#include "support/win32/win_test.h"

class cCondTest : public cWinTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh page (posing as a chara's flow page unless told).
    cTestHostPage& Page(cTestHostPage::eCondPage ePage = cTestHostPage::eCondPage::CharaFlow);

    std::unique_ptr<cTestHostPage> m_lpPage;
};

// The title of the condition chooser.
extern const char* const kChooserTitle;

// The condition, and the command, as the files hold them.
std::vector<u8> SavedCondBytes(const cCondItem& cond);

// The dialog object behind a dialog window.
cBoundDlg* DialogOf(const cDlgView& view);
// Puts a check box into a state as the user does, by a click when it is in
// the other.
void SetCheck(const cDlgView& view, int nId, int nState);
