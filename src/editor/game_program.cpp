#include "editor/game_program.h"

#include <vector>

#include "app/file_system.h"
#include "data/project_data.h"

namespace {

const wchar_t* const kGameMark = L"GAME";

// Whether the program's string 1 is the game's mark. The file is mapped as
// data only: nothing of a foreign program runs in the editor, and a program
// built for another processor is read as well.
bool IsGameProgram(const std::string& strFile)
{
    HMODULE hModule = LoadLibraryExA(strFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!hModule) return false;
    const bool bGame = LoadResString(hModule, 1) == kGameMark;
    FreeLibrary(hModule);
    return bGame;
}

// The program the project options name, relative to the project folder.
bool FindNamedProgram(const std::string& strName, std::string& strPath)
{
    if (strName.empty() || !FileSystem().Exists(strName)) return false;
    strPath = strName;
    return true;
}

}  // namespace

std::wstring LoadResString(HMODULE hModule, UINT nId)
{
    HRSRC hInfo = FindResourceExA(hModule, MAKEINTRESOURCEA(6) /* RT_STRING */, MAKEINTRESOURCEA(nId / 16 + 1),
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
    if (!hInfo) return std::wstring();
    HGLOBAL hData = LoadResource(hModule, hInfo);
    const WCHAR* lpUnits = hData ? static_cast<const WCHAR*>(LockResource(hData)) : nullptr;
    if (!lpUnits) return std::wstring();
    // Sixteen counted strings: a length, then that many UTF-16 units.
    const size_t nUnits = SizeofResource(hModule, hInfo) / sizeof(WCHAR);
    size_t nPos = 0;
    for (UINT i = 0; i < 16 && nPos < nUnits; ++i) {
        const size_t nLen = lpUnits[nPos++];
        if (nPos + nLen > nUnits) break;
        if (i == nId % 16) return std::wstring(lpUnits + nPos, nLen);
        nPos += nLen;
    }
    return std::wstring();
}

bool FindGameProgram(std::string& strPath)
{
    strPath.clear();
    if (!g_PrjOption.m_dwFindGame) return FindNamedProgram(g_PrjOption.m_strGameFile, strPath);
    std::string strFolder;
    if (!FileSystem().GetCurrentFolder(strFolder)) return false;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((strFolder + "\\*.exe").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE) return false;
    std::vector<std::string> names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    for (const std::string& strName : names) {
        if (IsGameProgram(strFolder + "\\" + strName)) {
            strPath = strName;
            return true;
        }
    }
    return false;
}
