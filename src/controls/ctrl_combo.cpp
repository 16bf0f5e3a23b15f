#include "controls/ctrl_combo.h"

#include "app/fatal.h"

int cCtrlComboBase::GetCurSel() const
{
    return m_hWnd ? static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)) : -1;
}

void cCtrlComboBase::SetCurSel(int nPos)
{
    if (!m_hWnd) return;
    // A position the list doesn't have shows no selection (Wine would keep
    // or pick a row).
    if (nPos < 0 || nPos >= GetCount()) nPos = -1;
    SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
}

int cCtrlComboBase::GetCount() const
{
    return m_hWnd ? static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0)) : 0;
}

void cCtrlComboBase::FillList()
{
    if (!m_hWnd) return;
    SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
    if (m_lpItems) {
        for (const char* const* lpItem = m_lpItems; *lpItem && **lpItem; ++lpItem)
            SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*lpItem));
    } else if (m_lpItemList) {
        for (const std::string& str : *m_lpItemList)
            SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(str.c_str()));
    }
}

void cCtrlComboBase::ReportPosFailure() const { DebugMesBox("コンボボックスのPosToDataに失敗！"); }

void cCtrlComboBase::ReportAdjustWithTable() const
{
    DebugMesBox("Adjust Err 変換テーブルポインタには未対応です");
}

void cCtrlComboBase::ReportSetMinWithTable() const
{
    DebugMesBox("SetMin Err 変換テーブルポインタには未対応です");
}
