#pragma once
// Dialog 204 "キー条件": one key condition of a flow, which keys must be
// pressed, released or are not looked at, how they combine and how long a
// press lasts. It writes no defaults: a new key condition shows what the
// list made. The dialog edits a copy that OK stores, so Cancel and the close
// box leave the key condition as it was.
#include "command_editor/bound_dlg.h"
#include "flow/key_cond.h"

class cKeyCondDlg : public cBoundDlg {
public:
    cKeyCondDlg(cWndBase* lpParent, cEdKeyCond& cond, cCtrl* lpAnchor);

protected:
    void StoreResult() override { m_Cond = m_Work; }

private:
    cEdKeyCond& m_Cond;
    cEdKeyCond m_Work;
};

// The dialog on the key condition, placed on the list: its result.
int RunKeyCondDialog(cWndBase* lpParent, cEdKeyCond& cond, cCtrl* lpAnchor);
