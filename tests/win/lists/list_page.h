#pragma once
// The test page of the list control: a main list (extended selection,
// records from index 1, 1 to 999 of them, numbered, with the separator, the
// first main set: accelerators 105, menu 112) and a sub-list (single
// selection, 0 to 99 records, the first sub set: accelerators 108, menu
// 115), each with an edit bound to its edit record's name, and a button
// that sets the main list's data count. It does what every list owner does.
#include <string>
#include <vector>

#include "controls/ctrl_list.h"
#include "controls/ctrl_text.h"
#include "framework/dlg_base.h"
#include "list_ids.h"

struct cPageRec {
    std::string m_strName;
    s32 m_nValue = 0;
    void Init() { *this = cPageRec(); }
};

class cListPage : public cDlgBase {
public:
    // nMain records in the main list's stored vector (record 0 hidden), nSub
    // in the sub-list's.
    cListPage(int nMain, int nSub, u32 dwMode = kModeWindow);
    ~cListPage() override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnFrame() override;
    void OnDraw() override {}

    cCtrlList<cPageRec>& Main() { return m_Lists[0]; }
    cCtrlList<cPageRec>& Sub() { return m_Lists[1]; }

    std::vector<cPageRec> m_Stored;  // the main list's stored data
    std::vector<cPageRec> m_MainWork;
    std::vector<cPageRec> m_SubWork;
    cPageRec m_MainEdit;
    cPageRec m_SubEdit;
    int m_nSetResult = -1;          // SetAccelMenu of each list at set-up
    HMENU m_hShownMenu = nullptr;   // the last popup that opened
    std::vector<u16> m_Commands;    // WM_COMMAND IDs without a control window

private:
    std::vector<cCtrlDesc<cCtrlList<cPageRec>>> m_Lists;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
};

// n records named "名前1".. with values 1..; record 0 is "先頭".
std::vector<cPageRec> PageRecs(int n);
