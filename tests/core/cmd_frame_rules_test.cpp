// The command editing frame's rules without a window: the palettes' table,
// the numbered rows of database tables, item sources, the refresh rules of
// the jump, arrange and flow-change dialogs, and the graphic picker's cells.
#include <gtest/gtest.h>

#include "app/picker_rules.h"
#include "command_editor/rules/cmd_palette_rules.h"
#include "command_editor/rules/frame_refresh.h"
#include "data/project_data.h"
#include "data/project_var_names.h"
#include "flow/project_vars.h"
#include "flow/var_names.h"
#include "support/test_env.h"

namespace {

struct cNamed {
    std::string m_strName;
};

std::vector<cNamed> Table(std::initializer_list<const char*> names)
{
    std::vector<cNamed> table;
    for (const char* lpName : names) table.push_back({lpName});
    return table;
}

TEST(CmdPaletteRules, ButtonsSkip1299AndKindsMapToTheirDialogs)
{
    EXPECT_EQ(PaletteButtonId(0), 0);
    EXPECT_EQ(PaletteButtonId(1), 1267);
    EXPECT_EQ(PaletteButtonId(32), 1298);
    EXPECT_EQ(PaletteButtonId(33), 1300);
    EXPECT_EQ(PaletteButtonId(39), 1306);
    EXPECT_EQ(PaletteButtonId(45), 1312);
    EXPECT_EQ(PaletteButtonId(46), 0);
    for (u32 k = 1; k < kPaletteRows; ++k) EXPECT_EQ(PaletteRowOfButton(PaletteButtonId(k)), k);
    EXPECT_EQ(PaletteRowOfButton(1299), 0u);
    EXPECT_EQ(PaletteRowOfButton(1266), 0u);

    EXPECT_EQ(PaletteKindCount(0), 39u);
    EXPECT_EQ(PaletteKindCount(1), 24u);
    const struct {
        u32 nSet, nKind;
        u16 wDialog;
    } cases[] = {
        {0, 0, 0},     {0, 1, 207},   {0, 8, 273},  {0, 9, 263},  {0, 10, 243}, {0, 16, 225}, {0, 17, 245},
        {0, 35, 228},  {0, 36, 229},  {0, 37, 252}, {0, 38, 279}, {0, 39, 280}, {0, 40, 0},   {0, 45, 0},
        {0, 255, 0},   {1, 0, 0},     {1, 1, 217},  {1, 2, 245},  {1, 9, 281},  {1, 20, 228}, {1, 21, 229},
        {1, 22, 252},  {1, 23, 279},  {1, 24, 280}, {1, 25, 0},   {1, 45, 0},   {7, 1, 217},
    };
    for (const auto& c : cases) EXPECT_EQ(CmdDialogId(c.nSet, c.nKind), c.wDialog) << c.nSet << "/" << c.nKind;
}

TEST(FillComboNumbered, FirstRowNumbersAndShortTables)
{
    std::vector<std::string> out{"stale"};
    const auto only0 = Table({"なし"});
    FillComboNumbered(out, only0, "なし", 0, 2);
    EXPECT_EQ(out, (std::vector<std::string>{"なし"})) << "row 0 alone gives the first-row text";
    FillComboNumbered(out, only0, nullptr, 1, 3);
    EXPECT_TRUE(out.empty()) << "first row 1 of a table of one row gives no item";
    FillComboNumbered(out, Table({}), "なし", 0, 2);
    EXPECT_TRUE(out.empty()) << "an empty table";
    FillComboNumbered(out, only0, nullptr, 5, 2);
    EXPECT_TRUE(out.empty()) << "a table shorter than its first row";
    FillComboNumbered(out, only0, nullptr, -1, 2);
    EXPECT_TRUE(out.empty());

    const auto three = Table({"なし", "爆発", "閃光"});
    FillComboNumbered(out, three, "なし（変更しない）", 0, 2);
    EXPECT_EQ(out, (std::vector<std::string>{"なし（変更しない）", "01 爆発", "02 閃光"}));
    FillComboNumbered(out, three, nullptr, 1, 3);
    EXPECT_EQ(out, (std::vector<std::string>{"001 爆発", "002 閃光"}));
    FillComboNumbered(out, three, nullptr, 0, 2, 1);
    EXPECT_EQ(out, (std::vector<std::string>{"01 なし", "02 爆発", "03 閃光"})) << "all rows real, numbered from 1";

    std::vector<cNamed> big(124, cNamed{"x"});
    FillComboNumbered(out, big, nullptr, 0, 2);
    EXPECT_EQ(out[5], "05 x");
    EXPECT_EQ(out[123], "123 x") << "padded, never cut";
}

class ItemSources : public cCoreTest {
protected:
    void TearDown() override
    {
        g_Database.SetDefaults();
        SetVarNames(nullptr);
        cCoreTest::TearDown();
    }
};

TEST_F(ItemSources, EachSourceBuildsItsRowsAndComparesByValue)
{
    g_Database.m_vSound.resize(3);
    g_Database.m_vSound[1].m_strName = "ジャンプ";
    g_Database.m_vSound[2].m_strName = "着地";
    cMemoryVarNames names;
    names.List(eVarScope::Common)[1] = "所持金";
    names.List(eVarScope::Stage)[2] = "扉";
    SetVarNames(&names);
    std::vector<std::string> out;
    BuildItems(DbRows(eDbTable::Sound, 1, nullptr, 3), out);
    EXPECT_EQ(out, (std::vector<std::string>{"001 ジャンプ", "002 着地"}));
    BuildItems(DbRows(eDbTable::Sound, 0, "なし", 2), out);
    EXPECT_EQ(out, (std::vector<std::string>{"なし", "01 ジャンプ", "02 着地"}));
    BuildItems(Rows(eRows::CommonVars), out);
    ASSERT_EQ(out.size(), 999u);
    EXPECT_EQ(out[0], "001 所持金");
    EXPECT_EQ(out[998], "999 ");
    BuildItems(Rows(eRows::StageVars), out);
    EXPECT_EQ(out[1], "002 扉");
    BuildItems(Rows(eRows::FlowKinds), out);
    ASSERT_EQ(out.size(), 39u);
    EXPECT_EQ(out[0], "ウエイト");
    EXPECT_EQ(out[38], "ループ");
    BuildItems(Rows(eRows::ArrangeParams, 6), out);
    EXPECT_EQ(out, (std::vector<std::string>{"誘導性能の悪さ", "分身値による増加誘導性能の悪さ", "目標Xのズレ(bl)",
                                             "目標Xのズレ(dot)", "目標Yのズレ(bl)", "目標Yのズレ(dot)"}));
    BuildItems(Rows(eRows::ArrangeParams, 1), out);
    EXPECT_EQ(out, (std::vector<std::string>{"×　非対応"}));
    BuildItems(Names(g_CharaVarNames), out);
    EXPECT_EQ(out.size(), 8u);

    EXPECT_EQ(DbRows(eDbTable::Sound, 0, "なし", 2), DbRows(eDbTable::Sound, 0, "なし", 2));
    EXPECT_NE(DbRows(eDbTable::Sound, 0, "なし", 2), DbRows(eDbTable::Sound, 1, "なし", 2));
    EXPECT_NE(DbRows(eDbTable::Sound, 0, "なし", 2), DbRows(eDbTable::Bgm, 0, "なし", 2));
    EXPECT_NE(Rows(eRows::ArrangeParams, 2), Rows(eRows::ArrangeParams, 3));
    EXPECT_NE(Rows(eRows::CommonVars), Rows(eRows::StageVars));
}

// One case of a refresh table: the values shown, then what must follow.
struct cRefreshCase {
    const char* lpWhat;
    cCtrlValues in;
    std::vector<std::pair<u16, int>> enabled;  // control, 0 or 1 (-1: left alone)
};

void CheckTable(fnRefresh pfnRefresh, const std::vector<cRefreshCase>& cases)
{
    for (const cRefreshCase& c : cases) {
        cRefreshOut out;
        pfnRefresh(c.in, cRefreshFacts(), out);
        for (const auto& e : c.enabled) EXPECT_EQ(out.Enabled(e.first), e.second) << c.lpWhat << ", control " << e.first;
    }
}

TEST(FrameRefresh, JumpEnablesTheSpeedThresholdsOnlyForTheSpeedType)
{
    CheckTable(JumpRefresh, {
                                {"no type shown", {}, {{1309, -1}, {1311, -1}, {1307, -1}, {1305, -1}}},
                                {"keys cannot adjust", {{1178, 0}}, {{1309, 0}, {1311, 0}, {1307, 0}, {1305, -1}}},
                                {"keys adjust", {{1178, 1}}, {{1309, 0}, {1311, 0}, {1307, 0}, {1305, -1}}},
                                {"by speed", {{1178, 2}}, {{1309, 1}, {1311, 1}, {1307, 1}, {1305, -1}}},
                            });
}

TEST(FrameRefresh, FlowChangeByOperation)
{
    CheckTable(FlowChangeRefresh, {
                                      {"no operation shown", {}, {{1096, -1}, {1179, -1}}},
                                      {"追加", {{1178, 0}}, {{1096, 0}, {1179, 1}}},
                                      {"変更", {{1178, 1}}, {{1096, 1}, {1179, 1}}},
                                      {"削除", {{1178, 2}}, {{1096, 1}, {1179, 0}}},
                                  });
}

TEST_F(ItemSources, ArrangeFollowsTheTargetKindAndTheVariableKind)
{
    CheckTable(ArrangeRefresh,
               {
                   {"a kind without parameters", {{1473, 1}, {1471, 0}}, {{1471, 0}, {1472, 0}, {1174, 0}, {1050, 0}}},
                   {"common variables", {{1473, 2}, {1471, 0}}, {{1471, 1}, {1472, 1}, {1174, 1}, {1050, 1}}},
                   {"stage variables", {{1473, 2}, {1471, 1}}, {{1471, 1}, {1472, 1}, {1174, 1}, {1050, 1}}},
                   {"chara variables", {{1473, 2}, {1471, 2}}, {{1471, 1}, {1472, 1}, {1174, 1}, {1050, 0}}},
               });
    const struct {
        s64 nKind, nVarKind;
        cItemSource params, vars;
    } sources[] = {
        {2, 0, Rows(eRows::ArrangeParams, 2), Rows(eRows::CommonVars)},
        {2, 1, Rows(eRows::ArrangeParams, 2), Rows(eRows::StageVars)},
        {2, 2, Rows(eRows::ArrangeParams, 2), Names(g_CharaVarNames)},
    };
    for (const auto& s : sources) {
        cRefreshOut out;
        ArrangeRefresh({{1473, s.nKind}, {1471, s.nVarKind}}, cRefreshFacts(), out);
        ASSERT_TRUE(out.ItemsOf(1470) && out.ItemsOf(1472));
        EXPECT_EQ(*out.ItemsOf(1470), s.params);
        EXPECT_EQ(*out.ItemsOf(1472), s.vars) << "variable kind " << s.nVarKind;
    }
    cRefreshOut out;
    ArrangeRefresh({{1473, 39}, {1471, 0}}, cRefreshFacts(), out);
    ASSERT_TRUE(out.ItemsOf(1470));
    std::vector<std::string> rows;
    BuildItems(*out.ItemsOf(1470), rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"×　非対応"}));
    EXPECT_EQ(out.ItemsOf(1472), nullptr) << "the variable rows stay while greyed";
}

