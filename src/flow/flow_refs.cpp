#include "flow/flow_refs.h"

#include <algorithm>

namespace {

class cNoRefs : public cFlowRefs {
public:
    u32 Count(eFlowRefTable) const override { return kUnknownCount; }
};

const cFlowRefs* s_lpRefs = nullptr;

}  // namespace

const cFlowRefs& FlowRefs()
{
    static const cNoRefs s_NoRefs;
    return s_lpRefs ? *s_lpRefs : s_NoRefs;
}

void SetFlowRefs(const cFlowRefs* lpRefs) { s_lpRefs = lpRefs; }

bool SwordTypeTime(u32 nType, u32& nTime)
{
    nTime = 0;
    std::vector<u32> times;
    if (!FlowRefs().SwordPosTimes(nType, times)) return false;
    for (u32 t : times) nTime = static_cast<u32>(std::min<u64>(static_cast<u64>(nTime) + t, kMaxCmdTime));
    return true;
}
