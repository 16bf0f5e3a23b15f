#include "data/db_anime.h"

#include "data/serial.h"

namespace {

const char* const kBasicAnimeNames[cEdAnimeSet::kBasicAnimes] = {"立ち", "立ち移動", "飛行", "飛行移動"};

// Version 119 added the flying animations to every set; version 128 fixed
// their names.
constexpr u32 kFlyingAnimesFrom = 119;
constexpr u32 kFlyingNamesFrom = 128;

}  // namespace

const cFieldTable& cEdAnimePattern::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdAnimePattern::m_dwFrame>(),
        Field<&cEdAnimePattern::m_dwTime>(),
        Field<&cEdAnimePattern::m_dwRunCommand>(),
    };
    return s_Table;
}

cEdAnime::cEdAnime() : m_vPattern(1) {}

const cFieldTable& cEdAnime::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdAnime::m_strName>(),
        Field<&cEdAnime::m_wSampleNo>().From(55),
        Field<&cEdAnime::m_bySampleKind>().From(55),
        Field<&cEdAnime::m_wStartFrame>().From(55),
    };
    return s_Table;
}

bool cEdAnime::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    return LoadRecordList(m_vPattern, file);
}

void cEdAnime::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveRecordList(m_vPattern, file);
}

cEdAnimeSet::cEdAnimeSet()
{
    for (const char* lpName : kBasicAnimeNames) m_vAnime.emplace_back(lpName);
}

const cFieldTable& cEdAnimeSet::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdAnimeSet::m_strName>(),
        Field<&cEdAnimeSet::m_dwInvincibleOffset>(),
        Field<&cEdAnimeSet::m_dwBlockOffset>(),
        Field<&cEdAnimeSet::m_dwFlyOffset>().From(kFlyingAnimesFrom),
    };
    return s_Table;
}

bool cEdAnimeSet::Load(cDataReader& file)
{
    if (!LoadBody(file) || !LoadRecordList(m_vAnime, file)) return false;
    if (g_dwReadVersion < kFlyingAnimesFrom) m_vAnime.resize(kBasicAnimes);
    if (g_dwReadVersion < kFlyingNamesFrom) {
        m_vAnime.resize(kBasicAnimes);
        m_vAnime[2].m_strName = kBasicAnimeNames[2];
        m_vAnime[3].m_strName = kBasicAnimeNames[3];
    }
    return file.Ok();
}

void cEdAnimeSet::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveRecordList(m_vAnime, file);
}
