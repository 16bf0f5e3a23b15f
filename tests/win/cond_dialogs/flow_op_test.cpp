// The flow operation, stage clear and game wait dialogs: the per-kind table
// of their command kinds (and the item-effect kinds that reach them), the
// flow operation's condition list, and the stage clear's file browse.
#include "app/file_system.h"
#include "app/list_sel.h"
#include "cond_fixture.h"
#include "flow/cond_row_text.h"
#include "flow/ed_flow.h"
#include "support/test_env.h"
#include "support/win32/kind_rows.h"

namespace {

class FlowOp : public cCondTest {
protected:
    // A page holding one flow operation with the conditions.
    cTestHostPage& PageWith(const cCondItems& conds, u8 nMode = 1)
    {
        cTestHostPage& page = Page();
        page.m_Commands.resize(1);
        cCommand& cmd = page.m_Commands[0];
        cmd.m_nKind = 16;
        cmd.m_Params = {0, 0, 0, 0};
        CreateCondList(cmd.m_pCondList);
        cmd.m_pCondList->m_nMode = nMode;
        cmd.m_pCondList->m_Items = conds;
        return page;
    }
    cCondItems& Conds() { return m_lpPage->m_Commands[0].m_pCondList->m_Items; }
};

const char* const kFlowOpTitle = "フローの操作";

cCondItem Cond(u8 nKind, u16 wVar = 1)
{
    cCondItem c;
    c.m_nKind = nKind;
    c.m_wLeftCharaVar = wVar;
    return c;
}

std::string RowText(const cCondItem& cond)
{
    std::string str;
    ConditionRowText(str, 0, cond);
    return str;
}

// Posts a command the way the list's keys and its popup menu send it, with
// the list focused.
void ListCommand(cDlgView& dlg, u16 wId)
{
    SetFocus(dlg.Item(1044));
    SendMessageA(dlg.Hwnd(), WM_COMMAND, wId, 0);
}

// The condition rows of the list, without its closing separator row.
std::vector<std::string> ListRows(const cDlgView& dlg)
{
    std::vector<std::string> rows;
    const int nCount = static_cast<int>(SendMessageA(dlg.Item(1044), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char buf[1024] = "";
        SendMessageA(dlg.Item(1044), LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
        rows.push_back(buf);
    }
    if (!rows.empty() && rows.back() == ListSeparatorText()) rows.pop_back();
    return rows;
}

void Select(cDlgView& dlg, int nRow)
{
    SendMessageA(dlg.Item(1044), LB_SETCURSEL, nRow, 0);
    SendMessageA(dlg.Hwnd(), WM_COMMAND, MAKEWPARAM(1044, LBN_SELCHANGE), reinterpret_cast<LPARAM>(dlg.Item(1044)));
}

TEST_F(FlowOp, KindRowsOfTheFlowOperationStageClearAndGameWait)
{
    cKindRow flowOp;
    flowOp.nKind = 16;
    flowOp.lpTitle = kFlowOpTitle;
    flowOp.newParams = {0, 0, 0, 0};
    flowOp.nNewTime = 0;
    flowOp.nNewParallel = 1;
    flowOp.checkNew = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pCondList) << "a new flow operation has its own condition list";
        EXPECT_TRUE(cmd.m_pCondList->m_Items.empty());
    };
    flowOp.read = [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(11174), "自分");
        EXPECT_FALSE(dlg.Enabled(1096)) << "this flow needs no ID";
        EXPECT_FALSE(dlg.Enabled(1044)) << "no conditions";
        dlg.Screenshot("dialog_225");
    };
    flowOp.change = [](cDlgView& dlg) {
        dlg.Choose(11174, 2);
        EXPECT_EQ(dlg.SelText(11175), "指定IDのフロー");
        EXPECT_FALSE(dlg.Enabled(11175));
        EXPECT_TRUE(dlg.Enabled(1096));
        dlg.Choose(1096, 3);
        dlg.Choose(1178, 4);
        SetCheck(dlg, 1482, 1);
        EXPECT_TRUE(dlg.Enabled(1044));
        dlg.Choose(1255, 1);
    };
    flowOp.changedParams = {4, 2, 3, 2};
    flowOp.checkChanged = [](const cCommand& cmd) {
        ASSERT_TRUE(cmd.m_pCondList);
        EXPECT_EQ(cmd.m_pCondList->m_nMode, 1);
        EXPECT_EQ(cmd.m_pCondList->m_bList2, 1);
    };
    RunKindRow(flowOp);

