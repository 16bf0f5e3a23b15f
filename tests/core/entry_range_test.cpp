#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "data/palette_entry.h"
#include "entry_test_util.h"

namespace {

class EntryRange : public cFlowTest {};

TEST_F(EntryRange, MoveCopyAndDeleteOnBlockLists)
{
    const struct {
        int nSize;
        s32 nFirst, nLast, nDest, nMode;
        const char* lpOrder;  // null: unchanged
    } cases[] = {
        {8, 3, 3, 4, kRangeMove, nullptr},
        {8, 2, 3, 6, kRangeMove, "0 1 4 5 2 3 6 7"},
        {12, 3, 5, 10, kRangeMove, "0 1 2 6 7 8 9 3 4 5 10 11"},
        {12, 5, 7, 2, kRangeMove, "0 1 5 6 7 2 3 4 8 9 10 11"},
        // A destination within the moved range or just after it changes nothing.
        {12, 5, 7, 5, kRangeMove, nullptr},
        {12, 5, 7, 6, kRangeMove, nullptr},
        {12, 5, 7, 7, kRangeMove, nullptr},
        {12, 5, 7, 8, kRangeMove, nullptr},
        {12, 5, 7, 12, kRangeMove, "0 1 2 3 4 8 9 10 11 5 6 7"},
        {12, 1, 2, 12, kRangeCopyInsert, "0 1 2 3 4 5 6 7 8 9 10 11 1 2"},
        {6, 3, 4, 1, kRangeCopyInsert, "0 3 4 1 2 3 4 5"},
        {6, 1, 2, 2, kRangeCopyInsert, "0 1 1 2 2 3 4 5"},
        {12, 2, 4, 9, kRangeDelete, "0 1 5 6 7 8 9 10 11"},
        {12, 10, 14, 1, kRangeDelete, "0 1 2 3 4 5 6 7 8 9"},
        {6, 6, 8, 1, kRangeDelete, nullptr},
        // Reversed ranges, other modes, entries the list doesn't have.
        {6, 4, 2, 1, kRangeMove, nullptr},
        {6, 4, 2, 1, kRangeCopyInsert, nullptr},
        {6, 4, 2, 1, kRangeDelete, nullptr},
        {6, 1, 2, 4, 3, nullptr},
        {6, 4, 6, 1, kRangeMove, nullptr},
        {6, 4, 6, 1, kRangeCopyInsert, nullptr},
        {6, -1, 2, 4, kRangeMove, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.nFirst << ".." << c.nLast << " to " << c.nDest << " mode " << c.nMode);
        std::vector<cEdBlock> list = Numbered<cEdBlock>(c.nSize);
        const std::string strBefore = Order(list);
        const bool bChanged = MoveBlockRange(list, c.nFirst, c.nLast, c.nDest, c.nMode);
        EXPECT_EQ(bChanged, c.lpOrder != nullptr);
        EXPECT_EQ(Order(list), c.lpOrder ? c.lpOrder : strBefore);
    }
    ExpectQuiet();
}

TEST_F(EntryRange, CharaAndItemListsMoveAlike)
{
    std::vector<cEdChara> charas = Numbered<cEdChara>(8);
    charas[2].m_vFlow.resize(1);
    charas[2].m_vFlow[0].m_nTrigger = 4;
    EXPECT_TRUE(MoveCharaRange(charas, 2, 3, 6, kRangeMove));
    EXPECT_EQ(Order(charas), "0 1 4 5 2 3 6 7");
    EXPECT_EQ(charas[4].m_vFlow.size(), 1u);

    std::vector<cEdItem> items = Numbered<cEdItem>(4);
    items[1].m_vCommand.resize(2);
    EXPECT_TRUE(MoveItemRange(items, 1, 1, 4, kRangeCopyInsert));
    EXPECT_EQ(Order(items), "0 1 2 3 1");
    EXPECT_EQ(items[4].m_vCommand.size(), 2u);
    EXPECT_TRUE(MoveItemRange(items, 1, 2, 0, kRangeDelete));
    EXPECT_EQ(Order(items), "0 3 1");
}

}  // namespace
