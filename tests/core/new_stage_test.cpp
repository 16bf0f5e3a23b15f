// A new stage built in a scratch stage: empty, from the newest version of a
// template, with each palette choice; a failure leaves the open stage as it
// was and names the file.
#include <gtest/gtest.h>

#include "app/file_system.h"
#include "data/common_palette.h"
#include "data/palette_set.h"
#include "data/prj_option.h"
#include "stage_editor/engine/new_stage.h"
#include "stage_test_util.h"

namespace {

class NewStage : public cStageTest {
protected:
    void SetUp() override
    {
        cStageTest::SetUp();
        for (const char* lpFolder : {"data", "data\\stg4", "data\\plt4"}) ASSERT_TRUE(FileSystem().MakeFolder(lpFolder));
        SetProjectOptions(&m_Options);
        m_Common.m_Lists.m_vBlock.resize(5);
        for (size_t i = 1; i < 5; ++i) m_Common.m_Lists.m_vBlock[i].m_strName = "b" + std::to_string(i);
        m_Common.m_Lists.m_vBlock[0].m_strName = "空にされる";
        InstallPalettes(m_Common, m_Open);
    }
    void TearDown() override
    {
        RemovePalettes();
        cStageTest::TearDown();
    }
    void SaveStageNamed(const std::string& strPath, const char* lpName, size_t nBlocks)
    {
        cStage stage;
        stage.m_strName = lpName;
        stage.SetSize(30, 16, 0, 0);
        stage.m_Palette.m_vBlock.resize(nBlocks);
        ASSERT_EQ(stage.SaveFile(strPath), 1u);
    }

    cPrjOption m_Options;
    cCommonPalette m_Common;
    cStage m_Open;
};

TEST_F(NewStage, AnEmptyStageIs20By15WithTwoEntriesInEachPaletteList)
{
    for (u32 dwChoice : {kNewPaletteKeep, kNewPaletteEmpty}) {
        cStage out;
        out.SetSize(50, 50, 0, 0);
        out.m_Palette.m_vChara.resize(9);
        cNewStageChoice choice;
        choice.dwPalette = dwChoice;
        ASSERT_EQ(BuildNewStage(out, choice, m_Common, m_Options), eNewStage::Created);
        EXPECT_EQ(out.m_dwWidth, 20u);
        EXPECT_EQ(out.m_dwHeight, 15u);
        EXPECT_EQ(out.m_Palette.m_vBlock.size(), 2u);
        EXPECT_EQ(out.m_Palette.m_vChara.size(), 2u);
        EXPECT_EQ(out.m_Palette.m_vItem.size(), 2u);
        EXPECT_EQ(out.m_vRecord.size(), 1000u);
    }
}

TEST_F(NewStage, TheNewestVersionOfTheTemplateIsLoaded)
{
    SaveStageNamed("data\\stg4\\t.stg4_900", "古い", 3);
    SaveStageNamed("data\\stg4\\t.stg4_950", "新しい", 4);
    cStage out;
    cNewStageChoice choice;
    choice.strTemplate = "data\\stg4\\t.stg4_900";
    ASSERT_EQ(BuildNewStage(out, choice, m_Common, m_Options), eNewStage::Created);
    EXPECT_EQ(out.m_strName, "新しい");
    EXPECT_EQ(out.m_dwWidth, 30u);
    EXPECT_EQ(out.m_Palette.m_vBlock.size(), 4u) << "choice 0 keeps the template's palette";
}

TEST_F(NewStage, CopyingTheCommonPaletteInheritsEntryByEntry)
{
    m_Options.m_adwDefInheritKind[0][0] = 1;
    cStage out;
    cNewStageChoice choice;
    choice.dwPalette = kNewPaletteCommon;
    ASSERT_EQ(BuildNewStage(out, choice, m_Common, m_Options), eNewStage::Created);
    ASSERT_EQ(out.m_Palette.m_vBlock.size(), 5u);
    EXPECT_EQ(out.m_Palette.m_vBlock[0].m_strName, "");
    EXPECT_EQ(out.m_Palette.m_vBlock[0].m_cInheritKind, 0);
    for (u16 i = 1; i < 5; ++i) {
        EXPECT_EQ(out.m_Palette.m_vBlock[i].m_cInheritKind, 1) << i;
        EXPECT_EQ(out.m_Palette.m_vBlock[i].m_wInheritIndex, i);
        EXPECT_EQ(out.m_Palette.m_vBlock[i].m_strName, "b" + std::to_string(i));
    }
}

TEST_F(NewStage, APaletteFileGivesTheStagesPalette)
{
    cStage source;
    source.m_Palette.m_vItem.resize(6);
    source.m_Palette.m_vItem[5].m_strName = "鍵";
    ASSERT_TRUE(source.SavePalette("data\\plt4\\p.plt4"));
    cStage out;
    cNewStageChoice choice;
    choice.dwPalette = kNewPaletteFile;
    choice.strPaletteFile = "data\\plt4\\p.plt4";
    ASSERT_EQ(BuildNewStage(out, choice, m_Common, m_Options), eNewStage::Created);
    ASSERT_EQ(out.m_Palette.m_vItem.size(), 6u);
    EXPECT_EQ(out.m_Palette.m_vItem[5].m_strName, "鍵");
}

TEST_F(NewStage, FailuresNameTheFile)
{
    ASSERT_TRUE(WriteFileBytes("data\\plt4\\newer.plt4", {0xB7, 3, 0, 0, 0, 0, 0, 0}));  // 951
    const struct {
        cNewStageChoice choice;
        eNewStage eResult;
        const char* lpText;
    } kCases[] = {
        {{"", kNewPaletteFile, "data\\plt4\\none.plt4"}, eNewStage::PaletteMissing,
         "ステージパレットファイル data\\plt4\\none.plt4 が見つかりません！"},
        {{"data\\stg4\\none.stg4_950", kNewPaletteKeep, ""}, eNewStage::TemplateMissing,
         "ステージファイル data\\stg4\\none.stg4_950 が見つかりません！"},
        {{"", kNewPaletteFile, "data\\plt4\\newer.plt4"}, eNewStage::PaletteFailed,
         "ステージパレットファイル data\\plt4\\newer.plt4 の読み込みに失敗しました！\n編集中のステージはそのままです。"},
    };
    for (const auto& c : kCases) {
        cStage out;
        EXPECT_EQ(BuildNewStage(out, c.choice, m_Common, m_Options), c.eResult);
        EXPECT_EQ(NewStageFailureText(c.eResult, c.choice), c.lpText);
    }
}

}  // namespace
