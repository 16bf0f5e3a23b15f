#pragma once
// The sheet-size file (e_data\SheetSize.dat): the sheet rate measured on
// this machine and the facts it was measured under, so that later starts can
// reuse it instead of measuring again.
#include <string>

#include "app/host.h"
#include "data/ed_data.h"

// Files older than this always measure again.
constexpr u32 kSheetRateReusableFrom = 874;

class cSheetSize : public cEdRecord<cSheetSize> {
public:
    u32 m_dwOsMajor = 0;
    u32 m_dwOsMinor = 0;
    std::string m_strFontFace;  // the icon-title font
    s32 m_nFontWidth = 0;       // its lfWidth
    s32 m_nFontHeight = 0;      // its lfHeight
    double m_dRateX = 0;
    double m_dRateY = 0;

    static const cFieldTable& FieldTable();
    // The base body; remembers the file's version.
    bool Load(cDataReader& file) override;
    // The data version of the file last loaded into this object (0: none).
    u32 GetFileVersion() const { return m_dwFileVersion; }

    // True when the stored rate was measured under this operating-system
    // version and this icon-title font, by a program of version 874 or
    // later, and is a usable rate.
    bool Fits(u32 dwOsMajor, u32 dwOsMinor, const cFontInfo& font) const;
    // Records a measured rate with the facts it was measured under.
    void Remember(double dRateX, double dRateY, u32 dwOsMajor, u32 dwOsMinor, const cFontInfo& font);

private:
    u32 m_dwFileVersion = 0;
};
