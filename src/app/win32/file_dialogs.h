#pragma once
// The common file dialogs, the folder browser and the cursors.
#include <windows.h>

#include <string>
#include <vector>

#include "app/types.h"

// A dialog's filter of one kind of file: the description and the pattern,
// each ended by a zero, then the zero that ends the list.
std::string FileFilter(const std::string& strText, const std::string& strPattern);

// Open-file dialog. Without a list the chosen path stands in the buffer; with
// one (passed empty) every chosen file is appended as a full path. 1 when the
// user chose, 0 when cancelled.
u32 SelectOpenFile(HWND hOwner, char* lpFile, u32 nSize, const char* lpInitialDir, const char* lpTitle,
                   const char* lpFilter, const char* lpDefExt, std::vector<std::string>* lpList);
// Save-file dialog into a 260-byte buffer; unless bKeep the buffer starts empty.
u32 SelectSaveFile(HWND hOwner, char* lpFile, const char* lpInitialDir, const char* lpTitle,
                   const char* lpFilter, const char* lpDefExt, u32 bKeep);
// Folder browser starting at the initial folder; the chosen folder goes to a
// 260-byte output buffer.
u32 BrowseFolder(HWND hOwner, char* lpOut, const char* lpInitialDir, const char* lpTitle);

HCURSOR SetWaitCursor();
HCURSOR SetArrowCursor();
