// What the wait, move and visual dialogs do beyond their bindings: the
// straight move's ratio checks on OK, move commands without their move
// record, the status list's base, the graphic's limits by the number of
// chara special bitmaps, its picker and preview, the item get dialog in a
// common palette entry, the screen colour's sliders and preview, and the
// effect's and picture's erase rows.
#include "flow/ed_move.h"
#include "framework/bitmap_slots.h"
#include "support/fake_host.h"
#include "support/win32/kind_rows.h"
#include "visual_fixture.h"

namespace {

class VisualDialogs : public cVisualTest {};

const char* const kLineMove = "直線移動";

// A straight move that gives two of time, speed and distance.
void StoredLineMove(cCommand& cmd, u8 nSetType, u16 wDistance, u8 nDotUnit)
{
    cmd.m_pMove = std::make_shared<cEdMove>();
    cmd.m_pMove->m_nTimingMode = nSetType;
    cmd.m_pMove->m_wDistance = wDistance;
    cmd.m_pMove->m_bDotUnit = nDotUnit;
    cmd.m_wTime = 10;
}

// The boxes a dialog showed since the last call: title and text.
std::vector<std::pair<std::string, std::string>> TakeBoxes()
{
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const auto& m : FakeHost().m_Messages) boxes.emplace_back(m.strTitle, m.strText);
    FakeHost().m_Messages.clear();
    return boxes;
}

TEST_F(VisualDialogs, StraightMoveRefusesASpeedRatioTooNearZero)
{
    PageWith(2);
    StoredLineMove(Cmd(), 2, 1, 1);
    const std::vector<u8> saved = SavedCommandBytes(Cmd());
    TakeBoxes();
    cDlgScript script;
    script.On(kLineMove, [](cDlgView& dlg) {
        dlg.Type(1118, "20");
        EXPECT_EQ(dlg.Text(1440), "距離(dot)÷速度　＝　0.05 (※分身は無視)");
        dlg.Ok();
    });
    script.On(kLineMove, [](cDlgView& dlg) {
        EXPECT_EQ(TakeBoxes(), (std::vector<std::pair<std::string, std::string>>{
                                   {"エラー", "「距離÷速度」を0.10以上、または-0.10以下にして下さい！"}}));
        EXPECT_TRUE(dlg.Visible(1118)) << "the dialog stays open";
        dlg.Cancel();
    });
    Edit(script);
    EXPECT_EQ(m_lpPage->LastResult(), 0);
    EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved)) << "nothing written";

    // -5 gives -0.2: OK stores it.
    cDlgScript passes;
    passes.On(kLineMove, [](cDlgView& dlg) {
        dlg.Type(1118, "-5");
        dlg.Ok();
    });
    Edit(passes);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(m_lpPage->LastResult(), 1);
    EXPECT_EQ(static_cast<s16>(Cmd().m_pMove->m_wSpeed), -5);
}

TEST_F(VisualDialogs, StraightMoveAsksAboutATimeRatioBeyondTheLimits)
{
    PageWith(2);
    StoredLineMove(Cmd(), 1, 64, 0);
    const std::vector<u8> saved = SavedCommandBytes(Cmd());
    TakeBoxes();
    FakeHost().m_Answers = {kIdNo, kIdYes};
    const std::string strQuestion =
        "なるべく「距離÷時間」を-600～600にして下さい！\n"
        "そうしないと速度制限がかかって、移動距離も指定した「距離」より短くなります。\n"
        "それでもこの設定でよろしいですか？";
    cDlgScript script;
    script.On(kLineMove, [](cDlgView& dlg) {
        dlg.Type(1113, "1");
        EXPECT_EQ(dlg.Text(1440), "距離(dot)÷時間　＝　1024.0 (※分身は無視)");
        dlg.Ok();
    });
    script.On(kLineMove, [&](cDlgView& dlg) {
        EXPECT_EQ(TakeBoxes(), (std::vector<std::pair<std::string, std::string>>{{"警告", strQuestion}}));
        EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved)) << "No writes nothing";
        EXPECT_TRUE(dlg.Visible(1113)) << "No keeps the dialog open";
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(TakeBoxes().size(), 1u);
    EXPECT_EQ(m_lpPage->LastResult(), 1) << "Yes writes";
    EXPECT_EQ(Cmd().m_wTime, 1);
    FakeHost().m_Answers.clear();
}

