#include "data/ed_data.h"

#include <algorithm>
#include <cstring>

#include "app/fatal.h"
#include "app/log.h"
#include "app/path.h"
#include "data/serial.h"

u32 g_dwDataVersion = kDataVersion;
u32 g_dwReadVersion = 0;
u32 g_bNewerFile = 0;

void* field_detail::ScratchString(cEdData&)
{
    static std::string s_strScratch;
    return &s_strScratch;
}

cFieldTable::cFieldTable(std::initializer_list<cFieldDesc> fields) : m_Fields(fields)
{
    m_Today.numbers = Registered(kDataVersion, false);
    m_Today.strings = Registered(kDataVersion, true);
    for (const cFieldDesc* d : m_Today.numbers) m_Today.nNumberBytes += d->Bytes();
}

std::vector<const cFieldDesc*> cFieldTable::Registered(u32 dwVersion, bool bStrings) const
{
    std::vector<const cFieldDesc*> out;
    for (const cFieldDesc& d : m_Fields)
        if (d.IsString() == bStrings && d.IsStoredIn(dwVersion)) out.push_back(&d);
    return out;
}

u32 cFieldTable::Count(u32 dwVersion, bool bStrings) const
{
    if (dwVersion == kDataVersion) return static_cast<u32>((bStrings ? m_Today.strings : m_Today.numbers).size());
    u32 n = 0;
    for (const cFieldDesc& d : m_Fields)
        if (d.IsString() == bStrings && d.IsStoredIn(dwVersion)) ++n;
    return n;
}

const cFieldTable& cEdData::Fields() const
{
    static const cFieldTable s_Empty{};
    return s_Empty;
}

bool cEdData::Load(cDataReader& file) { return LoadBody(file); }

void cEdData::Save(cDataWriter& file) const { SaveBody(file); }

