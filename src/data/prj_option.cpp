#include "data/prj_option.h"

#include <algorithm>

#include "data/edit_config.h"
#include "data/serial.h"

namespace {

// The window positions that files of versions 71 to 129 kept here.
constexpr u32 kRetiredWindowsFrom = 71;
constexpr u32 kRetiredWindowsUntil = 130;
constexpr size_t kRetiredWindows = 11;

constexpr size_t kBlock = 0, kChara = 1, kItem = 2;
constexpr size_t kGroupCounts[cPrjOption::kEntryTypes] = {cEdBlock::kInheritGroups, cEdChara::kInheritGroups,
                                                          cEdItem::kInheritGroups};

// Groups that the second and third settings don't inherit by default.
struct cUnflagged {
    size_t nType;
    size_t nGroup;
};
constexpr cUnflagged kUnflaggedGroups[] = {
    {kBlock, 1}, {kChara, 4}, {kChara, 5}, {kChara, 33}, {kChara, 35}, {kItem, 1},
};

}  // namespace

const char* const g_lpOldStageFileChoices[] = {
    "旧バージョンのステージファイルを「old_ver」フォルダへ移動",
    "旧バージョンのステージファイルをそのまま残す",
    "旧バージョンのステージファイルを削除",
    "",
};

cPrjOption::cPrjOption()
{
    Clear();
    m_DefBlock.m_wGraphic = 1;
    m_DefChara.m_wGraphic = 1;
    m_DefItem.m_wGraphic = 1;
    for (size_t s = 0; s < kInheritSets; ++s) {
        for (size_t t = 0; t < kEntryTypes; ++t) {
            m_adwDefInheritKind[s][t] = static_cast<u32>(s);
            m_vDefInheritCheck[s][t].assign(kGroupCounts[t], s == 0 ? 0 : 1);
        }
    }
    for (size_t s = 1; s < kInheritSets; ++s)
        for (const cUnflagged& u : kUnflaggedGroups) m_vDefInheritCheck[s][u.nType][u.nGroup] = 0;
    m_dwFindGame = 1;
    m_dwOldStageFiles = kOldStageDelete;
    m_dwBackupOn = 1;
}

const cFieldTable& cPrjOption::FieldTable()
{
    static const cFieldTable s_Table{
        RetiredString().Until(130),
        RetiredField<u32>().Until(130),
        RetiredString().Until(130),
        RetiredString().Until(130),
        ElementsField<&cPrjOption::m_adwDefInheritKind, 0>().From(51),
        ElementsField<&cPrjOption::m_adwDefInheritKind, 1>().From(70),
        ElementsField<&cPrjOption::m_adwDefInheritKind, 2>().From(51),
        Field<&cPrjOption::m_dwFindGame>(),
        Field<&cPrjOption::m_strGameFile>(),
        Field<&cPrjOption::m_dwOldStageFiles>().From(142),
        Field<&cPrjOption::m_dwBackupOn>().From(917),
        Field<&cPrjOption::m_dwBackupInterval>().From(917),
        Field<&cPrjOption::m_dwLastBackup>().From(917),
    };
    return s_Table;
}

bool cPrjOption::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    const u32 v = g_dwReadVersion;
    if (v >= 120 && !(m_DefBlock.Load(file) && m_DefChara.Load(file) && m_DefItem.Load(file))) return false;
    if (v >= kRetiredWindowsFrom && v < kRetiredWindowsUntil) {
        for (size_t i = 0; i < kRetiredWindows; ++i) {
            cWndPos retired;
            if (!retired.Load(file)) return false;
        }
    }
    // The second setting came at 70, after the other two.
    const bool bRead[kInheritSets] = {v >= 50, v >= 70, v >= 50};
    for (size_t s = 0; s < kInheritSets; ++s) {
        if (!bRead[s]) continue;
        for (std::vector<u8>& flags : m_vDefInheritCheck[s])
            if (!LoadByteVector(flags, file)) return false;
    }
    if (v < kDataVersion) {
        MigrateFlags(v, bRead);
        if (v < 142) m_dwOldStageFiles = kOldStageMove;
    }
    for (size_t s = 0; s < kInheritSets; ++s)
        for (size_t t = 0; t < kEntryTypes; ++t) FitInheritFlags(m_vDefInheritCheck[s][t], kGroupCounts[t]);
    for (std::vector<u8>* lpFlags : {&m_DefBlock.m_bbInherit, &m_DefChara.m_bbInherit, &m_DefItem.m_bbInherit})
        std::fill(lpFlags->begin(), lpFlags->end(), 0);
    return file.Ok();
}

// Groups that later versions added are opened among the flags that the
// file stored, inherited by default in the second and third settings; flag
// vectors that the file didn't store keep today's defaults.
void cPrjOption::MigrateFlags(u32 v, const bool (&bRead)[kInheritSets])
{
    auto each = [&](size_t nType, auto step) {
        for (size_t s = 0; s < kInheritSets; ++s)
            if (bRead[s]) step(m_vDefInheritCheck[s][nType], static_cast<u8>(s == 0 ? 0 : 1));
    };
    auto open = [&](size_t nType, size_t nSlot) {
        each(nType, [&](std::vector<u8>& flags, u8 nValue) { OpenInheritSlot(flags, kGroupCounts[nType], nSlot, nValue); });
    };
    auto fit = [&](size_t nType) { each(nType, [&](std::vector<u8>& flags, u8) { FitInheritFlags(flags, kGroupCounts[nType]); }); };
    if (v < 81) fit(kChara);
    if (v < 88) {
        open(kBlock, 5);
        open(kChara, 14);
        open(kItem, 7);
    }
    if (v < 92) fit(kBlock);
    if (v < 105) open(kChara, 3);
    if (v < 168) open(kChara, 27);
    if (v < 201) open(kChara, 24);
    if (v < 210) open(kChara, 21);
}

void cPrjOption::Save(cDataWriter& file) const
{
    SaveBody(file);
    m_DefBlock.Save(file);
    m_DefChara.Save(file);
    m_DefItem.Save(file);
    for (const auto& set : m_vDefInheritCheck)
        for (const std::vector<u8>& flags : set) SaveByteVector(flags, file);
}

bool operator==(const cPrjOption& a, const cPrjOption& b)
{
    if (!cEdData::IsEqual(a, b) || a.m_DefBlock != b.m_DefBlock || a.m_DefChara != b.m_DefChara ||
        a.m_DefItem != b.m_DefItem)
        return false;
    for (size_t s = 0; s < cPrjOption::kInheritSets; ++s)
        for (size_t t = 0; t < cPrjOption::kEntryTypes; ++t)
            if (a.m_vDefInheritCheck[s][t] != b.m_vDefInheritCheck[s][t]) return false;
    return true;
}

namespace {
const cPrjOption* s_lpOptions = nullptr;
}

const cPrjOption& ProjectOptions()
{
    static const cPrjOption s_Defaults;
    return s_lpOptions ? *s_lpOptions : s_Defaults;
}

void SetProjectOptions(const cPrjOption* lpOptions) { s_lpOptions = lpOptions; }