TEST_F(VisualDialogs, MoveCommandsWithoutTheirRecordStayAsTheyWereOnCancel)
{
    const struct {
        u32 nKind;
        const char* lpTitle;
        int nEdit;
    } kinds[] = {
        {2, "直線移動", 1113},      {3, "地上折り返し移動", 1118}, {4, "円移動", 1124},
        {5, "突撃移動", 1135},      {6, "誘導移動", 1169},         {7, "画面外回避移動", 1118},
        {8, "移動の無効化", 1113},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.lpTitle);
        PageWith(k.nKind);
        const std::vector<u8> saved = SavedCommandBytes(Cmd());
        for (bool bCloseBox : {false, true}) {
            cDlgScript script;
            script.On(k.lpTitle, [&](cDlgView& dlg) {
                dlg.Type(k.nEdit, "5");
                if (bCloseBox) dlg.CloseBox();
                else dlg.Cancel();
            });
            Edit(script);
            EXPECT_FALSE(Cmd().m_pMove) << (bCloseBox ? "close box" : "Cancel");
            EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved));
        }
        cDlgScript ok;
        ok.On(k.lpTitle, [](cDlgView& dlg) { dlg.Ok(); });
        Edit(ok);
        EXPECT_TRUE(Cmd().m_pMove) << "OK stores the record the dialog showed";
    }
}

TEST_F(VisualDialogs, StatusOperation2StoresTheStatesOwnValues)
{
    // "透明" OFF; "巨大化" moves the value list's base to 1; Cancel writes nothing.
    PageWith(23, {0, 1, 0, 0, 0});
    const std::vector<u8> saved = SavedCommandBytes(Cmd());
    for (bool bCloseBox : {false, true}) {
        cDlgScript script;
        script.On("ステータスの操作2", [&](cDlgView& dlg) {
            EXPECT_EQ(dlg.SelText(1397), "OFF");
            dlg.Choose(1173, 5);
            EXPECT_EQ(dlg.SelText(1397), "しない");
            if (bCloseBox) dlg.CloseBox();
            else dlg.Cancel();
        });
        Edit(script);
        EXPECT_EQ(Hex(SavedCommandBytes(Cmd())), Hex(saved));
    }
    for (const auto& pick : {std::make_pair(0, 1u), std::make_pair(9, 10u)}) {
        cDlgScript script;
        script.On("ステータスの操作2", [&](cDlgView& dlg) {
            dlg.Choose(1173, 5);
            EXPECT_EQ(dlg.Rows(1397).back(), "×100");
            dlg.Choose(1397, pick.first);
            dlg.Ok();
        });
        Edit(script);
        EXPECT_EQ(Cmd().m_Params[2], pick.second) << "row " << pick.first;
    }
    // The system's states: no crush avoidance.
    cDlgScript system;
    system.On("ステータスの操作2", [](cDlgView& dlg) {
        dlg.Choose(11174, 5);
        EXPECT_EQ(dlg.Rows(1173), (tRows{"横スクロール", "縦スクロール"}));
        EXPECT_FALSE(dlg.Enabled(1492));
        EXPECT_FALSE(dlg.Enabled(1493));
        dlg.Cancel();
    });
    Edit(system);
}

TEST_F(VisualDialogs, GraphicNumberLimitsFollowTheSpecialBitmaps)
{
    const struct {
        size_t nBitmaps;
        const char* lpShown;
        u32 nStored;
    } cases[] = {{0, "1", 1}, {1, "1", 1}, {5, "4", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nBitmaps << " special bitmaps");
        SetSpecialBitmaps(c.nBitmaps);
        PageWith(26, {4, 1, 0});
        cDlgScript script;
        script.On("グラフィックの変更", [&](cDlgView& dlg) {
            EXPECT_FALSE(dlg.Enabled(1446)) << "no picker for 専用bmp";
            dlg.Type(1036, "9");
            EXPECT_EQ(dlg.Text(1036), c.lpShown);
            dlg.Ok();
        });
        Edit(script);
        EXPECT_EQ(Cmd().m_Params[1], c.nStored);
        // What the command keeps on saving.
        cCommand repaired = Cmd();
        repaired.Normalize();
        EXPECT_EQ(repaired.m_Params[1], c.nStored);
    }
}

