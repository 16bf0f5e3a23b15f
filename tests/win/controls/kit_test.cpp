// The control kit in a dialog of our own: every kind of control bound to a
// record, driven as a user would (typed characters, arrow clicks, list
// choices, check clicks, slider keys), then read back into the record.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include "app/fatal.h"
#include "app/log.h"
#include "controls/entry_name_combo.h"
#include "controls/scroll_ctrl.h"
#include "framework/dlg_item.h"
#include "framework/wnd_base.h"
#include "kit_dlg.h"
#include "support/win32/win_test.h"

namespace {

std::string Text(HWND hDlg, int nId)
{
    std::string str;
    GetDlgItemStr(hDlg, nId, str);
    return str;
}

int Sel(HWND hDlg, int nId) { return static_cast<int>(SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0)); }
int Check(HWND hDlg, int nId) { return static_cast<int>(SendDlgItemMessageA(hDlg, nId, BM_GETCHECK, 0, 0)); }
int TrackPos(HWND hDlg, int nId) { return static_cast<int>(SendDlgItemMessageA(hDlg, nId, TBM_GETPOS, 0, 0)); }

// Keys typed into an edit over its whole text, one WM_CHAR per byte.
void Type(HWND hDlg, int nId, const std::string& strKeys)
{
    HWND hEdit = GetDlgItem(hDlg, nId);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    for (char c : strKeys) SendMessageA(hEdit, WM_CHAR, static_cast<u8>(c), 1);
}

// A click on the upper or the lower arrow of an up-down control.
void ClickArrow(HWND hDlg, int nId, bool bUp)
{
    HWND hSpin = GetDlgItem(hDlg, nId);
    RECT rc;
    GetClientRect(hSpin, &rc);
    const LPARAM lPoint = MAKELPARAM(rc.right / 2, bUp ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageA(hSpin, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    SendMessageA(hSpin, WM_LBUTTONUP, 0, lPoint);
}

// A list choice as the user makes it: the selection, then its notification.
void Choose(HWND hDlg, int nId, int nPos)
{
    SendDlgItemMessageA(hDlg, nId, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}

void Click(HWND hDlg, int nId) { SendDlgItemMessageA(hDlg, nId, BM_CLICK, 0, 0); }

void Press(HWND hDlg, int nId)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}

// The caret, in the edit's own units.
DWORD Caret(HWND hDlg, int nId)
{
    DWORD dwStart = 0;
    SendDlgItemMessageA(hDlg, nId, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), 0);
    return dwStart;
}

// A paste over the whole text, as the user does it (a multi-line edit
// reports no change for a text the program sets).
void Paste(HWND hDlg, int nId, const char* lpText)
{
    SendDlgItemMessageA(hDlg, nId, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(hDlg, nId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(lpText));
}

bool g_bBackspaceDown = false;
bool FakeKeys(int nVk) { return nVk == VK_BACK && g_bBackspaceDown; }

class Kit : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        m_Blocks.resize(4);
        const char* const kNames[] = {"空き", "草原", "岩", "水"};
        for (size_t i = 0; i < m_Blocks.size(); ++i) m_Blocks[i].m_strName = kNames[i];
    }
    void TearDown() override
    {
        m_lpDlg.reset();
        SetKeyDownReader(nullptr);
        cWinTest::TearDown();
    }
    // Opens the dialog (modeless) on the test's record.
    HWND Open()
    {
        m_lpDlg.reset(new cKitDlg(m_Rec, m_Blocks));
        m_lpDlg->Create(0, true);
        return m_lpDlg->GetHwnd();
    }
    cKitRecord m_Rec;
    std::vector<cEdBlock> m_Blocks;
    std::unique_ptr<cKitDlg> m_lpDlg;
};

