#pragma once
// The control wrapper base: one wrapper binds one dialog item, by control
// ID, to one field of a record and moves the value in the dialog's two
// passes. A dialog keeps one vector of entries (cCtrlDesc<T>: a wrapper and
// its setup) per kind of wrapper, sized in its constructor and never resized
// once its window exists, attaches them all with cDlgBase::CreateCtrls and
// finds them by control ID with FindCtrl and EnableCtrl.
#include <windows.h>

#include <string>
#include <type_traits>
#include <vector>

#include "app/ctrl_rules.h"
#include "app/types.h"

class cDlgBase;

class cCtrl {
public:
    cCtrl() = default;
    virtual ~cCtrl() = default;
    // Entries live in vectors: copying a wrapper copies every field.
    cCtrl(const cCtrl&) = default;
    cCtrl& operator=(const cCtrl&) = default;

    virtual int Enable(BOOL bEnable);
    virtual void DataToCtrl() {}
    // Overrides store nothing while the owner's data-to-controls pass runs.
    virtual void CtrlToData() {}
    virtual void OnChange() {}
    virtual int OnNotify(WPARAM, LPARAM) { return 0; }
    virtual int OnScroll(WPARAM, LPARAM) { return 0; }
    virtual void Hook() {}
    virtual void RedrawList() {}
    virtual void OnKillFocus() {}
    // Run on every list wrapper after each command.
    virtual void AfterCommand() {}
    virtual void OnKey(WPARAM, LPARAM, int) {}
    // The control whose edit notifications the dispatch hands to this
    // wrapper: its own, or for a slider its partner edit's.
    virtual u16 GetCommandId() const { return m_wId; }

    void Attach(cDlgBase* lpOwner, u16 wId);
    // Records the item's place on the screen and in the owner's client area.
    void UpdatePos();
    BOOL SetPos(s32 x, s32 y);
    BOOL SetSize(s32 nWidth, s32 nHeight);
    BOOL SetTextStr(const std::string& str);
    bool HitTest(POINT ptScreen) const;
    void Show(BOOL bShow);
    void RemoveStyle(u32 dwBits);
    bool HasStyle(u32 dwBits) const;
    bool IsEnabled() const;
    void SetText(const char* lpText);
    void GetText(std::string& str) const;
    void AppendText(const char* lpText);
    void AppendTextf(const char* lpFormat, ...) __attribute__((format(printf, 2, 3)));

    HWND GetHwnd() const { return m_hWnd; }
    cDlgBase* GetOwner() const { return m_lpOwner; }
    HWND GetOwnerHwnd() const { return m_hOwnerWnd; }
    u32 GetKind() const { return m_dwKind; }
    u16 GetId() const { return m_wId; }
    POINT GetClientPos() const { return {m_nClientX, m_nClientY}; }
    POINT GetScreenPos() const { return {m_nScreenX, m_nScreenY}; }

protected:
    // True while the owner fills its controls from the data.
    bool OwnerUpdating() const;
    // Subclasses the control once: the wrapper under the window property,
    // the control's own procedure kept.
    void Subclass(const char* lpProp, WNDPROC lpProc);
    // Puts the control's own procedure back while the window still carries
    // this wrapper (a copy of an entry leaves the original's alone).
    void Unsubclass(const char* lpProp);
    // For the subclass procedure at WM_DESTROY: the own procedure back and
    // the property removed; the procedure to pass the message on to.
    WNDPROC EndSubclass(HWND hWnd, const char* lpProp);

    HWND m_hWnd = nullptr;
    WNDPROC m_lpSavedProc = nullptr;
    cDlgBase* m_lpOwner = nullptr;
    HWND m_hOwnerWnd = nullptr;
    u32 m_dwKind = 0;
    u16 m_wId = 0;
    HMENU m_hPopupMenu = nullptr;
    s32 m_nScreenX = 0;
    s32 m_nScreenY = 0;
    s32 m_nClientX = 0;
    s32 m_nClientY = 0;
    u32 m_bReentrant = 0;
};

// Edits: the edit kind is 1 for typed values, 2 for texts (0 until attached).
class cCtrlEdit : public cCtrl {
public:
    u32 GetEditKind() const { return m_dwEditKind; }

protected:
    u32 m_dwEditKind = 0;
};

// A control that carries no data: buttons, labels, group boxes.
class cCtrlPlain : public cCtrl {
public:
    struct cSetup {
        u16 wSetupId = 0;
        void SetId(u16 wId) { wSetupId = wId; }
    };
    cCtrlPlain() { m_dwKind = kCtrlPlain; }
    void Attach(cDlgBase* lpOwner, const cSetup& setup) { cCtrl::Attach(lpOwner, setup.wSetupId); }
};

// One entry of a dialog's control table: a wrapper followed by its setup,
// filled before the dialog's window exists and read when it is attached.
template <class T>
class cCtrlDesc : public T, public T::cSetup {
public:
    void AttachDesc(cDlgBase* lpOwner) { T::Attach(lpOwner, static_cast<const typename T::cSetup&>(*this)); }
};

// A control ID that a dialog's table lacks is a programming error: the
// message (shown only while the debug flag is set), the fatal-error flag and
// the main window closed.
void ReportMissingCtrl(u16 wId);

// The first wrapper with the control ID, in list order; null after the
// report above when there is none.
cCtrl* FindControlById(const std::vector<cCtrl*>& ctrls, u16 wId);
template <class D, class = std::enable_if_t<!std::is_pointer<D>::value>>
D* FindControlById(std::vector<D>& entries, u16 wId)
{
    for (D& entry : entries)
        if (entry.GetId() == wId) return &entry;
    ReportMissingCtrl(wId);
    return nullptr;
}

// The first entry of a dialog's table with the control ID.
template <class D>
D* FindCtrl(std::vector<D>& entries, u16 wId)
{
    return FindControlById(entries, wId);
}

// Enables or disables the entry's control (and its partners); the result of
// its Enable, 0 when the ID is missing.
template <class D>
int EnableCtrl(std::vector<D>& entries, u16 wId, BOOL bEnable)
{
    D* lpEntry = FindCtrl(entries, wId);
    return lpEntry ? lpEntry->Enable(bEnable) : 0;
}
