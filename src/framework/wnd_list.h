#pragma once
// The registry of open windows: every modeless dialog and property-sheet
// page is listed from its set-up until its window is destroyed, and every
// modeless property sheet from its creation until it has finished. The
// message loop lets it pre-translate every message; it can show, hide,
// enable and disable all registered windows at once.
#include <windows.h>

#include <list>
#include <utility>
#include <vector>

#include "app/types.h"

class cWndBase;
class cWndGroup;

class cWndList {
public:
    cWndList() = default;
    cWndList(const cWndList&) = delete;
    cWndList& operator=(const cWndList&) = delete;

    // Lists the window at the end; a window is listed once.
    void AddWnd(cWndBase* lpWnd);
    // false when it wasn't listed.
    bool RemoveWnd(cWndBase* lpWnd);
    bool Contains(const cWndBase* lpWnd) const;
    size_t WndCount() const { return m_Windows.size(); }
    const std::list<cWndBase*>& Windows() const { return m_Windows; }

    // The group and the owner's field that holds it; the registry deletes a
    // finished group through that field and sets it to null.
    void AddGroup(cWndGroup* lpGroup, cWndGroup** lpOwnerField);
    bool RemoveGroup(cWndGroup* lpGroup);
    bool ContainsGroup(const cWndGroup* lpGroup) const;
    size_t GroupCount() const { return m_Groups.size(); }

    // true when the message was consumed.
    bool PreTranslate(MSG* lpMsg);
    void ShowAll(bool bShow);
    void EnableAll(bool bEnable);

    // Calls fn for every listed window in list order. A window that leaves
    // the registry meanwhile is not called any more, so a call may close
    // windows safely.
    template <class F>
    void ForEachWnd(F fn)
    {
        std::vector<cWndBase*> snapshot(m_Windows.begin(), m_Windows.end());
        for (cWndBase* lpWnd : snapshot)
            if (Contains(lpWnd)) fn(lpWnd);
    }

private:
    bool TranslateAccelerators(MSG* lpMsg);
    bool CloseFinishedSheet();

    std::list<cWndBase*> m_Windows;
    std::list<std::pair<cWndGroup*, cWndGroup**>> m_Groups;
};

// The one registry of the program.
extern cWndList g_WndList;
