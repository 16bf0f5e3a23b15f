#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/common_palette.h"
#include "data/database.h"
#include "data/project_names.h"
#include "data/stage.h"
#include "flow/arrange_params.h"
#include "flow/cmd_kinds.h"
#include "flow/cmd_summary.h"
#include "flow/ed_flow.h"
#include "flow/summary_line.h"
#include "flow_test_util.h"

namespace {

// A small project: a few named records of each table, with display times,
// a few palette entries and variables.
class cFakeSummaryRefs : public cSummaryRefs {
public:
    cFakeSummaryRefs()
    {
        Table(eFlowRefTable::AnimeSet) = {"なし", "標準セット"};
        Table(eFlowRefTable::Anime) = {"", "歩く", "長い"};
        Table(eFlowRefTable::SwordType) = {"", "剣A"};
        Table(eFlowRefTable::Effect) = {"", "爆発", "長い爆発"};
        Table(eFlowRefTable::CharaEffect) = {"なし", "点滅"};
        Table(eFlowRefTable::ScrEffect) = {"なし", "振動"};
        Table(eFlowRefTable::Picture) = {"", "タイトル"};
        Table(eFlowRefTable::Sound) = {"", "ジャンプ音"};
        Table(eFlowRefTable::Bgm) = {"停止", "ステージ1"};
        m_AnimeTimes = {{}, {5, 10, 15}, {9000, 900, 200}};
        m_EffectTimes = {{}, {3, 4}, std::vector<u32>(40, 999)};
        m_CharaEffectParam = {0, 12};
        m_ScrEffectParam = {0, 20};
        List(ePaletteList::CommonBlock) = {"", "レンガ"};
        List(ePaletteList::StageBlock) = {"", "氷"};
        List(ePaletteList::CommonChara) = {"", "スライム"};
        List(ePaletteList::StageChara) = {"", "ボス"};
        List(ePaletteList::CommonItem) = {"", "コイン"};
        List(ePaletteList::StageItem) = {"", "鍵"};
        m_CommonVars.resize(1000);
        m_StageVars.resize(1000);
        m_CommonVars[5] = "スコア倍率";
        m_StageVars[12] = "スイッチ";
    }

    const char* RecordName(eFlowRefTable eTable, long long nIndex) const override
    {
        return At(m_Tables[static_cast<size_t>(eTable)], nIndex);
    }
    bool DisplayTimes(eFlowRefTable eTable, long long nIndex, std::vector<u32>& times) const override
    {
        times.clear();
        const std::vector<std::vector<u32>>* lpTimes = eTable == eFlowRefTable::Anime    ? &m_AnimeTimes
                                                       : eTable == eFlowRefTable::Effect ? &m_EffectTimes
                                                                                         : nullptr;
        if (!lpTimes || nIndex < 0 || nIndex >= static_cast<long long>(lpTimes->size())) return false;
        times = (*lpTimes)[static_cast<size_t>(nIndex)];
        return true;
    }
    s32 FirstEffectParam(eFlowRefTable eTable, long long nIndex) const override
    {
        const std::vector<s32>& params = eTable == eFlowRefTable::CharaEffect ? m_CharaEffectParam : m_ScrEffectParam;
        if (nIndex < 0 || nIndex >= static_cast<long long>(params.size())) return 0;
        return params[static_cast<size_t>(nIndex)];
    }
    const char* EntryName(ePaletteList eList, long long nIndex) const override
    {
        return At(m_Lists[static_cast<size_t>(eList)], nIndex);
    }
    const char* VarName(eVarScope eScope, long long nNumber) const override
    {
        return At(eScope == eVarScope::Stage ? m_StageVars : m_CommonVars, nNumber);
    }

private:
    using tNames = std::vector<std::string>;
    static const char* At(const tNames& names, long long nIndex)
    {
        if (nIndex < 0 || nIndex >= static_cast<long long>(names.size())) return "";
        return names[static_cast<size_t>(nIndex)].c_str();
    }
    tNames& Table(eFlowRefTable eTable) { return m_Tables[static_cast<size_t>(eTable)]; }
    tNames& List(ePaletteList eList) { return m_Lists[static_cast<size_t>(eList)]; }

    std::array<tNames, static_cast<size_t>(eFlowRefTable::Bgm) + 1> m_Tables;
    std::array<tNames, static_cast<size_t>(ePaletteList::StageItem) + 1> m_Lists;
    std::vector<std::vector<u32>> m_AnimeTimes;
    std::vector<std::vector<u32>> m_EffectTimes;
    std::vector<s32> m_CharaEffectParam;
    std::vector<s32> m_ScrEffectParam;
    tNames m_CommonVars;
    tNames m_StageVars;
};

class CmdSummary : public cFlowTest {
protected:
    void SetUp() override
    {
        cFlowTest::SetUp();
        BuildArrangeParams();
    }
    void TearDown() override
    {
        ExpectQuiet();
        RemoveProjectNames();
        cFlowTest::TearDown();
    }

