#pragma once
// The report log (fresh at every start: version line, system report, rare
// events) and the error log (a developer's trace, written only while the
// debug flag is on). Every writer opens, writes and closes its file.
#include <string>

#include "app/host.h"
#include "app/types.h"

u32 OpenReportLog(const std::string& strPath);
u32 LogPrintf(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));
// Writes the text as it stands to the report log, then to the error log.
u32 LogText(const std::string& strText);
u32 LogPrintfBoth(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));
// As LogPrintfBoth, then shows the text in the error box.
u32 LogPrintfBox(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));
u32 WriteSystemReport();

// Sets the debug flag and the error log's file name; returns the name.
const std::string& InitErrLog(u32 bDebug, const std::string& strName);
bool IsDebugFlag();
void ErrLog(const std::string& strText);
void ErrLogPrintf(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));

// The operating system's name (with service pack, platform and build) and its
// version pair, each only when asked for.
void GetOsName(std::string* lpName, u32* lpMajor, u32* lpMinor);
// The bare name of a version record, as the name table gives it.
std::string OsNameOf(const cOsVersion& ver, u32& dwMajor, u32& dwMinor);
bool IsOsVersion(u32 dwMajor, u32 dwMinor);
bool IsOsVersionOrLater(u32 dwMajor, u32 dwMinor);

void GetMemoryStatus(cMemoryStatus& status);
// Free physical memory in bytes.
u64 GetFreePhysMemory();
void GetCpuInfo(CpuInfo& info);
// Free bytes available to the caller, at most 2,147,483,647; 0 when unknown.
// An empty root means the disk of the current directory.
u32 GetDiskFreeBytes(const std::string& strRoot = std::string());
