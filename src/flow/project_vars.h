#pragma once
// The names of the project's common variables (data\GValInfo.dat) and of the
// stage's variables as the command dialogs list and rename them (what the
// summaries and the condition rows show comes through flow/summary_refs.h,
// over the same lists).
// Number n is row n; row 0 is not a variable. Lookups are bounded: a number
// outside the list has an empty name.
//
// The variable info and the stage are global data objects of their own; this
// interface is all the flow model and the command editor need of them. Until
// those objects are wired in, the default source keeps the names in memory
// and has no file to save the common names to.
#include <string>
#include <vector>

#include "app/types.h"
#include "flow/summary_refs.h"  // eVarScope

class cVarNames {
public:
    virtual ~cVarNames() = default;
    // Rows of the list, row 0 included.
    virtual u32 Count(eVarScope eScope) const = 0;
    virtual std::string Name(eVarScope eScope, u32 nNumber) const = 0;
    // False for row 0 or a number outside the list.
    virtual bool SetName(eVarScope eScope, u32 nNumber, const std::string& strName) = 0;
    // Writes data\GValInfo.dat at once; false when it was refused or failed.
    virtual bool SaveCommon() = 0;
};

// The names in memory: 1000 rows of each scope.
class cMemoryVarNames : public cVarNames {
public:
    static constexpr u32 kRows = 1000;
    cMemoryVarNames();
    u32 Count(eVarScope eScope) const override;
    std::string Name(eVarScope eScope, u32 nNumber) const override;
    bool SetName(eVarScope eScope, u32 nNumber, const std::string& strName) override;
    bool SaveCommon() override { return false; }

    std::vector<std::string>& List(eVarScope eScope) { return m_Lists[static_cast<int>(eScope) & 1]; }

private:
    std::vector<std::string> m_Lists[2];
};

// The installed source; never null (the memory source until one is set).
cVarNames& VarNames();
// Installs a source (null puts the memory source back); returns the previous one.
cVarNames* SetVarNames(cVarNames* lpNames);

// "%s %s" of the number in three digits and the name, for rows nFrom to the
// last of the scope's list.
void MakeVarNameList(std::vector<std::string>& out, eVarScope eScope, u32 nFrom = 1);
