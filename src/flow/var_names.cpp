#include "flow/var_names.h"

DEFINE_NAME_TABLE(g_CharaVarNames, "1 キャラ変数-1", "2 キャラ変数-2", "3 キャラ変数-3", "4 キャラ変数-4",
                  "5 キャラ変数-5", "6 キャラ変数-6", "7 キャラ変数-7", "8 キャラ変数-8");
DEFINE_NAME_TABLE(g_VarOpNames, "＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％");
DEFINE_NAME_TABLE(g_CompareNames, "である", "でない", "以上", "以下", "より上", "より下", "の倍数である",
                  "の倍数でない");
DEFINE_NAME_TABLE(g_CondSenseNames, "なら", "でないなら");