TEST_F(Kit, DataToControlsShowsEveryFieldAndReadsBackUnchanged)
{
    HWND hDlg = Open();
    ASSERT_TRUE(hDlg);
    HoldForScreenshot(hDlg);
    EXPECT_EQ(Text(hDlg, IDC_K_S16), "12");
    EXPECT_EQ(Text(hDlg, IDC_K_S32), "-7");
    EXPECT_EQ(Text(hDlg, IDC_K_DOUBLE), "1.50") << "the step 0.05 shows two decimals";
    EXPECT_EQ(Text(hDlg, IDC_K_S8), "127");
    EXPECT_EQ(Text(hDlg, IDC_K_U8), "200");
    EXPECT_EQ(Text(hDlg, IDC_K_FLOAT), "0.25");
    EXPECT_EQ(Text(hDlg, IDC_K_U16), "60000");
    EXPECT_EQ(Text(hDlg, IDC_K_U32), "4000000000");
    EXPECT_EQ(Text(hDlg, IDC_K_NAME), "勇者");
    EXPECT_EQ(Text(hDlg, IDC_K_PATH), "bmp\\表紙.bmp");
    EXPECT_EQ(Text(hDlg, IDC_K_MESSAGE), "こんにちは");
    EXPECT_EQ(Sel(hDlg, IDC_K_DIRECTION), 1) << "base 1: field 2 is the second item";
    EXPECT_EQ(Sel(hDlg, IDC_K_STRENGTH), 1) << "9 is the table's second value";
    EXPECT_EQ(Sel(hDlg, IDC_K_BLOCK), 1);
    EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_K_BLOCK, CB_GETCOUNT, 0, 0), 3) << "entry 0 is not listed";
    char buf[64] = "";
    SendDlgItemMessageA(hDlg, IDC_K_BLOCK, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(buf));
    EXPECT_STREQ(buf, "003 水");
    EXPECT_EQ(Check(hDlg, IDC_K_SHOW), BST_INDETERMINATE);
    EXPECT_EQ(Check(hDlg, IDC_K_FLIP), BST_UNCHECKED);
    EXPECT_EQ(Check(hDlg, IDC_K_OFF), BST_CHECKED);
    EXPECT_EQ(TrackPos(hDlg, IDC_K_VOLUME), 40);
    EXPECT_EQ(Text(hDlg, IDC_K_VOLUME_EDIT), "40");
    EXPECT_EQ(TrackPos(hDlg, IDC_K_RED), 100);
    EXPECT_EQ(m_lpDlg->GetCtrls().size(), 21u) << "every entry listed, no partner among them";

    const cKitRecord before = m_Rec;
    m_lpDlg->CtrlsToData();
    ExpectSameRecord(m_Rec, before);
}

TEST_F(Kit, TypedCharactersAreFilteredAndValuesKeptInTheirLimits)
{
    HWND hDlg = Open();
    const struct {
        int nId;
        std::string strKeys;
        const char* lpShown;
    } rows[] = {
        {IDC_K_S16, "1a2", "12"},
        {IDC_K_S16, "99999", "1000"},
        {IDC_K_S32, "99999999999", "2000000000"},
        {IDC_K_S32, "-", "-"},
        {IDC_K_DOUBLE, "3.14159", "3.14159"},
        {IDC_K_DOUBLE, "12", "10.00"},
        {IDC_K_S8, "-1+2x", "-12"},
        {IDC_K_U8, "表3", "3"},
        {IDC_K_FLOAT, "-.5", "-.5"},
        {IDC_K_U16, "070000", "65535"},
        {IDC_K_U32, "4294967295", "4294967295"},
    };
    for (const auto& r : rows) {
        Type(hDlg, r.nId, r.strKeys);
        EXPECT_EQ(Text(hDlg, r.nId), r.lpShown) << r.strKeys;
    }
    m_lpDlg->CtrlsToData();
    cKitRecord expected;
    expected.nS16 = 1000;
    expected.nS32 = 0;  // a lone minus sign stores 0
    expected.dDouble = 10;
    expected.cS8 = -12;
    expected.byU8 = 3;
    expected.fFloat = -0.5f;
    expected.wU16 = 65535;
    expected.dwU32 = 4294967295u;
    ExpectSameRecord(m_Rec, expected);

    // An input-method message never reaches the edit itself; without a
    // result string (there is no input method here) nothing is typed.
    HWND hS16 = GetDlgItem(hDlg, IDC_K_S16);
    EXPECT_EQ(SendMessageA(hS16, WM_IME_COMPOSITION, 0, GCS_RESULTSTR), 0);
    SendMessageA(hS16, WM_IME_COMPOSITION, 0, GCS_COMPSTR);
    EXPECT_EQ(Text(hDlg, IDC_K_S16), "1000");

    // Leaving an emptied edit shows the minimum-or-0 rule's value.
    Type(hDlg, IDC_K_U8, "\b");
    EXPECT_EQ(Text(hDlg, IDC_K_U8), "");
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_K_U8, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_K_U8)));
    EXPECT_EQ(Text(hDlg, IDC_K_U8), "0");
    Type(hDlg, IDC_K_DOUBLE, "0.123");
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_K_DOUBLE, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_K_DOUBLE)));
    EXPECT_EQ(Text(hDlg, IDC_K_DOUBLE), "0.12");
}

