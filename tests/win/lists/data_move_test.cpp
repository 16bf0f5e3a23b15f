// "データの移動" over a common palette block list read by the core: typed
// numbers, each mode, the destination greyed for a delete, the stage's
// inheritance refreshed by index, the edit state after OK, and Cancel, the
// close box and a list of entry 0 only changing nothing.
#include <windows.h>

#include "data/data_file.h"
#include "data/ed_data.h"
#include "data/palette_refs.h"
#include "data/serial.h"
#include "framework/wnd_list.h"
#include "resources/resource.h"
#include "stage_editor/data_move_dlg.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_refresh.h"
#include "support/win32/win_test.h"

namespace {

std::vector<cEdBlock> g_Common;  // the common palette's block list
std::vector<cEdBlock> g_Placed;  // blocks placed on the stage

// Inheritance by index from the common list: the name and the graphic
// stand for the property groups.
class cCommonRefs : public cPaletteRefs {
public:
    u32 Count(ePaletteList eList) const override
    {
        return eList == ePaletteList::CommonBlock ? static_cast<u32>(g_Common.size()) : kUnknownCount;
    }
    void ApplyInheritance(cEdBlock& block) const override
    {
        if (block.m_cInheritKind != 1 || block.m_wInheritIndex >= g_Common.size()) return;
        block.m_strName = g_Common[block.m_wInheritIndex].m_strName;
        block.m_wGraphic = g_Common[block.m_wInheritIndex].m_wGraphic;
    }
};

// Writes n entries (named by index, graphic index + 1) with the core's
// writer and reads them back with its reader.
std::vector<cEdBlock> LoadCommonBlocks(int n)
{
    std::vector<cEdBlock> blocks(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        blocks[static_cast<size_t>(i)].m_strName = std::to_string(i);
        blocks[static_cast<size_t>(i)].m_wGraphic = static_cast<u16>(i + 1);
    }
    cDataWriter out;
    EXPECT_TRUE(OpenDataFileForWrite("blocks.dat", out));
    SaveRecordList(blocks, out);
    EXPECT_EQ(CloseDataFileForWrite(out), 1u);
    std::vector<cEdBlock> loaded;
    cDataReader in;
    EXPECT_TRUE(OpenDataFileForRead("blocks.dat", in));
    EXPECT_TRUE(LoadRecordList(loaded, in));
    SafeFclose(in);
    return loaded;
}

std::string Order(const std::vector<cEdBlock>& list)
{
    std::string s;
    for (const cEdBlock& e : list) s += (s.empty() ? "" : " ") + e.m_strName;
    return s;
}

void Type(HWND hDlg, int nId, const std::string& strKeys)
{
    HWND hEdit = GetDlgItem(hDlg, nId);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    for (char c : strKeys) SendMessageA(hEdit, WM_CHAR, static_cast<u8>(c), 1);
}

void Choose(HWND hDlg, int nId, int nPos)
{
    SendDlgItemMessageA(hDlg, nId, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}

std::string Text(HWND hDlg, int nId)
{
    char buf[64] = "";
    GetDlgItemTextA(hDlg, nId, buf, sizeof buf);
    return buf;
}

class DataMoveDlg : public cWinTest {
protected:
    void SetUp() override
    {
        cWinTest::SetUp();
        SetPaletteRefs(&m_Refs);
        Reset();
    }
    // The common list read again, the placed blocks inheriting again, the
    // edit state fresh with a picked block.
    void Reset()
    {
        g_Common = LoadCommonBlocks(12);
        g_Placed.assign(2, cEdBlock());
        g_Placed[0].m_cInheritKind = 1;
        g_Placed[0].m_wInheritIndex = 3;
        for (cEdBlock& b : g_Placed) b.ApplyInheritance();
        m_Refreshes.clear();
        SetStageInheritRefresh([this](u32 bStage, u32 dwKind) {
            m_Refreshes.push_back({bStage, dwKind});
            for (cEdBlock& b : g_Placed) b.ApplyInheritance();
        });
        g_EditState = cEditState();
        g_EditState.m_spPickBlock = std::make_shared<cEdBlock>();
        g_EditState.m_abPickValid[0] = 1;
    }
    void TearDown() override
    {
        SetStageInheritRefresh(nullptr);
        SetPaletteRefs(nullptr);
        g_EditState = cEditState();
        cWinTest::TearDown();
    }
    // Runs the dialog on the common block list; the action drives it.
    int Run(std::vector<cEdBlock>& list, const std::function<void(HWND)>& action)
    {
        cDataMoveDlg dlg(IDD_DATA_MOVE, nullptr, kModeModal, &g_WndList, &list, 0, 40, 30);
        cModalDriver driver("データの移動", action);
        const int nResult = dlg.DoModal(kDlgDisableOthers);
        EXPECT_TRUE(driver.Ran());
        return nResult;
    }

    cCommonRefs m_Refs;
    std::vector<std::pair<u32, u32>> m_Refreshes;
};

TEST_F(DataMoveDlg, OpensWithOnesAndTheModes)
{
    bool bDestEnabled = false;
    std::vector<std::string> modes;
    Run(g_Common, [&](HWND hDlg) {
        HoldForScreenshot(hDlg);
        EXPECT_EQ(Text(hDlg, IDC_MOVE_FROM), "1");
        EXPECT_EQ(Text(hDlg, IDC_MOVE_TO), "1");
        EXPECT_EQ(Text(hDlg, IDC_MOVE_DEST), "1");
        for (int i = 0; i < SendDlgItemMessageA(hDlg, IDC_MOVE_MODE, CB_GETCOUNT, 0, 0); ++i) {
            char buf[32] = "";
            SendDlgItemMessageA(hDlg, IDC_MOVE_MODE, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
            modes.push_back(buf);
        }
        EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_MOVE_MODE, CB_GETCURSEL, 0, 0), 0);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDlg, IDC_PICTURE)));
        bDestEnabled = IsWindowEnabled(GetDlgItem(hDlg, IDC_MOVE_DEST)) != 0;
        Choose(hDlg, IDC_MOVE_MODE, 2);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_MOVE_DEST))) << "a delete has no destination";
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_MOVE_DEST_SPIN)));
        Choose(hDlg, IDC_MOVE_MODE, 1);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_MOVE_DEST)));
        // The edits keep their numbers inside the list.
        Type(hDlg, IDC_MOVE_FROM, "99");
        EXPECT_EQ(Text(hDlg, IDC_MOVE_FROM), "11");
        Type(hDlg, IDC_MOVE_DEST, "99");
        EXPECT_EQ(Text(hDlg, IDC_MOVE_DEST), "12");
        SendMessageA(hDlg, WM_COMMAND, IDC_CANCEL, 0);
    });
    EXPECT_TRUE(bDestEnabled);
    EXPECT_EQ(modes, (std::vector<std::string>{"移動", "コピー＆挿入", "削除"}));
}

