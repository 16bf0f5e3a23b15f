// The ten database tables, each as a file of its own, and the container that
// loads all ten in order.
#include <cstring>

#include "data/database.h"
#include "data/project_paths.h"
#include "fuzz_target.h"
#include "support/db_bytes.h"

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

// Two records of a table laid out by hand as a file of data version v
// stores them, as the tests build them.
using tFixture = void (*)(cBytes& b, u32 v);

namespace fixture {
using namespace dbbytes;
void AnimeSets(cBytes& b, u32 v)
{
    AnimeSet(b, v, "", 4, 8, 0, {"立ち", "立ち移動", "飛行", "飛行移動"});
    AnimeSet(b, v, "敵", 2, 3, 4, {"a", "b", "c", "d", "e"});
}
void Animes(cBytes& b, u32 v)
{
    Anime(b, v, "なし");
    Anime(b, v, "x", 119, 4, 19, {{299, 9999, 1}, {0, 1, 0}});
}
void CharaExcBmps(cBytes& b, u32 v)
{
    CharaExcBmp(b, v, "", "", 0, 0, 0);
    CharaExcBmp(b, v, "大", "bmp\\chara_sp\\表.bmp", 1, 1, 3);
}
void SwordTypes(cBytes& b, u32 v)
{
    SwordType(b, v, "", "", "", 0, {kDefaultSwordPos});
    SwordType(b, v, "剣", "l.bmp", "r.bmp", 1, {kDefaultSwordPos, {1, 2, 0, 1, 3, 4, 5, 6, 7, 8}});
}
void Effects(cBytes& b, u32 v)
{
    Effect(b, v, "", "", 0, 32, 32, 0);
    Effect(b, v, "爆発", "bmp\\effect\\a.bmp", 1, 64, 48, 2, {{0, 1}, {3, 20}});
}
void KindEffects(cBytes& b, u32)
{
    KindEffect(b, "", 0, {0, 0, 0, 0, 0});
    KindEffect(b, "揺れ", 5, {1, -2, 3, 4, 100});
}
void FileEntries(cBytes& b, u32 v)
{
    FileEntry(b, v, "", "", 0);
    FileEntry(b, v, "効果", "wave\\a.wav", 1);
}
void Bgms(cBytes& b, u32 v)
{
    Bgm(b, v, "", "", 0, 100);
    Bgm(b, v, "曲", "bgm\\a.ogg", 1, 50);
}
}  // namespace fixture

// The versions where the record layouts of the tables change.
const u32 kFixtureVersions[] = {54, 55, 118, 119, 120, 127, 128, 137, 138, 150, 151,
                                152, 153, 171, 172, 510, 511, 813, 814, 827, 828, kDataVersion};

// The default table, three records whose members all carry values, at
// every version the record's fields tell apart, and the fixture at every
// version where a layout changes. (Nested are the record classes of the
// lists inside a record.)
template <auto P, tFixture F, class... Nested>
void TableSeeds(tSeeds& seeds)
{
    for (u32 v : kFixtureVersions) seeds.push_back(dbbytes::TableFile(v, 2, [v](cBytes& b) { F(b, v); }));
    using tRecord = typename tTable<P>::value_type;
    tTable<P> table = cDatabase().*P;
    AddVersionedSeeds(seeds, kTableKind<P>, table, {&tRecord::FieldTable(), &Nested::FieldTable()...});
    for (int i = 0; i < 3; ++i) {
        table.push_back(tRecord());
        FillFields(table.back());
    }
    AddVersionedSeeds(seeds, kTableKind<P>, table, {&tRecord::FieldTable(), &Nested::FieldTable()...});
}

template <auto P, tFixture F, class... Nested>
cFuzzTarget TableTarget(const char* lpName)
{
    return {lpName, RunTable<P>, TableSeeds<P, F, Nested...>};
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
    TableTarget<&cDatabase::m_vAnimeSet, fixture::AnimeSets, cEdAnime, cEdAnimePattern>("db_anime_set"),
    TableTarget<&cDatabase::m_vAnime, fixture::Animes, cEdAnimePattern>("db_anime"),
    TableTarget<&cDatabase::m_vCharaExcBmp, fixture::CharaExcBmps>("db_chara_exc_bmp"),
    TableTarget<&cDatabase::m_vSwordType, fixture::SwordTypes, cEdSwordPos>("db_sword_type"),
    TableTarget<&cDatabase::m_vEffect, fixture::Effects, cEdEffectFrame>("db_effect"),
    TableTarget<&cDatabase::m_vCharaEffect, fixture::KindEffects>("db_chara_effect"),
    TableTarget<&cDatabase::m_vScrEffect, fixture::KindEffects>("db_scr_effect"),
    TableTarget<&cDatabase::m_vPicture, fixture::FileEntries>("db_picture"),
    TableTarget<&cDatabase::m_vSound, fixture::FileEntries>("db_sound"),
    TableTarget<&cDatabase::m_vBgm, fixture::Bgms>("db_bgm"),
    {"database", RunDatabase, DatabaseSeeds, 262144},
};

}  // namespace