TEST_F(Kit, ArrowClicksStepWithinTheLimits)
{
    HWND hDlg = Open();
    const struct {
        int nSpin, nEdit;
        bool bUp;
        const char* lpShown;
    } clicks[] = {
        {IDC_K_S8_SPIN, IDC_K_S8, true, "127"},  // 8-bit at 127 stays 127
        {IDC_K_S8_SPIN, IDC_K_S8, false, "126"},
        {IDC_K_S16_SPIN, IDC_K_S16, true, "17"},
        {IDC_K_DOUBLE_SPIN, IDC_K_DOUBLE, true, "1.55"},
        {IDC_K_U8_SPIN, IDC_K_U8, false, "199"},
        {IDC_K_S32_SPIN, IDC_K_S32, false, "-8"},
    };
    for (const auto& c : clicks) {
        ClickArrow(hDlg, c.nSpin, c.bUp);
        EXPECT_EQ(Text(hDlg, c.nEdit), c.lpShown) << c.nSpin << (c.bUp ? " up" : " down");
    }
    Type(hDlg, IDC_K_S16, "998");
    ClickArrow(hDlg, IDC_K_S16_SPIN, true);
    EXPECT_EQ(Text(hDlg, IDC_K_S16), "1000");
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.cS8, 126);
    EXPECT_EQ(m_Rec.nS16, 1000);
    EXPECT_DOUBLE_EQ(m_Rec.dDouble, 1.55);
    EXPECT_EQ(m_Rec.byU8, 199);
    EXPECT_EQ(m_Rec.nS32, -8);

    // Disabling an edit disables its arrows.
    EnableCtrl(m_lpDlg->m_S8s, IDC_K_S8, FALSE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_K_S8)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_K_S8_SPIN)));
}

TEST_F(Kit, CombosStoreBasePlusPositionOrTheTablesValue)
{
    HWND hDlg = Open();
    Choose(hDlg, IDC_K_DIRECTION, 2);
    Choose(hDlg, IDC_K_STRENGTH, 2);
    Choose(hDlg, IDC_K_BLOCK, 2);
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.cDirection, 3);
    EXPECT_EQ(m_Rec.nStrength, 12);
    EXPECT_EQ(m_Rec.nBlock, 3);

    Choose(hDlg, IDC_K_DIRECTION, -1);
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.cDirection, 0) << "no selection stores base - 1";

    // A value the table lacks selects nothing.
    m_Rec.nStrength = 7;
    m_lpDlg->DataToCtrls();
    EXPECT_EQ(Sel(hDlg, IDC_K_STRENGTH), -1);

    cCtrlCombo* lpDirection = FindCtrl(m_lpDlg->m_Combos, IDC_K_DIRECTION);
    ASSERT_TRUE(lpDirection);
    lpDirection->Adjust();
    EXPECT_EQ(Sel(hDlg, IDC_K_DIRECTION), 0) << "no selection: the first item";

    // New items keep the chosen value where the new list has it.
    Choose(hDlg, IDC_K_BLOCK, 1);
    m_Blocks.emplace_back();
    m_Blocks.back().m_strName = "砂";
    SetComboBlockNames(m_lpDlg->m_Combos32, IDC_K_BLOCK, m_lpDlg->m_BlockNames, m_Blocks);
    EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_K_BLOCK, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(Sel(hDlg, IDC_K_BLOCK), 1);
    m_Blocks.resize(2);
    SetComboBlockNames(m_lpDlg->m_Combos32, IDC_K_BLOCK, m_lpDlg->m_BlockNames, m_Blocks);
    EXPECT_EQ(Sel(hDlg, IDC_K_BLOCK), 0) << "the value is gone: the one item left";
}

