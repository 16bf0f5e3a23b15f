// The fuzz driver: one program for every target.
//
//   tarvenol_fuzz list                       names of the targets
//   tarvenol_fuzz seeds FOLDER [TARGET...]   writes FOLDER/<target>/seed_NNN
//   tarvenol_fuzz TARGET [libFuzzer options] [corpus folders]
//
// The target's name is also kept in TARVENOL_FUZZ_TARGET, so that the
// processes libFuzzer starts itself (-fork, -jobs) run the same target.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/fatal.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerRunDriver(int* argc, char*** argv, int (*UserCb)(const uint8_t* Data, size_t Size));

namespace {

const cFuzzTarget* g_lpTarget = nullptr;

int RunOne(const uint8_t* lpData, size_t nSize)
{
    g_lpTarget->pfnRun(lpData, nSize);
    FuzzCheck(!IsFatalError(), "a checked access failed");
    return 0;
}

bool WriteSeeds(const std::string& strFolder, const cFuzzTarget& target)
{
    tSeeds seeds;
    target.pfnSeeds(seeds);
    SetFileSystem(nullptr);
    const std::string strDir = strFolder + "/" + target.lpName;
    mkdir(strDir.c_str(), 0777);
    for (size_t i = 0; i < seeds.size(); ++i) {
        char name[32];
        snprintf(name, sizeof name, "/seed_%03zu", i);
        FILE* fp = fopen((strDir + name).c_str(), "wb");
        if (!fp) return false;
        bool bOk = fwrite(seeds[i].data(), 1, seeds[i].size(), fp) == seeds[i].size();
        if (fclose(fp) != 0 || !bOk) return false;
    }
    printf("%s: %zu seeds\n", target.lpName, seeds.size());
    return true;
}

int Usage()
{
    fprintf(stderr, "usage: tarvenol_fuzz list | seeds FOLDER [TARGET...] | TARGET [libFuzzer options] [corpus...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string strCommand = argc > 1 ? argv[1] : "";
    if (strCommand == "list") {
        for (const cFuzzTarget& t : FuzzTargets()) printf("%s %zu\n", t.lpName, t.nMaxLen);
        return 0;
    }
    if (strCommand == "seeds") {
        if (argc < 3) return Usage();
        mkdir(argv[2], 0777);
        for (const cFuzzTarget& t : FuzzTargets()) {
            bool bWanted = argc == 3;
            for (int i = 3; i < argc; ++i) bWanted = bWanted || strcmp(argv[i], t.lpName) == 0;
            if (bWanted && !WriteSeeds(argv[2], t)) return 1;
        }
        return 0;
    }

    std::vector<char*> args = {argv[0]};
    int nFirst = 1;
    if ((g_lpTarget = FindFuzzTarget(strCommand)) != nullptr) {
        setenv("TARVENOL_FUZZ_TARGET", g_lpTarget->lpName, 1);
        nFirst = 2;
    } else if (const char* lpName = getenv("TARVENOL_FUZZ_TARGET")) {
        g_lpTarget = FindFuzzTarget(lpName);
    }
    if (!g_lpTarget) return Usage();
    bool bMaxLenGiven = false;
    for (int i = nFirst; i < argc; ++i) {
        bMaxLenGiven = bMaxLenGiven || strncmp(argv[i], "-max_len=", 9) == 0;
        args.push_back(argv[i]);
    }
    std::string strMaxLen = "-max_len=" + std::to_string(g_lpTarget->nMaxLen);
    if (!bMaxLenGiven) args.insert(args.begin() + 1, &strMaxLen[0]);
    args.push_back(nullptr);
    int nArgs = static_cast<int>(args.size()) - 1;
    char** lpArgs = args.data();
    return LLVMFuzzerRunDriver(&nArgs, &lpArgs, RunOne);
}