    cFakeSummaryRefs m_Refs;
};

// The first parameters of a command sized to its kind (the rest 0).
void Params(cCommand& cmd, std::initializer_list<s32> values)
{
    cmd.m_Params.assign(GetCmdParamCount(cmd.m_nSet, cmd.m_nKind), 0);
    size_t i = 0;
    for (s32 v : values) cmd.m_Params.at(i++) = static_cast<u32>(v);
}

cEdMove& Move(cCommand& cmd)
{
    if (!cmd.m_pMove) CreateEdMove(cmd.m_pMove);
    return *cmd.m_pMove;
}

cEdShot& Shot(cCommand& cmd)
{
    if (!cmd.m_pShot) CreateEdShot(cmd.m_pShot);
    return *cmd.m_pShot;
}

// A move by its aim, direction, angle offset and timing.
cEdMove& AimedMove(cCommand& cmd, u8 nMode, u8 nDirection, s16 nOffset, u8 nTiming, s16 nSpeed, s16 nDistance,
                   u8 bDots = 0)
{
    cEdMove& move = Move(cmd);
    move.m_nMode = nMode;
    move.m_nDirection = nDirection;
    move.m_wDirExtra = static_cast<u16>(nOffset);
    move.m_nTimingMode = nTiming;
    move.m_wSpeed = static_cast<u16>(nSpeed);
    move.m_wDistance = static_cast<u16>(nDistance);
    move.m_bDotUnit = bDots;
    move.m_bUseX = move.m_bUseY = 0;
    return move;
}

cEdMove& Target(cEdMove& move, u8 bUseX, u8 bUseY, s16 nX, s16 nY)
{
    move.m_bUseX = bUseX;
    move.m_bUseY = bUseY;
    move.m_wTargetX = static_cast<u16>(nX);
    move.m_wTargetY = static_cast<u16>(nY);
    return move;
}

cEdShot& Summon(cCommand& cmd, u8 nMode, u8 nSource, s16 nIndex)
{
    cEdShot& shot = Shot(cmd);
    shot.m_nBlockMode = nMode;
    shot.m_nSummonSource = nSource;
    shot.m_wSummonIndex = static_cast<u16>(nIndex);
    return shot;
}

struct cRow {
    const char* lpCase;
    u8 nKind;
    u16 wTime;
    u8 bParallel;
    void (*pfnSetup)(cCommand& cmd);
    const char* lpLine;
};

void NoSetup(cCommand&) {}

// One or more rows per flow-command kind: the command in, its line out.
const cRow kFlowRows[] = {
    {"parallel wait", 1, 30, 1, NoSetup, "P-30 ◆ ウエイト ◆"},
    {"wait of 0", 1, 0, 0, NoSetup, "0 ◆ ウエイト ◆"},
    {"parallel wait of 0", 1, 0, 1, NoSetup, "P-0 ◆ ウエイト ◆"},
    {"time is signed", 1, 0xFFFF, 0, NoSetup, "-1 ◆ ウエイト ◆"},
    {"parallel flag other than 1", 1, 7, 2, NoSetup, "7 ◆ ウエイト ◆"},
    {"straight move by direction", 2, 20, 0, [](cCommand& c) { AimedMove(c, 0, 3, 45, 0, 30, 0); },
     "20 ◆ 直線移動 ◆ 右45 時20 速30"},
    {"straight move to a target", 2, 12, 0,
     [](cCommand& c) { Target(AimedMove(c, 1, 0, 0, 1, 0, 8, 1), 1, 1, 5, -3); },
     "12 ◆ 直線移動 ◆ 目標(5,-3) 時12 距8dot"},
    {"straight move, target X only", 2, 12, 0,
     [](cCommand& c) { Target(AimedMove(c, 1, 0, 0, 1, 0, 8), 1, 0, 5, -3); }, "12 ◆ 直線移動 ◆ 目標(5,-) 時12 距8"},
    {"straight move, target Y only", 2, 12, 0,
     [](cCommand& c) { Target(AimedMove(c, 1, 0, 0, 1, 0, 8), 0, 1, 5, -3); }, "12 ◆ 直線移動 ◆ 目標(-,-3) 時12 距8"},
    {"straight move, no target", 2, 12, 0, [](cCommand& c) { AimedMove(c, 1, 0, 0, 1, 0, 8); },
     "12 ◆ 直線移動 ◆ 目標(-,-) 時12 距8"},
    {"straight move at speed 0", 2, 5, 1, [](cCommand& c) { AimedMove(c, 0, 0, 0, 2, 0, 10); },
     "P-0.0? ◆ 直線移動 ◆ 前 速0 距10"},
    {"straight move's time from half blocks", 2, 5, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 2, 20, 10); },
     "13.3? ◆ 直線移動 ◆ 前 速20 距10"},
    {"straight move's time, a half rounds up", 2, 5, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 2, 20, 15, 1); },
     "1.3? ◆ 直線移動 ◆ 前 速20 距15dot"},
    {"straight move of another timing", 2, 5, 0, [](cCommand& c) { AimedMove(c, 2, 0, 0, 3, 20, 15); },
     "5 ◆ 直線移動 ◆"},
    {"ground move", 3, 40, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 0, 15, 0); },
     "40 ◆ 地上折り返し移動 ◆ 時40 速15"},
    {"circle by speed", 4, 3, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 1, 20, 90); },
     "7.5? ◆ 円移動 ◆ 速20 角0～90"},
    {"circle by speed, turning back", 4, 3, 1, [](cCommand& c) { AimedMove(c, 0, 0, 90, 1, 20, 0); },
     "P--7.5? ◆ 円移動 ◆ 速20 角90～0"},
    {"circle at speed 0", 4, 3, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 1, 0, 90); },
     "0.0? ◆ 円移動 ◆ 速0 角0～90"},
    {"circle by time", 4, 50, 0, [](cCommand& c) { AimedMove(c, 0, 0, 90, 0, 20, -90); },
     "50 ◆ 円移動 ◆ 時50 角90～-90"},
    {"charge", 5, 9, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 2, 40, 4).m_bMove35 = 1; },
     "2.7? ◆ 突撃移動 ◆ ターゲット2 速40 距4"},
    {"homing", 6, 60, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 0, 25, 0).m_bMove35 = 0; },
     "60 ◆ 誘導移動 ◆ ターゲット1 時60 速25"},
    {"avoiding move to a target", 7, 10, 0,
     [](cCommand& c) { Target(AimedMove(c, 1, 0, 0, 0, 5, 0), 0, 0, 3, 4); },
      "10 ◆ 画面外回避移動 ◆ 目標(3,4) 時10 速5"},
    {"avoiding move by direction", 7, 10, 0, [](cCommand& c) { AimedMove(c, 0, 12, -30, 1, 5, 2, 1); },
     "10 ◆ 画面外回避移動 ◆ 入力方向-30 時10 距2dot"},
    {"move disabled", 8, 5, 0, NoSetup, "5 ◆ 移動の無効化 ◆"},
    {"facing", 9, 1, 0, [](cCommand& c) { Params(c, {11}); }, "1 ◆ 向き変更 ◆ 最後にブロックが当たった方の逆を向く"},
    {"jump", 10, 1, 0, [](cCommand& c) { Params(c, {0, 100, 7, 0, 4}); }, "? ◆ ジャンプ ◆ 高さ7"},
    {"parallel jump", 10, 1, 1, [](cCommand& c) { Params(c, {1, 100, 7, 0, 4}); }, "P-? ◆ ジャンプ ◆ 高さ7"},
    {"jump by speed", 10, 1, 0, [](cCommand& c) { Params(c, {2, 100, 7, 0, 4}); }, "? ◆ ジャンプ ◆ 高さ4～7"},
    {"jump of another type", 10, 1, 0, [](cCommand& c) { Params(c, {3, 100, 7, 0, 4}); }, "? ◆ ジャンプ ◆"},
    {"shot", 11, 10, 0,
     [](cCommand& c) {
         cEdShot& s = Shot(c);
         s.m_nPattern = 2, s.m_bShot1 = 3, s.m_bShot13 = 2, s.m_nDirection = 0, s.m_wDirExtra = 0;
         s.m_wShot32 = 50, s.m_nPower = 100, s.m_nAim = 1;
     },
     "10 ◆ ショット ◆ 拡散 数3(2) 前 速50 威100 主人公を狙う"},
    {"shot with an angle", 11, 10, 0,
     [](cCommand& c) {
         cEdShot& s = Shot(c);
         s.m_nPattern = 0, s.m_bShot1 = 1, s.m_bShot13 = 0, s.m_nDirection = 1, s.m_wDirExtra = static_cast<u16>(-15);
         s.m_wShot32 = 50, s.m_nPower = 0xFFFFFFFF, s.m_nAim = 9;
     },
     "10 ◆ ショット ◆ 直進A 数1(0) 後-15 速50 威-1 落下"},
    {"sword", 12, 8, 0,
     [](cCommand& c) {
         Shot(c).m_nAim = 1;
         Shot(c).m_nPower = 30;
     },
     "8 ◆ ソード ◆ 剣A 威30"},
    {"block summon, common", 13, 0, 0, [](cCommand& c) { Summon(c, 0, 0, 1); }, "0 ◆ ブロック召喚 ◆ 「001 レンガ」"},
    {"block summon, stage", 13, 0, 0, [](cCommand& c) { Summon(c, 2, 1, 1); }, "0 ◆ ブロック召喚 ◆ 「001 氷」"},
    {"block erase", 13, 0, 0, [](cCommand& c) { Summon(c, 1, 0, 1); }, "0 ◆ ブロック召喚 ◆ ブロックを消す"},
    {"block summon of another mode", 13, 0, 0, [](cCommand& c) { Summon(c, 3, 0, 1); }, "0 ◆ ブロック召喚 ◆"},
    {"block past the list", 13, 0, 0, [](cCommand& c) { Summon(c, 0, 0, 5); }, "0 ◆ ブロック召喚 ◆ 「005 」"},
    {"block of another palette", 13, 0, 0, [](cCommand& c) { Summon(c, 0, 2, 1); }, "0 ◆ ブロック召喚 ◆ 「001 」"},
    {"block of a negative number", 13, 0, 0, [](cCommand& c) { Summon(c, 0, 0, -1); },
     "0 ◆ ブロック召喚 ◆ 「-001 」"},
    {"block of four digits", 13, 0, 0, [](cCommand& c) { Summon(c, 0, 1, 1234); }, "0 ◆ ブロック召喚 ◆ 「1234 」"},
    {"chara summon", 14, 4, 0, [](cCommand& c) { Summon(c, 1, 0, 1); }, "4 ◆ キャラ召喚 ◆ 「001 スライム」"},
    {"chara summon, stage", 14, 4, 0, [](cCommand& c) { Summon(c, 0, 1, 1); }, "4 ◆ キャラ召喚 ◆ 「001 ボス」"},
    {"item summon", 15, 0, 1, [](cCommand& c) { Summon(c, 0, 1, 1); }, "P-0 ◆ アイテム召喚 ◆ 「001 鍵」"},
    {"flow operation by ID with conditions", 16, 9, 0,
     [](cCommand& c) {
         Params(c, {1, 2, 3, 2});
         c.m_pCondList = std::make_shared<cCondList>();
         c.m_pCondList->m_nMode = 1;
     },
     "0 ◆ フローの操作 ◆ ターゲット2 の 指定IDのフロー を 終了 (ID:C)  ★条件あり★"},
    {"flow operation", 16, 9, 1,
     [](cCommand& c) {
         Params(c, {0, 0, 3, 0});
         c.m_pCondList = std::make_shared<cCondList>();
     },
     "P-0 ◆ フローの操作 ◆ 自分 の このフロー を 開始"},
    {"stage clear", 17, 9, 0, [](cCommand& c) { Params(c, {1, 5}); }, "0 ◆ ステージクリア ◆"},
    {"game wait", 18, 9, 0, [](cCommand& c) { Params(c, {20}); }, "20 ◆ ゲームウエイト ◆"},
    {"game wait, low 16 bits", 18, 9, 1, [](cCommand& c) { Params(c, {70000}); }, "P-4464 ◆ ゲームウエイト ◆"},
    {"message until the key", 19, 0, 1,
     [](cCommand& c) {
         Params(c, {});
         c.m_Text = "こんにちは";
     },
     "? ◆ メッセージ ◆ こんにちは"},
    {"message until the stage ends", 19, 0, 0,
     [](cCommand& c) {
         Params(c, {0, 0, 0, 0, 0, 1, 1});
         c.m_Text = "ようこそ";
     },
     "P-0(∞) ◆ メッセージ ◆ ようこそ"},
    {"message for a time", 19, 0, 1,
     [](cCommand& c) {
         Params(c, {0, 0, 0, 0, 0, 1, 2, 30});
         c.m_Text = "3秒";
     },
     "P-0(30) ◆ メッセージ ◆ 3秒"},
    {"message of another duration", 19, 0, 0,
     [](cCommand& c) {
         Params(c, {0, 0, 0, 0, 0, 1, 3, 30});
         c.m_Text = "x";
     },
     " ◆ メッセージ ◆ x"},
    {"message erase", 19, 0, 0,
     [](cCommand& c) {
         Params(c, {0, 0, 0, 0, 0, 1, 2, 30, 1, 0, 0, 0, 1, 7, 1, 1});
         c.m_Text = "消える";
     },
     "P-0 ◆ メッセージ ◆ メッセージの消去"},
    {"warp by direction", 20, 3, 0, [](cCommand& c) { AimedMove(c, 0, 2, 0, 0, 0, 6); },
     "0 ◆ ワープ ◆ 方向と距離で指定 左 距6"},
    {"warp from a target", 20, 3, 0, [](cCommand& c) { AimedMove(c, 3, 2, 0, 0, 0, 6); },
     "0 ◆ ワープ ◆ ターゲット3からの方向と距離で指定 左 距6"},
    {"warp to coordinates", 20, 3, 0,
     [](cCommand& c) { Target(AimedMove(c, 5, 0, 0, 0, 0, 0), 1, 1, 10, 20).m_nCoordKind = 1; },
     "0 ◆ ワープ ◆ 目標座標で指定 絶対座標 (10,20)"},
    {"warp to X", 20, 3, 0, [](cCommand& c) { Target(AimedMove(c, 5, 0, 0, 0, 0, 0), 1, 0, 10, 20).m_nCoordKind = 2; },
     "0 ◆ ワープ ◆ 目標座標で指定 画面座標 (10,-)"},
    {"warp to Y", 20, 3, 0, [](cCommand& c) { Target(AimedMove(c, 5, 0, 0, 0, 0, 0), 0, 1, 10, 20).m_nCoordKind = 0; },
     "0 ◆ ワープ ◆ 目標座標で指定 相対座標 (-,20)"},
    {"warp nowhere", 20, 3, 0,
     [](cCommand& c) { Target(AimedMove(c, 5, 0, 0, 0, 0, 0), 0, 0, 10, 20).m_nCoordKind = 0; },
     "0 ◆ ワープ ◆ 目標座標で指定 相対座標 (-,-)"},
    {"target", 21, 0, 0, [](cCommand& c) { Params(c, {2, 2}); },
     "0 ◆ ターゲットの設定 ◆ ターゲット3 を 最も近いキャラ にする"},
    {"common variable plus a constant", 22, 0, 0, [](cCommand& c) { Params(c, {1, 0, 5, 0, 0, 1, 0, 10}); },
     "0 ◆ ステータスの操作 ◆ 「005 スコア倍率」を ＋ 10"},
    {"stage variable set to a random value", 22, 0, 0,
     [](cCommand& c) { Params(c, {1, 1, 12, 0, 0, 0, 1, 0, 1, 6}); },
     "0 ◆ ステータスの操作 ◆ 「012 スイッチ」を ＝ 1～6"},
    {"variable of another scope", 22, 0, 0, [](cCommand& c) { Params(c, {1, 2, 12, 0, 0, 0, 0, 4}); },
     "0 ◆ ステータスの操作 ◆ ＝ 4"},
    {"chara variable, remainder", 22, 0, 0, [](cCommand& c) { Params(c, {0, 0, 3, 0, 0, 5, 0, 7}); },
     "0 ◆ ステータスの操作 ◆ 自分 の 「3 キャラ変数-3」を ÷ X の余り 7"},
    {"status minus a status", 22, 0, 0,
     [](cCommand& c) { Params(c, {0, 0, 1, 1, 1, 2, 2, 0, 0, 0, 0, 1, 0, 11}); },
     "0 ◆ ステータスの操作 ◆ ターゲット1 の HP を － 自分 の 体当たりの威力"},
    {"positions with their coordinates", 22, 0, 0,
     [](cCommand& c) { Params(c, {0, 0, 1, 0, 6, 0, 2, 0, 0, 0, 0, 1, 2, 7, 0, 0, 0, 0, 1, 2}); },
     "0 ◆ ステータスの操作 ◆ 自分 の X座標 (絶対座標) を ＝ ターゲット2 の Y座標 (画面座標)"},
    {"system status plus a variable, in percent", 22, 0, 0,
     [](cCommand& c) { Params(c, {0, 0, 1, 5, 3, 1, 3, 0, 0, 0, 1, 12, 0, 0, 1}); },
     "0 ◆ ステータスの操作 ◆ スコア を ＋ 「012 スイッチ」%"},
    {"operand chara variable", 22, 0, 0, [](cCommand& c) { Params(c, {1, 0, 5, 0, 0, 3, 2, 0, 0, 0, 0, 8, 4, 0}); },
     "0 ◆ ステータスの操作 ◆ 「005 スコア倍率」を × ターゲット4 の 「8 キャラ変数-8」"},
    {"operand system status", 22, 0, 0, [](cCommand& c) { Params(c, {1, 0, 5, 0, 0, 4, 2, 0, 0, 0, 0, 1, 5, 0}); },
     "0 ◆ ステータスの操作 ◆ 「005 スコア倍率」を ÷ 時間"},
    {"operand common variable", 22, 0, 0, [](cCommand& c) { Params(c, {1, 1, 12, 0, 0, 6, 3, 0, 0, 0, 0, 5}); },
     "0 ◆ ステータスの操作 ◆ 「012 スイッチ」を X ％ 「005 スコア倍率」"},
    {"chara state", 23, 0, 0, [](cCommand& c) { Params(c, {0, 1, 1}); },
     "0 ◆ ステータスの操作2 ◆ 自分 の 透明 を ON にする"},
    {"giant size counts from 1", 23, 0, 0, [](cCommand& c) { Params(c, {3, 5, 2}); },
     "0 ◆ ステータスの操作2 ◆ ターゲット3 の 巨大化 を ×4 にする"},
    {"system state", 23, 0, 0, [](cCommand& c) { Params(c, {5, 1, 1}); },
     "0 ◆ ステータスの操作2 ◆ 縦スクロール を オートスクロール にする"},
    {"state of another owner", 23, 0, 0, [](cCommand& c) { Params(c, {6, 1, 1}); }, "0 ◆ ステータスの操作2 ◆"},
    {"shots vanish", 24, 0, 0, [](cCommand& c) { Params(c, {1, 3, 1}); }, "0 ◆ 消滅 ◆ ショット 全範囲 対象勢力3"},
    {"children vanish", 24, 0, 0, [](cCommand& c) { Params(c, {4, 3, 1}); },
     "0 ◆ 消滅 ◆ 子以下のキャラと子以下のショット"},
    {"item get, common", 25, 6, 0, [](cCommand& c) { Params(c, {0, 1}); }, "6 ◆ アイテムの取得 ◆ 「001 コイン」"},
    {"item get, stage", 25, 6, 0, [](cCommand& c) { Params(c, {1, 1}); }, "6 ◆ アイテムの取得 ◆ 「001 鍵」"},
    {"item past the list", 25, 6, 0, [](cCommand& c) { Params(c, {1, 9}); }, "6 ◆ アイテムの取得 ◆ 「009 」"},
    {"item of another palette", 25, 6, 0, [](cCommand& c) { Params(c, {2, 1}); }, "6 ◆ アイテムの取得 ◆ 「001 」"},
    {"graphic", 26, 6, 0, [](cCommand& c) { Params(c, {1, 1}); }, "0 ◆ グラフィックの変更 ◆"},
    {"anime set", 27, 0, 0, [](cCommand& c) { Params(c, {1}); }, "0 ◆ 基本アニメセットの変更 ◆ 標準セット"},
    {"anime", 28, 0, 1, [](cCommand& c) { Params(c, {1, 0}); }, "P-0(30) ◆ アニメの実行 ◆ 歩く"},
    {"anime end", 28, 0, 0, [](cCommand& c) { Params(c, {1, 1}); }, "P-0 ◆ アニメの実行 ◆ 歩く を 終了"},
    {"anime time held at 9999", 28, 0, 0, [](cCommand& c) { Params(c, {2, 0}); }, "0(9999) ◆ アニメの実行 ◆ 長い"},
    {"effect erase", 29, 0, 0, [](cCommand& c) { Params(c, {0}); }, "P-0 ◆ ◆ エフェクトの実行 ◆ エフェクトの消去"},
    {"effect", 29, 0, 0, [](cCommand& c) { Params(c, {1}); }, "0(7) ◆ エフェクトの実行 ◆ 爆発"},
    {"effect time held at 9999", 29, 0, 1, [](cCommand& c) { Params(c, {2}); },
     "P-0(9999) ◆ エフェクトの実行 ◆ 長い爆発"},
    {"chara effect", 30, 0, 0, [](cCommand& c) { Params(c, {1, 0, 0}); }, "0(12) ◆ キャラエフェクトの実行 ◆ 点滅"},
    {"chara effect back and forth, looped", 30, 0, 0, [](cCommand& c) { Params(c, {1, 2, 1}); },
     "0(24) ◆ キャラエフェクトの実行 ◆ 点滅 往復実行 ループ実行"},
    {"no chara effect", 30, 0, 0, [](cCommand& c) { Params(c, {0, 1, 1}); }, "0(0) ◆ キャラエフェクトの実行 ◆ なし"},
    {"screen effect", 31, 0, 1, [](cCommand& c) { Params(c, {1, 1, 0}); },
     "P-0(20) ◆ 画面エフェクトの実行 ◆ 振動 反転実行"},
    {"picture erase", 32, 0, 0, [](cCommand& c) { Params(c, {0}); }, "P-0 ◆ ピクチャーの表示 ◆ ピクチャーの消去"},
    {"picture until the key", 32, 0, 1, [](cCommand& c) { Params(c, {1}); }, "? ◆ ピクチャーの表示 ◆ タイトル"},
    {"picture until the stage ends", 32, 0, 0, [](cCommand& c) { Params(c, {1, 0, 0, 0, 0, 0, 1, 100, 1}); },
     "P-0(∞) ◆ ピクチャーの表示 ◆ タイトル"},
    {"picture for a time", 32, 0, 0, [](cCommand& c) { Params(c, {1, 0, 0, 0, 0, 0, 1, 100, 2, 10}); },
     "0(10) ◆ ピクチャーの表示 ◆ タイトル"},
    {"picture of another duration", 32, 0, 0, [](cCommand& c) { Params(c, {1, 0, 0, 0, 0, 0, 1, 100, 5, 10}); },
     " ◆ ピクチャーの表示 ◆ タイトル"},
    {"screen colour", 33, 0, 0, [](cCommand& c) { Params(c, {255, 128, 0, 50, 0, 10}); },
     "0(10) ◆ 画面の色を変更 ◆ R255 G128 B0 50%"},
    {"screen colour flashing", 33, 0, 1, [](cCommand& c) { Params(c, {255, 128, 0, 50, 0, 10, 1, 3}); },
     "P-0(30) ◆ 画面の色を変更 ◆ R255 G128 B0 50% 瞬間表示 × 3"},
    {"screen colour flashing long, held at 9999", 33, 0, 0, [](cCommand& c) { Params(c, {0, 0, 0, 0, 0, 999, 1, 99}); },
     "0(9999) ◆ 画面の色を変更 ◆ R0 G0 B0 0% 瞬間表示 × 99"},
    {"screen colour restored", 33, 0, 0, [](cCommand& c) { Params(c, {255, 128, 0, 50, 1, 10}); },
     "0(10) ◆ 画面の色を変更 ◆ 元に戻す"},
    {"background", 34, 0, 0, [](cCommand& c) { Params(c, {3, 2}); }, "0 ◆ 背景の変更 ◆ 3番 を 反転(表示⇔非表示)"},
    {"sound", 35, 0, 0, [](cCommand& c) { Params(c, {1}); }, "0 ◆ 効果音の再生 ◆ ジャンプ音"},
    {"bgm", 36, 0, 0, [](cCommand& c) { Params(c, {1, 1}); }, "0 ◆ BGMの再生 ◆ ステージ1"},
    {"code", 37, 4, 0, [](cCommand& c) { c.m_Text = "C1 = C1 + 1"; }, "0 ◆ コードの実行 ◆ C1 = C1 + 1"},
    {"code cut at a NUL", 37, 4, 0, [](cCommand& c) { c.m_Text = std::string("C1 = 2\0junk", 11); },
     "0 ◆ コードの実行 ◆ C1 = 2"},
    {"arrange by a common variable", 38, 0, 0, [](cCommand& c) { Params(c, {2, 4, 1, 0, 5}); },
     "0 ◆ アレンジ ◆ 次の 「直線移動」 の 角度 ＋ 「005 スコア倍率」"},
    {"arrange by a stage variable", 38, 0, 0, [](cCommand& c) { Params(c, {22, 1, 0, 1, 12}); },
     "0 ◆ アレンジ ◆ 次の 「ステータスの操作」 の 定数 ＝ 「012 スイッチ」"},
    {"arrange by a chara variable", 38, 0, 1, [](cCommand& c) { Params(c, {2, 4, 5, 2, 3}); },
     "P-0 ◆ アレンジ ◆ 次の 「直線移動」 の 角度 ÷ X の余り 「003 3 キャラ変数-3」"},
    {"arrange of another source", 38, 0, 0, [](cCommand& c) { Params(c, {2, 0, 0, 3, 3}); },
     "0 ◆ アレンジ ◆ 次の 「直線移動」 の 目標X ＝"},
    {"arrange of a kind without adjustable parameters", 38, 0, 0, [](cCommand& c) { Params(c, {1, 0, 0, 0, 1}); },
     "0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。"},
    {"loop", 39, 0, 1, [](cCommand& c) { Params(c, {2, 1}); }, "P-0 ◆ ループ ◆ 後続 1 個のコマンドを 2 回繰り返す"},
};

