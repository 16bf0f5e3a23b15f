// The keyboard hook copies real key events to the active dialog: the
// navigation message for navigation keys, key-downs for the others, nothing
// for Tab, and Escape is kept from windows that aren't the program's.
#include <algorithm>

#include "framework/hook.h"
#include "win_test_util.h"

namespace {

class KeyboardHook : public cWinTest {};

bool Has(const std::vector<WPARAM>& keys, WPARAM vk) { return std::find(keys.begin(), keys.end(), vk) != keys.end(); }

TEST_F(KeyboardHook, NavigationKeysReachTheActiveDialogAndStillWorkInTheEdit)
{
    cTestDlg dlg;
    dlg.Create(0, true);
    HWND hEdit = GetDlgItem(dlg.GetHwnd(), IDC_T_TEXT);
    SetWindowTextA(hEdit, "abc");
    Activate(dlg.GetHwnd());
    SetFocus(hEdit);
    SendMessageA(hEdit, EM_SETSEL, 0, 0);
    ASSERT_EQ(GetActiveWindow(), dlg.GetHwnd());

    TapKeys({VK_DELETE});
    Pump(1000, [&] { return dlg.m_Seen[kMsgNavKey] > 0; });
    EXPECT_EQ(dlg.m_Seen[kMsgNavKey], 1) << "Delete is a navigation key";
    EXPECT_TRUE(Has(dlg.m_KeyDowns, VK_DELETE)) << "passed on as a key-down";
    char buf[16] = "";
    GetWindowTextA(hEdit, buf, sizeof buf);
    EXPECT_STREQ(buf, "bc") << "the edit still deletes";

    dlg.m_KeyDowns.clear();
    TapKeys({'K'});
    Pump(1000, [&] { return Has(dlg.m_KeyDowns, 'K'); });
    EXPECT_TRUE(Has(dlg.m_KeyDowns, 'K'));
    EXPECT_EQ(dlg.m_Seen[kMsgNavKey], 1) << "a letter is no navigation key";

    dlg.m_KeyDowns.clear();
    TapKeys({VK_TAB});
    TapKeys({'L'});
    Pump(1000, [&] { return Has(dlg.m_KeyDowns, 'L'); });
    EXPECT_FALSE(Has(dlg.m_KeyDowns, VK_TAB));

    // A modeless dialog hears nothing of Ctrl combinations.
    dlg.m_KeyDowns.clear();
    TapKeys({VK_CONTROL, 'C'});
    TapKeys({'M'});
    Pump(1000, [&] { return Has(dlg.m_KeyDowns, 'M'); });
    EXPECT_FALSE(Has(dlg.m_KeyDowns, 'C'));
    EXPECT_EQ(IsCtrlHeld(), 0u);
    dlg.Close(0);
}

LRESULT CALLBACK RecordKeys(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_KEYDOWN) {
        auto* lpKeys = reinterpret_cast<std::vector<WPARAM>*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (lpKeys) lpKeys->push_back(wParam);
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

TEST_F(KeyboardHook, EscapeIsKeptFromWindowsThatAreNotDialogs)
{
    cTestDlg dlg;
    dlg.Create(0, true);  // the hook is installed
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordKeys;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HookTestPlain";
    RegisterClassA(&wc);
    HWND hPlain = CreateWindowA("HookTestPlain", "plain", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, nullptr,
                                nullptr, wc.hInstance, nullptr);
    std::vector<WPARAM> keys;
    SetWindowLongPtrA(hPlain, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&keys));
    Activate(hPlain);
    SetFocus(hPlain);
    TapKeys({VK_ESCAPE});
    TapKeys({'E'});
    Pump(1000, [&] { return Has(keys, 'E'); });
    EXPECT_TRUE(Has(keys, 'E'));
    EXPECT_FALSE(Has(keys, VK_ESCAPE));
    DestroyWindow(hPlain);
    dlg.Close(0);
}

}  // namespace
