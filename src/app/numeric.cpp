#include "app/numeric.h"

#include <climits>
#include <cmath>
#include <cstdlib>

s32 WrapToS32(s64 nValue) { return static_cast<s32>(static_cast<u32>(static_cast<u64>(nValue))); }

s32 SaturateToS32(s64 nValue)
{
    if (nValue < INT32_MIN) return INT32_MIN;
    if (nValue > INT32_MAX) return INT32_MAX;
    return static_cast<s32>(nValue);
}

s32 TruncToS32(double d)
{
    if (std::isnan(d)) return 0;
    if (d <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    if (d >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<s32>(d);
}

namespace {

// One axis of a step: its whole-cell distance (made non-negative) and the
// sub-step that walks it.
struct cAxis {
    s64 nDist;
    double dStep;
};

cAxis AxisToward(double dFrom, int nTarget, double dSpeed)
{
    s64 nDist = static_cast<s64>(nTarget) - TruncToS32(dFrom);
    if (nDist >= 0) return {nDist, dSpeed * 0.1};
    return {-nDist, dSpeed * -0.1};
}

// Walks the major axis every sub-step and the minor one when the error
// catches up.
bool WalkAxes(double& dMajor, double& dMinor, const cAxis& major, const cAxis& minor, int nTargetMajor,
              int nTargetMinor)
{
    s64 nError = major.nDist >> 1;
    for (int i = 0; i < 10; ++i) {
        nError += minor.nDist;
        if (nError >= major.nDist) {
            dMinor += minor.dStep;
            nError -= major.nDist;
        }
        dMajor += major.dStep;
        if (TruncToS32(dMajor) == nTargetMajor && TruncToS32(dMinor) == nTargetMinor) return true;
    }
    return false;
}

}  // namespace

bool StepTowards(double& x, double& y, int nTargetX, int nTargetY, double dSpeed)
{
    cAxis ax = AxisToward(x, nTargetX, dSpeed);
    cAxis ay = AxisToward(y, nTargetY, dSpeed);
    if (ax.nDist > ay.nDist) return WalkAxes(x, y, ax, ay, nTargetX, nTargetY);
    return WalkAxes(y, x, ay, ax, nTargetY, nTargetX);
}

s32 RandomInRange(s32 a, s32 b)
{
    s64 nLow = a < b ? a : b;
    s64 nHigh = a < b ? b : a;
    // The span of the full 32-bit range is 2^32: it needs 64 bits.
    s64 nSpan = nHigh - nLow + 1;
    return static_cast<s32>(nLow + rand() % nSpan);
}