cCommand MakeCommand(u8 nSet, u8 nKind, const cRow& row)
{
    cCommand cmd;
    cmd.m_nSet = nSet;
    cmd.m_nKind = nKind;
    cmd.m_Params.assign(GetCmdParamCount(nSet, nKind), 0);
    cmd.m_wTime = row.wTime;
    cmd.m_bParallel = row.bParallel;
    row.pfnSetup(cmd);
    return cmd;
}

TEST_F(CmdSummary, EveryFlowKind)
{
    std::vector<bool> covered(40, false);
    for (const cRow& row : kFlowRows) {
        const cCommand cmd = MakeCommand(0, row.nKind, row);
        EXPECT_EQ(CommandSummary(cmd, 0, m_Refs), row.lpLine) << row.lpCase;
        covered[row.nKind] = true;
    }
    for (u32 nKind = 1; nKind < covered.size(); ++nKind) EXPECT_TRUE(covered[nKind]) << "kind " << nKind;
}

// Item-effect kinds 2 to 24 are the flow kinds 17 to 39, and read the same.
TEST_F(CmdSummary, EveryItemEffectKind)
{
    for (const cRow& row : kFlowRows) {
        if (row.nKind < 17) continue;
        const cCommand cmd = MakeCommand(1, static_cast<u8>(row.nKind - kItemKindOffset), row);
        EXPECT_EQ(CommandSummary(cmd, 1, m_Refs), row.lpLine) << row.lpCase;
    }
    const cRow change = {"flow change", 1, 20, 0, [](cCommand& c) { Params(c, {1, 3}); }, ""};
    EXPECT_EQ(CommandSummary(MakeCommand(1, 1, change), 1, m_Refs), "0 ◆ フローの変更 ◆");
    cCommand parallel = MakeCommand(1, 1, change);
    parallel.m_bParallel = 1;
    EXPECT_EQ(CommandSummary(parallel, 1, m_Refs), "P-0 ◆ フローの変更 ◆");
}

