// The sheet rate on a real Windows stack: the please-wait panel is measured
// against the reference size, the rate goes to the sheet-size file, and the
// next start reuses it while the system font and version stay the same.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/file_system.h"
#include "app/log.h"
#include "app/win32/host_win32.h"
#include "data/project_paths.h"
#include "framework/env_info_wait.h"
#include "framework/wnd_list.h"
#include "support/win32/win_test.h"

namespace {

constexpr u16 kIddOwner = 3901;
constexpr int kIdApplyNow = 0x3021;

class cOwnerDlg : public cDlgBase {
public:
    cOwnerDlg() : cDlgBase(kIddOwner, nullptr, kModeWindow, &g_WndList) {}
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        return DefaultProc(hWnd, uMsg, wParam, lParam);
    }
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override
    {
        cDlgBase::OnInitDialog(wParam, lParam);
        m_bInitialized = 1;
    }
};

class SheetRate : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        SetHost(&m_Host);
        g_SheetRate = cSheetRate();
        ASSERT_TRUE(FileSystem().MakeFolder(g_strPath[kPathEData]));
        m_Owner.Create(0, true);
    }
    void TearDown() override
    {
        m_Owner.Close(0);
        g_SheetRate = cSheetRate();
        cWinTest::TearDown();
    }

    // One start's settling of the rate, with a fresh sheet-size object; the
    // panel, if one was shown, is deleted by the registry afterwards.
    bool Start(cSheetSize& size)
    {
        size = cSheetSize();
        const bool bReused = SettleSheetRate(&m_Owner, &m_lpWaitField, &g_WndList, size);
        Pump(2000, [&] { return m_lpWaitField == nullptr; });
        return bReused;
    }

    cWin32Host m_Host;
    cOwnerDlg m_Owner;
    cWndGroup* m_lpWaitField = nullptr;
};

SIZE ClientSize(HWND hWnd)
{
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

TEST_F(SheetRate, PanelIsMeasuredAgainstTheReferenceSize)
{
    g_SheetRate.dX = g_SheetRate.dY = 1.5;  // a rate in force is not applied to the panel
    cWndGroup* lpField = nullptr;
    cEnvInfoWaitSheet* lpPanel = new cEnvInfoWaitSheet(1, &m_Owner, &g_WndList, &lpField);
    lpField = lpPanel;
    ASSERT_TRUE(lpPanel->Measure());
    const HWND hSheet = lpPanel->GetSheetHwnd();
    ASSERT_TRUE(IsWindowVisible(hSheet));
    const SIZE client = ClientSize(hSheet);
    std::printf("panel client area %ld x %ld\n", client.cx, client.cy);
    EXPECT_DOUBLE_EQ(g_SheetRate.dX, 393.0 / client.cx);
    EXPECT_DOUBLE_EQ(g_SheetRate.dY, 235.0 / client.cy);
    // Our own layout of the panel comes out near the reference size.
    EXPECT_NEAR(g_SheetRate.dX, 1.0, 0.1);
    EXPECT_NEAR(g_SheetRate.dY, 1.0, 0.1);

    const HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
    ASSERT_TRUE(hPage);
    char text[64] = "";
    EnumChildWindows(
        hPage,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            char buf[64] = "";
            GetWindowTextA(hChild, buf, sizeof buf);
            if (std::string(buf).find("取得中") == std::string::npos) return TRUE;
            lstrcpynA(reinterpret_cast<char*>(lParam), buf, 64);
            return FALSE;
        },
        reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "実行環境の情報を取得中...");
    const SIZE picture = ClientSize(GetDlgItem(hPage, 1006));
    EXPECT_EQ(picture.cx, 200);
    EXPECT_EQ(picture.cy, 20);
    EXPECT_EQ(g_WndList.WndCount(), 2u) << "the owner and the page";

    // A command of the page marks the sheet changed.
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hSheet, kIdApplyNow)));
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(1006, 0), 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hSheet, kIdApplyNow)));

    SendMessageA(hSheet, WM_CLOSE, 0, 0);
    Pump(2000, [&] { return lpField == nullptr; });
    EXPECT_EQ(lpField, nullptr) << "the closed panel is deleted through the owner's field";
    EXPECT_EQ(g_WndList.WndCount(), 1u);
}

