#pragma once
// String helpers for code page 932 byte strings.
#include <cstdarg>
#include <string>

#include "app/types.h"

// Shift-JIS (CP932) byte classes.
inline bool IsSjisLead(u8 c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
inline bool IsSjisTrail(u8 c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// True when the byte at pos is the first byte of a double-byte character
// (scanning from the start of the text, as the byte can't tell by itself).
bool IsDbcsPairAt(const std::string& str, size_t pos);

// The largest length <= nMax that doesn't split a double-byte character.
size_t CharBoundaryAtOrBelow(const std::string& str, size_t nMax);

// printf-style formatting into a string of whatever length the text needs.
std::string VFormat(const char* lpFormat, va_list args);
std::string Format(const char* lpFormat, ...) __attribute__((format(printf, 1, 2)));

// Replaces the target's text by the formatted text; returns the target.
std::string& StrFormat(std::string& str, const char* lpFormat, ...) __attribute__((format(printf, 2, 3)));
// Appends the formatted text to the target; returns the target.
std::string& StrAppendFormat(std::string& str, const char* lpFormat, ...) __attribute__((format(printf, 2, 3)));

void AppendCString(std::string& str, const char* lpText);

// Decimal digits of the absolute value, at least nWidth of them (more when
// the value has more), padded with zeros or, without bZeroPad, with spaces;
// "-" in front of a negative value, with bPlus "+" in front of any other.
void FormatIntPadded(std::string& str, s16 nValue, int nWidth, int bZeroPad, int bPlus);
// Row and entry numbers: zero-padded, no plus sign.
void FormatIntPadded(std::string& str, s16 nValue, int nWidth);
void IntToStrZeroPad(std::string& str, s32 nValue, int nWidth);
// Decimal digits of a value, 1 for 0, at most 11.
int DigitCount(int nValue);
// Steps the value, wrapping below nLow to nHigh and above nHigh to nLow;
// returns the new value.
int AddWrap(int* lpValue, int nStep, int nLow, int nHigh);

s32 Clamp(s32& nValue, s32 nMin, s32 nMax);

inline bool StrHasText(const std::string& str) { return !str.empty(); }

// Cuts the string at its first NUL; returns the new length.
size_t StrTrimNul(std::string& str);
// Length in bytes up to the first NUL.
size_t StringLength(const std::string& str);
