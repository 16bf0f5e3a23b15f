#pragma once
// The two command palettes: 45 buttons, one per command kind of the
// palette's set. A button stamps its set and kind into the command and runs
// the kind's parameter dialog; the palette closes with that dialog's result,
// so one pass edits one command. An existing command goes straight to the
// dialog of its kind: the palette is never seen and the kind can't change.
#include <vector>

#include "command_editor/cmd_dlg_base.h"
#include "command_editor/rules/cmd_palette_rules.h"
#include "controls/ctrl.h"
#include "framework/dlg_base.h"

// One row of a palette's table; the row is the command kind.
struct cCmdButton {
    u16 m_wButtonId = 0;
    u16 m_wDlgId = 0;                    // 0: the button carries no command
    cCmdDlgBase** m_lpSlot = nullptr;    // where the running dialog is kept
    u32 m_dwWord = 0;
    u32 m_bHasCommand = 0;

    // Stores the five values; a slot given is cleared, so no button starts
    // with a stale dialog.
    void Set(u16 wButtonId, u16 wDlgId, cCmdDlgBase** lpSlot, u32 dwWord, u32 bHasCommand)
    {
        m_wButtonId = wButtonId;
        m_wDlgId = wDlgId;
        m_lpSlot = lpSlot;
        m_dwWord = dwWord;
        m_bHasCommand = bHasCommand;
        if (lpSlot) *lpSlot = nullptr;
    }
};

class cCmdPaletteBase : public cDlgBase {
public:
    static constexpr u16 kIdPicture = 1006;

    // bCentre: centred on the context's anchor, else at its top-left corner.
    cCmdPaletteBase(u16 wDlgId, u32 nSet, cWndBase* lpParent, const cCmdEditCtx& ctx, u32 bCentre);
    ~cCmdPaletteBase() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    const std::vector<cCmdButton>& Buttons() const { return m_Buttons; }
    cCmdDlgBase* OpenDialog() const { return m_lpOpenDlg; }

protected:
    // After a dialog ran or the palette closed: the page's lists.
    virtual void RefreshParentLists() {}
    // Ends the palette at once: a kind without a dialog beeps and gives 0.
    void Refuse();

    u32 m_nSet;
    cCmdEditCtx m_Ctx;

private:
    std::vector<cCmdButton> m_Buttons;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
    cCmdDlgBase* m_lpOpenDlg = nullptr;
    u32 m_bDone = 0;
};

// Dialog 205: the flow commands of a chara's flows.
class cCmdPaletteDlg : public cCmdPaletteBase {
public:
    cCmdPaletteDlg(cWndBase* lpParent, const cCmdEditCtx& ctx, u32 bCentre)
        : cCmdPaletteBase(205, 0, lpParent, ctx, bCentre)
    {
    }

protected:
    void RefreshParentLists() override;
};

// Dialog 216: the item-effect commands of an item.
class cItemCmdPaletteDlg : public cCmdPaletteBase {
public:
    cItemCmdPaletteDlg(cWndBase* lpParent, const cCmdEditCtx& ctx, u32 bCentre)
        : cCmdPaletteBase(216, 1, lpParent, ctx, bCentre)
    {
    }
};

// Runs the palette of the set (0 flow commands, 1 item effects) on the
// context's command, owned by the context's page: 1 when a parameter dialog
// was confirmed, 0 otherwise.
int RunCommandPalette(u32 nSet, const cCmdEditCtx& ctx, u32 bCentre);
