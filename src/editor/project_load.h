#pragma once
// The project load of start-up: every data file into the global data
// objects, the game palette, the bitmap slots and the chara special bitmaps,
// then the upgrade-save of files that an older program wrote.

#include <string>

// False at the first failure, after its message; what was read so far stays.
bool LoadProject();

// Opens the stage that the editor settings name as the one edited last (see
// OpenLastStage) and makes it the stage editor's current stage; with an
// empty path, or when it fails, the stage has no path. The undo history is
// sized for the stage. True when the stage was read from the file.
bool LoadLastStage(const std::string& strPath);
