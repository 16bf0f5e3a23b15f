// The list control on a page of its own, driven as a user drives it: rows
// and numbers, clicks that fill the edit, typing that writes back, keys by
// SendInput (accelerators on a modeless page, the page's own key handling
// on a modal one), right clicks on a row's real rectangle with the popup
// menu, the data count through the value dialog, every list set's
// resources, and the edit operation's chooser.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/log.h"
#include "framework/wnd_list.h"
#include "list_page.h"
#include "resources/resource.h"
#include "support/win32/win_test.h"

namespace {

// A row's rectangle on the screen, as the list box draws it.
RECT RowRect(HWND hList, int nRow)
{
    RECT rc = {};
    SendMessageA(hList, LB_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rc));
    MapWindowPoints(hList, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

POINT Centre(const RECT& rc) { return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

std::string RowText(HWND hList, int nRow)
{
    char buf[256] = "";
    SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(buf));
    return buf;
}

int RowCount(HWND hList) { return static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0)); }

std::vector<int> SelectedRows(HWND hList)
{
    std::vector<int> rows;
    for (int r = 0; r < RowCount(hList); ++r)
        if (SendMessageA(hList, LB_GETSEL, static_cast<WPARAM>(r), 0) > 0) rows.push_back(r);
    return rows;
}

std::string Names(const std::vector<cPageRec>& recs)
{
    std::string s;
    for (const cPageRec& r : recs) s += (s.empty() ? "" : " ") + r.m_strName;
    return s;
}

