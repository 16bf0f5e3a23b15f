#include "flow/summary_refs.h"

namespace {

class cNoSummaryRefs : public cSummaryRefs {
public:
    const char* RecordName(eFlowRefTable, long long) const override { return ""; }
    bool DisplayTimes(eFlowRefTable, long long, std::vector<u32>& times) const override
    {
        times.clear();
        return false;
    }
    s32 FirstEffectParam(eFlowRefTable, long long) const override { return 0; }
    const char* EntryName(ePaletteList, long long) const override { return ""; }
    const char* VarName(eVarScope, long long) const override { return ""; }
};

const cSummaryRefs* s_lpRefs = nullptr;

}  // namespace

const cSummaryRefs& SummaryRefs()
{
    static const cNoSummaryRefs s_NoRefs;
    return s_lpRefs ? *s_lpRefs : s_NoRefs;
}

void SetSummaryRefs(const cSummaryRefs* lpRefs) { s_lpRefs = lpRefs; }
