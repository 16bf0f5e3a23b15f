#pragma once
// The fuzz targets: one per kind of file the editor reads. A target takes one
// input as the content of its file (or files), runs the loader on it and
// checks what every loader promises: no crash and no sanitizer report, a
// failed load leaves the object as it was, and what a load accepted saves to
// a file that loads back to the same content. A broken promise stops the run,
// and libFuzzer keeps the input.
//
// Each target is one row of a table; a file adds its rows with
//     static const cFuzzRows s_Rows{{"name", Run, Seeds}, ...};
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/fatal.h"
#include "app/types.h"
#include "data/ed_data.h"
#include "memory_fs.h"

using tBytes = std::vector<u8>;
using tSeeds = std::vector<tBytes>;

struct cFuzzTarget {
    const char* lpName;
    // Runs one input.
    void (*pfnRun)(const u8* lpData, size_t nSize);
    // Adds the seed inputs: files the core's own writers make, and the
    // shapes the tests build by hand.
    void (*pfnSeeds)(tSeeds& seeds);
    // The longest input worth trying (libFuzzer's -max_len).
    size_t nMaxLen = 65536;
};

struct cFuzzRows {
    cFuzzRows(std::initializer_list<cFuzzTarget> rows);
};

// Every registered target, in name order.
std::vector<cFuzzTarget> FuzzTargets();
const cFuzzTarget* FindFuzzTarget(const std::string& strName);

// Stops the run (a crash that libFuzzer saves the input of) when a loader
// broke a promise.
void FuzzCheck(bool bOk, const char* lpWhat);

// The memory file system, emptied and installed; each input starts with it.
cMemoryFs& FreshMemoryFs();
cMemoryFs& MemoryFs();

// The bytes the writer saves for an object through the memory file system.
std::vector<u8> SaveToBytes(const std::function<u32(const std::string&)>& fnSave);

// The promises of a data file whose object is a T: fnLoad reads a path into
// an object (1 on success), fnSave writes one (1 on success). Starts from
// the object fnMake returns.
template <class T>
struct cFileKind {
    T (*fnMake)();
    u32 (*fnLoad)(T& obj, const std::string& strPath);
    u32 (*fnSave)(const T& obj, const std::string& strPath);
};

// A record that loads and saves itself as a data file of its own, starting
// from a default object.
template <class T>
const cFileKind<T> kRecordFile = {
    []() { return T(); },
    [](T& obj, const std::string& strPath) { return obj.LoadFile(strPath); },
    [](const T& obj, const std::string& strPath) { return obj.SaveFile(strPath); },
};

template <class T>
std::vector<u8> SavedBytes(const cFileKind<T>& kind, const T& obj)
{
    return SaveToBytes([&](const std::string& strPath) { return kind.fnSave(obj, strPath); });
}

template <class T>
void RunFileKind(const cFileKind<T>& kind, const u8* lpData, size_t nSize)
{
    cMemoryFs& fs = FreshMemoryFs();
    T obj = kind.fnMake();
    const std::vector<u8> before = SavedBytes(kind, obj);
    fs.Put("input.dat", lpData, nSize);
    const u32 bLoaded = kind.fnLoad(obj, "input.dat");
    FuzzCheck(!IsFatalError(), "a checked access failed while loading");
    const std::vector<u8> after = SavedBytes(kind, obj);
    if (!bLoaded) {
        FuzzCheck(after == before, "a failed load changed the object");
        return;
    }
    FuzzCheck(!after.empty(), "an object that loaded could not be saved");
    fs.Put("saved.dat", after);
    T again = kind.fnMake();
    FuzzCheck(kind.fnLoad(again, "saved.dat") == 1, "a saved file did not load back");
    FuzzCheck(SavedBytes(kind, again) == after, "a saved file loaded back to other content");
}

// Gives every registered member of a record a value of its own (numbers
// 1, 2, 3 ... in each element, texts with double-byte characters), so that
// a seed carries more than zeros and defaults.
void FillFields(cEdData& rec);

// Seeds of a data file: the object saved at today's version and at each
// version on either side of a threshold of the given field tables, so that
// every migration has a file to start from.
template <class T>
void AddVersionedSeeds(tSeeds& seeds, const cFileKind<T>& kind, const T& obj,
                       std::initializer_list<const cFieldTable*> tables)
{
    std::vector<u32> versions = {kDataVersion};
    for (const cFieldTable* lpTable : tables) {
        for (const cFieldDesc& d : lpTable->All()) {
            for (u32 v : {d.m_dwFrom, d.m_dwUntil}) {
                if (v == 0 || v > kDataVersion) continue;
                versions.push_back(v);
                versions.push_back(v - 1);
            }
        }
    }
    std::sort(versions.begin(), versions.end());
    versions.erase(std::unique(versions.begin(), versions.end()), versions.end());
    for (u32 v : versions) {
        SetDataVersion(v);
        std::vector<u8> bytes = SavedBytes(kind, obj);
        SetDataVersion(kDataVersion);
        if (!bytes.empty()) seeds.push_back(bytes);
    }
}
