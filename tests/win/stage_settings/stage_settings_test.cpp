// The stage settings window in this process, opened from the stage editor
// window's menu: every control of the three pages against the stage, the
// enable rules, the level positions, the label defaults, apply and cancel,
// the size change with its memory check, its directions and a resize that
// fails, the history after closing, the background list with dialog 136 and
// the BGM preview.
#include <gtest/gtest.h>

#include "app/fatal.h"
#include "app/game_palette.h"
#include "app/log.h"
#include "data/project_data.h"
#include "editor/main_wnd.h"
#include "framework/wnd_list.h"
#include "stage_editor/engine/view_rules.h"
#include "stage_editor/stage_adv_pages.h"
#include "stage_editor/stage_background_dlg.h"
#include "stage_editor/stage_basic_page.h"
#include "stage_editor/stage_edit_wnd.h"
#include "app/win32/sound.h"
#include "stage_editor/stage_setting_wnd.h"
#include "support/win32/dialog_driver.h"
#include "support/win32/main_window.h"
#include "support/win32/win_test.h"

namespace {

class StageSettings : public cEditorWindowsTest {
protected:
    void SetUp() override
    {
        cEditorWindowsTest::SetUp();
        FakeHost().m_Memory.qwAvailPhys = u64(1) << 40;
        if (!HasFatalFailure()) OpenStage("data\\stg4\\a.stg4_950");
    }
    void TearDown() override
    {
        cStageBasicPage::SetResize(nullptr);
        cEditorWindowsTest::TearDown();
    }
    // "ステージの設定" from the stage window's menu.
    void Open()
    {
        SendMessageA(StageWnd()->GetHwnd(), WM_COMMAND, kCmdStageSettings, 0);
        ASSERT_TRUE(Wnd() && Sheet());
        Pump(50);
    }
    static cStageSettingWnd* Wnd() { return static_cast<cStageSettingWnd*>(StageWnd()->m_lpSettingWnd); }
    static HWND Sheet() { return Wnd()->GetSheetHwnd(); }
    static HWND Basic() { return Wnd()->BasicPage()->GetHwnd(); }
    // The page made current (the sheet makes a page when it is first shown).
    static HWND Page(int n)
    {
        SendMessageA(Sheet(), PSM_SETCURSEL, static_cast<WPARAM>(n), 0);
        Pump(20);
        return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    static void Apply()
    {
        SendMessageA(Sheet(), PSM_APPLY, 0, 0);
        Pump(20);
    }
    // OK or Cancel; the registry deletes the window when its sheet is done.
    static void Finish(int nButton)
    {
        SendMessageA(Sheet(), PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
        // The registry looks for finished sheets as messages pass, as the
        // editor's frame tick makes them.
        for (int i = 0; i < 20 && StageWnd()->m_lpSettingWnd; ++i) {
            PostMessageA(StageWnd()->GetHwnd(), WM_NULL, 0, 0);
            Pump(10);
        }
    }
    static void Click(HWND hPage, int nId)
    {
        SendMessageA(GetDlgItem(hPage, nId), BM_CLICK, 0, 0);
    }
    static void Type(HWND hPage, int nId, const char* lpText) { SetDlgItemTextA(hPage, nId, lpText); }
    static void Choose(HWND hPage, int nId, int nPos)
    {
        SendDlgItemMessageA(hPage, nId, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
        SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(hPage, nId)));
    }
    static int Sel(HWND hPage, int nId) { return static_cast<int>(SendDlgItemMessageA(hPage, nId, CB_GETCURSEL, 0, 0)); }
    static bool Checked(HWND hPage, int nId) { return IsDlgButtonChecked(hPage, nId) == BST_CHECKED; }
    static bool Enabled(HWND hPage, int nId) { return IsWindowEnabled(GetDlgItem(hPage, nId)) != 0; }
    static std::string ListRow(int nRow)
    {
        HWND hList = GetDlgItem(Basic(), 1222);
        char sz[300] = "";
        SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(sz));
        return sz;
    }
    static int ListCount() { return static_cast<int>(SendDlgItemMessageA(Basic(), 1222, LB_GETCOUNT, 0, 0)); }
};

TEST_F(StageSettings, PagesShowTheStageAndApplyWritesItBack)
{
    cStage& s = g_Stage;
    s.m_strName = "森のステージ";
    s.m_anScrollLimit[kScrollLeft] = 3;
    s.m_adwScrollLimitOn[kScrollLeft] = 1;
    s.m_dwTimeLimitOn = 1;
    s.m_dwTimeLimit = 300;
    s.m_dwScrollTypeX = 1;
    s.m_nAutoScrollX = -12;
    s.m_dGravity = 0.4;
    s.m_dwPlayerSameImmunity = 77;
    s.m_adwCaption[kCaptionReady] = 1;
    s.m_vRanking = {0, 0, 1, 0, 0};
    s.m_dwFrameRate = 60;
    s.m_nLevel = 12;
    s.m_dwShotPrecision = 3;
    s.m_Removal[kRemoveItem].m_dwTopOn = 1;
    s.m_Removal[kRemoveItem].m_dwTopMargin = 7;
    s.m_adwHitRange[kEnemyShotW] = 22;
    s.m_adwHitRange[kPlayerCharaShow] = 2;
    s.m_adwHitRange[kPlayerCharaColor] = 4;
    s.m_adwHitRange[kEnemyFlyCharaPos] = 1;
    g_EditConfig.m_adwStageSetting[0] = 1;
    Open();
    EXPECT_EQ(WindowText(Sheet()), "ステージの設定");
    HWND hBasic = Basic();
    EXPECT_EQ(DlgItemText(hBasic, 1002), "森のステージ");
    EXPECT_EQ(DlgItemText(hBasic, 11210), "20");
    EXPECT_EQ(DlgItemText(hBasic, 11211), "15");
    EXPECT_EQ(Sel(hBasic, 1286), 1);
    EXPECT_EQ(Sel(hBasic, 1287), 0);
    EXPECT_TRUE(Checked(hBasic, 1265));
    EXPECT_EQ(DlgItemText(hBasic, 11214), "3");
    EXPECT_EQ(DlgItemText(hBasic, 1429), "隠れる幅 0(bl)") << "a 20-wide stage hides nothing";
    EXPECT_EQ(Sel(hBasic, 1263), 1);
    EXPECT_EQ(DlgItemText(hBasic, 1256), "-12");
    EXPECT_EQ(DlgItemText(hBasic, 1258), "300");
    EXPECT_EQ(DlgItemText(hBasic, 11223), "0.4");
    EXPECT_EQ(DlgItemText(hBasic, 1275), "77");
    EXPECT_TRUE(Checked(hBasic, 1288));
    EXPECT_TRUE(Checked(hBasic, 1318));
    EXPECT_FALSE(Checked(hBasic, 1317));
    EXPECT_EQ(Sel(hBasic, 11222), 0);

    HWND hAdv = Page(1);
    ASSERT_TRUE(hAdv);
    EXPECT_EQ(DlgItemText(hAdv, 11222), "60");
    EXPECT_EQ(Sel(hAdv, 1271), 11);
    EXPECT_EQ(Sel(hAdv, 1279), 3);
    EXPECT_TRUE(Checked(hAdv, 1444)) << "item, top";
    EXPECT_EQ(DlgItemText(hAdv, 11233), "7");
    HWND hAdv2 = Page(2);
    ASSERT_TRUE(hAdv2);
    EXPECT_EQ(DlgItemText(hAdv2, 1288), "22");
    EXPECT_EQ(Sel(hAdv2, 1268), 2);
    EXPECT_EQ(Sel(hAdv2, 1269), 4);
    EXPECT_EQ(Sel(hAdv2, 1311), 1);

    // A change on each page, then Apply.
    Type(hBasic, 1002, "新しい名前");
    Type(hAdv, 11222, "30");
    Choose(hAdv2, 1269, 7);
    EXPECT_EQ(g_EditState.m_bStageModified, 0u);
    Apply();
    EXPECT_EQ(s.m_strName, "新しい名前");
    EXPECT_EQ(s.m_dwFrameRate, 30u);
    EXPECT_EQ(s.m_adwHitRange[kPlayerCharaColor], 7u);
    EXPECT_EQ(s.m_dwPlayerSameImmunity, 77u);
    EXPECT_EQ(g_EditState.m_bStageModified, 1u);
    Finish(PSBTN_OK);
    EXPECT_EQ(StageWnd()->m_lpSettingWnd, nullptr);
}

TEST_F(StageSettings, ClosingWithoutApplyChangesNothing)
{
    const cStage before = g_Stage;
    Open();
    Type(Basic(), 1002, "捨てる名前");
    Type(Basic(), 11210, "40");
    Click(Basic(), 1266);
    Type(Page(1), 11222, "90");
    Finish(PSBTN_CANCEL);
    EXPECT_TRUE(cEdData::IsEqual(g_Stage, before));
    EXPECT_EQ(g_Stage.m_dwWidth, 20u);
    EXPECT_EQ(g_EditState.m_bStageModified, 0u);
}

TEST_F(StageSettings, EnableRulesFollowTheirSwitches)
{
    Open();
    HWND hBasic = Basic();
    const struct {
        int nCheck;
        std::vector<int> targets;
    } kRules[] = {{1265, {11214, 1429}}, {1266, {11216, 1430}}, {1267, {11218, 1431}}, {1268, {11220, 1432}},
                  {1269, {1258, 1262}}};
    for (const auto& rule : kRules) {
        for (bool bOn : {true, false}) {
            if (Checked(hBasic, rule.nCheck) != bOn) Click(hBasic, rule.nCheck);
            for (int nTarget : rule.targets) EXPECT_EQ(Enabled(hBasic, nTarget), bOn) << rule.nCheck << " " << nTarget;
        }
    }
    for (bool bOn : {true, false}) {
        if (Checked(hBasic, 1285) != bOn) Click(hBasic, 1285);
        for (int n = 1316; n <= 1320; ++n) EXPECT_EQ(Enabled(hBasic, n), !bOn) << n;
    }
    HWND hAdv = Page(1);
    for (int n = 0; n < 20; ++n) {
        Click(hAdv, 1434 + n);
        EXPECT_EQ(Enabled(hAdv, 11223 + n), Checked(hAdv, 1434 + n)) << n;
    }
    Type(hAdv, 11223, "42");
    if (Checked(hAdv, 1434)) Click(hAdv, 1434);
    EXPECT_FALSE(Enabled(hAdv, 11223));
    EXPECT_EQ(DlgItemText(hAdv, 11223), "42") << "a greyed distance keeps its value";
    HWND hAdv2 = Page(2);
    for (auto pair : {std::pair<int, int>{1318, 1319}, {1268, 1269}, {1274, 1275}, {1278, 1279}}) {
        Choose(hAdv2, pair.first, 0);
        EXPECT_FALSE(Enabled(hAdv2, pair.second)) << pair.first;
        Choose(hAdv2, pair.first, 2);
        EXPECT_TRUE(Enabled(hAdv2, pair.second)) << pair.first;
    }
    Finish(PSBTN_CANCEL);
}

TEST_F(StageSettings, HiddenWidthsAndTheMemoryTextFollowTheEdits)
{
    g_Stage.SetSize(100, 15, 0, 0);
    g_Stage.m_anScrollLimit[kScrollLeft] = 95;
    g_Stage.m_anScrollLimit[kScrollRight] = 99;
    FakeHost().m_Memory.qwAvailPhys = u64(5) << 30;
    Open();
    HWND hBasic = Basic();
    EXPECT_EQ(DlgItemText(hBasic, 1429), "隠れる幅 80(bl)");
    EXPECT_EQ(DlgItemText(hBasic, 1430), "隠れる幅 0(bl)");
    Type(hBasic, 11214, "10");
    EXPECT_EQ(DlgItemText(hBasic, 1429), "隠れる幅 10(bl)");
    EXPECT_EQ(g_EditState.m_Undo.GetDepth(), 3) << "the depth stays; the entries went";
    Type(hBasic, 11210, "512");
    Type(hBasic, 11211, "512");
    const s64 nSnapshot = 512LL * 512 * cUndo::kSnapshotCellBytes;
    const s64 nLimit = cUndo::SnapshotSize(100, 15) + (s64(5) << 30);
    char szWant[64];
    snprintf(szWant, sizeof szWant, "%9lld KB\r\n%9lld KB\r\n", 2 * nSnapshot / 1024, nLimit / 1024);
    EXPECT_EQ(DlgItemText(hBasic, 1427), szWant);
    EXPECT_EQ(DlgItemText(hBasic, 1428), "") << "seven steps left, the depth is 3";
    Finish(PSBTN_CANCEL);
}

TEST_F(StageSettings, LevelsStoreTheirPositionsAndAStoredZeroBecomesALevel)
{
    g_Stage.m_nLevel = 0;
    Open();
    HWND hAdv = Page(1);
    EXPECT_EQ(Sel(hAdv, 1271), 0) << "a level outside the list shows its first";
    Apply();
    EXPECT_EQ(g_Stage.m_nLevel, 1);
    const struct {
        int nPos;
        s32 nLevel;
    } kLevels[] = {{9, 10}, {10, 11}, {18, 19}};
    for (const auto& l : kLevels) {
        Choose(hAdv, 1271, l.nPos);
        Apply();
        EXPECT_EQ(g_Stage.m_nLevel, l.nLevel);
    }
    Choose(hAdv, 1279, 0);
    Apply();
    EXPECT_EQ(g_Stage.m_dwShotPrecision, 0u) << "最大";

    // A shot's width above 16 is cut to 16.
    HWND hAdv2 = Page(2);
    Type(hAdv2, 1284, "20");
    Apply();
    EXPECT_EQ(g_Stage.m_adwHitRange[kPlayerShotCharaW], 16u);
    Finish(PSBTN_CANCEL);
}

TEST_F(StageSettings, LabelsShowTheirRowsDefaults)
{
    Open();
    HWND hAdv2 = Page(2);
    const struct {
        int nId;
        const char* lpText;
    } kLabels[] = {
        {12862, "歩行時：対ブロック (16,24,下)"}, {12863, "飛行時：対ブロック (16,16,中)"},
        {12860, "歩行時：対キャラ (16,24,下)"},   {12861, "飛行時：対キャラ (16,16,中)"},
        {1287, "対アイテム (16,16)"},             {1308, "対ショット (12,8)"},
        {1290, "歩行時：対ブロック (16,24,下)"},  {1326, "飛行時：対ブロック (16,16,中)"},
        {1327, "歩行時：対キャラ (12,24,下)"},    {1291, "飛行時：対キャラ (12,16,中)"},
        {1292, "対ショット (30,30)"},             {1293, "対キャラ (28,28)"},
        {1300, "対キャラ (16,16)"},               {1301, "対ショット (16,16)"},
        {1302, "対キャラ (16,16)"},               {1303, "対ショット (16,16)"},
    };
    for (const auto& l : kLabels) EXPECT_EQ(DlgItemText(hAdv2, l.nId), l.lpText) << l.nId;
    Finish(PSBTN_CANCEL);
}

TEST_F(StageSettings, SizeChangesByTheDirectionsAndTheHistoryStartsAgain)
{
    g_Stage.SetSize(32, 32, 0, 0);
    Open();
    Type(Basic(), 11210, "5");
    Type(Basic(), 11211, "10");
    Apply();
    EXPECT_EQ(g_Stage.m_dwWidth, 20u);
    EXPECT_EQ(g_Stage.m_dwHeight, 15u);
    EXPECT_EQ(DlgItemText(Basic(), 11210), "20");

    g_Stage.m_vBlockGrid[g_Stage.CellOf(0, 0)].m_wGraphic = 9;
    Choose(Basic(), 1286, 1);
    Type(Basic(), 11210, "30");
    Apply();
    EXPECT_EQ(g_Stage.m_dwWidth, 30u);
    EXPECT_EQ(g_Stage.m_vBlockGrid[g_Stage.CellOf(10, 0)].m_wGraphic, 9) << "new columns on the left";
    EXPECT_EQ(g_EditConfig.m_adwStageSetting[0], 1u);
    Finish(PSBTN_OK);
    EXPECT_EQ(g_EditState.m_Undo.GetDepth(), 3);
    EXPECT_EQ(g_EditState.m_Undo.GetUndoCount(), 0);
    EXPECT_TRUE(IsWindowVisible(StageWnd()->GetHwnd()));
    EXPECT_TRUE(IsWindowEnabled(StageWnd()->GetHwnd()));
}

TEST_F(StageSettings, GrowingWithoutMemoryOrAFailedResizeKeepsEverything)
{
    FakeHost().m_Memory.qwAvailPhys = 1000;
    Open();
    Type(Basic(), 11210, "40");
    Apply();
    ASSERT_FALSE(FakeHost().m_Messages.empty());
    EXPECT_EQ(FakeHost().m_Messages.back().strText, "メモリ不足により、サイズの変更に失敗しました！");
    EXPECT_EQ(g_Stage.m_dwWidth, 20u);
    EXPECT_EQ(DlgItemText(Basic(), 11210), "20");

    // Shrinking never asks for memory.
    FakeHost().m_Messages.clear();
    FakeHost().m_Memory.qwAvailPhys = 0;
    g_Stage.SetSize(40, 30, 0, 0);
    Type(Basic(), 11210, "25");
    Type(Basic(), 11211, "20");
    Apply();
    EXPECT_TRUE(FakeHost().m_Messages.empty());
    EXPECT_EQ(g_Stage.m_dwWidth, 25u);

    FakeHost().m_Memory.qwAvailPhys = u64(1) << 40;
    g_Stage.m_vItemGrid[g_Stage.CellOf(3, 3)].m_wGraphic = 4;
    g_EditState.m_bCommonModified = 1;
    cStageBasicPage::SetResize([](cStage&, u32, u32, u32, u32) { return false; });
    Type(Basic(), 11210, "60");
    Apply();
    EXPECT_EQ(FakeHost().m_Messages.back().strText, "サイズの変更に失敗しました！");
    EXPECT_FALSE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 0);
    EXPECT_EQ(g_Stage.m_dwWidth, 25u);
    EXPECT_EQ(g_Stage.m_vItemGrid[g_Stage.CellOf(3, 3)].m_wGraphic, 4);
    EXPECT_EQ(g_EditState.m_bCommonModified, 1u);
    EXPECT_TRUE(IsWindow(StageWnd()->GetHwnd()));
    Finish(PSBTN_CANCEL);
}

