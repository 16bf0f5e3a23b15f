#include "data/project_var_names.h"

cProjectVarNames::cProjectVarNames(cGValInfo& common, std::vector<cStageRecord>& stage, std::string strPath)
    : m_Common(common), m_Stage(stage), m_strPath(std::move(strPath))
{
}

u32 cProjectVarNames::Count(eVarScope eScope) const { return static_cast<u32>(List(eScope).size()); }

std::string cProjectVarNames::Name(eVarScope eScope, u32 nNumber) const
{
    const std::vector<cStageRecord>& list = List(eScope);
    return nNumber < list.size() ? list[nNumber].m_strName : std::string();
}

bool cProjectVarNames::SetName(eVarScope eScope, u32 nNumber, const std::string& strName)
{
    std::vector<cStageRecord>& list = List(eScope);
    if (nNumber == 0 || nNumber >= list.size()) return false;
    list[nNumber].m_strName = strName;
    return true;
}

bool cProjectVarNames::SaveCommon() { return SaveGValInfo(m_Common, m_strPath); }