namespace {

// A record's numeric block, gathered into one buffer: on the stack unless a
// class stores more than it holds.
class cBlockBuffer {
public:
    explicit cBlockBuffer(size_t nBytes)
    {
        if (nBytes <= sizeof m_Stack) return;
        m_Heap.resize(nBytes);
        m_lpData = m_Heap.data();
    }
    u8* Data() { return m_lpData; }

private:
    u8 m_Stack[512];
    std::vector<u8> m_Heap;
    u8* m_lpData = m_Stack;
};

// Copies n values of a width between a member and the file's bytes; a
// single value is copied at its width (most fields are one value).
template <size_t N>
bool CopyOne(u8* lpTo, const u8* lpFrom)
{
    memcpy(lpTo, lpFrom, N);
    return true;
}
bool CopyValue(u8* lpTo, const u8* lpFrom, const cFieldDesc& d)
{
    if (d.m_nCount != 1) return false;
    switch (d.m_nWidth) {
    case 1: return CopyOne<1>(lpTo, lpFrom);
    case 2: return CopyOne<2>(lpTo, lpFrom);
    case 4: return CopyOne<4>(lpTo, lpFrom);
    case 8: return CopyOne<8>(lpTo, lpFrom);
    default: return false;
    }
}

void FromFile(u8* lpMember, const u8* lpFile, const cFieldDesc& d)
{
    if (kHostIsLittleEndian) {
        if (!CopyValue(lpMember, lpFile, d)) memcpy(lpMember, lpFile, d.Bytes());
        return;
    }
    for (u32 k = 0; k < d.m_nCount; ++k) LoadLittleEndian(lpMember + k * d.m_nWidth, lpFile + k * d.m_nWidth, d.m_nWidth);
}

void ToFile(u8* lpFile, const u8* lpMember, const cFieldDesc& d)
{
    if (kHostIsLittleEndian) {
        if (!CopyValue(lpFile, lpMember, d)) memcpy(lpFile, lpMember, d.Bytes());
        return;
    }
    for (u32 k = 0; k < d.m_nCount; ++k) StoreLittleEndian(lpFile + k * d.m_nWidth, lpMember + k * d.m_nWidth, d.m_nWidth);
}

// Calls fn for the first nCount entries (numeric or string) that a version stores.
template <class F>
void ForStored(const cFieldTable& table, u32 dwVersion, bool bStrings, s32 nCount, F fn)
{
    if (dwVersion == kDataVersion) {
        const auto& today = bStrings ? table.Today().strings : table.Today().numbers;
        const size_t n = std::min(static_cast<size_t>(std::max(nCount, 0)), today.size());
        for (size_t i = 0; i < n; ++i) fn(*today[i]);
        return;
    }
    s32 n = 0;
    for (const cFieldDesc& d : table.All()) {
        if (n >= nCount) return;
        if (d.IsString() != bStrings || !d.IsStoredIn(dwVersion)) continue;
        ++n;
        fn(d);
    }
}

// The bytes of the first nCount numeric entries of a version.
size_t NumberBytes(const cFieldTable& table, u32 dwVersion, s32 nCount)
{
    if (dwVersion == kDataVersion && nCount == static_cast<s32>(table.Today().numbers.size()))
        return table.Today().nNumberBytes;
    size_t nBytes = 0;
    ForStored(table, dwVersion, false, nCount, [&](const cFieldDesc& d) { nBytes += d.Bytes(); });
    return nBytes;
}

// Reads the numeric or the string entries that the file's version stored.
// The count must not exceed them; fewer leave the later members as they are.
bool LoadEntries(cEdData& rec, const cFieldTable& table, bool bStrings, cDataReader& file)
{
    u32 nCount = 0;
    if (!file.ReadU32(nCount)) return false;
    // More fields than the file's version ever stored: not a file of ours.
    const s32 nStored = static_cast<s32>(nCount);
    if (nStored > static_cast<s32>(table.Count(g_dwReadVersion, bStrings))) {
        file.MarkDamaged();
        return false;
    }
    if (bStrings) {
        bool bOk = true;
        ForStored(table, g_dwReadVersion, true, nStored, [&](const cFieldDesc& d) {
            bOk = bOk && ReadString(*static_cast<std::string*>(d.Address(rec)), file);
        });
        return bOk;
    }
    // The values of all the stored fields are read at once, then handed out.
    const size_t nBytes = NumberBytes(table, g_dwReadVersion, nStored);
    const u8* lpBuffer = file.ReadInPlace(nBytes);
    cBlockBuffer buffer(lpBuffer ? 0 : nBytes);
    if (!lpBuffer) {
        if (!file.ReadBytes(buffer.Data(), nBytes)) return false;
        lpBuffer = buffer.Data();
    }
    ForStored(table, g_dwReadVersion, false, nStored, [&](const cFieldDesc& d) {
        FromFile(static_cast<u8*>(d.Address(rec)), lpBuffer, d);
        lpBuffer += d.Bytes();
    });
    return true;
}

void SaveEntries(const cEdData& rec, const cFieldTable& table, bool bStrings, cDataWriter& file)
{
    const s32 nCount = static_cast<s32>(table.Count(g_dwDataVersion, bStrings));
    file.WriteU32(static_cast<u32>(nCount));
    if (bStrings) {
        ForStored(table, g_dwDataVersion, true, nCount, [&](const cFieldDesc& d) {
            WriteString(*static_cast<const std::string*>(d.Address(rec)), file);
        });
        return;
    }
    // The values are gathered straight into the file's buffer when it has room.
    const size_t nBytes = NumberBytes(table, g_dwDataVersion, nCount);
    u8* lpInPlace = file.WriteInPlace(nBytes);
    cBlockBuffer buffer(lpInPlace ? 0 : nBytes);
    u8* lpOut = lpInPlace ? lpInPlace : buffer.Data();
    ForStored(table, g_dwDataVersion, false, nCount, [&](const cFieldDesc& d) {
        ToFile(lpOut, static_cast<const u8*>(d.Address(rec)), d);
        lpOut += d.Bytes();
    });
    if (!lpInPlace) file.WriteBytes(buffer.Data(), nBytes);
}

}  // namespace

bool cEdData::LoadBody(cDataReader& file)
{
    // The members of the file's version, in that version's order.
    const cFieldTable& table = Fields();
    return LoadEntries(*this, table, false, file) && LoadEntries(*this, table, true, file) && file.Ok();
}

void cEdData::SaveBody(cDataWriter& file) const
{
    const cFieldTable& table = Fields();
    SaveEntries(*this, table, false, file);
    SaveEntries(*this, table, true, file);
}

namespace {

// Calls fn for every entry that the program's data version stores.
template <class F>
void ForCurrent(const cFieldTable& table, F fn)
{
    if (g_dwDataVersion == kDataVersion) {
        for (const cFieldDesc* d : table.Today().numbers) fn(*d);
        for (const cFieldDesc* d : table.Today().strings) fn(*d);
        return;
    }
    for (const cFieldDesc& d : table.All())
        if (d.IsStoredIn(g_dwDataVersion)) fn(d);
}

}  // namespace

void cEdData::Clear()
{
    ForCurrent(Fields(), [&](const cFieldDesc& d) {
        if (d.IsString())
            static_cast<std::string*>(d.Address(*this))->clear();
        else
            memset(d.Address(*this), 0, d.Bytes());
    });
}

void cEdData::CopyFields(const cEdData& src)
{
    ForCurrent(Fields(), [&](const cFieldDesc& d) {
        if (d.IsString())
            *static_cast<std::string*>(d.Address(*this)) = *static_cast<const std::string*>(d.Address(src));
        else
            memmove(d.Address(*this), d.Address(src), d.Bytes());
    });
}

