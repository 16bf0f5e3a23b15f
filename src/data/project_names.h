#pragma once
// What the command summaries show of the project, read from the loaded
// objects: the database's record names and display times, the entry names
// of the common palette and of the stage palette, and the names of the
// project's (common) variables and of the stage's variables.
#include <vector>

#include "data/gval_info.h"
#include "flow/summary_refs.h"

class cCommonPalette;
class cDatabase;
class cPaletteLists;
class cStage;

class cProjectNames : public cSummaryRefs {
public:
    // Any part may be missing (null): its names are then empty.
    const cDatabase* m_lpDatabase = nullptr;
    const cPaletteLists* m_lpCommonPalette = nullptr;
    const cPaletteLists* m_lpStagePalette = nullptr;
    const cGValInfo* m_lpCommonVars = nullptr;
    const std::vector<cStageRecord>* m_lpStageVars = nullptr;

    const char* RecordName(eFlowRefTable eTable, long long nIndex) const override;
    bool DisplayTimes(eFlowRefTable eTable, long long nIndex, std::vector<u32>& times) const override;
    s32 FirstEffectParam(eFlowRefTable eTable, long long nIndex) const override;
    const char* EntryName(ePaletteList eList, long long nIndex) const override;
    const char* VarName(eVarScope eScope, long long nNumber) const override;
};

// Installs the project's objects as what the summaries show (they must
// outlive the installation; the stage gives its palette and its variables);
// RemoveProjectNames forgets them.
void InstallProjectNames(const cDatabase& database, const cCommonPalette& common, const cStage& stage,
                         const cGValInfo& vars);
void RemoveProjectNames();
