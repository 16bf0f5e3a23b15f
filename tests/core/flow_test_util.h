#pragma once
// Helpers of the flow-model tests: record bodies built by hand for one data
// version, and loading and saving a record through a data file.
#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/fatal.h"
#include "data/ed_data.h"
#include "data/palette_refs.h"
#include "flow/flow_refs.h"
#include "support/test_env.h"

// A record body for one data version: the numeric fields that version
// stores (each call is one field entry, added only when the version lies in
// [from, until)), counted, then the string block likewise.
class cVersionBody {
public:
    explicit cVersionBody(u32 dwVersion) : m_dwVersion(dwVersion) {}

    cVersionBody& U8(u8 v, u32 from = 0, u32 until = UINT_MAX) { return Add(cBytes().U8(v), from, until); }
    cVersionBody& U16(u16 v, u32 from = 0, u32 until = UINT_MAX) { return Add(cBytes().U16(v), from, until); }
    cVersionBody& U32(u32 v, u32 from = 0, u32 until = UINT_MAX) { return Add(cBytes().U32(v), from, until); }
    cVersionBody& Double(double v, u32 from = 0, u32 until = UINT_MAX)
    {
        return Add(cBytes().Double(v), from, until);
    }
    // One entry of several values, given as their bytes.
    cVersionBody& Entry(const cBytes& bytes, u32 from = 0, u32 until = UINT_MAX) { return Add(bytes, from, until); }
    // One entry of three words.
    cVersionBody& U16x3(const u16 (&a)[3], u32 from = 0, u32 until = UINT_MAX)
    {
        return Add(cBytes().U16(a[0]).U16(a[1]).U16(a[2]), from, until);
    }

    cVersionBody& Str(const std::string& str, u32 from = 0, u32 until = UINT_MAX)
    {
        if (m_dwVersion >= from && m_dwVersion < until) {
            m_Strings.Str(str);
            ++m_nStrings;
        }
        return *this;
    }

    std::vector<u8> Get() const
    {
        return cBytes().U32(m_nCount).Raw(m_Fields).U32(m_nStrings).Raw(m_Strings);
    }

private:
    cVersionBody& Add(const cBytes& bytes, u32 from, u32 until)
    {
        if (m_dwVersion >= from && m_dwVersion < until) {
            m_Fields.Raw(bytes);
            ++m_nCount;
        }
        return *this;
    }

    u32 m_dwVersion;
    u32 m_nCount = 0;
    cBytes m_Fields;
    u32 m_nStrings = 0;
    cBytes m_Strings;
};

// A data file: the version word, then the bytes.
inline std::vector<u8> DataFile(u32 dwVersion, const std::vector<u8>& body)
{
    return cBytes().U32(dwVersion).Raw(body);
}

// Loads a record from a data file holding these bytes.
template <class T>
bool LoadFromBytes(T& rec, const std::vector<u8>& file)
{
    if (!WriteFileBytes("rec.dat", file)) return false;
    return rec.LoadFile("rec.dat") == 1;
}

// The data file a record saves.
inline std::vector<u8> SavedBytes(const cEdData& rec)
{
    if (rec.SaveFile("saved.dat") != 1) return {};
    return ReadFileBytes("saved.dat");
}

// The body a record saves: its data file without the version word.
inline std::vector<u8> BodyOf(const cEdData& rec)
{
    std::vector<u8> file = SavedBytes(rec);
    return file.size() < 4 ? file : std::vector<u8>(file.begin() + 4, file.end());
}

// Counts of the database tables the flow records check references against,
// and the display times of the sword types' positions; nothing known until
// a test sets it.
class cFakeFlowRefs : public cFlowRefs {
public:
    cFakeFlowRefs() { m_Counts.fill(kUnknownCount); }
    cFakeFlowRefs& Set(eFlowRefTable eTable, u32 nCount)
    {
        m_Counts[static_cast<size_t>(eTable)] = nCount;
        return *this;
    }
    u32 Count(eFlowRefTable eTable) const override { return m_Counts[static_cast<size_t>(eTable)]; }
    bool SwordPosTimes(u32 nType, std::vector<u32>& times) const override
    {
        times.clear();
        if (nType >= m_SwordTimes.size()) return false;
        times = m_SwordTimes[nType];
        return true;
    }

