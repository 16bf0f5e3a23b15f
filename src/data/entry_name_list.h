#pragma once
// The name lists of palette entries that fill combo boxes: one text per entry
// from entry 1 (entry 0 of a palette list is the fixed empty entry), the
// entry number in three digits, a space and the entry's name.
#include <string>
#include <vector>

#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"

void MakeBlockNameList(std::vector<std::string>& out, const std::vector<cEdBlock>& blocks);
void MakeCharaNameList(std::vector<std::string>& out, const std::vector<cEdChara>& charas);
void MakeItemNameList(std::vector<std::string>& out, const std::vector<cEdItem>& items);
