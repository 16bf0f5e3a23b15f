// The value and string input dialogs and the message window.
#include <windows.h>
#include <commctrl.h>

#include "editor/editor_host.h"
#include "framework/dlg_item.h"
#include "framework/input_dlg.h"
#include "resources/resource.h"
#include "win_test_util.h"

namespace {

class InputDialogs : public cWinTest {};

std::string Text(HWND hDlg, int nId)
{
    std::string str;
    GetDlgItemStr(hDlg, nId, str);
    return str;
}

TEST_F(InputDialogs, ValueDialogReturnsWhatWasTypedWithinItsLimits)
{
    struct {
        const char* lpTyped;
        int nButton;
        int nResult;
        s32 nValue;
    } cases[] = {
        {"1200", IDC_OK, 1, 999}, {"0", IDC_OK, 1, 1},   {"37", IDC_OK, 1, 37},
        {"37", IDC_CANCEL, 0, 5}, {"-3", IDC_OK, 1, 1},  {"", IDC_OK, 1, 1},
    };
    for (const auto& c : cases) {
        s32 nValue = 5;
        std::string strShown, strTitle;
        DWORD dwSel = 0;
        cModalDriver driver("データ数", [&](HWND hDlg) {
            strShown = Text(hDlg, IDC_INPUT_EDIT);
            char buf[64] = "";
            GetWindowTextA(hDlg, buf, sizeof buf);
            strTitle = buf;
            dwSel = static_cast<DWORD>(SendDlgItemMessageA(hDlg, IDC_INPUT_EDIT, EM_GETSEL, 0, 0));
            SetDlgItemTextA(hDlg, IDC_INPUT_EDIT, c.lpTyped);
            SendMessageA(hDlg, WM_COMMAND, c.nButton, 0);
        });
        EXPECT_EQ(InputValue(nullptr, &g_WndList, &nValue, 1, 999, "データ数", nullptr, 0), c.nResult) << c.lpTyped;
        EXPECT_TRUE(driver.Ran());
        EXPECT_EQ(nValue, c.nValue) << c.lpTyped;
        EXPECT_EQ(strShown, "5");
        EXPECT_EQ(strTitle, "データ数");
        EXPECT_EQ(LOWORD(dwSel), 0);
        EXPECT_EQ(HIWORD(dwSel), 1) << "the value opens fully selected";
    }
    EXPECT_EQ(g_WndList.WndCount(), 0u);
}

TEST_F(InputDialogs, ValueDialogClosedByTheSystemMenuKeepsTheValue)
{
    s32 nValue = 8;
    cModalDriver driver("値", [](HWND hDlg) {
        SetDlgItemTextA(hDlg, IDC_INPUT_EDIT, "20");
        SendMessageA(hDlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(InputValueAt(nullptr, &g_WndList, &nValue, 0, 100, "値", 30, 40), 0);
    EXPECT_EQ(nValue, 8);
}

TEST_F(InputDialogs, ValueDialogAtAPositionOpensThere)
{
    s32 nValue = 1;
    RECT rc = {};
    cModalDriver driver("位置", [&](HWND hDlg) {
        GetWindowRect(hDlg, &rc);
        SendMessageA(hDlg, WM_COMMAND, IDC_OK, 0);
    });
    EXPECT_EQ(InputValueAt(nullptr, &g_WndList, &nValue, 0, 10, "位置", 123, 77), 1);
    EXPECT_EQ(rc.left, 123);
    EXPECT_EQ(rc.top, 77);
}

TEST_F(InputDialogs, StringDialogWritesOnlyOnOkAndKeepsItsLimit)
{
    struct {
        const char* lpTyped;
        int nButton;
        int nResult;
        const char* lpExpected;
    } cases[] = {
        {"変数名", IDC_OK, 1, "変数名"},
        {"とても長い変数の名前", IDC_OK, 1, "とても長い変数の名前"},
        // Longer texts are refused as they are typed or pasted.
        {"とても長い変数の名前です", IDC_OK, 1, "元の名前"},
        {"abcdefghijklmnop", IDC_OK, 1, "元の名前"},
        {"捨てる", IDC_CANCEL, 0, "元の名前"},
    };
    for (const auto& c : cases) {
        std::string str = "元の名前", strShown;
        cModalDriver driver("変数名の入力", [&](HWND hDlg) {
            strShown = Text(hDlg, IDC_INPUT_EDIT);
            SetDlgItemTextA(hDlg, IDC_INPUT_EDIT, c.lpTyped);
            SendMessageA(hDlg, WM_COMMAND, c.nButton, 0);
        });
        EXPECT_EQ(InputString(nullptr, &g_WndList, &str, 10, 1, "変数名の入力", nullptr, 0), c.nResult);
        EXPECT_EQ(str, c.lpExpected);
        EXPECT_EQ(strShown, "元の名前");
    }
}

TEST_F(InputDialogs, MessageWindowStandsAloneAndDisablesTheOthers)
{
    cTestDlg other;
    other.Create(0, true);
    ShowMessageWindow(nullptr, &g_WndList, "ステージを保存しています...", "保存", nullptr, 0, 1);
    ShowMessageWindow(nullptr, &g_WndList, "ステージを読み込んでいます...", "読込", nullptr, 0, 1);
    ASSERT_TRUE(MessageWindow());
    HWND hMsg = MessageWindow()->GetHwnd();
    ASSERT_TRUE(hMsg);
    EXPECT_EQ(Text(hMsg, IDC_MESSAGE_TEXT), "ステージを読み込んでいます...");
    char buf[64] = "";
    GetWindowTextA(hMsg, buf, sizeof buf);
    EXPECT_STREQ(buf, "読込");
    EXPECT_EQ(g_WndList.WndCount(), 2u) << "one message window and the other dialog";
    EXPECT_FALSE(IsWindowEnabled(other.GetHwnd()));
    EXPECT_TRUE(IsWindowEnabled(hMsg));

    CloseMessageWindow();
    EXPECT_FALSE(IsWindow(hMsg));
    EXPECT_EQ(MessageWindow(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(other.GetHwnd()));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
    other.Close(0);
}

TEST_F(InputDialogs, EditorHostShowsTheWaitMessageOfLongOperations)
{
    cEditorHost host;
    host.ShowWaitMessage(nullptr, "エディットデータをバックアップしています...", "バックアップ");
    ASSERT_TRUE(MessageWindow());
    HWND hMsg = MessageWindow()->GetHwnd();
    EXPECT_EQ(Text(hMsg, IDC_MESSAGE_TEXT), "エディットデータをバックアップしています...");
    char buf[64] = "";
    GetWindowTextA(hMsg, buf, sizeof buf);
    EXPECT_STREQ(buf, "バックアップ");
    host.CloseWaitMessage();
    EXPECT_FALSE(IsWindow(hMsg));
    EXPECT_EQ(MessageWindow(), nullptr);
}

}  // namespace
