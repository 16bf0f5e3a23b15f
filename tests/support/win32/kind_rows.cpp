#include "support/win32/kind_rows.h"

#include <gtest/gtest.h>

#include "command_editor/rules/cmd_palette_rules.h"
#include "data/data_file.h"
#include "support/test_env.h"
#include "support/win32/host_page.h"

namespace {

const char* const kPaletteTitle = "コマンド";

// Opens the command at row 0 of the page by a double click and runs the
// script's steps; the palette must never show.
void EditExisting(cTestHostPage& page, cDlgScript& script)
{
    script.Watch(kPaletteTitle);
    page.DoubleClick(0);
    EXPECT_TRUE(RunScript(script)) << "the dialog's steps ran";
    EXPECT_FALSE(script.Seen(kPaletteTitle)) << "an existing command never shows the palette";
}

}  // namespace

std::vector<u8> SavedCommandBytes(const cCommand& cmd)
{
    cDataWriter file;
    if (!file.Open("command.bin")) return {};
    cmd.Save(file);
    if (!file.Commit()) return {};
    return ReadFileBytes("command.bin");
}

std::vector<s32> Params(const cCommand& cmd) { return std::vector<s32>(cmd.m_Params.begin(), cmd.m_Params.end()); }

void RunKindRow(const cKindRow& row)
{
    SCOPED_TRACE(testing::Message() << "set " << row.nSet << " kind " << row.nKind << " " << row.lpTitle);
    cTestHostPage page(row.nSet);
    ASSERT_TRUE(page.Open());

    // 1. New, through the palette.
    {
        cDlgScript script;
        script.On(kPaletteTitle, [&](cDlgView& palette) { palette.Press(PaletteButtonId(row.nKind)); });
        script.On(row.lpTitle, [](cDlgView& dlg) { dlg.Ok(); });
        page.PressInsert();
        ASSERT_TRUE(RunScript(script)) << "palette and dialog";
    }
    ASSERT_EQ(page.m_Commands.size(), 1u);
    cCommand& cmd = page.m_Commands[0];
    EXPECT_EQ(cmd.m_nSet, row.nSet);
    EXPECT_EQ(cmd.m_nKind, row.nKind);
    EXPECT_EQ(Params(cmd), row.newParams) << "new-command values";
    if (row.nNewTime >= 0) {
        EXPECT_EQ(cmd.m_wTime, row.nNewTime);
    }
    if (row.nNewParallel >= 0) {
        EXPECT_EQ(cmd.m_bParallel, row.nNewParallel);
    }
    if (row.checkNew) row.checkNew(cmd);

    // 2. Existing: read, change, OK.
    {
        cDlgScript script;
        script.On(row.lpTitle, [&](cDlgView& dlg) {
            if (row.read) row.read(dlg);
            if (row.change) row.change(dlg);
            dlg.Ok();
        });
        EditExisting(page, script);
    }
    EXPECT_EQ(page.LastResult(), 1);
    EXPECT_EQ(Params(page.m_Commands[0]), row.changedParams) << "changed parameters";
    if (row.checkChanged) row.checkChanged(page.m_Commands[0]);

    // 3. Cancel and the close box write nothing.
    const std::vector<u8> saved = SavedCommandBytes(page.m_Commands[0]);
    ASSERT_FALSE(saved.empty());
    for (bool bCloseBox : {false, true}) {
        cDlgScript script;
        script.On(row.lpTitle, [&](cDlgView& dlg) {
            if (row.change) row.change(dlg);
            if (bCloseBox) dlg.CloseBox();
            else dlg.Cancel();
        });
        EditExisting(page, script);
        EXPECT_EQ(page.LastResult(), 0) << (bCloseBox ? "close box" : "Cancel");
        EXPECT_EQ(Hex(SavedCommandBytes(page.m_Commands[0])), Hex(saved)) << (bCloseBox ? "close box" : "Cancel");
    }

    // 4. Parameter vectors cut to the kind's count, or filled.
    page.m_Commands[0] = cCommand();
    page.m_Commands[0].m_nSet = static_cast<u8>(row.nSet);
    page.m_Commands[0].m_nKind = static_cast<u8>(row.nKind);
    page.m_Commands[0].m_Params.assign(row.newParams.begin(), row.newParams.end());
    page.m_Commands[0].m_Params.insert(page.m_Commands[0].m_Params.end(), {7, 7, 7});
    {
        cDlgScript script;
        script.On(row.lpTitle, [](cDlgView& dlg) { dlg.Ok(); });
        EditExisting(page, script);
    }
    EXPECT_EQ(Params(page.m_Commands[0]), row.newParams) << "a longer vector is cut to the kind's count";
    page.m_Commands[0].m_Params.clear();
    const std::vector<u8> savedEmpty = SavedCommandBytes(page.m_Commands[0]);
    {
        cDlgScript script;
        script.On(row.lpTitle, [](cDlgView& dlg) { dlg.Cancel(); });
        EditExisting(page, script);
    }
    EXPECT_EQ(page.m_Commands[0].m_Params.size(), row.newParams.size()) << "an empty vector is filled";
    EXPECT_EQ(Hex(SavedCommandBytes(page.m_Commands[0])), Hex(savedEmpty));
}
