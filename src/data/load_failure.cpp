#include "data/load_failure.h"

#include "app/log.h"
#include "data/ed_data.h"

void ReportLoadFailure(const std::string& strName)
{
    if (g_bNewerFile)
        LogPrintfBox("%s の読み込みに失敗しました！\n実行ファイル(.exe)より上位のバージョンのファイルは使用できません。",
                     strName.c_str());
    else
        LogPrintfBox("%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。",
                     strName.c_str());
}