TEST_F(Kit, CheckBoxesStoreTheirState)
{
    HWND hDlg = Open();
    Click(hDlg, IDC_K_SHOW);  // indeterminate -> unchecked
    Click(hDlg, IDC_K_FLIP);
    Click(hDlg, IDC_K_OFF);
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.nShow, 0);
    EXPECT_EQ(m_Rec.cFlip, 1);
    EXPECT_EQ(m_Rec.byOff, 0);
    Click(hDlg, IDC_K_SHOW);
    Click(hDlg, IDC_K_SHOW);
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.nShow, 2) << "the third state of a three-state box";

    // A signed byte of -1 goes out sign-extended: the box shows its
    // strongest state and reads back as it.
    m_Rec.cFlip = -1;
    m_Rec.byOff = 255;
    m_lpDlg->DataToCtrls();
    EXPECT_EQ(Check(hDlg, IDC_K_FLIP), BST_CHECKED);
    EXPECT_EQ(Check(hDlg, IDC_K_OFF), BST_CHECKED);
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.cFlip, 1);
    EXPECT_EQ(m_Rec.byOff, 1);

    cCtrlCheckChar* lpFlip = FindCtrl(m_lpDlg->m_CharChecks, IDC_K_FLIP);
    ASSERT_TRUE(lpFlip);
    lpFlip->SetCheck(0);
    EXPECT_EQ(lpFlip->GetCheck(), 0);
    EXPECT_EQ(m_Rec.cFlip, 1) << "setting the state leaves the field";
}

TEST_F(Kit, SlidersNotifyTheOwnerAndStoreWhatIsShown)
{
    HWND hDlg = Open();
    EXPECT_EQ(m_lpDlg->Commands(IDC_K_VOLUME), 2) << "one on attaching, one in the first pass";
    EXPECT_EQ(m_lpDlg->Commands(IDC_K_RED), 2);
    m_lpDlg->DataToCtrls();
    EXPECT_EQ(m_lpDlg->Commands(IDC_K_VOLUME), 3) << "one per pass";
    EXPECT_EQ(m_lpDlg->Commands(IDC_K_RED), 3);

    // Keys move the thumb; the partner follows, the field waits.
    HWND hVolume = GetDlgItem(hDlg, IDC_K_VOLUME);
    SendMessageA(hVolume, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(hVolume, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(TrackPos(hDlg, IDC_K_VOLUME), 51);
    EXPECT_EQ(Text(hDlg, IDC_K_VOLUME_EDIT), "51");
    EXPECT_GE(m_lpDlg->Commands(IDC_K_VOLUME), 5);
    EXPECT_EQ(m_Rec.nVolume, 40);
    // A scroll of another control leaves this slider alone.
    SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDC_K_RED)));
    EXPECT_EQ(Text(hDlg, IDC_K_VOLUME_EDIT), "51");
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.nVolume, 51);

    // A number typed into the partner moves the thumb and is stored.
    Type(hDlg, IDC_K_VOLUME_EDIT, "77");
    EXPECT_EQ(TrackPos(hDlg, IDC_K_VOLUME), 77);
    Type(hDlg, IDC_K_VOLUME_EDIT, "300x");
    EXPECT_EQ(Text(hDlg, IDC_K_VOLUME_EDIT), "100");
    EXPECT_EQ(TrackPos(hDlg, IDC_K_VOLUME), 100);
    Pump(30);  // the posted notification of the typed value
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.nVolume, 100);

    // A field beyond the range: both ends show the range's end.
    m_Rec.nRed = 400;
    m_Rec.nVolume = -5;
    m_lpDlg->DataToCtrls();
    EXPECT_EQ(TrackPos(hDlg, IDC_K_RED), 255);
    EXPECT_EQ(Text(hDlg, IDC_K_VOLUME_EDIT), "0");
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.nRed, 255);
    EXPECT_EQ(m_Rec.nVolume, 0);

    EnableCtrl(m_lpDlg->m_Sliders, IDC_K_VOLUME, FALSE);
    EXPECT_FALSE(IsWindowEnabled(hVolume));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_K_VOLUME_EDIT))) << "the partner goes with it";
}

