// The graphic picker: a click gives its cell, the close box nothing, and
// many runs leave nothing behind.
#include "app/fatal.h"
#include "app/picker_rules.h"
#include "entry_editors/graphic_picker.h"
#include "framework/bitmap_slots.h"
#include "framework/wnd_list.h"
#include "sample_project.h"
#include "support/win32/dlg_script.h"
#include "support/win32/host_page.h"
#include "support/win32/win_test.h"

namespace {

const char* const kPicker = "グラフィック";

// A click of the picker's view at a point of its client area.
void ClickAt(cDlgView& picker, int x, int y)
{
    PostMessageA(picker.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

class Picker : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        // The sample project's sheets, composed as the project load does.
        ASSERT_TRUE(WriteSampleMedia());
        ASSERT_TRUE(LoadProjectPalettes());
        ASSERT_TRUE(LoadBitmapSlots("", ""));
    }
    void TearDown() override
    {
        for (cSurface& s : g_aBitmap) s.Release();
        EXPECT_EQ(cDlgBase::LiveCount(), 0);
        cWinTest::TearDown();
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

}  // namespace
