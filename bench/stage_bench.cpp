// Saving, loading and resizing a full 512 x 512 stage: every block cell in
// use, a tenth of the chara and item cells in use, each chara with a flow of
// 20 commands. Save and load are timed against a plain fwrite and fread of
// the same bytes in the same run; an empty 512 x 512 stage is weighed per
// cell; saves of growing stages of the same density show how the save's
// cost grows with the number of cells.
//
// A save is durable: its file reaches the disk before it replaces the old
// one. It is timed both ways: as it ships, against a plain write that also
// flushes and syncs the file, and with the durability step taken out (the
// file and folder syncs), against a plain write alone. Reads are timed into
// a fresh buffer, as a program that reads a file must allocate one, and into
// a buffer already in use, which leaves the reading alone.
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/path.h"
#include "app/str_util.h"
#include "data/stage.h"
#include "flow/cmd_params.h"

namespace {

using tClock = std::chrono::steady_clock;

constexpr u32 kSize = 512;
constexpr int kRounds = 5;
// Kinds of the flow, with parameters of many sorts.
constexpr u8 kKinds[20] = {1, 9, 10, 16, 17, 18, 19, 22, 23, 29, 32, 33, 39, 1, 9, 10, 22, 29, 32, 19};

// The best time of a few runs, in seconds; prepare runs before each, untimed.
double Best(const std::function<void()>& run, const std::function<void()>& prepare = nullptr)
{
    double dBest = 1e30;
    for (int i = 0; i < kRounds; ++i) {
        if (prepare) prepare();
        const auto t0 = tClock::now();
        run();
        dBest = std::min(dBest, std::chrono::duration<double>(tClock::now() - t0).count());
    }
    return dBest;
}

cEdChara FlowChara()
{
    cEdChara chara;
    chara.m_wGraphic = 4;
    chara.m_strName = "敵";
    chara.m_vFlow.resize(1);
    for (u8 nKind : kKinds) {
        cCommand cmd;
        cmd.m_nKind = nKind;
        PrepareCommandParams(cmd, true);
        if (nKind == 19) cmd.m_Text = "こんにちは";
        cmd.Normalize();
        chara.m_vFlow[0].m_Commands.push_back(cmd);
    }
    return chara;
}

void Fill(cStage& stage, u32 dwSize)
{
    stage.SetSize(dwSize, dwSize, 0, 0);
    cEdBlock block;
    block.m_wGraphic = 2;
    block.m_strName = "床";
    const cEdChara chara = FlowChara();
    cEdItem item;
    item.m_wGraphic = 3;
    for (u32 y = 0, n = 0; y < dwSize; ++y) {
        for (u32 x = 0; x < dwSize; ++x, ++n) {
            const u32 c = stage.CellOf(x, y);
            stage.m_vBlockGrid[c] = block;
            if (n % 10 != 0) continue;
            stage.m_vCharaGrid[c] = chara;
            stage.m_vItemGrid[c] = item;
        }
    }
}

std::vector<u8> ReadAll(const std::string& strPath)
{
    std::vector<u8> bytes;
    FILE* fp = FileSystem().Open(strPath, "rb");
    if (!fp) return bytes;
    fseek(fp, 0, SEEK_END);
    bytes.resize(static_cast<size_t>(ftell(fp)));
    fseek(fp, 0, SEEK_SET);
    if (fread(bytes.data(), 1, bytes.size(), fp) != bytes.size()) bytes.clear();
    fclose(fp);
    return bytes;
}

// Reads a file into a buffer already sized and touched.
bool ReadInto(const std::string& strPath, std::vector<u8>& bytes)
{
    FILE* fp = FileSystem().Open(strPath, "rb");
    if (!fp) return false;
    const bool bOk = fread(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    fclose(fp);
    return bOk;
}

bool WriteAll(const std::string& strPath, const std::vector<u8>& bytes, bool bSync)
{
    FILE* fp = FileSystem().Open(strPath, "wb");
    if (!fp) return false;
    bool bOk = fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    if (bSync) bOk = fflush(fp) == 0 && fsync(fileno(fp)) == 0 && bOk;
    return fclose(fp) == 0 && bOk;
}

// The platform's file system without the durability step: a save's file is
// flushed to the system but not synced to the disk, and the rename that
// replaces the old file doesn't sync the folder. Only for timing.
class cNoSyncFileSystem : public cFileSystem {
public:
    FILE* Open(const std::string& strPath, const char* lpMode) override { return m_Fs.Open(strPath, lpMode); }
    bool Flush(FILE* fp) override { return fflush(fp) == 0; }
    bool Exists(const std::string& strPath) override { return m_Fs.Exists(strPath); }
    bool IsFolder(const std::string& strPath) override { return m_Fs.IsFolder(strPath); }
    bool MakeFolder(const std::string& strPath) override { return m_Fs.MakeFolder(strPath); }
    bool RemoveFile(const std::string& strPath) override { return m_Fs.RemoveFile(strPath); }
    bool RemoveFolder(const std::string& strPath) override { return m_Fs.RemoveFolder(strPath); }
    // The bench's names are plain file names in the work folder.
    bool MoveOver(const std::string& strFrom, const std::string& strTo) override
    {
        return rename(strFrom.c_str(), strTo.c_str()) == 0;
    }
    bool Rename(const std::string& strFrom, const std::string& strTo) override { return m_Fs.Rename(strFrom, strTo); }
    bool CopyOneFile(const std::string& strFrom, const std::string& strTo) override
    {
        return m_Fs.CopyOneFile(strFrom, strTo);
    }
    bool ListFolder(const std::string& strFolder, std::vector<cDirEntry>& entries) override
    {
        return m_Fs.ListFolder(strFolder, entries);
    }
    bool GetCurrentFolder(std::string& strPath) override { return m_Fs.GetCurrentFolder(strPath); }
    bool SetCurrentFolder(const std::string& strPath) override { return m_Fs.SetCurrentFolder(strPath); }

private:
    cFileSystem& m_Fs = PlatformFileSystem();
};

// Bytes in use on the heap, large blocks of their own included.
size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

const char* Verdict(bool bMet) { return bMet ? "met" : "NOT met"; }

}  // namespace

int main()
{
    cFileSystem& fs = FileSystem();
    std::string strWork = Format("stage_bench_%d", static_cast<int>(getpid()));
    if (!fs.MakeFolder(strWork) || !fs.SetCurrentFolder(strWork)) {
        fprintf(stderr, "no work folder\n");
        return 1;
    }
    std::string strFolder;
    fs.GetCurrentFolder(strFolder);

    // An empty stage: what its three layers hold per cell.
    const size_t nBefore = HeapInUse();
    auto empty = std::make_unique<cStage>();
    empty->SetSize(kSize, kSize, 0, 0);
    const double dEmptyPerCell = static_cast<double>(HeapInUse() - nBefore) / (kSize * kSize);
    empty.reset();

    cStage stage;
    Fill(stage, kSize);
    const std::string strPath = "bench.stg4_950";
    bool bSaved = true;
    const double dSave = Best([&] { bSaved = bSaved && stage.SaveFile(strPath) == 1; });
    cNoSyncFileSystem noSync;
    SetFileSystem(&noSync);
    const double dSaveNoSync = Best([&] { bSaved = bSaved && stage.SaveFile(strPath) == 1; });
    SetFileSystem(nullptr);
    const std::vector<u8> bytes = ReadAll(strPath);
    const double dWrite = Best([&] { WriteAll("plain.dat", bytes, false); });
    const double dWriteSync = Best([&] { WriteAll("plain.dat", bytes, true); });

    // Each load goes into a new stage, as opening a stage does.
    bool bLoaded = true;
    std::unique_ptr<cStage> loaded;
    const double dLoad = Best([&] { bLoaded = bLoaded && loaded->LoadFile(strPath) == 1; },
                              [&] { loaded = std::make_unique<cStage>(); });
    const double dRead = Best([&] { ReadAll("plain.dat"); });
    std::vector<u8> into(bytes.size(), 1);
    const double dReadInto = Best([&] { ReadInto("plain.dat", into); });
    u32 dwCharas = 0;
    for (const cEdChara& c : loaded->m_vCharaGrid) dwCharas += c.IsEmpty() ? 0 : 1;
    // What any load of this size costs before it reads a byte: the grids.
    std::unique_ptr<cStage> fresh;
    const double dGrids = Best([&] { fresh->SetSize(kSize, kSize, 0, 0); }, [&] { fresh = std::make_unique<cStage>(); });
    fresh.reset();

    const auto t0 = tClock::now();
    loaded->SetSize(kSize - 12, kSize - 12, 1, 1);
    const auto t1 = tClock::now();
    loaded->SetSize(kSize, kSize, 1, 1);
    const auto t2 = tClock::now();

    printf("stage %u x %u: %u blocks, %u charas with %zu commands each, file %zu bytes\n", kSize, kSize,
           kSize * kSize, dwCharas, sizeof kKinds, bytes.size());
    printf("save, durable    %8.1f ms   fwrite+fflush+fsync %7.1f ms   ratio %5.2f  (target within 5x: %s)%s\n",
           dSave * 1e3, dWriteSync * 1e3, dSave / dWriteSync, Verdict(dSave <= 5 * dWriteSync),
           bSaved ? "" : "  SAVE FAILED");
    printf("save, no syncs   %8.1f ms   fwrite              %7.1f ms   ratio %5.2f  (target within 5x: %s)\n",
           dSaveNoSync * 1e3, dWrite * 1e3, dSaveNoSync / dWrite, Verdict(dSaveNoSync <= 5 * dWrite));
    printf("      (the durable save against a plain fwrite: ratio %.2f)\n", dSave / dWrite);
    printf("load             %8.1f ms   fread, fresh buffer %7.1f ms   ratio %5.2f  (target within 5x: %s)%s\n",
           dLoad * 1e3, dRead * 1e3, dLoad / dRead, Verdict(dLoad <= 5 * dRead), bLoaded ? "" : "  LOAD FAILED");
    printf("                              fread, buffer in use %6.1f ms   ratio %5.2f  (target within 5x: %s)\n",
           dReadInto * 1e3, dLoad / dReadInto, Verdict(dLoad <= 5 * dReadInto));
    printf("      (of which the three empty grids of a %u x %u stage take %.1f ms)\n", kSize, kSize, dGrids * 1e3);
    printf("resize to %u x %u (anchored) %.1f ms, back to %u x %u %.1f ms\n", kSize - 12, kSize - 12,
           std::chrono::duration<double>(t1 - t0).count() * 1e3, kSize, kSize,
           std::chrono::duration<double>(t2 - t1).count() * 1e3);
    printf("empty %u x %u stage: %.0f bytes per cell for its three layers (target under 600: %s; the undo "
           "estimate assumes 2,325)\n",
           kSize, kSize, dEmptyPerCell, Verdict(dEmptyPerCell < 600));

    // The save's cost per cell stays flat as the stage grows: the held items
    // are counted as the cells go by.
    printf("save time per cell at the same density:");
    for (u32 dwSize : {64u, 128u, 256u, 512u}) {
        cStage s;
        Fill(s, dwSize);
        const double d = Best([&] { s.SaveFile("grow.stg4_950"); });
        printf("  %u x %u: %.0f ns", dwSize, dwSize, d * 1e9 / (dwSize * dwSize));
    }
    printf("\n");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);

    fs.SetCurrentFolder("..");
    if (!getenv("KEEP")) DeleteFolderTree(strFolder);
    return 0;
}
