#pragma once
// Display names of a chara's variables, of the variable operations, of the
// comparisons of a condition and of the two senses of a condition.
#include "flow/name_table.h"

extern const cNameTable g_CharaVarNames;   // variable numbers 1 to 8, at position number - 1
extern const cNameTable g_VarOpNames;      // by operation code
extern const cNameTable g_CompareNames;    // by comparison code
extern const cNameTable g_CondSenseNames;  // "なら", "でないなら"

// The name of chara variable number 1 to 8; "" for any other number.
inline const char* CharaVarName(long long nNumber) { return g_CharaVarNames.At(nNumber - 1); }
