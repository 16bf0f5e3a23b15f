#pragma once
// "System.ini": key=value lines in the project folder that the game program
// reads too. The editor reads it once at start-up into the system settings;
// it never writes the file. The keys are the names of the game's eleven
// options, which the system data defines (cSystem::m_vIniDefault), and four
// replay keys.
#include <string>
#include <vector>

#include "app/types.h"

class cSysIniDefault;

// Positions in the system data's option list (the names may be changed by
// the user; these are the defaults).
enum eSystemIniOption : int {
    kIniDirect3D,
    kIniWindowMode,
    kIniBpp,
    kIniVSync,
    kIniD3DFontCache,
    kIniDDFontCache,
    kIniDDVideoStretch,
    kIniShowFps,
    kIniFreeStage,  // the text option
    kIniEnglish,
    kIniMidiDirectMusic,
    kIniOptionCount
};

enum eSystemIniReplay : int {
    kReplayOn,
    kReplayAutomaticSave,
    kReplayPlaybackOrder,
    kReplayAutomaticMessageProgress,
    kReplayKeyCount
};

// A replay setting that System.ini gave (present) or left to the game.
struct cReplaySetting {
    u32 bPresent = 0;
    s32 nValue = 0;
};

struct cSystemIni {
    // The number of each option; the text option's number is unused.
    s32 m_anOption[kIniOptionCount] = {};
    std::string m_strText;  // the text option ("FreeStage"), below 260 bytes
    cReplaySetting m_aReplay[kReplayKeyCount];
};

// The settings read at start-up.
extern cSystemIni g_SystemIni;

// The replay keys, ended by an empty text.
extern const char* const g_lpReplayKeys[kReplayKeyCount + 1];

// Every option takes its default; the replay settings become absent (their
// values stay).
void SetSystemIniDefaults(cSystemIni& ini, const std::vector<cSysIniDefault>& options);
// True when the file was read up to its "Exit" line (or a NUL byte, or the
// line limit); false when it can't be opened or ends before that, having
// stored whatever it read. A key or a value keeps its first 2,047 bytes.
bool LoadSystemIni(const std::string& strPath, cSystemIni& ini, const std::vector<cSysIniDefault>& options);
// Start-up's reading: the defaults, then the file; a file that can't be
// read completely leaves only the defaults. False in that case.
bool ReadSystemIni(cSystemIni& ini, const std::vector<cSysIniDefault>& options,
                   const std::string& strPath = "System.ini");
