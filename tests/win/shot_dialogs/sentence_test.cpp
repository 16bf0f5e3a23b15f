// What the message and status operation dialogs do beyond their bindings:
// the message text's limits, the variable renames (the message saves the
// common names at once, the status operation never), and the status
// operation's operand limits.
#include "app/file_system.h"
#include "app/text_layout.h"
#include "data/gval_info.h"
#include "data/project_data.h"
#include "flow/project_vars.h"
#include "shot_fixture.h"
#include "support/win32/kind_rows.h"

namespace {

class SentenceDialogs : public cShotTest {};

std::string Repeat(const std::string& str, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += str;
    return out;
}

TEST_F(SentenceDialogs, MessageTextKeepsToThirtyNineCharactersAndTwentyNineLines)
{
    PageWith(0, 19);
    const std::string strLine = Repeat("あ", 39);
    std::string strFull;
    for (int i = 0; i < 29; ++i) strFull += (i ? "\r\n" : "") + strLine;
    cDlgScript script;
    script.On("メッセージ", [&](cDlgView& dlg) {
        dlg.Paste(1002, Repeat("あ", 40));
        EXPECT_EQ(FullText(dlg, 1002), strLine + "\r\nあ") << "the 40th character runs on into the next line";
        dlg.Paste(1002, strFull);
        EXPECT_EQ(FullText(dlg, 1002), strFull) << "29 full lines fit";
        dlg.Paste(1002, strFull + "\r\nい");
        EXPECT_EQ(FullText(dlg, 1002), strFull) << "a 30th line is refused";
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(Cmd().m_Text, strFull);
    EXPECT_EQ(CountLines(Cmd().m_Text), 29u);
}

TEST_F(SentenceDialogs, MessageRenamesSaveTheCommonNamesAtOnceAndTheStageNamesNever)
{
    PageWith(0, 19);
    cDlgScript script;
    script.On("メッセージ", [](cDlgView& dlg) {
        dlg.Choose(1050, 0);
        dlg.Press(1051);
    });
    script.InputText("変数名の入力", "出口");
    script.On("メッセージ", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1050), "001 出口");
        EXPECT_FALSE(FileSystem().Exists("data\\GValInfo.dat")) << "a stage name goes with the stage";
        dlg.Choose(1046, 4);
        EXPECT_EQ(dlg.SelText(1046), "005 鍵");
        dlg.Press(1378);
    });
    script.InputText("変数名の入力", "宝箱");
    script.On("メッセージ", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1046), "005 宝箱");
        dlg.Cancel();
    });
    Edit(script);
    EXPECT_EQ(m_lpPage->LastResult(), 0);
    EXPECT_EQ(g_Stage.m_vRecord[1].m_strName, "出口");
    cGValInfo expected(kGValCount);
    expected[1].m_strName = "所持金";
    expected[5].m_strName = "宝箱";
    ASSERT_TRUE(SaveGValInfo(expected, "expected.dat"));
    EXPECT_EQ(Hex(ReadFileBytes("data\\GValInfo.dat")), Hex(ReadFileBytes("expected.dat")))
        << "written at once, as the variable info's writer writes it, though the dialog was cancelled";
}

TEST_F(SentenceDialogs, StatusOperationLimitsItsOperandByTheLeftStatusOnly)
{
    // A variable on the left over a hidden "Z座標": the constant keeps 100.
    PageWith(0, 22);
    Cmd().m_Params = {1, 0, 5, 0, 8, 0, 0, 100, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0};
    const std::vector<u8> saved = SavedCommandBytes(Cmd());
    for (int nWay = 0; nWay < 2; ++nWay) {
        cDlgScript script;
        script.On("ステータスの操作", [nWay](cDlgView& dlg) {
            EXPECT_EQ(dlg.Text(1403), "100");
            EXPECT_FALSE(dlg.Enabled(1401));
            EXPECT_EQ(dlg.SelText(1402), "005 鍵");
            if (nWay == 0) dlg.Cancel();
            else dlg.CloseBox();
        });
        Edit(script);
        EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved));
    }
    cDlgScript ok;
    ok.On("ステータスの操作", [](cDlgView& dlg) { dlg.Ok(); });
    Edit(ok);
    EXPECT_EQ(static_cast<s32>(Cmd().m_Params[7]), 100);

    // "HP" to "Z座標" with 500: the constant becomes 8.
    Cmd().m_Params = {0, 0, 1, 0, 1, 0, 0, 500, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0};
    cDlgScript hp;
    hp.On("ステータスの操作", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1403), "500");
        dlg.Choose(1401, 8);
        EXPECT_EQ(dlg.Text(1403), "8");
        dlg.Choose(1400, 5);
        EXPECT_EQ(dlg.Rows(1401), (std::vector<std::string>{"時間", "横スクロール速度", "縦スクロール速度", "スコア",
                                                            "残り人数"}));
        EXPECT_FALSE(dlg.Enabled(1399));
        dlg.Choose(1401, 3);
        dlg.Type(1403, "-999999");
        EXPECT_EQ(dlg.Text(1403), "-999999") << "the system's rows take the chara statuses' limits";
        dlg.Ok();
    });
    Edit(hp);
    EXPECT_EQ(static_cast<s32>(Cmd().m_Params[7]), -999999);
    EXPECT_EQ(Cmd().m_Params[3], 5u);
}

TEST_F(SentenceDialogs, StatusOperationRenamesWithoutSaving)
{
    PageWith(0, 22);
    Cmd().m_Params = {1, 0, 5, 0, 0, 0, 3, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0};
    cDlgScript script;
    script.On("ステータスの操作", [](cDlgView& dlg) { dlg.Press(1405); });
    script.InputText("変数名の入力", "宝箱");
    script.On("ステータスの操作", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1402), "005 宝箱");
        EXPECT_EQ(dlg.SelText(1051), "001 扉");
        dlg.Press(1052);
    });
    script.InputText("変数名の入力", "門");
    script.On("ステータスの操作", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.SelText(1051), "001 門");
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(VarNames().Name(eVarScope::Common, 5), "宝箱");
    EXPECT_EQ(VarNames().Name(eVarScope::Stage, 1), "門");
    EXPECT_FALSE(FileSystem().Exists("data\\GValInfo.dat")) << "this dialog's renames are saved with the project";
}

}  // namespace
