// Behaviours and engine parts that this frame's own dialogs don't use, on a
// dialog of the tests' own: the picker button, the preview, "一時停止", the
// file browse, a combo's base moved while the dialog is open, and the
// sub-records a kind needs.
#include "app/file_system.h"
#include "app/picker_rules.h"
#include "command_editor/behaviours.h"
#include "command_editor/bound_dlg.h"
#include "command_editor/cmd_dlg_base.h"
#include "controls/ctrl_picture.h"
#include "data/entry_names.h"
#include "flow/ed_flow.h"
#include "frame_fixture.h"
#include "framework/bitmap_slots.h"
#include "framework/wnd_list.h"
#include "sample_project.h"
#include "support/win32/dlg_script.h"

namespace {

const char* const kPicker = "グラフィック";

void ClickAt(cDlgView& picker, int x, int y)
{
    PostMessageA(picker.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

class Parts : public cFrameTest {
protected:
    void SetUp() override
    {
        cFrameTest::SetUp();
        ASSERT_TRUE(WriteSampleMedia());
        ASSERT_TRUE(LoadProjectPalettes());
        ASSERT_TRUE(LoadBitmapSlots("", ""));
    }
    void TearDown() override
    {
        for (cSurface& s : g_aBitmap) s.Release();
        cFrameTest::TearDown();
    }
};

// The test dialog: a graphic kind and number, a pause check and a path over a
// command's fields.
void FillRed(cBoundDlg&, cCtrlPicture& picture)
{
    picture.GetBack().Fill(RGB(255, 0, 0));
    picture.Present();
}

constexpr cBindRow kPartsRows[] = {
    Combo(1254, CmdField<&cCommand::m_bMuteOffScreen>(), Names(g_GraphicKindNames)),
    Edit(1036, CmdField<&cCommand::m_wSound>(), 1, 119),
    Button(1446),
    Picture(1060),
    Check(1166, LocalField(0)),
    Text(1003, CmdField<&cCommand::m_Text>(), 260, 0),
    Button(1055),
};
const cPickerButton kPickerButton(1446, 1036, cPickerButton::kSheetByKind, 1254);
const cPreview kPreview(1060, FillRed);
const cParallelFromPause kPause(1166);
const cFileBrowse kBrowse(1055, 1003, "data", "ファイルを開く", "すべて\0*.*\0\0");
const cBehaviour* const kPartsBehaviours[] = {&kPickerButton, &kPreview, &kPause, &kBrowse};

class cPartsDlg : public cBoundDlg {
public:
    explicit cPartsDlg(cCommand& cmd) : cBoundDlg(Desc(), nullptr, nullptr, 1, &g_WndList), m_Cmd(cmd)
    {
        cBindTargets targets;
        targets.Set(eFieldHome::Command, &cmd);
        targets.m_lpLocals = &Local(0);
        Bind(targets);
    }
    cCommand* EditedCommand() override { return &m_Cmd; }
    cBinding* Find(u16 wId) const { return FindBinding(wId); }

private:
    static cBoundDesc Desc()
    {
        cBoundDesc desc;
        desc.m_wDlgId = 9300;
        desc.m_lpRows = kPartsRows;
        desc.m_nRows = sizeof kPartsRows / sizeof kPartsRows[0];
        desc.m_lpBehaviours = kPartsBehaviours;
        desc.m_nBehaviours = sizeof kPartsBehaviours / sizeof kPartsBehaviours[0];
        return desc;
    }
    cCommand& m_Cmd;
};

TEST_F(Parts, BehavioursOfOtherDialogsOnATestDialog)
{
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    ASSERT_TRUE(WriteFileBytes("data\\next.stg4_950", {1}));
    cCommand cmd;
    cmd.m_bMuteOffScreen = 1;  // キャラ
    cmd.m_wSound = 5;
    cDlgScript script;
    script.On("部品のテスト", [](cDlgView& dlg) {
        HDC hDC = GetDC(dlg.Item(1060));
        EXPECT_EQ(GetPixel(hDC, 5, 5), RGB(255, 0, 0)) << "the preview painted";
        ReleaseDC(dlg.Item(1060), hDC);
        dlg.Press(1446);
    });
    script.On(kPicker, [](cDlgView& picker) { ClickAt(picker, 0, 0); });
    script.On("部品のテスト", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1036), "1") << "cell 0 lands on the edit's lowest value";
        dlg.Choose(1254, 4);  // 専用bmp
        dlg.Press(1446);
    });
    script.On("部品のテスト", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1036), "1") << "no picker for 専用bmp";
        dlg.Click(1166);
        dlg.Press(1055);
    });
    script.ChooseFile("ファイルを開く", m_strFolder + "\\data\\next.stg4_950");
    script.On("部品のテスト", [](cDlgView& dlg) {
        EXPECT_EQ(dlg.Text(1003), ".\\data\\next.stg4_950") << "relative, its leading \".\\\" kept";
        dlg.Ok();
    });
    cPartsDlg dlg(cmd);
    EXPECT_EQ(dlg.DoModal(0), 1);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(cmd.m_wSound, 1);
    EXPECT_EQ(cmd.m_bMuteOffScreen, 4);
    EXPECT_EQ(cmd.m_bParallel, 0) << "paused, so not parallel";
    EXPECT_EQ(cmd.m_Text, ".\\data\\next.stg4_950");
}

