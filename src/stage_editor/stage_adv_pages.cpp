#include "stage_editor/stage_adv_pages.h"

#include "app/str_util.h"
#include "data/project_data.h"

namespace {

// Page 241.
constexpr u16 kIdcFrameRate = 11222, kIdcFrameRateSpin = 11167;
constexpr u16 kIdcLevel = 1271, kIdcPrecision = 1279, kIdcUseZ = 1272, kIdcNoDamageOffScreen = 1273;
// The removal rows: five sets of four edges, numbered on from these.
constexpr u16 kIdcRemovalCheck = 1434, kIdcRemovalEdit = 11223, kIdcRemovalSpin = 11168;
constexpr u32 kRemovalEdges = 4;
constexpr u32 kMaxRemovalMargin = 99;

const char* const kLevelNames[] = {
    "レベル1 (速度制限=60)",  "レベル2 (速度制限=120)", "レベル3 (速度制限=180)", "レベル4 (速度制限=240)",
    "レベル5 (速度制限=300)", "レベル6 (速度制限=360)", "レベル7 (速度制限=420)", "レベル8 (速度制限=480)",
    "レベル9 (速度制限=540)", "レベル10 (速度制限=600)", "レベル1 (速度制限=600)", "レベル2 (速度制限=600)",
    "レベル3 (速度制限=600)", "レベル4 (速度制限=600)", "レベル5 (速度制限=600)", "レベル6 (速度制限=600)",
    "レベル7 (速度制限=600)", "レベル8 (速度制限=600)", "レベル9 (速度制限=600)", ""};
const char* const kPrecisionNames[] = {"最大 (当たり判定レベルと同じ)", "1 (対応速度=60)", "2 (対応速度=最大120)",
                                       "3 (対応速度=最大180)", "4 (対応速度=最大240)", "5 (対応速度=最大300)", ""};

// The edges of a removal set, in the pages' row order.
u32 cStageParamSet::* const kRemovalOn[kRemovalEdges] = {
    &cStageParamSet::m_dwLeftOn, &cStageParamSet::m_dwRightOn, &cStageParamSet::m_dwTopOn,
    &cStageParamSet::m_dwBottomOn};
u32 cStageParamSet::* const kRemovalMargin[kRemovalEdges] = {
    &cStageParamSet::m_dwLeftMargin, &cStageParamSet::m_dwRightMargin, &cStageParamSet::m_dwTopMargin,
    &cStageParamSet::m_dwBottomMargin};

// Page 242.
const char* const kHitPositionNames[] = {"中央", "下", ""};
const char* const kHitShowNames[] = {"表示しない", "表示する", "枠のみ表示", ""};
const char* const kHitColorNames[] = {"赤", "緑", "青", "黄", "赤紫", "青紫", "黒", "虹", ""};
constexpr s32 kNoPosition = -1;

// One collision range: its edits, its position combo (0 when it has none),
// the stage fields, the largest size, and the label beside it with the
// defaults it shows.
struct cHitRow {
    u16 wWidthEdit, wWidthSpin, wHeightEdit, wHeightSpin, wPosCombo;
    u32 dwWidth, dwHeight, dwPos;
    s32 nMax;
    u16 wLabel;
    s32 nDefWidth, nDefHeight, nDefPos;
};
const cHitRow kHitRows[] = {
    // "主人公"
    {1312, 1313, 11232, 11177, 1314, kPlayerWalkBlockW, kPlayerWalkBlockH, kPlayerWalkBlockPos, 32, 12862, 16, 24, 1},
    {1315, 1316, 11237, 11182, 1317, kPlayerFlyBlockW, kPlayerFlyBlockH, kPlayerFlyBlockPos, 32, 12863, 16, 16, 0},
    {1270, 1271, 11224, 11169, 1286, kPlayerWalkCharaW, kPlayerWalkCharaH, kPlayerWalkCharaPos, 32, 12860, 16, 24, 1},
    {1304, 1305, 11230, 11175, 1306, kPlayerFlyCharaW, kPlayerFlyCharaH, kPlayerFlyCharaPos, 32, 12861, 16, 16, 0},
    {1272, 1273, 11225, 11170, 0, kPlayerItemW, kPlayerItemH, 0, 32, 1287, 16, 16, kNoPosition},
    {1276, 1277, 11226, 11171, 0, kPlayerShotW, kPlayerShotH, 0, 32, 1308, 12, 8, kNoPosition},
    // "敵"
    {1320, 1321, 11238, 11183, 1322, kEnemyWalkBlockW, kEnemyWalkBlockH, kEnemyWalkBlockPos, 32, 1290, 16, 24, 1},
    {1323, 1324, 11239, 11184, 1325, kEnemyFlyBlockW, kEnemyFlyBlockH, kEnemyFlyBlockPos, 32, 1326, 16, 16, 0},
    {1280, 1281, 11227, 11172, 1310, kEnemyWalkCharaW, kEnemyWalkCharaH, kEnemyWalkCharaPos, 32, 1327, 12, 24, 1},
    {1307, 1309, 11231, 11176, 1311, kEnemyFlyCharaW, kEnemyFlyCharaH, kEnemyFlyCharaPos, 32, 1291, 12, 16, 0},
    {1288, 1289, 11229, 11174, 0, kEnemyShotW, kEnemyShotH, 0, 32, 1292, 30, 30, kNoPosition},
    // "アイテム"
    {1282, 1283, 11228, 11173, 0, kItemCharaW, kItemCharaH, 0, 32, 1293, 28, 28, kNoPosition},
    // "主人公のショット", "敵のショット"
    {1284, 1285, 11233, 11178, 0, kPlayerShotCharaW, kPlayerShotCharaH, 0, 16, 1300, 16, 16, kNoPosition},
    {1294, 1295, 11234, 11179, 0, kPlayerShotShotW, kPlayerShotShotH, 0, 16, 1301, 16, 16, kNoPosition},
    {1296, 1297, 11235, 11180, 0, kEnemyShotCharaW, kEnemyShotCharaH, 0, 16, 1302, 16, 16, kNoPosition},
    {1298, 1299, 11236, 11181, 0, kEnemyShotShotW, kEnemyShotShotH, 0, 16, 1303, 16, 16, kNoPosition},
};

// How the player's collision ranges are shown: the mode and the colour.
struct cHitShowRow {
    u16 wShowCombo, wColorCombo;
    u32 dwShow, dwColor;
};
const cHitShowRow kHitShowRows[] = {
    {1318, 1319, kPlayerBlockShow, kPlayerBlockColor},
    {1268, 1269, kPlayerCharaShow, kPlayerCharaColor},
    {1274, 1275, kPlayerItemShow, kPlayerItemColor},
    {1278, 1279, kPlayerShotShow, kPlayerShotColor},
};

// " (16,24,下)" or " (12,8)": the defaults that a row's label shows.
std::string HitLabelDefaults(s32 nWidth, s32 nHeight, s32 nPos)
{
    if (nPos == kNoPosition) return Format(" (%d,%d)", nWidth, nHeight);
    return Format(" (%d,%d,%s)", nWidth, nHeight, nPos ? "下" : "中");
}

}  // namespace

