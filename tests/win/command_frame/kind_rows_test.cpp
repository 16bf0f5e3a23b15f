// The per-kind table of this frame's dialogs, in both command sets: the
// new-command values, the changes a user makes and what OK stores, and
// Cancel and the close box writing nothing.
#include "flow/ed_flow.h"
#include "frame_fixture.h"
#include "support/win32/kind_rows.h"

namespace {

class KindRows : public cFrameTest {};

// The rows of the flow kinds; the item-effect kinds 20 to 24 are the flow
// kinds 35 to 39.
std::vector<cKindRow> FrameRows()
{
    std::vector<cKindRow> rows;
    {
        cKindRow r;
        r.nKind = 9;
        r.lpTitle = "向き変更";
        r.newParams = {11};
        r.nNewTime = 1;
        r.read = [](cDlgView& dlg) {
            EXPECT_EQ(dlg.SelText(1127), "最後にブロックが当たった方の逆を向く");
            EXPECT_EQ(dlg.SelText(1263), "なし（変更しない）");
            EXPECT_EQ(dlg.Rows(1131), (std::vector<std::string>{"なし", "01 ジャンプ", "02 着地"}));
            EXPECT_EQ(dlg.Text(1113), "1");
            dlg.Screenshot("dialog_263");
        };
        r.change = [](cDlgView& dlg) {
            dlg.Choose(1127, 2);
            dlg.Choose(1263, 2);
            dlg.Choose(1131, 1);
            dlg.Click(1117);
            dlg.Type(1113, "25");
            dlg.Type(1115, "-7");
        };
        r.changedParams = {2};
        r.checkChanged = [](const cCommand& cmd) {
            EXPECT_EQ(cmd.m_wAnime, 2);
            EXPECT_EQ(cmd.m_wSound, 1);
            EXPECT_EQ(cmd.m_bParallel, 1);
            EXPECT_EQ(cmd.m_wTime, 25);
            EXPECT_EQ(cmd.m_nCloneFactor, -7);
        };
        rows.push_back(r);
    }
    {
        cKindRow r;
        r.nKind = 10;
        r.lpTitle = "ジャンプ";
        r.newParams = {0, 100, 7, 0, 4};
        r.nNewTime = 1;
        r.nNewParallel = 1;
        r.read = [](cDlgView& dlg) {
            EXPECT_FALSE(dlg.Enabled(1309));
            EXPECT_TRUE(dlg.Enabled(1305));
            dlg.Screenshot("dialog_243");
        };
        r.change = [](cDlgView& dlg) {
            dlg.Choose(1178, 2);
            EXPECT_TRUE(dlg.Enabled(1309) && dlg.Enabled(1311) && dlg.Enabled(1307));
            dlg.Type(1309, "150");
            dlg.Type(1305, "25");  // beyond 20
            dlg.Type(1311, "5");
            dlg.Type(1307, "2");
            dlg.Click(1435);
        };
        r.changedParams = {2, 150, 20, 5, 2};
        r.checkChanged = [](const cCommand& cmd) { EXPECT_EQ(cmd.m_bMuteOffScreen, 0); };
        rows.push_back(r);
    }
    {
        cKindRow r;
        r.nKind = 35;
        r.lpTitle = "効果音の再生";
        r.newParams = {1};
        r.nNewTime = 0;
        r.nNewParallel = 1;
        r.read = [](cDlgView& dlg) {
            EXPECT_EQ(dlg.Rows(1131), (std::vector<std::string>{"001 ジャンプ", "002 着地"}));
            dlg.Screenshot("dialog_228");
        };
        r.change = [](cDlgView& dlg) { dlg.Choose(1131, 1); };
        r.changedParams = {2};
        rows.push_back(r);
    }
    {
        cKindRow r;
        r.nKind = 36;
        r.lpTitle = "BGMの再生";
        r.newParams = {1, 0};
        r.nNewParallel = 1;
        r.read = [](cDlgView& dlg) {
            EXPECT_EQ(dlg.SelText(11222), "001 草原");
            dlg.Screenshot("dialog_229");
        };
        r.change = [](cDlgView& dlg) {
            dlg.Choose(11222, 0);
            dlg.Click(1168);
        };
        r.changedParams = {0, 1};
        rows.push_back(r);
    }
    {
        cKindRow r;
        r.nKind = 37;
        r.lpTitle = "コードの実行";
        r.newParams = {};
        // The new-command values of the record's own fields leave this kind's
        // time and parallel flag as they are.
        r.nNewTime = 0;
        r.nNewParallel = 0;
        r.change = [](cDlgView& dlg) { dlg.Paste(1377, "C5 = rand(0,5)"); };
        r.changedParams = {};
        r.checkChanged = [](const cCommand& cmd) { EXPECT_EQ(cmd.m_Text, "C5 = rand(0,5)"); };
        rows.push_back(r);
    }
    {
        cKindRow r;
        r.nKind = 38;
        r.lpTitle = "アレンジ";
        r.newParams = {2, 0, 0, 0, 1};
        r.nNewParallel = 1;
        r.read = [](cDlgView& dlg) {
            EXPECT_EQ(dlg.SelText(1473), "直線移動");
            EXPECT_EQ(dlg.Rows(1470), (std::vector<std::string>{"目標X", "目標X(dot)", "目標Y", "目標Y(dot)", "角度",
                                                                 "分身値による増加角度"}));
            EXPECT_EQ(dlg.SelText(1472), "001 所持金");
        };
        r.change = [](cDlgView& dlg) {
            dlg.Choose(1470, 2);
            dlg.Choose(1174, 3);
            dlg.Choose(1471, 2);
            EXPECT_EQ(dlg.Rows(1472).size(), 8u) << "the chara variables";
            dlg.Choose(1472, 7);
        };
        r.changedParams = {2, 2, 3, 2, 8};
        rows.push_back(r);
    }
    {
        cKindRow r;
        r.nKind = 39;
        r.lpTitle = "ループ";
        r.newParams = {2, 1};
        r.nNewParallel = 1;
        r.read = [](cDlgView& dlg) {
            EXPECT_EQ(dlg.Text(1261), "1") << "後続: the following commands";
            EXPECT_EQ(dlg.Text(1183), "2") << "the repeats";
            dlg.Screenshot("dialog_280");
        };
        r.change = [](cDlgView& dlg) {
            dlg.Type(1261, "500");
            dlg.Type(1183, "100");  // beyond 99
        };
        r.changedParams = {99, 500};
        rows.push_back(r);
    }
    return rows;
}

TEST_F(KindRows, FlowKinds)
{
    for (const cKindRow& row : FrameRows()) RunKindRow(row);
}

TEST_F(KindRows, ItemEffectKinds)
{
    for (cKindRow row : FrameRows()) {
        if (row.nKind < 35) continue;
        row.nSet = 1;
        row.nKind -= 15;
        RunKindRow(row);
    }
    cKindRow change;
    change.nSet = 1;
    change.nKind = 1;
    change.lpTitle = "フローの変更";
    change.newParams = {0, 0};
    change.read = [](cDlgView& dlg) {
        EXPECT_FALSE(dlg.Enabled(1096));
        EXPECT_EQ(dlg.Rows(1178), (std::vector<std::string>{"追加", "変更", "削除"}));
        EXPECT_EQ(dlg.Rows(1096).size(), 27u);
    };
    change.change = [](cDlgView& dlg) {
        dlg.Choose(1178, 2);
        dlg.Choose(1096, 3);
    };
    change.changedParams = {2, 3};
    RunKindRow(change);
}

}  // namespace
