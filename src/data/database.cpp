#include "data/database.h"

#include <type_traits>

#include "app/safe_vector.h"
#include "data/load_failure.h"
#include "data/project_paths.h"

namespace {

// What the container does with each of its tables.
struct cTableDesc {
    ePath nPath;
    size_t nDefaults;  // default records
    void (*pfnReset)(cDatabase& db, size_t nCount);
    u32 (*pfnLoad)(cDatabase& db, const std::string& strName);
    u32 (*pfnSave)(const cDatabase& db, const std::string& strName);
    void (*pfnAfterLoad)(cDatabase& db);
};

template <auto P>
cTableDesc Table(ePath nPath, size_t nDefaults, void (*pfnAfterLoad)(cDatabase&) = nullptr)
{
    return cTableDesc{
        nPath,
        nDefaults,
        [](cDatabase& db, size_t nCount) {
            using tTable = std::remove_reference_t<decltype(db.*P)>;
            (db.*P).assign(nCount, typename tTable::value_type());
        },
        [](cDatabase& db, const std::string& strName) { return LoadTable(db.*P, strName); },
        [](const cDatabase& db, const std::string& strName) { return SaveTable(db.*P, strName); },
        pfnAfterLoad,
    };
}

void CutOldSwordTypes(cDatabase& db)
{
    if (g_dwReadVersion < cDatabase::kSwordTypeCutBelow && db.m_vSwordType.size() > cDatabase::kSwordTypeCut)
        db.m_vSwordType.resize(cDatabase::kSwordTypeCut);
}

// Built on first use: the global database may be constructed before this
// file's statics.
const std::vector<cTableDesc>& Tables()
{
    static const std::vector<cTableDesc> s_Tables = {
        Table<&cDatabase::m_vAnimeSet>(kPathAnimeSet, 1),
        Table<&cDatabase::m_vAnime>(kPathAnime, 2),
        Table<&cDatabase::m_vCharaExcBmp>(kPathCharaExcBmp, 2),
        Table<&cDatabase::m_vSwordType>(kPathSwordType, 1, CutOldSwordTypes),
        Table<&cDatabase::m_vEffect>(kPathEffect, 2),
        Table<&cDatabase::m_vCharaEffect>(kPathCharaEffect, 2),
        Table<&cDatabase::m_vScrEffect>(kPathScrEffect, 2),
        Table<&cDatabase::m_vPicture>(kPathPicture, 2),
        Table<&cDatabase::m_vSound>(kPathSound, 2),
        Table<&cDatabase::m_vBgm>(kPathBgm, 2),
    };
    return s_Tables;
}

}  // namespace

void cDatabase::SetDefaults()
{
    Clear();
    for (const cTableDesc& t : Tables()) t.pfnReset(*this, t.nDefaults);
    m_vAnime[0].m_strName = "なし";
    m_vAnime[1].m_strName = "アクションA";
}

u32 cDatabase::Load()
{
    for (const cTableDesc& t : Tables()) {
        if (!t.pfnLoad(*this, g_strPath[t.nPath])) {
            ReportLoadFailure(g_strPath[t.nPath]);
            return 0;
        }
        if (t.pfnAfterLoad) t.pfnAfterLoad(*this);
    }
    NormalizeEffectKinds();
    return 1;
}

u32 cDatabase::Save(bool bOnlyOlder, std::vector<std::string>* lpFailed)
{
    NormalizeEffectKinds();
    const cSaveGroup group;
    u32 bAllSaved = 1;
    for (const cTableDesc& t : Tables()) {
        const char* lpPath = g_strPath[t.nPath];
        if (bOnlyOlder && !IsFileOlderThan(lpPath, kDataVersion)) continue;
        if (t.pfnSave(*this, lpPath)) continue;
        bAllSaved = 0;
        if (lpFailed) lpFailed->push_back(lpPath);
    }
    return bAllSaved;
}

void cDatabase::NormalizeEffectKinds()
{
    SafeAt(m_vCharaEffect, 0).m_dwKind = 0;
    SafeAt(m_vScrEffect, 0).m_dwKind = 0;
}

u32 cDatabase::Count(eFlowRefTable eTable) const
{
    switch (eTable) {
    case eFlowRefTable::AnimeSet: return static_cast<u32>(m_vAnimeSet.size());
    case eFlowRefTable::Anime: return static_cast<u32>(m_vAnime.size());
    case eFlowRefTable::CharaExcBmp: return static_cast<u32>(m_vCharaExcBmp.size());
    case eFlowRefTable::SwordType: return static_cast<u32>(m_vSwordType.size());
    case eFlowRefTable::Effect: return static_cast<u32>(m_vEffect.size());
    case eFlowRefTable::CharaEffect: return static_cast<u32>(m_vCharaEffect.size());
    case eFlowRefTable::ScrEffect: return static_cast<u32>(m_vScrEffect.size());
    case eFlowRefTable::Picture: return static_cast<u32>(m_vPicture.size());
    case eFlowRefTable::Sound: return static_cast<u32>(m_vSound.size());
    case eFlowRefTable::Bgm: return static_cast<u32>(m_vBgm.size());
    }
    return kUnknownCount;
}

bool cDatabase::SwordPosTimes(u32 nType, std::vector<u32>& times) const
{
    times.clear();
    if (nType >= m_vSwordType.size()) return false;
    for (const cEdSwordPos& pos : m_vSwordType[nType].m_vPos) times.push_back(pos.m_dwTime);
    return true;
}
