#include <gtest/gtest.h>

#include "data/ed_block.h"
#include "entry_test_util.h"
#include "flow_test_util.h"

namespace {

class EntryBlock : public cFlowTest {};

cEdBlock SampleBlock()
{
    cEdBlock k;
    k.m_cInheritKind = 2;
    k.m_wInheritIndex = 0x0102;
    k.m_strName = "レンガ";
    k.m_cCondJudge = 1;
    k.m_cCondLatch = 1;
    k.m_wGraphic = 0x0203;
    k.m_cGraphicKind = 3;
    k.m_wFrame = 0x0304;
    k.m_cFront = 1;
    k.m_cTransparent = 1;
    k.m_cIconShow = 2;
    k.m_wIcon = 119;
    k.m_cBlockType = 2;
    k.m_cNoEffectForce = 7;
    k.m_cAction = 5;
    k.m_nActionX = -999;
    k.m_cItemKind = 1;
    k.m_wItemIndex = 0x0405;
    k.m_cNoSummon = 1;
    k.m_wCellX = 0x0A0B;
    k.m_wCellY = 0x0C0D;
    k.m_bbInherit = {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    k.m_vCond.resize(1);
    k.m_vCond[0].m_nKind = 2;
    k.m_vCond[0].m_nValue1 = 9;
    return k;
}

std::vector<u8> SampleBlockBody()
{
    return cBytes()
        .U32(18)
        .U8(2).U16(0x0102)                   // inherit source
        .U8(1).U8(1)                         // condition judge, latch
        .U16(0x0203).U8(3).U16(0x0304)       // graphic, its kind, frame
        .U8(1).U8(1).U8(2).U16(119)          // front, transparent, icon shown, icon
        .U8(2).U8(7).U8(5).U32(0xFFFFFC19)   // block type, no-effect force, action, X -999
        .U8(1).U16(0x0405).U8(1)             // item handed out, no summon
        .U32(1).Str("レンガ")
        .U16(0x0A0B).U16(0x0C0D)             // cell
        .U32(11).U8(1).U8(0).U8(1).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(1)
        .U32(1).Raw(BodyOf(SampleBlock().m_vCond[0]));
}

TEST_F(EntryBlock, DefaultsAndTheirLayout)
{
    const cEdBlock k;
    EXPECT_TRUE(k.IsEmpty());
    EXPECT_EQ(k.m_cBlockType, 1);
    EXPECT_EQ(k.m_cNoEffectForce, 255);
    EXPECT_EQ(k.m_bbInherit, std::vector<u8>(11, 0));
    EXPECT_EQ(cEdBlock::FieldTable().Count(950, false), 18u);
    // The first check makes an empty entry passable.
    cEdBlock written = k;
    written.m_cBlockType = 0;
    EXPECT_BYTES(DataFile(950, BlockBody(written)), SavedBytes(k));
    EXPECT_EQ(k.m_cBlockType, 1);
}

TEST_F(EntryBlock, LayoutRoundTripAndComparison)
{
    const cEdBlock k = SampleBlock();
    EXPECT_BYTES(DataFile(950, SampleBlockBody()), SavedBytes(k));
    EXPECT_BYTES(SampleBlockBody(), BlockBody(k));

    cEdBlock back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleBlockBody())));
    EXPECT_TRUE(back == k);
    EXPECT_EQ(back.m_wCellX, 0x0A0B);
    EXPECT_BYTES(DataFile(950, SampleBlockBody()), SavedBytes(back));

    const struct {
        const char* lpWhat;
        void (*pfnChange)(cEdBlock&);
        bool bEqual;
    } changes[] = {
        {"name", [](cEdBlock& x) { x.m_strName = "岩"; }, false},
        {"action X", [](cEdBlock& x) { x.m_nActionX = 1; }, false},
        {"flag", [](cEdBlock& x) { x.m_bbInherit[10] = 0; }, false},
        {"condition", [](cEdBlock& x) { x.m_vCond.clear(); }, false},
        {"cell", [](cEdBlock& x) { x.m_wCellX = 0; }, true},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.lpWhat);
        cEdBlock other = k;
        change.pfnChange(other);
        EXPECT_EQ(cEdBlock::IsEqual(other, k), change.bEqual);
        EXPECT_EQ(cEdBlock::IsNotEqual(other, k), !change.bEqual);
    }

    // Two empty entries are equal whatever else they hold.
    cEdBlock emptyA = SampleBlock();
    emptyA.m_wGraphic = 0;
    cEdBlock emptyB;
    EXPECT_TRUE(emptyA == emptyB);
    ExpectQuiet();
}