TEST_F(SheetRate, MeasuredOnceThenReusedWhileFontAndVersionStay)
{
    ASSERT_TRUE(OpenReportLog("Report_Editor.txt"));
    const std::string strPath = g_strPath[kPathSheetSize];
    u32 dwMajor = 0, dwMinor = 0;
    GetOsName(nullptr, &dwMajor, &dwMinor);
    cFontInfo font;
    m_Host.GetIconTitleFont(font);
    ASSERT_FALSE(font.strFace.empty());

    // First start: no file; the panel measures and the file keeps the rate.
    cSheetSize size;
    EXPECT_FALSE(Start(size));
    EXPECT_EQ(m_lpWaitField, nullptr);
    EXPECT_EQ(g_WndList.WndCount(), 1u);
    EXPECT_EQ(g_WndList.GroupCount(), 0u);
    const cSheetRate measured = g_SheetRate;
    cSheetSize stored;
    ASSERT_EQ(stored.LoadFile(strPath), 1u);
    EXPECT_EQ(stored.m_dRateX, measured.dX);
    EXPECT_EQ(stored.m_dRateY, measured.dY);
    EXPECT_EQ(stored.m_dwOsMajor, dwMajor);
    EXPECT_EQ(stored.m_dwOsMinor, dwMinor);
    EXPECT_EQ(stored.m_strFontFace, font.strFace);
    EXPECT_EQ(stored.m_nFontWidth, font.nWidth);
    EXPECT_EQ(stored.m_nFontHeight, font.nHeight);
    EXPECT_EQ(ReadFileText("Report_Editor.txt").find("Sheet Rate : OK"), std::string::npos);

    // Next start: the stored rate, no panel.
    const std::vector<u8> file = ReadFileBytes(strPath);
    g_SheetRate = cSheetRate();
    EXPECT_TRUE(Start(size));
    EXPECT_EQ(g_SheetRate.dX, measured.dX);
    EXPECT_EQ(g_SheetRate.dY, measured.dY);
    EXPECT_EQ(m_lpWaitField, nullptr);
    EXPECT_NE(ReadFileText("Report_Editor.txt").find("Sheet Rate : OK"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(strPath), file) << "a reused rate is not written again";

    // Another system font, another version or an old file: measured again.
    const struct {
        const char* lpWhat;
        void (*pfnChange)(cSheetSize&);
        bool bOldFile;
    } changes[] = {
        {"font", [](cSheetSize& s) { s.m_strFontFace += "x"; }, false},
        {"font height", [](cSheetSize& s) { s.m_nFontHeight -= 1; }, false},
        {"version", [](cSheetSize& s) { s.m_dwOsMinor += 1; }, false},
        {"file of 873", nullptr, true},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.lpWhat);
        cSheetSize changed;
        ASSERT_EQ(changed.LoadFile(strPath), 1u);
        changed.m_dRateX = changed.m_dRateY = 2.0;
        if (c.pfnChange) c.pfnChange(changed);
        ASSERT_EQ(changed.SaveFile(strPath), 1u);
        if (c.bOldFile) {
            std::vector<u8> bytes = ReadFileBytes(strPath);
            bytes[0] = 873 & 0xFF;
            bytes[1] = 873 >> 8;
            ASSERT_TRUE(WriteFileBytes(strPath, bytes));
        }
        EXPECT_FALSE(Start(size));
        EXPECT_EQ(g_SheetRate.dX, measured.dX);
        EXPECT_EQ(g_SheetRate.dY, measured.dY);
        EXPECT_EQ(m_lpWaitField, nullptr);
        EXPECT_EQ(ReadFileBytes(strPath), file) << "the new measurement is stored";
    }
}

}  // namespace
