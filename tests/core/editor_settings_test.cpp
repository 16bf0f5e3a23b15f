#include <gtest/gtest.h>

#include "data/edit_config.h"
#include "data/gval_info.h"
#include "data/project_paths.h"
#include "flow_test_util.h"

namespace {

class EditorSettings : public cFlowTest {};

struct cStoredWnd {
    u32 dwValid, dwX, dwY, dwW, dwH, dwVisible;
};

std::vector<u8> WndBody(u32 v, const cStoredWnd& w)
{
    return cVersionBody(v).U32(w.dwValid, 72).U32(w.dwX).U32(w.dwY).U32(w.dwW).U32(w.dwH).U32(w.dwVisible, 122).Get();
}

// An EditConfig.dat as version v stores it: the retired members, each
// multi-value setting as one field, the window records from 130.
struct cStoredConfig {
    std::string strLast = "data\\stg4\\a.stg4_950";
    std::string strTemplate = "data\\stg4\\t.stg4_***";
    u32 dwPalette = 3;
    std::string strPaletteFile = "data\\plt4\\p.plt4";
    u32 data[3] = {4, 5, 6};
    u32 stage[2] = {1, 1};
    u32 settings[9] = {11, 12, 13, 14, 15, 16, 17, 18, 19};
    std::string strConverter = "bmp\\変換";
    cStoredWnd wnd[11];
};

std::vector<u8> EditConfigFile(u32 v, const cStoredConfig& c)
{
    const u32* s = c.settings;
    cBytes b;
    b.U32(v).Raw(cVersionBody(v)
                     .Str("retired", 0, 129)
                     .Str(c.strLast, 73)
                     .Entry(cBytes().U32(7).U32(8), 288, 784)
                     .Str(c.strTemplate, 130).U32(c.dwPalette, 130).Str(c.strPaletteFile, 130)
                     .Entry(cBytes().U32(c.data[0]).U32(c.data[1]).U32(c.data[2]), 95)
                     .Entry(cBytes().U32(c.stage[0]).U32(c.stage[1]), 198)
                     .Str("retired 130", 130, 131)
                     .Entry(cBytes().U32(s[0]).U32(s[1]).U32(s[2]).U32(s[3]).U32(s[4]))
                     .Entry(cBytes().U32(s[5]).U32(s[6]).U32(s[7]), 87)
                     .U32(s[8])
                     .Str(c.strConverter)
                     .Get());
    if (v >= 130)
        for (const cStoredWnd& w : c.wnd) b.Raw(WndBody(v, w));
    return b;
}

cStoredConfig StoredConfig()
{
    cStoredConfig c;
    for (u32 i = 0; i < 11; ++i) c.wnd[i] = {1, 10 * i, 20 * i, 300, 200, i % 2};
    // Windows 3 to 6 already follow windows 1 and 2, as a save leaves them.
    c.wnd[3].dwVisible = c.wnd[5].dwVisible = c.wnd[1].dwVisible;
    c.wnd[4].dwVisible = c.wnd[6].dwVisible = c.wnd[2].dwVisible;
    return c;
}

TEST_F(EditorSettings, DefaultsLayoutAndRoundTrip)
{
    const cEditConfig d;
    EXPECT_EQ(d.m_strLastStage, "");
    EXPECT_EQ(d.m_strNewStageTemplate, "data\\stg4\\Default.stg4_***");
    EXPECT_EQ(d.m_dwNewStagePalette, 1u);
    EXPECT_EQ(d.m_strNewStagePaletteFile, "");
    EXPECT_EQ(std::vector<u32>(d.m_adwSetting, d.m_adwSetting + 9), (std::vector<u32>{0, 1, 1, 1, 0, 0, 1, 15, 0}));
    EXPECT_EQ(d.m_strConverterFolder, "bmp\\convert");
    EXPECT_EQ(cEditConfig::FieldTable().Count(950, false), 6u);
    EXPECT_STREQ(g_lpNewStagePaletteChoices[3], "ステージパレットファイルからコピー");

    FakeHost().m_nScreenWidth = 1024;
    FakeHost().m_nScreenHeight = 768;
    const std::vector<u8> file = EditConfigFile(950, StoredConfig());
    cEditConfig c;
    ASSERT_TRUE(LoadFromBytes(c, file));
    EXPECT_EQ(c.m_strLastStage, "data\\stg4\\a.stg4_950");
    EXPECT_EQ(c.m_dwNewStagePalette, 3u);
    EXPECT_EQ(c.m_adwStageSetting[1], 1u);
    EXPECT_EQ(c.m_adwSetting[8], 19u);
    EXPECT_EQ(c.m_WndPos[10].m_nX, 100);
    EXPECT_EQ(c.m_WndPos[10].m_nY, 200);
    EXPECT_EQ(c.m_strConverterFolder, "bmp\\変換");
    EXPECT_BYTES(file, SavedBytes(c));
    ExpectQuiet();
}

TEST_F(EditorSettings, OlderFiles)
{
    FakeHost().m_nScreenWidth = 1024;
    FakeHost().m_nScreenHeight = 768;
    const cStoredConfig stored = StoredConfig();
    const cEditConfig d;
    const struct {
        u32 dwVersion;
        bool bLast, bNewStage, bWindows, bData, bStage;
    } rows[] = {
        {72, false, false, false, false, false},  {86, true, false, false, false, false},
        {94, true, false, false, false, false},   {128, true, false, false, true, false},
        {129, true, false, false, true, false},   {130, true, true, true, true, false},
        {197, true, true, true, true, false},     {198, true, true, true, true, true},
        {300, true, true, true, true, true},      {784, true, true, true, true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.dwVersion);
        cEditConfig c;
        // Values of the open settings that a missing member must not keep.
        c.m_adwStageSetting[0] = c.m_adwStageSetting[1] = 9;
        ASSERT_TRUE(LoadFromBytes(c, EditConfigFile(r.dwVersion, stored)));
        EXPECT_EQ(c.m_strLastStage, r.bLast ? stored.strLast : "");
        EXPECT_EQ(c.m_strNewStageTemplate, r.bNewStage ? stored.strTemplate : d.m_strNewStageTemplate);
        EXPECT_EQ(c.m_dwNewStagePalette, r.bNewStage ? stored.dwPalette : 1u);
        EXPECT_EQ(c.m_WndPos[2].m_nX, r.bWindows ? 20 : 0);
        EXPECT_EQ(c.m_WndPos[2].m_dwValid, r.bWindows && r.dwVersion >= 72 ? 1u : 0u);
        EXPECT_EQ(c.m_adwDataWndSetting[2], r.bData ? 6u : 0u);
        EXPECT_EQ(c.m_adwStageSetting[0], r.bStage ? 1u : 0u);
        EXPECT_EQ(c.m_adwSetting[4], 15u);
        EXPECT_EQ(c.m_adwSetting[6], r.dwVersion >= 87 ? 17u : d.m_adwSetting[6]);
        EXPECT_EQ(c.m_adwSetting[8], 19u);
        EXPECT_EQ(c.m_strConverterFolder, stored.strConverter);
    }
    ExpectQuiet();
}

// Positions come back inside the screen's work area, and the palette
// windows' shown flags follow the block palettes'.
TEST_F(EditorSettings, WindowPositionsStayOnTheScreen)
{
    FakeHost().m_nScreenWidth = 1024;
    FakeHost().m_nScreenHeight = 768;
    cStoredConfig stored = StoredConfig();
    stored.wnd[0].dwX = static_cast<u32>(-200);
    stored.wnd[0].dwY = 5000;
    stored.wnd[1].dwVisible = 1;
    stored.wnd[2].dwVisible = 0;
    stored.wnd[3].dwVisible = 0;
    stored.wnd[6].dwVisible = 1;
    cEditConfig c;
    ASSERT_TRUE(LoadFromBytes(c, EditConfigFile(950, stored)));
    EXPECT_EQ(c.m_WndPos[0].m_nX, 0);
    EXPECT_EQ(c.m_WndPos[0].m_nY, 768);
    EXPECT_EQ(c.m_WndPos[3].m_dwVisible, 1u);
    EXPECT_EQ(c.m_WndPos[5].m_dwVisible, 1u);
    EXPECT_EQ(c.m_WndPos[4].m_dwVisible, 0u);
    EXPECT_EQ(c.m_WndPos[6].m_dwVisible, 0u);
    c.m_WndPos[2].m_dwVisible = 1;
    const std::vector<u8> saved = SavedBytes(c);
    EXPECT_EQ(c.m_WndPos[6].m_dwVisible, 1u);
    cEditConfig back;
    ASSERT_TRUE(LoadFromBytes(back, saved));
    EXPECT_TRUE(back == c);
}

TEST_F(EditorSettings, VariableInfo)
{
    cGValInfo names(3);
    names[1].m_strName = "スコア";
    names[2].m_strName = "鍵の数";
    ASSERT_TRUE(SaveGValInfo(names, "g.dat"));
    const std::vector<u8> file = cBytes().U32(950).U32(3).U32(0).U32(1).Str("").U32(0).U32(1).Str("スコア").U32(0).U32(1).Str("鍵の数");
    EXPECT_BYTES(file, ReadFileBytes("g.dat"));

    cGValInfo loaded(1000);
    ASSERT_TRUE(LoadGValInfo(loaded, "g.dat"));
    EXPECT_EQ(loaded, names);

    // A count of 0 (or below) leaves the list; a damaged or missing file
    // fails and leaves it too.
    const struct {
        const char* lpWhat;
        std::vector<u8> file;
        bool bOk;
    } rows[] = {
        {"count 0", cBytes().U32(950).U32(0), true},
        {"negative count", cBytes().U32(950).U32(0x80000000), true},
        {"cut short", std::vector<u8>(file.begin(), file.end() - 2), false},
        {"count past the file", cBytes().U32(950).U32(1000000), false},
        {"newer", cBytes().U32(951).U32(0), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        ASSERT_TRUE(WriteFileBytes("g.dat", r.file));
        cGValInfo list = names;
        EXPECT_EQ(LoadGValInfo(list, "g.dat"), r.bOk);
        EXPECT_EQ(list, names);
    }
    cGValInfo list;
    EXPECT_FALSE(LoadGValInfo(list, "missing.dat"));
    SetFatalError();
    EXPECT_FALSE(SaveGValInfo(names, "g.dat"));
}

}  // namespace
