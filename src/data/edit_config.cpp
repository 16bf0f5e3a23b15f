#include "data/edit_config.h"

#include <algorithm>

#include "app/host.h"
#include "data/project_paths.h"

namespace {

// The window records came with the new-stage settings.
constexpr u32 kWindowsFrom = 130;

s32 ClampInside(s32 nValue, int nLimit)
{
    if (nValue < 0) return 0;
    // A host that doesn't know its screen reports 0: only the lower bound.
    return nLimit > 0 && nValue > nLimit ? nLimit : nValue;
}

}  // namespace

const char* const g_lpNewStagePaletteChoices[] = {
    "上記ステージのパレットをそのまま使用",
    "データなし",
    "コモンパレットをコピー",
    "ステージパレットファイルからコピー",
    "",
};

const cFieldTable& cWndPos::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cWndPos::m_dwValid>().From(72),
        Field<&cWndPos::m_nX>(),
        Field<&cWndPos::m_nY>(),
        Field<&cWndPos::m_nWidth>(),
        Field<&cWndPos::m_nHeight>(),
        Field<&cWndPos::m_dwVisible>().From(122),
    };
    return s_Table;
}

bool cWndPos::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    int nWidth = 0, nHeight = 0;
    Host().GetWorkAreaSize(nWidth, nHeight);
    m_nX = ClampInside(m_nX, nWidth);
    m_nY = ClampInside(m_nY, nHeight);
    return true;
}

cEditConfig::cEditConfig()
{
    Clear();
    m_strNewStageTemplate = g_strPath[kPathDefaultStage];
    m_dwNewStagePalette = 1;
    const u32 kSettings[] = {0, 1, 1, 1, 0, 0, 1, 15, 0};
    std::copy(std::begin(kSettings), std::end(kSettings), m_adwSetting);
    m_strConverterFolder = "bmp\\convert";
}

const cFieldTable& cEditConfig::FieldTable()
{
    static const cFieldTable s_Table{
        RetiredString().Until(129),
        Field<&cEditConfig::m_strLastStage>().From(73),
        RetiredField<u32, 2>().From(288).Until(784),
        Field<&cEditConfig::m_strNewStageTemplate>().From(130),
        Field<&cEditConfig::m_dwNewStagePalette>().From(130),
        Field<&cEditConfig::m_strNewStagePaletteFile>().From(130),
        Field<&cEditConfig::m_adwDataWndSetting>().From(95),
        Field<&cEditConfig::m_adwStageSetting>().From(198),
        RetiredString().From(130).Until(131),
        ElementsField<&cEditConfig::m_adwSetting, 0, 5>(),
        ElementsField<&cEditConfig::m_adwSetting, 5, 3>().From(87),
        ElementsField<&cEditConfig::m_adwSetting, 8>(),
        Field<&cEditConfig::m_strConverterFolder>(),
    };
    return s_Table;
}

bool cEditConfig::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    if (g_dwReadVersion >= kWindowsFrom) {
        for (cWndPos& pos : m_WndPos)
            if (!pos.Load(file)) return false;
    }
    if (g_dwReadVersion < 198) std::fill(std::begin(m_adwStageSetting), std::end(m_adwStageSetting), 0);
    SyncWindowPositions();
    return file.Ok();
}

void cEditConfig::Save(cDataWriter& file) const
{
    // Saving keeps the settings themselves synchronised, as loading does.
    const_cast<cEditConfig&>(*this).SyncWindowPositions();
    SaveBody(file);
    for (const cWndPos& pos : m_WndPos) pos.Save(file);
}

void cEditConfig::SyncWindowPositions()
{
    m_WndPos[3].m_dwVisible = m_WndPos[1].m_dwVisible;
    m_WndPos[5].m_dwVisible = m_WndPos[1].m_dwVisible;
    m_WndPos[4].m_dwVisible = m_WndPos[2].m_dwVisible;
    m_WndPos[6].m_dwVisible = m_WndPos[2].m_dwVisible;
}

bool operator==(const cEditConfig& a, const cEditConfig& b)
{
    return cEdData::IsEqual(a, b) && std::equal(std::begin(a.m_WndPos), std::end(a.m_WndPos), std::begin(b.m_WndPos));
}