TEST_F(Kit, TextsKeepTheirWidthLinesAndSize)
{
    HWND hDlg = Open();
    cCtrlText* lpMessage = FindCtrl(m_lpDlg->m_Texts, IDC_K_MESSAGE);
    ASSERT_TRUE(lpMessage);
    lpMessage->SetText("あいうえおかきくけこ");
    EXPECT_EQ(Text(hDlg, IDC_K_MESSAGE), "あいうえおかきく\r\nけこ");

    // Pasting a fourth line is refused.
    Paste(hDlg, IDC_K_MESSAGE, "1\r\n2\r\n3\r\n4");
    EXPECT_EQ(Text(hDlg, IDC_K_MESSAGE), "あいうえおかきく\r\nけこ");
    Paste(hDlg, IDC_K_MESSAGE, "表示テスト文字列です");
    EXPECT_EQ(Text(hDlg, IDC_K_MESSAGE), "表示テスト文字列\r\nです") << "wrapped at 8 characters";
    HWND hMessage = GetDlgItem(hDlg, IDC_K_MESSAGE);
    const DWORD dwLine2 = static_cast<DWORD>(SendMessageA(hMessage, EM_LINEINDEX, 1, 0));
    const DWORD dwEnd = dwLine2 + static_cast<DWORD>(SendMessageA(hMessage, EM_LINELENGTH, dwLine2, 0));
    EXPECT_EQ(Caret(hDlg, IDC_K_MESSAGE), dwEnd) << "after the pasted text";

    // Backspace at the start of the second line, whose first line is full.
    SetKeyDownReader(FakeKeys);
    g_bBackspaceDown = true;
    SendMessageA(hMessage, EM_SETSEL, dwLine2, dwLine2);
    SendMessageA(hMessage, WM_CHAR, VK_BACK, 1);
    g_bBackspaceDown = false;
    EXPECT_EQ(Text(hDlg, IDC_K_MESSAGE), "表示テスト文字列\r\nです");
    EXPECT_EQ(Caret(hDlg, IDC_K_MESSAGE), dwLine2) << "back at the start of the second line";
    // A line with room left joins.
    Paste(hDlg, IDC_K_MESSAGE, "表示\r\nです");
    const LRESULT nStart = SendMessageA(hMessage, EM_LINEINDEX, 1, 0);
    SendMessageA(hMessage, EM_SETSEL, static_cast<WPARAM>(nStart), nStart);
    g_bBackspaceDown = true;
    SendMessageA(hMessage, WM_CHAR, VK_BACK, 1);
    g_bBackspaceDown = false;
    EXPECT_EQ(Text(hDlg, IDC_K_MESSAGE), "表示です");

    // The name: ten characters, double-byte ones count one.
    Type(hDlg, IDC_K_NAME, "");
    SetDlgItemTextA(hDlg, IDC_K_NAME, "あいうえおかきくけこ");
    SendDlgItemMessageA(hDlg, IDC_K_NAME, EM_SETSEL, 99, 99);
    SendDlgItemMessageA(hDlg, IDC_K_NAME, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("さ"));
    EXPECT_EQ(Text(hDlg, IDC_K_NAME), "あいうえおかきくけこ");

    // The path counts bytes and is read back within 20, never half a
    // double-byte character.
    SetDlgItemTextA(hDlg, IDC_K_PATH, "bmp\\abcdefghijklmno表.bmp");
    m_lpDlg->CtrlsToData();
    EXPECT_EQ(m_Rec.strPath, "bmp\\abcdefghijklmno");
    EXPECT_EQ(m_Rec.strName, "あいうえおかきくけこ");
    EXPECT_EQ(m_Rec.strMessage, "表示です");
}

