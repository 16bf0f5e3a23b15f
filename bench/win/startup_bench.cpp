// How long the editor takes from its start to its first frame tick, on the
// sample project and on a full project: every database table holding 999
// records (each chara special bitmap a file of its own), 1000 named
// variables and a 512 x 512 stage as the last stage (every block cell in
// use, a tenth of the chara and item cells). Each run is a new process that
// starts the editor as its entry point does, takes the messages start-up
// left, and runs one frame tick; the time is measured from the start of the
// start-up and from the creation of the process. A first run measures the
// sheet rate and is not counted, so that every counted run reuses it; the
// timed backup is switched off. Each figure is the median of several runs,
// in milliseconds; the start-up is also given as a ratio to reading the
// bytes of the files it reads, with and without the system report's
// one-second measurement of the processor clock. The figures are those of
// the build's configuration (a Debug build is several times slower).
//
//   startup_bench.exe [folder]   lays the projects out in the folder
//                                (default: startup_bench_projects, remade)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/path.h"
#include "app/str_util.h"
#include "app/win32/host_win32.h"
#include "data/project_data.h"
#include "data/project_loader.h"
#include "data/project_paths.h"
#include "editor/message_loop.h"
#include "editor/startup.h"
#include "framework/wnd_list.h"
#include "sample_art.h"
#include "sample_project.h"
#include "sample_stage.h"

namespace {

constexpr int kRuns = 7;
constexpr DWORD kChildTimeoutMs = 120000;
constexpr size_t kFullTable = 999;
constexpr u32 kFullStageSize = 512;
const char* const kChildFlag = "--child";
const char* const kDefaultStage = "data\\stg4\\Default.stg4_950";
const char* const kBigStage = "data\\stg4\\Big.stg4_950";

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double NowMs()
{
    LARGE_INTEGER freq, now;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

// ---- The child: the editor's start, up to its first frame tick.

double MsSince(const FILETIME& ftFrom)
{
    FILETIME ftNow;
    GetSystemTimePreciseAsFileTime(&ftNow);
    const auto Ticks = [](const FILETIME& ft) {
        return static_cast<double>((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    };
    return (Ticks(ftNow) - Ticks(ftFrom)) / 10000.0;
}

int RunChild(const char* lpResultFile)
{
    const double dEntry = NowMs();
    FILETIME ftCreated, ftExit, ftKernel, ftUser;
    GetProcessTimes(GetCurrentProcess(), &ftCreated, &ftExit, &ftKernel, &ftUser);
    HANDLE hMutex = nullptr;
    if (!StartEditor(GetModuleHandleA(nullptr), hMutex)) return 1;
    // The loop's first turns: the messages start-up left, then a frame.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (g_WndList.PreTranslate(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);  // the frame's wait returns at once
    FrameTick();
    const double dFromStart = NowMs() - dEntry;
    const double dFromCreation = MsSince(ftCreated);
    FILE* fp = std::fopen(lpResultFile, "w");
    if (fp) {
        std::fprintf(fp, "%f %f\n", dFromCreation, dFromStart);
        std::fclose(fp);
    }
    ExitApplication();
    if (hMutex) ReleaseMutex(hMutex);
    return fp ? 0 : 1;
}

// ---- The parent: the projects, the runs and the plain reads.

struct cStartTimes {
    double dFromCreation = 0;
    double dFromStart = 0;
};

bool StartChild(const std::string& strProject, cStartTimes& times)
{
    char szExe[MAX_PATH];
    GetModuleFileNameA(nullptr, szExe, sizeof szExe);
    const std::string strResult = strProject + "\\bench_result.txt";
    DeleteFileA(strResult.c_str());
    std::string strCommand = Format("\"%s\" %s \"%s\"", szExe, kChildFlag, strResult.c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(szExe, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, strProject.c_str(), &si, &pi))
        return false;
    // A start that waits for an answer (a message box) never ends by itself.
    const bool bEnded = WaitForSingleObject(pi.hProcess, kChildTimeoutMs) == WAIT_OBJECT_0;
    if (!bEnded) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    FILE* fp = bEnded ? std::fopen(strResult.c_str(), "r") : nullptr;
    if (!fp) return false;
    const bool bOk = std::fscanf(fp, "%lf %lf", &times.dFromCreation, &times.dFromStart) == 2;
    std::fclose(fp);
    return bOk;
}

// Every file start-up reads: the data files, the last stage, the editor's
// own files, the game palette, the sheets and the chara special bitmaps,
// "System.ini" and the sound effect. Each is read once (start-up reads some
// twice: the sheets of both facings, each chara special bitmap's halves).
std::vector<std::string> StartupFiles(const std::string& strLastStage)
{
    std::vector<std::string> files;
    cFileSystem& fs = FileSystem();
    const auto AddFolder = [&](const std::string& strFolder) {
        std::vector<cDirEntry> entries;
        if (!fs.ListFolder(strFolder, entries)) return;
        for (const cDirEntry& e : entries)
            if (!e.bFolder) files.push_back(strFolder + "\\" + e.strName);
    };
    for (const char* lpFolder : {"data", "data\\database", "e_data", "bmp", "bmp\\plt", "bmp\\chara_sp"}) AddFolder(lpFolder);
    files.push_back(strLastStage);
    for (const char* lpFile : {"System.ini", "wave\\free.wav"})
        if (fs.Exists(lpFile)) files.push_back(lpFile);
    return files;
}

// Reads every byte of the files, as plainly as the platform allows.
double ReadAllMs(const std::vector<std::string>& files, unsigned long long& qwBytes)
{
    std::vector<char> buffer(1 << 16);
    qwBytes = 0;
    const double t0 = NowMs();
    for (const std::string& strFile : files) {
        FILE* fp = std::fopen(strFile.c_str(), "rb");
        if (!fp) continue;
        for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), fp)) > 0;) qwBytes += n;
        std::fclose(fp);
    }
    return NowMs() - t0;
}

