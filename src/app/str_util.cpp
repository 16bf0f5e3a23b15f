#include "app/str_util.h"

#include <cstdio>
#include <cstring>
#include <cstdlib>

bool IsDbcsPairAt(const std::string& str, size_t pos)
{
    size_t i = 0;
    while (i < str.size()) {
        bool bPair = IsSjisLead(static_cast<u8>(str[i])) && i + 1 < str.size() &&
                     IsSjisTrail(static_cast<u8>(str[i + 1]));
        if (i == pos) return bPair;
        if (i > pos) return false;
        i += bPair ? 2 : 1;
    }
    return false;
}

size_t CharBoundaryAtOrBelow(const std::string& str, size_t nMax)
{
    if (nMax >= str.size()) return str.size();
    size_t i = 0;
    while (i < nMax) {
        bool bPair = IsSjisLead(static_cast<u8>(str[i])) && i + 1 < str.size() &&
                     IsSjisTrail(static_cast<u8>(str[i + 1]));
        size_t nNext = i + (bPair ? 2 : 1);
        if (nNext > nMax) break;
        i = nNext;
    }
    return i;
}

std::string VFormat(const char* lpFormat, va_list args)
{
    char szSmall[256];
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(szSmall, sizeof szSmall, lpFormat, copy);
    va_end(copy);
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) < sizeof szSmall) return std::string(szSmall, n);
    std::string str(static_cast<size_t>(n) + 1, '\0');
    vsnprintf(&str[0], str.size(), lpFormat, args);
    str.resize(n);
    return str;
}

std::string Format(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    return str;
}

std::string& StrFormat(std::string& str, const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    str = VFormat(lpFormat, args);
    va_end(args);
    return str;
}

std::string& StrAppendFormat(std::string& str, const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    str += VFormat(lpFormat, args);
    va_end(args);
    return str;
}

void AppendCString(std::string& str, const char* lpText)
{
    if (lpText) str.append(lpText, strlen(lpText));
}

void IntToStrZeroPad(std::string& str, s32 nValue, int nWidth)
{
    long long nWide = nValue;
    str = Format("%0*lld", nWidth < 0 ? 0 : nWidth, llabs(nWide));
    if (nWide < 0) str.insert(str.begin(), '-');
}

void FormatIntPadded(std::string& str, s16 nValue, int nWidth, int bZeroPad, int bPlus)
{
    const int nDigits = DigitCount(nValue);
    if (nWidth <= 0 || nWidth < nDigits) nWidth = nDigits;
    int nMagnitude = nValue < 0 ? -nValue : nValue;
    str.assign(static_cast<size_t>(nWidth), '0');
    for (size_t i = str.size(); i-- > 0; nMagnitude /= 10) str[i] = static_cast<char>('0' + nMagnitude % 10);
    if (!bZeroPad)
        for (size_t i = 0; i + 1 < str.size() && str[i] == '0'; ++i) str[i] = ' ';
    if (nValue < 0) str.insert(str.begin(), '-');
    else if (bPlus) str.insert(str.begin(), '+');
}

void FormatIntPadded(std::string& str, s16 nValue, int nWidth) { FormatIntPadded(str, nValue, nWidth, 1, 0); }

int DigitCount(int nValue)
{
    int nCount = 1;
    while (nCount < 11 && (nValue /= 10) != 0) ++nCount;
    return nCount;
}

int AddWrap(int* lpValue, int nStep, int nLow, int nHigh)
{
    long long n = static_cast<long long>(*lpValue) + nStep;
    if (n < nLow) n = nHigh;
    else if (n > nHigh) n = nLow;
    *lpValue = static_cast<int>(n);
    return *lpValue;
}

s32 Clamp(s32& nValue, s32 nMin, s32 nMax)
{
    if (nValue < nMin) nValue = nMin;
    if (nValue > nMax) nValue = nMax;
    return nValue;
}

size_t StrTrimNul(std::string& str)
{
    size_t n = str.find('\0');
    if (n != std::string::npos) str.resize(n);
    return str.size();
}

size_t StringLength(const std::string& str)
{
    return strlen(str.c_str());
}