cStageAdvPage::cStageAdvPage(cWndBase* lpParent, cWndList* lpRegistry)
    : cStagePage(kIddStageAdv, lpParent, lpRegistry)
{
    cStage& s = g_Stage;
    m_EditVals.resize(1 + kRemovalSets * kRemovalEdges);
    m_Checks.resize(2 + kRemovalSets * kRemovalEdges);
    m_Combos.resize(2);
    m_EditVals[0].Set(kIdcFrameRate, AsS32(s.m_dwFrameRate), 30, 120, kIdcFrameRateSpin, 1);
    m_Checks[0].Set(kIdcUseZ, AsInt(s.m_dwUseZ));
    m_Checks[1].Set(kIdcNoDamageOffScreen, AsInt(s.m_dwNoDamageOffScreen));
    // Stored as the position plus 1.
    m_Combos[0].Set(kIdcLevel, &s.m_nLevel, kLevelNames, 1);
    m_Combos[1].Set(kIdcPrecision, AsS32(s.m_dwShotPrecision), kPrecisionNames, 0);

    std::vector<cEnableRule> rules;
    for (u32 nSet = 0; nSet < kRemovalSets; ++nSet) {
        for (u32 nEdge = 0; nEdge < kRemovalEdges; ++nEdge) {
            const u16 n = static_cast<u16>(nSet * kRemovalEdges + nEdge);
            cStageParamSet& set = s.m_Removal[nSet];
            m_Checks[2 + n].Set(static_cast<u16>(kIdcRemovalCheck + n), AsInt(set.*kRemovalOn[nEdge]));
            m_EditVals[1 + n].Set(static_cast<u16>(kIdcRemovalEdit + n), AsS32(set.*kRemovalMargin[nEdge]), 0,
                                  kMaxRemovalMargin, static_cast<u16>(kIdcRemovalSpin + n), 1);
            rules.push_back({static_cast<u16>(kIdcRemovalCheck + n), cEnableRule::kCheckOn,
                             {static_cast<u16>(kIdcRemovalEdit + n)}});
        }
    }
    AddRules(rules.data(), rules.size());
}

