#include "flow/flow_refs.h"

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
