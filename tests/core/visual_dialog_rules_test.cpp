// The rules of the status 2, vanish, item get, graphic change, effect,
// picture and screen colour dialogs without a window.
#include <gtest/gtest.h>

#include "command_editor/rules/visual_rules.h"
#include "flow/cmd_params.h"
#include "flow/option_names.h"
#include "flow/status_tables.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

using tRange = std::pair<s32, s32>;

tRange RangeOf(const cRefreshOut& out, u16 wId)
{
    tRange range{-1, -1};
    return out.RangeOf(wId, range.first, range.second) ? range : tRange{-99, -99};
}

s32 ShownValue(const cRefreshOut& out, u16 wId)
{
    s32 nValue = -1;
    return out.ValueOf(wId, nValue) ? nValue : -1;
}

std::vector<std::string> RowsOf(const cRefreshOut& out, u16 wId)
{
    std::vector<std::string> rows;
    if (const cItemSource* lpItems = out.ItemsOf(wId)) BuildItems(*lpItems, rows);
    return rows;
}

s32 BaseOf(const cRefreshOut& out, u16 wId)
{
    const cCtrlDecision* d = out.Find(wId);
    return d && d->bBase ? d->nBase : -1;
}

TEST(VisualRules, StatusOperation2ListsAndCrushAvoidance)
{
    const std::initializer_list<u16> kCrush = {1492, 1493, 1494, 1495};
    // A chara's flight: the four crush-avoidance controls.
    cRefreshOut flight;
    StateOp2Refresh({{11174, 2}, {1173, 3}, {1397, 1}}, cRefreshFacts(), flight);
    EXPECT_EQ(RowsOf(flight, 1173).size(), 7u);
    EXPECT_EQ(RowsOf(flight, 1397).front(), "OFF");
    EXPECT_EQ(RowsOf(flight, 1397).size(), 4u);
    EXPECT_EQ(BaseOf(flight, 1397), 0);
    for (u16 wId : kCrush) EXPECT_EQ(flight.Enabled(wId), 1) << wId;

    // "巨大化" counts from 1: "しない" is 1, "×100" 10.
    cRefreshOut giant;
    StateOp2Refresh({{11174, 0}, {1173, 5}}, cRefreshFacts(), giant);
    EXPECT_EQ(BaseOf(giant, 1397), 1);
    const std::vector<std::string> sizes = RowsOf(giant, 1397);
    ASSERT_EQ(sizes.size(), 10u);
    EXPECT_EQ(sizes.front(), "しない");
    EXPECT_EQ(sizes.back(), "×100");
    for (u16 wId : kCrush) EXPECT_EQ(giant.Enabled(wId), 0) << wId;

    // The system: its two states, no crush avoidance even for row 3.
    cRefreshOut system;
    StateOp2Refresh({{11174, 5}, {1173, 1}}, cRefreshFacts(), system);
    EXPECT_EQ(RowsOf(system, 1173), (std::vector<std::string>{"横スクロール", "縦スクロール"}));
    EXPECT_EQ(RowsOf(system, 1397).back(), "オートスクロール");
    for (u16 wId : kCrush) EXPECT_EQ(system.Enabled(wId), 0) << wId;
    cRefreshOut systemRow3;
    StateOp2Refresh({{11174, 5}, {1173, 3}}, cRefreshFacts(), systemRow3);
    EXPECT_EQ(systemRow3.ItemsOf(1397), nullptr) << "the system has no state 3";
    EXPECT_EQ(systemRow3.Enabled(1492), 0);

    cRefreshOut noSubject;
    StateOp2Refresh({{1173, 3}}, cRefreshFacts(), noSubject);
    EXPECT_TRUE(noSubject.Decisions().empty());
}

