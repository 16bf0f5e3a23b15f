#include <gtest/gtest.h>

#include "flow/cond_item.h"
#include "flow/option_names.h"
#include "flow/status_tables.h"
#include "flow/var_names.h"
#include "flow_test_util.h"

namespace {

class FlowCond : public cFlowTest {};

// Distinct values in every field.
cCondItem SampleItem()
{
    cCondItem c;
    c.m_nKind = 4;
    c.m_nLeftSource = 1;
    c.m_nLeftScope = 2;
    c.m_nLeftSubject = 5;
    c.m_nLeftStatus = 16;
    c.m_wLeftCharaVar = 8;
    c.m_nRightSource = 3;
    c.m_nValue1 = static_cast<u32>(-999999);
    c.m_nValue2 = 999999;
    c.m_nValue3 = 0x01020304;
    c.m_nRightSubject = 4;
    c.m_nRightStatus = 9;
    c.m_nRightScope = 1;
    c.m_wRightCharaVar = 0xFFF1;
    c.m_nCompare = 7;
    c.m_bPercent = 1;
    c.m_nLeftCoordKind = 2;
    c.m_nRightCoordKind = 1;
    c.m_nLeftGiantPos = 1;
    c.m_nRightGiantPos = 2;
    c.m_bCond20 = 6;
    return c;
}

// The item's 21 fields in file order, by hand.
std::vector<u8> SampleItemBody()
{
    return cBytes()
        .U32(21)
        .U8(4)                                      // kind
        .U32(0xFFF0BDC1).U32(999999).U32(0x01020304)  // values
        .U8(5).U8(16).U8(1).U8(2).U16(8)            // left subject, status, source, scope, chara variable
        .U8(3).U8(4).U8(9).U8(1).U16(0xFFF1)        // right source, subject, status, scope, chara variable
        .U8(7).U8(1)                                // comparison, percent
        .U8(2).U8(1).U8(1).U8(2)                    // coordinate kinds, giant positions
        .U8(6)                                      // distance measure
        .U32(0);
}

// A default item: 32 zero bytes.
std::vector<u8> DefaultItemBody()
{
    return cBytes()
        .U32(21)
        .U8(0).U32(0).U32(0).U32(0)
        .U8(0).U8(0).U8(0).U8(0).U16(0)
        .U8(0).U8(0).U8(0).U8(0).U16(0)
        .U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0)
        .U32(0);
}

TEST_F(FlowCond, ItemLayoutRoundTripCopyAndComparison)
{
    cCondItem fresh;
    EXPECT_EQ(cCondItem::FieldTable().Count(950, false), 21u);
    EXPECT_EQ(cCondItem::FieldTable().Count(950, true), 0u);
    EXPECT_BYTES(DataFile(950, DefaultItemBody()), SavedBytes(fresh));

    const cCondItem c = SampleItem();
    EXPECT_BYTES(DataFile(950, SampleItemBody()), SavedBytes(c));
    cCondItem back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleItemBody())));
    EXPECT_TRUE(back == c);
    EXPECT_BYTES(DataFile(950, SampleItemBody()), SavedBytes(back));

    cCondItem copy;
    copy = c;
    EXPECT_TRUE(copy == c);
    EXPECT_TRUE(cCondItem(c) == c);
    copy.m_bCond20 = 0;
    EXPECT_TRUE(copy != c);
    copy = c;
    copy.m_nValue3 = 0;
    EXPECT_TRUE(copy != c);
    ExpectQuiet();
}

TEST_F(FlowCond, ListLayoutRoundTripCopyAndComparison)
{
    cCondList list;
    EXPECT_BYTES(DataFile(950, cBytes().U32(2).U8(0).U8(0).U32(0).U32(0)), SavedBytes(list));
    std::shared_ptr<cCondList> holder;
    EXPECT_EQ(CreateCondList(holder), 1u);
    ASSERT_TRUE(holder);
    EXPECT_TRUE(*holder == list);

    list.m_nMode = 1;
    list.m_bList2 = 1;
    list.m_Items = {SampleItem(), cCondItem()};
    const std::vector<u8> expected =
        DataFile(950, cBytes().U32(2).U8(1).U8(1).U32(0).U32(2).Raw(SampleItemBody()).Raw(DefaultItemBody()));
    EXPECT_BYTES(expected, SavedBytes(list));

    cCondList back;
    ASSERT_TRUE(LoadFromBytes(back, expected));
    EXPECT_TRUE(back == list);
    cCondList copy;
    copy = list;
    EXPECT_TRUE(copy == list);
    copy.m_Items[1].m_nKind = 1;
    EXPECT_TRUE(copy != list);
    EXPECT_EQ(list.m_Items[1].m_nKind, 0);
    copy = list;
    copy.m_Items.pop_back();
    EXPECT_TRUE(copy != list);
    copy = list;
    copy.m_bList2 = 0;
    EXPECT_TRUE(copy != list);
    ExpectQuiet();
}