TEST(PickerRules, CellsRunDownEachColumnAndKindsPickTheirSheet)
{
    EXPECT_EQ(PickerCellAt(0, 0), 0);
    EXPECT_EQ(PickerCellAt(31, 31), 0);
    EXPECT_EQ(PickerCellAt(0, 32), 1);
    EXPECT_EQ(PickerCellAt(32, 0), 15) << "column 1, row 0";
    EXPECT_EQ(PickerCellAt(255, 479), 119) << "the bottom-right cell";
    EXPECT_EQ(PickerCellX(119), 224);
    EXPECT_EQ(PickerCellY(119), 448);
    EXPECT_EQ(PickerCellX(15), 32);
    EXPECT_EQ(PickerCellY(15), 0);
    const int kSheets[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, -1}, {5, 0}, {-1, 0}, {255, 0}};
    for (const auto& k : kSheets) EXPECT_EQ(PickerSheetForKind(k[0]), k[1]) << "kind " << k[0];
}

}  // namespace

namespace {

TEST(ProjectVarNames, NamesOfBothScopesBoundedAndRow0Fixed)
{
    cGValInfo common(3);
    common[1].m_strName = "所持金";
    std::vector<cStageRecord> stage(2);
    stage[1].m_strName = "扉";
    cProjectVarNames names(common, stage, "data\\GValInfo.dat");
    EXPECT_EQ(names.Count(eVarScope::Common), 3u);
    EXPECT_EQ(names.Count(eVarScope::Stage), 2u);
    EXPECT_EQ(names.Name(eVarScope::Common, 1), "所持金");
    EXPECT_EQ(names.Name(eVarScope::Stage, 1), "扉");
    EXPECT_EQ(names.Name(eVarScope::Stage, 2), "");
    EXPECT_EQ(names.Name(eVarScope::Common, 70000), "");
    EXPECT_FALSE(names.SetName(eVarScope::Common, 0, "x"));
    EXPECT_FALSE(names.SetName(eVarScope::Stage, 2, "x"));
    EXPECT_TRUE(names.SetName(eVarScope::Common, 2, "鍵"));
    EXPECT_EQ(common[2].m_strName, "鍵");
}

}  // namespace
