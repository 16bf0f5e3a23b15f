#include "fuzz_target.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/fatal.h"

namespace {

std::vector<cFuzzTarget>& Rows()
{
    static std::vector<cFuzzTarget> s_Rows;
    return s_Rows;
}

}  // namespace

cFuzzRows::cFuzzRows(std::initializer_list<cFuzzTarget> rows)
{
    Rows().insert(Rows().end(), rows.begin(), rows.end());
}

std::vector<cFuzzTarget> FuzzTargets()
{
    std::vector<cFuzzTarget> rows = Rows();
    std::sort(rows.begin(), rows.end(),
              [](const cFuzzTarget& a, const cFuzzTarget& b) { return strcmp(a.lpName, b.lpName) < 0; });
    return rows;
}

const cFuzzTarget* FindFuzzTarget(const std::string& strName)
{
    for (const cFuzzTarget& t : Rows())
        if (strName == t.lpName) return &t;
    return nullptr;
}

void FuzzCheck(bool bOk, const char* lpWhat)
{
    if (bOk) return;
    fprintf(stderr, "fuzz check failed: %s\n", lpWhat);
    abort();
}

cMemoryFs& MemoryFs()
{
    static cMemoryFs s_Fs;
    return s_Fs;
}

cMemoryFs& FreshMemoryFs()
{
    MemoryFs().Reset();
    SetFileSystem(&MemoryFs());
    return MemoryFs();
}

std::vector<u8> SaveToBytes(const std::function<u32(const std::string&)>& fnSave)
{
    cMemoryFs& fs = MemoryFs();
    SetFileSystem(&fs);
    std::vector<u8> bytes;
    fs.RemoveFile("saving.dat");
    if (!fnSave("saving.dat")) return bytes;
    FuzzCheck(!fs.Exists("saving.dat.tmp"), "a save left its temporary file behind");
    fs.Get("saving.dat", bytes);
    fs.RemoveFile("saving.dat");
    return bytes;
}

void FillFields(cEdData& rec)
{
    u8 nNext = 1;
    for (const cFieldDesc& d : rec.Fields().All()) {
        if (!d.IsStoredIn(kDataVersion)) continue;
        if (d.IsString()) {
            *static_cast<std::string*>(d.Address(rec)) = "テキスト\\表" + std::to_string(nNext++);
        } else if (d.m_eKind == eFieldKind::Double) {
            for (u32 k = 0; k < d.m_nCount; ++k) {
                double v = nNext++ * 0.5;
                memcpy(static_cast<u8*>(d.Address(rec)) + 8 * k, &v, 8);
            }
        } else {
            u8* lpDst = static_cast<u8*>(d.Address(rec));
            memset(lpDst, 0, d.Bytes());
            for (u32 k = 0; k < d.m_nCount; ++k) lpDst[k * d.m_nWidth] = nNext++;
        }
    }
}
