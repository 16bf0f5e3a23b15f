#pragma once
// The base of every dialog, modeless editor window and property-sheet page,
// one class per dialog resource. It creates the dialog from its template,
// binds the object to the window (property "DLG_CLASS"), keeps the dialog's
// control wrappers and routes commands and notifications to them by control
// ID, moves values between data and controls in two passes, gives the
// dialog its own scroll bars with keyboard scrolling and installs the
// keyboard hook.
//
// A derived class overrides WndProc and calls DefaultProc first, extends
// OnInitDialog (base first, then bind and fill its controls, then set the
// initialised flag) and extends OnCommand (base first). A class whose
// wrappers subclass their controls destroys its window in its own
// destructor, while the wrappers still exist.
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "app/fatal.h"
#include "controls/ctrl.h"
#include "controls/ctrl_picture.h"
#include "controls/scroll_ctrl.h"
#include "framework/hook.h"
#include "framework/wnd_base.h"

class cWndGroup;

// Window flags of DoModal and Create.
enum : u32 {
    kDlgHideOthers = 2,     // hide every other registered window while open
    kDlgDisableOthers = 4,  // disable them
};

// The control IDs of a dialog's own scroll bars (set at start-up).
extern u16 g_wDlgHScrollId;
extern u16 g_wDlgVScrollId;

class cDlgBase : public cWndBase {
public:
    cDlgBase(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry);
    cDlgBase(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, cCtrl* lpPlacement, u32 bCentre);
    // Placed at (centred on) an anchor window.
    cDlgBase(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, cWndBase* lpAnchor, u32 bCentre);
    ~cDlgBase() override;

    // The dialog's result; 0 at once when a window exists already.
    int DoModal(u32 dwFlags);
    void Create(u32 dwFlags, bool bShow);
    void Close(int nResult);
    // Shows and enables the other windows again, as the flags hid or
    // disabled them.
    void RestoreOthers();

    void DataToCtrls();
    void Refresh(int) { DataToCtrls(); }
    void RefreshExcept(const cCtrl* lpCtrl);
    void CtrlsToData();
    // The control ID of the wrapper whose user change the WM_COMMAND reports.
    u16 GetChangedCtrl(WPARAM wParam) const;
    // One step of scrolling while the mouse is dragged outside the view.
    void AutoScroll(s32* lpX, s32* lpY);

    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    // Redraws every list control.
    void Refresh() override;
    virtual void OnInitDialog(WPARAM wParam, LPARAM lParam);

    // Attaches every entry of the table and lists its wrapper.
    template <class D>
    void CreateCtrls(std::vector<D>& entries)
    {
        for (D& entry : entries) {
            entry.AttachDesc(this);
            m_Ctrls.push_back(&entry);
        }
    }
    // Attaches one list entry; CreateList also lists its wrapper.
    template <class D>
    void AttachList(D& entry)
    {
        entry.AttachDesc(this);
    }
    template <class D>
    void CreateList(D& entry)
    {
        AttachList(entry);
        m_Ctrls.push_back(&entry);
    }
    void AddPicture(cCtrlDesc<cCtrlPicture>& entry);
    void AddCtrl(cCtrl* lpCtrl) { m_Ctrls.push_back(lpCtrl); }
    const std::vector<cCtrl*>& GetCtrls() const { return m_Ctrls; }

    bool IsUpdating() const { return m_bUpdating != 0; }
    u32 GetState() const { return m_dwState; }
    void SetState(u32 dwState) { m_dwState = dwState; }
    int GetResult() const { return m_nResult; }
    cWndBase* GetParentObject() const { return m_lpParentClass; }
    void SetParentObject(cWndBase* lpParent) { m_lpParentClass = lpParent; }
    cWndGroup* GetHostGroup() const { return m_lpHost; }
    void SetHostGroup(cWndGroup* lpGroup) { m_lpHost = lpGroup; }
    cHook& GetHook() { return m_Hook; }
    cScrollCtrl& GetOwnScroll(bool bVertical) { return bVertical ? m_VScroll : m_HScroll; }

    // Dialog objects alive now (every dialog and page of the program).
    static int LiveCount() { return s_nLive; }

    // The dialog procedure of every dialog and page: finds the object and
    // calls its WndProc.
    static INT_PTR CALLBACK DlgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // The same for property-sheet pages, whose set-up carries the page record.
    static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

protected:
    u32 m_dwState = 0;  // 0 modal, 1 modeless (pages too)
    u32 m_dwFlags = 0;
    int m_nResult = 0;
    cHook m_Hook;
    cWndBase* m_lpParentClass = nullptr;
    cWndGroup* m_lpHost = nullptr;
    cCtrlDesc<cCtrlPicture> m_Picture;
    cCtrlDesc<cScrollCtrl> m_HScroll;
    cCtrlDesc<cScrollCtrl> m_VScroll;
    u32 m_bUpdating = 0;
    std::vector<cCtrl*> m_Ctrls;  // attached wrappers, in attach order; not owned

private:
    static INT_PTR Dispatch(cDlgBase* lpInit, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void Init(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry);
    void Bind(HWND hWnd);
    void Unbind(HWND hWnd);
    void AttachOwnScrollBars();
    void LayOutOwnScrollBars();
    bool IsOwnBar(LPARAM lParam, bool bVertical) const;
    void OnOwnScroll(bool bVertical, WPARAM wParam);
    void ScrollByKey(WPARAM wParam);
    void HideOrDisableOthers();

    s32 m_anAutoScroll[4] = {};  // calls outside the view: left, right, up, down
    static int s_nLive;
};

// A dialog that its OK button (1000) applies and its Cancel button (1001),
// Escape or the close box close with 0. The picture control 1006 of its
// template, when it has one, can stay hidden.
class cApplyDlg : public cDlgBase {
public:
    using cDlgBase::cDlgBase;
    static constexpr u16 kIdOkButton = 1000;
    static constexpr u16 kIdCancelButton = 1001;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // OK: the dialog's own work; it closes the dialog.
    virtual void Apply() = 0;
    // Any other command, after the base's dispatch to the wrappers.
    virtual void OnOtherCommand(WPARAM) {}
    void HidePicture();
};

// A dialog made on the heap, run modally and deleted; 0 when it could not be
// made (the user is told).
template <class D, class... A>
int RunModalDlg(A&&... args)
{
    std::unique_ptr<D> lpDlg(new (std::nothrow) D(std::forward<A>(args)...));
    if (!lpDlg) {
        ReportOutOfMemory();
        return 0;
    }
    return lpDlg->DoModal(0);
}
