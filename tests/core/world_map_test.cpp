#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/file_system.h"
#include "data/world_edit_state.h"
#include "data/world_map.h"
#include "support/test_env.h"

namespace {

const char* const kPath = "WorldMap.dat";

// Hand-built bytes of WorldMap.dat, field by field as the file stores them.
struct cPageBytes {
    // type, graphic, world number, pass without clear, play after clear,
    // clear action, appearance world, condition variable, value, comparison,
    // minimum total score, change variable, variable to change, value.
    std::array<u32, 14> n = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    std::string strWorld, strStage;
};

cBytes& Page(cBytes& b, u32 v, const cPageBytes& p)
{
    const u32 nCount = v >= 758 ? 14 : v >= 209 ? 11 : 10;
    b.U32(nCount);
    for (u32 i = 0; i < nCount; ++i) b.U32(p.n[i]);
    return b.U32(2).Str(p.strWorld).Str(p.strStage);
}

cBytes& Event(cBytes& b, u32 v, u32 x, u32 y, const std::string& strName, const std::vector<cPageBytes>& pages)
{
    b.U32(2).U32(x).U32(y).U32(1).Str(strName).U32(static_cast<u32>(pages.size()));
    for (const cPageBytes& p : pages) Page(b, v, p);
    return b;
}

cBytes& Chip(cBytes& b, u32 dwNumber, u32 bNotPassable, u32 dwGraphic, const std::string& strName,
             const std::string& strNote = "")
{
    return b.U32(3).U32(dwNumber).U32(bNotPassable).U32(dwGraphic).U32(2).Str(strName).Str(strNote);
}

struct cHeader {
    u32 w = 20, h = 15, pitch = 32, shift = 5, x = 9, y = 7, color = 16, useImage = 0;
    std::string strName = "ワールド", strImage;
};

cBytes& Header(cBytes& b, u32 v, const cHeader& h)
{
    b.U32(v).U32(8).U32(h.w).U32(h.h).U32(h.pitch).U32(h.shift).U32(h.x).U32(h.y).U32(h.color).U32(h.useImage);
    return b.U32(2).Str(h.strName).Str(h.strImage);
}

cBytes& Grid(cBytes& b, const std::vector<u32>& cells)
{
    b.U32(static_cast<u32>(cells.size()));
    for (u32 c : cells) b.U32(c);
    return b;
}

// A whole file: header, chips, grid, events, and the one default template.
cBytes MapFile(u32 v, const cHeader& h, const std::function<void(cBytes&)>& chips, const std::vector<u32>& cells,
               const std::function<void(cBytes&)>& events = nullptr)
{
    cBytes b;
    Header(b, v, h);
    chips(b);
    Grid(b, cells);
    if (events)
        events(b);
    else
        b.U32(0);
    b.U32(1);
    Event(b, v, 0, 0, "デフォルト", {cPageBytes()});
    return b;
}

std::vector<u8> SavedBytes(const cWorldMap& map)
{
    EXPECT_EQ(map.SaveFile(kPath), 1u);
    return ReadFileBytes(kPath);
}

class WorldMap : public cCoreTest {};

TEST_F(WorldMap, DefaultsAndTheirFileByteForByte)
{
    cWorldMap map;
    EXPECT_EQ(map.m_dwWidth, 20u);
    EXPECT_EQ(map.m_dwHeight, 15u);
    EXPECT_EQ(map.m_dwPitch, 32u);
    EXPECT_EQ(map.m_dwPitchShift, 5u);
    EXPECT_EQ(map.m_vCell, std::vector<u32>(32 * 15, 0));
    EXPECT_TRUE(map.m_vChip.empty());
    EXPECT_TRUE(map.m_vEvent.empty());
    ASSERT_EQ(map.m_vTemplate.size(), 1u);
    EXPECT_EQ(map.m_vTemplate[0].m_strName, "デフォルト");
    ASSERT_EQ(map.m_vTemplate[0].m_vPage.size(), 1u);
    EXPECT_EQ(map.m_vTemplate[0].m_vPage[0].m_dwChangeVarNo, 1u);

    cBytes expected = MapFile(950, cHeader(), [](cBytes& b) { b.U32(0); }, std::vector<u32>(480, 0));
    EXPECT_BYTES(expected, SavedBytes(map));
}

TEST_F(WorldMap, PitchIsTheNextPowerOfTwo)
{
    const struct {
        u32 dwWidth, dwShift;
    } cases[] = {{1, 0}, {2, 1}, {3, 2}, {20, 5}, {32, 5}, {33, 6}, {200, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dwWidth);
        EXPECT_EQ(cWorldMap::CalcPitchShift(c.dwWidth), c.dwShift);
    }
}

TEST_F(WorldMap, RoundTripOfChipsEventsAndPages)
{
    cPageBytes road;
    road.n = {1, 3, 0, 1, 0, 2, 4, 7, static_cast<u32>(-999999), 3, static_cast<u32>(-5), 1, 12,
              static_cast<u32>(-3)};
    road.strWorld = "草原";
    road.strStage = "data\\stg4\\a.stg4_950";
    std::vector<u32> cells(32 * 15, 0);
    cells[(3 << 5) + 4] = 1;
    cBytes file = MapFile(
        950, cHeader{20, 15, 32, 5, 2, 3, 40, 1, "名前", "bmp\\WorldBack.bmp"},
        [](cBytes& b) {
            b.U32(2);
            Chip(b, 0, 1, 0, "海");
            Chip(b, 1, 0, 74, "道", "memo");
        },
        cells,
        [&](cBytes& b) {
            b.U32(1);
            Event(b, 950, 4, 3, "城", {cPageBytes(), road});
        });
    ASSERT_TRUE(WriteFileBytes(kPath, file));
    cWorldMap map;
    ASSERT_EQ(map.LoadFile(kPath), 1u);
    EXPECT_EQ(map.m_strBackImage, "bmp\\WorldBack.bmp");
    ASSERT_EQ(map.m_vChip.size(), 2u);
    EXPECT_EQ(map.m_vChip[1].m_strNote, "memo");
    ASSERT_EQ(map.m_vEvent.size(), 1u);
    ASSERT_EQ(map.m_vEvent[0].m_vPage.size(), 2u);
    EXPECT_EQ(map.m_vEvent[0].m_vPage[1].m_nCondValue, -999999);
    EXPECT_EQ(map.m_vEvent[0].m_vPage[1].m_nChangeValue, -3);
    EXPECT_EQ(map.m_vEvent[0].m_vPage[1].m_strStartStage, "data\\stg4\\a.stg4_950");
    EXPECT_BYTES(file, SavedBytes(map));
}

TEST_F(WorldMap, OldFilesMigrate)
{
    cPageBytes page;
    page.n[1] = 2;
    const auto OneEvent = [&](u32 v) {
        return [=](cBytes& b) {
            b.U32(1);
            Event(b, v, 1, 1, "e", {page});
        };
    };
    const auto OneChip = [](cBytes& b) {
        b.U32(1);
        Chip(b, 0, 0, 9, "自作");
    };
    // What version 950 writes back: the ten chips of old files, or the
    // stored one.
    const auto TenChips = [](cBytes& b) {
        b.U32(10);
        for (u32 i = 0; i < 10; ++i) Chip(b, i, i < 5, i, i < 5 ? "移動不可" : "移動可");
    };
    const struct {
        const char* lpWhat;
        u32 v;
        bool bTenChips;
    } cases[] = {
        {"208: pages of 10 fields, the chip table replaced", 208, true},
        {"700: pages of 11 fields", 700, true},
        {"811: the chip table replaced", 811, true},
        {"812: the stored chip table kept", 812, false},
    };
    const std::vector<u32> cells(32 * 15, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        ASSERT_TRUE(WriteFileBytes(kPath, MapFile(c.v, cHeader(), OneChip, cells, OneEvent(c.v))));
        cWorldMap map;
        ASSERT_EQ(map.LoadFile(kPath), 1u);
        EXPECT_BYTES(MapFile(950, cHeader(), c.bTenChips ? std::function<void(cBytes&)>(TenChips) : OneChip, cells,
                             OneEvent(950)),
                     SavedBytes(map));
    }
}

TEST_F(WorldMap, SizePitchAndGridThatDisagreeMarkTheFileDamaged)
{
    const std::vector<u32> grid480(480, 0);
    const auto NoChips = [](cBytes& b) { b.U32(0); };
    const struct {
        const char* lpWhat;
        cHeader h;
        std::vector<u32> cells;
    } cases[] = {
        {"width 0", cHeader{0, 15, 1, 0}, std::vector<u32>(15, 0)},
        {"height 0", cHeader{20, 0, 32, 5}, {}},
        {"pitch below the width", cHeader{20, 15, 16, 4}, std::vector<u32>(240, 0)},
        {"pitch not a power of two", cHeader{20, 15, 24, 5}, std::vector<u32>(360, 0)},
        {"shift that disagrees with the pitch", cHeader{20, 15, 32, 6}, grid480},
        {"pitch larger than the next power of two", cHeader{20, 15, 64, 6}, std::vector<u32>(960, 0)},
        {"one cell short", cHeader(), std::vector<u32>(479, 0)},
        {"one cell too many", cHeader(), std::vector<u32>(481, 0)},
        {"no grid stored and the grid in memory of another size", cHeader{40, 15, 64, 6}, {}},
    };
    cWorldMap map;
    map.m_strName = "unchanged";
    const std::vector<u8> before = SavedBytes(map);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        ASSERT_TRUE(WriteFileBytes(kPath, MapFile(950, c.h, NoChips, c.cells)));
        EXPECT_EQ(map.LoadFile(kPath), 0u);
        EXPECT_EQ(g_bNewerFile, 0u);
        EXPECT_BYTES(before, SavedBytes(map)) << "a failed load leaves the map as it was";
    }

