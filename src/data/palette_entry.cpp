#include "data/palette_entry.h"

void OpenInheritSlot(std::vector<u8>& flags, size_t nGroups, size_t nSlot, u8 nValue)
{
    FitInheritFlags(flags, nGroups);
    if (nSlot >= nGroups) return;
    flags.insert(flags.begin() + static_cast<std::ptrdiff_t>(nSlot), nValue);
    flags.pop_back();
}