TEST_F(StageSettings, BackgroundListEditsThroughTheDialog)
{
    g_Stage.m_vBackground[0].m_strImage = "bmp\\back\\sky.bmp";
    g_Stage.m_vBackground[0].m_dwShowFromStart = 0;
    g_Stage.m_vBackground[0].m_dwFillColor = 0;
    Open();
    ASSERT_EQ(ListCount(), 2) << "one background and the separator";
    EXPECT_EQ(ListRow(0), "‐ bmp\\back\\sky.bmp");

    // Insert: Cancel takes the new row away again.
    {
        cModalDriver cancel("背景", [](HWND hDlg) { ClickButton(hDlg, 1001); });
        Click(Basic(), 1219);
    }
    EXPECT_EQ(ListCount(), 2);
    // Insert with a colour: its enable rules, then OK.
    {
        cStepDriver driver("背景", {[](HWND hDlg) {
                                        EXPECT_TRUE(Checked(hDlg, 1182)) << "a new layer shows from the start";
                                        EXPECT_EQ(DlgItemText(hDlg, 1251), "16");
                                        EXPECT_FALSE(Enabled(hDlg, 1251));
                                        EXPECT_TRUE(Enabled(hDlg, 1253));
                                        EXPECT_FALSE(Enabled(hDlg, 1262)) << "auto-scroll off";
                                        Click(hDlg, 1258);
                                        EXPECT_TRUE(Enabled(hDlg, 1262));
                                        Click(hDlg, 1250);
                                        EXPECT_TRUE(Enabled(hDlg, 1251));
                                        for (int n : {1253, 1254, 1256, 1259, 1258, 1261, 1262, 1264})
                                            EXPECT_FALSE(Enabled(hDlg, n)) << n;
                                        SetDlgItemTextA(hDlg, 1251, "40");
                                        return true;
                                    },
                                    [](HWND hDlg) {
                                        ClickButton(hDlg, 1000);
                                        return true;
                                    }});
        Click(Basic(), 1219);
    }
    ASSERT_EQ(ListCount(), 3);
    EXPECT_EQ(ListRow(0), "○ 色番号40");
    EXPECT_EQ(ListRow(1), "‐ bmp\\back\\sky.bmp");

    // Edit the second row through the dialog; the preview shows the colour.
    u8* lpColor = const_cast<u8*>(GamePaletteColors()[207]);
    lpColor[0] = 10, lpColor[1] = 200, lpColor[2] = 30;
    SendDlgItemMessageA(Basic(), 1222, LB_SETCURSEL, 1, 0);
    SendMessageA(Basic(), WM_COMMAND, MAKEWPARAM(1222, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(Basic(), 1222)));
    {
        cStepDriver driver("背景", {[](HWND hDlg) {
                                        Click(hDlg, 1250);
                                        SetDlgItemTextA(hDlg, 1251, "300");
                                        cStageBackgroundDlg* lpDlg = Wnd()->BasicPage()->BackgroundDlg();
                                        EXPECT_EQ(lpDlg ? lpDlg->PreviewIndex() : -1, 207) << "clamped";
                                        return true;
                                    },
                                    [](HWND hDlg) {
                                        HDC hDC = GetDC(GetDlgItem(hDlg, 1006));
                                        const COLORREF got = GetPixel(hDC, 4, 4);
                                        ReleaseDC(GetDlgItem(hDlg, 1006), hDC);
                                        const u8* lpEntry = GamePaletteColors()[207];
                                        EXPECT_EQ(got, RGB(lpEntry[2], lpEntry[1], lpEntry[0]));
                                        ClickButton(hDlg, 1000);
                                        return true;
                                    }});
        Click(Basic(), 1220);
    }
    EXPECT_EQ(ListRow(1), "‐ 色番号207");

    // Delete down to the minimum: the last layer stays, with a beep.
    const int nBeeps = FakeHost().m_nBeeps;
    Click(Basic(), 1221);
    EXPECT_EQ(ListCount(), 2);
    Click(Basic(), 1221);
    EXPECT_EQ(ListCount(), 2);
    EXPECT_EQ(FakeHost().m_nBeeps, nBeeps + 1);
    EXPECT_EQ(g_Stage.m_vBackground.size(), 1u) << "the list edits a copy until Apply";
    Apply();
    ASSERT_EQ(g_Stage.m_vBackground.size(), 1u);
    EXPECT_EQ(g_Stage.m_vBackground[0].m_dwColor, 40u);
    Finish(PSBTN_CANCEL);
}