cStageAdvPage::~cStageAdvPage()
{
    // The edits are subclassed: the window goes while they exist.
    if (m_hWnd) DestroyWindow(m_hWnd);
}

void cStageAdvPage::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_EditVals);
    CreateCtrls(m_Checks);
    CreateCtrls(m_Combos);
    FinishSetup();
}

void cStageAdvPage::FillCtrls()
{
    DataToCtrls();
    m_Combos[0].Adjust();
}

cStageAdv2Page::cStageAdv2Page(cWndBase* lpParent, cWndList* lpRegistry)
    : cStagePage(kIddStageAdv2, lpParent, lpRegistry)
{
    u32* lpRange = g_Stage.m_adwHitRange;
    std::vector<cEnableRule> rules;
    for (const cHitRow& row : kHitRows) {
        m_EditVals.emplace_back();
        m_EditVals.back().Set(row.wWidthEdit, AsS32(lpRange[row.dwWidth]), 1, row.nMax, row.wWidthSpin, 1);
        m_EditVals.emplace_back();
        m_EditVals.back().Set(row.wHeightEdit, AsS32(lpRange[row.dwHeight]), 1, row.nMax, row.wHeightSpin, 1);
        if (row.wPosCombo) {
            m_Combos.emplace_back();
            m_Combos.back().Set(row.wPosCombo, AsS32(lpRange[row.dwPos]), kHitPositionNames, 0);
        }
        m_Labels.emplace_back();
        m_Labels.back().SetId(row.wLabel);
    }
    for (const cHitShowRow& row : kHitShowRows) {
        m_Combos.emplace_back();
        m_Combos.back().Set(row.wShowCombo, AsS32(lpRange[row.dwShow]), kHitShowNames, 0);
        m_Combos.emplace_back();
        m_Combos.back().Set(row.wColorCombo, AsS32(lpRange[row.dwColor]), kHitColorNames, 0);
        rules.push_back({row.wShowCombo, cEnableRule::kComboNotFirst, {row.wColorCombo}});
    }
    AddRules(rules.data(), rules.size());
}

cStageAdv2Page::~cStageAdv2Page()
{
    if (m_hWnd) DestroyWindow(m_hWnd);
}

void cStageAdv2Page::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_EditVals);
    CreateCtrls(m_Combos);
    CreateCtrls(m_Labels);
    FinishSetup();
    AppendLabelDefaults();
}

void cStageAdv2Page::AppendLabelDefaults()
{
    for (size_t i = 0; i < m_Labels.size(); ++i) {
        const cHitRow& row = kHitRows[i];
        m_Labels[i].AppendText(HitLabelDefaults(row.nDefWidth, row.nDefHeight, row.nDefPos).c_str());
    }
}
