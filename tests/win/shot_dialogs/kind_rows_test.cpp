// The per-kind table of the shot, sword, summon, message, warp, target and
// status operation dialogs: the new-command values, the changes a user
// makes and what OK stores, and Cancel and the close box writing nothing;
// the item-effect kinds that reach the same dialogs too.
#include "flow/ed_flow.h"
#include "flow/ed_move.h"
#include "flow/ed_shot.h"
#include "shot_fixture.h"
#include "support/win32/kind_rows.h"

namespace {

class KindRows : public cShotTest {};

using tRows = std::vector<std::string>;

s16 Signed16(u16 w) { return static_cast<s16>(w); }

cKindRow ShotRow()
{
    cKindRow r;
    r.nKind = 11;
    r.lpTitle = "ショット";
    r.nNewTime = 1;
    r.checkNew = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        const cEdShot& s = *cmd.m_pShot;
        EXPECT_EQ(s.m_wGraphic, 1);
        EXPECT_EQ(s.m_wShot32, 20);
        EXPECT_EQ(s.m_nPower, 1u);
        EXPECT_EQ(s.m_bPierceBlock, 1);
        EXPECT_EQ(s.m_nZ, 3);
        EXPECT_EQ(s.m_wEffect, 1);
        EXPECT_EQ(s.m_nSize, 1);
        EXPECT_EQ(cmd.m_wAnime, 1);
        EXPECT_EQ(cmd.m_wSound, 1);
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(12641), "直進A");
        EXPECT_EQ(dlg.Text(1151), "間隔(hbl)");
        EXPECT_TRUE(dlg.Enabled(1041));
        EXPECT_FALSE(dlg.Enabled(1042));
        EXPECT_EQ(dlg.Text(1036), "1");
        EXPECT_FALSE(dlg.Enabled(1483)) << "a straight shot has no target";
        EXPECT_EQ(dlg.Rows(1270), (tRows{"なし", "コモンパレット", "ステージパレット"}));
        EXPECT_FALSE(dlg.Enabled(12640));
        EXPECT_EQ(dlg.SelText(1230), "01 爆発");
        EXPECT_EQ(dlg.SelText(1266), "しない");
        dlg.Screenshot("dialog_209");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(12641, 2);
        dlg.Choose(12641, 3);
        EXPECT_EQ(dlg.Text(1041), "0");
        EXPECT_EQ(dlg.Text(1042), "1");
        dlg.Type(1042, "5");
        dlg.Choose(1266, 9);
        dlg.Type(1036, "30");
        dlg.Choose(1265, 8);
        EXPECT_EQ(dlg.Text(1155), "波の速度");
        dlg.Type(1118, "-150");
        dlg.Type(1065, "-5000");
        dlg.Type(1067, "-3");
        dlg.Type(1130, "-7200");
        dlg.Choose(1270, 2);
        EXPECT_EQ(dlg.Rows(12640), (tRows{"001 宝石", "002 王冠", "003 剣", "004 盾"}));
        dlg.Choose(12640, 0);
        SetCheck(dlg, 1177, 1);
        dlg.Type(1126, "-20");
        SetCheck(dlg, 1149, 0);
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        const cEdShot& s = *cmd.m_pShot;
        EXPECT_EQ(s.m_nPattern, 3);
        EXPECT_EQ(s.m_wPatternValue[0], 0);
        EXPECT_EQ(s.m_wPatternValue[1], 5);
        EXPECT_EQ(s.m_wPatternValue[2], 0);
        EXPECT_EQ(s.m_bAimAngle, 1) << "around the subject the angle is aimed";
        EXPECT_EQ(s.m_nSize, 10) << "×100";
        EXPECT_EQ(s.m_wGraphic, 30);
        EXPECT_EQ(s.m_nAim, 8);
        EXPECT_EQ(s.m_wAimValue[0], 4);
        EXPECT_EQ(s.m_wAimValue[1], 4);
        EXPECT_EQ(Signed16(s.m_wShot32), -150);
        EXPECT_EQ(static_cast<s32>(s.m_nPower), -5000);
        EXPECT_EQ(static_cast<s8>(s.m_nImpact), -3);
        EXPECT_EQ(Signed16(s.m_wDirExtra), -7200);
        EXPECT_EQ(s.m_nDropSource, 2);
        EXPECT_EQ(s.m_wDropItem, 1) << "the first item is stored as 1";
        EXPECT_EQ(s.m_bAccel, 1);
        EXPECT_EQ(Signed16(s.m_wAccelValue), -20);
        EXPECT_EQ(s.m_bPierceBlock, 0);
    };
    return r;
}

