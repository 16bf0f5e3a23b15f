#include "flow/project_vars.h"

#include "app/str_util.h"

namespace {

cMemoryVarNames& MemoryNames()
{
    static cMemoryVarNames s_Names;
    return s_Names;
}

cVarNames* g_lpVarNames = nullptr;

}  // namespace

cMemoryVarNames::cMemoryVarNames()
{
    m_Lists[0].resize(kRows);
    m_Lists[1].resize(kRows);
}

u32 cMemoryVarNames::Count(eVarScope eScope) const
{
    return static_cast<u32>(m_Lists[static_cast<int>(eScope) & 1].size());
}

std::string cMemoryVarNames::Name(eVarScope eScope, u32 nNumber) const
{
    const std::vector<std::string>& list = m_Lists[static_cast<int>(eScope) & 1];
    return nNumber < list.size() ? list[nNumber] : std::string();
}

bool cMemoryVarNames::SetName(eVarScope eScope, u32 nNumber, const std::string& strName)
{
    std::vector<std::string>& list = List(eScope);
    if (nNumber == 0 || nNumber >= list.size()) return false;
    list[nNumber] = strName;
    return true;
}

cVarNames& VarNames() { return g_lpVarNames ? *g_lpVarNames : MemoryNames(); }

cVarNames* SetVarNames(cVarNames* lpNames)
{
    cVarNames* lpPrevious = &VarNames();
    g_lpVarNames = lpNames;
    return lpPrevious;
}

void MakeVarNameList(std::vector<std::string>& out, eVarScope eScope, u32 nFrom)
{
    const cVarNames& names = VarNames();
    const u32 nCount = names.Count(eScope);
    out.clear();
    if (nFrom < nCount) out.reserve(nCount - nFrom);
    std::string strNumber;
    for (u32 n = nFrom; n < nCount; ++n) {
        IntToStrZeroPad(strNumber, static_cast<s32>(n), 3);
        out.push_back(strNumber + " " + names.Name(eScope, n));
    }
}