TEST_F(Parts, AComboBaseMovedWhileOpenWritesItsFieldOnlyOnOk)
{
    for (bool bOk : {false, true}) {
        cCommand cmd;
        cmd.m_bMuteOffScreen = 1;  // キャラ
        cPartsDlg dlg(cmd);
        cDlgScript script;
        script.On("部品のテスト", [&](cDlgView& view) {
            EXPECT_EQ(view.SelText(1254), "キャラ");
            cRefreshOut out;
            out.Base(1254, 3);
            dlg.Apply(out);
            EXPECT_EQ(view.Sel(1254), 0) << "the shown value is raised to the base";
            EXPECT_EQ(cmd.m_bMuteOffScreen, 1) << "the field waits for OK";
            out = cRefreshOut();
            out.Base(1254, 0);
            dlg.Apply(out);
            EXPECT_EQ(view.SelText(1254), "ショット") << "a lower base keeps the shown value 3";
            out = cRefreshOut();
            out.Base(1254, 3);
            dlg.Apply(out);
            if (bOk) view.Ok();
            else view.Cancel();
        });
        EXPECT_EQ(dlg.DoModal(0), bOk ? 1 : 0);
        EXPECT_EQ(cmd.m_bMuteOffScreen, bOk ? 3 : 1);
    }
}

// A kind that binds its move record: a command read without one binds a
// default held by the dialog, stored only by OK; a new one gets its record
// at once.
void TargetAtFive(cSubRecords& records)
{
    if (records.m_pMove) records.m_pMove->m_wTargetX = 5;
}

constexpr cBindRow kMoveRows[] = {
    Edit(1036, MoveField<&cEdMove::m_wTargetX>(), 0, 100),
};

TEST_F(Parts, AMissingSubRecordIsHeldByTheDialogAndStoredOnlyOnOk)
{
    const cCmdDlgDesc desc = CmdDlg(0, 2, 9300, kMoveRows).Needs(kNeedMove, TargetAtFive);
    for (int nWay = 0; nWay < 3; ++nWay) {
        SCOPED_TRACE(nWay);
        cCommand cmd;
        cmd.m_nKind = 2;
        cCmdEditCtx ctx;
        ctx.m_pCmd = &cmd;
        ctx.m_bNew = nWay == 2;
        cCmdDlgBase dlg(desc, nullptr, ctx);
        if (nWay == 2) {
            ASSERT_TRUE(cmd.m_pMove) << "a new command has its record at once";
            EXPECT_EQ(cmd.m_pMove->m_wTargetX, 5);
        } else {
            EXPECT_FALSE(cmd.m_pMove) << "an existing command gets nothing before OK";
        }
        cDlgScript script;
        script.On("部品のテスト", [nWay](cDlgView& view) {
            EXPECT_EQ(view.Text(1036), "5") << "the kind's default record";
            view.Type(1036, "7");
            if (nWay == 0) view.Cancel();
            else view.Ok();
        });
        EXPECT_EQ(dlg.DoModal(0), nWay == 0 ? 0 : 1);
        if (nWay == 0) {
            EXPECT_FALSE(cmd.m_pMove) << "Cancel stores nothing";
        } else {
            ASSERT_TRUE(cmd.m_pMove);
            EXPECT_EQ(cmd.m_pMove->m_wTargetX, 7);
        }
    }
}

}  // namespace
