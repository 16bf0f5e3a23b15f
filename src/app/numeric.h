#pragma once
// Small numeric routines shared by the stage tools and the code checker.
#include "app/types.h"

// Moves the point (x, y) toward the target cell by at most ten sub-steps of
// speed / 10 along the longer axis, the shorter axis following a Bresenham
// error. True when the point's truncated coordinates equal the target after a
// sub-step (the point stops there), false when ten sub-steps didn't reach it.
bool StepTowards(double& x, double& y, int nTargetX, int nTargetY, double dSpeed);

// A pseudo-random integer from the smaller to the larger of a and b, both
// included. The run-time library's generator is used as it is (never seeded).
s32 RandomInRange(s32 a, s32 b);

// A 64-bit result brought into 32 bits: wrapped as the game's 32-bit
// arithmetic wraps, or saturated at the bounds.
s32 WrapToS32(s64 nValue);
s32 SaturateToS32(s64 nValue);

// A double truncated toward zero, saturated at the 32-bit bounds (NaN gives 0).
s32 TruncToS32(double d);
