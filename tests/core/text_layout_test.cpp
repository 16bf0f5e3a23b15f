// The layout of a bound text edit: line width, line count, the Backspace
// join and double-byte characters.
#include <gtest/gtest.h>

#include <string>

#include "app/text_layout.h"

namespace {

// A text control as the layout pass sees it: the program sets texts, the
// user types (the text the control holds after the key, with its caret).
class cTextBox {
public:
    cTextBox(u32 nWidth, u32 nCount, bool bDbcs) { m_Limits = {nWidth, nCount, bDbcs}; }
    void Set(const std::string& str)
    {
        m_strPrev = str;
        Apply({str, 0, 0}, true, false);
    }
    void Type(const std::string& str, s32 nCaret, bool bBackspace = false) { Apply({str, nCaret, nCaret}, false, bBackspace); }
    const std::string& Text() const { return m_State.strText; }
    s32 Caret() const { return m_State.nSelStart; }

private:
    void Apply(const cTextState& typed, bool bSetText, bool bBackspace)
    {
        m_State = LayOutText(typed, m_strPrev, m_Limits, bSetText, bBackspace);
        m_strPrev = m_State.strText;
    }
    cTextLimits m_Limits;
    std::string m_strPrev;
    cTextState m_State;
};

TEST(TextLayout, ProgramSetTextsAreFittedToTheLimits)
{
    const std::string k30(30, 'x');
    const struct {
        const char* lpName;
        u32 nWidth, nCount;
        bool bDbcs;
        std::string strSet, strExpected;
    } rows[] = {
        {"a..h at width 5 and 3 lines", 5, 3, false, "abcdefgh", "abcde\r\nfgh"},
        {"30 letters at width 10 and 1 line", 10, 1, false, k30, std::string(10, 'x')},
        {"a cut part runs on into the next line", 3, 3, false, "abcd\r\nef", "abc\r\ndef"},
        {"and is cut again there", 3, 3, false, "abcde\r\nfg", "abc\r\ndef\r\ng"},
        {"too many lines keep the first ones", 4, 2, false, "aaaa\r\nbbbb\r\ncccc", "aaaa\r\nbbbb"},
        {"10 double-byte characters fit 10", 10, 1, true, "あいうえおかきくけこ", "あいうえおかきくけこ"},
        {"the 11th does not", 10, 1, true, "あいうえおかきくけこさ", "あいうえおかきくけこ"},
        {"double-byte counts characters", 3, 2, true, "表示a漢字", "表示a\r\n漢字"},
        {"byte mode never splits a double-byte character", 5, 2, false, "abcd表x", "abcd\r\n表x"},
        {"not even one character fits: left alone", 1, 2, false, "表", "表"},
        {"an empty text", 5, 1, false, "", ""},
    };
    for (const auto& r : rows) {
        cTextBox box(r.nWidth, r.nCount, r.bDbcs);
        box.Set(r.strSet);
        EXPECT_EQ(box.Text(), r.strExpected) << r.lpName;
    }
}

TEST(TextLayout, TypingPastTheLimitsWrapsOrIsUndone)
{
    cTextBox box(5, 2, false);
    box.Set("abcde");
    box.Type("abcdef", 6);
    EXPECT_EQ(box.Text(), "abcde\r\nf");
    EXPECT_EQ(box.Caret(), 8) << "the caret moves on over the inserted break";
    box.Type("abcde\r\nfghijk", 13);
    EXPECT_EQ(box.Text(), "abcde\r\nf") << "a third line is refused";
    EXPECT_EQ(box.Caret(), 8);

    cTextBox names(10, 1, true);
    names.Set("あいうえおかきくけこ");
    names.Type("あいうえおかきくけこ\r\n", 22);
    EXPECT_EQ(names.Text(), "あいうえおかきくけこ") << "Enter in a one-line text";
    EXPECT_EQ(names.Caret(), 20);
    names.Type("あいうえおかきくけこさ", 22);
    EXPECT_EQ(names.Text(), "あいうえおかきくけこ") << "an eleventh character";
}

TEST(TextLayout, BackspaceJoinsOnlyAfterALineThatIsNotFull)
{
    // The caret at the start of the second line; Backspace deletes the break.
    cTextBox full(5, 3, false);
    full.Set("abcde\r\nfg");
    full.Type("abcdefg", 5, true);
    EXPECT_EQ(full.Text(), "abcde\r\nfg");
    EXPECT_EQ(full.Caret(), 7) << "back at the start of the line";

    cTextBox room(5, 3, false);
    room.Set("ab\r\nfg");
    room.Type("abfg", 2, true);
    EXPECT_EQ(room.Text(), "abfg");

    // Without the Backspace key (another way of deleting) the lines join and
    // the layout wraps them again.
    cTextBox other(5, 3, false);
    other.Set("abcde\r\nfg");
    other.Type("abcdefg", 5);
    EXPECT_EQ(other.Text(), "abcde\r\nfg");

    // Double-byte mode counts characters, the line feed as nothing.
    cTextBox dbcs(3, 3, true);
    dbcs.Set("a\r\n表示字\r\nb");
    dbcs.Type("a\r\n表示字b", 9, true);
    EXPECT_EQ(dbcs.Text(), "a\r\n表示字\r\nb");
}

TEST(TextLayout, SelectionLeavesLineFeedsAndStaysInTheText)
{
    cTextState typed{"ab\r\ncd", 3, 40};
    cTextState out = LayOutText(typed, "ab\r\ncd", cTextLimits{}, false, false);
    EXPECT_EQ(out.nSelStart, 4) << "from the line feed past it";
    EXPECT_EQ(out.nSelEnd, 6);
}

TEST(TextLayout, LinesAndReadLimits)
{
    EXPECT_EQ(CountLines(""), 0u);
    EXPECT_EQ(CountLines("a"), 1u);
    EXPECT_EQ(CountLines("a\r\n"), 2u);
    EXPECT_EQ(TextReadLimit(11, true), 20u) << "ten characters may all be double-byte";
    EXPECT_EQ(TextReadLimit(260, false), 259u);
    EXPECT_EQ(TextReadLimit(0, true), 0u);
}

TEST(TextLayout, OffsetsInCharactersAndBytes)
{
    const std::string str = "a表\r\n示b";
    const struct {
        size_t nChars, nBytes;
    } rows[] = {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 8}, {9, 8}};
    for (const auto& r : rows) EXPECT_EQ(CharsToBytes(str, r.nChars), r.nBytes) << r.nChars;
    for (const auto& r : rows) {
        if (r.nChars <= 6) {
            EXPECT_EQ(BytesToChars(str, r.nBytes), r.nChars) << r.nBytes;
        }
    }
    EXPECT_EQ(BytesToChars(str, 2), 2u) << "inside a double-byte character: past it";
}

}  // namespace
