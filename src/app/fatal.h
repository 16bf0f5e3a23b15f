#pragma once
// Message boxes, the fatal-error flag and the reports of programming errors.
// Once the flag is set no data file is written any more; it stays set until
// the process ends.
#include <string>

#include "app/types.h"

bool IsFatalError();
void SetFatalError();
// Only the tests start over within one process.
void ClearFatalErrorForTests();

int ShowMessageBox(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType);
int ShowActiveMessageBox(const std::string& strText, const std::string& strTitle, u32 uType);
int ErrorBox(const std::string& strText);
int MesBox(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));
int MesBoxOwner(tWnd hOwner, const char* lpFormat, ...) __attribute__((format(printf, 2, 3)));
// Shown only while the debug flag is on; 0 otherwise.
int DebugMesBox(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));

void ReportOutOfMemory();
void ReportNoResources();
// A bad index into a checked vector ('V') or list ('L'): both logs, the
// fatal-error flag and the main window asked to close.
void ReportBadIndex(char cKind, long long nIndex, size_t nCount, size_t nElemSize);

// "Quit?" as a Yes/No box; true when the user answers Yes.
bool ConfirmQuit(tWnd hOwner, bool bEnglish);
