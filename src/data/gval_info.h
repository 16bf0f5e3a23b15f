#pragma once
// The variable info (data\GValInfo.dat): the names of the project's
// variables, one record each, which flows and conditions show.
#include <string>
#include <vector>

#include "data/stage_records.h"

using cGValInfo = std::vector<cStageRecord>;

// The project load brings the list to this many names.
constexpr size_t kGValCount = 1000;

// u32 data version, u32 count, then each record's body. A stored count
// below 1 leaves the list as it was; a file that is refused or damaged
// leaves it as it was too. False when the file could not be read whole.
bool LoadGValInfo(cGValInfo& list, const std::string& strName);
// False under the fatal-error flag or when the file could not be written
// (the old file then stays as it was).
bool SaveGValInfo(const cGValInfo& list, const std::string& strName);
