#pragma once
// The game program that test play starts: the program the project options
// name, or the first ".exe" of the project folder whose string 1 is "GAME".
#include <windows.h>

#include <string>

// The file name of the game program, relative to the project folder: the
// file the project options name when they don't search (it must exist), else
// the first ".exe" found whose string 1 is "GAME". False (and an empty name)
// when there is none.
bool FindGameProgram(std::string& strPath);

// String nId of a module's string table in the neutral language; empty when
// the module has none or it is empty.
std::wstring LoadResString(HMODULE hModule, UINT nId);
