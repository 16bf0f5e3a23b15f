#pragma once
// Opening a stage file: the file is read on the worker thread while the GUI
// thread waits.
#include <string>

#include "data/stage.h"

// Restores a damaged file from its backup first (RecoverBrokenFile), then
// reads the file into a scratch stage (a new stage's defaults) on the worker
// thread. Meanwhile this thread takes its queued messages off without
// dispatching them. Loaded: the scratch replaces the stage. Otherwise the
// stage is untouched and the user is told why ("ステージファイル %s の読み込み
// に失敗しました！" with the reason): the file is missing or newer (Refused)
// or damaged (Damaged). Messages and fatal errors raised on the worker reach
// the user and the main window from this thread once the worker has ended.
// A WM_QUIT taken off the queue is posted again once the worker has ended;
// the stage is then left as it was (Refused). Call it on the GUI thread.
eLoadResult LoadStageInBackground(cStage& stage, const std::string& strPath);
