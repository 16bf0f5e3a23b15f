#include "data/data_move.h"

bool DataMoveFits(const cDataMove& move, size_t nSize)
{
    const long long nCount = static_cast<long long>(nSize);
    if (move.nFrom < 1 || move.nTo > nCount - 1) return false;
    if (move.nMode == kRangeDelete) return true;
    return move.nDest >= 1 && move.nDest <= nCount;
}
