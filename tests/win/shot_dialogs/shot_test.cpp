// What the shot, sword and summon dialogs do beyond their bindings: the
// formation of a stored shot, the graphic preview and the picker, the
// palettes of a common palette entry, the block summon's erase mode, the
// palette switch, commands without their shot record, and value edits that
// rebuild no list.
#include "flow/ed_move.h"
#include "flow/ed_shot.h"
#include "framework/bitmap_slots.h"
#include "shot_fixture.h"
#include "support/win32/kind_rows.h"

namespace {

using tRows = std::vector<std::string>;

class ShotDialogs : public cShotTest {
protected:
    cEdShot& ShotOf(u32 nKind, u32 nEntryEditMode = 0)
    {
        PageWith(0, nKind, nEntryEditMode);
        Cmd().m_pShot = std::make_shared<cEdShot>();
        return *Cmd().m_pShot;
    }
};

// The colour in the middle of a picture control.
COLORREF MiddleOf(const cDlgView& view, int nId)
{
    HWND hPicture = view.Item(nId);
    RECT rc{};
    GetClientRect(hPicture, &rc);
    HDC hDC = GetDC(hPicture);
    const COLORREF colour = GetPixel(hDC, rc.right / 2, rc.bottom / 2);
    ReleaseDC(hPicture, hDC);
    return colour;
}

TEST_F(ShotDialogs, AStoredFormationKeepsItsValuesAndThePreviewFollowsTheGraphic)
{
    cEdShot& shot = ShotOf(11);
    shot.m_nPattern = 3;
    shot.m_wPatternValue[0] = 4;
    shot.m_wPatternValue[1] = 7;
    shot.m_wPatternValue[2] = 9;
    shot.m_wGraphic = 30;
    // The composed shot sheet that the picker shows.
    g_aBitmap[kSlotShotSheet].Create(256, 480, 32, 0);
    g_aBitmap[kSlotShotSheet].Fill(RGB(0, 200, 0));
    cDlgScript script;
    script.On("ショット", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1041), "4");
        EXPECT_EQ(dlg.Text(1042), "7");
        EXPECT_EQ(dlg.Text(1043), "9");
        EXPECT_EQ(dlg.Text(1153), "列の間隔(hbl)");
        EXPECT_EQ(MiddleOf(dlg, 1070), ShotCellColour(1, 0)) << "graphic 30: the cell at x 32, y 0";
        dlg.Type(1036, "1");
        EXPECT_EQ(MiddleOf(dlg, 1070), ShotCellColour(0, 1)) << "graphic 1: the cell at x 0, y 16";
        dlg.Type(1036, "120");
        EXPECT_EQ(MiddleOf(dlg, 1070), RGB(0, 0, 0)) << "graphic 120 lies beyond the sheet";
        dlg.Press(1446);
    });
    script.On("グラフィック", [](cDlgView& picker) {
        EXPECT_EQ(MiddleOf(picker, 1006), RGB(0, 200, 0)) << "the shot sheet";
        PostMessageA(picker.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(32 + 5, 64 + 5));
    });
    script.On("ショット", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1036), "17") << "the picked cell";
        EXPECT_EQ(MiddleOf(dlg, 1070), ShotCellColour(0, 17));
        dlg.Ok();
    });
    Edit(script);
    ASSERT_TRUE(Cmd().m_pShot);
    EXPECT_EQ(Cmd().m_pShot->m_wGraphic, 17);
    EXPECT_EQ(Cmd().m_pShot->m_wPatternValue[0], 4);
    EXPECT_EQ(Cmd().m_pShot->m_wPatternValue[1], 7);
    EXPECT_EQ(Cmd().m_pShot->m_wPatternValue[2], 9);
    g_aBitmap[kSlotShotSheet].Release();
}

TEST_F(ShotDialogs, TypingIntoValueEditsRefillsNoCombo)
{
    const struct {
        u32 nKind;
        const char* lpTitle;
        std::vector<int> edits;
    } dialogs[] = {
        {11, "ショット", {1113, 1115, 1036, 1041, 1069, 1130, 1118, 1126, 1065, 1067, 1394, 1124, 1261}},
        {22, "ステータスの操作", {1403, 1048, 1054}},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.lpTitle);
        PageWith(0, d.nKind);
        Cmd().m_Params.assign(22, 0);
        Cmd().m_Params[6] = 1;  // a random operand: its edits are enabled
        cDlgScript script;
        script.On(d.lpTitle, [&](cDlgView& dlg) {
            const cBoundDlg* lpDlg = DialogOf(dlg);
            ASSERT_TRUE(lpDlg);
            const u32 nRefills = lpDlg->RefillCount();
            for (int nId : d.edits) dlg.Type(nId, "12");
            EXPECT_EQ(lpDlg->RefillCount(), nRefills);
            dlg.Cancel();
        });
        Edit(script);
    }
}

