// The palette windows' work on the palettes: picking the pen with the
// inherit defaults, the popup menu's items and entry commands (a cut entry
// inserted elsewhere moves, also across sides), the data count, and the
// pen left alone when the selection is another window's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/common_palette.h"
#include "data/inheritance.h"
#include "data/palette_set.h"
#include "data/prj_option.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/palette_edit.h"
#include "stage_test_util.h"

namespace {

constexpr u32 kCommon = 0, kStageSide = 1;
constexpr u32 kBlock = 0, kChara = 1;

class PaletteEdit : public cStageTest {
protected:
    void SetUp() override
    {
        cStageTest::SetUp();
        // Stage entries inherit from the common palette, the pens from
        // their own palettes; no group flagged, so names stay as given.
        for (size_t nType = 0; nType < cPrjOption::kEntryTypes; ++nType) {
            for (auto& set : m_Options.m_vDefInheritCheck) set[nType].assign(set[nType].size(), 0);
            m_Options.m_adwDefInheritKind[kInheritStage][nType] = 1;
            m_Options.m_adwDefInheritKind[kInheritCommonToPlaced][nType] = 1;
            m_Options.m_adwDefInheritKind[kInheritStageToPlaced][nType] = 2;
        }
        m_Options.m_DefChara.m_strName = "新しいキャラ";
        m_Options.m_DefBlock.m_strName = "新しいブロック";
        SetProjectOptions(&m_Options);
        Named(m_Common.m_Lists.m_vChara, "c", 6);
        Named(m_Common.m_Lists.m_vBlock, "b", 6);
        Named(m_Stage.m_Palette.m_vChara, "s", 4);
        Named(m_Stage.m_Palette.m_vBlock, "t", 5);
        InstallPalettes(m_Common, m_Stage);
    }
    void TearDown() override
    {
        RemovePalettes();
        cStageTest::TearDown();
    }
    template <class D>
    static void Named(std::vector<D>& list, const char* lpPrefix, size_t n)
    {
        list.resize(n);
        for (size_t i = 1; i < n; ++i) list[i].m_strName = lpPrefix + std::to_string(i);
    }
    template <class D>
    static std::string Names(const std::vector<D>& list)
    {
        std::string s;
        for (size_t i = 1; i < list.size(); ++i) s += (i > 1 ? "," : "") + list[i].m_strName;
        return s;
    }

