#include "command_editor/rules/item_source.h"

#include <cstring>

#include "app/str_util.h"
#include "data/entry_name_list.h"
#include "data/project_data.h"
#include "flow/arrange_params.h"
#include "flow/cmd_kinds.h"
#include "flow/project_vars.h"
#include "flow/status_tables.h"

const char* const kNoArrangeParams = "×　非対応";

namespace {

bool SameText(const char* a, const char* b)
{
    if (!a || !b) return a == b;
    return strcmp(a, b) == 0;
}

void DatabaseRows(const cItemSource& s, std::vector<std::string>& out)
{
    const cDatabase& db = g_Database;
    const char* lpFirst = s.m_lpFirstText;
    const s32 nFirst = s.m_nArg;
    const int nWidth = s.m_nWidth;
    const s32 nOffset = s.m_nOffset;
    switch (s.m_eTable) {
    case eDbTable::AnimeSet: FillComboNumbered(out, db.m_vAnimeSet, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::Anime: FillComboNumbered(out, db.m_vAnime, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::CharaExcBmp: FillComboNumbered(out, db.m_vCharaExcBmp, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::SwordType: FillComboNumbered(out, db.m_vSwordType, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::Effect: FillComboNumbered(out, db.m_vEffect, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::CharaEffect: FillComboNumbered(out, db.m_vCharaEffect, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::ScrEffect: FillComboNumbered(out, db.m_vScrEffect, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::Picture: FillComboNumbered(out, db.m_vPicture, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::Sound: FillComboNumbered(out, db.m_vSound, lpFirst, nFirst, nWidth, nOffset); break;
    case eDbTable::Bgm: FillComboNumbered(out, db.m_vBgm, lpFirst, nFirst, nWidth, nOffset); break;
    }
}

void PaletteEntryRows(ePaletteList eList, std::vector<std::string>& out)
{
    const bool bStage = eList >= ePaletteList::StageBlock;
    const cPaletteLists& lists = bStage ? g_Stage.m_Palette : g_CommonPalette.m_Lists;
    switch (eList) {
    case ePaletteList::CommonBlock:
    case ePaletteList::StageBlock: MakeBlockNameList(out, lists.m_vBlock); break;
    case ePaletteList::CommonChara:
    case ePaletteList::StageChara: MakeCharaNameList(out, lists.m_vChara); break;
    case ePaletteList::CommonItem:
    case ePaletteList::StageItem: MakeItemNameList(out, lists.m_vItem); break;
    }
}

void StatusNames(bool bSystem, std::vector<std::string>& out)
{
    for (const cStatusDesc& status : bSystem ? g_SystemStatuses : g_CharaStatuses) out.push_back(status.m_lpName);
}

void StateNames(bool bSystem, std::vector<std::string>& out)
{
    for (const cStateDesc& state : bSystem ? g_SystemStates : g_CharaStates) out.push_back(state.m_lpName);
}

}  // namespace

bool operator==(const cItemSource& a, const cItemSource& b)
{
    return a.m_eRows == b.m_eRows && a.m_lpNames == b.m_lpNames && a.m_eTable == b.m_eTable &&
           a.m_nArg == b.m_nArg && SameText(a.m_lpFirstText, b.m_lpFirstText) && a.m_nWidth == b.m_nWidth &&
           a.m_nOffset == b.m_nOffset;
}

void FormatNumberedRow(std::string& out, s32 nNumber, int nWidth, const std::string& strName)
{
    IntToStrZeroPad(out, nNumber, nWidth);
    out += ' ';
    out += strName;
}

std::vector<std::string> ArrangeParamLabels(u32 nKind)
{
    std::vector<std::string> labels;
    for (const cArrangeParam& param : GetArrangeParams(nKind)) labels.push_back(param.m_strLabel);
    return labels;
}

void BuildItems(const cItemSource& s, std::vector<std::string>& out)
{
    out.clear();
    switch (s.m_eRows) {
    case eRows::None: break;
    case eRows::Names:
        if (s.m_lpNames) out = s.m_lpNames->List();
        break;
    case eRows::Database: DatabaseRows(s, out); break;
    case eRows::CommonVars: MakeVarNameList(out, eVarScope::Common); break;
    case eRows::StageVars: MakeVarNameList(out, eVarScope::Stage); break;
    case eRows::FlowKinds:
        for (u32 k = 1; k < g_FlowCmdKinds.Count(); ++k) out.push_back(g_FlowCmdKinds.At(k).m_lpName);
        break;
    case eRows::ArrangeParams:
        out = ArrangeParamLabels(static_cast<u32>(s.m_nArg));
        if (out.empty()) out.push_back(kNoArrangeParams);
        break;
    case eRows::PaletteEntries: PaletteEntryRows(static_cast<ePaletteList>(s.m_nArg), out); break;
    case eRows::Statuses: StatusNames(s.m_nArg != 0, out); break;
    case eRows::States: StateNames(s.m_nArg != 0, out); break;
    }
}
