#pragma once
// The data steps of the project load and the upgrade-save that ends it. The
// program's loader (with the bitmaps between the two) runs them once at
// start-up, before any editing window exists.
#include <string>

// In order: the database, the system data, the project options, the world
// map, then a copy of the default stage when data\stg4\ has none. False at
// the first file that can't be read, after its message; what was read so far
// stays. The variable info comes first, and the common palette after the
// system data, once they exist.
bool LoadProjectData();

// Copies the newest default\stg4\Default.stg4_ddd to data\stg4\ under the
// same number when data\stg4\ holds no default stage; never overwrites.
void CopyDefaultStage();

// Rewrites in today's format the files that an older program wrote: the
// system data, the database tables and the world map. The others are
// rewritten when they are next saved. False when a rewrite failed (logged;
// the old file stays and still loads).
bool UpgradeSave();