cKindRow SwordRow()
{
    cKindRow r;
    r.nKind = 12;
    r.lpTitle = "ソード";
    r.nNewTime = 7;  // the first sword type's 3 + 4
    r.checkNew = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        const cEdShot& s = *cmd.m_pShot;
        EXPECT_EQ(s.m_bPierceBlock, 1);
        EXPECT_EQ(s.m_bPierceChara, 1);
        EXPECT_EQ(s.m_bDieByShot, 0);
        EXPECT_EQ(s.m_nPower, 10u);
        EXPECT_EQ(s.m_nZ, 3);
        EXPECT_EQ(s.m_wEffect, 1);
        EXPECT_EQ(cmd.m_wAnime, 1);
        EXPECT_EQ(cmd.m_wSound, 1);
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1221), (tRows{"001 短剣", "002 大剣", "003 長剣"}));
        EXPECT_EQ(dlg.Text(1113), "7");
        EXPECT_FALSE(dlg.Enabled(1261)) << "the user's faction";
        dlg.Screenshot("dialog_224");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1221, 1);
        EXPECT_EQ(dlg.Text(1113), "60");
        dlg.Choose(1221, 2);
        EXPECT_EQ(dlg.Text(1113), "9999") << "5000 + 6000, capped";
        dlg.Choose(1266, 0);
        dlg.Type(1065, "250");
        SetCheck(dlg, 1148, 0);
        dlg.Type(1261, "4");
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        EXPECT_EQ(cmd.m_pShot->m_nAim, 2);
        EXPECT_EQ(cmd.m_wTime, 9999);
        EXPECT_EQ(cmd.m_pShot->m_nSize, 1) << "しない";
        EXPECT_EQ(cmd.m_pShot->m_nPower, 250u);
        EXPECT_EQ(cmd.m_pShot->m_bSameAsUser, 0);
        EXPECT_EQ(cmd.m_pShot->m_nForce, 4);
    };
    return r;
}

void ExpectNewSummon(const cCommand& cmd)
{
    ASSERT_TRUE(cmd.m_pShot);
    EXPECT_EQ(cmd.m_wTime, 1);
    EXPECT_EQ(cmd.m_wAnime, 1);
    EXPECT_EQ(cmd.m_wSound, 1);
    EXPECT_EQ(cmd.m_pShot->m_wSummonIndex, 1);
}

cKindRow BlockSummonRow()
{
    cKindRow r;
    r.nKind = 13;
    r.lpTitle = "ブロック召喚";
    r.checkNew = [](const cCommand& cmd) {
        ExpectNewSummon(cmd);
        ASSERT_TRUE(cmd.m_pShot);
        EXPECT_EQ(cmd.m_pShot->m_bFailOnPlayer, 0);
        EXPECT_EQ(cmd.m_pShot->m_bFailOnEnemy, 1);
        EXPECT_EQ(cmd.m_pShot->m_bFlipX, 1);
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1379), (tRows{"コモンパレット", "ステージパレット"}));
        EXPECT_EQ(dlg.Rows(1385), (tRows{"001 岩", "002 氷", "003 土"}));
        EXPECT_EQ(dlg.SelText(1385), "001 岩");
        EXPECT_FALSE(dlg.Enabled(1136));
        EXPECT_FALSE(dlg.Enabled(1484));
        dlg.Screenshot("dialog_258");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1129, 2);
        dlg.Choose(1379, 1);
        EXPECT_EQ(dlg.Rows(1385), (tRows{"001 扉", "002 柱"}));
        dlg.Choose(1385, 1);
        dlg.Choose(12641, 5);
        EXPECT_EQ(dlg.Text(1041), "6");
        EXPECT_TRUE(dlg.Enabled(1136) && dlg.Enabled(1484));
        SetCheck(dlg, 1054, 1);
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        const cEdShot& s = *cmd.m_pShot;
        EXPECT_EQ(s.m_nBlockMode, 2);
        EXPECT_EQ(s.m_nSummonSource, 1);
        EXPECT_EQ(s.m_wSummonIndex, 2);
        EXPECT_EQ(s.m_nPattern, 5);
        EXPECT_EQ(s.m_wPatternValue[0], 6);
        EXPECT_EQ(s.m_bFailOnPlayer, 1);
    };
    return r;
}