TEST_F(ShotDialogs, ACommonPaletteEntryOffersNoStagePalette)
{
    cEdShot& shot = ShotOf(11, 2);
    shot.m_nDropSource = 2;
    shot.m_wDropItem = 3;
    const std::vector<u8> saved = SavedCommandBytes(Cmd());
    cDlgScript script;
    script.On("ショット", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1270), (tRows{"なし", "コモンパレット"}));
        EXPECT_EQ(dlg.SelText(1270), "なし") << "a stage source it can't offer";
        EXPECT_FALSE(dlg.Enabled(12640));
        dlg.Choose(1270, 1);
        EXPECT_EQ(dlg.Rows(12640), (tRows{"001 コイン", "002 薬草", "003 鍵"}));
        dlg.Cancel();
    });
    Edit(script);
    EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved));

    for (u32 nKind : {12u, 13u, 14u, 15u}) {
        SCOPED_TRACE(nKind);
        cEdShot& summon = ShotOf(nKind, 2);
        summon.m_nSummonSource = 1;
        summon.m_wSummonIndex = 1;
        cDlgScript each;
        each.On(nKind == 12 ? "ソード" : nKind == 13 ? "ブロック召喚" : nKind == 14 ? "キャラ召喚" : "アイテム召喚",
                [nKind](cDlgView& dlg) {
                    if (nKind == 12) {
                        EXPECT_EQ(dlg.Rows(1270), (tRows{"なし", "コモンパレット"}));
                    } else {
                        EXPECT_EQ(dlg.Rows(1379), (tRows{"コモンパレット"}));
                        EXPECT_EQ(dlg.SelText(1379), "コモンパレット");
                        EXPECT_EQ(dlg.SelText(1385).substr(0, 4), "001 ");
                    }
                    dlg.Ok();
                });
        Edit(each);
        ASSERT_TRUE(Cmd().m_pShot);
        if (nKind != 12) {
            EXPECT_EQ(Cmd().m_pShot->m_nSummonSource, 0);
        }
    }
}

TEST_F(ShotDialogs, ErasingBlocksKeepsTheirValuesAndAPaletteSwitchKeepsTheEntryNumber)
{
    cEdShot& shot = ShotOf(13);
    shot.m_wSummonIndex = 2;
    shot.m_bFailOnPlayer = 1;
    shot.m_bFailOnEnemy = 0;
    cDlgScript script;
    script.On("ブロック召喚", [](cDlgView& dlg) {
        dlg.Choose(1129, 1);
        for (int nId : {1379, 1385, 1054, 1057}) EXPECT_FALSE(dlg.Enabled(nId)) << nId;
        EXPECT_EQ(dlg.SelText(1385), "002 氷");
        EXPECT_EQ(dlg.Checked(1054), 1);
        dlg.Ok();
    });
    Edit(script);
    ASSERT_TRUE(Cmd().m_pShot);
    EXPECT_EQ(Cmd().m_pShot->m_nBlockMode, 1);
    EXPECT_EQ(Cmd().m_pShot->m_nSummonSource, 0);
    EXPECT_EQ(Cmd().m_pShot->m_wSummonIndex, 2);
    EXPECT_EQ(Cmd().m_pShot->m_bFailOnPlayer, 1);
    EXPECT_EQ(Cmd().m_pShot->m_bFailOnEnemy, 0);

    cDlgScript palettes;
    palettes.On("ブロック召喚", [](cDlgView& dlg) {
        dlg.Choose(1129, 0);
        dlg.Choose(1379, 1);
        EXPECT_EQ(dlg.SelText(1385), "002 柱") << "the number stays, against the stage's blocks";
        dlg.Choose(1379, 0);
        EXPECT_EQ(dlg.SelText(1385), "002 氷");
        dlg.Choose(1379, 1);
        dlg.Ok();
    });
    Edit(palettes);
    EXPECT_EQ(Cmd().m_pShot->m_nSummonSource, 1);
    EXPECT_EQ(Cmd().m_pShot->m_wSummonIndex, 2);
}

TEST_F(ShotDialogs, ACommandWithoutItsRecordCancelsToTheSameBytesAndGetsOneOnOk)
{
    const struct {
        u32 nKind;
        const char* lpTitle;
        int nEdit;
    } kinds[] = {{11, "ショット", 1069}, {12, "ソード", 1065}, {13, "ブロック召喚", 1069},
                 {14, "キャラ召喚", 1069}, {15, "アイテム召喚", 1069}, {20, "ワープ", 1122}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.lpTitle);
        PageWith(0, k.nKind);
        const std::vector<u8> saved = SavedCommandBytes(Cmd());
        for (int nWay = 0; nWay < 3; ++nWay) {
            cDlgScript script;
            script.On(k.lpTitle, [&](cDlgView& dlg) {
                dlg.Type(k.nEdit, "5");
                if (nWay == 0) dlg.Cancel();
                else if (nWay == 1) dlg.CloseBox();
                else dlg.Ok();
            });
            Edit(script);
            if (nWay < 2) {
                EXPECT_FALSE(Cmd().m_pShot || Cmd().m_pMove) << "nothing stored";
                EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved));
            }
        }
        if (k.nKind == 20) {
            ASSERT_TRUE(Cmd().m_pMove);
            EXPECT_EQ(Cmd().m_pMove->m_wDistance, 5);
            EXPECT_EQ(Cmd().m_pMove->m_nOrigin, 2) << "the kind's new record";
        } else {
            ASSERT_TRUE(Cmd().m_pShot);
            EXPECT_EQ(k.nKind == 12 ? Cmd().m_pShot->m_nPower : Cmd().m_pShot->m_bShot1, 5u);
        }
    }
}

}  // namespace