    cPrjOption m_Options;
    cCommonPalette m_Common;
    cStage m_Stage;
    cEditState m_State;
    cPaletteEdit m_Edit{m_State, m_Common, m_Stage, m_Options};
};

TEST_F(PaletteEdit, APickedEntryIsAOneCellPenWithTheDefaultOfItsSide)
{
    m_State.m_nPenWidth = 3;
    m_State.m_vPenChara.resize(6);
    ASSERT_TRUE(m_Edit.Select(kCommon, kChara, 3));
    ASSERT_EQ(m_State.m_vPenChara.size(), 1u);
    EXPECT_EQ(m_State.m_vPenChara[0].m_strName, "c3");
    EXPECT_EQ(m_State.m_vPenChara[0].m_cInheritKind, 1);
    EXPECT_EQ(m_State.m_vPenChara[0].m_wInheritIndex, 3);
    EXPECT_EQ(m_State.m_nPenWidth, 1);
    EXPECT_EQ(m_State.m_nPenHeight, 1);

    ASSERT_TRUE(m_Edit.Select(kStageSide, kChara, 2));
    EXPECT_EQ(m_State.m_vPenChara[0].m_strName, "s2");
    EXPECT_EQ(m_State.m_vPenChara[0].m_cInheritKind, 2);
    EXPECT_EQ(m_State.m_nSelSide, 1);

    EXPECT_FALSE(m_Edit.Select(kStageSide, kChara, 4)) << "past the end";
    EXPECT_EQ(m_State.m_nSelIndex, 2);
    // A selection left past the end falls back to entry 0 without inheritance.
    m_State.m_nSelIndex = 40;
    m_Edit.PickPen(kStageSide, kChara);
    EXPECT_EQ(m_State.m_nSelIndex, 0);
    EXPECT_EQ(m_State.m_vPenChara[0].m_cInheritKind, 0);
}

TEST_F(PaletteEdit, ThePopupGreysByTheEntryAndThePickedEntry)
{
    auto enabled = [](s32 nIndex, bool bValid, bool bCut) {
        std::vector<u16> ids;
        for (const cPopupItem& item : PopupItems(nIndex, bValid, bCut))
            if (item.bEnabled) ids.push_back(item.wId);
        return ids;
    };
    using v = std::vector<u16>;
    EXPECT_EQ(enabled(0, false, false), (v{kPltAppendNew}));
    EXPECT_EQ(enabled(0, true, false), (v{kPltAppendCopied, kPltAppendNew}));
    EXPECT_EQ(enabled(3, false, false), (v{kPltEdit, kPltCut, kPltCopy, kPltInsertNew, kPltDelete, kPltAppendNew}));
    EXPECT_EQ(enabled(3, true, false), (v{kPltEdit, kPltCut, kPltCopy, kPltPaste, kPltInsertCopied, kPltAppendCopied,
                                          kPltInsertNew, kPltDelete, kPltAppendNew}));
    EXPECT_EQ(enabled(3, true, true), (v{kPltEdit, kPltCut, kPltCopy, kPltInsertCopied, kPltAppendCopied,
                                         kPltInsertNew, kPltDelete, kPltAppendNew}));
}

TEST_F(PaletteEdit, ACutEntryInsertedOnTheOtherSideMoves)
{
    m_Edit.Select(kCommon, kChara, 3);
    m_Edit.RunCommand(kCommon, kChara, kPltCut);
    EXPECT_EQ(m_State.m_abPickValid[kChara], 1u);
    EXPECT_EQ(m_State.m_abPickCut[kChara], 1u);
    m_Edit.Select(kStageSide, kChara, 1);
    m_Edit.RunCommand(kStageSide, kChara, kPltInsertCopied);
    EXPECT_EQ(Names(m_Stage.m_Palette.m_vChara), "c3,s1,s2,s3");
    EXPECT_EQ(Names(m_Common.m_Lists.m_vChara), "c1,c2,c4,c5");
    EXPECT_EQ(m_State.m_abPickValid[kChara], 0u);
    EXPECT_EQ(m_State.m_abPickCut[kChara], 0u);
    EXPECT_EQ(m_State.m_vPenChara[0].m_strName, "c3") << "the pen is the inserted entry";
}

TEST_F(PaletteEdit, ACutEntryInsertedBeforeItMovesWithinThePalette)
{
    m_Edit.Select(kCommon, kBlock, 5);
    m_Edit.RunCommand(kCommon, kBlock, kPltCut);
    m_Edit.Select(kCommon, kBlock, 2);
    m_Edit.RunCommand(kCommon, kBlock, kPltInsertCopied);
    EXPECT_EQ(Names(m_Common.m_Lists.m_vBlock), "b1,b5,b2,b3,b4");
    EXPECT_EQ(m_State.m_abPickValid[kBlock], 0u);

    // A copied entry appended stays picked; the pen is not taken.
    m_Edit.Select(kCommon, kBlock, 1);
    m_Edit.RunCommand(kCommon, kBlock, kPltCopy);
    m_Edit.Select(kCommon, kBlock, 3);
    m_Edit.RunCommand(kCommon, kBlock, kPltAppendCopied);
    EXPECT_EQ(Names(m_Common.m_Lists.m_vBlock), "b1,b5,b2,b3,b4,b1");
    EXPECT_EQ(m_State.m_abPickValid[kBlock], 1u);
    EXPECT_EQ(m_State.m_vPenBlock[0].m_strName, "b2");
}

TEST_F(PaletteEdit, DeletingFollowsTheSelectionAndThePickedEntry)
{
    m_Edit.Select(kCommon, kBlock, 2);
    m_Edit.RunCommand(kCommon, kBlock, kPltCopy);  // picked: entry 2
    m_Edit.Select(kCommon, kBlock, 4);
    m_State.m_nSelIndex = 1;
    m_Edit.RunCommand(kCommon, kBlock, kPltDelete);  // before both
    EXPECT_EQ(Names(m_Common.m_Lists.m_vBlock), "b2,b3,b4,b5");
    EXPECT_EQ(m_State.m_anPickIndex[kBlock], 1);
    EXPECT_EQ(m_State.m_nSelIndex, 0) << "the selected entry itself went";
    EXPECT_EQ(m_State.m_vPenBlock[0].m_strName, "");

    m_Edit.Select(kCommon, kBlock, 3);  // b4
    m_Edit.DeleteEntry(kCommon, kBlock, 2);
    EXPECT_EQ(m_State.m_nSelIndex, 2);
    EXPECT_EQ(m_State.m_vPenBlock[0].m_strName, "b4") << "the same entry stays selected";
    m_Edit.DeleteEntry(kCommon, kBlock, 1);  // the picked entry
    EXPECT_EQ(m_State.m_abPickValid[kBlock], 0u);

    m_Edit.DeleteEntry(kCommon, kBlock, 0);
    EXPECT_EQ(m_Common.m_Lists.m_vBlock.size(), 3u) << "entry 0 stays";
}

TEST_F(PaletteEdit, PastingClearsTheInheritanceThatCantHold)
{
    const std::vector<u8> noGroups(37, 0);
    SetCharaInheritSource(m_Stage.m_Palette.m_vChara[2], 2, 1, noGroups);
    SetCharaInheritSource(m_Stage.m_Palette.m_vChara[3], 1, 2, noGroups);
    ASSERT_EQ(m_Stage.m_Palette.m_vChara[2].m_cInheritKind, 2);
    const struct {
        u32 dwFrom;
        s32 nFrom;
        u32 dwTo;
        u8 cKind;
    } kCases[] = {
        {kStageSide, 2, kStageSide, 0},  // from the stage palette itself
        {kStageSide, 3, kStageSide, 1},  // from the common palette: kept
        {kStageSide, 3, kCommon, 0},     // a common entry never inherits
    };
    for (const auto& c : kCases) {
        m_Edit.Select(c.dwFrom, kChara, c.nFrom);
        m_Edit.RunCommand(c.dwFrom, kChara, kPltCopy);
        m_Edit.Select(c.dwTo, kChara, 1);
        m_Edit.RunCommand(c.dwTo, kChara, kPltPaste);
        const cEdChara& pasted = (c.dwTo ? m_Stage.m_Palette : m_Common.m_Lists).m_vChara[1];
        EXPECT_EQ(pasted.m_strName, "s" + std::to_string(c.nFrom));
        EXPECT_EQ(pasted.m_cInheritKind, c.cKind);
    }
    // A cut entry is not pasted.
    m_Edit.Select(kCommon, kChara, 4);
    m_Edit.RunCommand(kCommon, kChara, kPltCut);
    m_Edit.Select(kCommon, kChara, 2);
    m_Edit.RunCommand(kCommon, kChara, kPltPaste);
    EXPECT_EQ(m_Common.m_Lists.m_vChara[2].m_strName, "c2");
}

TEST_F(PaletteEdit, NewEntriesComeFromTheProjectsDefault)
{
    m_Edit.Select(kStageSide, kBlock, 2);
    m_Edit.RunCommand(kStageSide, kBlock, kPltInsertNew);
    EXPECT_EQ(Names(m_Stage.m_Palette.m_vBlock), "t1,新しいブロック,t2,t3,t4");
    EXPECT_EQ(m_Stage.m_Palette.m_vBlock[2].m_cInheritKind, 1);
    EXPECT_EQ(m_Stage.m_Palette.m_vBlock[2].m_wInheritIndex, 2);
    m_Edit.RunCommand(kCommon, kBlock, kPltAppendNew);
    EXPECT_EQ(m_Common.m_Lists.m_vBlock.back().m_strName, "新しいブロック");
    EXPECT_EQ(m_Common.m_Lists.m_vBlock.back().m_cInheritKind, 0);
}

TEST_F(PaletteEdit, TheDataCountResizesWithTheStageDefaultAndSetsTheFlag)
{
    m_Common.m_Lists.m_vBlock.resize(10);
    m_Edit.SetCount(kStageSide, kBlock, 8);
    ASSERT_EQ(m_Stage.m_Palette.m_vBlock.size(), 8u);
    EXPECT_EQ(Names(m_Stage.m_Palette.m_vBlock).substr(0, 12), "t1,t2,t3,t4,");
    for (u16 i = 5; i < 8; ++i) {
        EXPECT_EQ(m_Stage.m_Palette.m_vBlock[i].m_cInheritKind, 1) << i;
        EXPECT_EQ(m_Stage.m_Palette.m_vBlock[i].m_wInheritIndex, i);
    }
    EXPECT_EQ(m_State.m_bStageModified, 1u);
    EXPECT_EQ(m_State.m_bCommonModified, 0u);

    m_Edit.Select(kCommon, kChara, 1);
    m_Edit.RunCommand(kCommon, kChara, kPltCopy);
    m_Edit.SetCount(kCommon, kChara, 3);
    EXPECT_EQ(Names(m_Common.m_Lists.m_vChara), "c1,c2");
    EXPECT_EQ(m_State.m_bCommonModified, 1u);
    EXPECT_EQ(m_State.m_abPickValid[kChara], 0u) << "the picked entry is released";
    m_Edit.SetCount(kCommon, kChara, 3);
    EXPECT_EQ(Names(m_Common.m_Lists.m_vChara), "c1,c2") << "the same count changes nothing";
    m_Edit.SetCount(kCommon, kChara, 1);
    EXPECT_EQ(m_Common.m_Lists.m_vChara.size(), 2u) << "at least entry 0 and one more";
}

// After a data count or a move on the common window, a pen picked from the
// stage palette stays the pen.
TEST_F(PaletteEdit, ThePenStaysWhenTheSelectionIsTheOtherSides)
{
    m_Edit.Select(kStageSide, kBlock, 3);
    m_Edit.SetCount(kCommon, kBlock, 9);
    EXPECT_EQ(m_State.m_vPenBlock[0].m_strName, "t3");
    m_Edit.AfterMove(kCommon, kBlock);
    EXPECT_EQ(m_State.m_vPenBlock[0].m_strName, "t3");
    m_Edit.SetCount(kStageSide, kBlock, 9);
    EXPECT_EQ(m_State.m_vPenBlock[0].m_strName, "t3");
    EXPECT_EQ(m_State.m_vPenBlock[0].m_cInheritKind, 2);
}

}  // namespace
