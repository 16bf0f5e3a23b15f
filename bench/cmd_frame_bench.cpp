// The rows the command dialogs and condition lists build as they open and
// refresh: the numbered item list of a database table of 9,999 records, the
// names of 1,000 common variables, and the row texts of 99 conditions of
// every kind. Each is timed per row, best of a few rounds, against the
// target of 1,000 rows in under 1 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "command_editor/rules/item_source.h"
#include "data/db_media.h"
#include "data/project_names.h"
#include "flow/cond_row_text.h"
#include "flow/project_vars.h"

namespace {

using tClock = std::chrono::steady_clock;

constexpr int kRounds = 20;
constexpr double kTargetPerRow = 1e-6;  // 1,000 rows in 1 ms

double Best(const std::function<void()>& run)
{
    double dBest = 1e30;
    for (int i = 0; i < kRounds; ++i) {
        const auto t0 = tClock::now();
        run();
        dBest = std::min(dBest, std::chrono::duration<double>(tClock::now() - t0).count());
    }
    return dBest;
}

void Report(const char* lpWhat, double dSeconds, size_t nRows)
{
    const double dPerRow = dSeconds / static_cast<double>(nRows);
    printf("%-44s %6zu rows %9.3f ms %7.1f ns/row %s\n", lpWhat, nRows, dSeconds * 1e3, dPerRow * 1e9,
           dPerRow <= kTargetPerRow ? "ok" : "OVER TARGET");
}

// 99 conditions over every kind and the forms of the status condition.
std::vector<cCondItem> Conditions()
{
    std::vector<cCondItem> conds(99);
    for (size_t i = 0; i < conds.size(); ++i) {
        cCondItem& c = conds[i];
        c.m_nKind = static_cast<u8>(1 + i % 7);
        c.m_wLeftCharaVar = static_cast<u16>(1 + i % 8);
        c.m_nValue1 = static_cast<u32>(i * 37);
        c.m_nCompare = static_cast<u8>(i % 8);
        c.m_nLeftStatus = static_cast<u8>(i % 9);
        c.m_nLeftSubject = static_cast<u8>(i % 6);
        c.m_nRightSource = static_cast<u8>(i % 4);
        c.m_nRightStatus = static_cast<u8>(i % 17);
        c.m_bPercent = static_cast<u8>(i % 2);
    }
    return conds;
}

}  // namespace

int main()
{
    std::vector<cEdSound> sounds(10000);
    for (size_t i = 0; i < sounds.size(); ++i) sounds[i].m_strName = "効果音" + std::to_string(i);
    std::vector<std::string> items;
    Report("numbered rows of a 9,999-record table", Best([&] { FillComboNumbered(items, sounds, "なし", 0, 3); }),
           sounds.size());

    cMemoryVarNames names;
    for (u32 i = 1; i < cMemoryVarNames::kRows; ++i) names.List(eVarScope::Common)[i] = "変数" + std::to_string(i);
    SetVarNames(&names);
    Report("names of 1,000 common variables", Best([&] { MakeVarNameList(items, eVarScope::Common); }),
           cMemoryVarNames::kRows - 1);

    cGValInfo common(kGValCount);
    for (size_t i = 1; i < common.size(); ++i) common[i].m_strName = "変数" + std::to_string(i);
    cProjectNames project;
    project.m_lpCommonVars = &common;
    SetSummaryRefs(&project);
    const std::vector<cCondItem> conds = Conditions();
    std::string strRow;
    size_t nBytes = 0;
    Report("row texts of 99 conditions", Best([&] {
               for (size_t i = 0; i < conds.size(); ++i) {
                   ConditionRowText(strRow, static_cast<int>(i), conds[i]);
                   nBytes += strRow.size();
               }
           }),
           conds.size());
    SetVarNames(nullptr);
    SetSummaryRefs(nullptr);
    return nBytes ? 0 : 1;
}