    for (u32 nSet : {0u, 1u}) {
        cKindRow clear;
        clear.nSet = nSet;
        clear.nKind = nSet == 0 ? 17 : 2;
        clear.lpTitle = "ステージクリア";
        clear.newParams = {0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1};
        clear.nNewTime = 0;
        clear.nNewParallel = 0;
        clear.read = [](cDlgView& dlg) {
            EXPECT_FALSE(dlg.Enabled(1314));
            EXPECT_FALSE(dlg.Enabled(1247));
            EXPECT_FALSE(dlg.Enabled(1248));
            EXPECT_FALSE(dlg.Enabled(1320));
            EXPECT_FALSE(dlg.Enabled(1316));
            dlg.Screenshot("dialog_245");
        };
        clear.change = [](cDlgView& dlg) {
            dlg.Choose(1313, 1);
            EXPECT_TRUE(dlg.Enabled(1314));
            dlg.Type(1314, "7");
            SetCheck(dlg, 1437, 1);
            dlg.Type(1316, "12");
            dlg.Type(1318, "34");
            SetCheck(dlg, 1438, 1);
            EXPECT_TRUE(dlg.Enabled(1324));
            dlg.Type(1320, "5");
            dlg.Type(1322, "6");
            dlg.Choose(1324, 2);
            SetCheck(dlg, 1439, 1);
            SetCheck(dlg, 1440, 0);
        };
        clear.changedParams = {1, 7, 1, 12, 34, 1, 5, 6, 2, 1, 0};
        RunKindRow(clear);

        cKindRow wait;
        wait.nSet = nSet;
        wait.nKind = nSet == 0 ? 18 : 3;
        wait.lpTitle = "ゲームウエイト";
        wait.newParams = {20};
        wait.nNewTime = 0;
        wait.nNewParallel = 0;
        wait.read = [](cDlgView& dlg) { dlg.Screenshot("dialog_244"); };
        wait.change = [](cDlgView& dlg) { dlg.Type(1113, "1234"); };
        wait.changedParams = {999};
        RunKindRow(wait);
    }
}

