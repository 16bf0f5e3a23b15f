// Dialogs from templates: modal and modeless runs leave the registry clean,
// commands reach the right wrapper, the two data passes move values between
// a record and the controls, own scroll bars follow the keys.
#include <windows.h>
#include <commctrl.h>

#include "app/fatal.h"
#include "controls/ctrl_edit_val.h"
#include "controls/ctrl_text.h"
#include "framework/dlg_item.h"
#include "framework/hook.h"
#include "support/win32/dialog_driver.h"
#include "win_test_util.h"

namespace {

class Dialogs : public cWinTest {};

TEST_F(Dialogs, ModalRunsLeaveNoEntryAndNoHookBehind)
{
    for (int i = 0; i < 30; ++i) {
        cTestDlg dlg(IDD_TEST_DLG, kModeModal);
        bool bListedWhileOpen = true;
        cModalDriver driver("テストダイアログ", [&](HWND hDlg) {
            bListedWhileOpen = g_WndList.Contains(&dlg);
            EXPECT_TRUE(IsKeyboardHookInstalled());
            SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        ASSERT_EQ(dlg.DoModal(0), 1) << i;
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(bListedWhileOpen) << "modal dialogs are not listed";
        EXPECT_EQ(dlg.GetHwnd(), nullptr);
        EXPECT_EQ(g_WndList.WndCount(), 0u);
        EXPECT_FALSE(IsKeyboardHookInstalled()) << "a run that began without a hook leaves none";
    }
}

TEST_F(Dialogs, ModalRunOnAnOpenDialogReturnsAtOnce)
{
    cTestDlg dlg;
    dlg.Create(0, true);
    ASSERT_TRUE(dlg.GetHwnd());
    EXPECT_EQ(dlg.DoModal(0), 0);
    EXPECT_TRUE(IsWindow(dlg.GetHwnd()));
    dlg.Close(0);
}

TEST_F(Dialogs, ModelessDialogsLeaveTheRegistryHoweverTheyClose)
{
    const int nWindowsBefore = CountThreadWindows();
    // The ways a modeless dialog ends; each must take it out of the list.
    const std::function<void(cTestDlg*&)> closers[] = {
        [](cTestDlg*& d) { d->Close(0); },
        [](cTestDlg*& d) { d->DestroyWnd(); },
        [](cTestDlg*& d) { DestroyWindow(d->GetHwnd()); },
        [](cTestDlg*& d) { SendMessageA(d->GetHwnd(), WM_CLOSE, 0, 0); },
        [](cTestDlg*& d) {
            delete d;  // with its window still open
            d = nullptr;
        },
    };
    for (int i = 0; i < 50; ++i) {
        cTestDlg* lpDlg = new cTestDlg;
        lpDlg->Create(0, true);
        ASSERT_TRUE(lpDlg->GetHwnd());
        lpDlg->Create(0, true);  // opened again: still listed once
        ASSERT_EQ(g_WndList.WndCount(), 1u) << i;
        ASSERT_TRUE(g_WndList.Contains(lpDlg));
        HWND hWnd = lpDlg->GetHwnd();
        closers[i % std::size(closers)](lpDlg);
        EXPECT_FALSE(IsWindow(hWnd)) << i;
        EXPECT_EQ(g_WndList.WndCount(), 0u) << i;
        // The next message passes the registry without meeting the object.
        Pump(0);
        delete lpDlg;
    }
    EXPECT_TRUE(FakeHost().m_Messages.empty()) << FakeHost().m_Messages[0].strText;
    EXPECT_EQ(CountThreadWindows(), nWindowsBefore);
}

TEST_F(Dialogs, DestroyingAnUnlistedWindowIsReported)
{
    cTestDlg dlg;
    dlg.Create(0, true);
    g_WndList.RemoveWnd(&dlg);
    dlg.DestroyWnd();
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "ウインドウの破棄に失敗！");
}

TEST_F(Dialogs, HideAndDisableFlagsTakeTheOtherWindowsWhileOpen)
{
    cTestDlg a, b;
    a.Create(0, true);
    b.Create(0, true);
    {
        cTestDlg modal(IDD_TEST_DLG, kModeModal);
        bool bHidden = false;
        cModalDriver driver("テストダイアログ", [&](HWND hDlg) {
            bHidden = !IsWindowVisible(a.GetHwnd()) && !IsWindowVisible(b.GetHwnd());
            SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(modal.DoModal(kDlgHideOthers), 0);
        EXPECT_TRUE(bHidden);
        EXPECT_TRUE(IsWindowVisible(a.GetHwnd()));
    }
    {
        cTestDlg blocking;
        blocking.Create(kDlgDisableOthers, true);
        EXPECT_FALSE(IsWindowEnabled(a.GetHwnd()));
        EXPECT_FALSE(IsWindowEnabled(b.GetHwnd()));
        EXPECT_TRUE(IsWindowEnabled(blocking.GetHwnd()));
        DestroyWindow(blocking.GetHwnd());  // ends by WM_DESTROY
        EXPECT_TRUE(IsWindowEnabled(a.GetHwnd()));
        EXPECT_TRUE(IsWindowEnabled(b.GetHwnd()));
    }
    a.Close(0);
    b.Close(0);
}

TEST_F(Dialogs, CommandsReachTheFirstWrapperOfTheirIdAndListsRefreshAfterEach)
{
    cTestDlg dlg;
    cProbeCtrl first(kCtrlEditVal), second(kCtrlEditVal), check(kCtrlCheck), picture(kCtrlPicture),
        combo(kCtrlCombo), list(kCtrlList);
    dlg.m_OnInit = [&](cTestDlg& d) {
        first.cCtrl::Attach(&d, IDC_T_INT);
        second.cCtrl::Attach(&d, IDC_T_INT);
        check.cCtrl::Attach(&d, IDC_T_BUTTON);
        picture.cCtrl::Attach(&d, IDC_T_BUTTON);
        combo.cCtrl::Attach(&d, IDC_T_TEXT);
        list.cCtrl::Attach(&d, IDC_T_LIST);
        for (cCtrl* c : std::initializer_list<cCtrl*>{&first, &second, &check, &picture, &combo, &list}) d.AddCtrl(c);
    };
    dlg.Create(0, true);
    HWND hDlg = dlg.GetHwnd();
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_INT, EN_UPDATE), 0);
    EXPECT_EQ(first.m_nChange, 1);
    EXPECT_EQ(second.m_nChange, 0);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_INT, EN_KILLFOCUS), 0);
    EXPECT_EQ(first.m_nKillFocus, 1);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_TEXT, CBN_SELCHANGE), 0);
    EXPECT_EQ(combo.m_nChange, 1);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_LIST, LBN_SELCHANGE), 0);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_LIST, LBN_KILLFOCUS), 0);
    EXPECT_EQ(list.m_nChange, 1);
    EXPECT_EQ(list.m_nKillFocus, 1);
    // A button click: check boxes and pictures take nothing here, yet the
    // list refreshes after it like after every command.
    const int nRefreshes = list.m_nAfterCommand;
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_BUTTON, BN_CLICKED), 0);
    EXPECT_EQ(check.m_nChange + picture.m_nChange, 0);
    EXPECT_EQ(list.m_nAfterCommand, nRefreshes + 1);
    EXPECT_EQ(dlg.GetChangedCtrl(MAKEWPARAM(IDC_T_INT, EN_UPDATE)), IDC_T_INT);
    EXPECT_EQ(dlg.GetChangedCtrl(MAKEWPARAM(IDC_T_INT, EN_KILLFOCUS)), 0);
    EXPECT_EQ(dlg.GetChangedCtrl(MAKEWPARAM(IDC_T_BUTTON, BN_CLICKED)), IDC_T_BUTTON);

    // Notifications and scrolls go to the wrappers until one takes them.
    second.m_bTakeNotify = 1;
    NMHDR hdr = {hDlg, 1, 0};
    SendMessageA(hDlg, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(first.m_nNotify, 1);
    EXPECT_EQ(second.m_nNotify, 1);
    EXPECT_EQ(check.m_nNotify, 0);
    dlg.Close(0);
}

