#include "data/ed_data.h"

#include <algorithm>
#include <cstring>

#include "app/fatal.h"
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

std::vector<const cFieldDesc*> cFieldTable::Registered(u32 dwVersion, bool bStrings) const
{
    std::vector<const cFieldDesc*> out;
    for (const cFieldDesc& d : m_Fields)
        if (d.IsString() == bStrings && d.IsStoredIn(dwVersion)) out.push_back(&d);
    return out;
}

u32 cFieldTable::Count(u32 dwVersion, bool bStrings) const
{
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
    s32 nRead = 0;
    for (const cFieldDesc& d : table.All()) {
        if (nRead >= nStored) break;
        if (d.IsString() != bStrings || !d.IsStoredIn(g_dwReadVersion)) continue;
        ++nRead;
        if (bStrings) {
            if (!ReadString(*static_cast<std::string*>(d.Address(rec)), file)) return false;
            continue;
        }
        u8 buf[8 * 16];
        u8* lpDst = static_cast<u8*>(d.Address(rec));
        for (u32 k = 0; k < d.m_nCount;) {
            const u32 nChunk = std::min<u32>(d.m_nCount - k, sizeof buf / d.m_nWidth);
            if (!file.ReadBytes(buf, static_cast<size_t>(nChunk) * d.m_nWidth)) return false;
            for (u32 i = 0; i < nChunk; ++i, ++k)
                LoadLittleEndian(lpDst + k * d.m_nWidth, buf + i * d.m_nWidth, d.m_nWidth);
        }
    }
    return true;
}

void SaveEntries(const cEdData& rec, const cFieldTable& table, bool bStrings, cDataWriter& file)
{
    file.WriteU32(table.Count(g_dwDataVersion, bStrings));
    for (const cFieldDesc& d : table.All()) {
        if (d.IsString() != bStrings || !d.IsStoredIn(g_dwDataVersion)) continue;
        if (bStrings) {
            WriteString(*static_cast<const std::string*>(d.Address(rec)), file);
            continue;
        }
        const u8* lpSrc = static_cast<const u8*>(d.Address(rec));
        u8 buf[8];
        for (u32 k = 0; k < d.m_nCount; ++k) {
            StoreLittleEndian(buf, lpSrc + k * d.m_nWidth, d.m_nWidth);
            file.WriteBytes(buf, d.m_nWidth);
        }
    }
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

void cEdData::Clear()
{
    for (const cFieldDesc& d : Fields().All()) {
        if (!d.IsStoredIn(g_dwDataVersion)) continue;
        if (d.IsString())
            static_cast<std::string*>(d.Address(*this))->clear();
        else
            memset(d.Address(*this), 0, d.Bytes());
    }
}

void cEdData::CopyFields(const cEdData& src)
{
    for (const cFieldDesc& d : Fields().All()) {
        if (!d.IsStoredIn(g_dwDataVersion)) continue;
        if (d.IsString())
            *static_cast<std::string*>(d.Address(*this)) = *static_cast<const std::string*>(d.Address(src));
        else
            memmove(d.Address(*this), d.Address(src), d.Bytes());
    }
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
    if (IsFatalError()) return 0;
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

bool OpenDataFileForWrite(const std::string& strName, cDataWriter& file)
{
    if (IsFatalError() || strName.empty() || strName.size() >= kMaxPath) return false;
    if (!file.Open(strName)) return false;
    file.WriteU32(g_dwDataVersion);
    return true;
}

u32 CloseDataFileForWrite(cDataWriter& file)
{
    // A programming error met while the file was being written: keep the old file.
    if (IsFatalError()) {
        file.Abandon();
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
