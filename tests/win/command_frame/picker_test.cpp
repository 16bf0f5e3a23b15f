// The graphic picker, and the behaviours this frame's own dialogs don't use,
// on a dialog of the tests' own: the picker button, the preview, "一時停止"
// and the file browse.
#include "app/fatal.h"
#include "app/picker_rules.h"
#include "command_editor/behaviours.h"
#include "command_editor/bound_dlg.h"
#include "controls/ctrl_picture.h"
#include "entry_editors/graphic_picker.h"
#include "flow/ed_flow.h"
#include "data/entry_names.h"
#include "frame_fixture.h"
#include "framework/bitmap_slots.h"
#include "framework/wnd_list.h"
#include "support/win32/dlg_script.h"
#include "sample_project.h"
#include "support/win32/host_page.h"

namespace {

const char* const kPicker = "グラフィック";

// A click of the picker's view at a point of its client area.
void ClickAt(cDlgView& picker, int x, int y)
{
    PostMessageA(picker.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

class Picker : public cFrameTest {
protected:
    void SetUp() override
    {
        cFrameTest::SetUp();
        // The sample project's sheets, composed as the project load does.
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

TEST_F(Picker, AClickStoresItsCellAndTheCloseBoxNothing)
{
    const struct {
        int x, y;
        u16 wCell;
    } clicks[] = {{40, 8, 15}, {250, 470, 119}, {0, 0, 0}, {31, 63, 1}};
    for (const auto& c : clicks) {
        u16 wTarget = 999;
        cDlgScript script;
        script.On(kPicker, [&](cDlgView& picker) {
            RECT rc;
            GetClientRect(picker.Hwnd(), &rc);
            EXPECT_EQ(rc.right, kPickerWidth);
            EXPECT_EQ(rc.bottom, kPickerHeight);
            if (c.wCell == 119) {
                SetCursorPos(0, 0);
                picker.Screenshot("picker_276");
            }
            ClickAt(picker, c.x, c.y);
        });
        int nResult = -1;
        PostMessageA(nullptr, WM_NULL, 0, 0);
        nResult = RunGraphicPicker(&wTarget, 1, nullptr, nullptr);
        EXPECT_TRUE(script.Done());
        EXPECT_EQ(nResult, 1);
        EXPECT_EQ(wTarget, c.wCell) << c.x << "," << c.y;
    }
    u16 wTarget = 77;
    cDlgScript script;
    script.On(kPicker, [](cDlgView& picker) { picker.CloseBox(); });
    EXPECT_EQ(RunGraphicPicker(&wTarget, 0, nullptr, nullptr), 0);
    EXPECT_EQ(wTarget, 77);

    // "専用bmp" opens nothing.
    cDlgScript none;
    none.Watch(kPicker);
    EXPECT_EQ(OpenGraphicPicker(&wTarget, 4, nullptr, nullptr), 0);
    Pump(50);
    EXPECT_FALSE(none.Seen(kPicker));
    EXPECT_EQ(wTarget, 77);
}

TEST_F(Picker, TwoHundredNestedRunsLeaveNothingBehind)
{
    cTestHostPage page(0);
    ASSERT_TRUE(page.Open());
    const int nWindows = CountThreadWindows();
    const size_t nListed = g_WndList.WndCount();
    const int nObjects = cDlgBase::LiveCount();
    for (int i = 0; i < 200; ++i) {
        u16 wTarget = 0;
        cDlgScript script;
        script.On(kPicker, [i](cDlgView& picker) {
            if (i % 2) picker.CloseBox();
            else ClickAt(picker, 100, 100);
        });
        RunGraphicPicker(&wTarget, i % kSheetCount, &page, page.CommandList());
        ASSERT_TRUE(script.Done()) << i;
    }
    Pump(50);
    EXPECT_EQ(CountThreadWindows(), nWindows);
    EXPECT_EQ(g_WndList.WndCount(), nListed);
    EXPECT_EQ(cDlgBase::LiveCount(), nObjects);
    EXPECT_FALSE(IsFatalError());
}

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

TEST_F(Picker, BehavioursOfOtherDialogsOnATestDialog)
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

}  // namespace