TEST_F(Dialogs, CommandArrivingWhileOneIsHandledIsDropped)
{
    cTestDlg dlg;
    int nInner = -1;
    dlg.Create(0, true);
    // The change handler sends another command to its own dialog.
    struct cReentrant : cProbeCtrl {
        using cProbeCtrl::cProbeCtrl;
        HWND hDlg = nullptr;
        int* lpCommands = nullptr;
        std::vector<u16>* lpSeen = nullptr;
        void OnChange() override
        {
            size_t n = lpSeen->size();
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_T_BUTTON, BN_CLICKED), 0);
            *lpCommands = static_cast<int>(lpSeen->size() - n);
        }
    } reentrant(kCtrlText);
    reentrant.cCtrl::Attach(&dlg, IDC_T_TEXT);
    reentrant.hDlg = dlg.GetHwnd();
    reentrant.lpCommands = &nInner;
    reentrant.lpSeen = &dlg.m_Commands;
    dlg.AddCtrl(&reentrant);
    SendMessageA(dlg.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_T_TEXT, EN_UPDATE), 0);
    EXPECT_EQ(nInner, 0);
    SendMessageA(dlg.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_T_BUTTON, BN_CLICKED), 0);
    EXPECT_EQ(dlg.m_Commands.back(), IDC_T_BUTTON);
    dlg.Close(0);
}

