#include "data/sheet_size.h"

#include <cmath>

namespace {

// A stored rate outside this range can only come from a damaged file: no
// screen makes the sheets four times too large or small.
constexpr double kMinRate = 0.25;
constexpr double kMaxRate = 4.0;

bool IsUsableRate(double dRate) { return std::isfinite(dRate) && dRate >= kMinRate && dRate <= kMaxRate; }

}  // namespace

const cFieldTable& cSheetSize::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cSheetSize::m_dwOsMajor>(),    Field<&cSheetSize::m_dwOsMinor>(),
        Field<&cSheetSize::m_strFontFace>(),  Field<&cSheetSize::m_nFontWidth>(),
        Field<&cSheetSize::m_nFontHeight>(),  Field<&cSheetSize::m_dRateX>(),
        Field<&cSheetSize::m_dRateY>(),
    };
    return s_Table;
}

bool cSheetSize::Load(cDataReader& file)
{
    m_dwFileVersion = g_dwReadVersion;
    return LoadBody(file);
}

bool cSheetSize::Fits(u32 dwOsMajor, u32 dwOsMinor, const cFontInfo& font) const
{
    return m_dwFileVersion >= kSheetRateReusableFrom && m_dwOsMajor == dwOsMajor && m_dwOsMinor == dwOsMinor &&
           m_strFontFace == font.strFace && m_nFontWidth == font.nWidth && m_nFontHeight == font.nHeight &&
           IsUsableRate(m_dRateX) && IsUsableRate(m_dRateY);
}

void cSheetSize::Remember(double dRateX, double dRateY, u32 dwOsMajor, u32 dwOsMinor, const cFontInfo& font)
{
    m_dRateX = dRateX;
    m_dRateY = dRateY;
    m_dwOsMajor = dwOsMajor;
    m_dwOsMinor = dwOsMinor;
    m_strFontFace = font.strFace;
    m_nFontWidth = font.nWidth;
    m_nFontHeight = font.nHeight;
}