TEST_F(FlowOp, ConditionsByButtonsAndDoubleClickOnAWorkingCopy)
{
    cTestHostPage& page = PageWith({Cond(1, 5), Cond(3, 2)});
    const std::vector<u8> saved = SavedCommandBytes(page.m_Commands[0]);
    for (bool bOk : {false, true}) {
        cDlgScript script;
        script.On(kFlowOpTitle, [](cDlgView& dlg) {
            EXPECT_EQ(ListRows(dlg).size(), 2u);
            Select(dlg, 1);
            dlg.Press(1041);
        });
        script.On(kChooserTitle, [](cDlgView& chooser) {
            EXPECT_TRUE(chooser.Enabled(1273)) << "the flow operation offers the distance";
            chooser.Press(1268);
        });
        script.On("ステージ変数条件", [](cDlgView& dlg) {
            dlg.Choose(1049, 0);
            dlg.Ok();
        });
        script.On(kFlowOpTitle, [](cDlgView& dlg) {
            const std::vector<std::string> rows = ListRows(dlg);
            ASSERT_EQ(rows.size(), 3u);
            EXPECT_NE(rows[1].find("ステージ変数条件"), std::string::npos) << rows[1];
            EXPECT_EQ(SendMessageA(dlg.Item(1044), LB_GETCURSEL, 0, 0), 1) << "the new row is selected";
            Select(dlg, 0);
            PostMessageA(dlg.Hwnd(), WM_COMMAND, MAKEWPARAM(1044, LBN_DBLCLK), reinterpret_cast<LPARAM>(dlg.Item(1044)));
        });
        script.On("コモン変数条件", [](cDlgView& dlg) {
            dlg.Choose(1045, 6);
            dlg.Ok();
        });
        script.On(kFlowOpTitle, [](cDlgView& dlg) {
            EXPECT_NE(ListRows(dlg)[0].find("007"), std::string::npos) << ListRows(dlg)[0];
            Select(dlg, 2);
            dlg.Press(1042);
        });
        script.On("キャラ変数条件", [](cDlgView& dlg) { dlg.Cancel(); });
        script.On(kFlowOpTitle, [bOk](cDlgView& dlg) {
            Select(dlg, 2);
            dlg.Press(1043);
        });
        script.On(kFlowOpTitle, [bOk](cDlgView& dlg) {
            EXPECT_EQ(ListRows(dlg).size(), 2u);
            if (bOk) dlg.Ok();
            else dlg.Cancel();
        });
        page.DoubleClick(0);
        ASSERT_TRUE(RunScript(script));
        if (!bOk) {
            EXPECT_EQ(Hex(SavedCommandBytes(page.m_Commands[0])), Hex(saved)) << "Cancel leaves the conditions";
        }
    }
    ASSERT_EQ(Conds().size(), 2u);
    EXPECT_EQ(Conds()[0].m_nKind, 1);
    EXPECT_EQ(Conds()[0].m_wLeftCharaVar, 7);
    EXPECT_EQ(Conds()[1].m_nKind, 2);
    EXPECT_EQ(Conds()[1].m_wLeftCharaVar, 1);
}

TEST_F(FlowOp, ConditionsByTheListKeysAndItsMenu)
{
    cTestHostPage& page = PageWith({Cond(1, 5), Cond(3, 2)});
    cDlgScript script;
    script.On(kFlowOpTitle, [](cDlgView& dlg) {
        Select(dlg, 1);
        ListCommand(dlg, 40001);  // Ctrl+C
        Select(dlg, 0);
        ListCommand(dlg, 40007);  // Ctrl+V
        std::vector<std::string> rows = ListRows(dlg);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_NE(rows[0].find(RowText(Cond(3, 2))), std::string::npos) << rows[0];
        ListCommand(dlg, 40032);  // Delete
        EXPECT_EQ(ListRows(dlg).size(), 2u);
        Select(dlg, 1);
        ListCommand(dlg, 40038);  // the menu's cut
        EXPECT_EQ(ListRows(dlg).size(), 1u);
        ListCommand(dlg, 40040);  // the menu's paste
        EXPECT_EQ(ListRows(dlg).size(), 2u);
        Select(dlg, 0);
        ListCommand(dlg, 40043);  // the menu's delete
        ASSERT_EQ(ListRows(dlg).size(), 1u);
        SetFocus(dlg.Item(1044));
        PostMessageA(dlg.Hwnd(), WM_COMMAND, 40042, 0);  // the menu's "新規挿入"
    });
    script.On(kChooserTitle, [](cDlgView& chooser) { chooser.CloseBox(); });
    script.On(kFlowOpTitle, [](cDlgView& dlg) {
        EXPECT_EQ(ListRows(dlg).size(), 1u) << "the closed chooser's row is gone";
        SetFocus(dlg.Item(1044));
        PostMessageA(dlg.Hwnd(), WM_COMMAND, 40042, 0);
    });
    script.On(kChooserTitle, [](cDlgView& chooser) { chooser.Press(1272); });
    script.On("ステータス条件3", [](cDlgView& dlg) { dlg.Ok(); });
    script.On(kFlowOpTitle, [](cDlgView& dlg) {
        EXPECT_EQ(ListRows(dlg).size(), 2u);
        dlg.Ok();
    });
    page.DoubleClick(0);
    ASSERT_TRUE(RunScript(script));
    ASSERT_EQ(Conds().size(), 2u);
    EXPECT_EQ(Conds()[0].m_nKind, 6);
    EXPECT_EQ(Conds()[1].m_nKind, 1);
    EXPECT_EQ(Conds()[1].m_wLeftCharaVar, 5);
}