TEST_F(DataMoveDlg, OkRunsTheModeAndRefreshesTheStageByIndex)
{
    const struct {
        const char* lpFrom;
        const char* lpTo;
        const char* lpDest;
        int nMode;
        const char* lpOrder;
        s32 nSelBefore, nSelAfter;
        const char* lpPlaced;  // what the block inheriting from index 3 shows
    } cases[] = {
        {"3", "5", "10", 0, "0 1 2 6 7 8 9 3 4 5 10 11", 4, 4, "6"},
        {"5", "7", "2", 0, "0 1 5 6 7 2 3 4 8 9 10 11", 4, 4, "6"},
        {"5", "7", "7", 0, "0 1 2 3 4 5 6 7 8 9 10 11", 4, 4, "3"},
        {"1", "2", "12", 1, "0 1 2 3 4 5 6 7 8 9 10 11 1 2", 11, 11, "3"},
        {"2", "4", "1", 2, "0 1 5 6 7 8 9 10 11", 3, 3, "6"},
        {"7", "11", "1", 2, "0 1 2 3 4 5 6", 11, 6, "3"},
        {"4", "2", "1", 0, "0 1 2 3 4 5 6 7 8 9 10 11", 11, 11, "3"},  // reversed: nothing moves
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lpFrom << ".." << c.lpTo << " to " << c.lpDest << " mode " << c.nMode);
        Reset();
        g_EditState.m_nSelIndex = c.nSelBefore;
        const int nResult = Run(g_Common, [&](HWND hDlg) {
            Choose(hDlg, IDC_MOVE_MODE, c.nMode);
            Type(hDlg, IDC_MOVE_FROM, c.lpFrom);
            Type(hDlg, IDC_MOVE_TO, c.lpTo);
            if (c.nMode != 2) Type(hDlg, IDC_MOVE_DEST, c.lpDest);
            SendMessageA(hDlg, WM_COMMAND, IDC_OK, 0);
        });
        EXPECT_EQ(nResult, 1);
        EXPECT_EQ(Order(g_Common), c.lpOrder);
        EXPECT_EQ(g_EditState.m_nSelIndex, c.nSelAfter);
        EXPECT_EQ(m_Refreshes, (std::vector<std::pair<u32, u32>>{{0, 0}})) << "the common side's block pass";
        EXPECT_EQ(g_Placed[0].m_strName, c.lpPlaced);
        EXPECT_EQ(g_Placed[0].m_wGraphic, std::stoi(c.lpPlaced) + 1);
        EXPECT_EQ(g_EditState.m_bCommonModified, 1u);
        EXPECT_EQ(g_EditState.m_bStageModified, 0u);
        EXPECT_FALSE(g_EditState.m_spPickBlock) << "the picked entries are released";
        EXPECT_EQ(g_EditState.m_abPickValid[0], 0u);
    }
}