cKindRow CharaSummonRow()
{
    cKindRow r;
    r.nKind = 14;
    r.lpTitle = "キャラ召喚";
    r.checkNew = [](const cCommand& cmd) {
        ExpectNewSummon(cmd);
        ASSERT_TRUE(cmd.m_pShot);
        EXPECT_EQ(cmd.m_pShot->m_bZeroScore, 1);
        EXPECT_EQ(cmd.m_pShot->m_bRange, 1);
        EXPECT_EQ(cmd.m_pShot->m_wRange, 100) << "ten seconds";
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1394), "100");
        EXPECT_EQ(dlg.Checked(1393), 1);
        EXPECT_EQ(dlg.Checked(1381), 1);
        EXPECT_FALSE(dlg.Enabled(1261));
        EXPECT_FALSE(dlg.Enabled(1231));
        dlg.Screenshot("dialog_256");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1129, 2);
        EXPECT_TRUE(dlg.Enabled(1261));
        dlg.Type(1261, "5");
        dlg.Choose(1379, 1);
        EXPECT_EQ(dlg.Rows(1385), (tRows{"001 ボス"}));
        SetCheck(dlg, 1160, 1);
        EXPECT_TRUE(dlg.Enabled(1231));
        dlg.Choose(1231, 3);
        dlg.Choose(1136, 0);
        dlg.Choose(12641, 3);
        EXPECT_TRUE(dlg.Enabled(1136));
        EXPECT_TRUE(dlg.Enabled(1484));
        dlg.Choose(1136, 1);
        EXPECT_FALSE(dlg.Enabled(1484)) << "only the target has a slot";
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        const cEdShot& s = *cmd.m_pShot;
        EXPECT_EQ(s.m_nForceMode, 2);
        EXPECT_EQ(s.m_nForce, 5);
        EXPECT_EQ(s.m_nSummonSource, 1);
        EXPECT_EQ(s.m_wSummonIndex, 1);
        EXPECT_EQ(s.m_bAttack, 1);
        EXPECT_EQ(s.m_nFlowGroup, 3);
        EXPECT_EQ(s.m_nAimSubject, 1);
    };
    return r;
}

cKindRow ItemSummonRow()
{
    cKindRow r;
    r.nKind = 15;
    r.lpTitle = "アイテム召喚";
    r.checkNew = [](const cCommand& cmd) {
        ExpectNewSummon(cmd);
        ASSERT_TRUE(cmd.m_pShot);
        EXPECT_EQ(cmd.m_pShot->m_bZeroScore, 1);
        EXPECT_EQ(cmd.m_pShot->m_bFlipX, 1);
        EXPECT_EQ(cmd.m_pShot->m_bRange, 1);
        EXPECT_EQ(cmd.m_pShot->m_wRange, 100);
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1385), "001 コイン");
        dlg.Screenshot("dialog_257");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Type(1394, "250");
        dlg.Choose(1379, 1);
        EXPECT_EQ(dlg.Rows(1385).size(), 4u);
        dlg.Choose(1385, 3);
        SetCheck(dlg, 1393, 0);
        EXPECT_FALSE(dlg.Enabled(1394));
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pShot);
        EXPECT_EQ(cmd.m_pShot->m_wRange, 250);
        EXPECT_EQ(cmd.m_pShot->m_bRange, 0);
        EXPECT_EQ(cmd.m_pShot->m_nSummonSource, 1);
        EXPECT_EQ(cmd.m_pShot->m_wSummonIndex, 4);
    };
    return r;
}

cKindRow MessageRow()
{
    cKindRow r;
    r.nKind = 19;
    r.lpTitle = "メッセージ";
    r.newParams = {0, 0, 0, 0, 0, 1, 0, 30, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0};
    r.nNewTime = 0;
    r.nNewParallel = 0;  // the game pauses
    r.read = [](cDlgView& dlg) {
        EXPECT_FALSE(dlg.Enabled(1206));
        EXPECT_FALSE(dlg.Enabled(1113));
        EXPECT_EQ(dlg.Checked(1231), 1);
        EXPECT_FALSE(dlg.Enabled(1236));
        EXPECT_EQ(dlg.SelText(1046), "001 所持金");
        EXPECT_EQ(dlg.SelText(1050), "001 扉");
        dlg.Screenshot("dialog_239");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Paste(1002, "こんにちは\r\n#C1.枚");
        dlg.Choose(1233, 2);
        EXPECT_TRUE(dlg.Enabled(1113));
        dlg.Type(1113, "50");
        SetCheck(dlg, 1231, 0);
        dlg.Choose(1232, 8);
        EXPECT_TRUE(dlg.Enabled(1206));
        dlg.Type(1206, "100");
        dlg.Choose(1499, 1);
        SetCheck(dlg, 1457, 1);
        dlg.Type(1458, "12");
    };
    r.changedParams = {8, 100, 0, 0, 0, 1, 2, 50, 0, 0, 0, 0, 1, 12, 1, 0, 1, 0, 1};
    r.checkChanged = [](const cCommand& cmd) {
        EXPECT_EQ(cmd.m_Text, "こんにちは\r\n#C1.枚");
        EXPECT_EQ(cmd.m_bParallel, 1) << "no pause: in parallel";
    };
    return r;
}