TEST_F(FlowOp, AHundredthConditionBeepsAndUncheckedConditionsStay)
{
    cTestHostPage& page = PageWith(cCondItems(99, Cond(3, 4)), 0);
    const int nBeeps = FakeHost().m_nBeeps;
    cDlgScript script;
    script.Watch(kChooserTitle);
    script.On(kFlowOpTitle, [](cDlgView& dlg) {
        EXPECT_FALSE(dlg.Enabled(1044));
        EXPECT_FALSE(dlg.Enabled(1041));
        EXPECT_FALSE(dlg.Enabled(1255));
        SetCheck(dlg, 1482, 1);
        EXPECT_TRUE(dlg.Enabled(1041));
        dlg.Press(1041);
    });
    script.On(kFlowOpTitle, [](cDlgView& dlg) {
        EXPECT_EQ(ListRows(dlg).size(), 99u);
        SetCheck(dlg, 1482, 0);
        dlg.Ok();
    });
    page.DoubleClick(0);
    ASSERT_TRUE(RunScript(script));
    EXPECT_EQ(FakeHost().m_nBeeps, nBeeps + 1);
    EXPECT_FALSE(script.Seen(kChooserTitle));
    EXPECT_EQ(Conds().size(), 99u) << "unchecked, the conditions stay stored";
    EXPECT_EQ(page.m_Commands[0].m_pCondList->m_nMode, 0);
}

class StageClear : public cCondTest {
protected:
    cTestHostPage& PageWith(u32 nDest, const std::string& strPath)
    {
        cTestHostPage& page = Page();
        page.m_Commands.resize(1);
        cCommand& cmd = page.m_Commands[0];
        cmd.m_nKind = 17;
        cmd.m_Params = {nDest, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1};
        cmd.m_Text = strPath;
        return page;
    }
};

TEST_F(StageClear, ABrowsedStageIsStoredRelativeOneOnAnotherDriveIsNot)
{
    ASSERT_TRUE(FileSystem().MakeFolder("data\\stg4"));
    ASSERT_TRUE(WriteFileBytes("data\\stg4\\森.stg4_950", {1}));
    char szTemp[MAX_PATH] = "";
    ASSERT_GT(GetTempPathA(sizeof szTemp, szTemp), 0u);
    const std::string strOther = std::string(szTemp) + "other.stg4_950";
    ASSERT_NE(toupper(strOther[0]), toupper(m_strFolder[0])) << "the temp folder lies on another drive";
    ASSERT_TRUE(WriteFileBytes(strOther, {1}));

    cTestHostPage& page = PageWith(2, "old.stg4_950");
    cDlgScript script;
    script.On("ステージクリア", [](cDlgView& dlg) {
        EXPECT_TRUE(dlg.Enabled(1248));
        dlg.Press(1248);
    });
    script.ChooseFile("ステージファイルの選択", m_strFolder + "\\data\\stg4\\森.stg4_950");
    script.On("ステージクリア", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1247), ".\\data\\stg4\\森.stg4_950");
        dlg.Press(1248);
    });
    script.ChooseFile("ステージファイルの選択", strOther);
    script.On("ステージクリア", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1247), ".\\data\\stg4\\森.stg4_950") << "another drive changes nothing";
        dlg.Choose(1313, 3);
        for (int nId : {1314, 1247, 1248}) EXPECT_FALSE(dlg.Enabled(nId)) << nId;
        dlg.Choose(1313, 2);
        dlg.Ok();
    });
    page.DoubleClick(0);
    ASSERT_TRUE(RunScript(script, 20000));
    EXPECT_EQ(page.m_Commands[0].m_Text, ".\\data\\stg4\\森.stg4_950");
    DeleteFileA(strOther.c_str());
}

}  // namespace
