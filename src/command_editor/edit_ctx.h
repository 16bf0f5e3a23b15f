#pragma once
// What a list page hands to the command palette and the parameter dialogs:
// the command, whether the list has just inserted it, the control the
// dialogs are placed on and the page itself.
#include "app/types.h"

class cCommand;
class cCtrl;
class cWndBase;

// The page whose list runs the palettes and the dialogs (a chara's flow page,
// an item's effect page, the flow page of a flow-change command, a page with
// a condition list).
class cEditHost {
public:
    virtual ~cEditHost() = default;
    // The page's window object: the owner of the palettes.
    virtual cWndBase* HostWnd() = 0;
    // Redraws the page's lists after a change.
    virtual void RedrawLists() {}
    // 1 while a stage palette entry is edited, 2 while a common palette
    // entry is, 0 for a placed entry.
    virtual u32 EntryEditMode() const { return 0; }
    // Whether the item get dialog warns that an item adding flows can't have
    // them operated on at once: while a chara is edited, or the flows of an
    // item's flow change.
    virtual bool ItemGetNoteShown() const { return false; }
};

struct cCmdEditCtx {
    cCommand* m_pCmd = nullptr;
    u32 m_bNew = 0;               // 1 when the list has just inserted the command
    cCtrl* m_lpAnchor = nullptr;  // the page's command list: dialogs are centred on it
    cEditHost* m_lpHost = nullptr;
};