std::string SpecialBitmapFile(size_t nRecord) { return Format("bmp\\chara_sp\\Sp%03u.bmp", static_cast<unsigned>(nRecord)); }

template <class T>
void FillTable(std::vector<T>& table)
{
    const T model = table.back();
    table.resize(kFullTable, model);
}

void FillDatabase(cDatabase& db)
{
    FillTable(db.m_vAnimeSet);
    FillTable(db.m_vAnime);
    FillTable(db.m_vCharaExcBmp);
    FillTable(db.m_vSwordType);
    FillTable(db.m_vEffect);
    FillTable(db.m_vCharaEffect);
    FillTable(db.m_vScrEffect);
    FillTable(db.m_vPicture);
    FillTable(db.m_vSound);
    FillTable(db.m_vBgm);
    for (size_t i = 1; i < kFullTable; ++i) {
        cEdCharaExcBmp& bmp = db.m_vCharaExcBmp[i];
        bmp.m_strName = Format("特殊%03u", static_cast<unsigned>(i));
        bmp.m_strPath = SpecialBitmapFile(i);
        bmp.m_dwGiant = 0;
    }
}

// A chara special bitmap of its own for every record: a chara facing left,
// then facing right, 32 x 32 each.
bool WriteSpecialBitmaps()
{
    const cCanvas* lpSheet = nullptr;
    cCanvas sheet(1, 1);
    for (const cSampleBitmap& bmp : SampleBitmaps())
        if (std::string(bmp.lpPath) == "bmp\\Character1.bmp") lpSheet = &(sheet = bmp.pfnDraw());
    if (!lpSheet || !FileSystem().MakeFolder("bmp\\chara_sp")) return false;
    cCanvas special(64, 32);
    special.Copy(sheet, 0, 32, 64, 32, 0, 0);
    const std::vector<u8> bytes = special.ToBmp(SamplePalette());
    for (size_t i = 1; i < kFullTable; ++i) {
        FILE* fp = FileSystem().Open(SpecialBitmapFile(i), "wb");
        if (!fp) return false;
        const bool bOk = std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
        if (std::fclose(fp) != 0 || !bOk) return false;
    }
    return true;
}

// The sample stage's palette on a 512 x 512 grid.
void BuildFullStage(cStage& stage)
{
    BuildSampleStage(stage);
    const cEdBlock ground = stage.m_vBlockGrid[stage.CellOf(0, stage.m_dwHeight - 1)];
    const cEdChara enemy = stage.m_vCharaGrid[stage.CellOf(13, 12)];
    const cEdItem coin = stage.m_vItemGrid[stage.CellOf(7, 7)];
    stage.SetSize(kFullStageSize, kFullStageSize, 0, 0);
    for (u32 y = 0; y < kFullStageSize; ++y)
        for (u32 x = 0; x < kFullStageSize; ++x) {
            const u32 n = stage.CellOf(x, y);
            stage.m_vBlockGrid[n] = ground;
            if ((x + y) % 10 == 3 && !(x == 2 && y == 12)) stage.m_vCharaGrid[n] = enemy;
            if ((x + y) % 10 == 7) stage.m_vItemGrid[n] = coin;
        }
}