TEST_F(VisualDialogs, GraphicOffsetClampsToTheCharaAndThePickerFillsTheNumber)
{
    PageWith(26, {4, 1, 200});
    g_aBitmap[kSlotItemSheet].Create(256, 480, 32, 0);
    g_aBitmap[kSlotItemSheet].Fill(RGB(0, 0, 200));
    cDlgScript script;
    script.On("グラフィックの変更", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1038), "200");
        dlg.Choose(1254, 1);
        EXPECT_EQ(dlg.Text(1038), "19") << "a chara's offset lies within ±19";
        EXPECT_TRUE(dlg.Enabled(1446));
        dlg.Choose(1254, 2);
        dlg.Press(1446);
    });
    script.On("グラフィック", [](cDlgView& picker) {
        PostMessageA(picker.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(32 + 5, 64 + 5));
    });
    script.On("グラフィックの変更", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1036), "17") << "the picked cell";
        EXPECT_EQ(PixelOf(dlg, 1070, 4, 4), RGB(0, 0, 200)) << "the item sheet's cell";
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(Cmd().m_Params, (std::vector<u32>{2, 17, 19}));
    g_aBitmap[kSlotItemSheet].Release();
}

TEST_F(VisualDialogs, ItemGetInACommonPaletteEntryListsTheCommonPaletteOnly)
{
    PageWith(25, {0, 2}, 2);
    m_lpPage->m_bItemGetNote = true;
    cDlgScript script;
    script.On("アイテムの取得", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Rows(1408), (tRows{"コモンパレット"}));
        EXPECT_EQ(dlg.SelText(1409), "002 薬草");
        EXPECT_TRUE(dlg.Visible(1450)) << "the host page asks for the note";
        dlg.Screenshot("dialog_268_note");
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(Cmd().m_Params, (std::vector<u32>{0, 2}));
}

TEST_F(VisualDialogs, ScreenColourSlidersEditsAndPreviewMoveTogether)
{
    PageWith(33, {0, 0, 0, 50, 0, 0, 0, 1});
    cDlgScript script;
    script.On("画面の色を変更", [](cDlgView& dlg) {
        dlg.SetSlider(1245, 255);
        EXPECT_EQ(dlg.Text(1242), "255");
        dlg.Type(1243, "128");
        EXPECT_EQ(SendMessageA(dlg.Item(1246), TBM_GETPOS, 0, 0), 128) << "the edit moves its slider";
        dlg.SetSlider(1247, 64);
        EXPECT_EQ(PixelOf(dlg, 1249, 5, 5), RGB(255, 128, 64));
        CheckAs(dlg, 1248, 1);
        CheckAs(dlg, 1241, 1);
        EXPECT_EQ(dlg.Checked(1248), 0) << "restoring the colours flashes nothing";
        EXPECT_FALSE(dlg.Enabled(1245));
        EXPECT_FALSE(dlg.Enabled(1242));
        EXPECT_FALSE(dlg.Enabled(1208));
        dlg.Ok();
    });
    Edit(script);
    EXPECT_EQ(Cmd().m_Params, (std::vector<u32>{255, 128, 64, 50, 1, 0, 0, 1}));
}

TEST_F(VisualDialogs, EraseRowsGreyTheRestAndOkStillStoresIt)
{
    PageWith(29, {1, 4, 10, 20, 3, 4, 150, 1, 1});
    cDlgScript effect;
    effect.On("エフェクトの実行", [](cDlgView& dlg) {
        EXPECT_TRUE(dlg.Enabled(1206));
        dlg.Choose(1230, 0);
        for (int nId : {1232, 1499, 1206, 1210, 1040, 1048, 1208, 1231}) EXPECT_FALSE(dlg.Enabled(nId)) << nId;
        dlg.Ok();
    });
    Edit(effect);
    EXPECT_EQ(Cmd().m_Params, (std::vector<u32>{0, 4, 10, 20, 3, 4, 150, 1, 1}));
    EXPECT_EQ(Cmd().m_bParallel, 0);

    PageWith(32, {1, 3, 5, 6, 7, 8, 1, 120, 2, 30, 0, 1, 1, 4, 0, 1});
    cDlgScript picture;
    picture.On("ピクチャーの表示", [](cDlgView& dlg) {
        dlg.Choose(1234, 0);
        for (int nId : {1232, 1499, 1206, 1210, 1040, 1048, 1181, 1456, 1208, 1233, 1113, 1239, 1231})
            EXPECT_FALSE(dlg.Enabled(nId)) << nId;
        EXPECT_TRUE(dlg.Enabled(1461)) << "the ID names the picture to erase";
        dlg.Ok();
    });
    Edit(picture);
    EXPECT_EQ(Cmd().m_Params, (std::vector<u32>{0, 3, 5, 6, 7, 8, 1, 120, 2, 30, 0, 1, 1, 4, 0, 1}));
    EXPECT_EQ(Cmd().m_bParallel, 1);
}

}  // namespace
