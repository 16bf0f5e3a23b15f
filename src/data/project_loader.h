#pragma once
// The data steps of the project load and the upgrade-save that ends it. The
// program's loader (with the bitmaps between the two) runs them once at
// start-up, before any editing window exists.
#include <string>

class cStage;

// Installs the project context (InstallProjectContext), then reads in order:
// the variable info (brought to 1000 names), the database, the system data,
// the common palette, the project options, the world map; then copies the
// default stage when data\stg4\ has none. False at the first file that
// can't be read, after its message; what was read so far stays.
bool LoadProjectData();

// The stage edited last, read on this thread: recovered from its backup
// first when it is damaged, then loaded. A failure leaves a new 32 x 32
// stage and is silent; an empty path leaves the stage as it is. True when
// the stage was read from the file.
bool OpenLastStage(cStage& stage, const std::string& strPath);

// Copies the newest default\stg4\Default.stg4_ddd to data\stg4\ under the
// same number when data\stg4\ holds no default stage; never overwrites.
void CopyDefaultStage();

// Rewrites in today's format the files that an older program wrote: the
// system data, the database tables and the world map. The others are
// rewritten when they are next saved. False when a rewrite failed (logged;
// the old file stays and still loads).
bool UpgradeSave();
