// The condition chooser, the base of the condition dialogs and what a page
// with a condition list does around them.
#include <new>

#include "app/fatal.h"
#include "app/host.h"
#include "command_editor/cond_dlg.h"
#include "flow/option_names.h"
#include "framework/wnd_list.h"
#include "stage_editor/engine/edit_state.h"

cCondDlgBase::cCondDlgBase(const cCondDlgDesc& desc, cWndBase* lpParent, const cCondEditCtx& ctx)
    : cBoundDlg(desc.m_Bound, lpParent, ctx.m_lpAnchor, 1, &g_WndList), m_CondDesc(desc), m_Ctx(ctx)
{
    cCondItem& item = *m_Ctx.m_pItem;
    if (m_Ctx.m_bNew && desc.m_pfnNew) desc.m_pfnNew(item);
    cBindTargets targets;
    targets.Set(eFieldHome::CondItem, &item);
    targets.m_lpLocals = &Local(0);
    Bind(targets);
}

cItemSource cCondDlgBase::DefaultItems(const cBindRow& row) const
{
    for (u16 wId : m_CondDesc.m_awSubjects) {
        if (!wId || wId != row.m_wId) continue;
        if (m_CondDesc.m_bSystemSubject)
            return Names(m_Ctx.m_bSelfSubject ? g_SubjectSelfSystemNames : g_SubjectPlayerSystemNames);
        return Names(m_Ctx.m_bSelfSubject ? g_SubjectSelfNames : g_SubjectPlayerNames);
    }
    return cItemSource();
}

int RunCondDialog(cWndBase* lpParent, const cCondEditCtx& ctx)
{
    const cCondDlgDesc* lpDesc = ctx.m_pItem ? FindCondDialog(ctx.m_pItem->m_nKind) : nullptr;
    if (!lpDesc) {
        Host().Beep();
        return 0;
    }
    return RunModalDlg<cCondDlgBase>(*lpDesc, lpParent, ctx);
}

cCondEntryDlg::cCondEntryDlg(cWndBase* lpParent, const cCondEditCtx& ctx)
    : cDlgBase(170, lpParent, kModeModal, &g_WndList, ctx.m_lpAnchor, 1), m_Ctx(ctx), m_Buttons(kKinds)
{
    for (u32 i = 0; i < kKinds; ++i) m_Buttons[i].SetId(static_cast<u16>(kFirstButton + i));
}

cCondEntryDlg::~cCondEntryDlg()
{
    if (m_hWnd && IsWindow(m_hWnd) && m_dwState == 1) DestroyWindow(m_hWnd);
}

void cCondEntryDlg::Finish(int nResult)
{
    m_bDone = 1;
    if (m_Ctx.m_lpHost) m_Ctx.m_lpHost->RedrawLists();
    Close(nResult);
}

void cCondEntryDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    if (HWND hPicture = GetDlgItem(m_hWnd, kIdPicture)) ShowWindow(hPicture, SW_HIDE);
    CreateCtrls(m_Buttons);
    for (u32 i = 0; i < kKinds; ++i) m_Buttons[i].SetTextStr(g_CondKindNames.At(i + 1));
    // The distance is a chara's: offered from a chara's pages, or while the
    // stage editor shows the chara layer.
    if (!m_Ctx.m_bDistanceOk && g_EditState.m_nLayer != kLayerChara) m_Buttons[kKinds - 1].Enable(FALSE);
    DataToCtrls();
    if (!m_Ctx.m_bNew) {
        // An existing condition opens its own kind's dialog; a kind with no
        // dialog (a damaged file) changes nothing.
        const u32 nKind = m_Ctx.m_pItem ? m_Ctx.m_pItem->m_nKind : 0;
        if (nKind >= 1 && nKind <= kKinds) {
            const u16 wButton = static_cast<u16>(kFirstButton + nKind - 1);
            SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(wButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(m_hWnd, wButton)));
        } else {
            Host().Beep();
            Finish(0);
        }
    }
    m_bInitialized = 1;
}

void cCondEntryDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    if (m_bDone || !m_Ctx.m_pItem || HIWORD(wParam) != BN_CLICKED) return;
    if (wId < kFirstButton || wId >= kFirstButton + kKinds) return;
    m_Ctx.m_pItem->m_nKind = static_cast<u8>(wId - kFirstButton + 1);
    const int nResult = RunCondDialog(this, m_Ctx);
    Finish(nResult);
}

LRESULT cCondEntryDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) {
        Finish(0);
        return 1;
    }
    return lResult ? 1 : 0;
}

int RunCondChooser(cWndBase* lpOwner, const cCondEditCtx& ctx)
{
    return RunModalDlg<cCondEntryDlg>(lpOwner, ctx);
}

int EditCondInList(cCondItems& items, size_t nRow, cWndBase* lpOwner, cCondEditCtx ctx)
{
    if (nRow >= items.size()) return 0;
    ctx.m_pItem = &items[nRow];
    ctx.m_bNew = 0;
    return RunCondChooser(lpOwner, ctx);
}

int InsertCondInList(cCondItems& items, size_t nRow, cWndBase* lpOwner, cCondEditCtx ctx, size_t nMax)
{
    if (items.size() >= nMax) {
        Host().Beep();
        return 0;
    }
    if (nRow > items.size()) nRow = items.size();
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(nRow), cCondItem());
    ctx.m_pItem = &items[nRow];
    ctx.m_bNew = 1;
    const int nResult = RunCondChooser(lpOwner, ctx);
    if (!nResult) items.erase(items.begin() + static_cast<std::ptrdiff_t>(nRow));
    if (ctx.m_lpHost) ctx.m_lpHost->RedrawLists();
    return nResult;
}
