#pragma once
// Measures of Shift-JIS texts as dialogs count them.
#include "app/types.h"

// True when the byte at lpText is a double-byte lead byte and the next one a
// trail byte.
bool IsDbcsPair(const char* lpText);
// Characters of a NUL-terminated text: a double-byte pair counts one, a line
// feed none, every other byte one.
size_t CountChars(const char* lpText);
