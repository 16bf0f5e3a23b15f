#include "data/project_names.h"

#include "data/common_palette.h"
#include "data/database.h"
#include "data/stage.h"

namespace {

template <class T>
const T* ElementAt(const std::vector<T>* lpList, long long nIndex)
{
    if (!lpList || nIndex < 0 || static_cast<unsigned long long>(nIndex) >= lpList->size()) return nullptr;
    return &(*lpList)[static_cast<size_t>(nIndex)];
}

template <class T>
const char* NameAt(const std::vector<T>* lpList, long long nIndex)
{
    const T* lpRecord = ElementAt(lpList, nIndex);
    return lpRecord ? lpRecord->m_strName.c_str() : "";
}

template <class T>
const char* NameAt(const std::vector<T>& list, long long nIndex)
{
    return NameAt(&list, nIndex);
}

template <class T>
const char* EntryNameAt(const cPaletteLists* lpLists, long long nIndex)
{
    return lpLists ? NameAt(lpLists->List<T>(), nIndex) : "";
}

}  // namespace

const char* cProjectNames::RecordName(eFlowRefTable eTable, long long nIndex) const
{
    if (!m_lpDatabase) return "";
    const cDatabase& db = *m_lpDatabase;
    switch (eTable) {
    case eFlowRefTable::AnimeSet: return NameAt(db.m_vAnimeSet, nIndex);
    case eFlowRefTable::Anime: return NameAt(db.m_vAnime, nIndex);
    case eFlowRefTable::CharaExcBmp: return NameAt(db.m_vCharaExcBmp, nIndex);
    case eFlowRefTable::SwordType: return NameAt(db.m_vSwordType, nIndex);
    case eFlowRefTable::Effect: return NameAt(db.m_vEffect, nIndex);
    case eFlowRefTable::CharaEffect: return NameAt(db.m_vCharaEffect, nIndex);
    case eFlowRefTable::ScrEffect: return NameAt(db.m_vScrEffect, nIndex);
    case eFlowRefTable::Picture: return NameAt(db.m_vPicture, nIndex);
    case eFlowRefTable::Sound: return NameAt(db.m_vSound, nIndex);
    case eFlowRefTable::Bgm: return NameAt(db.m_vBgm, nIndex);
    }
    return "";
}

bool cProjectNames::DisplayTimes(eFlowRefTable eTable, long long nIndex, std::vector<u32>& times) const
{
    times.clear();
    if (!m_lpDatabase) return false;
    if (eTable == eFlowRefTable::Anime) {
        const cEdAnime* lpAnime = ElementAt(&m_lpDatabase->m_vAnime, nIndex);
        if (!lpAnime) return false;
        for (const cEdAnimePattern& pattern : lpAnime->m_vPattern) times.push_back(pattern.m_dwTime);
        return true;
    }
    if (eTable == eFlowRefTable::Effect) {
        const cEdEffect* lpEffect = ElementAt(&m_lpDatabase->m_vEffect, nIndex);
        if (!lpEffect) return false;
        for (const cEdEffectFrame& frame : lpEffect->m_vFrame) times.push_back(frame.m_dwTime);
        return true;
    }
    return false;
}

s32 cProjectNames::FirstEffectParam(eFlowRefTable eTable, long long nIndex) const
{
    if (!m_lpDatabase) return 0;
    if (eTable == eFlowRefTable::CharaEffect) {
        const cEdCharaEffect* lpEffect = ElementAt(&m_lpDatabase->m_vCharaEffect, nIndex);
        return lpEffect ? lpEffect->m_anParam[0] : 0;
    }
    if (eTable == eFlowRefTable::ScrEffect) {
        const cEdScrEffect* lpEffect = ElementAt(&m_lpDatabase->m_vScrEffect, nIndex);
        return lpEffect ? lpEffect->m_anParam[0] : 0;
    }
    return 0;
}

const char* cProjectNames::EntryName(ePaletteList eList, long long nIndex) const
{
    switch (eList) {
    case ePaletteList::CommonBlock: return EntryNameAt<cEdBlock>(m_lpCommonPalette, nIndex);
    case ePaletteList::CommonChara: return EntryNameAt<cEdChara>(m_lpCommonPalette, nIndex);
    case ePaletteList::CommonItem: return EntryNameAt<cEdItem>(m_lpCommonPalette, nIndex);
    case ePaletteList::StageBlock: return EntryNameAt<cEdBlock>(m_lpStagePalette, nIndex);
    case ePaletteList::StageChara: return EntryNameAt<cEdChara>(m_lpStagePalette, nIndex);
    case ePaletteList::StageItem: return EntryNameAt<cEdItem>(m_lpStagePalette, nIndex);
    }
    return "";
}

const char* cProjectNames::VarName(eVarScope eScope, long long nNumber) const
{
    return NameAt(eScope == eVarScope::Stage ? m_lpStageVars : m_lpCommonVars, nNumber);
}

namespace {
cProjectNames s_ProjectNames;
}

void InstallProjectNames(const cDatabase& database, const cCommonPalette& common, const cStage& stage,
                         const cGValInfo& vars)
{
    s_ProjectNames.m_lpDatabase = &database;
    s_ProjectNames.m_lpCommonPalette = &common.m_Lists;
    s_ProjectNames.m_lpStagePalette = &stage.m_Palette;
    s_ProjectNames.m_lpCommonVars = &vars;
    s_ProjectNames.m_lpStageVars = &stage.m_vRecord;
    SetSummaryRefs(&s_ProjectNames);
}

void RemoveProjectNames() { SetSummaryRefs(nullptr); }