TEST_F(EntryBlock, OlderVersionsMigrate)
{
    const std::vector<u8> none(11, 0);
    cEdBlock sample = SampleBlock();
    sample.m_vCond.clear();
    ExpectEntryMigrations<cEdBlock>(
        {
            {"shot graphic below 219", 218, 3, 5, none, 6, none},
            {"last shot graphic below 219", 218, 3, 119, none, 119, none},
            {"chara graphic below 219", 218, 1, 5, none, 5, none},
            {"shot graphic at 219", 219, 3, 5, none, 5, none},
            // The icon group (5) came at 88: an old entry inherits it.
            {"flags below 88", 87, 1, 5, TracedFlags(10), 5, {2, 3, 4, 5, 6, 1, 7, 8, 9, 10, 11}},
            {"short flags at 88", 88, 1, 5, TracedFlags(10), 5, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}},
            {"long flags", 950, 1, 5, TracedFlags(13), 5, TracedFlags(11)},
        },
        sample, BlockBody);
    ExpectQuiet();
}

TEST_F(EntryBlock, ChecksRepairReferences)
{
    cFakePalettes palettes;
    InstallPalettes(palettes);
    // The inherit source (checked by Validate, also on loading) and the
    // item handed out (ValidateItemRef) name their palette 1 (common) or 2
    // (stage); past the list both bytes become 0.
    const struct {
        bool bItem;
        u8 nKind;
        u16 wIndex;
        u8 nKindAfter;
        u16 wIndexAfter;
    } cases[] = {
        {false, 1, 3, 0, 0}, {false, 1, 2, 1, 2}, {false, 2, 6, 0, 0}, {false, 2, 5, 2, 5},
        {false, 0, 99, 0, 99}, {false, 3, 99, 3, 99}, {true, 1, 5, 0, 0}, {true, 1, 4, 1, 4},
        {true, 2, 8, 0, 0}, {true, 2, 7, 2, 7}, {true, 0, 99, 0, 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.bItem << " " << int(c.nKind) << " " << c.wIndex);
        cEdBlock k = SampleBlock();
        u8& nKind = c.bItem ? k.m_cItemKind : k.m_cInheritKind;
        u16& wIndex = c.bItem ? k.m_wItemIndex : k.m_wInheritIndex;
        nKind = c.nKind;
        wIndex = c.wIndex;
        cEdBlock loaded;
        ASSERT_TRUE(LoadFromBytes(loaded, DataFile(950, BlockBody(k))));
        if (c.bItem)
            k.ValidateItemRef();
        else
            k.Validate();
        EXPECT_EQ(nKind, c.nKindAfter);
        EXPECT_EQ(wIndex, c.wIndexAfter);
        if (!c.bItem) {
            EXPECT_TRUE(loaded == k);
        }
    }

    // An empty entry is passable and may be summoned over.
    cEdBlock empty = SampleBlock();
    empty.m_wGraphic = 0;
    empty.Validate();
    EXPECT_EQ(empty.m_cBlockType, 0);
    EXPECT_EQ(empty.m_cNoSummon, 0);
    cEdBlock solid = SampleBlock();
    solid.Validate();
    EXPECT_EQ(solid.m_cBlockType, 2);
    EXPECT_EQ(solid.m_cNoSummon, 1);
    ExpectQuiet();
}

TEST_F(EntryBlock, DamagedBodies)
{
    ExpectEveryTruncationFails(DataFile(950, SampleBlockBody()), SampleBlock());
    std::vector<u8> inflated = SampleBlockBody();
    inflated[0] = 19;  // one field more than the block has
    cEdBlock rec = SampleBlock();
    EXPECT_FALSE(LoadFromBytes(rec, DataFile(950, inflated)));
    EXPECT_TRUE(rec == SampleBlock());
    ExpectQuiet();
}

}  // namespace
