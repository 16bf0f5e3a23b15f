#pragma once
// The base of the stage settings pages: each page binds its controls
// straight to the fields of the stage, fills them at set-up and when it
// becomes active again with a refresh pending, keeps its enable rules, tells
// the sheet of every change (which enables "適用") and writes its controls
// back on commit.
#include <vector>

#include "framework/dlg_base.h"

class cStageEditWnd;

// A field of the stage of an unsigned type, bound through the kit's signed
// 32-bit wrappers (the same object, read as its signed twin).
inline s32* AsS32(u32& dwField) { return reinterpret_cast<s32*>(&dwField); }
inline int* AsInt(u32& dwField) { return reinterpret_cast<int*>(&dwField); }

// A control that enables others while it is on: a check box, a check box
// that enables them while it is off, or a combo box off at its first item.
struct cEnableRule {
    enum eSource : u8 { kCheckOn, kCheckOff, kComboNotFirst };
    u16 wSource;
    eSource eKind;
    u16 awTargets[5];  // 0 ends the list
};

class cStagePage : public cDlgBase {
public:
    cStagePage(u16 wDlgId, cWndBase* lpParent, cWndList* lpRegistry);

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The controls back into the stage; nothing before the page was shown.
    virtual void Commit();
    // The page's enable rules on its controls.
    void ApplyEnableRules();

    void SetRefreshPending() { m_bRefreshPending = 1; }

protected:
    // A command of the page's own, after the controls' notifications.
    virtual void OnPageCommand(WPARAM) {}
    // The controls from the stage; pages that correct what they show after
    // the pass extend it.
    virtual void FillCtrls() { DataToCtrls(); }
    // The page's enable rules, listed before set-up ends.
    void AddRules(const cEnableRule* lpRules, size_t nCount);
    // Set-up's end, with the page's controls attached: the lists drawn, the
    // controls filled, the rules, the created mark.
    void FinishSetup();
    // The stage editor window the sheet belongs to, or null.
    cStageEditWnd* StageWnd() const;
    void NotifyChanged();

private:
    bool IsOn(const cEnableRule& rule) const;

    std::vector<cEnableRule> m_Rules;
    u32 m_bRefreshPending = 0;
};