TEST_F(Kit, FillingTheControlsNeverWritesBack)
{
    // A wrapper at the head of the list asks for controls to data in the
    // middle of data to controls.
    struct cEcho : cCtrlPlain {
        void DataToCtrl() override { GetOwner()->CtrlsToData(); }
    } echo;
    m_lpDlg.reset(new cKitDlg(m_Rec, m_Blocks));
    m_lpDlg->m_OnInit = [&](cKitDlg& d) {
        echo.cCtrl::Attach(&d, IDC_K_RESET);
        d.AddCtrl(&echo);
    };
    m_lpDlg->Create(0, true);
    HWND hDlg = m_lpDlg->GetHwnd();
    cKitRecord changed;
    changed.nS16 = 300;
    changed.strName = "魔王";
    changed.cDirection = 3;
    changed.nShow = 0;
    changed.nVolume = 90;
    changed.dDouble = -2.25;
    m_Rec = changed;
    m_lpDlg->DataToCtrls();
    ExpectSameRecord(m_Rec, changed);
    EXPECT_EQ(Text(hDlg, IDC_K_S16), "300");
    EXPECT_EQ(Text(hDlg, IDC_K_NAME), "魔王");
    EXPECT_EQ(Text(hDlg, IDC_K_DOUBLE), "-2.25");
    EXPECT_EQ(TrackPos(hDlg, IDC_K_VOLUME), 90);
}

TEST_F(Kit, MissingControlIdIsFatal)
{
    Open();
    cKitDlg& d = *m_lpDlg;
    EXPECT_EQ(FindCtrl(d.m_S16s, IDC_K_S16), &d.m_S16s[0]);
    EXPECT_FALSE(IsFatalError());
    EXPECT_EQ(FindCtrl(d.m_S32s, 9999), nullptr);
    EXPECT_TRUE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 1) << "the main window is closed";
    EXPECT_TRUE(FakeHost().m_Messages.empty()) << "the message shows only while debugging";
    EXPECT_EQ(FindCtrl(d.m_Combos16, 9999), nullptr);
    EXPECT_EQ(FindCtrl(d.m_Checks, 9999), nullptr);
    EXPECT_EQ(FindCtrl(d.m_Sliders, 9999), nullptr);
    EXPECT_EQ(FindCtrl(d.m_Pictures, 9999), nullptr);
    EXPECT_EQ(EnableCtrl(d.m_Plains, 9999, FALSE), 0);
    EXPECT_EQ(EnableCtrl(d.m_Doubles, 9999, FALSE), 0);
    EXPECT_EQ(FakeHost().m_nCloseRequests, 7);
    InitErrLog(1, "EC_Editor.txt");
    EXPECT_EQ(EnableCtrl(d.m_Combos, 4321, TRUE), 0);
    InitErrLog(0, "EC_Editor.txt");
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "コントロールID 【4321】 が見つかりません！");
}

TEST_F(Kit, PictureIsPlacedInDialogUnitsWithASurfaceOfItsSize)
{
    HWND hDlg = Open();
    cCtrlPicture& picture = m_lpDlg->m_Pictures[0];
    RECT rcUnits = {190, 165, 0, 0};
    MapDialogRect(hDlg, &rcUnits);
    EXPECT_NEAR(picture.GetClientPos().x, rcUnits.left, 1);
    EXPECT_NEAR(picture.GetClientPos().y, rcUnits.top, 1);
    RECT rc;
    GetClientRect(picture.GetHwnd(), &rc);
    EXPECT_EQ(picture.GetBack().GetWidth(), 60);
    EXPECT_EQ(picture.GetBack().GetHeight(), 40);
    EXPECT_TRUE(picture.GetFront().GetDC());
    picture.GetBack().FillRgb(0, 0, 255);
    picture.Present();
}

