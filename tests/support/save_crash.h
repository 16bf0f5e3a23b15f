#pragma once
// The crash-consistency runner: for every step k of a save, the save runs
// again from the same project with step k failing (or the process stopping
// there); afterwards, and after what the next start does to recover, every
// file and folder the save writes must hold either its old or its new
// content, never a mix and never nothing, and the save must then succeed
// when run again.
#include <functional>
#include <string>
#include <vector>

#include "support/crash_fs.h"

struct cSaveCrashCase {
    const char* lpName;
    // Lays out the project as it is before the save, in the current folder.
    std::function<void()> fnPrepare;
    // The save; true when it reports success.
    std::function<bool()> fnSave;
    // The files and folders (paths relative to the project folder) that the
    // save writes or must leave alone.
    std::vector<std::string> watched;
    // What the next start does before it reads them; may be empty.
    std::function<void()> fnRecover = nullptr;
};

// Runs a case for every step in the given mode (eMode::Stop needs fork: not
// on Windows). Reports failures through the test framework; returns the
// number of steps the save takes.
u32 RunSaveCrashCase(const cSaveCrashCase& c, cCrashFs::eMode eMode);