TEST(VisualRules, VanishAndItemGet)
{
    for (s64 nWhat : {0, 1, 2, 5}) {
        cRefreshOut out;
        VanishRefresh({{11175, nWhat}}, cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(1391), nWhat <= 1 ? 1 : 0) << nWhat;
        EXPECT_EQ(out.Enabled(1261), nWhat <= 1 ? 1 : 0) << nWhat;
    }
    cRefreshFacts common;
    common.nEntryEditMode = 2;
    cRefreshOut commonEntry;
    ItemGetRefresh({{1408, 1}}, common, commonEntry);
    EXPECT_EQ(RowsOf(commonEntry, 1408), (std::vector<std::string>{"コモンパレット"}));
    EXPECT_EQ(commonEntry.ItemsOf(1409)->m_nArg, static_cast<s32>(ePaletteList::CommonItem));
    for (u32 nMode : {0u, 1u}) {
        cRefreshFacts facts;
        facts.nEntryEditMode = nMode;
        cRefreshOut out;
        ItemGetRefresh({{1408, 1}}, facts, out);
        EXPECT_EQ(RowsOf(out, 1408), (std::vector<std::string>{"コモンパレット", "ステージパレット"}));
        EXPECT_EQ(out.ItemsOf(1409)->m_nArg, static_cast<s32>(ePaletteList::StageItem));
    }
}

TEST(VisualRules, GraphicChangeLimitsByKind)
{
    struct cCase {
        s64 nKind;
        u32 nBitmaps;  // records of the chara special bitmap table, record 0 included
        tRange number;
        int nOffset;   // 1 enabled, 0 disabled
        tRange offset;
        int nPicker;
    };
    const cCase cases[] = {
        {0, 5, {1, 119}, 0, {-99, -99}, 1},
        {1, 5, {1, 119}, 1, {-19, 19}, 1},
        {2, 5, {1, 119}, 0, {-99, -99}, 1},
        {3, 5, {1, 119}, 0, {-99, -99}, 1},
        {4, 5, {1, 4}, 1, {-239, 239}, 0},
        // No bitmap beyond record 0: 1 still, never 1..0 or 1..-1.
        {4, 1, {1, 1}, 1, {-239, 239}, 0},
        {4, 0, {1, 1}, 1, {-239, 239}, 0},
        {4, 2, {1, 1}, 1, {-239, 239}, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.nKind << ", " << c.nBitmaps << " bitmaps");
        cFakeFlowRefs refs;
        refs.Set(eFlowRefTable::CharaExcBmp, c.nBitmaps);
        SetFlowRefs(&refs);
        cRefreshOut out;
        GraphicChangeRefresh({{1254, c.nKind}, {1036, 50}, {1038, 100}}, cRefreshFacts(), out);
        EXPECT_EQ(RangeOf(out, 1036), c.number);
        EXPECT_EQ(out.Enabled(1038), c.nOffset);
        EXPECT_EQ(RangeOf(out, 1038), c.offset);
        EXPECT_EQ(out.Enabled(1446), c.nPicker);
        // The parameter table gives the same limits, so a stored number
        // passes the command's repair.
        cCommand cmd = MakeCommand(0, 26, {static_cast<u32>(c.nKind), 1, 0});
        s32 nMin = 0, nMax = 0;
        GetParamRange(cmd, 1, nMin, nMax);
        EXPECT_EQ(tRange(nMin, nMax), c.number);
        SetFlowRefs(nullptr);
    }
    EXPECT_EQ(SpecialBitmapNumberMax(200), 199);
}

TEST(VisualRules, EffectRunErasesAndPlaces)
{
    const std::initializer_list<u16> kAll = {1232, 1499, 1206, 1210, 1040, 1048, 1208, 1231};
    cRefreshOut erase;
    EffectRunRefresh({{1230, 0}, {1232, 5}}, cRefreshFacts(), erase);
    for (u16 wId : kAll) EXPECT_EQ(erase.Enabled(wId), 0) << wId;
    for (s64 nPosition = 0; nPosition <= 6; ++nPosition) {
        cRefreshOut out;
        EffectRunRefresh({{1230, 2}, {1232, nPosition}}, cRefreshFacts(), out);
        for (u16 wId : {1232, 1040, 1048, 1208, 1231}) EXPECT_EQ(out.Enabled(wId), 1) << wId;
        for (u16 wId : {1499, 1206, 1210}) EXPECT_EQ(out.Enabled(wId), nPosition >= 3 ? 1 : 0) << nPosition;
    }
}

