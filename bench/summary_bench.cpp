// The one-line summaries of a flow of 10,000 commands, every flow-command
// kind in turn with the values a new command of the kind gets, over a
// project whose tables, palettes and variables are named: the time per
// command of writing each line into one reused string (as a list refills its
// rows) and of making each line as a string of its own, then the time per
// command of each kind.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/str_util.h"
#include "data/common_palette.h"
#include "data/database.h"
#include "data/project_names.h"
#include "data/stage.h"
#include "flow/arrange_params.h"
#include "flow/cmd_kinds.h"
#include "flow/cmd_params.h"
#include "flow/cmd_summary.h"
#include "flow/ed_flow.h"

namespace {

using tClock = std::chrono::steady_clock;

constexpr size_t kCommands = 10000;
constexpr int kRounds = 7;
constexpr size_t kRecords = 100;

// The best time of a few runs, in seconds.
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

template <class T>
void NameRecords(std::vector<T>& table, const char* lpFormat)
{
    table.resize(kRecords);
    for (size_t i = 0; i < table.size(); ++i) table[i].m_strName = Format(lpFormat, static_cast<int>(i));
}

template <class T>
void NameEntries(std::vector<T>& list, const char* lpFormat)
{
    list.resize(kRecords);
    for (size_t i = 1; i < list.size(); ++i) {
        list[i].m_wGraphic = 1;
        list[i].m_strName = Format(lpFormat, static_cast<int>(i));
    }
}

struct cProject {
    cDatabase db;
    cCommonPalette common;
    cStage stage;
    cGValInfo vars;

    cProject()
    {
        NameRecords(db.m_vAnimeSet, "アニメセット%d");
        NameRecords(db.m_vAnime, "アニメ%d");
        for (cEdAnime& anime : db.m_vAnime) anime.m_vPattern.resize(20);
        NameRecords(db.m_vSwordType, "ソード%d");
        NameRecords(db.m_vEffect, "エフェクト%d");
        for (cEdEffect& effect : db.m_vEffect) effect.m_vFrame.resize(30);
        NameRecords(db.m_vCharaEffect, "キャラエフェクト%d");
        NameRecords(db.m_vScrEffect, "画面エフェクト%d");
        NameRecords(db.m_vPicture, "ピクチャー%d");
        NameRecords(db.m_vSound, "効果音%d");
        NameRecords(db.m_vBgm, "BGM%d");
        NameEntries(common.m_Lists.m_vBlock, "コモンブロック%d");
        NameEntries(common.m_Lists.m_vChara, "コモンキャラ%d");
        NameEntries(common.m_Lists.m_vItem, "コモンアイテム%d");
        NameEntries(stage.m_Palette.m_vBlock, "ブロック%d");
        NameEntries(stage.m_Palette.m_vChara, "キャラ%d");
        NameEntries(stage.m_Palette.m_vItem, "アイテム%d");
        vars.resize(kGValCount);
        for (size_t i = 0; i < vars.size(); ++i) vars[i].m_strName = Format("コモン変数%d", static_cast<int>(i));
        stage.m_vRecord.resize(kGValCount);
        for (size_t i = 0; i < stage.m_vRecord.size(); ++i)
            stage.m_vRecord[i].m_strName = Format("ステージ変数%d", static_cast<int>(i));
    }
};

// A new command of the kind, with the record its kind keeps its settings in.
cCommand NewCommand(u8 nKind)
{
    cCommand cmd;
    cmd.m_nKind = nKind;
    PrepareCommandParams(cmd, true);
    if ((nKind >= 2 && nKind <= 7) || nKind == 20) CreateEdMove(cmd.m_pMove);
    if (nKind >= 11 && nKind <= 15) CreateEdShot(cmd.m_pShot);
    if (nKind == 16) cmd.m_pCondList = std::make_shared<cCondList>();
    if (nKind == 19) cmd.m_Text = "メッセージの本文です。二行目もあります。";
    if (nKind == 37) cmd.m_Text = "C1 = C1 + rand(1, 6) * 2";
    if (cmd.m_pMove) cmd.m_pMove->m_nTimingMode = static_cast<u8>(nKind % 3);
    return cmd;
}

std::vector<cCommand> Flow()
{
    const u32 nKinds = g_FlowCmdKinds.Count() - 1;
    std::vector<cCommand> flow;
    flow.reserve(kCommands);
    for (size_t i = 0; i < kCommands; ++i) flow.push_back(NewCommand(static_cast<u8>(1 + i % nKinds)));
    return flow;
}

double NanosPerCommand(double dSeconds, size_t nCommands) { return dSeconds * 1e9 / static_cast<double>(nCommands); }

}  // namespace

int main()
{
    BuildArrangeParams();
    const cProject project;
    InstallProjectNames(project.db, project.common, project.stage, project.vars);
    const std::vector<cCommand> flow = Flow();

    size_t nBytes = 0;
    std::string strLine;
    const double dReused = Best([&] {
        nBytes = 0;
        for (const cCommand& cmd : flow) {
            strLine.clear();
            AppendCommandSummary(strLine, cmd, 0);
            nBytes += strLine.size();
        }
    });
    std::vector<std::string> rows(flow.size());
    const double dRows = Best([&] {
        for (size_t i = 0; i < flow.size(); ++i) rows[i] = CommandSummary(flow[i], 0);
    });
    printf("summaries of a flow of %zu commands (%zu bytes of lines)\n", flow.size(), nBytes);
    printf("  into one reused line: %8.1f ns per command (%.2f ms in all)\n", NanosPerCommand(dReused, flow.size()),
           dReused * 1e3);
    printf("  a string per row:     %8.1f ns per command (%.2f ms in all)\n", NanosPerCommand(dRows, flow.size()),
           dRows * 1e3);

    printf("per kind, ns per command:\n");
    for (u32 nKind = 1; nKind < g_FlowCmdKinds.Count(); ++nKind) {
        const std::vector<cCommand> same(kCommands / 10, NewCommand(static_cast<u8>(nKind)));
        const double d = Best([&] {
            for (const cCommand& cmd : same) {
                strLine.clear();
                AppendCommandSummary(strLine, cmd, 0);
            }
        });
        printf("  kind %2u: %8.1f (a line of %zu bytes)\n", nKind, NanosPerCommand(d, same.size()),
               CommandSummary(same.front(), 0).size());
    }
    RemoveProjectNames();
    return 0;
}
