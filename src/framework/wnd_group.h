#pragma once
// A window that owns a set of dialog pages and runs them as one modeless
// property sheet (the database window and the entry data windows are
// groups). A derived class owns its page objects, lists them with AddPage,
// registers the group with the registry (AddGroup) and deletes its pages in
// its destructor, closing the sheet first when it is still open.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/safe_vector.h"
#include "app/types.h"

class cDlgBase;
class cWndBase;
class cWndList;

// The factors by which page templates are scaled so that sheets come out the
// same size on every machine; 1.0 until measured.
struct cSheetRate {
    double dX = 1.0;
    double dY = 1.0;
};
extern cSheetRate g_SheetRate;

class cWndGroup {
public:
    cWndGroup(u32 dwMode, cWndBase* lpOwner, cWndList* lpRegistry);
    virtual ~cWndGroup();
    cWndGroup(const cWndGroup&) = delete;
    cWndGroup& operator=(const cWndGroup&) = delete;

    // Creates the modeless sheet; false when it couldn't be made.
    bool Run();
    void CloseSheet();
    void SetCurPage(int nIndex);
    // The current page's index; -1 without a sheet.
    int GetCurPage() const;
    // Draws the current page.
    void StepCurPage();
    void AddSheetStyle(u32 dwBits);
    void RemoveSheetStyle(u32 dwBits);

    void AddPage(cDlgBase* lpPage) { m_Pages.push_back(lpPage); }
    size_t GetPageCount() const { return m_Pages.size(); }
    // Checked: a bad index takes the fatal path and gives page 0.
    cDlgBase* GetPage(int nIndex) { return m_Pages.At(nIndex); }
    HWND GetSheetHwnd() const { return m_hSheet; }
    u32 GetMode() const { return m_dwMode; }
    cWndBase* GetOwner() const { return m_lpOwner; }

protected:
    u32 m_dwMode;
    HWND m_hOwner;
    cWndBase* m_lpOwner;
    cWndList* m_lpRegistry;
    cSafeVector<cDlgBase*> m_Pages;
    std::vector<HPROPSHEETPAGE> m_hPages;
    std::vector<std::vector<u8>> m_Templates;
    HWND m_hSheet = nullptr;

private:
    bool MakePages(HINSTANCE hInstance);
    void FailSheet();
};