    // A stored grid of count 0 keeps the grid in memory when that fits.
    ASSERT_TRUE(WriteFileBytes(kPath, MapFile(950, cHeader{30, 15, 32, 5}, NoChips, {})));
    EXPECT_EQ(map.LoadFile(kPath), 1u);
    EXPECT_EQ(map.m_vCell.size(), 480u);

    // A truncated file and a newer one.
    cBytes whole = MapFile(950, cHeader(), NoChips, grid480);
    std::vector<u8> cut(whole.Get().begin(), whole.Get().end() - 3);
    ASSERT_TRUE(WriteFileBytes(kPath, cut));
    EXPECT_EQ(map.LoadFile(kPath), 0u);
    ASSERT_TRUE(WriteFileBytes(kPath, MapFile(951, cHeader(), NoChips, grid480)));
    EXPECT_EQ(map.LoadFile(kPath), 0u);
    EXPECT_EQ(g_bNewerFile, 1u);
}

TEST_F(WorldMap, LoadValidatesStartCellsAndEvents)
{
    std::vector<u32> cells(480, 0);
    cells[(2 << 5) + 1] = 5;   // only three chips
    cells[(2 << 5) + 2] = 2;
    cells[(0 << 5) + 25] = 7;  // padding beyond the width stays as stored
    ASSERT_TRUE(WriteFileBytes(
        kPath, MapFile(
                   950, cHeader{20, 15, 32, 5, 20, 99},
                   [](cBytes& b) {
                       b.U32(3);
                       for (u32 i = 0; i < 3; ++i) Chip(b, i, 0, i, "c");
                   },
                   cells,
                   [](cBytes& b) {
                       b.U32(3);
                       Event(b, 950, 19, 14, "in", {cPageBytes()});
                       Event(b, 950, 20, 0, "right of it", {cPageBytes()});
                       Event(b, 950, 0, 15, "below it", {cPageBytes()});
                   })));
    cWorldMap map;
    ASSERT_EQ(map.LoadFile(kPath), 1u);
    EXPECT_EQ(map.m_dwInitX, 19u);
    EXPECT_EQ(map.m_dwInitY, 14u);
    EXPECT_EQ(map.m_vCell[(2 << 5) + 1], 0u);
    EXPECT_EQ(map.m_vCell[(2 << 5) + 2], 2u);
    EXPECT_EQ(map.m_vCell[25], 7u);
    ASSERT_EQ(map.m_vEvent.size(), 1u);
    EXPECT_EQ(map.m_vEvent[0].m_strName, "in");
}

