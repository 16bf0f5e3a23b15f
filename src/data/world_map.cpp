#include "data/world_map.h"

#include <algorithm>

#include "app/fatal.h"
#include "data/serial.h"

namespace {

// Version 209 added the minimum total score to the pages, 758 the variable
// change; files older than 812 had no chip table of their own.
constexpr u32 kMinScoreFrom = 209;
constexpr u32 kChangeVarFrom = 758;
constexpr u32 kChipTableFrom = 812;

// The chip table that files older than 812 get: five walls, five roads.
constexpr u32 kOldChips = 10;
constexpr u32 kOldWallChips = 5;

constexpr u32 kDefaultWidth = 20;
constexpr u32 kDefaultHeight = 15;

}  // namespace

const cFieldTable& cEdWorldChip::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cEdWorldChip::m_dwNumber>(),
        Field<&cEdWorldChip::m_bNotPassable>(),
        Field<&cEdWorldChip::m_dwGraphic>(),
        Field<&cEdWorldChip::m_strName>(),
        Field<&cEdWorldChip::m_strNote>(),
    };
    return s_Table;
}

const cFieldTable& cWorldPage::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cWorldPage::m_dwType>(),
        Field<&cWorldPage::m_dwGraphic>(),
        Field<&cWorldPage::m_dwWorldNo>(),
        Field<&cWorldPage::m_bPassWithoutClear>(),
        Field<&cWorldPage::m_bPlayAfterClear>(),
        Field<&cWorldPage::m_dwClearAction>(),
        Field<&cWorldPage::m_dwAppearWorld>(),
        Field<&cWorldPage::m_dwCondVar>(),
        Field<&cWorldPage::m_nCondValue>(),
        Field<&cWorldPage::m_dwCondCompare>(),
        Field<&cWorldPage::m_nMinTotalScore>().From(kMinScoreFrom),
        Field<&cWorldPage::m_bChangeVar>().From(kChangeVarFrom),
        Field<&cWorldPage::m_dwChangeVarNo>().From(kChangeVarFrom),
        Field<&cWorldPage::m_nChangeValue>().From(kChangeVarFrom),
        Field<&cWorldPage::m_strWorldName>(),
        Field<&cWorldPage::m_strStartStage>(),
    };
    return s_Table;
}

const cFieldTable& cWorldEvent::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cWorldEvent::m_dwX>(),
        Field<&cWorldEvent::m_dwY>(),
        Field<&cWorldEvent::m_strName>(),
    };
    return s_Table;
}

bool cWorldEvent::Load(cDataReader& file) { return LoadBody(file) && LoadRecordList(m_vPage, file); }

void cWorldEvent::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveRecordList(m_vPage, file);
}

const cFieldTable& cWorldMap::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cWorldMap::m_dwWidth>(),       Field<&cWorldMap::m_dwHeight>(),
        Field<&cWorldMap::m_dwPitch>(),       Field<&cWorldMap::m_dwPitchShift>(),
        Field<&cWorldMap::m_dwInitX>(),       Field<&cWorldMap::m_dwInitY>(),
        Field<&cWorldMap::m_dwBackColor>(),   Field<&cWorldMap::m_bUseBackImage>(),
        Field<&cWorldMap::m_strName>(),       Field<&cWorldMap::m_strBackImage>(),
    };
    return s_Table;
}

void cWorldMap::SetDefaults()
{
    Clear();
    m_vChip.clear();
    m_vCell.clear();
    m_strName = "ワールド";
    m_dwInitX = 9;
    m_dwInitY = 7;
    m_dwBackColor = 16;
    m_bUseBackImage = 0;
    SetSize(kDefaultWidth, kDefaultHeight);
    m_vEvent.clear();
    m_vTemplate.assign(1, cWorldEvent("デフォルト"));
}

u32 cWorldMap::CalcPitchShift(u32 dwWidth)
{
    u32 dwShift = 0;
    for (u32 n = dwWidth > 0 ? dwWidth - 1 : 0; n > 0; n /= 2) ++dwShift;
    return dwShift;
}

bool cWorldMap::HasConsistentGrid() const
{
    if (m_dwWidth < 1 || m_dwHeight < 1) return false;
    const u32 dwShift = CalcPitchShift(m_dwWidth);
    if (m_dwPitchShift != dwShift || dwShift >= 32 || m_dwPitch != (1u << dwShift)) return false;
    return m_vCell.size() == static_cast<u64>(m_dwPitch) * m_dwHeight;
}

bool cWorldMap::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    if (!LoadRecordList(m_vChip, file) || !LoadIntVector(m_vCell, file) || !LoadRecordList(m_vEvent, file) ||
        !LoadRecordList(m_vTemplate, file))
        return false;
    // A grid that doesn't fit its own size would be read and written out of
    // range by every window that draws it.
    if (!HasConsistentGrid()) {
        file.MarkDamaged();
        return false;
    }
    if (g_dwReadVersion < kChipTableFrom) SetOldDefaultChips();
    Validate();
    return file.Ok();
}

