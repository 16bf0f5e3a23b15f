// The project's own files: the system data (System.dat), the world map
// (WorldMap.dat), the game's "System.ini" and the editor's sheet size
// (SheetSize.dat).
#include <cstring>

#include "data/database.h"
#include "data/sheet_size.h"
#include "data/system_data.h"
#include "data/system_ini.h"
#include "data/world_map.h"
#include "fuzz_target.h"

namespace {

// The screens' BGM indices are kept inside the default database's table.
cSystem MakeSystem()
{
    static const cDatabase s_Database;
    cSystem sys = cSystem::Defaults();
    sys.SetDatabase(&s_Database);
    return sys;
}

const cFileKind<cSystem> kSystemKind = {
    MakeSystem,
    [](cSystem& sys, const std::string& strPath) { return sys.LoadFile(strPath); },
    [](const cSystem& sys, const std::string& strPath) { return sys.SaveFile(strPath); },
};

void RunSystem(const u8* lpData, size_t nSize) { RunFileKind(kSystemKind, lpData, nSize); }

void SystemSeeds(tSeeds& seeds)
{
    const std::initializer_list<const cFieldTable*> tables = {
        &cSystem::FieldTable(), &cSysMenuItem::FieldTable(), &cSysStatusItem::FieldTable(),
        &cSysRanking::FieldTable(), &cSysIniDefault::FieldTable()};
    cSystem sys = MakeSystem();
    AddVersionedSeeds(seeds, kSystemKind, sys, tables);
    FillFields(sys);
    for (cSysMenuItem& item : sys.m_vTitleMenu) FillFields(item);
    AddVersionedSeeds(seeds, kSystemKind, sys, tables);
}

void RunSheetSize(const u8* lpData, size_t nSize) { RunFileKind(kRecordFile<cSheetSize>, lpData, nSize); }

void SheetSizeSeeds(tSeeds& seeds)
{
    cSheetSize size;
    cFontInfo font;
    font.strFace = "ＭＳ Ｐゴシック";
    font.nWidth = 0;
    font.nHeight = -12;
    size.Remember(1.25, 1.5, 6, 1, font);
    AddVersionedSeeds(seeds, kRecordFile<cSheetSize>, size, {&cSheetSize::FieldTable()});
}

// The same settings (an absent replay setting's value means nothing).
void RunWorldMap(const u8* lpData, size_t nSize) { RunFileKind(kRecordFile<cWorldMap>, lpData, nSize); }

// The default map, and a small one with chips, an event of two pages and a
// filled grid.
void WorldMapSeeds(tSeeds& seeds)
{
    const std::initializer_list<const cFieldTable*> tables = {
        &cWorldMap::FieldTable(), &cEdWorldChip::FieldTable(), &cWorldPage::FieldTable(),
        &cWorldEvent::FieldTable()};
    cWorldMap map;
    AddVersionedSeeds(seeds, kRecordFile<cWorldMap>, map, tables);
    map.SetSize(4, 3);
    map.m_vChip.resize(3);
    for (cEdWorldChip& chip : map.m_vChip) FillFields(chip);
    for (size_t i = 0; i < map.m_vCell.size(); ++i) map.m_vCell[i] = static_cast<u32>(i % 3);
    cWorldEvent event;
    FillFields(event);
    event.m_vPage.resize(2);
    for (cWorldPage& page : event.m_vPage) FillFields(page);
    map.m_vEvent.push_back(event);
    AddVersionedSeeds(seeds, kRecordFile<cWorldMap>, map, tables);
}

bool SameIni(const cSystemIni& a, const cSystemIni& b)
{
    for (int i = 0; i < kReplayKeyCount; ++i) {
        const cReplaySetting &x = a.m_aReplay[i], &y = b.m_aReplay[i];
        if (x.bPresent != y.bPresent || (x.bPresent && x.nValue != y.nValue)) return false;
    }
    return memcmp(a.m_anOption, b.m_anOption, sizeof a.m_anOption) == 0 && a.m_strText == b.m_strText;
}

// A file that can't be read to its end leaves the defaults alone; a text
// option stays within a path's length.
void RunSystemIni(const u8* lpData, size_t nSize)
{
    FreshMemoryFs().Put("System.ini", lpData, nSize);
    const std::vector<cSysIniDefault>& options = cSystem::Defaults().m_vIniDefault;
    cSystemIni defaults;
    SetSystemIniDefaults(defaults, options);
    cSystemIni ini;
    const bool bRead = ReadSystemIni(ini, options, "System.ini");
    FuzzCheck(bRead || SameIni(ini, defaults), "a file read only in part changed the settings");
    FuzzCheck(ini.m_strText.size() < 260, "the text option is longer than a path");
}

void SystemIniSeeds(tSeeds& seeds)
{
    const std::vector<cSysIniDefault>& options = cSystem::Defaults().m_vIniDefault;
    std::string strAll;
    for (size_t i = 0; i < options.size(); ++i)
        strAll += options[i].m_strKey + "=" + std::to_string(i % 3) + "    // コメント\r\n";
    for (int i = 0; i < kReplayKeyCount; ++i) strAll += std::string(g_lpReplayKeys[i]) + "=" + std::to_string(i) + "\n";
    for (const std::string& str : {strAll + "Exit\n", strAll, std::string("Bpp=16\nExit"), std::string("Exit\n")})
        seeds.emplace_back(str.begin(), str.end());
}

const cFuzzRows s_Rows{
    {"system_data", RunSystem, SystemSeeds, 262144},
    {"system_ini", RunSystemIni, SystemIniSeeds, 16384},
    {"sheet_size", RunSheetSize, SheetSizeSeeds},
    {"world_map", RunWorldMap, WorldMapSeeds, 262144},
};

}  // namespace
