#pragma once
// The engine of the command and condition dialogs: a dialog made from a
// descriptor. The descriptor's binding rows become the control wrappers (one
// per row, over its field's own type), its refresh rule is run after set-up
// and after every user change of a bound control, and its behaviours (sound
// preview, variable rename, picker button, OK checks and so on) take part in
// set-up, commands, OK, Cancel and drawing.
//
// OK runs the behaviours' checks, copies every control into its field and
// closes with 1; Cancel and the close box close with 0 and write nothing.
// The close box also stops the music the sound manager plays.
//
// The dialog reaches its object through the framework's one dialog
// procedure, so dialogs of one class can nest.
#include <memory>
#include <vector>

#include "command_editor/binding.h"
#include "command_editor/rules/refresh.h"
#include "framework/dlg_base.h"

class cBehaviour;
class cCommand;

// What the engine needs of a descriptor.
struct cBoundDesc {
    u16 m_wDlgId = 0;
    const cBindRow* m_lpRows = nullptr;
    u32 m_nRows = 0;
    fnRefresh m_pfnRefresh = nullptr;
    const cBehaviour* const* m_lpBehaviours = nullptr;
    u32 m_nBehaviours = 0;
    // The dialog's own values (LocalField) when it opens.
    s32 m_anLocals[4] = {0, 0, 0, 0};
};

// The records that the rows' fields live in.
struct cBindTargets {
    void* m_alpHome[static_cast<int>(eFieldHome::Count)] = {};
    std::vector<u32>* m_lpParams = nullptr;
    s32* m_lpLocals = nullptr;

    void Set(eFieldHome eHome, void* lpRecord) { m_alpHome[static_cast<int>(eHome)] = lpRecord; }
    // The field's address, or null when its record or element is missing.
    void* Resolve(const cFieldRef& field) const;
};

class cBoundDlg : public cDlgBase {
public:
    static constexpr u16 kIdOk = 1000;
    static constexpr u16 kIdCancel = 1001;
    static constexpr u16 kIdPicture = 1006;
    static constexpr u32 kLocals = 4;

    cBoundDlg(const cBoundDesc& desc, cWndBase* lpParent, cCtrl* lpAnchor, u32 bCentre, cWndList* lpRegistry);
    ~cBoundDlg() override;

    // The binding of a control ID; null (after the missing-control report)
    // when no row has it.
    cBinding* FindBinding(u16 wId) const;
    // The same without the report.
    cBinding* FindBindingQuiet(u16 wId) const;
    s32& Local(u32 nIndex) { return m_anLocals[nIndex % kLocals]; }
    // Reads the controls, runs the refresh rule and applies it.
    void RunRefresh();
    // Applies a rule's decisions to the controls.
    void Apply(const cRefreshOut& out);
    // The value a control shows (see cBinding::ReadCtrl).
    bool ReadCtrl(u16 wId, s64& nValue) const;
    // The values every bound control shows, as a refresh rule reads them.
    cCtrlValues ReadCtrls() const;
    // The command the dialog edits, or null for a dialog of another record.
    virtual cCommand* EditedCommand() { return nullptr; }
    const cBoundDesc& Desc() const { return m_Desc; }
    // The control the dialog is placed on (the caller's list), or null.
    cCtrl* Anchor() const { return m_lpAnchor; }
    // How many times a combo's rows were built since the dialog opened
    // (a refresh whose item source didn't change builds none).
    u32 RefillCount() const { return m_nRefills; }

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnDraw() override;

protected:
    // Makes a binding per row over the targets' fields; a row that can't be
    // bound is a programming error (the missing-control report).
    void Bind(const cBindTargets& targets);
    // Rows in place of the descriptor's (they must outlive the dialog).
    void SetRows(const cBindRow* lpRows, u32 nRows)
    {
        m_Desc.m_lpRows = lpRows;
        m_Desc.m_nRows = nRows;
    }
    // The rows a combo starts with when its row names none.
    virtual cItemSource DefaultItems(const cBindRow& row) const { (void)row; return cItemSource(); }
    virtual cRefreshFacts Facts() const { return cRefreshFacts(); }
    // OK after the checks and the controls-to-data pass: records held by the
    // dialog go into the edited record.
    virtual void StoreResult() {}
    // OK: the checks, the copy, the store, the close with 1.
    void ConfirmOk();
    void CloseWith(int nResult);

private:
    void SnapshotFields(cCtrlValues& values) const;
    void SnapshotCtrls(cCtrlValues& values) const;
    void ApplyItems(cBinding& binding, const cItemSource& items);
    void RunRule(const cCtrlValues& values);

    cBoundDesc m_Desc;
    cCtrl* m_lpAnchor;
    std::vector<std::unique_ptr<cBinding>> m_Bindings;
    s32 m_anLocals[kLocals];
    u32 m_bRefreshing = 0;
    u32 m_bClosing = 0;
    u32 m_nRefills = 0;
};