// An item body of an older version, by hand. Below 110 an item stored the
// kind, the first value, two dropped words, the comparison, the percent flag
// (from 43) and the distance measure.
std::vector<u8> ItemBody(u32 v, const cCondItem& c)
{
    if (v < 110)
        return cVersionBody(v)
            .U8(c.m_nKind).U32(c.m_nValue1).U16(0xAAAA).U16(0xBBBB).U8(c.m_nCompare)
            .U8(c.m_bPercent, 43)
            .U8(c.m_bCond20)
            .Get();
    return cVersionBody(v)
        .U8(c.m_nKind).U32(c.m_nValue1).U32(c.m_nValue2).U32(c.m_nValue3)
        .U8(c.m_nLeftSubject).U8(c.m_nLeftStatus).U8(c.m_nLeftSource).U8(c.m_nLeftScope).U16(c.m_wLeftCharaVar)
        .U8(c.m_nRightSource).U8(c.m_nRightSubject).U8(c.m_nRightStatus).U8(c.m_nRightScope)
        .U16(c.m_wRightCharaVar)
        .U8(c.m_nCompare).U8(c.m_bPercent)
        .U8(c.m_nLeftCoordKind, 883).U8(c.m_nRightCoordKind, 883)
        .U8(c.m_nLeftGiantPos, 893).U8(c.m_nRightGiantPos, 893)
        .U8(c.m_bCond20)
        .Get();
}

struct cItemValues {
    u8 nKind, nLeftSource, nLeftSubject, nLeftStatus, nRightSource, nRightSubject, nRightStatus, nCompare;
};

cCondItem MakeItem(const cItemValues& v)
{
    cCondItem c;
    c.m_nKind = v.nKind;
    c.m_nLeftSource = v.nLeftSource;
    c.m_nLeftSubject = v.nLeftSubject;
    c.m_nLeftStatus = v.nLeftStatus;
    c.m_nRightSource = v.nRightSource;
    c.m_nRightSubject = v.nRightSubject;
    c.m_nRightStatus = v.nRightStatus;
    c.m_nCompare = v.nCompare;
    return c;
}

