#include "stage_editor/engine/test_play.h"

#include "app/fatal.h"
#include "app/host.h"
#include "data/stage.h"
#include "stage_editor/engine/edit_state.h"

namespace {

const char* const kDoubleStartText =
    "二重起動はできません！\n\n二重起動ではないのにこのエラーが出る場合、次の原因が考えられます。\n"
    "・前回のテストプレイで不正終了している（この場合エディター再起動で直る）\n"
    "・エディタープログラムとゲームプログラムのバージョンが合っていない";

eTestPlay Refuse(cEditState& state, tWnd hOwner, const char* lpText)
{
    state.m_bTestPlay = 0;
    if (lpText) ShowMessageBox(hOwner, lpText, "エラー", kMbOk);
    return eTestPlay::Refused;
}

// Saves what the game reads of the stage; false when the test play stops.
bool SaveForTestPlay(cEditState& state, const cStage& stage, cTestPlayHost& host, tWnd hOwner)
{
    if (state.m_strStagePath.empty()) {
        Refuse(state, hOwner,
               "ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！");
        return false;
    }
    if (!stage.HasPlayer()) {
        Refuse(state, hOwner, "プレイヤーが配置されていません！");
        return false;
    }
    switch (host.SaveStage()) {
    case eStageSave::Cancelled:
        Refuse(state, hOwner, "ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！");
        return false;
    case eStageSave::Failed:
        // The save told why; the game would read the old file.
        Refuse(state, hOwner, nullptr);
        return false;
    default:
        break;
    }
    state.m_bStageModified = 0;
    if (!host.SaveCommonPalette()) {
        Refuse(state, hOwner, nullptr);
        return false;
    }
    state.m_bCommonModified = 0;
    host.ClearUndo();
    return true;
}

}  // namespace

eTestPlay RunTestPlay(cEditState& state, const cStage& stage, bool bWhole, u32 dwNow, cTestPlayHost& host,
                      tWnd hOwner)
{
    std::string strGame;
    if (!host.FindGame(strGame)) {
        ShowMessageBox(hOwner, "ゲームプログラムが見つかりません！", "エラー", kMbOk);
        return eTestPlay::Refused;
    }
    if (state.m_bTestPlay) {
        if (dwNow - state.m_dwTestPlayStart < kTestPlayGuardMs) return eTestPlay::Ignored;
        ShowMessageBox(hOwner, kDoubleStartText, "エラー", kMbOk);
        return eTestPlay::Refused;
    }
    state.m_dwTestPlayStart = dwNow;
    state.m_bTestPlay = 1;
    if (state.m_bHasPath && !SaveForTestPlay(state, stage, host, hOwner)) return eTestPlay::Refused;
    if (!host.Launch(strGame, bWhole ? std::string() : state.m_strStagePath))
        return Refuse(state, hOwner, "ゲームプログラムが呼び出せません！");
    host.Deactivate();
    return eTestPlay::Started;
}
