// The data move on palette lists: the examples of the dialog, the numbers
// that would reach entry 0 or past the list, and the selected index.
#include <gtest/gtest.h>

#include <string>

#include "data/data_move.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "entry_test_util.h"
#include "support/test_env.h"

namespace {

class DataMove : public cCoreTest {};

TEST_F(DataMove, MovesCopiesAndDeletesAsTheDialogSays)
{
    const struct {
        int nSize;
        cDataMove move;
        bool bRuns;
        const char* lpOrder;  // null: unchanged
        s32 nSelBefore, nSelAfter;
    } cases[] = {
        {12, {3, 5, 10, kRangeMove}, true, "0 1 2 6 7 8 9 3 4 5 10 11", 4, 4},
        {12, {5, 7, 2, kRangeMove}, true, "0 1 5 6 7 2 3 4 8 9 10 11", -1, -1},
        {12, {5, 7, 6, kRangeMove}, true, nullptr, 0, 0},
        {12, {5, 7, 7, kRangeMove}, true, nullptr, 0, 0},
        {12, {5, 7, 8, kRangeMove}, true, nullptr, 0, 0},
        {12, {1, 2, 12, kRangeCopyInsert}, true, "0 1 2 3 4 5 6 7 8 9 10 11 1 2", 11, 11},
        {12, {2, 4, 9, kRangeDelete}, true, "0 1 5 6 7 8 9 10 11", 3, 3},
        {12, {7, 11, 1, kRangeDelete}, true, "0 1 2 3 4 5 6", 11, 6},  // five of twelve deleted
        {12, {4, 2, 1, kRangeMove}, true, nullptr, 11, 11},            // reversed: nothing, yet it ran
        {12, {1, 11, 12, kRangeMove}, true, nullptr, 5, 5},            // the whole list onto its own end
        {12, {1, 11, 1, kRangeDelete}, true, "0", 5, 0},              // entry 0 stays
        // Numbers that reach entry 0 or past the list change nothing.
        {12, {0, 3, 5, kRangeMove}, false, nullptr, 2, 2},
        {12, {0, 0, 1, kRangeDelete}, false, nullptr, 2, 2},
        {12, {3, 12, 1, kRangeDelete}, false, nullptr, 2, 2},
        {12, {3, 4, 0, kRangeCopyInsert}, false, nullptr, 2, 2},
        {12, {3, 4, 13, kRangeMove}, false, nullptr, 2, 2},
        {12, {3, 4, 99, kRangeDelete}, true, "0 1 2 5 6 7 8 9 10 11", 2, 2},  // a delete has no destination
        // A list of entry 0 only: its edits can only hold 1..0 (or 0 after
        // clamping), and nothing may erase entry 0.
        {1, {0, 0, 1, kRangeDelete}, false, nullptr, 0, 0},
        {1, {1, 0, 1, kRangeDelete}, true, nullptr, 0, 0},
        {1, {0, 0, 1, kRangeMove}, false, nullptr, 0, 0},
        {1, {0, 0, 1, kRangeCopyInsert}, false, nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.nSize << ": " << c.move.nFrom << ".." << c.move.nTo << " to "
                                          << c.move.nDest << " mode " << c.move.nMode);
        std::vector<cEdBlock> list = Numbered<cEdBlock>(c.nSize);
        const std::string strBefore = Order(list);
        s32 nSel = c.nSelBefore;
        EXPECT_EQ(DataMoveFits(c.move, list.size()), c.bRuns);
        EXPECT_EQ(RunDataMove(list, c.move, nSel), c.bRuns);
        EXPECT_EQ(Order(list), c.lpOrder ? c.lpOrder : strBefore);
        EXPECT_EQ(nSel, c.nSelAfter);
    }
}

TEST_F(DataMove, CharaAndItemListsMoveAlike)
{
    std::vector<cEdChara> charas = Numbered<cEdChara>(6);
    s32 nSel = 5;
    EXPECT_TRUE(RunDataMove(charas, {4, 5, 1, kRangeMove}, nSel));
    EXPECT_EQ(Order(charas), "0 4 5 1 2 3");
    std::vector<cEdItem> items = Numbered<cEdItem>(4);
    EXPECT_TRUE(RunDataMove(items, {1, 3, 1, kRangeDelete}, nSel));
    EXPECT_EQ(Order(items), "0");
    EXPECT_EQ(nSel, 0);
}

}  // namespace
