#pragma once
// The editor's own settings file (e_data\EditConfig.dat) as start-up reads it
// and shutdown writes it back. A file that was there but couldn't be read (a
// newer program's, or a damaged one) belongs to the user: the defaults the
// editor ran with never overwrite it.
#include "data/ed_data.h"

enum class eSettingsLoad {
    kMissing,  // no file: the defaults, written back at the end
    kRead,
    kRefused,  // never written over
};

// How start-up found the settings' file: a refused one is never written
// over, by shutdown nor by the windows that save their places meanwhile.
extern eSettingsLoad g_SettingsLoad;

// Reads the settings; a failure writes "EditConfig.Load 失敗" to the error
// log and leaves the defaults.
eSettingsLoad LoadEditorSettings(cEdData& settings);
inline bool MaySaveEditorSettings(eSettingsLoad loaded) { return loaded != eSettingsLoad::kRefused; }
// Writes the settings unless their file was refused; 0 when nothing was
// written.
u32 SaveEditorSettings(const cEdData& settings, eSettingsLoad loaded);
