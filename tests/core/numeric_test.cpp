#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>

#include "app/numeric.h"

TEST(StepTowards, WalksTheLongerAxisAndStopsOnTheTarget)
{
    struct {
        double x, y;
        int nTargetX, nTargetY;
        double dSpeed;
        bool bReached;
        double dEndX, dEndY;
    } cases[] = {
        // Whole-unit sub-steps: 3 right and 1 down is reached on the third.
        {0, 0, 3, 1, 10, true, 3, 1},
        // Equal differences: the vertical axis leads.
        {0, 0, 2, 2, 10, true, 2, 2},
        // Leftward, and the minor axis doesn't move on a zero difference.
        {5, 5, 2, 5, 10, true, 2, 5},
        // Truncation is toward zero: -0.5 is still cell 0.
        {0.5, 0, -1, 0, 10, true, -1.5, 0},
        // Half-unit sub-steps take two to cross a cell.
        {0, 0, 1, 0, 5, true, 1, 0},
        // Too far for ten sub-steps.
        {0, 0, 20, 0, 10, false, 10, 0},
        // The start cell itself: one sub-step is taken first; a small one
        // stays in the cell, a whole one leaves it for good.
        {0, 0, 0, 0, 0.5, true, 0.05, 0.05},
        {0, 0, 0, 0, 10, false, 10, 10},
        // Distances beyond 32 bits neither overflow nor reach.
        {-2e9, 0, INT_MAX, 0, 10, false, -2e9 + 10, 0},
        {0, 0, INT_MIN, INT_MAX, 10, false, -10, 10},
    };
    for (const auto& c : cases) {
        double x = c.x, y = c.y;
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") -> (" << c.nTargetX << ", "
                                        << c.nTargetY << ") speed " << c.dSpeed);
        EXPECT_EQ(StepTowards(x, y, c.nTargetX, c.nTargetY, c.dSpeed), c.bReached);
        EXPECT_DOUBLE_EQ(x, c.dEndX);
        EXPECT_DOUBLE_EQ(y, c.dEndY);
    }
}

TEST(RandomInRange, StaysWithinEitherOrderOfBounds)
{
    std::set<s32> seen;
    for (int i = 0; i < 200; ++i) {
        s32 n = RandomInRange(5, 2);
        EXPECT_GE(n, 2);
        EXPECT_LE(n, 5);
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 4u);

    EXPECT_EQ(RandomInRange(7, 7), 7);
    EXPECT_EQ(RandomInRange(INT_MIN, INT_MIN), INT_MIN);
    for (int i = 0; i < 50; ++i) {
        // The whole 32-bit range spans 2^32 values.
        s32 n = RandomInRange(INT_MIN, INT_MAX);
        (void)n;
        s32 m = RandomInRange(INT_MAX, INT_MAX - 1);
        EXPECT_TRUE(m == INT_MAX || m == INT_MAX - 1);
        s32 k = RandomInRange(-3, INT_MAX);
        EXPECT_GE(k, -3);
    }
}

TEST(NumericHelpers, BringWideValuesIntoThirtyTwoBits)
{
    struct {
        s64 nValue;
        s32 nWrapped, nSaturated;
    } cases[] = {
        {0, 0, 0},
        {-7, -7, -7},
        {INT_MAX, INT_MAX, INT_MAX},
        {static_cast<s64>(INT_MAX) + 1, INT_MIN, INT_MAX},
        {static_cast<s64>(INT_MIN) - 1, INT_MAX, INT_MIN},
        {s64{1} << 32, 0, INT_MAX},
        {static_cast<s64>(65536) * 65537, 65536, INT_MAX},
        {INT64_MIN, 0, INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrapToS32(c.nValue), c.nWrapped) << c.nValue;
        EXPECT_EQ(SaturateToS32(c.nValue), c.nSaturated) << c.nValue;
    }

    struct {
        double d;
        s32 n;
    } truncs[] = {
        {2.9, 2}, {-2.9, -2}, {-0.5, 0}, {1e300, INT_MAX}, {-1e300, INT_MIN}, {NAN, 0}, {INFINITY, INT_MAX},
    };
    for (const auto& c : truncs) EXPECT_EQ(TruncToS32(c.d), c.n) << c.d;
}
