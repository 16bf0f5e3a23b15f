// The condition chooser from the host page's condition list, and what the
// condition dialogs do beyond their fields: the subjects by page, 274's
// moving bases and subject groups, the renames and the refills of 269.
#include "app/file_system.h"
#include "cond_fixture.h"
#include "data/gval_info.h"
#include "data/project_data.h"
#include "flow/option_names.h"
#include "stage_editor/engine/edit_state.h"
#include "support/test_env.h"

namespace {

class Chooser : public cCondTest {};

using tRows = std::vector<std::string>;

cCondItem Cond(u8 nKind)
{
    cCondItem c;
    c.m_nKind = nKind;
    return c;
}

TEST_F(Chooser, AnInsertWhoseChooserOrDialogIsClosedIsRemoved)
{
    cTestHostPage& page = Page();
    page.m_Conds = {Cond(3)};
    page.SelectCond(0);
    for (bool bInDialog : {false, true}) {
        cDlgScript script;
        if (bInDialog) {
            script.On(kChooserTitle, [](cDlgView& chooser) { chooser.Press(1267); });
            script.On("コモン変数条件", [](cDlgView& dlg) { dlg.Cancel(); });
        } else {
            script.On(kChooserTitle, [](cDlgView& chooser) {
                chooser.Screenshot("dialog_170");
                chooser.CloseBox();
            });
        }
        page.PressCondInsert();
        ASSERT_TRUE(RunScript(script));
        EXPECT_EQ(page.LastResult(), 0);
        ASSERT_EQ(page.m_Conds.size(), 1u) << (bInDialog ? "dialog cancelled" : "close box");
        EXPECT_EQ(page.m_Conds[0].m_nKind, 3);
        EXPECT_EQ(page.ConditionRows().size(), 2u) << "a row and the list's closing row";
    }
}

TEST_F(Chooser, ADamagedKindBeepsAndChangesNothing)
{
    for (u8 nKind : {0, 8, 255}) {
        cTestHostPage& page = Page();
        cCondItem cond = Cond(nKind);
        cond.m_wLeftCharaVar = 7;
        page.m_Conds = {cond};
        const std::vector<u8> saved = SavedCondBytes(page.m_Conds[0]);
        const int nBeeps = FakeHost().m_nBeeps;
        cDlgScript script;
        script.Watch("コモン変数条件");
        page.CondDoubleClick(0);
        Pump(2000, [&] { return page.LastResult() != -1; });
        EXPECT_EQ(page.LastResult(), 0) << int(nKind);
        EXPECT_EQ(FakeHost().m_nBeeps, nBeeps + 1) << int(nKind);
        EXPECT_FALSE(script.Seen("コモン変数条件"));
        EXPECT_EQ(Hex(SavedCondBytes(page.m_Conds[0])), Hex(saved)) << int(nKind);
    }
}

TEST_F(Chooser, TheDistanceButtonByHostPageAndLayer)
{
    struct cCase {
        cTestHostPage::eCondPage ePage;
        s32 nLayer;
        bool bOffered;
    };
    const cCase cases[] = {
        {cTestHostPage::eCondPage::CharaFlow, kLayerBlock, true},
        {cTestHostPage::eCondPage::CharaFlow, kLayerItem, true},
        {cTestHostPage::eCondPage::Block, kLayerBlock, false},
        {cTestHostPage::eCondPage::Block, kLayerItem, false},
        {cTestHostPage::eCondPage::Block, kLayerChara, true},
    };
    for (const cCase& c : cases) {
        g_EditState.m_nLayer = c.nLayer;
        cTestHostPage& page = Page(c.ePage);
        cDlgScript script;
        script.On(kChooserTitle, [&](cDlgView& chooser) {
            EXPECT_EQ(chooser.Enabled(1273), c.bOffered) << "layer " << c.nLayer;
            EXPECT_EQ(chooser.Text(1273), "距離条件");
            EXPECT_EQ(chooser.Text(1267), "コモン変数条件");
            EXPECT_TRUE(chooser.Enabled(1272));
            chooser.CloseBox();
        });
        page.PressCondInsert();
        ASSERT_TRUE(RunScript(script));
        EXPECT_TRUE(page.m_Conds.empty());
    }
}

TEST_F(Chooser, TheBlockPageNamesTheHero)
{
    cTestHostPage& page = Page(cTestHostPage::eCondPage::Block);
    page.m_Conds = {Cond(4), Cond(6)};
    cDlgScript script;
    script.On("ステータス条件", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1400), g_SubjectPlayerSystemNames.List());
        dlg.Cancel();
    });
    page.CondDoubleClick(0);
    ASSERT_TRUE(RunScript(script));
    cDlgScript script3;
    script3.On("ステータス条件3", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(11174), g_SubjectPlayerNames.List());
        dlg.Cancel();
    });
    page.CondDoubleClick(1);
    ASSERT_TRUE(RunScript(script3));
}