// The user's extended selection: the rows selected, the last one the caret,
// the list box's notification to its owner.
void SelectRows(HWND hDlg, int nId, std::initializer_list<int> rows)
{
    HWND hList = GetDlgItem(hDlg, nId);
    SendMessageA(hList, LB_SETSEL, FALSE, -1);
    for (int r : rows) SendMessageA(hList, LB_SETSEL, TRUE, r);
    SendMessageA(hList, LB_SETCARETINDEX, static_cast<WPARAM>(*(rows.end() - 1)), FALSE);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

// Chooses the popup's item that n presses of the down key reach (the
// separators are skipped), or closes it without a choice (n = 0).
cStepDriver::tStep ChooseItem(int nDowns)
{
    return [nDowns](HWND) {
        if (const char* lpHold = getenv("TARVENOL_HOLD_MS")) Sleep(static_cast<DWORD>(atoi(lpHold)));
        for (int i = 0; i < nDowns; ++i) TapKeys({VK_DOWN});
        TapKeys({nDowns ? static_cast<WORD>(VK_RETURN) : static_cast<WORD>(VK_ESCAPE)});
        return true;
    };
}

class Lists : public cWinTest {
protected:
    void TearDown() override
    {
        m_lpPage.reset();
        SetCondEntryFactory(nullptr);
        cWinTest::TearDown();
    }
    HWND Open(int nMain, int nSub)
    {
        m_lpPage.reset(new cListPage(nMain, nSub));
        m_lpPage->Create(0, true);
        m_hPage = m_lpPage->GetHwnd();
        m_hMain = GetDlgItem(m_hPage, IDC_L_MAIN);
        m_hSub = GetDlgItem(m_hPage, IDC_L_SUB);
        Activate(m_hPage);
        return m_hPage;
    }
    // A right click on a point of the screen, with the frame ticks that
    // notice it.
    void RightClick(POINT pt, cStepDriver& driver)
    {
        SetCursorPos(pt.x, pt.y);
        PumpFrames(60);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        PumpFrames(60);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        PumpFrames(2000, [&] { return driver.Ran(); });
        PumpFrames(100);
    }
    // The keys, pumped until the condition holds (or a short while when
    // nothing is to happen).
    void Press(std::initializer_list<WORD> keys, const std::function<bool()>& done = nullptr)
    {
        TapKeys(keys);
        Pump(done ? 2000 : 250, done);
        Pump(30);
    }

    std::unique_ptr<cListPage> m_lpPage;
    HWND m_hPage = nullptr, m_hMain = nullptr, m_hSub = nullptr;
};

TEST_F(Lists, RowsShowTheRecordsWithTheirNumbersAndTheSeparator)
{
    Open(10, 3);
    HoldForScreenshot(m_hPage);
    EXPECT_EQ(m_lpPage->m_nSetResult, 1) << "both lists found their accelerators and menus";
    ASSERT_EQ(RowCount(m_hMain), 10) << "nine records and the separator";
    EXPECT_EQ(RowText(m_hMain, 0), "1 名前1") << "record 0 is never shown";
    EXPECT_EQ(RowText(m_hMain, 5), "6 名前6");
    EXPECT_EQ(RowText(m_hMain, 9), std::string(64, '-'));
    ASSERT_EQ(RowCount(m_hSub), 4);
    EXPECT_EQ(RowText(m_hSub, 0), "先頭");
    EXPECT_EQ(GetWindowLongA(m_hMain, GWL_STYLE) & LBS_SORT, 0);
    EXPECT_EQ(GetPropA(m_hMain, "CTRL_LIST_CLASS"), static_cast<void*>(static_cast<cCtrl*>(&m_lpPage->Main())));
    EXPECT_EQ(SelectedRows(m_hMain), std::vector<int>{0});
    EXPECT_EQ(m_lpPage->m_MainEdit.m_strName, "名前1");

    Open(121, 0);
    EXPECT_EQ(RowText(m_hMain, 5), "006 名前6");
    EXPECT_EQ(RowText(m_hMain, 119), "120 名前120");
    EXPECT_EQ(RowCount(m_hSub), 1) << "an empty sub-list shows its separator";
    m_lpPage.reset();
    EXPECT_FALSE(IsWindow(m_hMain));
}

TEST_F(Lists, ClickingARowFillsTheEditAndTypingWritesTheRecordBack)
{
    Open(6, 3);
    SetCursorPos(Centre(RowRect(m_hMain, 2)).x, Centre(RowRect(m_hMain, 2)).y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump(2000, [&] { return m_lpPage->m_MainEdit.m_strName == "名前3"; });
    char buf[64] = "";
    GetDlgItemTextA(m_hPage, IDC_L_NAME, buf, sizeof buf);
    EXPECT_STREQ(buf, "名前3") << "the edit shows the clicked record";
    EXPECT_EQ(m_lpPage->Main().GetCurIndex(), 3);

    HWND hEdit = GetDlgItem(m_hPage, IDC_L_NAME);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    for (char c : std::string("abc")) SendMessageA(hEdit, WM_CHAR, static_cast<u8>(c), 1);
    EXPECT_EQ(m_lpPage->m_MainWork[3].m_strName, "abc");
    EXPECT_EQ(RowText(m_hMain, 2), "3 abc");
    EXPECT_EQ(SelectedRows(m_hMain), std::vector<int>{2}) << "the row stays selected";
    EXPECT_EQ(m_lpPage->m_Stored[3].m_strName, "名前3") << "the stored data waits for the commit";
    m_lpPage->CtrlsToData();
    EXPECT_EQ(m_lpPage->m_Stored[3].m_strName, "abc");

    // The separator shows the empty record.
    SelectRows(m_hPage, IDC_L_MAIN, {5});
    GetDlgItemTextA(m_hPage, IDC_L_NAME, buf, sizeof buf);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(m_lpPage->Main().GetCurIndex(), -1);
}

TEST_F(Lists, AcceleratorKeysRunTheirOperationOnlyWhileTheListHasTheFocus)
{
    Open(6, 4);
    cListPage& page = *m_lpPage;
    SetFocus(m_hMain);
    SelectRows(m_hPage, IDC_L_MAIN, {1});
    Press({VK_CONTROL, 'C'}, [&] { return page.Main().GetClipboard().size() == 1; });
    EXPECT_EQ(Names(page.Main().GetClipboard()), "名前2");
    Press({VK_CONTROL, 'V'}, [&] { return page.m_MainWork.size() == 7; });
    EXPECT_EQ(Names(page.m_MainWork), "先頭 名前1 名前2 名前2 名前3 名前4 名前5");
    Press({VK_CONTROL, 'X'}, [&] { return page.m_MainWork.size() == 6; });
    EXPECT_EQ(page.Main().GetLastOp(), kListCut);
    Press({VK_CONTROL, 'I'}, [&] { return page.m_MainWork.size() == 7; });
    EXPECT_EQ(page.Main().GetLastOp(), kListAdd) << "Ctrl+I adds in a main list";
    EXPECT_EQ(page.m_MainWork.back().m_strName, "");
    SelectRows(m_hPage, IDC_L_MAIN, {0});
    Press({VK_DELETE}, [&] { return page.m_MainWork[1].m_strName.empty(); });
    EXPECT_EQ(page.Main().GetLastOp(), kListClear) << "Delete clears in a main list";
    EXPECT_EQ(page.m_MainWork.size(), 7u);

    SetFocus(m_hSub);
    SendMessageA(m_hSub, LB_SETCURSEL, 1, 0);
    SendMessageA(m_hPage, WM_COMMAND, MAKEWPARAM(IDC_L_SUB, LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hSub));
    Press({VK_CONTROL, 'I'}, [&] { return page.m_SubWork.size() == 5; });
    EXPECT_EQ(Names(page.m_SubWork), "先頭  名前1 名前2 名前3") << "Ctrl+I inserts in a sub-list";
    Press({VK_DELETE}, [&] { return page.m_SubWork.size() == 4; });
    EXPECT_EQ(page.Sub().GetLastOp(), kListDelete);
    EXPECT_EQ(Names(page.m_SubWork), "先頭 名前1 名前2 名前3");

    // Another control has the focus: the keys and the commands do nothing.
    SetFocus(GetDlgItem(m_hPage, IDC_L_COUNT));
    const std::string strMain = Names(page.m_MainWork), strSub = Names(page.m_SubWork);
    const size_t nCommands = page.m_Commands.size();
    Press({VK_CONTROL, 'X'});
    Press({VK_CONTROL, 'I'});
    Press({VK_DELETE});
    EXPECT_EQ(page.m_Commands.size(), nCommands) << "no accelerator was translated";
    for (u16 wId : {40009, 40002, 40033, 40008, 40032, 40043, 40041})
        SendMessageA(m_hPage, WM_COMMAND, wId, 0);
    EXPECT_EQ(Names(page.m_MainWork), strMain);
    EXPECT_EQ(Names(page.m_SubWork), strSub);
    EXPECT_EQ(FakeHost().m_nBeeps, 0);
}

TEST_F(Lists, OnAModalPageTheKeysReachTheListsThroughThePage)
{
    cListPage page(6, 4, kModeModal);
    auto keys = [](std::initializer_list<WORD> k) {
        return [k](HWND) {
            TapKeys(k);
            return true;
        };
    };
    auto until = [](std::function<bool()> done) { return [done](HWND) { return done(); }; };
    cStepDriver driver("リストのテスト", {
        [&](HWND hDlg) {
            SetFocus(GetDlgItem(hDlg, IDC_L_SUB));
            return true;
        },
        keys({VK_CONTROL, 'C'}),
        until([&] { return page.Sub().GetClipboard().size() == 1; }),
        keys({VK_CONTROL, 'I'}),
        until([&] { return page.m_SubWork.size() == 5; }),
        keys({VK_CONTROL, 'V'}),
        until([&] { return page.m_SubWork.size() == 6; }),
        keys({VK_CONTROL, VK_DELETE}),
        until([&] { return page.m_SubWork.size() == 5; }),
        keys({VK_DELETE}),
        until([&] { return page.m_SubWork.size() == 4; }),
        keys({VK_CONTROL, 'X'}),
        until([&] { return page.m_SubWork.size() == 3; }),
        [&](HWND hDlg) {
            SetFocus(GetDlgItem(hDlg, IDC_L_MAIN));
            return true;
        },
        keys({VK_CONTROL, 'I'}),
        until([&] { return page.m_MainWork.size() == 7; }),
        keys({VK_CONTROL, VK_DELETE}),
        until([&] { return page.Main().GetLastOp() == kListClear; }),
        [&](HWND hDlg) {
            PostMessageA(hDlg, WM_CLOSE, 0, 0);
            return true;
        },
    });
    page.DoModal(0);
    EXPECT_EQ(driver.StepsDone(), 19u);
    EXPECT_EQ(Names(page.m_SubWork), "名前1 名前2 名前3") << "copy, insert, paste, Ctrl+Delete, Delete, cut";
    EXPECT_EQ(Names(page.Sub().GetClipboard()), "先頭");
    EXPECT_EQ(page.m_MainWork.size(), 7u) << "Ctrl+I adds in a main list";
    EXPECT_EQ(page.Main().GetLastOp(), kListClear) << "Ctrl+Delete clears in a main list";
    EXPECT_EQ(page.m_MainWork[1].m_strName, "名前1");
}

TEST_F(Lists, RightClickSelectsTheRowUnderTheMouseAndOpensItsPopup)
{
    Open(8, 20);
    cListPage& page = *m_lpPage;

    // A row far down the sub-list, where any guess at the row height misses.
    {
        cStepDriver popup(FindPopupMenu, {ChooseItem(5)});  // "削除"
        RightClick(Centre(RowRect(m_hSub, 7)), popup);
        ASSERT_TRUE(popup.Ran()) << "the popup opened";
    }
    EXPECT_EQ(page.m_hShownMenu, page.Sub().GetPopupMenu());
    Pump(1000, [&] { return page.m_SubWork.size() == 19; });
    EXPECT_EQ(page.m_SubWork.size(), 19u);
    EXPECT_EQ(std::count_if(page.m_SubWork.begin(), page.m_SubWork.end(),
                            [](const cPageRec& r) { return r.m_strName == "名前7"; }),
              0)
        << "the record under the mouse was deleted";
    EXPECT_EQ(page.m_SubWork[7].m_strName, "名前8");

    // Inside a multiple selection the selection stays; "データのクリア".
    SelectRows(m_hPage, IDC_L_MAIN, {1, 2, 4});
    {
        cStepDriver popup(FindPopupMenu, {ChooseItem(4)});
        RightClick(Centre(RowRect(m_hMain, 2)), popup);
        ASSERT_TRUE(popup.Ran());
    }
    EXPECT_EQ(page.m_hShownMenu, page.Main().GetPopupMenu());
    Pump(1000, [&] { return page.m_MainWork[2].m_strName.empty(); });
    EXPECT_EQ(Names(page.m_MainWork), "先頭 名前1   名前4  名前6 名前7");
    EXPECT_EQ(SelectedRows(m_hMain), (std::vector<int>{1, 2, 4}));

    // Outside it only that row; the popup closed without a choice.
    {
        cStepDriver popup(FindPopupMenu, {ChooseItem(0)});
        RightClick(Centre(RowRect(m_hMain, 5)), popup);
        ASSERT_TRUE(popup.Ran());
    }
    EXPECT_EQ(SelectedRows(m_hMain), std::vector<int>{5});
    EXPECT_EQ(page.m_MainEdit.m_strName, "名前6");
    char buf[64] = "";
    GetDlgItemTextA(m_hPage, IDC_L_NAME, buf, sizeof buf);
    EXPECT_STREQ(buf, "名前6") << "the page's controls show the clicked record";
    EXPECT_EQ(Names(page.m_MainWork), "先頭 名前1   名前4  名前6 名前7");
}

TEST_F(Lists, SelectAtPointTakesTheRowFromTheListBoxsOwnRowHeight)
{
    Open(3, 30);
    cCtrlList<cPageRec>& sub = m_lpPage->Sub();
    SendMessageA(m_hSub, LB_SETTOPINDEX, 4, 0);
    RECT rc;
    GetWindowRect(m_hSub, &rc);
    EXPECT_EQ(sub.SelectAtPoint({rc.left + 10, rc.top + 1}), 1);
    EXPECT_EQ(sub.GetCurSel(), 4) << "1 pixel below the top edge: the top visible row";
    const RECT rcRow = RowRect(m_hSub, 9);
    EXPECT_EQ(sub.SelectAtPoint({rcRow.left + 5, rcRow.bottom - 1}), 1);
    EXPECT_EQ(sub.GetCurSel(), 9);
    EXPECT_EQ(GetFocus(), m_hSub);
    EXPECT_EQ(sub.SelectAtPoint({rc.right + 5, rc.top + 5}), 0) << "outside the list";

    Open(3, 2);
    GetWindowRect(m_hSub, &rc);
    EXPECT_EQ(m_lpPage->Sub().SelectAtPoint({rc.left + 10, rc.bottom - 3}), 0) << "below the last row";
}

TEST_F(Lists, DataCountGoesThroughTheValueDialog)
{
    Open(6, 0);
    cModalDriver driver("データ数", [](HWND hDlg) {
        HWND hEdit = GetDlgItem(hDlg, IDC_INPUT_EDIT);
        SendMessageA(hEdit, EM_SETSEL, 0, -1);
        for (char c : std::string("12")) SendMessageA(hEdit, WM_CHAR, static_cast<u8>(c), 1);
        SendMessageA(hDlg, WM_COMMAND, IDC_OK, 0);
    });
    SendMessageA(m_hPage, WM_COMMAND, MAKEWPARAM(IDC_L_COUNT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_hPage, IDC_L_COUNT)));
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(m_lpPage->m_MainWork.size(), 13u) << "record 0 and twelve data records";
    EXPECT_EQ(RowCount(m_hMain), 13);
    EXPECT_EQ(RowText(m_hMain, 11), "12 ");

    cModalDriver cancel("データ数", [](HWND hDlg) { SendMessageA(hDlg, WM_COMMAND, IDC_CANCEL, 0); });
    SendMessageA(m_hPage, WM_COMMAND, MAKEWPARAM(IDC_L_COUNT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_hPage, IDC_L_COUNT)));
    EXPECT_TRUE(cancel.Ran());
    EXPECT_EQ(m_lpPage->m_MainWork.size(), 13u);
}

