#pragma once
// The variable names of a project as the flow model and the command editor
// see them (flow/project_vars.h): the common names of the variable info and
// the variable records of a stage. A renamed common variable is saved at
// once through the variable info's own writer; stage names go with the
// stage.
#include <string>
#include <vector>

#include "data/gval_info.h"
#include "flow/project_vars.h"

class cProjectVarNames : public cVarNames {
public:
    // The path is where the common names are saved (data\GValInfo.dat).
    cProjectVarNames(cGValInfo& common, std::vector<cStageRecord>& stage, std::string strPath);

    u32 Count(eVarScope eScope) const override;
    std::string Name(eVarScope eScope, u32 nNumber) const override;
    bool SetName(eVarScope eScope, u32 nNumber, const std::string& strName) override;
    bool SaveCommon() override;

private:
    std::vector<cStageRecord>& List(eVarScope eScope) const { return eScope == eVarScope::Common ? m_Common : m_Stage; }

    cGValInfo& m_Common;
    std::vector<cStageRecord>& m_Stage;
    std::string m_strPath;
};