TEST_F(CmdSummary, LinesAreCp932)
{
    cCommand wait;
    wait.m_nKind = 1;
    wait.m_wTime = 30;
    wait.m_bParallel = 1;
    const std::string strLine = CommandSummary(wait, 0, m_Refs);
    EXPECT_BYTES(cBytes().Raw({0x50, 0x2D, 0x33, 0x30, 0x20, 0x81, 0x9F, 0x20, 0x83, 0x45, 0x83, 0x47, 0x83, 0x43,
                               0x83, 0x67, 0x20, 0x81, 0x9F}),
                 std::vector<u8>(strLine.begin(), strLine.end()));
}

// The line is appended to what the caller holds.
TEST_F(CmdSummary, AppendsToTheLine)
{
    cCommand cmd;
    cmd.m_nKind = 8;
    cmd.m_wTime = 2;
    std::string strLine = "前:";
    AppendCommandSummary(strLine, cmd, 0, m_Refs);
    EXPECT_EQ(strLine, "前:2 ◆ 移動の無効化 ◆");
}

// A circle's span over its speed is a true quotient: whole-number division
// would show a quarter turn at speed 20 as 6.7.
TEST_F(CmdSummary, CircleTimeIsATrueQuotient)
{
    const struct {
        s16 nStart, nEnd, nSpeed;
        const char* lpPrefix;
    } kCases[] = {
        {0, 90, 20, "7.5?"},
        {0, 100, 30, "5.6?"},    // 3.33.. x 10 / 6
        {0, 1, 7, "0.2?"},       // whole numbers would give 0.0
        {0, 3, 4, "1.3?"},       // 1.25 rounds up
        {0, -3, 4, "-1.3?"},     // and away from zero
        {10, 10, 20, "0.0?"},
        {0, 32767, 1, "54611.7?"},
        {-32768, 32767, 1, "109225.0?"},
    };
    for (const auto& c : kCases) {
        cCommand cmd;
        cmd.m_nKind = 4;
        AimedMove(cmd, 0, 0, c.nStart, 1, c.nSpeed, c.nEnd);
        const std::string strLine = CommandSummary(cmd, 0, m_Refs);
        EXPECT_EQ(strLine.substr(0, strLine.find(' ')), c.lpPrefix) << c.nStart << ".." << c.nEnd << " at " << c.nSpeed;
    }
}