u32 cEdData::IsEqual(const cEdData& a, const cEdData& b)
{
    for (const cFieldDesc& d : a.Fields().All()) {
        if (!d.IsStoredIn(g_dwDataVersion)) continue;
        if (d.IsString()) {
            // Texts compare up to their first NUL, as the platform's C-string
            // comparison sees them.
            const std::string& x = *static_cast<const std::string*>(d.Address(a));
            const std::string& y = *static_cast<const std::string*>(d.Address(b));
            if (strcmp(x.c_str(), y.c_str()) != 0) return 0;
        } else if (d.m_eKind == eFieldKind::Double) {
            const u8* x = static_cast<const u8*>(d.Address(a));
            const u8* y = static_cast<const u8*>(d.Address(b));
            for (u32 k = 0; k < d.m_nCount; ++k) {
                double dx, dy;
                memcpy(&dx, x + 8 * k, 8);
                memcpy(&dy, y + 8 * k, 8);
                if (!(dx == dy)) return 0;
            }
        } else if (memcmp(d.Address(a), d.Address(b), d.Bytes()) != 0) {
            return 0;
        }
    }
    return 1;
}

eLoadResult cEdData::ReadDataFile(const std::string& strName)
{
    cDataReader file;
    if (!OpenDataFileForRead(strName, file)) return eLoadResult::Refused;
    const bool bOk = Load(file) && file.Ok();
    SafeFclose(file);
    return bOk ? eLoadResult::Loaded : eLoadResult::Damaged;
}

eLoadResult cEdData::LoadDataFile(const std::string& strName)
{
    std::unique_ptr<cEdData> scratch = ScratchForLoad();
    if (!scratch) return ReadDataFile(strName);
    const eLoadResult eResult = scratch->ReadDataFile(strName);
    if (eResult == eLoadResult::Loaded) TakeFrom(*scratch);
    return eResult;
}

u32 cEdData::SaveFile(const std::string& strName) const
{
    cDataWriter file;
    if (!OpenDataFileForWrite(strName, file)) return 0;
    Save(file);
    return CloseDataFileForWrite(file);
}

u32 cEdData::LoadNewest(const std::string& strPath, const char* lpExt)
{
    std::string strFound;
    if (!FindNumberedFile(strFound, strPath, lpExt)) return 0;
    return LoadFile(strFound);
}

void SetDataVersion(u32 dwVersion)
{
    g_dwDataVersion = dwVersion;
    g_bNewerFile = 0;
}

bool OpenDataFileForRead(const std::string& strName, cDataReader& file)
{
    if (strName.size() >= kMaxPath) return false;
    if (!file.Open(strName.empty() ? std::string("err") : strName)) return false;
    u32 dwVersion = 0;
    if (!file.ReadU32(dwVersion)) {
        file.Close();
        return false;
    }
    g_dwReadVersion = dwVersion;
    if (dwVersion > g_dwDataVersion) {
        g_bNewerFile = 1;
        file.Close();
        return false;
    }
    g_bNewerFile = 0;
    return true;
}

namespace {

// The files refused while a save group is open, and how many groups are.
thread_local std::vector<std::string> t_RefusedSaves;
thread_local int t_nSaveGroups = 0;

void TellSavesRefused(const std::string& strNames)
{
    LogPrintfBox("%s を保存できませんでした！\nエラーが発生したため、データの保存は禁止されています。\n"
                 "エディターを終了して、もう一度起動して下さい。",
                 strNames.c_str());
}

}  // namespace

cSaveGroup::cSaveGroup() { ++t_nSaveGroups; }

cSaveGroup::~cSaveGroup()
{
    if (--t_nSaveGroups > 0 || t_RefusedSaves.empty()) return;
    std::string strNames;
    for (const std::string& strName : t_RefusedSaves) strNames += (strNames.empty() ? "" : "\n") + strName;
    t_RefusedSaves.clear();
    TellSavesRefused(strNames);
}

void ReportSaveRefused(const std::string& strName)
{
    if (t_nSaveGroups > 0)
        t_RefusedSaves.push_back(strName);
    else
        TellSavesRefused(strName);
}

bool OpenDataFileForWrite(const std::string& strName, cDataWriter& file)
{
    if (IsFatalError()) {
        ReportSaveRefused(strName);
        return false;
    }
    if (strName.empty() || strName.size() >= kMaxPath) return false;
    if (!file.Open(strName)) return false;
    file.WriteU32(g_dwDataVersion);
    return true;
}

u32 CloseDataFileForWrite(cDataWriter& file)
{
    // A programming error met while the file was being written: keep the old file.
    if (IsFatalError()) {
        file.Abandon();
        ReportSaveRefused(file.Target());
        return 0;
    }
    return file.Commit();
}

void SafeFclose(cDataReader& file) { file.Close(); }

u32 IsFileOlderThan(const std::string& strName, u32 dwVersion)
{
    cDataReader file;
    if (!OpenDataFileForRead(strName, file)) return 0;
    return g_dwReadVersion < dwVersion ? 1 : 0;
}
