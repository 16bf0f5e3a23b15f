// Every control that a descriptor binds exists in its dialog's template, as
// a control of the class its binding needs; the palettes' and the picker's
// templates carry their controls too.
#include "command_editor/bound_dlg.h"
#include "command_editor/cmd_dlg_base.h"
#include "command_editor/rules/cmd_palette_rules.h"
#include "flow/cmd_kinds.h"
#include "frame_fixture.h"
#include "support/win32/dlg_script.h"

namespace {

class Templates : public cFrameTest {};

INT_PTR CALLBACK QuietProc(HWND, UINT uMsg, WPARAM, LPARAM) { return uMsg == WM_INITDIALOG; }

// The template made into a hidden window.
HWND Make(u16 wDlgId)
{
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(wDlgId), nullptr, QuietProc, 0);
}

std::string Upper(std::string str)
{
    for (char& c : str) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return str;
}

// The class a binding's control must have.
const char* ClassFor(eBind eKind)
{
    switch (eKind) {
    case eBind::Check:
    case eBind::Button: return "BUTTON";
    case eBind::Edit:
    case eBind::Text: return "EDIT";
    case eBind::Combo: return "COMBOBOX";
    case eBind::Slider: return "MSCTLS_TRACKBAR32";
    case eBind::Picture: return "STATIC";
    }
    return "";
}

void CheckDescriptor(const cCmdDlgDesc& desc)
{
    SCOPED_TRACE(testing::Message() << "dialog " << desc.m_Bound.m_wDlgId);
    HWND hDlg = Make(desc.m_Bound.m_wDlgId);
    ASSERT_TRUE(hDlg) << "the template exists";
    cDlgView view(hDlg);
    for (u32 i = 0; i < desc.m_Bound.m_nRows; ++i) {
        const cBindRow& row = desc.m_Bound.m_lpRows[i];
        EXPECT_EQ(Upper(view.ClassOf(row.m_wId)), ClassFor(row.m_eKind)) << "control " << row.m_wId;
        if (row.m_eKind == eBind::Check) {
            EXPECT_EQ(GetWindowLongA(view.Item(row.m_wId), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX) << row.m_wId;
        }
        if (row.m_eKind == eBind::Edit && row.m_wSpin) {
            EXPECT_EQ(Upper(view.ClassOf(row.m_wSpin)), "MSCTLS_UPDOWN32") << "spin " << row.m_wSpin;
        }
        if (row.m_eKind == eBind::Slider && row.m_wSpin) {
            EXPECT_EQ(Upper(view.ClassOf(row.m_wSpin)), "EDIT") << "partner " << row.m_wSpin;
        }
    }
    EXPECT_EQ(Upper(view.ClassOf(1000)), "BUTTON");
    EXPECT_EQ(Upper(view.ClassOf(1001)), "BUTTON");
    DestroyWindow(hDlg);
}

TEST_F(Templates, EveryDescriptorsControlsExistWithTheirClass)
{
    int nChecked = 0;
    for (u32 nSet : {0u, 1u})
        for (u32 k = 1; k < GetCmdKindTable(nSet).Count(); ++k)
            if (const cCmdDlgDesc* lpDesc = FindCmdDialog(nSet, k)) {
                EXPECT_EQ(lpDesc->m_Bound.m_wDlgId, CmdDialogId(nSet, k)) << nSet << "/" << k;
                CheckDescriptor(*lpDesc);
                ++nChecked;
            }
    EXPECT_GE(nChecked, 7 + 6) << "seven flow kinds, the five item kinds that reach them, and the flow change";
}

TEST_F(Templates, PalettesPickerAndFlowPage)
{
    for (u16 wPalette : {205, 216}) {
        HWND hDlg = Make(wPalette);
        ASSERT_TRUE(hDlg);
        cDlgView view(hDlg);
        EXPECT_EQ(view.Title(), "コマンド");
        EXPECT_EQ(Upper(view.ClassOf(1006)), "STATIC");
        for (u32 k = 1; k < kPaletteRows; ++k) EXPECT_EQ(Upper(view.ClassOf(PaletteButtonId(k))), "BUTTON");
        EXPECT_FALSE(view.Exists(1000)) << "no OK button";
        EXPECT_FALSE(view.Exists(1001));
        EXPECT_FALSE(GetWindowLongA(hDlg, GWL_STYLE) & WS_VISIBLE) << "an existing command never shows it";
        DestroyWindow(hDlg);
    }
    HWND hPicker = Make(276);
    ASSERT_TRUE(hPicker);
    EXPECT_EQ(cDlgView(hPicker).Title(), "グラフィック");
    EXPECT_EQ(Upper(cDlgView(hPicker).ClassOf(1006)), "STATIC");
    DestroyWindow(hPicker);
    HWND hPage = Make(201);
    ASSERT_TRUE(hPage);
    const struct {
        int nId;
        const char* lpClass;
    } pageCtrls[] = {{1096, "COMBOBOX"}, {1095, "LISTBOX"}, {1068, "BUTTON"}, {1070, "BUTTON"},
                     {1069, "BUTTON"},   {1000, "BUTTON"},  {1001, "BUTTON"}};
    for (const auto& c : pageCtrls) EXPECT_EQ(Upper(cDlgView(hPage).ClassOf(c.nId)), c.lpClass) << c.nId;
    DestroyWindow(hPage);
    HWND hFlowChange = Make(217);
    EXPECT_EQ(cDlgView(hFlowChange).Text(1179), "フローの設定");
    EXPECT_EQ(cDlgView(hFlowChange).Title(), "フローの操作") << "the dialog retitles itself when it opens";
    DestroyWindow(hFlowChange);
}

}  // namespace
