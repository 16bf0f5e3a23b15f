// The control wrapper base and the dialog item helpers.
#include <windows.h>
#include <commctrl.h>

#include "app/fatal.h"
#include "app/log.h"
#include "framework/dlg_item.h"
#include "win_test_util.h"

namespace {

class Controls : public cWinTest {};

TEST_F(Controls, WrapperKeepsItsPlaceAndHitsItsEdges)
{
    cTestDlg dlg;
    dlg.SetStoredPos(150, 100);
    dlg.Create(0, true);
    cCtrlPlain button;
    button.cCtrl::Attach(&dlg, IDC_T_BUTTON);
    ASSERT_TRUE(button.GetHwnd());
    RECT rc;
    GetWindowRect(button.GetHwnd(), &rc);
    POINT ptClient = {rc.left, rc.top};
    ScreenToClient(dlg.GetHwnd(), &ptClient);
    EXPECT_EQ(button.GetClientPos().x, ptClient.x);
    EXPECT_EQ(button.GetClientPos().y, ptClient.y);
    EXPECT_EQ(button.GetScreenPos().x, rc.left);

    EXPECT_TRUE(button.SetSize(70, 30));
    RECT rcAfter;
    GetWindowRect(button.GetHwnd(), &rcAfter);
    EXPECT_EQ(rcAfter.left, rc.left) << "resizing keeps the place";
    EXPECT_EQ(rcAfter.right - rcAfter.left, 70);
    EXPECT_TRUE(button.HitTest({rcAfter.right, rcAfter.top}));
    EXPECT_TRUE(button.HitTest({rcAfter.left, rcAfter.bottom}));
    EXPECT_FALSE(button.HitTest({rcAfter.right + 1, rcAfter.top}));

    button.Enable(FALSE);
    EXPECT_FALSE(button.IsEnabled());
    EXPECT_TRUE(button.HasStyle(WS_DISABLED));
    button.Enable(TRUE);
    EXPECT_TRUE(button.IsEnabled());
    button.Show(FALSE);
    EXPECT_FALSE(IsWindowVisible(button.GetHwnd()));
    button.RemoveStyle(WS_TABSTOP);
    EXPECT_FALSE(button.HasStyle(WS_TABSTOP));
    dlg.Close(0);
}

TEST_F(Controls, TextsOfItemsAndWrappers)
{
    cTestDlg dlg;
    dlg.Create(0, true);
    HWND hDlg = dlg.GetHwnd();
    cCtrlPlain edit;
    edit.cCtrl::Attach(&dlg, IDC_T_TEXT);
    edit.SetText("abc");
    edit.AppendText("de");
    std::string str;
    edit.GetText(str);
    EXPECT_EQ(str, "abcde");
    edit.AppendTextf("%d%s", 7, "表");
    GetDlgItemStr(hDlg, IDC_T_TEXT, str);
    EXPECT_EQ(str, "abcde7表");
    // A limit never splits a double-byte character.
    GetDlgItemStr(hDlg, IDC_T_TEXT, str, 8);
    EXPECT_EQ(str, "abcde7");
    SetDlgItemStr(hDlg, IDC_T_TEXT, std::string());
    GetDlgItemStr(hDlg, IDC_T_TEXT, str);
    EXPECT_EQ(str, "");
    EXPECT_TRUE(edit.SetTextStr("表示"));
    edit.GetText(str);
    EXPECT_EQ(str, "表示");
    dlg.Close(0);
}

TEST_F(Controls, MissingControlIdIsAProgrammingError)
{
    cTestDlg dlg;
    dlg.Create(0, true);
    cCtrlPlain a;
    a.cCtrl::Attach(&dlg, IDC_T_BUTTON);
    std::vector<cCtrl*> ctrls = {&a};
    EXPECT_EQ(FindControlById(ctrls, IDC_T_BUTTON), &a);
    EXPECT_FALSE(IsFatalError());

    EXPECT_EQ(FindControlById(ctrls, 777), nullptr);
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1);
    EXPECT_TRUE(FakeHost().m_Messages.empty()) << "the box shows only while debugging";
    InitErrLog(1, "EC_Editor.txt");
    FindControlById(ctrls, 778);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "コントロールID 【778】 が見つかりません！");
    InitErrLog(0, "EC_Editor.txt");
    dlg.Close(0);
}

// The mouse buttons as the test holds them.
bool g_bLeftDown = false, g_bRightDown = false;
bool FakeKeys(int nVk) { return nVk == VK_LBUTTON ? g_bLeftDown : nVk == VK_RBUTTON ? g_bRightDown : false; }

class Mouse : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        g_bLeftDown = g_bRightDown = false;
        SetKeyDownReader(FakeKeys);
        m_Dlg.SetStoredPos(200, 200);
        m_Dlg.Create(0, true);
        Activate(m_Dlg.GetHwnd());
    }
    void TearDown() override
    {
        m_Dlg.Close(0);
        SetKeyDownReader(nullptr);
        cWinTest::TearDown();
    }
    // Puts the cursor at a point of the view and lets the dialog see it.
    void MoveTo(s32 x, s32 y)
    {
        POINT pt = {x + m_Dlg.GetView().left, y + m_Dlg.GetView().top};
        ClientToScreen(m_Dlg.GetHwnd(), &pt);
        SetCursorPos(pt.x, pt.y);
        SendMessageA(m_Dlg.GetHwnd(), WM_NULL, 0, 0);
    }
    cTestDlg m_Dlg;
};

