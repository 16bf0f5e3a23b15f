#pragma once
// Checked indexed access. A bad index is a programming error: it is reported
// (both logs, the fatal-error flag, the main window asked to close) and the
// caller gets element 0, or a default element when there is none, so that it
// can finish its step while the program closes without saving.
#include <iterator>
#include <list>
#include <vector>

#include "app/fatal.h"

template <class T>
T& FallbackElement()
{
    static T s_Default;
    s_Default = T();
    return s_Default;
}

template <class T, class Alloc>
T& SafeAt(std::vector<T, Alloc>& vec, long long nIndex)
{
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < vec.size()) return vec[static_cast<size_t>(nIndex)];
    ReportBadIndex('V', nIndex, vec.size(), sizeof(T));
    return vec.empty() ? FallbackElement<T>() : vec[0];
}

template <class T, class Alloc>
const T& SafeAt(const std::vector<T, Alloc>& vec, long long nIndex)
{
    return SafeAt(const_cast<std::vector<T, Alloc>&>(vec), nIndex);
}

template <class T, class Alloc>
T& SafeAt(std::list<T, Alloc>& lst, long long nIndex)
{
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < lst.size()) return *std::next(lst.begin(), nIndex);
    ReportBadIndex('L', nIndex, lst.size(), sizeof(T));
    return lst.empty() ? FallbackElement<T>() : lst.front();
}

template <class T>
class cSafeVector : public std::vector<T> {
public:
    using std::vector<T>::vector;
    T& At(long long nIndex) { return SafeAt(static_cast<std::vector<T>&>(*this), nIndex); }
    const T& At(long long nIndex) const { return SafeAt(static_cast<const std::vector<T>&>(*this), nIndex); }
};

template <class T>
class cSafeList : public std::list<T> {
public:
    using std::list<T>::list;
    T& At(long long nIndex) { return SafeAt(static_cast<std::list<T>&>(*this), nIndex); }
};
