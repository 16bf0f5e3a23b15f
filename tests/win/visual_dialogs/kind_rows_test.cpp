// The per-kind table of the wait, move, status 2, vanish, item get, graphic,
// anime, effect, picture, screen colour and background dialogs: the
// new-command values, the changes a user makes and what OK stores, and
// Cancel and the close box writing nothing; the item-effect kinds that
// reach the same dialogs too.
#include "flow/ed_move.h"
#include "support/win32/kind_rows.h"
#include "visual_fixture.h"

namespace {

class KindRows : public cVisualTest {};

s16 Signed16(u16 w) { return static_cast<s16>(w); }

// A move command's record as a new command of the kind gets it.
void ExpectNewInertiaMove(const cCommand& cmd)
{
    ASSERT_TRUE(cmd.m_pMove);
    EXPECT_EQ(cmd.m_pMove->m_wMaxSpeed, 200);
    EXPECT_EQ(cmd.m_pMove->m_wSpeed, 10) << "the record's own default";
    EXPECT_EQ(cmd.m_pMove->m_dRate, 1.0);
}

cKindRow MoveRow(u32 nKind, const char* lpTitle)
{
    cKindRow r;
    r.nKind = nKind;
    r.lpTitle = lpTitle;
    r.nNewTime = 1;
    return r;
}

cKindRow WaitRow()
{
    cKindRow r = MoveRow(1, "ウエイト");
    r.checkNew = [](const cCommand& cmd) { EXPECT_FALSE(cmd.m_pMove); };
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1113), "1");
        dlg.Screenshot("dialog_207");
    };
    r.change = [](cDlgView& dlg) {
        CheckAs(dlg, 1117, 1);
        dlg.Type(1113, "25");
        dlg.Type(1115, "-3");
    };
    r.checkChanged = [](const cCommand& cmd) {
        EXPECT_EQ(cmd.m_bParallel, 1);
        EXPECT_EQ(cmd.m_wTime, 25);
        EXPECT_EQ(cmd.m_nCloneFactor, -3);
    };
    return r;
}

cKindRow LineMoveRow()
{
    cKindRow r = MoveRow(2, "直線移動");
    r.checkNew = ExpectNewInertiaMove;
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1127), "方向で指定");
        EXPECT_TRUE(dlg.Enabled(1128));
        EXPECT_FALSE(dlg.Enabled(1129));
        EXPECT_EQ(dlg.SelText(1126), "時間と速度を指定");
        EXPECT_FALSE(dlg.Visible(1440));
        EXPECT_FALSE(dlg.Enabled(1122));
        EXPECT_FALSE(dlg.Enabled(1139)) << "no inertia";
        EXPECT_FALSE(dlg.Enabled(1263)) << "the move's own anime";
        EXPECT_EQ(dlg.Rows(1263), (tRows{"なし（変更しない）", "01 歩行", "02 攻撃"}));
        dlg.Screenshot("dialog_208");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1127, 1);
        EXPECT_FALSE(dlg.Enabled(1128));
        EXPECT_TRUE(dlg.Enabled(1129));
        dlg.Choose(1129, 2);
        EXPECT_EQ(dlg.Checked(1144), 0) << "absolute coordinates mirror nothing";
        EXPECT_FALSE(dlg.Enabled(1144));
        dlg.Type(1135, "-16000");
        dlg.Choose(1126, 1);
        dlg.Type(1122, "10");
        dlg.Type(1113, "8");
        EXPECT_TRUE(dlg.Visible(1440));
        EXPECT_EQ(dlg.Text(1440), "距離(dot)÷時間　＝　20.0 (※分身は無視)");
        EXPECT_EQ(dlg.Text(1441), "※距離(dot)÷時間を-600～600にすること");
        CheckAs(dlg, 1143, 1);
        dlg.Type(1139, "150");
        dlg.Type(1141, "2.5");
        dlg.Choose(1264, 2);
        dlg.Choose(1263, 1);
        CheckAs(dlg, 1396, 1);
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        const cEdMove& m = *cmd.m_pMove;
        EXPECT_EQ(m.m_nMode, 1);
        EXPECT_EQ(m.m_nCoordKind, 2);
        EXPECT_EQ(m.m_bFlipX, 0);
        EXPECT_EQ(m.m_bFlipY, 0);
        EXPECT_EQ(Signed16(m.m_wTargetX), -16000);
        EXPECT_EQ(m.m_nTimingMode, 1);
        EXPECT_EQ(m.m_wDistance, 10);
        EXPECT_EQ(cmd.m_wTime, 8);
        EXPECT_EQ(m.m_bInertia, 1);
        EXPECT_EQ(m.m_wMaxSpeed, 150);
        EXPECT_DOUBLE_EQ(m.m_dRate, 2.5);
        EXPECT_EQ(m.m_nAnimeMode, 2);
        EXPECT_EQ(cmd.m_wAnime, 1);
        EXPECT_EQ(m.m_bNoMoveX, 1);
    };
    return r;
}

