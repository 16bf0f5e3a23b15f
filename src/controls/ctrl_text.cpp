#include "controls/ctrl_text.h"

#include <vector>

#include "app/str_util.h"
#include "framework/dlg_base.h"
#include "framework/dlg_item.h"
#include "framework/wnd_base.h"

namespace {

// Whether edits count their selection in bytes, as the system's own ANSI
// edits do, or in characters, as edits that keep their text in UTF-16 do
// (Wine's). Found once with a hidden edit holding one double-byte character.
bool EditSelInBytes()
{
    static int s_nInBytes = -1;
    if (s_nInBytes < 0) {
        HWND hEdit = CreateWindowExA(0, "EDIT", "表", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        DWORD dwEnd = 2;
        if (hEdit) {
            SendMessageA(hEdit, EM_SETSEL, 0, -1);
            SendMessageA(hEdit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&dwEnd));
            DestroyWindow(hEdit);
        }
        s_nInBytes = dwEnd == 2;
    }
    return s_nInBytes != 0;
}

s32 SelToBytes(const std::string& str, DWORD dwPos)
{
    return static_cast<s32>(EditSelInBytes() ? dwPos : CharsToBytes(str, dwPos));
}

WPARAM BytesToSel(const std::string& str, s32 nPos)
{
    return EditSelInBytes() ? static_cast<WPARAM>(nPos) : BytesToChars(str, static_cast<size_t>(nPos));
}

}  // namespace

void cCtrlText::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    m_dwEditKind = 2;
    cCtrl::Attach(lpOwner, setup.wSetupId);
    m_lpText = setup.lpSetupText;
    m_nSize = setup.nSetupSize ? setup.nSetupSize : 4096;
    m_Limits.nLineWidth = setup.nSetupLineWidth ? setup.nSetupLineWidth : 1024;
    m_Limits.nLineCount = setup.nSetupLineCount ? setup.nSetupLineCount : 32;
    m_Limits.bDbcs = setup.bSetupDbcs != 0;
    DataToCtrl();
}

void cCtrlText::SetText(const std::string& str)
{
    // The text counts as accepted before it is shown, so that the change
    // notification of showing it fits it as the program's own text.
    m_strPrev = str;
    m_bSetText = 1;
    SetDlgItemStr(m_hOwnerWnd, m_wId, str);
    OnChange();
    m_bSetText = 0;
}

void cCtrlText::ReadAll(std::string& str) const
{
    str.clear();
    if (!m_hWnd) return;
    const int nLength = GetWindowTextLengthA(m_hWnd);
    std::vector<char> buf(static_cast<size_t>(nLength > 0 ? nLength : 0) + 1, '\0');
    const int nRead = GetWindowTextA(m_hWnd, buf.data(), static_cast<int>(buf.size()));
    str.assign(buf.data(), static_cast<size_t>(nRead > 0 ? nRead : 0));
}

void cCtrlText::GetText(std::string& str) const
{
    ReadAll(str);
    str.resize(CharBoundaryAtOrBelow(str, TextReadLimit(m_nSize, m_Limits.bDbcs)));
}

void cCtrlText::DataToCtrl()
{
    if (m_lpText) SetText(*m_lpText);
}

void cCtrlText::CtrlToData()
{
    if (OwnerUpdating() || !m_lpText || !m_hWnd) return;
    GetText(*m_lpText);
}

void cCtrlText::OnChange()
{
    if (m_bReentrant || !m_hWnd) return;
    m_bReentrant = 1;
    cTextState typed;
    ReadAll(typed.strText);
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    typed.nSelStart = m_nSelStart = SelToBytes(typed.strText, dwStart);
    typed.nSelEnd = m_nSelEnd = SelToBytes(typed.strText, dwEnd);
    const cTextState laid = LayOutText(typed, m_strPrev, m_Limits, m_bSetText != 0, IsKeyDownNow(VK_BACK));
    if (laid.strText != typed.strText) SetDlgItemStr(m_hOwnerWnd, m_wId, laid.strText);
    if (!m_bSetText)
        SendMessageA(m_hWnd, EM_SETSEL, BytesToSel(laid.strText, laid.nSelStart),
                     static_cast<LPARAM>(BytesToSel(laid.strText, laid.nSelEnd)));
    m_strPrev = laid.strText;
    m_bReentrant = 0;
}