    std::vector<std::vector<u32>> m_SwordTimes;  // by sword type

private:
    std::array<u32, static_cast<size_t>(eFlowRefTable::Bgm) + 1> m_Counts;
};

// Sizes of the palettes' lists; nothing known until a test sets it.
class cFakePalettes : public cPaletteRefs {
public:
    cFakePalettes() { m_Counts.fill(kUnknownCount); }
    cFakePalettes& Set(ePaletteList eList, u32 nCount)
    {
        m_Counts[static_cast<size_t>(eList)] = nCount;
        return *this;
    }
    u32 Count(ePaletteList eList) const override { return m_Counts[static_cast<size_t>(eList)]; }

private:
    std::array<u32, static_cast<size_t>(ePaletteList::StageItem) + 1> m_Counts;
};

// Palettes whose lists differ in size: common 3, 4, 5; stage 6, 7, 8.
inline void InstallPalettes(cFakePalettes& palettes)
{
    palettes.Set(ePaletteList::CommonBlock, 3)
        .Set(ePaletteList::CommonChara, 4)
        .Set(ePaletteList::CommonItem, 5)
        .Set(ePaletteList::StageBlock, 6)
        .Set(ePaletteList::StageChara, 7)
        .Set(ePaletteList::StageItem, 8);
    SetPaletteRefs(&palettes);
}

class cFlowTest : public cCoreTest {
protected:
    void TearDown() override
    {
        SetFlowRefs(nullptr);
        SetPaletteRefs(nullptr);
        cCoreTest::TearDown();
    }

    // Nothing reached the user or the fatal path.
    void ExpectQuiet()
    {
        EXPECT_FALSE(IsFatalError());
        EXPECT_TRUE(FakeHost().m_Messages.empty());
        EXPECT_EQ(FakeHost().m_nCloseRequests, 0);
    }
};

// Every shorter copy of a valid file fails to load and leaves the record as
// it was.
template <class T>
void ExpectEveryTruncationFails(const std::vector<u8>& full, const T& before)
{
    for (size_t n = 0; n < full.size(); ++n) {
        T rec = before;
        EXPECT_FALSE(LoadFromBytes(rec, std::vector<u8>(full.begin(), full.begin() + n))) << "length " << n;
        EXPECT_TRUE(rec == before) << "length " << n;
    }
}

// One migration step: the values a file of that version stored, the record
// before loading (defaults when null) and what the step changes afterwards.
template <class T>
struct cMigrationRow {
    using fnEdit = void (*)(T&);
    u32 dwVersion;
    fnEdit pfnStored;
    fnEdit pfnBefore;
    fnEdit pfnExpected;
};

// Loads each row's body, built by bodyOf(version, stored record) from the
// base record as the row's stored values changed it, and checks
// that fields the version didn't store kept the record's values and that
// the step's changes were made; the saved files must match too.
template <class T, size_t N, class F>
void ExpectMigrations(const cMigrationRow<T> (&rows)[N], F bodyOf, const T& base = T())
{
    for (const cMigrationRow<T>& r : rows) {
        SCOPED_TRACE(r.dwVersion);
        T stored = base;
        r.pfnStored(stored);
        T rec;
        if (r.pfnBefore) r.pfnBefore(rec);
        ASSERT_TRUE(LoadFromBytes(rec, DataFile(r.dwVersion, bodyOf(r.dwVersion, stored))));

        T expected = stored;
        for (const cFieldDesc& d : T::FieldTable().All()) {
            if (d.IsStoredIn(r.dwVersion)) continue;
            if (d.IsString())
                *static_cast<std::string*>(d.Address(expected)) = *static_cast<const std::string*>(d.Address(rec));
            else
                memcpy(d.Address(expected), d.Address(rec), d.Bytes());
        }
        if (r.pfnExpected) r.pfnExpected(expected);
        EXPECT_TRUE(rec == expected);
        EXPECT_BYTES(SavedBytes(expected), SavedBytes(rec));
    }
}
