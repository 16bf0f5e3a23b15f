// The command palettes from the host page: inserting through either
// palette, the close box, existing commands going straight to their dialog,
// kinds without a dialog, the buttons each palette shows, and where the
// palettes and dialogs are placed.
#include "command_editor/cmd_palette.h"
#include "command_editor/rules/cmd_palette_rules.h"
#include "flow/cmd_kinds.h"
#include "flow/cmd_summary.h"
#include "frame_fixture.h"
#include "support/win32/host_page.h"
#include "support/win32/kind_rows.h"

namespace {

class Palette : public cFrameTest {};

const char* const kPalette = "コマンド";

RECT RectOf(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

TEST_F(Palette, EachSetShowsItsKindsAndInsertsThroughTheButton)
{
    for (u32 nSet : {0u, 1u}) {
        SCOPED_TRACE(nSet);
        cTestHostPage page(nSet);
        ASSERT_TRUE(page.Open());
        const u32 nKinds = nSet == 0 ? 39 : 24;
        cDlgScript script;
        script.On(kPalette, [&](cDlgView& palette) {
            EXPECT_FALSE(palette.Visible(1006));
            for (u32 k = 1; k <= 45; ++k) {
                const u16 wButton = PaletteButtonId(k);
                EXPECT_EQ(palette.Visible(wButton), k <= nKinds) << "button " << wButton;
                if (k <= nKinds) {
                    EXPECT_EQ(palette.Text(wButton), GetCmdKind(nSet, k).m_lpName);
                }
            }
            EXPECT_FALSE(palette.Exists(1299));
            // Inserting on a flow page puts the palette at the list's corner.
            const RECT rcList = RectOf(page.CommandList()->GetHwnd());
            const RECT rcPalette = RectOf(palette.Hwnd());
            if (nSet == 0) {
                EXPECT_EQ(rcPalette.left, rcList.left);
            }
            palette.Screenshot(nSet == 0 ? "palette_205" : "palette_216");
            palette.Press(1267);
        });
        const char* lpTitle = nSet == 0 ? "ウエイト" : "フローの変更";
        script.On(lpTitle, [&](cDlgView& dlg) {
            if (nSet == 1) {
                // A parameter dialog is centred on the page's list.
                const RECT rcList = RectOf(page.CommandList()->GetHwnd());
                const RECT rcDlg = RectOf(dlg.Hwnd());
                EXPECT_NEAR((rcDlg.left + rcDlg.right) / 2, (rcList.left + rcList.right) / 2, 2);
            }
            dlg.Ok();
        });
        page.PressInsert();
        ASSERT_TRUE(RunScript(script));
        EXPECT_EQ(page.LastResult(), 1);
        ASSERT_EQ(page.m_Commands.size(), 1u);
        EXPECT_EQ(page.m_Commands[0].m_nSet, nSet);
        EXPECT_EQ(page.m_Commands[0].m_nKind, 1);
        FakeHost().m_nBeeps = 0;
    }
}

TEST_F(Palette, TheCloseBoxRemovesTheInsertedCommandAndCancelToo)
{
    cTestHostPage page(0);
    ASSERT_TRUE(page.Open());
    page.m_Commands.resize(2);
    page.m_Commands[0].m_nKind = 39;
    page.m_Commands[1].m_nKind = 35;
    page.RedrawLists();
    page.Select(1);
    const int nRedraws = page.RedrawCount();
    {
        cDlgScript script;
        script.On(kPalette, [](cDlgView& palette) { palette.CloseBox(); });
        page.PressInsert();
        ASSERT_TRUE(RunScript(script));
    }
    EXPECT_EQ(page.LastResult(), 0);
    ASSERT_EQ(page.m_Commands.size(), 2u);
    EXPECT_EQ(page.m_Commands[1].m_nKind, 35);
    EXPECT_GT(page.RedrawCount(), nRedraws) << "the flow commands' palette refreshes its page";
    {
        cDlgScript script;
        script.On(kPalette, [](cDlgView& palette) { palette.Press(1275); });
        script.On("向き変更", [](cDlgView& dlg) { dlg.Cancel(); });
        page.PressInsert();
        ASSERT_TRUE(RunScript(script));
    }
    EXPECT_EQ(page.m_Commands.size(), 2u);
    {
        cDlgScript script;
        script.On(kPalette, [](cDlgView& palette) { palette.Press(1275); });
        script.On("向き変更", [](cDlgView& dlg) { dlg.Ok(); });
        page.PressInsert();
        ASSERT_TRUE(RunScript(script));
    }
    ASSERT_EQ(page.m_Commands.size(), 3u);
    EXPECT_EQ(page.m_Commands[1].m_nKind, 9) << "inserted before the selected row";
    EXPECT_EQ(page.CommandRows()[1], "2 " + CommandSummary(page.m_Commands[1], 0)) << "rows are the summaries";
    EXPECT_NE(page.CommandRows()[1].find("向き変更"), std::string::npos);
}

TEST_F(Palette, TheTableHasARowPerButtonWithClearedSlots)
{
    cCommand cmd;
    cCmdEditCtx ctx;
    ctx.m_pCmd = &cmd;
    for (u32 nSet : {0u, 1u}) {
        std::unique_ptr<cCmdPaletteBase> lpPalette;
        if (nSet == 0) lpPalette.reset(new cCmdPaletteDlg(nullptr, ctx, 1));
        else lpPalette.reset(new cItemCmdPaletteDlg(nullptr, ctx, 1));
        const std::vector<cCmdButton>& rows = lpPalette->Buttons();
        ASSERT_EQ(rows.size(), 46u);
        EXPECT_EQ(rows[0].m_wButtonId, 0);
        EXPECT_EQ(rows[0].m_lpSlot, nullptr);
        const u32 nKinds = nSet == 0 ? 39 : 24;
        for (u32 k = 1; k < 46; ++k) {
            EXPECT_EQ(rows[k].m_wButtonId, PaletteButtonId(k));
            EXPECT_EQ(rows[k].m_bHasCommand, k <= nKinds ? 1u : 0u);
            EXPECT_EQ(rows[k].m_wDlgId, k <= nKinds ? CmdDialogId(nSet, k) : 0) << k;
            if (rows[k].m_lpSlot) {
                EXPECT_EQ(*rows[k].m_lpSlot, nullptr) << "no stale dialog";
            }
        }
        EXPECT_EQ(lpPalette->OpenDialog(), nullptr);
    }
}

TEST_F(Palette, AFullListBeepsAndOpensNoPalette)
{
    cTestHostPage page(0);
    ASSERT_TRUE(page.Open());
    page.m_Commands.resize(999);
    page.RedrawLists();
    cDlgScript script;
    script.Watch(kPalette);
    page.PressInsert();
    Pump(200, [&] { return page.LastResult() >= 0; });
    EXPECT_EQ(page.LastResult(), 0);
    EXPECT_EQ(FakeHost().m_nBeeps, 1);
    EXPECT_FALSE(script.Seen(kPalette));
    EXPECT_EQ(page.m_Commands.size(), 999u);
}

TEST_F(Palette, AKindWithoutADialogBeepsAndChangesNothing)
{
    const struct {
        u32 nSet, nKind;
    } kinds[] = {{0, 0}, {0, 40}, {0, 45}, {0, 46}, {0, 200}, {1, 0}, {1, 25}, {1, 45}, {1, 255}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(testing::Message() << k.nSet << "/" << k.nKind);
        cTestHostPage page(k.nSet);
        ASSERT_TRUE(page.Open());
        page.m_Commands.resize(1);
        page.m_Commands[0].m_nSet = static_cast<u8>(k.nSet);
        page.m_Commands[0].m_nKind = static_cast<u8>(k.nKind);
        page.m_Commands[0].m_Params = {4, 5};
        const std::vector<u8> saved = SavedCommandBytes(page.m_Commands[0]);
        FakeHost().m_nBeeps = 0;
        cDlgScript script;
        script.Watch(kPalette);
        page.DoubleClick(0);
        Pump(300, [&] { return page.LastResult() >= 0; });
        EXPECT_EQ(page.LastResult(), 0);
        EXPECT_EQ(FakeHost().m_nBeeps, 1);
        EXPECT_FALSE(script.Seen(kPalette));
        EXPECT_EQ(page.m_Commands[0].m_nKind, k.nKind);
        EXPECT_EQ(page.m_Commands[0].m_Params, (std::vector<u32>{4, 5}));
        EXPECT_EQ(Hex(SavedCommandBytes(page.m_Commands[0])), Hex(saved));
    }
}

}  // namespace