// A dialog whose controls are bound to a record.
struct cRecord {
    s32 nValue = 0;
    std::string strName;
};

class cRecordDlg : public cTestDlg {
public:
    explicit cRecordDlg(cRecord& rec) : m_EditVals(1), m_Texts(1), m_Plains(1)
    {
        m_EditVals[0].SetInfo(IDC_T_INT, &rec.nValue, -50, 500, IDC_T_SPIN, 5);
        m_Texts[0].Set(IDC_T_TEXT, &rec.strName, 7, 1);
        m_Plains[0].SetId(IDC_T_BUTTON);
    }
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override
    {
        cDlgBase::OnInitDialog(wParam, lParam);
        if (m_OnInit) m_OnInit(*this);
        CreateCtrls(m_EditVals);
        CreateCtrls(m_Texts);
        CreateCtrls(m_Plains);
        DataToCtrls();
        m_bInitialized = 1;
    }
    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
};

std::string Text(HWND hDlg, int nId)
{
    std::string str;
    GetDlgItemStr(hDlg, nId, str);
    return str;
}

TEST_F(Dialogs, BoundControlsMoveValuesBothWays)
{
    cRecord rec;
    rec.nValue = 42;
    rec.strName = "表示名";
    cRecordDlg dlg(rec);
    dlg.Create(0, true);
    HWND hDlg = dlg.GetHwnd();
    EXPECT_EQ(Text(hDlg, IDC_T_INT), "42");
    EXPECT_EQ(Text(hDlg, IDC_T_TEXT), "表示名");
    EXPECT_EQ(dlg.GetCtrls().size(), 3u);

    // Controls to data: the number filtered and clamped; the text within
    // its limit counted in characters (7: a double-byte one counts one), a
    // longer one refused.
    struct {
        const char* lpInt;
        const char* lpText;
        s32 nExpected;
        const char* lpExpectedText;
    } cases[] = {
        {"123", "abc", 123, "abc"},      {"9999", "あいうえおかきく", 500, "abc"},
        {"-80", "ab表cdef", -50, "ab表cdef"}, {"1a2", "", 12, ""},
        {"", "x", 0, "x"},               {"99999999999", "y", 500, "y"},
    };
    for (const auto& c : cases) {
        SetDlgItemTextA(hDlg, IDC_T_INT, c.lpInt);
        SetDlgItemTextA(hDlg, IDC_T_TEXT, c.lpText);
        dlg.CtrlsToData();
        EXPECT_EQ(rec.nValue, c.nExpected) << c.lpInt;
        EXPECT_EQ(rec.strName, c.lpExpectedText) << c.lpText;
    }

    // Data to controls after the record changed under the dialog.
    rec.nValue = -7;
    rec.strName = "新";
    dlg.DataToCtrls();
    EXPECT_EQ(Text(hDlg, IDC_T_INT), "-7");
    EXPECT_EQ(Text(hDlg, IDC_T_TEXT), "新");

    // The spin partner steps the value by its step within the limits.
    NMUPDOWN ud = {};
    ud.hdr.hwndFrom = GetDlgItem(hDlg, IDC_T_SPIN);
    ud.hdr.idFrom = IDC_T_SPIN;
    ud.hdr.code = UDN_DELTAPOS;
    ud.iDelta = 2;
    SendMessageA(hDlg, WM_NOTIFY, IDC_T_SPIN, reinterpret_cast<LPARAM>(&ud));
    EXPECT_EQ(Text(hDlg, IDC_T_INT), "3");
    ud.iDelta = -100;
    SendMessageA(hDlg, WM_NOTIFY, IDC_T_SPIN, reinterpret_cast<LPARAM>(&ud));
    EXPECT_EQ(Text(hDlg, IDC_T_INT), "-50");
    dlg.Close(0);
}

