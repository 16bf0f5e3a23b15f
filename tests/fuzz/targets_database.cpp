// The ten database tables, each as a file of its own, and the container that
// loads all ten in order.
#include <cstring>

#include "data/database.h"
#include "data/project_paths.h"
#include "fuzz_target.h"

namespace {

template <auto P>
using tTable = std::remove_reference_t<decltype(std::declval<cDatabase&>().*P)>;

template <auto P>
const cFileKind<tTable<P>> kTableKind = {
    []() { return cDatabase().*P; },
    [](tTable<P>& table, const std::string& strPath) { return LoadTable(table, strPath); },
    [](const tTable<P>& table, const std::string& strPath) { return SaveTable(table, strPath); },
};

template <auto P>
void RunTable(const u8* lpData, size_t nSize)
{
    RunFileKind(kTableKind<P>, lpData, nSize);
}

// The default table, and three records whose members all carry values, at
// every version the record's fields tell apart.
// (Nested are the record classes of the lists inside a record.)
template <auto P, class... Nested>
void TableSeeds(tSeeds& seeds)
{
    using tRecord = typename tTable<P>::value_type;
    tTable<P> table = cDatabase().*P;
    AddVersionedSeeds(seeds, kTableKind<P>, table, {&tRecord::FieldTable(), &Nested::FieldTable()...});
    for (int i = 0; i < 3; ++i) {
        table.push_back(tRecord());
        FillFields(table.back());
    }
    AddVersionedSeeds(seeds, kTableKind<P>, table, {&tRecord::FieldTable(), &Nested::FieldTable()...});
}

template <auto P, class... Nested>
cFuzzTarget TableTarget(const char* lpName)
{
    return {lpName, RunTable<P>, TableSeeds<P, Nested...>};
}

// The ten files, cut apart at this mark; a missing part is a missing file.
const std::string kFileMark = "\n--file--\n";

void RunDatabase(const u8* lpData, size_t nSize)
{
    static const ePath kFiles[] = {kPathAnimeSet, kPathAnime, kPathCharaExcBmp, kPathSwordType, kPathEffect,
                                   kPathCharaEffect, kPathScrEffect, kPathPicture, kPathSound, kPathBgm};
    cMemoryFs& fs = FreshMemoryFs();
    const std::string strInput(reinterpret_cast<const char*>(lpData), nSize);
    size_t nStart = 0;
    for (ePath nPath : kFiles) {
        if (nStart > strInput.size()) break;
        size_t nEnd = strInput.find(kFileMark, nStart);
        if (nEnd == std::string::npos) nEnd = strInput.size();
        fs.Put(g_strPath[nPath], lpData + nStart, nEnd - nStart);
        nStart = nEnd + kFileMark.size();
    }
    cDatabase db;
    if (!db.Load()) return;
    FuzzCheck(!IsFatalError(), "a checked access failed while loading");
    FuzzCheck(db.Save(false) == 1, "a loaded database could not be saved");
    std::vector<std::vector<u8>> saved;
    for (ePath nPath : kFiles) {
        saved.emplace_back();
        FuzzCheck(fs.Get(g_strPath[nPath], saved.back()), "a table file was not written");
    }
    cDatabase again;
    FuzzCheck(again.Load() == 1, "a saved database did not load back");
    FuzzCheck(again.Save(false) == 1, "a reloaded database could not be saved");
    for (size_t i = 0; i < saved.size(); ++i) {
        std::vector<u8> bytes;
        fs.Get(g_strPath[kFiles[i]], bytes);
        FuzzCheck(bytes == saved[i], "a saved database loaded back to other content");
    }
}

void DatabaseSeeds(tSeeds& seeds)
{
    for (bool bFilled : {false, true}) {
        cDatabase db;
        if (bFilled) {
            FillFields(db.m_vAnimeSet[0]);
            FillFields(db.m_vSwordType[0]);
            FillFields(db.m_vEffect[1]);
            FillFields(db.m_vBgm[1]);
        }
        FreshMemoryFs();
        db.Save(false);
        std::string strSeed;
        for (int i = 0; i < kPathCount; ++i) {
            std::vector<u8> bytes;
            if (strncmp(g_strPath[i], "data\\database\\", 14) != 0 || !MemoryFs().Get(g_strPath[i], bytes)) continue;
            if (!strSeed.empty()) strSeed += kFileMark;
            strSeed.append(bytes.begin(), bytes.end());
        }
        seeds.emplace_back(strSeed.begin(), strSeed.end());
    }
}

const cFuzzRows s_Rows{
    TableTarget<&cDatabase::m_vAnimeSet, cEdAnime, cEdAnimePattern>("db_anime_set"),
    TableTarget<&cDatabase::m_vAnime, cEdAnimePattern>("db_anime"),
    TableTarget<&cDatabase::m_vCharaExcBmp>("db_chara_exc_bmp"),
    TableTarget<&cDatabase::m_vSwordType, cEdSwordPos>("db_sword_type"),
    TableTarget<&cDatabase::m_vEffect, cEdEffectFrame>("db_effect"),
    TableTarget<&cDatabase::m_vCharaEffect>("db_chara_effect"),
    TableTarget<&cDatabase::m_vScrEffect>("db_scr_effect"),
    TableTarget<&cDatabase::m_vPicture>("db_picture"),
    TableTarget<&cDatabase::m_vSound>("db_sound"),
    TableTarget<&cDatabase::m_vBgm>("db_bgm"),
    {"database", RunDatabase, DatabaseSeeds, 262144},
};

}  // namespace