cKindRow WarpRow()
{
    cKindRow r;
    r.nKind = 20;
    r.lpTitle = "ワープ";
    r.nNewTime = 0;
    r.nNewParallel = 1;
    r.checkNew = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        EXPECT_EQ(cmd.m_pMove->m_wDistance, 2);
        EXPECT_EQ(cmd.m_pMove->m_bFlipX, 0);
        EXPECT_EQ(cmd.m_pMove->m_nOrigin, 2);
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_TRUE(dlg.Enabled(1128));
        EXPECT_FALSE(dlg.Enabled(1397));
        EXPECT_EQ(dlg.Text(1122), "2");
        dlg.Screenshot("dialog_264");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1127, 5);
        EXPECT_FALSE(dlg.Enabled(1128));
        EXPECT_TRUE(dlg.Enabled(1135));
        dlg.Type(1135, "-300");
        SetCheck(dlg, 1145, 1);
        dlg.Choose(1129, 2);
        EXPECT_TRUE(dlg.Enabled(1130)) << "screen coordinates place a giant chara";
        EXPECT_FALSE(dlg.Enabled(1145));
        EXPECT_EQ(dlg.Checked(1145), 0);
        dlg.Type(1390, "-640");
        dlg.Choose(1130, 1);
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        const cEdMove& m = *cmd.m_pMove;
        EXPECT_EQ(m.m_nMode, 5);
        EXPECT_EQ(Signed16(m.m_wTargetX), -300);
        EXPECT_EQ(m.m_nCoordKind, 2);
        EXPECT_EQ(m.m_nOrigin, 1);
        EXPECT_EQ(Signed16(m.m_wTargetDotY), -640);
        EXPECT_EQ(m.m_bFlipY, 0);
    };
    return r;
}

cKindRow TargetRow()
{
    cKindRow r;
    r.nKind = 21;
    r.lpTitle = "ターゲットの設定";
    r.newParams = {0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0};
    r.nNewTime = 0;
    r.nNewParallel = 1;
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1429), "1 キャラ変数-1");
        EXPECT_FALSE(dlg.Enabled(1261));
        EXPECT_EQ(dlg.SelText(1390), "主人公");
        dlg.Screenshot("dialog_265");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1483, 2);
        dlg.Choose(1390, 2);
        EXPECT_TRUE(dlg.Enabled(1391));
        SetCheck(dlg, 1397, 0);
        EXPECT_TRUE(dlg.Enabled(1261));
        SetCheck(dlg, 1397, 1);
        EXPECT_FALSE(dlg.Enabled(1261));
        SetCheck(dlg, 1398, 1);
        dlg.Choose(1429, 7);
        dlg.Type(1477, "-999999");
        dlg.Choose(1479, 6);
        dlg.Choose(1399, 1);
    };
    r.changedParams = {2, 2, 0, 1, 0, 1, 0, 1, 0, 0, 0, 1, 8, -999999, 6, 1};
    return r;
}

cKindRow StatusOpRow()
{
    cKindRow r;
    r.nKind = 22;
    r.lpTitle = "ステータスの操作";
    r.newParams = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0};
    r.nNewTime = 0;
    r.nNewParallel = 1;
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1401).size(), 17u);
        EXPECT_EQ(dlg.SelText(1402), "1 キャラ変数-1");
        EXPECT_FALSE(dlg.Enabled(1405));
        dlg.Screenshot("dialog_215");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1401, 1);
        EXPECT_FALSE(dlg.Enabled(1175));
        EXPECT_TRUE(dlg.Enabled(11180));
        dlg.Choose(11180, 1);
        dlg.Choose(1174, 1);
        dlg.Type(1403, "-500");
        dlg.Choose(11177, 3);
        EXPECT_TRUE(dlg.Enabled(11179));
        dlg.Choose(11179, 1);
        EXPECT_EQ(dlg.SelText(1051), "001 扉");
    };
    r.changedParams = {0, 0, 1, 0, 1, 1, 3, -500, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 0, 0, 2, 0};
    return r;
}

std::vector<cKindRow> SentenceRows() { return {MessageRow(), WarpRow(), TargetRow(), StatusOpRow()}; }

TEST_F(KindRows, ShotSwordAndSummons)
{
    for (const cKindRow& row : {ShotRow(), SwordRow(), BlockSummonRow(), CharaSummonRow(), ItemSummonRow()})
        RunKindRow(row);
}

TEST_F(KindRows, MessageWarpTargetAndStatusOperation)
{
    for (const cKindRow& row : SentenceRows()) RunKindRow(row);
}

TEST_F(KindRows, ItemEffectKindsReachTheSameDialogs)
{
    for (cKindRow row : SentenceRows()) {
        row.nSet = 1;
        row.nKind -= 15;
        row.read = nullptr;
        RunKindRow(row);
    }
}

}  // namespace
