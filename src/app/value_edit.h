#pragma once
// What a typed-value edit decides without a window: which typed characters
// pass, how its text reads as a number of the field's type, what it shows for
// a value, where a spin click leads, and which full-width characters of an
// input-method result become ASCII keys.
//
// Values travel as double: every field type (8 to 32 bits, float, double)
// fits it exactly.
#include <string>
#include <type_traits>

#include "app/types.h"

// Type codes of the bound field.
enum : s32 {
    kValTypeOther = -1,
    kValTypeS8 = 0,
    kValTypeU8 = 1,
    kValTypeS16 = 2,
    kValTypeU16 = 3,
    kValTypeS32 = 4,
    kValTypeU32 = 5,
    kValTypeFloat = 6,
    kValTypeDouble = 7,
};

// The code of a field type, from the type itself.
template <class T>
constexpr s32 ValTypeCode()
{
    if (std::is_same<T, char>::value || std::is_same<T, signed char>::value) return kValTypeS8;
    if (std::is_same<T, unsigned char>::value) return kValTypeU8;
    if (std::is_same<T, short>::value) return kValTypeS16;
    if (std::is_same<T, unsigned short>::value) return kValTypeU16;
    if (std::is_same<T, int>::value) return kValTypeS32;
    if (std::is_same<T, unsigned int>::value) return kValTypeU32;
    if (std::is_same<T, float>::value) return kValTypeFloat;
    if (std::is_same<T, double>::value) return kValTypeDouble;
    return kValTypeOther;
}

inline bool IsDecimalType(s32 nCode) { return nCode == kValTypeFloat || nCode == kValTypeDouble; }
// The range of an integer type code; -1 .. -1 for any other code.
void IntTypeLimits(s32 nCode, long long& nMin, long long& nMax);

// The WM_CHAR codes an edit lets through: '-', '.', the digits and the
// codes 1 to 39 (control keys, space and the punctuation up to the
// apostrophe).
bool IsValueEditChar(u32 nChar);
// The text without its double-byte characters and without every byte but
// digits, '.' and a '-' at the first position.
std::string FilterValueText(const std::string& strText);
// The leading integer of a text (an optional '-', then digits), saturated
// far beyond any field type instead of overflowing.
long long LeadingInt(const std::string& strText);
// Decimals shown for a step: those of the step's fixed-point text with ten
// decimals, without the trailing zeros (0.05 gives 2, 12.5 gives 1).
s32 DecimalsFromStep(double dStep);
// A value with a fixed number of decimals, however long the text.
std::string FormatFixed(double dValue, s32 nDecimals);
// The ASCII characters of an input-method result: each full-width digit,
// minus or period becomes its ASCII twin; everything else is dropped.
std::string MapFullWidthKeys(const std::string& strResult);

// The state and decisions of one typed-value edit.
class cValueEdit {
public:
    // The field's type code, limits and spin step (in the field's type).
    void Setup(s32 nTypeCode, double dMin, double dMax, double dStep);
    void SetRange(double dMin, double dMax);

    // Reads a text as the edit's value: sets the empty flag and the kept
    // text. An empty text gives the minimum when it is above 0, else 0.
    // Integers are cut to the type's range; decimals to the field's limits,
    // then rounded to the decimals shown.
    double Parse(const std::string& strText);
    // What to show for a value: true with the text to write, false to leave
    // the text alone. Integers are always rewritten; decimals only when
    // forced or clamped, else the kept text is shown.
    bool Show(double dValue, bool bForce, std::string& strText) const;
    // What to show after the user changed the text, for the value just read.
    bool ShowTyped(double dValue, std::string& strText) const;
    // A spin click: the read value plus iDelta steps, computed so that it
    // never wraps, within the limits. Clears the empty flag and the kept
    // text.
    double Spin(double dRead, int iDelta);
    double Clamp(double dValue) const;
    // The value of an empty text.
    double EmptyValue() const { return m_dMin > 0 ? m_dMin : 0; }

    void SetEmpty(bool bEmpty) { m_bEmpty = bEmpty; }
    void ClearKept() { m_strKept.clear(); }
    bool IsEmpty() const { return m_bEmpty; }
    const std::string& GetKept() const { return m_strKept; }
    s32 GetTypeCode() const { return m_nTypeCode; }
    bool IsDecimal() const { return m_bDecimal; }
    s32 GetDecimals() const { return m_nDecimals; }
    double GetMin() const { return m_dMin; }
    double GetMax() const { return m_dMax; }

private:
    double ParseInteger(const std::string& strFiltered);
    double ParseDecimal(const std::string& strFiltered);

    s32 m_nTypeCode = kValTypeOther;
    bool m_bDecimal = false;
    s32 m_nDecimals = 0;
    double m_dMin = 0;
    double m_dMax = 0;
    double m_dStep = 0;
    bool m_bEmpty = false;
    bool m_bReadClamped = false;  // the last decimal read lay outside the limits
    std::string m_strKept;
};
