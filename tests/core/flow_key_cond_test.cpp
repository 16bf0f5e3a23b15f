#include <gtest/gtest.h>

#include "flow/key_cond.h"
#include "flow/option_names.h"
#include "flow_test_util.h"

namespace {

class FlowKeyCond : public cFlowTest {};

cEdKeyCond SampleKeyCond()
{
    cEdKeyCond k;
    for (u32 i = 0; i < kKeyCondKeys; ++i) k.m_Keys[i] = static_cast<u8>(i % 3);
    k.m_bFrontBack = 1;
    k.m_wPressMin = 2;
    k.m_wPressMax = 999;
    k.m_bPressNoMax = 1;
    k.m_nKeyMode = 2;
    return k;
}

// Five fields, no strings, then the key count and a byte per key.
std::vector<u8> SampleKeyCondBody()
{
    cBytes b;
    b.U32(5).U8(1).U16(2).U16(999).U8(1).U8(2).U32(0).U32(19);
    for (u32 i = 0; i < 19; ++i) b.U8(static_cast<u8>(i % 3));
    return b;
}

TEST_F(FlowKeyCond, LayoutRoundTripCopyAndComparison)
{
    cEdKeyCond fresh;
    EXPECT_EQ(fresh.m_Keys, std::vector<u8>(19, 0));
    EXPECT_BYTES(DataFile(950, cBytes().U32(5).U8(0).U16(0).U16(0).U8(0).U8(0).U32(0).U32(19)
                                   .Raw(std::vector<u8>(19, 0))),
                 SavedBytes(fresh));

    const cEdKeyCond k = SampleKeyCond();
    EXPECT_BYTES(DataFile(950, SampleKeyCondBody()), SavedBytes(k));
    cEdKeyCond back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleKeyCondBody())));
    EXPECT_TRUE(back == k);
    EXPECT_BYTES(DataFile(950, SampleKeyCondBody()), SavedBytes(back));

    cEdKeyCond copy;
    copy = k;
    EXPECT_TRUE(copy == k);
    EXPECT_TRUE(cEdKeyCond(k) == k);
    copy.m_Keys[18] = 2;
    EXPECT_TRUE(copy != k);
    copy = k;
    copy.m_wPressMax = 998;
    EXPECT_TRUE(copy != k);
    // A copy in a growing vector keeps every member.
    std::vector<cEdKeyCond> rows(1, k);
    rows.resize(40);
    EXPECT_TRUE(rows[0] == k);
    EXPECT_TRUE(rows[39] == cEdKeyCond());
    ExpectQuiet();
}

// Every reader indexes 19 keys: a shorter stored vector is padded with
// state 0; a count of 0 or less keeps the keys the record had.
TEST_F(FlowKeyCond, StoredKeyCounts)
{
    const std::vector<u8> kZero19(19, 0);
    struct {
        const char* lpWhat;
        u32 nCount;
        std::vector<u8> stored;
        std::vector<u8> expected;
    } rows[] = {
        {"none", 0, {}, kZero19},
        {"negative", 0xFFFFFFFF, {}, kZero19},
        {"one", 1, {2}, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"eighteen", 18, std::vector<u8>(18, 1), {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {"nineteen", 19, std::vector<u8>(19, 2), std::vector<u8>(19, 2)},
        {"more are kept", 21, std::vector<u8>(21, 1), std::vector<u8>(21, 1)},
    };
    for (const auto& r : rows) {
        cEdKeyCond rec;
        ASSERT_TRUE(LoadFromBytes(rec, DataFile(950, cBytes().U32(5).U8(1).U16(3).U16(4).U8(0).U8(1).U32(0)
                                                        .U32(r.nCount).Raw(r.stored))))
            << r.lpWhat;
        EXPECT_EQ(rec.m_Keys, r.expected) << r.lpWhat;
        EXPECT_EQ(rec.m_wPressMax, 4) << r.lpWhat;
    }
    // A record that already held keys keeps them for a count of 0.
    cEdKeyCond rec = SampleKeyCond();
    ASSERT_TRUE(LoadFromBytes(rec, DataFile(950, cBytes().U32(5).U8(1).U16(2).U16(999).U8(1).U8(2).U32(0).U32(0))));
    EXPECT_TRUE(rec == SampleKeyCond());

    // The fields are stored the same in every version.
    cEdKeyCond old;
    ASSERT_TRUE(LoadFromBytes(old, DataFile(100, SampleKeyCondBody())));
    EXPECT_TRUE(old == SampleKeyCond());
}

TEST_F(FlowKeyCond, DamagedBodies)
{
    cEdKeyCond before;
    before.m_nKeyMode = 1;
    ExpectEveryTruncationFails(DataFile(950, SampleKeyCondBody()), before);

    const std::vector<u8> head = cBytes().U32(5).U8(1).U16(2).U16(999).U8(1).U8(2).U32(0);
    struct {
        const char* lpWhat;
        std::vector<u8> body;
    } cases[] = {
        {"key count beyond the file", cBytes().Raw(head).U32(20).Raw(std::vector<u8>(19, 1))},
        {"huge key count", cBytes().Raw(head).U32(0x7FFFFFFF).U8(1)},
        {"six fields", cBytes().U32(6).U8(1).U16(2).U16(999).U8(1).U8(2).U8(0).U32(0).U32(0)},
        {"a string", cBytes().U32(5).U8(1).U16(2).U16(999).U8(1).U8(2).U32(1).Str("a").U32(0)},
    };
    for (const auto& c : cases) {
        cEdKeyCond rec = before;
        EXPECT_FALSE(LoadFromBytes(rec, DataFile(950, c.body))) << c.lpWhat;
        EXPECT_TRUE(rec == before) << c.lpWhat;
    }

    // Key states and a mode out of their tables load as stored; their names
    // are empty.
    cEdKeyCond odd = SampleKeyCond();
    odd.m_Keys[0] = 3;
    odd.m_Keys[18] = 255;
    odd.m_nKeyMode = 3;
    cEdKeyCond rec;
    ASSERT_TRUE(LoadFromBytes(rec, SavedBytes(odd)));
    EXPECT_TRUE(rec == odd);
    EXPECT_STREQ(g_KeyStateNames.At(rec.m_Keys[0]), "");
    EXPECT_STREQ(g_KeyStateNames.At(rec.m_Keys[18]), "");
    EXPECT_STREQ(g_KeyCondModeNames.At(rec.m_nKeyMode), "");
    EXPECT_STREQ(g_KeyNames.At(rec.m_Keys.size()), "");
    ExpectQuiet();
}

}  // namespace