TEST_F(WorldMap, SetSizeKeepsWhatFits)
{
    cWorldMap map;
    for (u32 y = 0; y < 15; ++y) map.m_vCell[(y << 5) + 19] = y + 1;
    EXPECT_EQ(map.SetSize(40, 15), 1u);
    EXPECT_EQ(map.m_dwPitch, 64u);
    EXPECT_EQ(map.m_dwPitchShift, 6u);
    ASSERT_EQ(map.m_vCell.size(), 64u * 15);
    for (u32 y = 0; y < 15; ++y) {
        EXPECT_EQ(map.m_vCell[(y << 6) + 19], y + 1);
        EXPECT_EQ(map.m_vCell[(y << 6) + 20], 0u);
    }
    EXPECT_EQ(map.SetSize(10, 10), 1u);
    EXPECT_EQ(map.m_dwPitch, 16u);
    EXPECT_EQ(map.m_vCell, std::vector<u32>(160, 0));
    EXPECT_EQ(map.SetSize(0, 5), 0u);
    EXPECT_EQ(map.SetSize(5, 0), 0u);
    EXPECT_EQ(map.m_dwWidth, 10u);
    EXPECT_EQ(map.m_vCell.size(), 160u);
}

TEST_F(WorldMap, SaveWritesTheValidatedMapAndLeavesTheObject)
{
    cWorldMap map;
    map.m_vEvent.push_back(cWorldEvent("in"));
    map.m_vEvent.push_back(cWorldEvent("out"));
    map.m_vEvent[1].m_dwX = 25;
    map.m_vCell[3] = 4;  // no chip 4
    map.m_dwInitY = 30;
    ASSERT_FALSE(map.IsValid());
    cWorldMap saved;
    ASSERT_EQ(map.SaveFile(kPath), 1u);
    ASSERT_EQ(saved.LoadFile(kPath), 1u);
    EXPECT_EQ(saved.m_vEvent.size(), 1u);
    EXPECT_EQ(saved.m_vCell[3], 0u);
    EXPECT_EQ(saved.m_dwInitY, 14u);
    EXPECT_EQ(map.m_vEvent.size(), 2u);
    EXPECT_EQ(map.m_dwInitY, 30u);
}

