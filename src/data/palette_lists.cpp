#include "data/palette_lists.h"

#include <algorithm>

namespace {

template <class D>
void ResetFirst(std::vector<D>& list)
{
    if (!list.empty()) ResetEntry(list[0]);
}

template <class D>
void ClearFlags(std::vector<D>& list)
{
    for (D& entry : list) std::fill(entry.m_bbInherit.begin(), entry.m_bbInherit.end(), 0);
}

template <class D>
void FirstChecks(std::vector<D>& list)
{
    for (D& entry : list) entry.Validate();
}

template <class D>
void SecondChecks(std::vector<D>& list)
{
    for (D& entry : list) ValidateEntryRefs(entry);
}

}  // namespace

bool cPaletteLists::Load(cDataReader& file)
{
    return LoadRecordList(m_vBlock, file, kMinEntryBytes) && LoadRecordList(m_vChara, file, kMinEntryBytes) &&
           LoadRecordList(m_vItem, file, kMinEntryBytes);
}

void cPaletteLists::Save(cDataWriter& file) const
{
    SaveRecordList(m_vBlock, file);
    SaveRecordList(m_vChara, file);
    SaveRecordList(m_vItem, file);
}

void cPaletteLists::ResetEmptyEntries()
{
    ResetFirst(m_vBlock);
    ResetFirst(m_vChara);
    ResetFirst(m_vItem);
}

void cPaletteLists::ValidateFirst()
{
    FirstChecks(m_vBlock);
    FirstChecks(m_vChara);
    FirstChecks(m_vItem);
}

void cPaletteLists::ValidateSecond()
{
    SecondChecks(m_vBlock);
    SecondChecks(m_vChara);
    SecondChecks(m_vItem);
}

void cPaletteLists::ValidateAll()
{
    ValidateEntries(m_vBlock);
    ValidateEntries(m_vChara);
    ValidateEntries(m_vItem);
}

void cPaletteLists::ClearInheritFlags()
{
    ClearFlags(m_vBlock);
    ClearFlags(m_vChara);
    ClearFlags(m_vItem);
}