TEST_F(Dialogs, FillingTheControlsNeverWritesBackIntoTheRecord)
{
    cRecord rec;
    rec.nValue = 5;
    cRecordDlg dlg(rec);
    cProbeCtrl probe;
    // The first wrapper of the pass asks for the other direction.
    dlg.m_OnInit = [&](cTestDlg& d) {
        probe.cCtrl::Attach(&d, IDC_T_BUTTON);
        probe.m_OnDataToCtrl = [&] {
            EXPECT_TRUE(d.IsUpdating());
            d.CtrlsToData();
        };
        d.AddCtrl(&probe);
    };
    dlg.Create(0, true);
    SetDlgItemTextA(dlg.GetHwnd(), IDC_T_INT, "77");
    dlg.DataToCtrls();
    EXPECT_EQ(rec.nValue, 5);
    EXPECT_EQ(Text(dlg.GetHwnd(), IDC_T_INT), "5");
    EXPECT_FALSE(dlg.IsUpdating());
    SetDlgItemTextA(dlg.GetHwnd(), IDC_T_INT, "77");
    dlg.RefreshExcept(&dlg.m_EditVals[0]);
    EXPECT_EQ(Text(dlg.GetHwnd(), IDC_T_INT), "77");
    dlg.Close(0);
}

TEST_F(Dialogs, OwnScrollBarsSitBesideTheViewAndFollowTheKeys)
{
    cTestDlg dlg(IDD_TEST_SCROLL);
    dlg.SetOwnScroll(kOwnScrollH | kOwnScrollV);
    dlg.m_OnInit = [](cTestDlg& d) {
        d.Picture().Set(1006, 60, 40, -1, -1);
        d.AddPicture(d.Picture());
        for (bool bVertical : {false, true}) {
            SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 50, 0};
            SetScrollInfo(d.GetOwnScroll(bVertical).GetHwnd(), SB_CTL, &si, TRUE);
        }
    };
    dlg.Create(0, true);
    HWND hDlg = dlg.GetHwnd();
    HWND hH = GetDlgItem(hDlg, 1008), hV = GetDlgItem(hDlg, 1009);
    RECT rcClient, rcH, rcV;
    GetClientRect(hDlg, &rcClient);
    GetWindowRect(hH, &rcH);
    GetWindowRect(hV, &rcV);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcH), 2);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcV), 2);
    EXPECT_EQ(rcH.bottom, rcClient.bottom);
    EXPECT_EQ(rcH.right, rcClient.right - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(rcV.right, rcClient.right);
    EXPECT_EQ(rcV.bottom, rcClient.bottom - GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(dlg.GetView().right, rcClient.right - GetSystemMetrics(SM_CXVSCROLL));
    // Resized, the bars follow the view's edges.
    RECT rcWnd;
    GetWindowRect(hDlg, &rcWnd);
    SetWindowPos(hDlg, nullptr, 0, 0, rcWnd.right - rcWnd.left + 50, rcWnd.bottom - rcWnd.top + 30,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(hDlg, &rcClient);
    GetWindowRect(hV, &rcV);
    GetWindowRect(hH, &rcH);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcV), 2);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcH), 2);
    EXPECT_EQ(rcV.right, rcClient.right);
    EXPECT_EQ(rcH.bottom, rcClient.bottom);
    EXPECT_EQ(rcH.right - rcH.left, dlg.GetView().right - dlg.GetView().left);

    auto pos = [](HWND h) { return GetScrollPos(h, SB_CTL); };
    struct {
        WPARAM vk;
        HWND hBar;
        int nExpected;
    } keys[] = {
        {VK_NEXT, hV, 60}, {VK_PRIOR, hV, 50}, {VK_DOWN, hV, 51}, {VK_UP, hV, 50},
        {VK_END, hH, 60},  {VK_HOME, hH, 50},  {VK_RIGHT, hH, 51}, {VK_LEFT, hH, 50},
    };
    for (const auto& k : keys) {
        const int nDraws = dlg.m_nDraws;
        SendMessageA(hDlg, WM_KEYDOWN, k.vk, 0);
        Pump(20);
        EXPECT_EQ(pos(k.hBar), k.nExpected) << "key " << k.vk;
        EXPECT_GT(dlg.m_nDraws, nDraws) << "a moved bar redraws the view";
    }
    // The hook's navigation message is a key-down for the dialog.
    SendMessageA(hDlg, kMsgNavKey, VK_NEXT, 0);
    Pump(20);
    EXPECT_EQ(pos(hV), 60);
    // The thumb, top and bottom.
    SendMessageA(hDlg, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), reinterpret_cast<LPARAM>(hV));
    EXPECT_EQ(pos(hV), 0);
    SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(hH));
    EXPECT_GE(pos(hH), 91);
    // The focus never stays on an own bar when there is a picture.
    SetFocus(hV);
    SendMessageA(hDlg, WM_NULL, 0, 0);
    EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, 1006));
    // A right click on an own bar opens nothing.
    EXPECT_EQ(SendMessageA(hV, WM_RBUTTONUP, 0, 0), 0);
    dlg.Close(0);
}

