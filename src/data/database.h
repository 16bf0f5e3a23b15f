#pragma once
// The project database: ten tables of records, each stored in a file of its
// own under data\database\. Index 0 of every table is the "none" entry that
// the rest of the project refers to.
#include <string>
#include <vector>

#include "data/db_anime.h"
#include "data/db_effect.h"
#include "data/db_media.h"
#include "data/db_sword.h"
#include "data/ed_data.h"
#include "data/serial.h"
#include "flow/flow_refs.h"

class cDatabase : public cEdData, public cFlowRefs {
public:
    // SwordType.dat files older than this counted only their first 128 records.
    static constexpr u32 kSwordTypeCutBelow = 828;
    static constexpr size_t kSwordTypeCut = 128;

    // In the order of loading and saving.
    std::vector<cEdAnimeSet> m_vAnimeSet;
    std::vector<cEdAnime> m_vAnime;
    std::vector<cEdCharaExcBmp> m_vCharaExcBmp;
    std::vector<cEdSwordType> m_vSwordType;
    std::vector<cEdEffect> m_vEffect;
    std::vector<cEdCharaEffect> m_vCharaEffect;
    std::vector<cEdScrEffect> m_vScrEffect;
    std::vector<cEdPicture> m_vPicture;
    std::vector<cEdSound> m_vSound;
    std::vector<cEdBgm> m_vBgm;

    cDatabase() { SetDefaults(); }

    // The container itself is never stored as one object.
    using cEdData::Load;
    using cEdData::Save;

    // The flow records repair their references against these tables.
    u32 Count(eFlowRefTable eTable) const override;
    bool SwordPosTimes(u32 nType, std::vector<u32>& times) const override;

    // Every table refilled with its default records.
    void SetDefaults();
    // Loads the ten files in order. At the first file that can't be read the
    // failure is reported for that file and 0 returned; the tables read so far
    // keep what they read, the others stay as they were.
    u32 Load();
    // Writes the ten files (with bOnlyOlder, only those an older program
    // wrote). A file that fails doesn't stop the others; the result is 1 only
    // when every file that was due got written, and the paths of those that
    // failed go to lpFailed.
    u32 Save(bool bOnlyOlder, std::vector<std::string>* lpFailed = nullptr);
    // The "none" entries of the chara-effect and screen-effect tables have no
    // effect, whatever the user or a file put there.
    void NormalizeEffectKinds();
};

// Reads one table file (a record list whose stored count of 0 keeps the
// table as it was). 0 when the file is missing, newer than the program or
// damaged; the table is then unchanged.
template <class T>
u32 LoadTable(std::vector<T>& table, const std::string& strName)
{
    cDataReader file;
    if (!OpenDataFileForRead(strName, file)) return 0;
    std::vector<T> loaded = table;
    bool bOk = LoadRecordListKeep(loaded, file) && file.Ok();
    SafeFclose(file);
    if (!bOk) return 0;
    table.swap(loaded);
    return 1;
}

// Writes one table file through the safe-save helper; 0 under the
// fatal-error flag or when the file could not be written (the old file then
// stays as it was).
template <class T>
u32 SaveTable(const std::vector<T>& table, const std::string& strName)
{
    cDataWriter file;
    if (!OpenDataFileForWrite(strName, file)) return 0;
    SaveRecordList(table, file);
    return CloseDataFileForWrite(file);
}
