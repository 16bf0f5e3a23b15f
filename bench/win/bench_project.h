#pragma once
// The drawing benchmarks' project: the sample project made anew in the temp
// folder and made current, with its palettes and sheets loaded.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/file_system.h"
#include "app/path.h"
#include "framework/bitmap_slots.h"
#include "sample_project.h"

inline bool OpenBenchProject(const char* lpName, std::string& strFolder)
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(sizeof szTemp, szTemp);
    strFolder = std::string(szTemp) + lpName;
    DeleteFolderTree(strFolder);
    std::string strError;
    if (!MakeSampleProject(strFolder, strError, true)) {
        printf("the sample project could not be made: %s\n", strError.c_str());
        return false;
    }
    FileSystem().SetCurrentFolder(strFolder);
    return LoadProjectPalettes() && LoadBitmapSlots("", "");
}
