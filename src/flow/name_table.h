#pragma once
// Constant vocabulary tables of the flow model. A name table is an array of
// names indexed by a stored option value and closed by one empty string; a
// descriptor table is an array of small constant records. Both are read by a
// value that came from a file, so every lookup is bounded: a value the table
// doesn't have gives an empty name (or an empty descriptor), never a read past
// the table and never a fatal error.
#include <cstddef>
#include <string>
#include <vector>

#include "app/types.h"

namespace name_table_detail {
inline constexpr const char* kNoNames[1] = {""};
}

class cNameTable {
public:
    // A table without names.
    constexpr cNameTable() : m_lpNames(name_table_detail::kNoNames), m_nCount(0) {}
    // The array must end with its closing empty string.
    template <size_t N>
    constexpr cNameTable(const char* const (&lpNames)[N]) : m_lpNames(lpNames), m_nCount(static_cast<u32>(N - 1))
    {
    }

    // Number of names (the closing empty string is not one).
    constexpr u32 Count() const { return m_nCount; }
    constexpr bool Has(long long nValue) const { return nValue >= 0 && nValue < static_cast<long long>(m_nCount); }
    // The name of a value; "" for a value out of the table.
    const char* At(long long nValue) const { return Has(nValue) ? m_lpNames[nValue] : ""; }
    // The value whose name is exactly this text; -1 when no name is (the
    // closing empty string is not a name).
    long long IndexOf(const std::string& str) const
    {
        for (u32 i = 0; i < m_nCount; ++i)
            if (str == m_lpNames[i]) return i;
        return -1;
    }
    // The raw array, closing empty string included.
    const char* const* Data() const { return m_lpNames; }
    // The names as strings, in value order (to fill a combo box).
    std::vector<std::string> List() const { return std::vector<std::string>(m_lpNames, m_lpNames + m_nCount); }

private:
    const char* const* m_lpNames;
    u32 m_nCount;
};

template <class T>
class cDescTable {
public:
    template <size_t N>
    constexpr cDescTable(const T (&aItems)[N]) : m_lpItems(aItems), m_nCount(static_cast<u32>(N))
    {
    }

    constexpr u32 Count() const { return m_nCount; }
    constexpr bool Has(long long nIndex) const { return nIndex >= 0 && nIndex < static_cast<long long>(m_nCount); }
    // The entry at an index; a default entry (zeros, empty name) out of range.
    const T& At(long long nIndex) const
    {
        static const T s_Empty{};
        return Has(nIndex) ? m_lpItems[nIndex] : s_Empty;
    }
    const T* begin() const { return m_lpItems; }
    const T* end() const { return m_lpItems + m_nCount; }

private:
    const T* m_lpItems;
    u32 m_nCount;
};

// Defines a name table from its names; the closing empty string is added.
#define DEFINE_NAME_TABLE(table, ...)                                  \
    namespace {                                                        \
    constexpr const char* table##_aNames[] = {__VA_ARGS__, ""};        \
    }                                                                  \
    const cNameTable table(table##_aNames)
