#include "command_editor/bound_dlg.h"

#include "app/fatal.h"
#include "app/win32/sound.h"
#include "command_editor/behaviours.h"

void* cBindTargets::Resolve(const cFieldRef& field) const
{
    switch (field.m_eHome) {
    case eFieldHome::None:
    case eFieldHome::Count: return nullptr;
    case eFieldHome::Param:
        if (!m_lpParams || field.m_nIndex >= m_lpParams->size()) return nullptr;
        // A parameter is stored unsigned and edited as the signed value it means.
        return &(*m_lpParams)[field.m_nIndex];
    case eFieldHome::Local:
        return m_lpLocals && field.m_nIndex < cBoundDlg::kLocals ? &m_lpLocals[field.m_nIndex] : nullptr;
    default: {
        void* lpRecord = m_alpHome[static_cast<int>(field.m_eHome)];
        return lpRecord && field.m_pfnAddress ? field.m_pfnAddress(lpRecord) : nullptr;
    }
    }
}

cBoundDlg::cBoundDlg(const cBoundDesc& desc, cWndBase* lpParent, cCtrl* lpAnchor, u32 bCentre, cWndList* lpRegistry)
    : cDlgBase(desc.m_wDlgId, lpParent, kModeModal, lpRegistry, lpAnchor, bCentre), m_Desc(desc), m_lpAnchor(lpAnchor)
{
    for (u32 i = 0; i < kLocals; ++i) m_anLocals[i] = desc.m_anLocals[i];
}

cBoundDlg::~cBoundDlg()
{
    // The wrappers go with the bindings: the window must go first.
    if (m_hWnd && IsWindow(m_hWnd) && m_dwState == 1) DestroyWindow(m_hWnd);
}

void cBoundDlg::Bind(const cBindTargets& targets)
{
    m_Bindings.clear();
    m_Bindings.reserve(m_Desc.m_nRows);
    for (u32 i = 0; i < m_Desc.m_nRows; ++i) {
        const cBindRow& row = m_Desc.m_lpRows[i];
        std::unique_ptr<cBinding> lpBinding = MakeBinding(row, targets.Resolve(row.m_Field));
        if (!lpBinding) {
            ReportMissingCtrl(row.m_wId);
            continue;
        }
        m_Bindings.push_back(std::move(lpBinding));
    }
}

cBinding* cBoundDlg::FindBindingQuiet(u16 wId) const
{
    for (const auto& lpBinding : m_Bindings)
        if (lpBinding->GetId() == wId) return lpBinding.get();
    return nullptr;
}

cBinding* cBoundDlg::FindBinding(u16 wId) const
{
    cBinding* lpBinding = FindBindingQuiet(wId);
    if (!lpBinding) ReportMissingCtrl(wId);
    return lpBinding;
}

bool cBoundDlg::ReadCtrl(u16 wId, s64& nValue) const
{
    cBinding* lpBinding = FindBindingQuiet(wId);
    return lpBinding && lpBinding->Ctrl().GetHwnd() && lpBinding->ReadCtrl(nValue);
}

void cBoundDlg::SnapshotFields(cCtrlValues& values) const
{
    for (const auto& lpBinding : m_Bindings) {
        s64 nValue = 0;
        if (lpBinding->ReadField(nValue)) values.Set(lpBinding->GetId(), nValue);
    }
}

cCtrlValues cBoundDlg::ReadCtrls() const
{
    cCtrlValues values;
    SnapshotCtrls(values);
    return values;
}

void cBoundDlg::SnapshotCtrls(cCtrlValues& values) const
{
    for (const auto& lpBinding : m_Bindings) {
        s64 nValue = 0;
        if (lpBinding->Ctrl().GetHwnd() && lpBinding->ReadCtrl(nValue)) values.Set(lpBinding->GetId(), nValue);
    }
}

void cBoundDlg::ApplyItems(cBinding& binding, const cItemSource& items)
{
    if (binding.m_bHasItems && binding.m_ItemSource == items) return;
    binding.m_ItemSource = items;
    binding.m_bHasItems = true;
    ++m_nRefills;
    BuildItems(items, binding.m_Items);
    binding.SetItems(&binding.m_Items);
}