TEST(VisualRules, PictureByDurationAndErase)
{
    // Until the key: the pause is forced on.
    cRefreshOut key;
    PictureRefresh({{1234, 1}, {1232, 0}, {1233, 0}, {1460, 0}}, cRefreshFacts(), key);
    EXPECT_EQ(key.Checked(1231), 1);
    for (u16 wId : {1456, 1113, 1239, 1231, 1499, 1461}) EXPECT_EQ(key.Enabled(wId), 0) << wId;
    EXPECT_EQ(key.Enabled(1233), 1);

    // Until the stage ends: the pause is cleared, the following counts.
    cRefreshOut stage;
    PictureRefresh({{1234, 1}, {1232, 4}, {1233, 1}, {1460, 1}}, cRefreshFacts(), stage);
    EXPECT_EQ(stage.Checked(1231), 0);
    EXPECT_EQ(stage.Enabled(1456), 1);
    for (u16 wId : {1113, 1239, 1231}) EXPECT_EQ(stage.Enabled(wId), 0) << wId;
    EXPECT_EQ(stage.Enabled(1206), 1);
    EXPECT_EQ(stage.Enabled(1461), 1);

    // By time: a momentary picture shows time 1.
    cRefreshOut momentary;
    PictureRefresh({{1234, 1}, {1233, 2}, {1239, 1}, {1113, 50}}, cRefreshFacts(), momentary);
    EXPECT_EQ(ShownValue(momentary, 1113), 1);
    EXPECT_EQ(momentary.Enabled(1113), 0);
    EXPECT_EQ(momentary.Enabled(1231), 1);
    EXPECT_EQ(momentary.Checked(1231), -1) << "the user's pause stays";
    cRefreshOut timed;
    PictureRefresh({{1234, 1}, {1233, 2}, {1239, 0}, {1113, 50}}, cRefreshFacts(), timed);
    EXPECT_EQ(ShownValue(timed, 1113), -1);
    EXPECT_EQ(timed.Enabled(1113), 1);

    // An erase greys everything but the ID.
    cRefreshOut erase;
    PictureRefresh({{1234, 0}, {1233, 2}, {1460, 1}}, cRefreshFacts(), erase);
    for (u16 wId : {1232, 1499, 1206, 1210, 1040, 1048, 1181, 1456, 1208, 1233, 1113, 1239, 1231})
        EXPECT_EQ(erase.Enabled(wId), 0) << wId;
    EXPECT_EQ(erase.Checked(1231), -1);
    EXPECT_EQ(erase.Enabled(1460), -1);
    EXPECT_EQ(erase.Enabled(1461), 1);
}

TEST(VisualRules, ScreenColorRestoreAndFlash)
{
    const std::initializer_list<u16> kColour = {kColorRed, kColorGreen, kColorBlue, kColorPercent};
    cRefreshOut restore;
    ScreenColorRefresh({{1241, 1}, {1248, 1}}, cRefreshFacts(), restore);
    for (u16 wId : kColour) EXPECT_EQ(restore.Enabled(wId), 0) << wId;
    EXPECT_EQ(restore.Enabled(1248), 0);
    EXPECT_EQ(restore.Enabled(1208), 0);
    EXPECT_EQ(restore.Checked(1248), 0);
    for (s64 nFlash : {0, 1}) {
        cRefreshOut out;
        ScreenColorRefresh({{1241, 0}, {1248, nFlash}}, cRefreshFacts(), out);
        for (u16 wId : kColour) EXPECT_EQ(out.Enabled(wId), 1) << wId;
        EXPECT_EQ(out.Enabled(1248), 1);
        EXPECT_EQ(out.Enabled(1208), nFlash);
        EXPECT_EQ(out.Checked(1248), -1);
    }
}

}  // namespace
