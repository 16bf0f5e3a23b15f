#pragma once
// The one-line text of a condition, as the condition lists show it. Every
// name is looked up by a stored value with bounds: a value a table doesn't
// have gives an empty name, never a read past the table. Variable names come
// from the project's names (flow/summary_refs.h), as the summaries' do.
#include <string>

#include "flow/cond_item.h"

// The row number is not used; the lists put their own number in front.
void ConditionRowText(std::string& out, int nRow, const cCondItem& cond);
