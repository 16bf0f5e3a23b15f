#pragma once
// The record base of every file-backed object, and the data-file format they
// share: a u32 data version, then each record's body (its registered numeric
// fields, its registered strings, then the class's own tail). Which members
// are stored depends on the data version, so files of older programs are read
// with the members of their time and written back with today's.
#include <climits>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/types.h"
#include "data/data_file.h"

// The data version that this program writes.
constexpr u32 kDataVersion = 950;

extern u32 g_dwDataVersion;   // the program's data version
extern u32 g_dwReadVersion;   // version of the data file most recently opened for reading
extern u32 g_bNewerFile;      // that file was refused as newer than the program

class cEdData;

enum class eFieldKind : u8 { Integer, Double, String };

// One stored member: where it is, how wide its elements are, how many, and
// the data versions in which it is stored (from <= version < until).
struct cFieldDesc {
    void* (*m_pfnAddress)(cEdData& rec);
    u32 m_nCount;
    s8 m_nWidth;
    eFieldKind m_eKind;
    u32 m_dwFrom = 0;
    u32 m_dwUntil = UINT_MAX;

    cFieldDesc From(u32 dwVersion) const { cFieldDesc d = *this; d.m_dwFrom = dwVersion; return d; }
    cFieldDesc Until(u32 dwVersion) const { cFieldDesc d = *this; d.m_dwUntil = dwVersion; return d; }
    bool IsStoredIn(u32 dwVersion) const { return dwVersion >= m_dwFrom && dwVersion < m_dwUntil; }
    bool IsString() const { return m_eKind == eFieldKind::String; }
    void* Address(const cEdData& rec) const { return m_pfnAddress(const_cast<cEdData&>(rec)); }
    size_t Bytes() const { return static_cast<size_t>(m_nCount) * m_nWidth; }
};

// The stored members of one class, in file order. The numeric block and the
// string block each keep the order of their own entries.
class cFieldTable {
public:
    cFieldTable(std::initializer_list<cFieldDesc> fields);
    // The numeric or string entries stored in a data version, in file order.
    std::vector<const cFieldDesc*> Registered(u32 dwVersion, bool bStrings) const;
    u32 Count(u32 dwVersion, bool bStrings) const;
    const std::vector<cFieldDesc>& All() const { return m_Fields; }

    // The entries of today's version, worked out once: most files are read
    // and all are written at it.
    struct cLayout {
        std::vector<const cFieldDesc*> numbers;
        std::vector<const cFieldDesc*> strings;
        size_t nNumberBytes = 0;
    };
    const cLayout& Today() const { return m_Today; }

private:
    std::vector<cFieldDesc> m_Fields;
    cLayout m_Today;
};

namespace field_detail {
template <class T> struct cMember;
template <class C, class M> struct cMember<M C::*> {
    using Class = C;
    using Type = M;
};
template <class T> struct cElement {
    using Type = T;
    static constexpr u32 kCount = 1;
};
template <class T, size_t N> struct cElement<T[N]> {
    using Type = T;
    static constexpr u32 kCount = N;
};
template <auto P> void* Address(cEdData& rec)
{
    using C = typename cMember<decltype(P)>::Class;
    return &(static_cast<C&>(rec).*P);
}
template <class T> constexpr eFieldKind KindOf()
{
    static_assert(!std::is_same<T, bool>::value && !std::is_same<T, float>::value, "store u8 or double");
    static_assert(std::is_integral<T>::value || std::is_enum<T>::value || std::is_same<T, double>::value,
                  "numeric fields are integers of 1, 2, 4 or 8 bytes, or doubles");
    static_assert(sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8, "field width");
    return std::is_same<T, double>::value ? eFieldKind::Double : eFieldKind::Integer;
}
template <auto P, u32 K> void* ElementAddress(cEdData& rec)
{
    using C = typename cMember<decltype(P)>::Class;
    return &(static_cast<C&>(rec).*P)[K];
}
template <class T, u32 N> void* Scratch(cEdData&)
{
    static T s_Scratch[N];
    return s_Scratch;
}
void* ScratchString(cEdData&);
}  // namespace field_detail

// A numeric member (scalar or array) or a std::string member.
template <auto P>
cFieldDesc Field()
{
    using M = typename field_detail::cMember<decltype(P)>::Type;
    if constexpr (std::is_same<M, std::string>::value) {
        return cFieldDesc{&field_detail::Address<P>, 1, 0, eFieldKind::String};
    } else {
        using E = typename field_detail::cElement<M>::Type;
        return cFieldDesc{&field_detail::Address<P>, field_detail::cElement<M>::kCount,
                          static_cast<s8>(sizeof(E)), field_detail::KindOf<E>()};
    }
}

