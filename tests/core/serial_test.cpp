#include <gtest/gtest.h>

#include <functional>

#include "data/ed_data.h"
#include "data/serial.h"
#include "support/test_env.h"

namespace {

class cItem : public cEdRecord<cItem> {
public:
    u16 m_wValue = 0;
    std::string m_strText;
    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{Field<&cItem::m_wValue>(), Field<&cItem::m_strText>()};
        return s_Table;
    }
};

class Serial : public cCoreTest {
protected:
    std::vector<u8> Written(const std::function<void(cDataWriter&)>& write)
    {
        cDataWriter file;
        EXPECT_TRUE(file.Open("out.bin"));
        write(file);
        EXPECT_EQ(file.Commit(), 1u);
        return ReadFileBytes("out.bin");
    }
    bool ReadBack(const std::vector<u8>& bytes, const std::function<bool(cDataReader&)>& read)
    {
        EXPECT_TRUE(WriteFileBytes("in.bin", bytes));
        cDataReader file;
        EXPECT_TRUE(file.Open("in.bin"));
        bool bOk = read(file) && file.Ok();
        if (bOk) {
            EXPECT_EQ(file.Remaining(), 0u);
        }
        return bOk;
    }
};

TEST_F(Serial, Strings)
{
    EXPECT_BYTES(cBytes().U32(1).Get(), Written([](cDataWriter& f) { WriteString("", f); }));
    EXPECT_BYTES(cBytes().U32(4).U8('a').U8('b').U8('c').U8(0).Get(),
                 Written([](cDataWriter& f) { WriteString("abc", f); }));
    EXPECT_BYTES(cBytes().U32(2).U32(1).U32(3).U8('a').U8('b').U8(0).Get(),
                 Written([](cDataWriter& f) { WriteStringVector({"", "ab"}, f); }));

    // A stored length of 0 reads as an empty string; text stops at its NUL.
    std::string str = "old";
    EXPECT_TRUE(ReadBack(cBytes().U32(0), [&](cDataReader& f) { return ReadString(str, f) == 1; }));
    EXPECT_EQ(str, "");
    EXPECT_TRUE(ReadBack(cBytes().U32(5).U8('a').U8(0).U8('b').U8('c').U8(0),
                         [&](cDataReader& f) { return ReadString(str, f) == 1; }));
    EXPECT_EQ(str, "a");
}

TEST_F(Serial, ByteAndIntVectors)
{
    EXPECT_BYTES(cBytes().U32(0).U32(2).U32(7).U32(0xFFFFFFFF).Get(), Written([](cDataWriter& f) {
                     SaveByteVector({}, f);
                     SaveIntVector({7, 0xFFFFFFFF}, f);
                 }));
    std::vector<u8> bytes = {9, 9, 9, 9, 9};
    std::vector<u32> ints = {5};
    // A stored count of 0 leaves the vectors as they were.
    EXPECT_TRUE(ReadBack(cBytes().U32(0).U32(0),
                         [&](cDataReader& f) { return LoadByteVector(bytes, f) && LoadIntVector(ints, f); }));
    EXPECT_EQ(bytes.size(), 5u);
    EXPECT_EQ(ints, std::vector<u32>{5});
    EXPECT_TRUE(ReadBack(cBytes().U32(3).U8(1).U8(2).U8(3).U32(2).U32(8).U32(9),
                         [&](cDataReader& f) { return LoadByteVector(bytes, f) && LoadIntVector(ints, f); }));
    EXPECT_EQ(bytes, (std::vector<u8>{1, 2, 3}));
    EXPECT_EQ(ints, (std::vector<u32>{8, 9}));
}

TEST_F(Serial, RecordListsInBothForms)
{
    cItem a;
    a.m_wValue = 0x0102;
    a.m_strText = "表";
    const std::vector<u8> one = cBytes().U32(1).U32(1).U16(0x0102).U32(1).Str("表");
    EXPECT_BYTES(one, Written([&](cDataWriter& f) { SaveRecordList(std::vector<cItem>{a}, f); }));

    std::vector<cItem> list(3);
    list[1].m_strText = "kept";
    EXPECT_TRUE(ReadBack(cBytes().U32(0), [&](cDataReader& f) { return LoadRecordListKeep(list, f); }));
    EXPECT_EQ(list.size(), 3u);
    EXPECT_TRUE(ReadBack(cBytes().U32(0), [&](cDataReader& f) { return LoadRecordList(list, f); }));
    EXPECT_TRUE(list.empty());

    list.resize(3);
    EXPECT_TRUE(ReadBack(one, [&](cDataReader& f) { return LoadRecordListKeep(list, f); }));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(cEdData::IsEqual(list[0], a), 1u);
}

TEST_F(Serial, SharedRecords)
{
    cItem a;
    a.m_wValue = 4;
    std::shared_ptr<cItem> held = std::make_shared<cItem>(a), empty;
    EXPECT_BYTES(cBytes().U32(0).U32(1).U32(1).U16(4).U32(1).U32(1).Get(), Written([&](cDataWriter& f) {
                     SaveSharedRecord(empty, f);
                     SaveSharedRecord(held, f);
                 }));

    std::shared_ptr<cItem> ptr = std::make_shared<cItem>();
    EXPECT_TRUE(ReadBack(cBytes().U32(0), [&](cDataReader& f) { return LoadSharedRecord(ptr, f); }));
    EXPECT_FALSE(ptr);
    // Any flag but 0 means present.
    EXPECT_TRUE(ReadBack(cBytes().U32(7).U32(1).U16(4).U32(1).U32(1),
                         [&](cDataReader& f) { return LoadSharedRecord(ptr, f); }));
    ASSERT_TRUE(ptr);
    EXPECT_EQ(cEdData::IsEqual(*ptr, a), 1u);
}

TEST_F(Serial, ReadsStopAtTheEndOfTheFile)
{
    std::vector<u8> bytes;
    std::vector<std::string> texts;
    u32 n = 0;
    EXPECT_FALSE(ReadBack(cBytes().U32(2).U8(1),
                          [&](cDataReader& f) { return LoadByteVector(bytes, f); }));
    EXPECT_FALSE(ReadBack(cBytes().U32(1000).U32(1),
                          [&](cDataReader& f) { return ReadStringVector(texts, f); }));
    EXPECT_FALSE(ReadBack(cBytes().U16(1), [&](cDataReader& f) { return f.ReadU32(n); }));
    // Once damaged, every further read fails.
    EXPECT_FALSE(ReadBack(cBytes().U16(1), [&](cDataReader& f) {
        f.ReadU32(n);
        u8 b;
        return f.ReadU8(b);
    }));
}

}  // namespace