cKindRow GroundTurnMoveRow()
{
    cKindRow r = MoveRow(3, "地上折り返し移動");
    r.checkNew = ExpectNewInertiaMove;
    r.read = [](cDlgView& dlg) { dlg.Screenshot("dialog_259"); };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1126, 2);
        EXPECT_FALSE(dlg.Enabled(1113));
        dlg.Type(1122, "2");
        dlg.Type(1118, "160");
        EXPECT_EQ(dlg.Text(1440), "距離(dot)÷速度　＝　0.20 (※分身は無視)");
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        EXPECT_EQ(cmd.m_pMove->m_nTimingMode, 2);
        EXPECT_EQ(cmd.m_pMove->m_wDistance, 2);
        EXPECT_EQ(cmd.m_pMove->m_wSpeed, 160);
    };
    return r;
}

cKindRow CircleMoveRow()
{
    cKindRow r = MoveRow(4, "円移動");
    r.checkNew = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        const cEdMove& m = *cmd.m_pMove;
        EXPECT_EQ(m.m_nTimingMode, 1);
        EXPECT_EQ(m.m_wSpeed, 20);
        EXPECT_EQ(m.m_wDirExtra, 0);
        EXPECT_EQ(m.m_wDistance, 360);
        EXPECT_EQ(m.m_wMove29, 6);
    };
    r.read = [](cDlgView& dlg) {
        EXPECT_FALSE(dlg.Enabled(1113));
        EXPECT_TRUE(dlg.Enabled(1118));
        EXPECT_EQ(dlg.Text(1124), "360");
        dlg.Screenshot("dialog_260");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1126, 0);
        EXPECT_TRUE(dlg.Enabled(1113));
        EXPECT_FALSE(dlg.Enabled(1118));
        dlg.Choose(1264, 3);
        dlg.Type(1382, "-90");
        dlg.Type(1124, "-7200");
        dlg.Type(1386, "-20");
        dlg.Choose(1265, 2);
        EXPECT_TRUE(dlg.Enabled(1263));
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        const cEdMove& m = *cmd.m_pMove;
        EXPECT_EQ(m.m_nTimingMode, 0);
        EXPECT_EQ(m.m_nDirection, 3);
        EXPECT_EQ(Signed16(m.m_wDirExtra), -90);
        EXPECT_EQ(Signed16(m.m_wDistance), -7200);
        EXPECT_EQ(Signed16(m.m_wMove30), -20);
        EXPECT_EQ(m.m_nAnimeMode, 2);
    };
    return r;
}

cKindRow ChargeMoveRow()
{
    cKindRow r = MoveRow(5, "突撃移動");
    r.checkNew = ExpectNewInertiaMove;
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1483), "ターゲット1");
        dlg.Screenshot("dialog_261");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1483, 3);
        dlg.Type(1135, "-900");
        dlg.Type(1390, "640");
        CheckAs(dlg, 1146, 1);
        dlg.Type(1130, "45");
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        const cEdMove& m = *cmd.m_pMove;
        EXPECT_EQ(m.m_bMove35, 3);
        EXPECT_EQ(Signed16(m.m_wTargetX), -640) << "clamped to the offset's limits";
        EXPECT_EQ(Signed16(m.m_wTargetDotY), 640);
        EXPECT_EQ(m.m_bNoMoveX, 1);
        EXPECT_EQ(Signed16(m.m_wDirExtra), 45);
    };
    return r;
}

