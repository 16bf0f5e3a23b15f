#include "app/value_edit.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "app/str_util.h"

namespace {

// Far beyond every field type, far below the 64-bit limits.
constexpr long long kSaturation = 1000000000000000000LL;

long long SaturatingSum(long long nBase, long long nCount, long long nStep)
{
    long long nProduct, nSum;
    if (__builtin_mul_overflow(nCount, nStep, &nProduct))
        nProduct = (nCount < 0) != (nStep < 0) ? LLONG_MIN : LLONG_MAX;
    if (__builtin_add_overflow(nBase, nProduct, &nSum)) nSum = nProduct < 0 ? LLONG_MIN : LLONG_MAX;
    return nSum;
}

}  // namespace

void IntTypeLimits(s32 nCode, long long& nMin, long long& nMax)
{
    static const struct {
        long long nMin, nMax;
    } kLimits[] = {
        {-128, 127},       {0, 255},          {-32768, 32767},
        {0, 65535},        {INT_MIN, INT_MAX}, {0, 4294967295LL},
    };
    if (nCode >= 0 && nCode < static_cast<s32>(sizeof kLimits / sizeof kLimits[0])) {
        nMin = kLimits[nCode].nMin;
        nMax = kLimits[nCode].nMax;
    } else {
        nMin = nMax = -1;
    }
}

bool IsValueEditChar(u32 nChar)
{
    return nChar == '-' || nChar == '.' || (nChar >= '0' && nChar <= '9') || (nChar >= 1 && nChar <= 39);
}

std::string FilterValueText(const std::string& strText)
{
    std::string str;
    for (size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (IsDbcsPairAt(strText, i)) {
            ++i;
            continue;
        }
        if ((c >= '0' && c <= '9') || c == '.' || (c == '-' && str.empty())) str += c;
    }
    return str;
}

long long LeadingInt(const std::string& strText)
{
    size_t i = 0;
    const bool bNegative = i < strText.size() && strText[i] == '-';
    if (bNegative) ++i;
    long long n = 0;
    for (; i < strText.size() && strText[i] >= '0' && strText[i] <= '9'; ++i)
        n = n >= kSaturation / 10 ? kSaturation : n * 10 + (strText[i] - '0');
    return bNegative ? -n : n;
}

s32 DecimalsFromStep(double dStep)
{
    const std::string str = Format("%.10f", std::fabs(dStep));
    const size_t nDot = str.find('.');
    if (nDot == std::string::npos) return 0;
    size_t nEnd = str.size();
    while (nEnd > nDot + 1 && str[nEnd - 1] == '0') --nEnd;
    return static_cast<s32>(nEnd - nDot - 1);
}

std::string FormatFixed(double dValue, s32 nDecimals) { return Format("%.*f", nDecimals, dValue); }

std::string MapFullWidthKeys(const std::string& strResult)
{
    // Full-width "０" .. "９" are 82 4F .. 82 58, "－" is 81 7C, "．" is 81 44.
    std::string str;
    for (size_t i = 0; i < strResult.size(); ++i) {
        if (!IsDbcsPairAt(strResult, i)) continue;
        const u8 byLead = static_cast<u8>(strResult[i]), byTrail = static_cast<u8>(strResult[i + 1]);
        ++i;
        if (byLead == 0x82 && byTrail >= 0x4F && byTrail <= 0x58) str += static_cast<char>('0' + (byTrail - 0x4F));
        else if (byLead == 0x81 && byTrail == 0x7C) str += '-';
        else if (byLead == 0x81 && byTrail == 0x44) str += '.';
    }
    return str;
}

void cValueEdit::Setup(s32 nTypeCode, double dMin, double dMax, double dStep)
{
    m_nTypeCode = nTypeCode;
    m_bDecimal = IsDecimalType(nTypeCode);
    // A float step such as 0.01f is a little off its decimal text.
    if (nTypeCode == kValTypeFloat) dStep = strtod(Format("%.7g", dStep).c_str(), nullptr);
    m_nDecimals = DecimalsFromStep(dStep);
    m_dStep = dStep;
    SetRange(dMin, dMax);
}

void cValueEdit::SetRange(double dMin, double dMax)
{
    m_dMin = dMin;
    m_dMax = dMax;
}

double cValueEdit::Clamp(double dValue) const
{
    if (dValue < m_dMin) return m_dMin;
    if (dValue > m_dMax) return m_dMax;
    return dValue;
}

double cValueEdit::Parse(const std::string& strText)
{
    m_bReadClamped = false;
    if (strText.empty()) {
        m_strKept.clear();
        m_bEmpty = true;
        return EmptyValue();
    }
    const std::string strFiltered = FilterValueText(strText);
    const double dValue = m_bDecimal ? ParseDecimal(strFiltered) : ParseInteger(strFiltered);
    m_bEmpty = strFiltered.empty();
    return m_bEmpty ? EmptyValue() : dValue;
}

double cValueEdit::ParseInteger(const std::string& strFiltered)
{
    long long nValue = LeadingInt(strFiltered);
    m_strKept.clear();
    if (strFiltered == "-") {
        m_strKept = "-";
    } else if (!strFiltered.empty() && strFiltered[0] == '-') {
        const long long nAfter = LeadingInt(strFiltered.substr(1));
        if (nAfter == nValue) m_strKept = Format("-%lld", nAfter);  // "-0" while a number is begun
    }
    long long nTypeMin, nTypeMax;
    IntTypeLimits(m_nTypeCode, nTypeMin, nTypeMax);
    if (nValue > nTypeMax) {
        nValue = nTypeMax;
        m_strKept.clear();
    } else if (nValue < nTypeMin) {
        nValue = nTypeMin;
        m_strKept.clear();
    }
    return static_cast<double>(nValue);
}

double cValueEdit::ParseDecimal(const std::string& strFiltered)
{
    m_strKept = strFiltered;
    double dValue = strtod(strFiltered.c_str(), nullptr);
    // Limits first, so that a number too long for a double reads as the
    // nearer limit, never as infinity; then the rounding to what is shown.
    if (std::isnan(dValue)) dValue = EmptyValue();
    const double dClamped = std::isinf(dValue) ? (dValue < 0 ? m_dMin : m_dMax) : Clamp(dValue);
    m_bReadClamped = dClamped != dValue;
    return strtod(FormatFixed(dClamped, m_nDecimals).c_str(), nullptr);
}

bool cValueEdit::Show(double dValue, bool bForce, std::string& strText) const
{
    const double dClamped = Clamp(dValue);
    const bool bClamped = dClamped != dValue;
    if (m_bEmpty) return false;
    if (!m_bDecimal) {
        strText = m_strKept.empty() ? Format("%lld", static_cast<long long>(dClamped)) : m_strKept;
        return true;
    }
    if (bForce || bClamped) {
        strText = FormatFixed(dClamped, m_nDecimals);
        return true;
    }
    if (m_strKept.empty()) return false;
    strText = m_strKept;
    return true;
}

bool cValueEdit::ShowTyped(double dValue, std::string& strText) const
{
    return Show(dValue, m_bReadClamped, strText);
}

double cValueEdit::Spin(double dRead, int iDelta)
{
    m_bEmpty = false;
    m_strKept.clear();
    if (m_bDecimal) return Clamp(dRead + iDelta * m_dStep);
    const long long nSum = SaturatingSum(static_cast<long long>(dRead), iDelta, static_cast<long long>(m_dStep));
    return Clamp(static_cast<double>(nSum));
}