TEST_F(Kit, ScrollBarsTakeTheirRangeAndIgnoreRightClicks)
{
    HWND hDlg = Open();
    HWND hBar = GetDlgItem(hDlg, IDC_K_SCROLL);
    HWND hMessage = GetDlgItem(hDlg, IDC_K_MESSAGE);
    std::vector<cCtrlDesc<cScrollCtrl>> bars(2);
    bars[0].wSetupId = IDC_K_SCROLL;  // a scroll bar control
    bars[0].nSetupMax = 50;
    bars[0].nSetupPage = 10;
    bars[0].bSetupRedraw = 1;
    bars[1].lpSetupTarget = &hMessage;  // a window's own vertical bar
    bars[1].nSetupBar = SB_VERT;
    bars[1].nSetupMax = 20;
    bars[1].nSetupPage = 5;
    m_lpDlg->CreateCtrls(bars);
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(hBar, SB_CTL, &si));
    EXPECT_EQ(si.nMax, 50);
    EXPECT_EQ(si.nPage, 10u);
    ASSERT_TRUE(GetScrollInfo(hMessage, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 20);
    EXPECT_EQ(si.nPage, 5u);
    EXPECT_EQ(GetPropA(hBar, "CTRL_SCROLL_CLASS"), static_cast<cScrollCtrl*>(&bars[0]));
    EXPECT_EQ(SendMessageA(hBar, WM_RBUTTONUP, 0, 0), 0) << "no context menu";
    m_lpDlg->Close(0);
}

TEST_F(Kit, ModalRunWritesEveryChangeOnOkOnly)
{
    for (bool bOk : {true, false}) {
        m_Rec = cKitRecord();
        cKitDlg dlg(m_Rec, m_Blocks, kModeModal);
        cModalDriver driver("コントロールのテスト", [&](HWND hDlg) {
            Type(hDlg, IDC_K_S16, "250");
            Type(hDlg, IDC_K_S32, "-123456");
            Type(hDlg, IDC_K_DOUBLE, "-9.99");
            ClickArrow(hDlg, IDC_K_S8_SPIN, false);
            Type(hDlg, IDC_K_U8, "17");
            Type(hDlg, IDC_K_FLOAT, "0.5");
            Type(hDlg, IDC_K_U16, "1");
            Type(hDlg, IDC_K_U32, "0");
            SetDlgItemTextA(hDlg, IDC_K_NAME, "剣士");
            SetDlgItemTextA(hDlg, IDC_K_PATH, "bgm\\曲.ogg");
            Paste(hDlg, IDC_K_MESSAGE, "行1\r\n行2");
            Choose(hDlg, IDC_K_DIRECTION, 0);
            Choose(hDlg, IDC_K_STRENGTH, 0);
            Choose(hDlg, IDC_K_BLOCK, 2);
            Click(hDlg, IDC_K_SHOW);
            Click(hDlg, IDC_K_FLIP);
            Click(hDlg, IDC_K_OFF);
            SendDlgItemMessageA(hDlg, IDC_K_RED, WM_KEYDOWN, VK_LEFT, 0);
            Type(hDlg, IDC_K_VOLUME_EDIT, "64");
            Press(hDlg, bOk ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(0), bOk ? 1 : 0);
        ASSERT_TRUE(driver.Ran());
        cKitRecord expected;
        if (bOk) {
            expected.nS16 = 250;
            expected.nS32 = -123456;
            expected.dDouble = -9.99;
            expected.cS8 = 126;
            expected.byU8 = 17;
            expected.fFloat = 0.5f;
            expected.wU16 = 1;
            expected.dwU32 = 0;
            expected.strName = "剣士";
            expected.strPath = "bgm\\曲.ogg";
            expected.strMessage = "行1\r\n行2";
            expected.cDirection = 1;
            expected.nStrength = 5;
            expected.nBlock = 3;
            expected.nShow = 0;
            expected.cFlip = 1;
            expected.byOff = 0;
            expected.nRed = 99;
            expected.nVolume = 64;
        }
        ExpectSameRecord(m_Rec, expected);
    }
}

}  // namespace