cKindRow HomingMoveRow()
{
    cKindRow r = MoveRow(6, "誘導移動");
    r.checkNew = [](const cCommand& cmd) {
        ExpectNewInertiaMove(cmd);
        ASSERT_TRUE(cmd.m_pMove);
        EXPECT_EQ(cmd.m_pMove->m_wMove29, 0);
    };
    r.read = [](cDlgView& dlg) { dlg.Screenshot("dialog_214"); };
    r.change = [](cDlgView& dlg) {
        dlg.Type(1169, "7");
        dlg.Type(1171, "10");
        CheckAs(dlg, 1147, 1);
        CheckAs(dlg, 1399, 1);
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        EXPECT_EQ(cmd.m_pMove->m_wMove29, 7);
        EXPECT_EQ(cmd.m_pMove->m_wMove30, 10);
        EXPECT_EQ(cmd.m_pMove->m_bNoJitter, 1);
        EXPECT_EQ(cmd.m_pMove->m_bKeepFacing, 1);
    };
    return r;
}

cKindRow AvoidMoveRow()
{
    cKindRow r = MoveRow(7, "画面外回避移動");
    r.checkNew = ExpectNewInertiaMove;
    r.read = [](cDlgView& dlg) { dlg.Screenshot("dialog_262"); };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1128, 12);
        CheckAs(dlg, 1399, 1);
    };
    r.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pMove);
        EXPECT_EQ(cmd.m_pMove->m_nDirection, 12);
        EXPECT_EQ(cmd.m_pMove->m_bKeepFacing, 1);
    };
    return r;
}

cKindRow MoveDisableRow()
{
    cKindRow r = MoveRow(8, "移動の無効化");
    r.checkNew = ExpectNewInertiaMove;
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1113), "1");
        dlg.Screenshot("dialog_273");
    };
    r.change = [](cDlgView& dlg) { dlg.Type(1113, "40"); };
    r.checkChanged = [](const cCommand& cmd) {
        EXPECT_EQ(cmd.m_wTime, 40);
        EXPECT_TRUE(cmd.m_pMove) << "the record made as for the off-screen avoiding move";
    };
    return r;
}

cKindRow ParamRow(u32 nKind, const char* lpTitle, std::vector<s32> newParams)
{
    cKindRow r;
    r.nKind = nKind;
    r.lpTitle = lpTitle;
    r.newParams = std::move(newParams);
    r.nNewTime = 0;
    r.nNewParallel = 1;
    return r;
}

cKindRow StateOpRow()
{
    cKindRow r = ParamRow(23, "ステータスの操作2", {0, 0, 0, 0, 0});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1173).size(), 7u);
        EXPECT_EQ(dlg.Rows(1397), (tRows{"ON"}));
        EXPECT_FALSE(dlg.Enabled(1492));
        EXPECT_FALSE(dlg.Enabled(1495));
        dlg.Screenshot("dialog_266");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1173, 3);
        EXPECT_EQ(dlg.Rows(1397).size(), 4u);
        EXPECT_TRUE(dlg.Enabled(1492) && dlg.Enabled(1493) && dlg.Enabled(1494));
        dlg.Choose(1397, 2);
        CheckAs(dlg, 1492, 1);
        CheckAs(dlg, 1493, 1);
    };
    r.changedParams = {0, 3, 2, 1, 1};
    return r;
}

