#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "flow/formula.h"
#include "support/test_env.h"

namespace {

class Formula : public cCoreTest {
protected:
    // Checks a text; the boxes it showed, in order, go to lpShown.
    bool CheckShowing(const std::string& strText, std::vector<std::string>* lpShown)
    {
        FakeHost().m_Messages.clear();
        bool bOk = cFormula::Check(strText);
        lpShown->clear();
        for (const cFakeHost::cMessage& m : FakeHost().m_Messages) {
            EXPECT_EQ(m.strTitle, "エラー");
            EXPECT_EQ(m.uType, kMbOk);
            lpShown->push_back(m.strText);
        }
        return bOk;
    }
};

const std::string kNoClose = "\")\"が見つかりません！";
const std::string kRandArgs = "関数 rand の引数が不正です！";
const std::string kAssign = "代入先が不正です！";
const std::string kTooDeep = "括弧の入れ子が深すぎます！";

std::string Constant(const std::string& str) { return "定数 \"" + str + "\" が認識できません！"; }
std::string Object(const std::string& str) { return "オブジェクト \"" + str + ".\" が認識できません！"; }
std::string Operator(const std::string& str) { return "演算子 \"" + str + "\" の使い方が不正です！"; }

std::string Nested(u32 nDepth, const std::string& strInner)
{
    return std::string(nDepth, '(') + strInner + std::string(nDepth, ')');
}

TEST_F(Formula, AcceptsWellFormedCode)
{
    const char* const texts[] = {
        "",
        "-5",
        "+7",
        "my.hp = my.mhp / 2",
        "C3 = rand(1, 6)",
        "sys.time = 0",
        "x_abs = (tg.x_abs + 32) * 2",
        "hp = hp + 10",
        "sys.time = tg1.v3",
        "C5 = rand(0,5)",
        "S999 = pl.getsc % 7 - tg4.impd",
        "  C1   =  1  ",
        // Only the first character of a variable is checked.
        "Cabc = 1",
        // Nested groups and calls; empty arguments are skipped.
        "C1 = rand(rand(1, 2), ((3)) * 2) + (4)",
        "C1 = rand(1,,2)",
        "C1 = rand(1, )",
        // Two operators in a row, and tokens without an operator between them.
        "1 + * 2",
        "C1 = = 2",
        "1 2",
        // The full 32-bit range: the span needs 64 bits.
        "C1 = rand(-2147483648, 2147483647)",
        "C1 = rand(2147483647, -2147483648) + rand(-99999999999, 99999999999)",
        // Overflowing arithmetic and constants.
        "C1 = 2147483647 + 1",
        "C1 = -2147483648 - 1",
        "C1 = 99999999999999999999999999 * 99999999999 * -99999999999",
        "C1 = (2147483647 * 2147483647) * (65536 * 65536)",
    };
    std::vector<std::string> shown;
    for (const char* lpText : texts) {
        EXPECT_TRUE(CheckShowing(lpText, &shown)) << lpText;
        EXPECT_TRUE(shown.empty()) << lpText << ": " << (shown.empty() ? "" : shown[0]);
    }
}

TEST_F(Formula, ShowsEachErrorAndRejectsTheText)
{
    struct {
        const char* lpText;
        std::vector<std::string> shown;
    } cases[] = {
        {"hp=5", {Constant("hp=5")}},
        {"1+2", {Constant("1+2")}},
        {"C1 = 1.5", {Object("1")}},
        {"my.foo = 1", {Constant("foo")}},
        {"foo(1 + 2)", {Constant("foo(1")}},
        {"C1 = 0x10", {Constant("0x10")}},
        {"C1 = 5-", {Constant("5-")}},
        // A token is shown as it is, never read as a format.
        {"C1 = %s%n%d", {Constant("%s%n%d")}},
        {"rand(1)", {kRandArgs}},
        {"rand()", {kRandArgs}},
        {"C1 = rand(1, 2, 3)", {kRandArgs}},
        {"rand(1, 2", {kNoClose}},
        {"(1 + 2", {kNoClose}},
        {"C1 = rand((1, 2)", {kNoClose}},
        {"foo.hp = 1", {Object("foo")}},
        {"tg5.hp = 1", {Object("tg5")}},
        // An empty object name is no object (the name table's end is no name).
        {".hp = 1", {Object("")}},
        {"5 = 3", {kAssign}},
        {"1 + 2 = 3", {kAssign}},
        {"C1 = C2 = 1", {kAssign}},
        {"1 +", {Operator("+")}},
        {"+ 1", {Operator("+")}},
        {"= 1", {Operator("=")}},
        {"C1 = 2 *", {Operator("*")}},
        {"C1 = 2 % ", {Operator("%")}},
        // A failed group or argument counts as 0 and the check goes on.
        {"(1 +) + (2 +)", {Operator("+"), Operator("+")}},
        {"(hp=1) + (.x)", {Constant("hp=1"), Object("")}},
        {"C1 = rand(1 +, 2, 3)", {Operator("+"), kRandArgs}},
        {"C1 = rand(1, (2 -))", {Operator("-")}},
        {"(rand(1)) = 2", {kRandArgs, kAssign}},
        {"())", {Constant("0)")}},
    };
    std::vector<std::string> shown;
    for (const auto& c : cases) {
        EXPECT_FALSE(CheckShowing(c.lpText, &shown)) << c.lpText;
        EXPECT_EQ(shown, c.shown) << c.lpText;
    }
}

TEST_F(Formula, NestingIsBoundedWithOneBox)
{
    std::vector<std::string> shown;
    // The outer text is one level: the deepest group allowed is one less.
    EXPECT_TRUE(CheckShowing(Nested(cFormula::kMaxDepth - 1, "1"), &shown));
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(CheckShowing("C1 = " + Nested(20, "rand(" + Nested(20, "1") + ", 2)"), &shown));
    EXPECT_TRUE(shown.empty());

    EXPECT_FALSE(CheckShowing(Nested(cFormula::kMaxDepth, "1"), &shown));
    EXPECT_EQ(shown, std::vector<std::string>{kTooDeep});
    // Texts from files may be far longer than a typed one.
    std::string strDeep = Nested(2500, "1");
    EXPECT_FALSE(CheckShowing(strDeep + " + " + strDeep, &shown));
    EXPECT_EQ(shown, std::vector<std::string>{kTooDeep});
    EXPECT_FALSE(CheckShowing("C1 = rand(" + strDeep + ", 1)", &shown));
    EXPECT_EQ(shown, std::vector<std::string>{kTooDeep});
}

TEST_F(Formula, LongTextsNeedNoFixedBuffer)
{
    std::string str = "C1 = 0";
    while (str.size() < 6000) str += " + (99999999999 - 1) * rand(1, 2)";
    std::vector<std::string> shown;
    EXPECT_TRUE(CheckShowing(str, &shown));
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(CheckShowing(str + " + x", &shown));
    EXPECT_EQ(shown, std::vector<std::string>{Constant("x")});
}

TEST_F(Formula, ComputesInPrecedenceOrderAndWrapsLikeTheGame)
{
    struct {
        const char* lpText;
        s32 nValue;
    } cases[] = {
        {"", 0},
        {"1 + 2 * 3", 7},
        {"2 * 3 + 1", 7},
        {"10 - 2 - 3", 5},
        {"(10 - 2) - (3 - 1)", 6},
        {"7 / 2", 0},
        {"7 % 2 + 1", 1},
        {"1 2", 2},
        {"1 2 + 3", 5},
        {"rand(5, 5) * 2", 10},
        // Assignments are clamped into the target's bounds.
        {"C1 = 5000000", 999999},
        {"S1 = -5000000", -999999},
        {"hp = -5", 0},
        {"sys.score = 2147483647", INT_MAX},
        {"C1 = = 2", 0},
        // Sums, differences and products wrap at 32 bits; constants saturate.
        {"2147483647 + 1", INT_MIN},
        {"-2147483648 - 1", INT_MAX},
        {"65536 * 65536", 0},
        {"65536 * 32768", INT_MIN},
        {"(2147483647 + 1) - 1", INT_MAX},
        {"99999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
        {"+2147483648 - 1", INT_MAX - 1},
        {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) {
        cFormula formula;
        EXPECT_EQ(formula.ParseExpr(c.lpText), c.nValue) << c.lpText;
        EXPECT_FALSE(formula.HasError()) << c.lpText;
    }
    EXPECT_TRUE(FakeHost().m_Messages.empty());

    cFormula formula;
    EXPECT_EQ(formula.ParseOperator("1 + (2)"), 0);
    EXPECT_TRUE(formula.HasError());
}

TEST_F(Formula, RandomCallsStayInTheirBounds)
{
    for (int i = 0; i < 100; ++i) {
        cFormula formula;
        s32 n = formula.ParseExpr("rand(6, 1 + 2)");
        EXPECT_GE(n, 3);
        EXPECT_LE(n, 6);
    }
}

}  // namespace
