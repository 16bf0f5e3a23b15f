// The key condition dialog from the host page's key-condition list.
#include "cond_fixture.h"
#include "data/data_file.h"
#include "flow/option_names.h"
#include "support/test_env.h"

namespace {

class KeyCond : public cCondTest {
protected:
    cTestHostPage& PageWith(const cEdKeyCond& cond)
    {
        cTestHostPage& page = Page();
        page.m_KeyConds = {cond};
        page.RedrawLists();
        return page;
    }
};

const char* const kTitle = "キー条件";

std::vector<u8> SavedKeyBytes(const cEdKeyCond& cond)
{
    cDataWriter file;
    if (!file.Open("key.bin")) return {};
    cond.Save(file);
    if (!file.Commit()) return {};
    return ReadFileBytes("key.bin");
}

cEdKeyCond Presses(u16 wMin, u16 wMax)
{
    cEdKeyCond cond;
    cond.m_wPressMin = wMin;
    cond.m_wPressMax = wMax;
    return cond;
}

TEST_F(KeyCond, KeysJudgementAndTheFrontBackSwitch)
{
    cEdKeyCond cond = Presses(10, 20);
    cond.m_Keys[3] = 1;
    cTestHostPage& page = PageWith(cond);
    cDlgScript script;
    script.On(kTitle, [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1089), (std::vector<std::string>{"--", "押", "離"}));
        EXPECT_EQ(dlg.SelText(1093), "押") << "key 3 is ↑";
        EXPECT_EQ(dlg.Rows(1112), g_KeyCondModeNames.List());
        EXPECT_EQ(dlg.Text(1038), "10");
        EXPECT_EQ(dlg.Text(1109), "20");
        dlg.Screenshot("dialog_204");
        dlg.Choose(1089, 1);
        dlg.Choose(1090, 2);  // key 10, アクションキーニュートラル
        dlg.Choose(1106, 2);  // key 18, F
        dlg.Choose(1093, 0);
        dlg.Choose(1112, 2);
        dlg.Click(1108);
        dlg.Ok();
    });
    page.PressKeyEdit(0);
    ASSERT_TRUE(RunScript(script));
    const cEdKeyCond& done = page.m_KeyConds[0];
    std::vector<u8> keys(kKeyCondKeys, 0);
    keys[0] = 1;
    keys[10] = 2;
    keys[18] = 2;
    EXPECT_EQ(done.m_Keys, keys);
    EXPECT_EQ(done.m_nKeyMode, 2);
    EXPECT_EQ(done.m_bFrontBack, 1);
    EXPECT_EQ(done.m_wPressMin, 10);
    EXPECT_EQ(done.m_wPressMax, 20);
}

TEST_F(KeyCond, AMinimumAboveTheMaximumRaisesIt)
{
    cTestHostPage& page = PageWith(Presses(10, 20));
    cDlgScript script;
    script.On(kTitle, [](cDlgView& dlg) {
        dlg.Type(1038, "30");
        EXPECT_EQ(dlg.Text(1109), "30") << "the dialog shows the raised maximum itself";
        dlg.Type(1109, "5");
        dlg.Ok();
    });
    page.PressKeyEdit(0);
    ASSERT_TRUE(RunScript(script));
    EXPECT_EQ(page.m_KeyConds[0].m_wPressMin, 30);
    EXPECT_EQ(page.m_KeyConds[0].m_wPressMax, 30) << "a maximum below the minimum is clamped to it";
}

TEST_F(KeyCond, InfinityDisablesBothTimesAndKeepsThem)
{
    cTestHostPage& page = PageWith(Presses(15, 40));
    cDlgScript script;
    script.On(kTitle, [](cDlgView& dlg) {
        dlg.Click(1111);
        EXPECT_FALSE(dlg.Enabled(1038));
        EXPECT_FALSE(dlg.Enabled(1109));
        EXPECT_EQ(dlg.Text(1038), "15");
        EXPECT_EQ(dlg.Text(1109), "40");
        dlg.Ok();
    });
    page.PressKeyEdit(0);
    ASSERT_TRUE(RunScript(script));
    EXPECT_EQ(page.m_KeyConds[0].m_bPressNoMax, 1);
    EXPECT_EQ(page.m_KeyConds[0].m_wPressMin, 15);
    EXPECT_EQ(page.m_KeyConds[0].m_wPressMax, 40);

    cDlgScript reopen;
    reopen.On(kTitle, [](cDlgView& dlg) {
        EXPECT_FALSE(dlg.Enabled(1038)) << "a stored 1～∞ opens disabled";
        dlg.Click(1111);
        EXPECT_TRUE(dlg.Enabled(1109));
        dlg.Cancel();
    });
    page.PressKeyEdit(0);
    ASSERT_TRUE(RunScript(reopen));
}

TEST_F(KeyCond, CancelTheCloseBoxAndAShortKeyVector)
{
    cEdKeyCond cond = Presses(3, 9);
    cond.m_Keys.assign(5, 1);  // fewer keys than the dialog shows
    cTestHostPage& page = PageWith(cond);
    const std::vector<u8> saved = SavedKeyBytes(page.m_KeyConds[0]);
    for (bool bCloseBox : {false, true}) {
        cDlgScript script;
        script.On(kTitle, [&](cDlgView& dlg) {
            EXPECT_EQ(dlg.SelText(1094), "押");
            EXPECT_EQ(dlg.SelText(1095), "--") << "a key the record lacks shows --";
            dlg.Choose(1089, 2);
            dlg.Type(1038, "50");
            dlg.Click(1111);
            if (bCloseBox) dlg.CloseBox();
            else dlg.Cancel();
        });
        page.PressKeyEdit(0);
        ASSERT_TRUE(RunScript(script));
        EXPECT_EQ(page.LastResult(), 0);
        EXPECT_EQ(Hex(SavedKeyBytes(page.m_KeyConds[0])), Hex(saved)) << (bCloseBox ? "close box" : "Cancel");
    }
    cDlgScript ok;
    ok.On(kTitle, [](cDlgView& dlg) { dlg.Ok(); });
    page.PressKeyEdit(0);
    ASSERT_TRUE(RunScript(ok));
    EXPECT_EQ(page.m_KeyConds[0].m_Keys.size(), kKeyCondKeys) << "OK stores every key the dialog showed";

    // A new key condition: the list's default, kept only on OK.
    cDlgScript cancelled;
    cancelled.On(kTitle, [](cDlgView& dlg) { dlg.CloseBox(); });
    page.PressKeyInsert();
    ASSERT_TRUE(RunScript(cancelled));
    EXPECT_EQ(page.m_KeyConds.size(), 1u);
}

}  // namespace
