// What a typed-value edit decides without a window: reading its text,
// showing a value, stepping with the spin partner, the characters it lets
// through and the input method's full-width keys.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "app/value_edit.h"

namespace {

cValueEdit MakeEdit(s32 nCode, double dMin, double dMax, double dStep = 1)
{
    cValueEdit edit;
    edit.Setup(nCode, dMin, dMax, dStep);
    return edit;
}

TEST(ValueEdit, TypeCodesComeFromTheFieldType)
{
    EXPECT_EQ(ValTypeCode<s8>(), kValTypeS8);
    EXPECT_EQ(ValTypeCode<char>(), kValTypeS8);
    EXPECT_EQ(ValTypeCode<u8>(), kValTypeU8);
    EXPECT_EQ(ValTypeCode<s16>(), kValTypeS16);
    EXPECT_EQ(ValTypeCode<u16>(), kValTypeU16);
    EXPECT_EQ(ValTypeCode<s32>(), kValTypeS32);
    EXPECT_EQ(ValTypeCode<u32>(), kValTypeU32);
    EXPECT_EQ(ValTypeCode<float>(), kValTypeFloat);
    EXPECT_EQ(ValTypeCode<double>(), kValTypeDouble);
    EXPECT_EQ(ValTypeCode<long long>(), kValTypeOther);
    EXPECT_TRUE(IsDecimalType(kValTypeFloat));
    EXPECT_FALSE(IsDecimalType(kValTypeU32));
    long long nMin, nMax;
    IntTypeLimits(kValTypeU32, nMin, nMax);
    EXPECT_EQ(nMax, 4294967295LL);
    IntTypeLimits(kValTypeOther, nMin, nMax);
    EXPECT_EQ(nMin, -1);
    EXPECT_EQ(nMax, -1);
}

// One text read by an edit, then shown and stored as the wrapper does:
// the value read, what the edit shows while typing, and what the
// controls-to-data pass stores (the value clamped to the limits).
struct cParseRow {
    const char* lpName;
    s32 nCode;
    double dMin, dMax, dStep;
    std::string strText;
    double dRead;
    bool bEmpty;
    const char* lpShown;  // null: the text is left alone
    double dStored;
};

TEST(ValueEdit, ReadsShowsAndStoresTypedTexts)
{
    const std::string k400Digits(400, '9');
    const cParseRow rows[] = {
        {"letters are dropped", kValTypeS16, 0, 1000, 1, "12a3", 123, false, "123", 123},
        {"a minus after the start is dropped", kValTypeS16, -100, 100, 1, "1-2", 12, false, "12", 12},
        {"a lone minus is kept", kValTypeS16, -100, 100, 1, "-", 0, false, "-", 0},
        {"a lone minus stores 0 within the limits", kValTypeS16, 5, 100, 1, "-", 0, false, "-", 5},
        {"minus zero is kept", kValTypeS16, -100, 100, 1, "-0", 0, false, "-0", 0},
        {"minus and a decimal part", kValTypeS32, -100, 100, 1, "-.5", 0, false, "-0", 0},
        {"negative", kValTypeS16, -100, 100, 1, "-5", -5, false, "-5", -5},
        {"leading zeros go", kValTypeS16, 0, 100, 1, "05", 5, false, "5", 5},
        {"empty with minimum 1", kValTypeS16, 1, 100, 1, "", 1, true, nullptr, 1},
        {"empty with minimum -5", kValTypeS16, -5, 100, 1, "", 0, true, nullptr, 0},
        {"empty with minimum 0", kValTypeS16, 0, 100, 1, "", 0, true, nullptr, 0},
        {"nothing usable reads as empty", kValTypeS16, 3, 100, 1, "abc表", 3, true, nullptr, 3},
        {"16-bit: the type range, then the limits", kValTypeS16, 0, 100, 1, "99999", 32767, false, "100", 100},
        {"32-bit: saturates, never wraps", kValTypeS32, -5, 2000000000, 1, "99999999999", 2147483647, false,
         "2000000000", 2000000000},
        {"32-bit below its range", kValTypeS32, INT32_MIN, 0, 1, "-99999999999999999999999", INT32_MIN, false,
         "-2147483648", INT32_MIN},
        {"unsigned 32-bit shows its own digits", kValTypeU32, 0, 4294967295.0, 1, "4294967295", 4294967295.0,
         false, "4294967295", 4294967295.0},
        {"8-bit signed", kValTypeS8, -128, 127, 1, "300", 127, false, "127", 127},
        {"double: rounded to the step's decimals", kValTypeDouble, 0, 10, 0.05, "0.123", 0.12, false, "0.123",
         0.12},
        {"double: 400 digits read as the maximum", kValTypeDouble, 0, 1000, 0.1, k400Digits, 1000, false,
         "1000.0", 1000},
        {"double: 400 digits below the minimum", kValTypeDouble, -50, 50, 0.5, "-" + k400Digits, -50, false,
         "-50.0", -50},
        {"double: outside the limits shows the limit", kValTypeDouble, 0, 10, 0.1, "12.34", 10, false, "10.0", 10},
        {"float keeps the typed text", kValTypeFloat, -1, 1, 0.01, "-0.5", -0.5, false, "-0.5", -0.5},
        {"double with double-byte text", kValTypeDouble, 0, 10, 0.1, "1表.5", 1.5, false, "1.5", 1.5},
    };
    for (const cParseRow& r : rows) {
        cValueEdit edit = MakeEdit(r.nCode, r.dMin, r.dMax, r.dStep);
        const double dRead = edit.Parse(r.strText);
        EXPECT_DOUBLE_EQ(dRead, r.dRead) << r.lpName;
        EXPECT_EQ(edit.IsEmpty(), r.bEmpty) << r.lpName;
        std::string strShown;
        const bool bShown = edit.ShowTyped(dRead, strShown);
        EXPECT_EQ(bShown, r.lpShown != nullptr) << r.lpName;
        if (bShown && r.lpShown) {
            EXPECT_EQ(strShown, r.lpShown) << r.lpName;
        }
        EXPECT_DOUBLE_EQ(edit.Clamp(dRead), r.dStored) << r.lpName;
    }
}

TEST(ValueEdit, ShowingAValue)
{
    cValueEdit edit = MakeEdit(kValTypeDouble, 0, 100, 0.05);
    std::string str;
    ASSERT_TRUE(edit.Show(3, true, str));
    EXPECT_EQ(str, "3.00") << "a set value shows the step's decimals";
    EXPECT_FALSE(edit.Show(3, false, str)) << "unforced, in range, nothing kept: the text stays";
    ASSERT_TRUE(edit.Show(250, false, str));
    EXPECT_EQ(str, "100.00") << "clamped values are always shown";
    edit.Parse("7.");
    ASSERT_TRUE(edit.Show(7, false, str));
    EXPECT_EQ(str, "7.") << "while typing the kept text stays";
    edit.SetEmpty(true);
    EXPECT_FALSE(edit.Show(5, true, str)) << "an empty edit is left alone";

    cValueEdit integer = MakeEdit(kValTypeS16, -10, 10);
    ASSERT_TRUE(integer.Show(4, false, str));
    EXPECT_EQ(str, "4") << "integers are rewritten every time";
    integer.Parse("-");
    ASSERT_TRUE(integer.Show(0, true, str));
    EXPECT_EQ(str, "-");
    integer.ClearKept();
    ASSERT_TRUE(integer.Show(-30, true, str));
    EXPECT_EQ(str, "-10");
}

TEST(ValueEdit, DecimalsComeFromTheStep)
{
    const struct {
        double dStep;
        s32 nDecimals;
    } rows[] = {{0.1, 1}, {0.05, 2}, {12.5, 1}, {1.0, 0}, {0, 0}, {0.0001, 4}, {-0.5, 1}, {1e20, 0}};
    for (const auto& r : rows) EXPECT_EQ(DecimalsFromStep(r.dStep), r.nDecimals) << r.dStep;
    EXPECT_EQ(FormatFixed(DBL_MAX, 1).size(), 311u) << "formatting grows as far as the text needs";
    cValueEdit single = MakeEdit(kValTypeFloat, -1, 1, 0.01f);
    EXPECT_EQ(single.GetDecimals(), 2) << "a float step counts as its decimal text";
}

TEST(ValueEdit, SpinStepsWithinTheLimitsWithoutWrapping)
{
    const struct {
        const char* lpName;
        s32 nCode;
        double dMin, dMax, dStep, dRead;
        int iDelta;
        double dExpected;
    } rows[] = {
        {"8-bit at 127 stays 127", kValTypeS8, -128, 127, 1, 127, 1, 127},
        {"8-bit down", kValTypeS8, -128, 127, 1, 127, -3, 124},
        {"32-bit at its maximum", kValTypeS32, INT32_MIN, INT32_MAX, 1, INT32_MAX, 1, INT32_MAX},
        {"32-bit huge steps", kValTypeS32, INT32_MIN, INT32_MAX, 2000000000, -2000000000, -2000000, INT32_MIN},
        {"unsigned 32-bit", kValTypeU32, 0, 4294967295.0, 4294967295.0, 4294967295.0, INT32_MAX, 4294967295.0},
        {"step 5", kValTypeS16, -50, 500, 5, -7, 2, 3},
        {"double", kValTypeDouble, 0, 1, 0.25, 0.5, -1, 0.25},
    };
    for (const auto& r : rows) {
        cValueEdit edit = MakeEdit(r.nCode, r.dMin, r.dMax, r.dStep);
        edit.Parse("-");
        edit.SetEmpty(true);
        EXPECT_DOUBLE_EQ(edit.Spin(r.dRead, r.iDelta), r.dExpected) << r.lpName;
        EXPECT_FALSE(edit.IsEmpty()) << r.lpName;
        EXPECT_TRUE(edit.GetKept().empty()) << r.lpName;
    }
}

TEST(ValueEdit, TypedCharactersAndTheInputMethodsKeys)
{
    for (u32 c : {u32('-'), u32('.'), u32('0'), u32('9'), 8u, 9u, 13u, 27u, 32u, 39u, 1u})
        EXPECT_TRUE(IsValueEditChar(c)) << c;
    for (u32 c : {0u, 40u, u32('a'), u32('+'), u32('/'), u32(':'), 0x82u, 0x4Fu}) EXPECT_FALSE(IsValueEditChar(c)) << c;

    EXPECT_EQ(MapFullWidthKeys("１２"), "12");
    EXPECT_EQ(MapFullWidthKeys("０１２３４５６７８９"), "0123456789");
    EXPECT_EQ(MapFullWidthKeys("\x81\x7C" "３\x81\x44" "５"), "-3.5");
    EXPECT_EQ(MapFullWidthKeys("あ１a9ｱ"), "1") << "other characters, single bytes too, are dropped";
    EXPECT_EQ(MapFullWidthKeys("\x82"), "") << "a lone lead byte";
    EXPECT_EQ(FilterValueText("-1-2.3表4"), "-12.34");
    EXPECT_EQ(LeadingInt("-0012x"), -12);
    EXPECT_EQ(LeadingInt(std::string(50, '9')), 1000000000000000000LL);
}

}  // namespace