// Elements kFirst .. kFirst + kCount - 1 of a numeric array member, stored
// as one field of that many elements (an element may itself be an array,
// whose values then all belong to the field).
template <auto P, u32 kFirst, u32 kCount = 1>
cFieldDesc ElementsField()
{
    using M = typename field_detail::cMember<decltype(P)>::Type;
    using E = typename field_detail::cElement<M>::Type;
    using V = std::remove_all_extents_t<E>;
    static_assert(kCount >= 1 && kFirst + kCount <= field_detail::cElement<M>::kCount, "elements of the array");
    constexpr u32 kValues = static_cast<u32>(sizeof(E) / sizeof(V)) * kCount;
    return cFieldDesc{&field_detail::ElementAddress<P, kFirst>, kValues, static_cast<s8>(sizeof(V)),
                      field_detail::KindOf<V>()};
}

// A member that older versions stored and today's program no longer has:
// old files are read past it into a scratch variable that nothing reads.
template <class T, u32 N = 1>
cFieldDesc RetiredField()
{
    return cFieldDesc{&field_detail::Scratch<T, N>, N, static_cast<s8>(sizeof(T)), field_detail::KindOf<T>()};
}
inline cFieldDesc RetiredString() { return cFieldDesc{&field_detail::ScratchString, 1, 0, eFieldKind::String}; }

// How loading a data file went.
enum class eLoadResult : u8 {
    Loaded,
    Refused,  // nothing was read: the file is missing, unreadable or newer than the program
    Damaged,  // the file was read but is short or inconsistent
};

class cEdData {
public:
    virtual ~cEdData() = default;

    // The class's stored members; the base stores none.
    virtual const cFieldTable& Fields() const;
    // Reads the body (numeric block, string block; overrides add their tail
    // and migrations). False when the file turned out damaged.
    virtual bool Load(cDataReader& file);
    // Writes the body at today's version.
    virtual void Save(cDataWriter& file) const;

    // A copy of this record, or null when the class can't copy itself (the
    // file is then loaded in place).
    virtual std::unique_ptr<cEdData> Clone() const { return nullptr; }
    // Takes over the content of a record of the same class.
    virtual void TakeFrom(cEdData&) {}
    // The object that a load fills before it replaces this one: by default
    // a copy, so that members an older file lacks keep their values.
    virtual std::unique_ptr<cEdData> ScratchForLoad() const { return Clone(); }

    // Zeroes every registered number and empties every registered string.
    void Clear();
    // Copies the registered members of a record of the same class.
    void CopyFields(const cEdData& src);
    static u32 IsEqual(const cEdData& a, const cEdData& b);

    // Loads a data file of this object. The file is read into a scratch
    // object that replaces this one only when the whole file was read, so a
    // failed load leaves the object as it was.
    eLoadResult LoadDataFile(const std::string& strName);
    u32 LoadFile(const std::string& strName) { return LoadDataFile(strName) == eLoadResult::Loaded ? 1 : 0; }
    // Reads a data file into this object as it stands; a damaged file can
    // leave it half read (callers read into a scratch object).
    eLoadResult ReadDataFile(const std::string& strName);
    // Saves through the safe-save helper; 0 under the fatal-error flag or
    // when any step fails (the old file then stays as it was).
    u32 SaveFile(const std::string& strName) const;
    // Loads the newest numbered version "<base>_ddd" of the path.
    u32 LoadNewest(const std::string& strPath, const char* lpExt);

protected:
    bool LoadBody(cDataReader& file);
    void SaveBody(cDataWriter& file) const;
};

// Base of the concrete record classes: gives them copying for the scratch
// load and their field table (D::FieldTable(), a static member).
template <class D>
class cEdRecord : public cEdData {
public:
    const cFieldTable& Fields() const override { return D::FieldTable(); }
    std::unique_ptr<cEdData> Clone() const override
    {
        return std::make_unique<D>(static_cast<const D&>(*this));
    }
    void TakeFrom(cEdData& src) override { static_cast<D&>(*this) = std::move(static_cast<D&>(src)); }
};

// The file layer.
void SetDataVersion(u32 dwVersion);
// Opens a data file and reads its version into g_dwReadVersion. A file newer
// than the program is refused (g_bNewerFile set). Names of 260 bytes or more
// are refused.
bool OpenDataFileForRead(const std::string& strName, cDataReader& file);
// Opens a data file for writing (through the safe-save helper) and writes the
// program's data version. Refused under the fatal-error flag: the user is
// told that the file was not saved (ReportSaveRefused).
bool OpenDataFileForWrite(const std::string& strName, cDataWriter& file);
// Finishes a data file opened for writing: 1 when every byte reached the disk
// and the file replaced the old one. A fatal error met while the file was
// written keeps the old file, and the user is told so.
u32 CloseDataFileForWrite(cDataWriter& file);
// Tells the user (both logs and an error box) that a file was not saved
// because a fatal error forbids every save.
void ReportSaveRefused(const std::string& strName);
// One save of several files: while a group lives, the files refused under
// the fatal-error flag are told together, in one message, when the
// outermost group ends.
class cSaveGroup {
public:
    cSaveGroup();
    ~cSaveGroup();
    cSaveGroup(const cSaveGroup&) = delete;
    cSaveGroup& operator=(const cSaveGroup&) = delete;
};
void SafeFclose(cDataReader& file);
// 1 when the file exists, is not newer and its version is below dwVersion.
u32 IsFileOlderThan(const std::string& strName, u32 dwVersion);