// The settings that make the stage the last one, and options without the
// timed backup.
bool SetLastStageAndNoBackup(const char* lpStage)
{
    g_EditConfig = cEditConfig();
    g_EditConfig.m_strLastStage = lpStage;
    g_PrjOption.m_dwBackupOn = 0;
    return g_EditConfig.SaveFile(g_strPath[kPathEditConfig]) && g_PrjOption.SaveFile(g_strPath[kPathPrjOption]);
}

bool FillProject(bool bFull)
{
    if (!LoadProjectData()) return false;
    if (!bFull) return SetLastStageAndNoBackup(kDefaultStage);
    FillDatabase(g_Database);
    for (size_t i = 0; i < g_GValInfo.size(); ++i) g_GValInfo[i].m_strName = Format("変数%04u", static_cast<unsigned>(i));
    BuildFullStage(g_Stage);
    return WriteSpecialBitmaps() && g_Database.Save(false) && SaveGValInfo(g_GValInfo, g_strPath[kPathGValInfo]) &&
           g_Stage.SaveFile(kBigStage) && SetLastStageAndNoBackup(kBigStage);
}

bool MakeProject(const std::string& strFolder, bool bFull)
{
    std::string strError;
    if (!MakeSampleProject(strFolder, strError, true)) {
        std::fprintf(stderr, "%s: %s\n", strFolder.c_str(), strError.c_str());
        return false;
    }
    std::string strPrevious;
    cFileSystem& fs = FileSystem();
    if (!fs.GetCurrentFolder(strPrevious) || !fs.SetCurrentFolder(strFolder)) return false;
    const bool bOk = FillProject(bFull);
    RemoveProjectContext();
    fs.SetCurrentFolder(strPrevious);
    if (!bOk) std::fprintf(stderr, "%s: the project could not be filled\n", strFolder.c_str());
    return bOk;
}

// The system report measures the processor's clock by watching it for a
// second: a fixed part of every start.
double ClockMeasureMs()
{
    cWin32Host host;
    CpuInfo info;
    const double t0 = NowMs();
    host.GetCpuInfo(info);
    return NowMs() - t0;
}

bool Measure(const char* lpName, const std::string& strFolder, const char* lpLastStage, double dClockMs)
{
    cStartTimes warm;
    if (!StartChild(strFolder, warm)) {
        std::fprintf(stderr, "%s: the editor did not start (or waited for an answer)\n", lpName);
        return false;
    }
    std::vector<double> creation, start;
    for (int i = 0; i < kRuns; ++i) {
        cStartTimes t;
        if (!StartChild(strFolder, t)) return false;
        creation.push_back(t.dFromCreation);
        start.push_back(t.dFromStart);
    }
    std::string strPrevious;
    FileSystem().GetCurrentFolder(strPrevious);
    FileSystem().SetCurrentFolder(strFolder);
    const std::vector<std::string> files = StartupFiles(lpLastStage);
    std::vector<double> reads;
    unsigned long long qwBytes = 0;
    for (int i = 0; i < kRuns; ++i) reads.push_back(ReadAllMs(files, qwBytes));
    FileSystem().SetCurrentFolder(strPrevious);
    const double dRead = Median(reads), dStart = Median(start);
    std::printf("%-7s %3u files %8.1f KB | start-up %7.1f ms, %7.1f ms without the clock measurement, %7.1f ms "
                "from the process's creation | read %6.2f ms | ratio %6.1f, %6.1f without the clock measurement\n",
                lpName, static_cast<unsigned>(files.size()), static_cast<double>(qwBytes) / 1024.0, dStart,
                dStart - dClockMs, Median(creation), dRead, dStart / dRead, (dStart - dClockMs) / dRead);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == kChildFlag) return RunChild(argv[2]);
    std::string strRoot = argc > 1 ? argv[1] : "startup_bench_projects";
    MakeAbsolutePath(strRoot);
    if (FileSystem().Exists(strRoot) && !DeleteFolderTree(strRoot)) return 1;
    if (!FileSystem().MakeFolder(strRoot)) return 1;
    const std::string strSample = strRoot + "\\sample", strFull = strRoot + "\\full";
    if (!MakeProject(strSample, false) || !MakeProject(strFull, true)) return 1;
    const double dClockMs = ClockMeasureMs();
    std::printf("Start-up to the first frame tick, median of %d runs (the files' bytes read plainly for the ratio);\n"
                "the system report's clock measurement takes %.1f ms of it\n",
                kRuns, dClockMs);
    const bool bOk = Measure("sample", strSample, kDefaultStage, dClockMs) && Measure("full", strFull, kBigStage, dClockMs);
    return bOk ? 0 : 1;
}