TEST_F(WorldMap, CursorStartsWithOneRecordOfZeros)
{
    cWorldCursor cursor;
    ASSERT_EQ(cursor.m_vRecord.size(), 1u);
    EXPECT_EQ(cursor.m_lpCurrent, &cursor.m_vRecord[0]);
    cursor.m_vRecord.assign(3, {1, 2, 3, 4});
    cursor.m_dwIndex = 2;
    cursor.Reset();
    ASSERT_EQ(cursor.m_vRecord.size(), 1u);
    EXPECT_EQ(cursor.m_vRecord[0], (cWorldCursor::tRecord{0, 0, 0, 0}));
    EXPECT_EQ(cursor.m_lpCurrent, &cursor.m_vRecord[0]);
    EXPECT_EQ(cursor.m_dwIndex, 0u);
}

TEST_F(WorldMap, EditStateStartsWithThePenOnTheChipsAndTheFirstTemplate)
{
    cWorldEditState state;
    state.m_dwLayer = 1;
    state.m_nPickX = 4;
    state.m_bClipValid = 1;
    state.m_vUndoGrid.push_back({1, 2});
    state.m_vRedoEvents.push_back({cWorldEvent("old")});
    const cWorldMap map;  // one template, "デフォルト"
    state.Init(map.m_vTemplate);
    EXPECT_EQ(state.m_dwLayer, 0u);
    EXPECT_EQ(state.m_nPickX, -1);
    EXPECT_EQ(state.m_nPickY, -1);
    EXPECT_EQ(state.m_bClipValid, 0u);
    EXPECT_EQ(state.m_nSelIndex, 0);
    EXPECT_EQ(state.m_dwPenWidth, 1u);
    EXPECT_EQ(state.m_PenEvent.m_strName, "デフォルト");
    EXPECT_EQ(state.m_Saved[1].nSelIndex, 0);
    EXPECT_EQ(state.m_Saved[1].dwPenWidth, 1u);
    EXPECT_TRUE(state.m_vUndoGrid.empty());
    EXPECT_TRUE(state.m_vRedoEvents.empty());

    state.Init({});
    EXPECT_EQ(state.m_Saved[1].nSelIndex, -1) << "no template to stamp";
    EXPECT_EQ(state.m_Saved[1].nListPos, -1);
    EXPECT_EQ(state.m_Saved[1].dwPenWidth, 0u);
    EXPECT_EQ(state.m_Saved[1].dwPenHeight, 0u);
}

}  // namespace
