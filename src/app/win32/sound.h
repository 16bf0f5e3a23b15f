#pragma once
// The program's sound objects: the sound manager for background music and
// the MCI player for sound effects, each one global instance.
#include "app/sound_mgr.h"
#include "app/win32/mci.h"

cSoundMgr& SoundMgr();
cMci& Mci();