TEST_F(Dialogs, KeysReachTheWrappersOfModalDialogsOnly)
{
    for (u32 dwMode : {kModeModal, kModeWindow}) {
        cTestDlg dlg(IDD_TEST_DLG, dwMode);
        cProbeCtrl probe;
        dlg.m_OnInit = [&](cTestDlg& d) {
            probe.cCtrl::Attach(&d, IDC_T_LIST);
            d.AddCtrl(&probe);
        };
        if (dwMode == kModeModal) {
            cModalDriver driver("テストダイアログ", [&](HWND hDlg) {
                SendMessageA(hDlg, WM_KEYDOWN, 'Q', 0);
                SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
            });
            dlg.DoModal(0);
            EXPECT_EQ(probe.m_Keys, std::vector<WPARAM>{'Q'});
        } else {
            dlg.Create(0, true);
            SendMessageA(dlg.GetHwnd(), WM_KEYDOWN, 'Q', 0);
            EXPECT_TRUE(probe.m_Keys.empty());
            dlg.Close(0);
        }
    }
}

TEST_F(Dialogs, PlacementKeepsTheDialogInsideTheWorkArea)
{
    RECT rcWork;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    struct {
        s32 x, y;
    } cases[] = {{-300, -20}, {rcWork.right - 10, rcWork.bottom - 10}, {100, 120}};
    for (const auto& c : cases) {
        cTestDlg dlg;
        dlg.SetStoredPos(c.x, c.y);
        dlg.Create(0, true);
        RECT rc;
        GetWindowRect(dlg.GetHwnd(), &rc);
        if (c.x < 0) EXPECT_EQ(rc.left, 0);
        else if (c.x > 200) EXPECT_EQ(rc.right, rcWork.right);
        else EXPECT_EQ(rc.left, c.x);
        if (c.y < 0) EXPECT_EQ(rc.top, 0);
        else if (c.y > 200) EXPECT_EQ(rc.bottom, rcWork.bottom);
        else EXPECT_EQ(rc.top, c.y);
        dlg.Close(0);
    }
    // Centred on an anchor window's client area.
    cTestDlg anchor;
    anchor.SetStoredPos(200, 150);
    anchor.Create(0, true);
    struct cCentred : cDlgBase {
        using cDlgBase::cDlgBase;
    };
    cCentred dlg(IDD_TEST_DLG, nullptr, kModeWindow, &g_WndList, static_cast<cWndBase*>(&anchor), 1u);
    dlg.Create(0, true);
    RECT rcA, rcD;
    GetClientRect(anchor.GetHwnd(), &rcA);
    MapWindowPoints(anchor.GetHwnd(), nullptr, reinterpret_cast<POINT*>(&rcA), 2);
    GetWindowRect(dlg.GetHwnd(), &rcD);
    EXPECT_EQ(rcD.left, rcA.left + ((rcA.right - rcA.left) - (rcD.right - rcD.left)) / 2);
    EXPECT_EQ(rcD.top, rcA.top + ((rcA.bottom - rcA.top) - (rcD.bottom - rcD.top)) / 2);
    dlg.Close(0);
    anchor.Close(0);
}

TEST_F(Dialogs, GeometryBeforeTheWindowExistsComesFromTheSystemMetrics)
{
    cWndBase wnd;
    wnd.SetGeometry(640, 480, 100, 100, 640, 480, WS_CAPTION | WS_THICKFRAME, 0, 0, 0, 0);
    EXPECT_EQ(wnd.GetWndWidth(), 640 + 2 * GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(wnd.GetWndHeight(), 480 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
    wnd.SetGeometry(300, 200, 0, 0, 0, 0, WS_DLGFRAME, 0, 0, 0, kOwnScrollV);
    EXPECT_EQ(wnd.GetWndWidth(), 300 + 2 * GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_EQ(wnd.GetView().right, 300 - GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace
