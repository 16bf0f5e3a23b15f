// The per-kind table of the condition dialogs, a row per condition kind
// written by hand: a new condition through the chooser and OK gives the
// kind's values; an existing one opens its dialog at once, shows its fields,
// takes the row's changes and OK stores them; Cancel and the close box
// leave it byte for byte.
#include <functional>

#include "cond_fixture.h"
#include "flow/option_names.h"
#include "flow/var_names.h"
#include "stage_editor/engine/edit_state.h"
#include "support/test_env.h"

namespace {

using tRows = std::vector<std::string>;

struct cCondRow {
    u8 nKind = 0;
    const char* lpTitle = "";
    std::function<void(const cCondItem&)> checkNew;
    std::function<void(cDlgView&)> read;
    std::function<void(cDlgView&)> change;
    std::function<void(const cCondItem&)> checkChanged;
};

class CondRows : public cCondTest {
protected:
    void Run(const cCondRow& row);
};

void CondRows::Run(const cCondRow& row)
{
    SCOPED_TRACE(testing::Message() << "kind " << int(row.nKind) << " " << row.lpTitle);
    cTestHostPage& page = Page();

    // 1. New, through the chooser.
    {
        cDlgScript script;
        script.On(kChooserTitle, [&](cDlgView& chooser) { chooser.Press(1266 + row.nKind); });
        script.On(row.lpTitle, [](cDlgView& dlg) {
            dlg.Screenshot(std::string("condition_") + dlg.Title());
            dlg.Ok();
        });
        page.PressCondInsert();
        ASSERT_TRUE(RunScript(script)) << "chooser and dialog";
    }
    ASSERT_EQ(page.m_Conds.size(), 1u);
    EXPECT_EQ(page.LastResult(), 1);
    EXPECT_EQ(page.m_Conds[0].m_nKind, row.nKind);
    if (row.checkNew) row.checkNew(page.m_Conds[0]);
    ASSERT_GE(page.ConditionRows().size(), 1u);
    EXPECT_NE(page.ConditionRows()[0].find(g_CondKindNames.At(row.nKind)), std::string::npos)
        << page.ConditionRows()[0];

    // 2. Existing: at once in its dialog; read, change, OK.
    {
        cDlgScript script;
        script.Watch(kChooserTitle);
        script.On(row.lpTitle, [&](cDlgView& dlg) {
            if (row.read) row.read(dlg);
            if (row.change) row.change(dlg);
            dlg.Ok();
        });
        page.CondDoubleClick(0);
        ASSERT_TRUE(RunScript(script));
        EXPECT_FALSE(script.Seen(kChooserTitle)) << "an existing condition never shows the chooser";
    }
    EXPECT_EQ(page.LastResult(), 1);
    EXPECT_EQ(page.m_Conds[0].m_nKind, row.nKind);
    if (row.checkChanged) row.checkChanged(page.m_Conds[0]);

    // 3. Cancel and the close box write nothing.
    const std::vector<u8> saved = SavedCondBytes(page.m_Conds[0]);
    ASSERT_FALSE(saved.empty());
    for (bool bCloseBox : {false, true}) {
        cDlgScript script;
        script.On(row.lpTitle, [&](cDlgView& dlg) {
            if (row.change) row.change(dlg);
            if (bCloseBox) dlg.CloseBox();
            else dlg.Cancel();
        });
        page.PressCondEdit();
        ASSERT_TRUE(RunScript(script));
        EXPECT_EQ(page.LastResult(), 0);
        EXPECT_EQ(Hex(SavedCondBytes(page.m_Conds[0])), Hex(saved)) << (bCloseBox ? "close box" : "Cancel");
    }
}

const tRows kSelfSubjects{"自分", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4"};

TEST_F(CondRows, CommonVariable)
{
    cCondRow row;
    row.nKind = 1;
    row.lpTitle = "コモン変数条件";
    row.checkNew = [](const cCondItem& c) { EXPECT_EQ(c.m_wLeftCharaVar, 1); };
    row.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1045), "001 所持金");
        EXPECT_EQ(dlg.Rows(1045).size(), 999u);
        EXPECT_EQ(dlg.Rows(1048), g_CompareNames.List());
        EXPECT_EQ(dlg.Text(1046), "0");
    };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(1045, 4);
        dlg.Type(1046, "-250");
        dlg.Choose(1048, 2);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_wLeftCharaVar, 5);
        EXPECT_EQ(static_cast<s32>(c.m_nValue1), -250);
        EXPECT_EQ(c.m_nCompare, 2);
    };
    Run(row);
}

TEST_F(CondRows, StageVariable)
{
    cCondRow row;
    row.nKind = 2;
    row.lpTitle = "ステージ変数条件";
    row.checkNew = [](const cCondItem& c) { EXPECT_EQ(c.m_wLeftCharaVar, 1); };
    row.read = [](cDlgView& dlg) { EXPECT_EQ(dlg.SelText(1049), "001 扉"); };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(1049, 2);
        dlg.Type(1046, "999999");
        dlg.Choose(1048, 7);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_wLeftCharaVar, 3);
        EXPECT_EQ(c.m_nValue1, 999999u);
        EXPECT_EQ(c.m_nCompare, 7);
    };
    Run(row);
}

TEST_F(CondRows, CharaVariable)
{
    cCondRow row;
    row.nKind = 3;
    row.lpTitle = "キャラ変数条件";
    row.checkNew = [](const cCondItem& c) { EXPECT_EQ(c.m_wLeftCharaVar, 1); };
    row.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1429), g_CharaVarNames.List());
        EXPECT_EQ(dlg.SelText(1429), "1 キャラ変数-1");
    };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(1429, 7);
        dlg.Type(1046, "12");
        dlg.Choose(1048, 1);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_wLeftCharaVar, 8);
        EXPECT_EQ(c.m_nValue1, 12u);
        EXPECT_EQ(c.m_nCompare, 1);
    };
    Run(row);
}

TEST_F(CondRows, Status)
{
    cCondRow row;
    row.nKind = 4;
    row.lpTitle = "ステータス条件";
    row.checkNew = [](const cCondItem& c) {
        EXPECT_EQ(c.m_wLeftCharaVar, 1);
        EXPECT_EQ(c.m_wRightCharaVar, 1);
    };
    row.read = [](cDlgView& dlg) {
        tRows subjects = kSelfSubjects;
        subjects.push_back("システム");
        EXPECT_EQ(dlg.Rows(1400), subjects);
        EXPECT_EQ(dlg.Rows(11178), subjects);
        EXPECT_EQ(dlg.SelText(1401), "キャラ変数");
        EXPECT_EQ(dlg.Rows(1402), g_CharaVarNames.List());
        EXPECT_FALSE(dlg.Enabled(1405)) << "chara variables are not renamed";
        EXPECT_FALSE(dlg.Enabled(1498));
        EXPECT_TRUE(dlg.Enabled(1403));
        EXPECT_FALSE(dlg.Enabled(1048));
        dlg.Screenshot("condition_269_read");
    };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(1401, 7);  // Y座標
        EXPECT_TRUE(dlg.Enabled(1498));
        dlg.Choose(1498, 0);
        EXPECT_FALSE(dlg.Enabled(1500)) << "relative coordinates";
        dlg.Choose(1498, 1);
        EXPECT_TRUE(dlg.Enabled(1500));
        dlg.Choose(1500, 2);
        dlg.Choose(11177, 3);  // 変数
        EXPECT_TRUE(dlg.Enabled(11179));
        EXPECT_FALSE(dlg.Enabled(1403));
        dlg.Choose(11179, 1);
        EXPECT_EQ(dlg.Rows(1051)[0], "001 扉");
        dlg.Choose(1051, 1);
        SetCheck(dlg, 1175, 1);
        dlg.Choose(1407, 3);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_nLeftSource, 0);
        EXPECT_EQ(c.m_nLeftStatus, 7);
        EXPECT_EQ(c.m_nLeftCoordKind, 1);
        EXPECT_EQ(c.m_nLeftGiantPos, 2);
        EXPECT_EQ(c.m_nRightSource, 3);
        EXPECT_EQ(c.m_nRightScope, 1);
        EXPECT_EQ(c.m_wRightCharaVar, 2);
        EXPECT_EQ(c.m_bPercent, 1);
        EXPECT_EQ(c.m_nCompare, 3);
    };
    Run(row);
}