void cWorldMap::Save(cDataWriter& file) const
{
    const cWorldMap* lpMap = this;
    cWorldMap validated;
    if (!IsValid()) {
        validated = *this;
        validated.Validate();
        lpMap = &validated;
    }
    lpMap->SaveBody(file);
    SaveRecordList(lpMap->m_vChip, file);
    SaveIntVector(lpMap->m_vCell, file);
    SaveRecordList(lpMap->m_vEvent, file);
    SaveRecordList(lpMap->m_vTemplate, file);
}

void cWorldMap::SetOldDefaultChips()
{
    m_vChip.assign(kOldChips, cEdWorldChip());
    for (u32 i = 0; i < kOldChips; ++i) {
        cEdWorldChip& chip = m_vChip[i];
        chip.m_dwNumber = i;
        chip.m_dwGraphic = i;
        chip.m_bNotPassable = i < kOldWallChips ? 1 : 0;
        chip.m_strName = i < kOldWallChips ? "移動不可" : "移動可";
    }
}

u32 cWorldMap::SetSize(u32 dwWidth, u32 dwHeight)
{
    if (dwWidth == 0 || dwHeight == 0) {
        DebugMesBox("SetSize()で 0 を指定しました！");
        return 0;
    }
    std::vector<u32> vOld;
    const u32 dwOldWidth = m_dwWidth, dwOldHeight = m_dwHeight, dwOldShift = m_dwPitchShift;
    const bool bKeep = !m_vCell.empty() && HasConsistentGrid();
    if (!m_vCell.empty()) {
        DebugMesBox("nBeforeWidth = %d,nBeforePitch = %d,nBeforePitch_Shift = %d", static_cast<int>(m_dwWidth),
                    static_cast<int>(m_dwPitch), static_cast<int>(m_dwPitchShift));
        vOld.swap(m_vCell);
    }
    m_dwWidth = dwWidth;
    m_dwHeight = dwHeight;
    m_dwPitchShift = CalcPitchShift(dwWidth);
    m_dwPitch = 1u << m_dwPitchShift;
    m_vCell.assign(static_cast<size_t>(m_dwPitch) * dwHeight, 0);
    if (!bKeep) return 1;
    const u32 w = std::min(dwOldWidth, dwWidth), h = std::min(dwOldHeight, dwHeight);
    for (u32 y = 0; y < h; ++y)
        for (u32 x = 0; x < w; ++x) Cell(x, y) = vOld[(static_cast<size_t>(y) << dwOldShift) + x];
    return 1;
}

bool cWorldMap::IsValid() const
{
    if (!HasConsistentGrid() || m_dwInitX >= m_dwWidth || m_dwInitY >= m_dwHeight) return false;
    for (u32 y = 0; y < m_dwHeight; ++y)
        for (u32 x = 0; x < m_dwWidth; ++x)
            if (Cell(x, y) != 0 && Cell(x, y) >= m_vChip.size()) return false;
    for (const cWorldEvent& ev : m_vEvent)
        if (ev.m_dwX >= m_dwWidth || ev.m_dwY >= m_dwHeight) return false;
    return true;
}

void cWorldMap::Validate()
{
    // Only a map changed behind SetSize's back can be out of shape: rebuild
    // its grid around the size it claims.
    if (!HasConsistentGrid()) {
        const u32 dwWidth = std::max(m_dwWidth, 1u), dwHeight = std::max(m_dwHeight, 1u);
        m_vCell.clear();
        SetSize(dwWidth, dwHeight);
    }
    if (m_dwInitX >= m_dwWidth) m_dwInitX = m_dwWidth - 1;
    if (m_dwInitY >= m_dwHeight) m_dwInitY = m_dwHeight - 1;
    for (u32 y = 0; y < m_dwHeight; ++y)
        for (u32 x = 0; x < m_dwWidth; ++x)
            if (Cell(x, y) >= m_vChip.size()) Cell(x, y) = 0;
    m_vEvent.erase(std::remove_if(m_vEvent.begin(), m_vEvent.end(),
                                  [&](const cWorldEvent& ev) { return ev.m_dwX >= m_dwWidth || ev.m_dwY >= m_dwHeight; }),
                   m_vEvent.end());
}

void cWorldMap::ClearChips() { std::fill(m_vCell.begin(), m_vCell.end(), 0u); }

void cWorldCursor::Reset()
{
    m_vRecord.assign(1, tRecord{0, 0, 0, 0});
    m_lpCurrent = &m_vRecord[0];
    m_dwIndex = 0;
}