// The keys of a table: (key, Ctrl, command).
struct cAccelKey {
    WORD wKey;
    bool bCtrl;
    WORD wCmd;
};
std::vector<cAccelKey> ListKeys(WORD x, WORD c, WORD v, WORD i, WORD del)
{
    return {{'X', true, x}, {'C', true, c}, {'V', true, v}, {'I', true, i}, {VK_DELETE, false, del}};
}

TEST_F(Lists, EveryListSetLoadsItsAcceleratorsAndPopupMenu)
{
    Open(3, 3);
    cCtrlList<cPageRec>& list = m_lpPage->Sub();
    const struct {
        u32 dwKind, dwSet;
        u16 wAccel, wMenu;
        std::vector<cAccelKey> keys;
        std::vector<std::pair<u16, const char*>> items;  // 0: a separator
        size_t nAccelEntries;
    } sets[] = {
        {0, 1, IDR_ACCEL_MAIN1, IDR_MENU_LIST_MAIN1, ListKeys(40009, 40001, 40007, 40002, 40008),
         {{40038, "切り取り"}, {40039, "コピー"}, {40040, "貼り付け"}, {0, ""}, {40041, "データのクリア"}}, 15},
        {0, 2, IDR_ACCEL_MAIN2, IDR_MENU_LIST_MAIN2, ListKeys(40019, 40012, 40017, 40013, 40018),
         {{40103, "切り取り"}, {40104, "コピー"}, {40105, "貼り付け"}, {0, ""}, {40113, "データのクリア"}}, 12},
        {0, 3, IDR_ACCEL_MAIN3, IDR_MENU_LIST_MAIN3, ListKeys(40029, 40022, 40027, 40023, 40028),
         {{40108, "切り取り"}, {40109, "コピー"}, {40110, "貼り付け"}, {0, ""}, {40114, "データのクリア"}}, 12},
        {0, 4, IDR_ACCEL_MAIN4, IDR_MENU_LIST_MAIN4, ListKeys(40098, 40091, 40096, 40092, 40097),
         {{40115, "切り取り"}, {40116, "コピー"}, {40117, "貼り付け"}, {0, ""}, {40118, "データのクリア"}}, 12},
        {1, 1, IDR_ACCEL_SUB1, IDR_MENU_LIST_SUB1, ListKeys(40009, 40001, 40007, 40033, 40032),
         {{40038, "切り取り"}, {40039, "コピー"}, {40040, "貼り付け"}, {0, ""}, {40042, "新規挿入"}, {0, ""},
          {40043, "削除"}}, 12},
        {1, 2, IDR_ACCEL_SUB2, IDR_MENU_LIST_SUB2, ListKeys(40019, 40012, 40017, 40034, 40035),
         {{40103, "切り取り"}, {40104, "コピー"}, {40105, "貼り付け"}, {0, ""}, {40106, "新規挿入"}, {0, ""},
          {40107, "削除"}}, 10},
        {1, 3, IDR_ACCEL_SUB3, IDR_MENU_LIST_SUB3, ListKeys(40029, 40022, 40027, 40036, 40037),
         {{40108, "切り取り"}, {40109, "コピー"}, {40110, "貼り付け"}, {0, ""}, {40111, "新規挿入"}, {0, ""},
          {40112, "削除"}}, 10},
        {1, 4, IDR_ACCEL_SUB4, IDR_MENU_LIST_SUB4, ListKeys(40098, 40091, 40096, 40101, 40102),
         {{40115, "切り取り"}, {40116, "コピー"}, {40117, "貼り付け"}, {0, ""}, {40119, "新規挿入"}, {0, ""},
          {40120, "削除"}}, 10},
    };
    for (const auto& s : sets) {
        SCOPED_TRACE(::testing::Message() << "kind " << s.dwKind << " set " << s.dwSet);
        EXPECT_EQ(list.SetAccelMenu(s.wAccel, s.wMenu, s.dwKind, s.dwSet), 1);
        cListCommandIds accel, popup;
        ASSERT_TRUE(ListCommandSet(s.dwKind, s.dwSet, accel, popup));
        for (int i = 0; i < kListCommandOps; ++i) {
            EXPECT_EQ(list.GetAccelIds().aw[i], accel.aw[i]);
            EXPECT_EQ(list.GetPopupIds().aw[i], popup.aw[i]);
        }
        // The table as registered for the list window.
        const auto& accels = m_lpPage->GetAccelerators();
        ASSERT_FALSE(accels.empty());
        EXPECT_EQ(accels.back().second, m_hSub);
        std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableA(accels.back().first, nullptr, 0)));
        CopyAcceleratorTableA(accels.back().first, entries.data(), static_cast<int>(entries.size()));
        EXPECT_EQ(entries.size(), s.nAccelEntries);
        for (const cAccelKey& k : s.keys) {
            const BYTE fWant = FVIRTKEY | FNOINVERT | (k.bCtrl ? FCONTROL : 0);
            EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const ACCEL& a) {
                return a.key == k.wKey && (a.fVirt & ~0x80) == fWant && a.cmd == k.wCmd;
            })) << "key " << k.wKey << " -> " << k.wCmd;
        }
        HMENU hMenu = list.GetPopupMenu();
        ASSERT_TRUE(hMenu);
        ASSERT_EQ(GetMenuItemCount(hMenu), static_cast<int>(s.items.size()));
        for (size_t i = 0; i < s.items.size(); ++i) {
            EXPECT_EQ(static_cast<u16>(GetMenuItemID(hMenu, static_cast<int>(i))), s.items[i].first);
            char buf[64] = "";
            GetMenuStringA(hMenu, static_cast<UINT>(i), buf, sizeof buf, MF_BYPOSITION);
            EXPECT_STREQ(buf, s.items[i].second);
        }
    }

    // No such set: the IDs stay, and only the debug flag shows the message.
    const cListCommandIds before = list.GetAccelIds();
    EXPECT_EQ(list.SetAccelMenu(IDR_ACCEL_SUB1, IDR_MENU_LIST_SUB1, 1, 5), 0);
    EXPECT_EQ(list.GetAccelIds().aw[0], before.aw[0]);
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    InitErrLog(1, "EC_Editor.txt");
    EXPECT_EQ(list.LoadAccelSet(IDR_ACCEL_SUB1, 2, 1), 0);
    EXPECT_EQ(list.LoadPopupSet(IDR_MENU_LIST_SUB1, 2, 1), 0);
    InitErrLog(0, "EC_Editor.txt");
    ASSERT_EQ(FakeHost().m_Messages.size(), 2u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "アクセラレータのIDが用意されていません！");
    EXPECT_EQ(FakeHost().m_Messages[1].strText, "ポップアップメニューのIDが用意されていません！");
    EXPECT_FALSE(IsFatalError());
    EXPECT_TRUE(list.GetPopupMenu()) << "the menu is loaded all the same";
}