TEST_F(CondRows, Status2)
{
    cCondRow row;
    row.nKind = 5;
    row.lpTitle = "ステータス条件2";
    row.checkNew = [](const cCondItem& c) {
        EXPECT_EQ(c.m_nLeftStatus, 1);
        EXPECT_EQ(c.m_wLeftCharaVar, 0);
    };
    row.read = [](cDlgView& dlg) {
        tRows subjects = kSelfSubjects;
        subjects.push_back("システム");
        EXPECT_EQ(dlg.Rows(11174), subjects);
        EXPECT_EQ(dlg.SelText(1173), "透明");
        EXPECT_EQ(dlg.Rows(1397), g_OffOnNames.List());
        EXPECT_EQ(dlg.SelText(1397), "OFF");
    };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(1173, 4);  // 巨大化, values from 1
        EXPECT_EQ(dlg.Rows(1397), g_GiantSizeNames.List());
        dlg.Choose(1397, 3);
        dlg.Choose(1048, 1);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_nLeftStatus, 5);
        EXPECT_EQ(c.m_wLeftCharaVar, 4);
        EXPECT_EQ(c.m_nCompare, 1);
    };
    Run(row);
}

TEST_F(CondRows, Status3)
{
    cCondRow row;
    row.nKind = 6;
    row.lpTitle = "ステータス条件3";
    row.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(11174), kSelfSubjects);
        EXPECT_EQ(dlg.Rows(1173), g_CharaCondStateNames.List());
        EXPECT_EQ(dlg.Rows(1048), (tRows{"なら", "でないなら"}));
    };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(11174, 2);
        dlg.Choose(1173, 4);
        dlg.Choose(1048, 1);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_nLeftSubject, 2);
        EXPECT_EQ(c.m_nLeftStatus, 4);
        EXPECT_EQ(c.m_nCompare, 1);
    };
    Run(row);
}

TEST_F(CondRows, Distance)
{
    g_EditState.m_nLayer = kLayerChara;
    cCondRow row;
    row.nKind = 7;
    row.lpTitle = "距離条件";
    row.checkNew = [](const cCondItem& c) {
        EXPECT_EQ(c.m_nValue1, 10u);
        EXPECT_EQ(c.m_wRightCharaVar, 0);
        EXPECT_EQ(c.m_nRightSource, 1);
        EXPECT_EQ(c.m_nRightSubject, 1);
    };
    row.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1464), g_SubjectPlayerNames.List()) << "the distance's subjects are fixed";
        EXPECT_EQ(dlg.Text(1183), "10");
        EXPECT_EQ(dlg.Text(1185), "0");
        EXPECT_EQ(dlg.Checked(1474), 1);
        EXPECT_EQ(dlg.Checked(1477), 1);
        EXPECT_EQ(dlg.SelText(1475), "表示しない");
        for (int nId : {1476, 1474, 1477}) EXPECT_FALSE(dlg.Enabled(nId)) << nId;
    };
    row.change = [](cDlgView& dlg) {
        dlg.Choose(1464, 1);
        dlg.Choose(1049, 6);
        dlg.Type(1183, "45");
        dlg.Type(1185, "-15");
        dlg.Choose(1048, 1);
        dlg.Choose(1475, 2);
        for (int nId : {1476, 1474, 1477}) EXPECT_TRUE(dlg.Enabled(nId)) << nId;
        dlg.Choose(1476, 7);
        dlg.Click(1474);
    };
    row.checkChanged = [](const cCondItem& c) {
        EXPECT_EQ(c.m_nLeftSubject, 1);
        EXPECT_EQ(c.m_bCond20, 6);
        EXPECT_EQ(c.m_nValue1, 40u) << "45 half blocks are clamped to 40";
        EXPECT_EQ(c.m_wRightCharaVar, 0xFFF1) << "-15 dots, two's complement";
        EXPECT_EQ(c.m_nCompare, 1);
        EXPECT_EQ(c.m_nLeftSource, 2);
        EXPECT_EQ(c.m_nLeftStatus, 7);
        EXPECT_EQ(c.m_nRightSource, 0);
        EXPECT_EQ(c.m_nRightSubject, 1);
    };
    Run(row);
}

}  // namespace