cKindRow VanishRow()
{
    cKindRow r = ParamRow(24, "消滅", {0, 0, 0});
    r.read = [](cDlgView& dlg) { dlg.Screenshot("dialog_281"); };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(11175, 4);
        EXPECT_FALSE(dlg.Enabled(1391));
        EXPECT_FALSE(dlg.Enabled(1261));
        dlg.Choose(11175, 1);
        dlg.Type(1261, "7");
        dlg.Choose(1391, 1);
    };
    r.changedParams = {1, 7, 1};
    return r;
}

cKindRow ItemGetRow()
{
    cKindRow r = ParamRow(25, "アイテムの取得", {0, 1});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1408), (tRows{"コモンパレット", "ステージパレット"}));
        EXPECT_EQ(dlg.SelText(1409), "001 コイン");
        EXPECT_FALSE(dlg.Visible(1450));
        dlg.Screenshot("dialog_268");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1408, 1);
        EXPECT_EQ(dlg.Rows(1409), (tRows{"001 宝石", "002 王冠", "003 剣", "004 盾"}));
        dlg.Choose(1409, 2);
    };
    r.changedParams = {1, 3};
    return r;
}

cKindRow GraphicRow()
{
    cKindRow r = ParamRow(26, "グラフィックの変更", {1, 1, 0});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1254), "キャラ");
        EXPECT_TRUE(dlg.Enabled(1038));
        EXPECT_TRUE(dlg.Enabled(1446));
        dlg.Screenshot("dialog_232");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1254, 4);
        EXPECT_FALSE(dlg.Enabled(1446));
        dlg.Type(1036, "3");
        dlg.Type(1038, "-200");
    };
    r.changedParams = {4, 3, -200};
    return r;
}

cKindRow AnimeSetRow()
{
    cKindRow r = ParamRow(27, "基本アニメセットの変更", {0});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1223), (tRows{"001 通常", "002 強化", "003 変身"}));
        dlg.Screenshot("dialog_230");
    };
    r.change = [](cDlgView& dlg) { dlg.Choose(1223, 2); };
    r.changedParams = {2};
    return r;
}

cKindRow AnimeRunRow()
{
    cKindRow r = ParamRow(28, "アニメの実行", {1, 0});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1263), (tRows{"001 歩行", "002 攻撃"}));
        dlg.Screenshot("dialog_227");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1263, 1);
        CheckAs(dlg, 1496, 1);
    };
    r.changedParams = {2, 1};
    return r;
}

cKindRow EffectRow()
{
    cKindRow r = ParamRow(29, "エフェクトの実行", {1, 0, 0, 0, 0, 0, 100, 0, 0});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1230), (tRows{"エフェクトの消去", "001 爆発", "002 閃光"}));
        EXPECT_FALSE(dlg.Enabled(1206)) << "the screen's centre";
        dlg.Screenshot("dialog_234");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1232, 5);
        EXPECT_TRUE(dlg.Enabled(1206));
        dlg.Type(1206, "16383");
        dlg.Choose(1499, 1);
        dlg.Type(1040, "-999");
        dlg.Type(1208, "1000");
        CheckAs(dlg, 1231, 1);
    };
    r.changedParams = {1, 5, 16383, 0, -999, 0, 1000, 1, 1};
    r.checkChanged = [](const cCommand& cmd) { EXPECT_EQ(cmd.m_bParallel, 0) << "the pause stops the flow"; };
    return r;
}

cKindRow EffectRunRow(u32 nKind, const char* lpTitle, u16 wCombo, const char* lpShot)
{
    cKindRow r = ParamRow(nKind, lpTitle, {1, 0, 0});
    r.read = [=](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(wCombo).front(), "なし");
        EXPECT_EQ(dlg.Rows(1178), (tRows{"通常実行", "反転実行", "往復実行"}));
        dlg.Screenshot(lpShot);
    };
    r.change = [=](cDlgView& dlg) {
        dlg.Choose(wCombo, 2);
        dlg.Choose(1178, 2);
        CheckAs(dlg, 1168, 1);
    };
    r.changedParams = {2, 2, 1};
    return r;
}