TEST_F(CmdSummary, OneDecimal)
{
    EXPECT_EQ(OneDecimal(0, 0), "0.0");
    EXPECT_EQ(OneDecimal(5, 0), "0.0");
    EXPECT_EQ(OneDecimal(1, 20), "0.1");    // 0.05 rounds up
    EXPECT_EQ(OneDecimal(-1, 20), "-0.1");
    EXPECT_EQ(OneDecimal(1, -20), "-0.1");
    EXPECT_EQ(OneDecimal(-1, 21), "0.0");   // no "-0.0"
    EXPECT_EQ(OneDecimal(-1, -20), "0.1");
    EXPECT_EQ(OneDecimal(29, 3), "9.7");
    EXPECT_EQ(OneDecimal(1999, 200), "10.0");
}

// A kind that the list's set doesn't have shows nothing.
TEST_F(CmdSummary, UnknownKindsGiveEmptyLines)
{
    const struct {
        u8 nSet, nKind;
        u32 nListSet;
    } kCases[] = {
        {0, 0, 0}, {0, 40, 0}, {0, 127, 0}, {0, 128, 0}, {0, 255, 0},
        {1, 0, 1}, {1, 25, 1}, {1, 39, 1}, {1, 200, 1}, {7, 25, 7},
    };
    for (const auto& c : kCases) {
        cCommand cmd;
        cmd.m_nSet = c.nSet;
        cmd.m_nKind = c.nKind;
        cmd.m_Params.assign(30, 0xFFFFFFFF);
        std::string strLine = "x";
        AppendCommandSummary(strLine, cmd, c.nListSet, m_Refs);
        EXPECT_EQ(strLine, "x") << "set " << int(c.nSet) << " kind " << int(c.nKind);
    }
}

