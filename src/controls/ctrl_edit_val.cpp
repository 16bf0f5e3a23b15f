#include "controls/ctrl_edit_val.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "framework/dlg_base.h"

namespace {

const char* const kEditValProp = "CTRL_EDITVAL_CLASS";

int ToInt(double d)
{
    if (d < INT_MIN) return INT_MIN;
    if (d > INT_MAX) return INT_MAX;
    return static_cast<int>(d);
}

}  // namespace

void cCtrlSpin::Attach(cDlgBase* lpOwner, u16 wId, HWND hBuddy)
{
    cCtrl::Attach(lpOwner, wId);
    m_hBuddy = hBuddy;
}

void cCtrlSpin::SetRange(double dMin, double dMax)
{
    m_bNegative = dMin < 0;
    if (m_hWnd) SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(ToInt(dMin)), ToInt(dMax));
}

cCtrlEditValBase::~cCtrlEditValBase() { Unsubclass(kEditValProp); }

void cCtrlEditValBase::AttachEdit(cDlgBase* lpOwner, u16 wId, u16 wSpinId, s32 nTypeCode, double dMin,
                                  double dMax, double dStep)
{
    Unsubclass(kEditValProp);
    m_dwEditKind = 1;
    cCtrl::Attach(lpOwner, wId);
    RemoveStyle(ES_NUMBER);  // '-' and '.' must be typable
    m_Rules.Setup(nTypeCode, dMin, dMax, dStep);
    if (wSpinId) {
        m_Spin.Attach(lpOwner, wSpinId, m_hWnd);
        m_Spin.SetRange(dMin, dMax);
        // The edit writes its own text; the up-down must not.
        m_Spin.RemoveStyle(UDS_SETBUDDYINT);
    }
    Subclass(kEditValProp, SubclassProc);
    if (HasField()) SetDataValue(ReadField());
}

LRESULT CALLBACK cCtrlEditValBase::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    cCtrlEditValBase* lpEdit = static_cast<cCtrlEditValBase*>(GetPropA(hWnd, kEditValProp));
    if (!lpEdit || !lpEdit->m_lpSavedProc) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    WNDPROC lpProc = lpEdit->m_lpSavedProc;
    switch (uMsg) {
    case WM_CHAR:
        if (!IsValueEditChar(static_cast<u32>(wParam))) return 0;
        break;
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR) {
            lpEdit->TypeImeResult(hWnd);
            return 0;
        }
        if (HIMC hImc = ImmGetContext(hWnd)) ImmReleaseContext(hWnd, hImc);
        break;
    case WM_DESTROY:
        lpProc = lpEdit->EndSubclass(hWnd, kEditValProp);
        break;
    default:
        break;
    }
    return CallWindowProcA(lpProc, hWnd, uMsg, wParam, lParam);
}

void cCtrlEditValBase::TypeImeResult(HWND hWnd)
{
    HIMC hImc = ImmGetContext(hWnd);
    if (!hImc) return;
    std::string strResult;
    const LONG nBytes = ImmGetCompositionStringA(hImc, GCS_RESULTSTR, nullptr, 0);
    if (nBytes > 0) {
        std::vector<char> buf(static_cast<size_t>(nBytes));
        const LONG nRead = ImmGetCompositionStringA(hImc, GCS_RESULTSTR, buf.data(), nBytes);
        if (nRead > 0) strResult.assign(buf.data(), static_cast<size_t>(std::min(nRead, nBytes)));
    }
    ImmReleaseContext(hWnd, hImc);
    for (char c : MapFullWidthKeys(strResult)) SendMessageA(hWnd, WM_CHAR, static_cast<u8>(c), 1);
}

int cCtrlEditValBase::Enable(BOOL bEnable)
{
    const int nResult = cCtrl::Enable(bEnable);
    m_Spin.Enable(bEnable);
    return nResult;
}

void cCtrlEditValBase::SetRangeValue(double dMin, double dMax)
{
    m_Rules.SetRange(dMin, dMax);
    if (m_Spin.GetHwnd()) m_Spin.SetRange(dMin, dMax);
}

void cCtrlEditValBase::WriteText(const std::string& str)
{
    if (!m_hWnd) return;
    std::string strNow;
    GetText(strNow);
    if (strNow != str) SetWindowTextA(m_hWnd, str.c_str());
}

void cCtrlEditValBase::ShowValue(double dValue, bool bForce)
{
    std::string str;
    if (m_Rules.Show(dValue, bForce, str)) WriteText(str);
}

void cCtrlEditValBase::SetDataValue(double dValue)
{
    m_Rules.SetEmpty(false);
    ShowValue(dValue, true);
}

double cCtrlEditValBase::ParseTextValue()
{
    std::string str;
    GetText(str);
    return m_Rules.Parse(str);
}

void cCtrlEditValBase::DataToCtrl()
{
    if (HasField()) SetDataValue(ReadField());
}

void cCtrlEditValBase::CtrlToData()
{
    if (OwnerUpdating() || !HasField() || !m_hWnd) return;
    WriteField(m_Rules.Clamp(ParseTextValue()));
}

void cCtrlEditValBase::OnChange()
{
    ParseTextValue();
    if (m_bReentrant || !m_hWnd) return;
    m_bReentrant = 1;
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    const double dValue = ParseTextValue();
    std::string str;
    if (!m_Rules.IsEmpty() && m_Rules.ShowTyped(dValue, str)) WriteText(str);
    SendMessageA(m_hWnd, EM_SETSEL, dwStart, dwEnd);
    m_bReentrant = 0;
}

void cCtrlEditValBase::OnKillFocus()
{
    if (m_bReentrant) return;
    m_bReentrant = 1;
    const double dValue = ParseTextValue();
    if (m_Rules.IsEmpty()) {
        m_Rules.ClearKept();
        SetDataValue(m_Rules.EmptyValue());
    } else {
        SetDataValue(dValue);
    }
    m_bReentrant = 0;
}

int cCtrlEditValBase::OnNotify(WPARAM, LPARAM lParam)
{
    const NMHDR* lpHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!lpHdr || lpHdr->code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
    if (!m_Spin.GetHwnd() || lpHdr->idFrom != m_Spin.GetId()) return 0;
    const NMUPDOWN* lpUpDown = reinterpret_cast<const NMUPDOWN*>(lParam);
    const double dValue = m_Rules.Spin(ParseTextValue(), lpUpDown->iDelta);
    ShowValue(dValue, true);
    return 1;
}
