#pragma once
// Path, file and folder helpers. Paths are CP932 byte strings with backslash
// separators; a backslash that is the second byte of a double-byte character
// is part of that character, never a separator.
#include <string>
#include <vector>

#include "app/types.h"

bool IsAbsolutePath(const std::string& strPath);
// True when the last byte is a separator (not the second byte of a
// double-byte character).
bool EndsWithSeparator(const std::string& strPath);
// Position of the last separator at or before nLast, or npos.
size_t FindLastSeparator(const std::string& strPath, size_t nLast = std::string::npos);

// An absolute path becomes relative to the current directory; a relative one
// is left as it is. With bStrip a leading ".\" is removed. 0 when the current
// directory can't be read or no relative path exists (another drive); the
// path is then unchanged.
u32 MakeRelativePath(std::string& strPath, u32 bStrip);
// A relative path becomes absolute against the current directory.
u32 MakeAbsolutePath(std::string& strPath);

// Keeps the text behind the last separator (a separator in the last byte
// doesn't count); unchanged when there is none.
void GetFileName(std::string& strPath);
// Cuts the text behind the last separator, which stays; no separator: empty.
void RemoveFileName(std::string& strPath);

// The extension helpers look for the last dot of the file name, never of a
// folder name. 0 when the name has no dot.
u32 ChangeFileExt(std::string& strOut, const std::string& strPath, const char* lpExt);
u32 RemoveFileExt(std::string& strPath);
u32 GetFileExt(std::string& strOut, const std::string& strPath);
bool HasFileExt(const std::string& strPath, const std::string& strExt);

// Appends "folder\name" for every entry matching "folder\*.ext"; 1 when
// anything matched.
u32 ListFiles(std::vector<std::string>& list, const std::string& strFolder, const std::string& strExt);

// The newest numbered version "<base>_ddd" (999 down to 000) of a path whose
// extension is replaced by the base extension; 1 when one exists.
u32 FindNumberedFile(std::string& strOut, const std::string& strPath, const char* lpBaseExt);

// The working-folder rule of start-up: started in the developer's build
// folder (compared exactly), the editor works in "..\\Game" beside it;
// started anywhere else the current directory is the project folder. False
// when the change failed ("SetCurrentDirectory失敗？" in the error log).
bool ApplyWorkingFolderRule(const std::string& strBuildFolder);

// Deletes a folder with everything in it; the first failure stops the walk.
bool DeleteFolderTree(const std::string& strFolder);

// Copies the folder tree strSrc (a folder path ending in a backslash) to
// strDst. The copy goes into a new folder first; an existing strDst is
// replaced only when the copy succeeded, so a failure keeps it as it was.
u32 CopyFolder(tWnd hOwner, const std::string& strDst, const std::string& strSrc);
// Puts back the previous copy of strDst when a CopyFolder onto it was cut
// short between taking the old copy away and putting the new one in place;
// 0 when that was needed and failed.
u32 RecoverFolderCopy(const std::string& strDst);

// Splits the file buffer of a multiple-selection open dialog: one text is a
// full path; several are the folder and the names in it.
void SplitSelectedFiles(const char* lpBuffer, size_t nSize, std::vector<std::string>& list);