void cBoundDlg::Apply(const cRefreshOut& out)
{
    const u32 bWasUpdating = m_bUpdating;
    m_bUpdating = 1;
    for (const cCtrlDecision& d : out.Decisions()) {
        cBinding* lpBinding = FindBindingQuiet(d.wId);
        HWND hCtrl = lpBinding ? lpBinding->Ctrl().GetHwnd() : (m_hWnd ? GetDlgItem(m_hWnd, d.wId) : nullptr);
        // The base first: new rows then keep the shown value within it.
        if (lpBinding && d.bBase) lpBinding->SetBase(d.nBase);
        if (lpBinding && d.bItems) ApplyItems(*lpBinding, d.items);
        if (lpBinding && d.bRange) lpBinding->SetRange(d.nMin, d.nMax);
        if (lpBinding && d.bValue) lpBinding->ShowValue(d.nValue);
        if (d.nEnable >= 0) {
            if (lpBinding) lpBinding->Ctrl().Enable(d.nEnable);
            else if (hCtrl) EnableWindow(hCtrl, d.nEnable);
        }
        if (d.nShow >= 0 && hCtrl) ShowWindow(hCtrl, d.nShow ? SW_SHOW : SW_HIDE);
        if (d.nCheck >= 0 && lpBinding) lpBinding->SetCheck(d.nCheck);
        if (d.bLabel && hCtrl) {
            char szNow[512] = "";
            GetWindowTextA(hCtrl, szNow, sizeof szNow);
            if (d.strLabel != szNow) SetWindowTextA(hCtrl, d.strLabel.c_str());
        }
    }
    m_bUpdating = bWasUpdating;
}

void cBoundDlg::RunRule(const cCtrlValues& values)
{
    if (!m_Desc.m_pfnRefresh) return;
    cRefreshOut out;
    m_Desc.m_pfnRefresh(values, Facts(), out);
    Apply(out);
}

void cBoundDlg::RunRefresh()
{
    if (m_bRefreshing || m_bClosing || !m_hWnd) return;
    m_bRefreshing = 1;
    cCtrlValues values;
    SnapshotCtrls(values);
    RunRule(values);
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->AfterRefresh(*this);
    m_bRefreshing = 0;
}

void cBoundDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    if (HWND hPicture = GetDlgItem(m_hWnd, kIdPicture)) ShowWindow(hPicture, SW_HIDE);
    for (const auto& lpBinding : m_Bindings) lpBinding->Attach(this);
    for (const auto& lpBinding : m_Bindings) {
        if (lpBinding->Row().m_eKind != eBind::Combo) continue;
        const cItemSource& own = lpBinding->Row().m_Items;
        ApplyItems(*lpBinding, own.m_eRows != eRows::None ? own : DefaultItems(lpBinding->Row()));
    }
    // The rule first sees the stored values, so that every combo has the rows
    // of its stored value before the controls show the data.
    m_bRefreshing = 1;
    cCtrlValues stored;
    SnapshotFields(stored);
    RunRule(stored);
    m_bRefreshing = 0;
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->OnInit(*this);
    DataToCtrls();
    RunRefresh();
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->AfterInit(*this);
    m_bInitialized = 1;
}

void cBoundDlg::CloseWith(int nResult)
{
    if (m_bClosing) return;
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->OnEnding(*this, nResult);
    m_bClosing = 1;
    Close(nResult);
}

void cBoundDlg::ConfirmOk()
{
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i)
        if (!m_Desc.m_lpBehaviours[i]->CheckOk(*this)) return;
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->OnEnding(*this, 1);
    CtrlsToData();
    StoreResult();
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->AfterStore(*this);
    m_bClosing = 1;
    Close(1);
}

void cBoundDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const u16 wChanged = m_bInitialized ? GetChangedCtrl(wParam) : 0;
    cDlgBase::OnCommand(wParam, lParam);
    if (m_bClosing) return;
    const u16 wId = LOWORD(wParam);
    const u16 wCode = HIWORD(wParam);
    if (wId == kIdOk && wCode == BN_CLICKED) {
        ConfirmOk();
        return;
    }
    if (wId == kIdCancel && wCode == BN_CLICKED) {
        CloseWith(0);
        return;
    }
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) {
        if (m_Desc.m_lpBehaviours[i]->OnCommand(*this, wId, wCode)) return;
        if (m_bClosing) return;
    }
    if (wChanged && !m_bUpdating) RunRefresh();
}

LRESULT cBoundDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) {
        SoundMgr().Stop();
        CloseWith(0);
        return 1;
    }
    return lResult ? 1 : 0;
}

void cBoundDlg::OnDraw()
{
    if (m_bClosing || !m_bInitialized) return;
    for (u32 i = 0; i < m_Desc.m_nBehaviours; ++i) m_Desc.m_lpBehaviours[i]->OnDraw(*this);
}