TEST_F(Chooser, Status2BaseMovedThenCancelledAndTheSubjectGroups)
{
    cTestHostPage& page = Page();
    cCondItem cond = Cond(5);
    cond.m_nLeftStatus = 1;  // 透明
    cond.m_wLeftCharaVar = 0;  // OFF
    page.m_Conds = {cond};
    const std::vector<u8> saved = SavedCondBytes(page.m_Conds[0]);
    cDlgScript script;
    script.On("ステータス条件2", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1397), "OFF");
        dlg.Choose(1173, 4);  // 巨大化: values from 1
        EXPECT_EQ(dlg.Rows(1397), g_GiantSizeNames.List());
        EXPECT_EQ(dlg.Sel(1397), 0) << "the shown value is raised to the base";
        dlg.Cancel();
    });
    page.CondDoubleClick(0);
    ASSERT_TRUE(RunScript(script));
    EXPECT_EQ(Hex(SavedCondBytes(page.m_Conds[0])), Hex(saved)) << "the base moved only in the dialog";

    // A subject of the other group selects its first state; one of the same
    // group keeps the state.
    cDlgScript groups;
    groups.On("ステータス条件2", [](cDlgView& dlg) {
        dlg.Choose(1173, 2);  // 飛行
        dlg.Choose(11174, 3);
        EXPECT_EQ(dlg.SelText(1173), "飛行");
        dlg.Choose(11174, 5);
        EXPECT_EQ(dlg.Rows(1173), (tRows{"横スクロール", "縦スクロール"}));
        EXPECT_EQ(dlg.SelText(1173), "横スクロール");
        EXPECT_EQ(dlg.Rows(1397), g_ScrollModeNames.List());
        EXPECT_EQ(dlg.Sel(1397), 0);
        dlg.Choose(1173, 1);
        dlg.Choose(11174, 1);
        EXPECT_EQ(dlg.SelText(1173), "透明");
        EXPECT_EQ(dlg.Rows(1397), g_OffOnNames.List());
        dlg.Choose(11174, 5);
        dlg.Choose(1173, 1);
        dlg.Choose(1397, 1);
        dlg.Ok();
    });
    page.CondDoubleClick(0);
    ASSERT_TRUE(RunScript(groups));
    EXPECT_EQ(page.m_Conds[0].m_nLeftSubject, 5);
    EXPECT_EQ(page.m_Conds[0].m_nLeftStatus, 1);
    EXPECT_EQ(page.m_Conds[0].m_wLeftCharaVar, 1);
}

TEST_F(Chooser, TheCommonRenameSavesAtOnceTheStageAndStatusRenamesDoNot)
{
    cTestHostPage& page = Page();
    cCondItem status = Cond(4);
    status.m_nLeftSource = 1;  // 変数
    status.m_nLeftScope = 0;
    status.m_wLeftCharaVar = 2;
    status.m_nRightSource = 3;
    status.m_nRightScope = 1;
    status.m_wRightCharaVar = 3;
    page.m_Conds = {Cond(2), status, Cond(1)};
    page.m_Conds[0].m_wLeftCharaVar = 1;
    page.m_Conds[2].m_wLeftCharaVar = 5;

    cDlgScript stage;
    stage.On("ステージ変数条件", [](cDlgView& dlg) { dlg.Press(1050); });
    stage.InputText("変数名の入力", "門");
    stage.On("ステージ変数条件", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1049), "001 門");
        dlg.Cancel();
    });
    page.CondDoubleClick(0);
    ASSERT_TRUE(RunScript(stage));
    EXPECT_EQ(g_Stage.m_vRecord[1].m_strName, "門");

    cDlgScript both;
    both.On("ステータス条件", [](cDlgView& dlg) { dlg.Press(1405); });
    both.InputText("変数名の入力", "体力");
    both.On("ステータス条件", [](cDlgView& dlg) { dlg.Press(1052); });
    both.InputText("変数名の入力", "宝箱");
    both.On("ステータス条件", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1402), "002 体力");
        EXPECT_EQ(dlg.SelText(1051), "003 宝箱");
        dlg.Cancel();
    });
    page.CondDoubleClick(1);
    ASSERT_TRUE(RunScript(both));
    EXPECT_EQ(g_GValInfo[2].m_strName, "体力");
    EXPECT_EQ(g_Stage.m_vRecord[3].m_strName, "宝箱");
    EXPECT_FALSE(FileSystem().Exists("data\\GValInfo.dat")) << "only the common condition saves at once";

    cDlgScript common;
    common.On("コモン変数条件", [](cDlgView& dlg) { dlg.Press(1050); });
    common.InputText("変数名の入力", "合言葉");
    common.On("コモン変数条件", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1045), "005 合言葉");
        dlg.Cancel();
    });
    page.CondDoubleClick(2);
    ASSERT_TRUE(RunScript(common));
    EXPECT_EQ(page.LastResult(), 0);
    ASSERT_TRUE(SaveGValInfo(g_GValInfo, "expected.dat"));
    EXPECT_EQ(g_GValInfo[5].m_strName, "合言葉");
    EXPECT_EQ(Hex(ReadFileBytes("data\\GValInfo.dat")), Hex(ReadFileBytes("expected.dat")))
        << "saved as the writer saves it, though the dialog was cancelled";
}

TEST_F(Chooser, TypingIntoAValueOfTheStatusConditionRefillsNoCombo)
{
    cTestHostPage& page = Page();
    cCondItem cond = Cond(4);
    cond.m_nRightSource = 1;  // 乱数
    page.m_Conds = {cond};
    cDlgScript script;
    script.On("ステータス条件", [](cDlgView& dlg) {
        const u32 nBefore = DialogOf(dlg)->RefillCount();
        dlg.Type(1048, "-123");
        dlg.Type(1054, "456");
        dlg.Type(1403, "7");
        EXPECT_EQ(DialogOf(dlg)->RefillCount(), nBefore) << "a typed value changes no item source";
        dlg.Choose(11176, 1);
        dlg.Choose(11175, 1);
        EXPECT_GT(DialogOf(dlg)->RefillCount(), nBefore) << "a new variable kind does";
        dlg.Ok();
    });
    page.CondDoubleClick(0);
    ASSERT_TRUE(RunScript(script));
    EXPECT_EQ(static_cast<s32>(page.m_Conds[0].m_nValue2), -123);
    EXPECT_EQ(page.m_Conds[0].m_nValue3, 456u);
    EXPECT_EQ(page.m_Conds[0].m_nLeftSource, 1);
    EXPECT_EQ(page.m_Conds[0].m_nLeftScope, 1);
}

}  // namespace