// Stands in for the condition chooser: OK writes into the record.
class cTestChooser : public cDlgBase {
public:
    cTestChooser(const cEntryDlgArgs& args)
        : cDlgBase(args.wDlgId, args.lpOwner, kModeModal, args.lpRegistry, args.lpAnchor, args.bAnchorFlag),
          m_Args(args)
    {
    }
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
        if (uMsg == WM_CLOSE) Close(0);
        return lResult;
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        cDlgBase::OnCommand(wParam, lParam);
        if (LOWORD(wParam) == IDC_OK) {
            static_cast<cPageRec*>(m_Args.lpRecord)->m_strName = "選んだ";
            Close(1);
        } else if (LOWORD(wParam) == IDC_CANCEL) {
            Close(0);
        }
    }
    void OnDraw() override {}
    cEntryDlgArgs m_Args;
};

TEST_F(Lists, EditEntryRunsTheChooserOnTheRecordWithTheOtherWindowsDisabled)
{
    Open(3, 4);
    cListPage& page = *m_lpPage;
    std::vector<cEntryDlgArgs> seen;
    SetCondEntryFactory([&](const cEntryDlgArgs& args) {
        seen.push_back(args);
        return new cTestChooser(args);
    });
    SendMessageA(m_hSub, LB_SETCURSEL, 2, 0);
    SendMessageA(m_hPage, WM_COMMAND, MAKEWPARAM(IDC_L_SUB, LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hSub));

    cDlgBase* lpRunning = nullptr;
    bool bPageEnabled = true, bSlotSet = false;
    cModalDriver ok("条件の選択", [&](HWND hDlg) {
        bPageEnabled = IsWindowEnabled(m_hPage) != 0;
        bSlotSet = lpRunning && lpRunning->GetHwnd() == hDlg;
        SendMessageA(hDlg, WM_COMMAND, IDC_OK, 0);
    });
    EXPECT_EQ(page.Sub().EditEntry(&lpRunning, IDD_TEST_CHOOSER, &page.m_SubWork[2], &g_WndList, 2, 1, nullptr), 1);
    EXPECT_TRUE(ok.Ran());
    EXPECT_FALSE(bPageEnabled) << "hide mode 2 disables the registered windows";
    EXPECT_TRUE(bSlotSet) << "the caller reaches the running chooser";
    EXPECT_EQ(lpRunning, nullptr);
    EXPECT_TRUE(IsWindowEnabled(m_hPage));
    EXPECT_EQ(RowText(m_hSub, 2), "選んだ") << "the rows were refilled";
    EXPECT_EQ(page.Sub().GetLastOp(), kListEdit);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].lpOwner, &page);
    EXPECT_EQ(seen[0].lpAnchor, &page.Sub()) << "anchored at the list with the flag";
    EXPECT_EQ(seen[0].bAnchorFlag, 1u);

    cModalDriver cancel("条件の選択", [](HWND hDlg) { SendMessageA(hDlg, WM_CLOSE, 0, 0); });
    EXPECT_EQ(page.Sub().EditEntry(nullptr, IDD_TEST_CHOOSER, &page.m_SubWork[1], &g_WndList, 0, 0, &page.Main()), 0);
    EXPECT_TRUE(cancel.Ran());
    EXPECT_EQ(seen.back().lpAnchor, &page.Main());
    EXPECT_EQ(page.m_SubWork[1].m_strName, "名前1");

    // On the separator there is no record to edit.
    SendMessageA(m_hSub, LB_SETCURSEL, 4, 0);
    SendMessageA(m_hPage, WM_COMMAND, MAKEWPARAM(IDC_L_SUB, LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hSub));
    EXPECT_EQ(page.Sub().EditEntry(nullptr, IDD_TEST_CHOOSER, nullptr, &g_WndList, 0, 0, nullptr), 0);
    EXPECT_EQ(seen.size(), 2u);
}

}  // namespace