// Values that name nothing show empty names: option values past their
// tables, records past their tables, variables past their lists.
TEST_F(CmdSummary, ValuesOutOfRangeShowEmptyNames)
{
    const cRow kRows[] = {
        {"direction", 2, 1, 0, [](cCommand& c) { AimedMove(c, 0, 200, 0, 0, 1, 0); }, "1 ◆ 直線移動 ◆  時1 速1"},
        {"target slot", 5, 1, 0, [](cCommand& c) { AimedMove(c, 0, 0, 0, 0, 1, 0).m_bMove35 = 4; },
         "1 ◆ 突撃移動 ◆  時1 速1"},
        {"facing", 9, 1, 0, [](cCommand& c) { Params(c, {-1}); }, "1 ◆ 向き変更 ◆ "},
        {"shot names", 11, 1, 0,
         [](cCommand& c) {
             cEdShot& s = Shot(c);
             s.m_nPattern = 6, s.m_bShot1 = 255, s.m_bShot13 = 255, s.m_nDirection = 13, s.m_wDirExtra = 0;
             s.m_wShot32 = 0x8000, s.m_nPower = 0x80000000, s.m_nAim = 10;
         },
         "1 ◆ ショット ◆  数255(255)  速-32768 威-2147483648 "},
        {"sword type", 12, 1, 0, [](cCommand& c) { Shot(c).m_nAim = 2; }, "1 ◆ ソード ◆  威0"},
        {"flow operation", 16, 0, 0, [](cCommand& c) { Params(c, {6, 2, 27, -1}); },
         "0 ◆ フローの操作 ◆  の 指定IDのフロー を  (ID:)"},
        {"warp", 20, 0, 0, [](cCommand& c) { AimedMove(c, 6, 0, 0, 0, 0, 0); }, "0 ◆ ワープ ◆ "},
        {"warp coordinates", 20, 0, 0, [](cCommand& c) { AimedMove(c, 5, 0, 0, 0, 0, 0).m_nCoordKind = 3; },
         "0 ◆ ワープ ◆ 目標座標で指定  (-,-)"},
        {"target", 21, 0, 0, [](cCommand& c) { Params(c, {4, 11}); }, "0 ◆ ターゲットの設定 ◆  を  にする"},
        {"variables", 22, 0, 0, [](cCommand& c) { Params(c, {1, 0, 1000, 0, 0, 7, 3, 0, 0, 0, 1, -1}); },
         "0 ◆ ステータスの操作 ◆ 「1000 」を  「-001 」"},
        {"statuses", 22, 0, 0, [](cCommand& c) { Params(c, {0, 0, 9, 2, 17, 0, 2, 0, 0, 0, 0, 0, 5, 5}); },
         "0 ◆ ステータスの操作 ◆ ターゲット2 の  を ＝ "},
        {"chara variables and coordinates", 22, 0, 0,
         [](cCommand& c) { Params(c, {0, 0, 9, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1, 7, 0, 0, 0, 0, 0, 3}); },
         "0 ◆ ステータスの操作 ◆ 自分 の 「」を ＝ ターゲット1 の Y座標 ()"},
        {"status sides", 22, 0, 0, [](cCommand& c) { Params(c, {2, 0, 0, 0, 0, 0, 4}); },
         "0 ◆ ステータスの操作 ◆ ＝"},
        {"owner", 22, 0, 0, [](cCommand& c) { Params(c, {0, 0, 0, 6, 0, 0, 2, 0, 0, 0, 0, 0, -1}); },
         "0 ◆ ステータスの操作 ◆ ＝"},
        {"state", 23, 0, 0, [](cCommand& c) { Params(c, {0, 7, 0}); }, "0 ◆ ステータスの操作2 ◆ 自分 の  を  にする"},
        {"state option", 23, 0, 0, [](cCommand& c) { Params(c, {1, 5, 0}); },
         "0 ◆ ステータスの操作2 ◆ ターゲット1 の 巨大化 を  にする"},
        {"system state", 23, 0, 0, [](cCommand& c) { Params(c, {5, 2, 0}); }, "0 ◆ ステータスの操作2 ◆  を  にする"},
        {"vanish", 24, 0, 0, [](cCommand& c) { Params(c, {6, 0, 2}); }, "0 ◆ 消滅 ◆ "},
        {"vanish range", 24, 0, 0, [](cCommand& c) { Params(c, {0, 9, 2}); }, "0 ◆ 消滅 ◆ キャラ  対象勢力9"},
        {"anime set", 27, 0, 0, [](cCommand& c) { Params(c, {-5}); }, "0 ◆ 基本アニメセットの変更 ◆ "},
        {"anime", 28, 0, 0, [](cCommand& c) { Params(c, {3, 0}); }, "0(0) ◆ アニメの実行 ◆ "},
        {"effect", 29, 0, 0, [](cCommand& c) { Params(c, {99}); }, "0(0) ◆ エフェクトの実行 ◆ "},
        {"chara effect", 30, 0, 0, [](cCommand& c) { Params(c, {2, 3, 0}); }, "0(0) ◆ キャラエフェクトの実行 ◆  "},
        {"screen effect", 31, 0, 0, [](cCommand& c) { Params(c, {-1, 0, 0}); }, "0(0) ◆ 画面エフェクトの実行 ◆ "},
        {"picture", 32, 0, 0, [](cCommand& c) { Params(c, {2, 0, 0, 0, 0, 0, 0, 0, 2, 70000}); },
         "0(4464) ◆ ピクチャーの表示 ◆ "},
        {"background", 34, 0, 0, [](cCommand& c) { Params(c, {9, 3}); }, "0 ◆ 背景の変更 ◆ 9番 を "},
        {"sound", 35, 0, 0, [](cCommand& c) { Params(c, {2}); }, "0 ◆ 効果音の再生 ◆ "},
        {"bgm", 36, 0, 0, [](cCommand& c) { Params(c, {2}); }, "0 ◆ BGMの再生 ◆ "},
        {"arrange", 38, 0, 0, [](cCommand& c) { Params(c, {2, 6, 7, 2, 9}); },
         "0 ◆ アレンジ ◆ 次の 「直線移動」 の   「009 」"},
        {"arrange kind", 38, 0, 0, [](cCommand& c) { Params(c, {40, 0, 0, 0, 1}); },
         "0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。"},
    };
    for (const cRow& row : kRows)
        EXPECT_EQ(CommandSummary(MakeCommand(0, row.nKind, row), 0, m_Refs), row.lpLine) << row.lpCase;
}

