// The window framework's rules that need no window: the frame gate, the
// mouse button words, the keyboard hook's decisions, page template scaling
// and the Shift-JIS measures of dialog texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/dlg_template.h"
#include "app/sjis_text.h"
#include "app/window_rules.h"
#include "support/test_env.h"

namespace {

TEST(FixedRateGate, OpensOncePerPeriodCountedFromTheOpening)
{
    cFixedRateGate gate;
    EXPECT_TRUE(gate.Open(1000, 60));   // first use
    EXPECT_FALSE(gate.Open(1015, 60));  // 16 ms at 60 per second
    EXPECT_TRUE(gate.Open(1016, 60));
    EXPECT_FALSE(gate.Open(1031, 60));
    EXPECT_TRUE(gate.Open(1100, 60));   // late: the next is counted from now
    EXPECT_FALSE(gate.Open(1115, 60));
    EXPECT_TRUE(gate.Open(1116, 60));
    cFixedRateGate open;
    for (u32 t = 0; t < 3; ++t) EXPECT_TRUE(open.Open(5, 0));
}

TEST(FixedRateGate, KeepsPacingAcrossTheTickCountWrap)
{
    cFixedRateGate gate;
    ASSERT_TRUE(gate.Open(0xFFFFFFF8u, 60));  // next = 8 after the wrap
    EXPECT_FALSE(gate.Open(0xFFFFFFFFu, 60));
    EXPECT_FALSE(gate.Open(7, 60));
    EXPECT_TRUE(gate.Open(8, 60));
    // A clock that jumped far ahead still opens at once.
    EXPECT_TRUE(gate.Open(0x70000000u, 60));
}

TEST(MouseButtons, PressIsReportedOnceAcrossWindowsAndReleaseOnTheNextUpdate)
{
    cMouseLatches shared;
    cMouseBlock a, b;
    UpdateMouseButtons(a, 7, true, false, shared);
    EXPECT_EQ(a.bLeftHeld, 1u);
    EXPECT_EQ(a.bLeftPressed, 1u);
    UpdateMouseButtons(b, 7, true, false, shared);
    EXPECT_EQ(b.bLeftPressed, 0u) << "a second window sees the same press";
    UpdateMouseButtons(a, 7, true, false, shared);
    EXPECT_EQ(a.bLeftPressed, 0u);
    UpdateMouseButtons(a, 7, false, false, shared);
    EXPECT_EQ(a.bLeftReleased, 1u);
    EXPECT_EQ(a.bLeftHeld, 0u);
    UpdateMouseButtons(a, 7, false, false, shared);
    EXPECT_EQ(a.bLeftReleased, 0u);

    // Without the held group the held words stay, so no release is seen.
    cMouseBlock c;
    c.bRightHeld = 1;
    UpdateMouseButtons(c, kMouseReleased, false, false, shared);
    EXPECT_EQ(c.bRightReleased, 0u);
    UpdateMouseButtons(c, kMouseHeld | kMouseReleased, false, false, shared);
    EXPECT_EQ(c.bRightReleased, 1u);
}

TEST(KeyboardHook, DecidesWhatReachesTheActiveDialog)
{
    enum { kDown = 0, kUp = 1 };
    struct {
        const char* lpWhat;
        int nUp;
        u32 nKey;
        bool bHasHook, bActive, bComposing;
        u32 bFilter, bCtrlBefore;
        eHookPost ePost;
        bool bSwallow;
        u32 bCtrlAfter;
    } cases[] = {
        {"Delete in a dialog", kDown, 0x2E, true, true, false, 0, 0, kHookPostNavKey, false, 0},
        {"arrow while composing", kDown, 0x25, true, true, true, 0, 0, kHookPostKeyDown, false, 0},
        {"F8", kDown, 0x77, true, true, false, 0, 0, kHookPostNavKey, false, 0},
        {"F9 is no navigation key", kDown, 0x78, true, true, false, 0, 0, kHookPostKeyDown, false, 0},
        {"letter", kDown, 'A', true, true, false, 0, 0, kHookPostKeyDown, false, 0},
        {"letter up", kUp, 'A', true, true, false, 0, 0, kHookPostKeyUp, false, 0},
        {"Enter", kDown, kVkReturn, true, true, false, 0, 0, kHookPostKeyDown, false, 0},
        {"Enter confirms a composition", kDown, kVkReturn, true, true, true, 0, 0, kHookPostNone, false, 0},
        {"Tab", kDown, kVkTab, true, true, false, 0, 0, kHookPostNone, false, 0},
        {"Ctrl down, filtered", kDown, kVkControl, true, true, false, 1, 0, kHookPostNone, false, 1},
        {"Ctrl down, unfiltered", kDown, kVkControl, true, true, false, 0, 0, kHookPostKeyDown, false, 1},
        {"Ctrl+C, filtered", kDown, 'C', true, true, false, 1, 1, kHookPostNone, false, 1},
        {"Ctrl+C, modal dialog", kDown, 'C', true, true, false, 0, 1, kHookPostKeyDown, false, 1},
        {"Ctrl up, filtered", kUp, kVkControl, true, true, false, 1, 1, kHookPostKeyUp, false, 0},
        {"hook of another window", kDown, 'A', true, false, false, 0, 0, kHookPostNone, false, 0},
        {"Escape in a message box", kDown, kVkEscape, false, false, false, 0, 0, kHookPostNone, true, 0},
        {"Escape while composing", kDown, kVkEscape, false, false, true, 0, 0, kHookPostNone, false, 0},
        {"letter in a message box", kDown, 'A', false, false, false, 0, 0, kHookPostNone, false, 0},
    };
    for (const auto& c : cases) {
        u32 bCtrl = c.bCtrlBefore;
        cHookDecision d = DecideHookAction(c.nUp == kUp, c.nKey, c.bHasHook, c.bActive, c.bComposing, c.bFilter, bCtrl);
        EXPECT_EQ(d.ePost, c.ePost) << c.lpWhat;
        EXPECT_EQ(d.bSwallow, c.bSwallow) << c.lpWhat;
        EXPECT_EQ(bCtrl, c.bCtrlAfter) << c.lpWhat;
    }
}

// A template with the given header form and size.
std::vector<u8> Template(bool bExtended, s16 cx, s16 cy)
{
    cBytes b;
    if (bExtended) b.U16(1).U16(0xFFFF).U32(0).U32(0).U32(0x80C80000u);
    else b.U32(0x80C80000u).U32(0);
    b.U16(0).U16(5).U16(6).U16(static_cast<u16>(cx)).U16(static_cast<u16>(cy));
    b.Raw(std::vector<u8>(24, 0));
    return b.Get();
}

TEST(PageTemplate, ScalesWidthAndHeightOfBothTemplateForms)
{
    const double kNan = std::numeric_limits<double>::quiet_NaN();
    struct {
        double x, y;
        s16 cx, cy;
        size_t nTrace;
    } cases[] = {
        {1.0, 1.0, 200, 100, 0},    {1.5, 1.0, 300, 100, 20}, {1.0, 0.75, 200, 75, 0},
        {1.26, 1.26, 252, 126, 20}, {kNan, kNan, 200, 100, 0}, {-2.0, 0.0, 200, 100, 0},
    };
    for (bool bExtended : {false, true}) {
        for (const auto& c : cases) {
            std::vector<u8> tpl = Template(bExtended, 200, 100);
            std::vector<std::string> trace;
            ASSERT_TRUE(ScaleDialogTemplate(tpl, c.x, c.y, &trace));
            s16 cx = 0, cy = 0;
            ASSERT_TRUE(GetDialogTemplateSize(tpl, cx, cy));
            EXPECT_EQ(cx, c.cx) << c.x << " extended " << bExtended;
            EXPECT_EQ(cy, c.cy) << c.y << " extended " << bExtended;
            EXPECT_EQ(trace.size(), c.nTrace);
        }
    }
    std::vector<u8> tpl = Template(false, 200, 100);
    std::vector<std::string> trace;
    ASSERT_TRUE(ScaleDialogTemplate(tpl, 2.0, 1.0, &trace));
    EXPECT_EQ(trace[0], "pNext_t[0] = 0x0000, (short)0, (WORD)0");
    EXPECT_EQ(trace[1], "pNext_t[1] = 0x80C8, (short)-32568, (WORD)32968");
    std::vector<u8> tooShort(10, 0);
    EXPECT_FALSE(ScaleDialogTemplate(tooShort, 2.0, 2.0, nullptr));
}

TEST(SjisText, CountsCharactersAsDialogsDo)
{
    EXPECT_EQ(CountChars("ab\ncd"), 4u);
    EXPECT_EQ(CountChars("表示"), 2u);
    EXPECT_EQ(CountChars("a表\n"), 2u);
    EXPECT_EQ(CountChars(""), 0u);
    EXPECT_TRUE(IsDbcsPair("表"));
    EXPECT_FALSE(IsDbcsPair("a"));
    // A lead byte at the end of the text is a byte of its own.
    EXPECT_FALSE(IsDbcsPair("\x95"));
    EXPECT_EQ(CountChars("\x95"), 1u);
}

}  // namespace