TEST_F(Mouse, CompletedRightClickInTheActiveWindowIsReportedOnce)
{
    MoveTo(20, 15);
    EXPECT_EQ(m_Dlg.GetMouse().nX, 20);
    EXPECT_EQ(m_Dlg.GetMouse().nY, 15);
    g_bRightDown = true;
    MoveTo(21, 15);
    EXPECT_EQ(m_Dlg.GetMouse().bRightPressed, 1u);
    EXPECT_FALSE(m_Dlg.UpdateActive()) << "still held";
    g_bRightDown = false;
    MoveTo(22, 15);
    MoveTo(23, 15);  // later messages don't lose the click
    EXPECT_TRUE(m_Dlg.UpdateActive());
    EXPECT_FALSE(m_Dlg.UpdateActive());
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(m_Dlg.GetPopupPos().x, pt.x);

    // Outside the view nothing is stored or reported.
    g_bRightDown = true;
    MoveTo(-30, 15);
    g_bRightDown = false;
    MoveTo(-31, 15);
    EXPECT_EQ(m_Dlg.GetMouse().nX, 23);
    EXPECT_FALSE(m_Dlg.UpdateActive());
}

TEST_F(Mouse, DraggingOutsideTheViewScrollsTheOwnBars)
{
    cTestDlg dlg(IDD_TEST_SCROLL);
    dlg.SetOwnScroll(kOwnScrollH | kOwnScrollV);
    dlg.SetStoredPos(300, 300);
    dlg.m_OnInit = [](cTestDlg& d) {
        for (bool bVertical : {false, true}) {
            SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 50, 0};
            SetScrollInfo(d.GetOwnScroll(bVertical).GetHwnd(), SB_CTL, &si, TRUE);
        }
    };
    dlg.Create(0, true);
    POINT pt = {-10, 5};  // a little left of the view
    ClientToScreen(dlg.GetHwnd(), &pt);
    SetCursorPos(pt.x, pt.y);
    s32 x = -1, y = -1;
    for (int i = 0; i < 7; ++i) dlg.AutoScroll(&x, &y);
    EXPECT_EQ(x, -1) << "close to the view: every eighth call";
    dlg.AutoScroll(&x, &y);
    EXPECT_EQ(x, 49);
    EXPECT_EQ(y, -1);
    pt = {5, dlg.GetView().bottom + 40};  // far below the view
    ClientToScreen(dlg.GetHwnd(), &pt);
    SetCursorPos(pt.x, pt.y);
    dlg.AutoScroll(&x, &y);
    dlg.AutoScroll(&x, &y);
    EXPECT_EQ(y, 52) << "far away: every call";
    dlg.Close(0);
}

TEST_F(Mouse, TraceWritesEveryMessageButGetText)
{
    InitErrLog(1, "EC_Editor.txt");
    m_Dlg.SetTrace("テスト", 1);
    char buf[16];
    SendMessageA(m_Dlg.GetHwnd(), WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    SendMessageA(m_Dlg.GetHwnd(), WM_USER + 1000, MAKEWPARAM(2, 1), MAKELPARAM(3, 0xFFFF));
    m_Dlg.SetTrace("", 0);
    InitErrLog(0, "EC_Editor.txt");
    std::string strLog = ReadFileText("EC_Editor.txt");
    EXPECT_EQ(strLog.find("WM_GETTEXT"), std::string::npos);
    EXPECT_NE(strLog.find("テスト | msg:2024 | wp:65538(1,2) | lp:-65533(-1,3)\n"), std::string::npos) << strLog;
    EXPECT_NE(strLog.find("テスト | msg:WM_KEYDOWN | wp:65538(1,2)"), std::string::npos) << strLog;
}

TEST_F(Mouse, ToolbarButtonsGetTheirImagesAndTips)
{
    struct cToolbarDlg : cTestDlg {
        void Make()
        {
            m_hToolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
                                         nullptr, ProgramInstance(), nullptr);
            static const cToolbarButton kButtons[] = {
                {{STD_FILENEW, 5001, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "新規"},
                {{0, 0, 0, BTNS_SEP, {}, 0, 0}, nullptr},
                {{STD_FILEOPEN, 5002, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "開く"},
            };
            AddStdToolbarButtons(kButtons, 3);
        }
        HWND Toolbar() const { return m_hToolbar; }
        HWND Tooltip() const { return m_hTooltip; }
    } dlg;
    dlg.Create(0, true);
    dlg.Make();
    ASSERT_TRUE(dlg.Toolbar());
    EXPECT_EQ(SendMessageA(dlg.Toolbar(), TB_BUTTONCOUNT, 0, 0), 3);
    TBBUTTON first = {}, open = {};
    SendMessageA(dlg.Toolbar(), TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(dlg.Toolbar(), TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&open));
    EXPECT_EQ(open.iBitmap - first.iBitmap, STD_FILEOPEN - STD_FILENEW);
    ASSERT_TRUE(dlg.Tooltip());
    EXPECT_EQ(SendMessageA(dlg.Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 2);
    dlg.Close(0);
}

}  // namespace
