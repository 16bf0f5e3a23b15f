#pragma once
// Combo boxes that list the entries of a palette ("007 name" per entry from
// entry 1). The name vector is the combo's item source: it must outlive the
// combo's use of it.
#include <string>
#include <vector>

#include "controls/ctrl_combo.h"
#include "data/entry_name_list.h"

template <class C>
void SetComboBlockNames(std::vector<C>& combos, u16 wId, std::vector<std::string>& out,
                        const std::vector<cEdBlock>& blocks)
{
    MakeBlockNameList(out, blocks);
    if (C* lpCombo = FindCtrl(combos, wId)) lpCombo->SetItems(&out);
}

template <class C>
void SetComboItemNames(std::vector<C>& combos, u16 wId, std::vector<std::string>& out,
                       const std::vector<cEdItem>& items)
{
    MakeItemNameList(out, items);
    if (C* lpCombo = FindCtrl(combos, wId)) lpCombo->SetItems(&out);
}
