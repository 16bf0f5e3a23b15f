#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "data/sheet_size.h"
#include "flow_test_util.h"

namespace {

class SheetSize : public cCoreTest {};

cFontInfo Font(const std::string& strFace, s32 nWidth, s32 nHeight)
{
    cFontInfo font;
    font.strFace = strFace;
    font.nWidth = nWidth;
    font.nHeight = nHeight;
    return font;
}

TEST_F(SheetSize, LayoutAndRoundTrip)
{
    cSheetSize size;
    EXPECT_BYTES(DataFile(950, cBytes().U32(6).U32(0).U32(0).U32(0).U32(0).Double(0).Double(0).U32(1).U32(1)),
                 SavedBytes(size));

    size.Remember(1.25, 0.875, 6, 1, Font("ＭＳ Ｐゴシック", 0, -12));
    const std::vector<u8> file = DataFile(950, cBytes()
                                                   .U32(6)
                                                   .U32(6)
                                                   .U32(1)
                                                   .U32(0)
                                                   .U32(0xFFFFFFF4)
                                                   .Double(1.25)
                                                   .Double(0.875)
                                                   .U32(1)
                                                   .Str("ＭＳ Ｐゴシック"));
    EXPECT_BYTES(file, SavedBytes(size));
    cSheetSize back;
    EXPECT_EQ(back.GetFileVersion(), 0u);
    ASSERT_TRUE(LoadFromBytes(back, file));
    EXPECT_TRUE(cEdData::IsEqual(back, size));
    EXPECT_EQ(back.GetFileVersion(), 950u);
}

struct cFitCase {
    const char* lpWhat;
    u32 dwFileVersion;
    std::function<void(cSheetSize&)> edit;  // of a size measured here
    bool bFits;
};

TEST_F(SheetSize, StoredRateIsReusedOnlyWhereItWasMeasured)
{
    const double dNan = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    const cFitCase cases[] = {
        {"same machine", 950, nullptr, true},
        {"written by 874", 874, nullptr, true},
        {"written by 873", 873, nullptr, false},
        {"another major version", 950, [](cSheetSize& s) { s.m_dwOsMajor = 5; }, false},
        {"another minor version", 950, [](cSheetSize& s) { s.m_dwOsMinor = 0; }, false},
        {"another face", 950, [](cSheetSize& s) { s.m_strFontFace = "MS UI Gothic"; }, false},
        {"face compared by case", 950, [](cSheetSize& s) { s.m_strFontFace = "tahoma"; }, false},
        {"another width", 950, [](cSheetSize& s) { s.m_nFontWidth = 1; }, false},
        {"another height", 950, [](cSheetSize& s) { s.m_nFontHeight = -11; }, false},
        {"a zero rate", 950, [](cSheetSize& s) { s.m_dRateX = 0; }, false},
        {"a negative rate", 950, [](cSheetSize& s) { s.m_dRateY = -1; }, false},
        {"not a number", 950, [=](cSheetSize& s) { s.m_dRateX = dNan; }, false},
        {"infinite", 950, [=](cSheetSize& s) { s.m_dRateY = dInf; }, false},
        {"far too large", 950, [](cSheetSize& s) { s.m_dRateX = 5; }, false},
    };
    for (const cFitCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cSheetSize stored;
        stored.Remember(1.1, 0.9, 6, 1, Font("Tahoma", 0, -12));
        if (c.edit) c.edit(stored);
        const std::vector<u8> bytes = SavedBytes(stored);
        ASSERT_FALSE(bytes.empty());
        std::vector<u8> file = bytes;
        file[0] = static_cast<u8>(c.dwFileVersion);
        file[1] = static_cast<u8>(c.dwFileVersion >> 8);
        cSheetSize size;
        ASSERT_TRUE(LoadFromBytes(size, file));
        EXPECT_EQ(size.Fits(6, 1, Font("Tahoma", 0, -12)), c.bFits);
    }
}

}  // namespace