TEST_F(StageSettings, BgmPreviewReportsAFailedLoadAndClosingStopsIt)
{
    g_Database.m_vBgm.resize(2);
    g_Database.m_vBgm[1].m_strName = "テーマ";
    g_Database.m_vBgm[1].m_strPath = "bgm\\theme.ogg";
    static cOggSlot s_aOgg[1] = {{"", 100}};
    static cMidiSlot s_aMidi[1] = {{"", 100}};
    SoundMgr().Init(1, s_aOgg, s_aMidi, 1, 0);
    FakeHost().m_Messages.clear();
    Open();
    EXPECT_EQ(SendDlgItemMessageA(Basic(), 11222, CB_GETCOUNT, 0, 0), 2);
    Choose(Basic(), 11222, 1);
    Click(Basic(), 1217);
    ASSERT_FALSE(FakeHost().m_Messages.empty());
    EXPECT_EQ(FakeHost().m_Messages.back().strText, "読み込み失敗！");
    Finish(PSBTN_CANCEL);
    EXPECT_EQ(SoundMgr().CurrentSlot(), -1);
    SoundMgr().Close();
    g_Database.m_vBgm.resize(1);
}

TEST_F(StageSettings, ScreenshotsOfThePages)
{
    if (!getenv("TARVENOL_HOLD_MS")) GTEST_SKIP() << "for the eye only";
    Open();
    for (int n = 0; n < 3; ++n) {
        Page(n);
        HoldForScreenshot(Sheet());
    }
    cStepDriver driver("背景", {[](HWND hDlg) {
                                    HoldForScreenshot(hDlg);
                                    ClickButton(hDlg, 1001);
                                    return true;
                                }});
    Page(0);
    Click(Basic(), 1220);
    Finish(PSBTN_CANCEL);
}

}  // namespace
