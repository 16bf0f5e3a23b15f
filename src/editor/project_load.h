#pragma once
// The project load of start-up: every data file into the global data
// objects, the game palette, the bitmap slots and the chara special bitmaps,
// then the upgrade-save of files that an older program wrote.

// False at the first failure, after its message; what was read so far stays.
bool LoadProject();