TEST_F(DataMoveDlg, CancelTheCloseBoxAndAListOfEntryZeroOnlyChangeNothing)
{
    const std::string strBefore = Order(g_Common);
    EXPECT_EQ(Run(g_Common,
                  [](HWND hDlg) {
                      Type(hDlg, IDC_MOVE_TO, "5");
                      SendMessageA(hDlg, WM_COMMAND, IDC_CANCEL, 0);
                  }),
              0);
    EXPECT_EQ(Run(g_Common,
                  [](HWND hDlg) {
                      Choose(hDlg, IDC_MOVE_MODE, 2);
                      Type(hDlg, IDC_MOVE_TO, "5");
                      SendMessageA(hDlg, WM_CLOSE, 0, 0);
                  }),
              0);
    EXPECT_EQ(Order(g_Common), strBefore);
    EXPECT_TRUE(m_Refreshes.empty());
    EXPECT_EQ(g_EditState.m_bCommonModified, 0u);
    EXPECT_TRUE(g_EditState.m_spPickBlock);

    // Only entry 0 is left: whatever the edits make of their 1..0 range,
    // "削除" keeps it.
    std::vector<cEdBlock> lone(1);
    lone[0].m_strName = "0";
    const int nResult = Run(lone, [](HWND hDlg) {
        Choose(hDlg, IDC_MOVE_MODE, 2);
        Type(hDlg, IDC_MOVE_FROM, "0");
        Type(hDlg, IDC_MOVE_TO, "0");
        SendMessageA(hDlg, WM_COMMAND, IDC_OK, 0);
    });
    EXPECT_EQ(nResult, 0);
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_EQ(lone[0].m_strName, "0");
    EXPECT_EQ(FakeHost().m_nBeeps, 1);
    EXPECT_TRUE(m_Refreshes.empty());
    EXPECT_EQ(g_EditState.m_bCommonModified, 0u);
}

TEST_F(DataMoveDlg, AStagePaletteListMarksTheStageAndRefreshesItsSide)
{
    std::vector<cEdChara> charas(5);
    for (int i = 0; i < 5; ++i) charas[static_cast<size_t>(i)].m_strName = std::to_string(i);
    cDataMoveDlg dlg(IDD_DATA_MOVE, nullptr, kModeModal, &g_WndList, &charas, 1, 40, 30);
    cModalDriver driver("データの移動", [](HWND hDlg) {
        Type(hDlg, IDC_MOVE_FROM, "3");
        Type(hDlg, IDC_MOVE_TO, "4");
        Type(hDlg, IDC_MOVE_DEST, "1");
        SendMessageA(hDlg, WM_COMMAND, IDC_OK, 0);
    });
    EXPECT_EQ(dlg.DoModal(0), 1);
    EXPECT_EQ(charas[1].m_strName, "3");
    EXPECT_EQ(charas[2].m_strName, "4");
    EXPECT_EQ(m_Refreshes, (std::vector<std::pair<u32, u32>>{{1, 1}}));
    EXPECT_EQ(g_EditState.m_bStageModified, 1u);
    EXPECT_EQ(g_EditState.m_bCommonModified, 0u);
}

}  // namespace