cKindRow PictureRow()
{
    cKindRow r = ParamRow(32, "ピクチャーの表示", {1, 0, 0, 0, 0, 0, 1, 100, 0, 10, 1, 0, 0, 0, 0, 0});
    r.nNewParallel = 0;  // shown until the key: the game pauses
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1233), "進行キーが押されるまで表示");
        EXPECT_EQ(dlg.Checked(1231), 1);
        EXPECT_FALSE(dlg.Enabled(1231));
        EXPECT_FALSE(dlg.Enabled(1113));
        EXPECT_FALSE(dlg.Enabled(1461));
        dlg.Screenshot("dialog_233");
    };
    r.change = [](cDlgView& dlg) {
        dlg.Choose(1233, 2);
        EXPECT_TRUE(dlg.Enabled(1239));
        CheckAs(dlg, 1239, 1);
        EXPECT_EQ(dlg.Text(1113), "1") << "a momentary picture shows for one frame";
        EXPECT_FALSE(dlg.Enabled(1113));
        CheckAs(dlg, 1231, 0);
        CheckAs(dlg, 1460, 1);
        dlg.Type(1461, "12");
        dlg.Choose(1232, 6);
        dlg.Type(1210, "300");
    };
    r.changedParams = {1, 6, 0, 300, 0, 0, 1, 100, 2, 1, 0, 0, 1, 12, 1, 0};
    r.checkChanged = [](const cCommand& cmd) { EXPECT_EQ(cmd.m_bParallel, 1); };
    return r;
}

cKindRow ScreenColorRow()
{
    // The flash count's own new value 0 lies below its limits 1..99: its edit
    // shows it clamped, and OK stores 1 (it counts only for a flash).
    cKindRow r = ParamRow(33, "画面の色を変更", {0, 0, 0, 50, 0, 0, 0, 1});
    r.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1250), "50");
        EXPECT_FALSE(dlg.Enabled(1208));
        dlg.Screenshot("dialog_238");
    };
    r.change = [](cDlgView& dlg) {
        dlg.SetSlider(1245, 200);
        EXPECT_EQ(dlg.Text(1242), "200");
        dlg.Type(1243, "100");
        CheckAs(dlg, 1248, 1);
        EXPECT_TRUE(dlg.Enabled(1208));
        dlg.Type(1208, "5");
        dlg.Type(1113, "30");
    };
    r.changedParams = {200, 100, 0, 50, 0, 30, 1, 5};
    return r;
}

cKindRow BackgroundRow()
{
    cKindRow r = ParamRow(34, "背景の変更", {1, 0});
    r.read = [](cDlgView& dlg) { dlg.Screenshot("dialog_240"); };
    r.change = [](cDlgView& dlg) {
        dlg.Type(1259, "8");
        dlg.Choose(1261, 2);
    };
    r.changedParams = {8, 2};
    return r;
}

std::vector<cKindRow> VisualRows()
{
    return {StateOpRow(),
            VanishRow(),
            ItemGetRow(),
            GraphicRow(),
            AnimeSetRow(),
            AnimeRunRow(),
            EffectRow(),
            EffectRunRow(30, "キャラエフェクトの実行", 1264, "dialog_213"),
            EffectRunRow(31, "画面エフェクトの実行", 1235, "dialog_231"),
            PictureRow(),
            ScreenColorRow(),
            BackgroundRow()};
}

TEST_F(KindRows, WaitAndMoves)
{
    for (const cKindRow& row : {WaitRow(), LineMoveRow(), GroundTurnMoveRow(), CircleMoveRow(), ChargeMoveRow(),
                                HomingMoveRow(), AvoidMoveRow(), MoveDisableRow()})
        RunKindRow(row);
}

TEST_F(KindRows, StatusVanishItemGraphicAnimeEffectPictureColourAndBackground)
{
    for (const cKindRow& row : VisualRows()) RunKindRow(row);
}

TEST_F(KindRows, ItemEffectKindsReachTheSameDialogs)
{
    for (cKindRow row : VisualRows()) {
        row.nSet = 1;
        row.nKind -= 15;
        row.read = nullptr;
        RunKindRow(row);
    }
}

}  // namespace