TEST_F(FlowCond, ItemMigrations)
{
    // Columns: kind, left source, subject, status, right source, subject,
    // status, comparison.
    struct {
        u32 dwVersion;
        cItemValues stored;
        cItemValues expected;
    } rows[] = {
        // Kinds 5 and up moved by 2 at 160; the distance steps then apply.
        {159, {5, 2, 3, 0, 0, 0, 0, 1}, {7, 0, 0, 0, 1, 1, 0, 1}},
        {159, {3, 2, 3, 4, 0, 0, 0, 1}, {3, 2, 3, 4, 0, 0, 0, 1}},
        // The comparison of status condition 3 on state 2 was inverted below 161.
        {160, {6, 0, 0, 2, 0, 0, 0, 1}, {6, 0, 0, 2, 0, 0, 0, 0}},
        {160, {6, 0, 0, 2, 0, 0, 0, 4}, {6, 0, 0, 2, 0, 0, 0, 5}},
        {160, {6, 0, 0, 3, 0, 0, 0, 1}, {6, 0, 0, 3, 0, 0, 0, 1}},
        {161, {6, 0, 0, 2, 0, 0, 0, 1}, {6, 0, 0, 2, 0, 0, 0, 1}},
        // A status inserted at 10 by 168 (not for the system, subject 2),
        // then at 5 by 203, system to 5 at 767, two at 6 by 883.
        {167, {4, 0, 1, 10, 2, 2, 12, 0}, {4, 0, 1, 14, 2, 5, 12, 0}},
        {167, {4, 0, 1, 9, 2, 0, 10, 0}, {4, 0, 1, 12, 2, 0, 14, 0}},
        {167, {4, 1, 1, 10, 3, 0, 10, 0}, {4, 1, 1, 10, 3, 0, 10, 0}},
        {202, {4, 0, 0, 5, 2, 1, 4, 0}, {4, 0, 0, 8, 2, 1, 4, 0}},
        {202, {4, 0, 2, 5, 2, 2, 7, 0}, {4, 0, 5, 5, 2, 5, 7, 0}},
        // Status condition 2 gained a status at 6 by 210.
        {209, {5, 0, 0, 6, 0, 0, 0, 0}, {5, 0, 0, 7, 0, 0, 0, 0}},
        {209, {5, 0, 2, 6, 0, 3, 0, 0}, {5, 0, 5, 6, 0, 6, 0, 0}},
        {210, {5, 0, 0, 6, 0, 0, 0, 0}, {5, 0, 0, 6, 0, 0, 0, 0}},
        // Distance conditions: subject at 657, display at 745, the two
        // display flags at 746.
        {656, {7, 2, 3, 4, 0, 0, 5, 1}, {7, 0, 0, 4, 1, 1, 5, 1}},
        {744, {7, 2, 3, 4, 0, 0, 5, 1}, {7, 0, 3, 4, 1, 1, 5, 1}},
        {745, {7, 2, 3, 4, 0, 0, 5, 1}, {7, 2, 3, 4, 1, 1, 5, 1}},
        {746, {7, 2, 3, 4, 0, 0, 5, 1}, {7, 2, 3, 4, 0, 0, 5, 1}},
        // Targets 2 to 4 inserted before the system at 767.
        {766, {4, 1, 2, 0, 0, 3, 0, 0}, {4, 1, 5, 0, 0, 6, 0, 0}},
        {766, {5, 1, 1, 0, 0, 2, 0, 0}, {5, 1, 1, 0, 0, 5, 0, 0}},
        {766, {3, 1, 2, 0, 0, 3, 0, 0}, {3, 1, 2, 0, 0, 3, 0, 0}},
        {767, {4, 1, 2, 0, 0, 3, 0, 0}, {4, 1, 2, 0, 0, 3, 0, 0}},
        // Two statuses at 6 by 883, not for the system (now subject 5).
        {882, {4, 0, 4, 6, 2, 5, 8, 0}, {4, 0, 4, 8, 2, 5, 8, 0}},
        {882, {4, 0, 0, 5, 2, 1, 6, 0}, {4, 0, 0, 5, 2, 1, 8, 0}},
        {883, {4, 0, 4, 6, 2, 1, 6, 0}, {4, 0, 4, 6, 2, 1, 6, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.dwVersion << " kind " << int(r.stored.nKind));
        const cCondItem stored = MakeItem(r.stored);
        cCondItem rec;
        ASSERT_TRUE(LoadFromBytes(rec, DataFile(r.dwVersion, ItemBody(r.dwVersion, stored))));
        const cCondItem expected = MakeItem(r.expected);
        EXPECT_TRUE(rec == expected);
        EXPECT_BYTES(SavedBytes(expected), SavedBytes(rec));
    }
}

TEST_F(FlowCond, ItemLayoutsOfOlderVersions)
{
    cCondItem full = SampleItem();
    full.m_nKind = 2;  // a kind no step touches
    struct {
        u32 dwVersion;
        void (*pfnExpected)(cCondItem&);
    } rows[] = {
        // The short layout: kind, first value, comparison, percent, measure.
        {42,
         [](cCondItem& c) {
             c = cCondItem();
             c.m_nKind = 2;
             c.m_nValue1 = static_cast<u32>(-999999);
             c.m_nCompare = 7;
             c.m_bCond20 = 6;
         }},
        {109,
         [](cCondItem& c) {
             c = cCondItem();
             c.m_nKind = 2;
             c.m_nValue1 = static_cast<u32>(-999999);
             c.m_nCompare = 7;
             c.m_bPercent = 1;
             c.m_bCond20 = 6;
         }},
        {110,
         [](cCondItem& c) {
             c.m_nLeftCoordKind = c.m_nRightCoordKind = 0;
             c.m_nLeftGiantPos = c.m_nRightGiantPos = 0;
         }},
        {892, [](cCondItem& c) { c.m_nLeftGiantPos = c.m_nRightGiantPos = 0; }},
        {893, [](cCondItem&) {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.dwVersion);
        cCondItem rec;
        ASSERT_TRUE(LoadFromBytes(rec, DataFile(r.dwVersion, ItemBody(r.dwVersion, full))));
        cCondItem expected = full;
        r.pfnExpected(expected);
        EXPECT_TRUE(rec == expected);
    }
    // The dropped words of the short layout are read past, not kept.
    cCondItem rec;
    ASSERT_TRUE(LoadFromBytes(rec, DataFile(100, ItemBody(100, full))));
    EXPECT_EQ(rec.m_nValue2, 0u);
    EXPECT_EQ(rec.m_nLeftSubject, 0);
    EXPECT_EQ(rec.m_wLeftCharaVar, 0);
}

TEST_F(FlowCond, ListMigrations)
{
    cCondItem old;
    old.m_nKind = 4;
    old.m_nLeftSource = 1;
    old.m_nLeftSubject = 2;
    struct {
        u32 dwVersion;
        std::vector<u8> body;
        size_t nItems;
    } rows[] = {
        // Below 766 a list stores no items.
        {764, cBytes().U32(2).U8(1).U8(1).U32(0), 0},
        {765, cBytes().U32(2).U8(1).U8(1).U32(0), 0},
        // From 766 its items follow, each migrated by the file's version.
        {766, cBytes().U32(2).U8(1).U8(1).U32(0).U32(1).Raw(ItemBody(766, old)), 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.dwVersion);
        cCondList rec;
        ASSERT_TRUE(LoadFromBytes(rec, DataFile(r.dwVersion, r.body)));
        EXPECT_EQ(rec.m_nMode, 1);
        EXPECT_EQ(rec.m_bList2, 1);
        ASSERT_EQ(rec.m_Items.size(), r.nItems);
        if (r.nItems) {
            EXPECT_EQ(rec.m_Items[0].m_nLeftSubject, 5);
        }

        // Saved and read again, the list keeps its items (none or one).
        cCondList again;
        ASSERT_TRUE(LoadFromBytes(again, SavedBytes(rec)));
        EXPECT_TRUE(again == rec);
    }
}

TEST_F(FlowCond, DamagedBodies)
{
    cCondList list;
    list.m_nMode = 1;
    list.m_Items = {SampleItem(), SampleItem()};
    const std::vector<u8> full = SavedBytes(list);
    cCondList before;
    before.m_bList2 = 1;
    before.m_Items = {cCondItem()};
    ExpectEveryTruncationFails(full, before);

    struct {
        const char* lpWhat;
        std::vector<u8> file;
    } cases[] = {
        {"item count beyond the file", DataFile(950, cBytes().U32(2).U8(1).U8(0).U32(0).U32(0x10000000))},
        {"item count 2 with one item",
         DataFile(950, cBytes().U32(2).U8(1).U8(0).U32(0).U32(2).Raw(SampleItemBody()))},
        {"negative item count", DataFile(950, cBytes().U32(2).U8(1).U8(0).U32(0).U32(0xFFFFFFFF))},
        {"three list fields", DataFile(950, cBytes().U32(3).U8(1).U8(0).U8(0).U32(0).U32(0))},
        {"a list string", DataFile(950, cBytes().U32(2).U8(1).U8(0).U32(1).Str("x").U32(0))},
        {"22 item fields",
         DataFile(950, cBytes().U32(2).U8(1).U8(0).U32(0).U32(1).U32(22).Raw(std::vector<u8>(40, 0)))},
    };
    for (const auto& c : cases) {
        cCondList rec = before;
        EXPECT_FALSE(LoadFromBytes(rec, c.file)) << c.lpWhat;
        EXPECT_TRUE(rec == before) << c.lpWhat;
    }
    // A short item of version 100 has 7 fields.
    cCondItem item;
    EXPECT_FALSE(LoadFromBytes(item, DataFile(100, cBytes().U32(8).Raw(std::vector<u8>(20, 0)))));
    EXPECT_TRUE(LoadFromBytes(item, DataFile(100, cBytes().U32(7).Raw(std::vector<u8>(12, 0)).U32(0))));

    // Option values out of their tables load and save as stored; their
    // names are empty.
    cCondItem odd = SampleItem();
    odd.m_nKind = 200;
    odd.m_nCompare = 99;
    odd.m_nLeftSubject = 250;
    odd.m_nLeftStatus = 17;
    odd.m_nRightStatus = 255;
    odd.m_wLeftCharaVar = 9;
    odd.m_bCond20 = 7;
    odd.m_nLeftCoordKind = 3;
    odd.m_nLeftGiantPos = 3;
    const std::vector<u8> oddFile = SavedBytes(odd);
    cCondItem rec;
    ASSERT_TRUE(LoadFromBytes(rec, oddFile));
    EXPECT_TRUE(rec == odd);
    EXPECT_BYTES(oddFile, SavedBytes(rec));
    EXPECT_STREQ(g_CondKindNames.At(rec.m_nKind), "");
    EXPECT_STREQ(g_CompareNames.At(rec.m_nCompare), "");
    EXPECT_STREQ(g_SubjectPlayerSystemNames.At(rec.m_nLeftSubject), "");
    EXPECT_STREQ(g_CharaStatuses.At(rec.m_nLeftStatus).m_lpName, "");
    EXPECT_STREQ(g_SystemStatuses.At(rec.m_nRightStatus).m_lpName, "");
    EXPECT_STREQ(CharaVarName(rec.m_wLeftCharaVar), "");
    EXPECT_STREQ(g_DistanceShapeNames.At(rec.m_bCond20), "");
    EXPECT_STREQ(g_CoordKindNames.At(rec.m_nLeftCoordKind), "");
    EXPECT_STREQ(g_GiantOriginNames.At(rec.m_nLeftGiantPos), "");
    ExpectQuiet();
}

}  // namespace