// A command of a move, shot or flow-operation kind without its record shows
// its time and name.
TEST_F(CmdSummary, MissingRecordsShowNoDetails)
{
    const std::vector<std::pair<u8, const char*>> kCases = {
        {2, "5 ◆ 直線移動 ◆"},       {3, "5 ◆ 地上折り返し移動 ◆"}, {4, "5 ◆ 円移動 ◆"},
        {5, "5 ◆ 突撃移動 ◆"},       {6, "5 ◆ 誘導移動 ◆"},         {7, "5 ◆ 画面外回避移動 ◆"},
        {11, "5 ◆ ショット ◆"},      {12, "5 ◆ ソード ◆"},          {13, "5 ◆ ブロック召喚 ◆"},
        {14, "5 ◆ キャラ召喚 ◆"},    {15, "5 ◆ アイテム召喚 ◆"},
        {16, "0 ◆ フローの操作 ◆ 自分 の このフロー を 開始"},       {20, "0 ◆ ワープ ◆"},
    };
    for (const auto& c : kCases) {
        cCommand cmd;
        cmd.m_nKind = c.first;
        cmd.m_wTime = 5;
        cmd.m_Params.assign(GetCmdParamCount(0, c.first), 0);
        EXPECT_EQ(CommandSummary(cmd, 0, m_Refs), c.second) << "kind " << int(c.first);
    }
}

