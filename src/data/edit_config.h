#pragma once
// The editor's own settings (e_data\EditConfig.dat): the stage edited last,
// the positions of the editor's windows, the choices of the new-stage
// dialog, and the settings of the data windows, the stage settings window,
// the world-map editor, the edit options and the bitmap conversion tool.
#include <string>

#include "data/ed_data.h"

// One window's position. Loading keeps it on the screen.
class cWndPos : public cEdRecord<cWndPos> {
public:
    cWndPos() { Clear(); }
    static const cFieldTable& FieldTable();
    // The base body, then the position brought inside the screen's work area.
    bool Load(cDataReader& file) override;

    friend bool operator==(const cWndPos& a, const cWndPos& b) { return cEdData::IsEqual(a, b) != 0; }

    u32 m_dwValid;    // the position was stored by its window
    s32 m_nX;         // screen position
    s32 m_nY;
    s32 m_nWidth;
    s32 m_nHeight;
    u32 m_dwVisible;  // the window was shown
};

class cEditConfig : public cEdRecord<cEditConfig> {
public:
    static constexpr size_t kWindows = 11;

    cEditConfig();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    // Synchronises the window positions, then writes them with the settings.
    void Save(cDataWriter& file) const override;

    // The shown flag of the common and the stage palette window of each
    // layer follows the block palettes' (windows 3 and 5 take window 1's,
    // windows 4 and 6 window 2's).
    void SyncWindowPositions();

    friend bool operator==(const cEditConfig& a, const cEditConfig& b);
    friend bool operator!=(const cEditConfig& a, const cEditConfig& b) { return !(a == b); }

    std::string m_strLastStage;        // relative path of the stage edited last
    cWndPos m_WndPos[kWindows];
    std::string m_strNewStageTemplate; // the stage the new-stage dialog copies
    u32 m_dwNewStagePalette;           // index into g_lpNewStagePaletteChoices
    std::string m_strNewStagePaletteFile;
    u32 m_adwDataWndSetting[3];        // block, chara and item data windows
    u32 m_adwStageSetting[2];          // stage settings window
    u32 m_adwSetting[9];               // world-map editor (3), then edit options (6)
    std::string m_strConverterFolder;  // folder of the bitmap conversion tool
};

// The stage palette choices of the new-stage dialog, ended by an empty text.
extern const char* const g_lpNewStagePaletteChoices[];