// A parameter vector shorter than its kind's reads as zeros; extreme values
// in every parameter and every sub-record field of every kind of both sets
// never read past a table.
TEST_F(CmdSummary, DamagedCommandsGiveSafeLines)
{
    for (u32 nSet = 0; nSet < 2; ++nSet) {
        for (u32 nKind = 0; nKind < 256; ++nKind) {
            cCommand zeros;
            zeros.m_nSet = static_cast<u8>(nSet);
            zeros.m_nKind = static_cast<u8>(nKind);
            zeros.m_Params.assign(GetCmdParamCount(nSet, nKind), 0);
            cCommand none = zeros;
            none.m_Params.clear();
            EXPECT_EQ(CommandSummary(none, nSet, m_Refs), CommandSummary(zeros, nSet, m_Refs))
                << "set " << nSet << " kind " << nKind;
            for (u32 nValue : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x8000u, 0xFFFFu}) {
                cCommand cmd = zeros;
                cmd.m_Params.assign(32, nValue);
                cmd.m_wTime = static_cast<u16>(nValue);
                cmd.m_bParallel = static_cast<u8>(nValue);
                cmd.m_Text = "t";
                cEdMove& move = Move(cmd);
                move.m_nMode = move.m_nDirection = move.m_nCoordKind = move.m_nTimingMode = move.m_bMove35 =
                    static_cast<u8>(nValue);
                move.m_bUseX = move.m_bUseY = move.m_bDotUnit = 1;
                move.m_wDirExtra = move.m_wSpeed = move.m_wDistance = move.m_wTargetX = move.m_wTargetY =
                    static_cast<u16>(nValue);
                cEdShot& shot = Shot(cmd);
                shot.m_nPattern = shot.m_nDirection = shot.m_nAim = shot.m_nBlockMode = shot.m_nSummonSource =
                    static_cast<u8>(nValue);
                shot.m_wSummonIndex = shot.m_wShot32 = shot.m_wDirExtra = static_cast<u16>(nValue);
                shot.m_nPower = nValue;
                cmd.m_pCondList = std::make_shared<cCondList>();
                cmd.m_pCondList->m_nMode = static_cast<u8>(nValue);
                const std::string strLine = CommandSummary(cmd, nSet, m_Refs);
                EXPECT_EQ(strLine.empty(), !GetCmdKindTable(nSet).Has(nKind) || nKind == 0)
                    << "set " << nSet << " kind " << nKind;
            }
        }
    }
}

// Texts of any length are appended whole.
TEST_F(CmdSummary, LongTextsAreAppendedWhole)
{
    std::string strText;
    while (strText.size() < 100000) strText += "長いメッセージ。";
    cCommand message;
    message.m_nKind = 19;
    Params(message, {});
    message.m_Text = strText;
    EXPECT_EQ(CommandSummary(message, 0, m_Refs), "? ◆ メッセージ ◆ " + strText);
    cCommand code;
    code.m_nSet = 1;
    code.m_nKind = 22;
    code.m_Text = strText;
    EXPECT_EQ(CommandSummary(code, 1, m_Refs), "0 ◆ コードの実行 ◆ " + strText);
}

// Until a project is installed names are empty; installed, they come from
// the loaded objects.
TEST_F(CmdSummary, NamesComeFromTheInstalledProject)
{
    cCommand anime;
    anime.m_nKind = 28;
    Params(anime, {1, 0});
    cCommand item;
    item.m_nKind = 25;
    Params(item, {1, 1});
    cCommand status;
    status.m_nKind = 22;
    Params(status, {1, 0, 7, 0, 0, 0, 3, 0, 0, 0, 1, 8});
    cCommand summon;
    summon.m_nKind = 14;
    Summon(summon, 0, 0, 1);
    cCommand sword;
    sword.m_nKind = 12;
    Shot(sword).m_nAim = 1;
    cCommand effect;
    effect.m_nKind = 31;
    Params(effect, {1, 2, 0});
    EXPECT_EQ(CommandSummary(anime, 0), "0(0) ◆ アニメの実行 ◆ ");
    EXPECT_EQ(CommandSummary(item, 0), "0 ◆ アイテムの取得 ◆ 「001 」");

    cDatabase db;
    db.m_vAnime.resize(2);
    db.m_vAnime[1].m_strName = "走る";
    db.m_vAnime[1].m_vPattern.resize(3);
    for (u32 i = 0; i < 3; ++i) db.m_vAnime[1].m_vPattern[i].m_dwTime = 4 + i;
    db.m_vSwordType.resize(2);
    db.m_vSwordType[1].m_strName = "大剣";
    db.m_vScrEffect.resize(2);
    db.m_vScrEffect[1].m_strName = "揺れ";
    db.m_vScrEffect[1].m_anParam[0] = 15;
    cCommonPalette common;
    common.m_Lists.m_vChara.resize(2);
    common.m_Lists.m_vChara[1].m_strName = "コウモリ";
    cStage stage;
    stage.m_Palette.m_vItem.resize(2);
    stage.m_Palette.m_vItem[1].m_strName = "宝箱";
    stage.m_vRecord.resize(1000);
    stage.m_vRecord[8].m_strName = "ステージ変数8";
    cGValInfo vars(1000);
    vars[7].m_strName = "コモン変数7";
    InstallProjectNames(db, common, stage, vars);
    EXPECT_EQ(CommandSummary(anime, 0), "0(15) ◆ アニメの実行 ◆ 走る");
    EXPECT_EQ(CommandSummary(item, 0), "0 ◆ アイテムの取得 ◆ 「001 宝箱」");
    EXPECT_EQ(CommandSummary(status, 0), "0 ◆ ステータスの操作 ◆ 「007 コモン変数7」を ＝ 「008 ステージ変数8」");
    EXPECT_EQ(CommandSummary(summon, 0), "0 ◆ キャラ召喚 ◆ 「001 コウモリ」");
    EXPECT_EQ(CommandSummary(sword, 0), "0 ◆ ソード ◆ 大剣 威0");
    EXPECT_EQ(CommandSummary(effect, 0), "0(30) ◆ 画面エフェクトの実行 ◆ 揺れ 往復実行");

    stage.m_Palette.m_vItem.resize(1);
    EXPECT_EQ(CommandSummary(item, 0), "0 ◆ アイテムの取得 ◆ 「001 」");
    Params(anime, {2, 0});
    EXPECT_EQ(CommandSummary(anime, 0), "0(0) ◆ アニメの実行 ◆ ");
    RemoveProjectNames();
    EXPECT_EQ(CommandSummary(sword, 0), "0 ◆ ソード ◆  威0");
}

}  // namespace
