#include <gtest/gtest.h>

#include <cstring>

#include "app/fatal.h"
#include "app/file_system.h"
#include "data/ed_data.h"
#include "data/serial.h"
#include "support/forwarding_fs.h"
#include "support/test_env.h"

namespace {

// A record with members of every width, an array, a member added in version
// 55 (three of them), a member retired in version 100 and a string added in
// version 200.
class cTestRec : public cEdRecord<cTestRec> {
public:
    u32 m_dwA;
    u16 m_wB;
    u8 m_byC;
    s16 m_nD;
    double m_dE;
    u16 m_awArr[3];
    std::string m_strName;
    std::string m_strNote;
    u32 m_dwUnregistered = 0;

    cTestRec()
    {
        Clear();
        m_byC = 1;
    }
    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{
            Field<&cTestRec::m_dwA>(),
            RetiredField<u32>().Until(100),
            Field<&cTestRec::m_wB>().From(55),
            Field<&cTestRec::m_byC>().From(55),
            Field<&cTestRec::m_nD>().From(55),
            Field<&cTestRec::m_dE>(),
            Field<&cTestRec::m_awArr>(),
            Field<&cTestRec::m_strName>(),
            Field<&cTestRec::m_strNote>().From(200),
        };
        return s_Table;
    }
};

class cNoFields : public cEdRecord<cNoFields> {
public:
    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{};
        return s_Table;
    }
};

// A record with a tail: a record list, a shared record, bytes and strings.
class cTestOwner : public cEdRecord<cTestOwner> {
public:
    u32 m_dwId = 0;
    std::vector<cTestRec> m_List;
    std::shared_ptr<cTestRec> m_Shared;
    std::vector<u8> m_Bytes;
    std::vector<std::string> m_Texts;

    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{Field<&cTestOwner::m_dwId>()};
        return s_Table;
    }
    bool Load(cDataReader& file) override
    {
        return LoadBody(file) && LoadRecordList(m_List, file) && LoadSharedRecord(m_Shared, file) &&
               LoadByteVector(m_Bytes, file) && ReadStringVector(m_Texts, file);
    }
    void Save(cDataWriter& file) const override
    {
        SaveBody(file);
        SaveRecordList(m_List, file);
        SaveSharedRecord(m_Shared, file);
        SaveByteVector(m_Bytes, file);
        WriteStringVector(m_Texts, file);
    }
};

cTestRec SampleRec()
{
    cTestRec rec;
    rec.m_dwA = 0x11223344;
    rec.m_wB = 0xBEEF;
    rec.m_byC = 7;
    rec.m_nD = -2;
    rec.m_dE = 1.5;
    rec.m_awArr[0] = 1;
    rec.m_awArr[1] = 2;
    rec.m_awArr[2] = 0x0300;
    rec.m_strName = "";
    rec.m_strNote = "abc";
    return rec;
}

std::vector<u8> SampleRecBody()
{
    return cBytes()
        .U32(6)
        .U32(0x11223344)
        .U16(0xBEEF)
        .U8(7)
        .U16(0xFFFE)
        .Double(1.5)
        .U16(1).U16(2).U16(0x0300)
        .U32(2)
        .Str("")
        .Str("abc");
}

bool SameRec(const cTestRec& a, const cTestRec& b) { return cEdData::IsEqual(a, b) == 1; }

class DataFile : public cCoreTest {};

TEST_F(DataFile, RecordWithoutFieldsIsTwelveBytes)
{
    cNoFields rec;
    ASSERT_EQ(rec.SaveFile("empty.dat"), 1u);
    EXPECT_BYTES(cBytes().U8(0xB6).U8(0x03).U8(0).U8(0).U32(0).U32(0).Get(), ReadFileBytes("empty.dat"));
}

TEST_F(DataFile, CurrentLayoutByteForByteAndRoundTrip)
{
    cTestRec rec = SampleRec();
    rec.m_dwUnregistered = 99;
    ASSERT_EQ(rec.SaveFile("rec.dat"), 1u);
    EXPECT_BYTES(cBytes().U32(950).Raw(SampleRecBody()).Get(), ReadFileBytes("rec.dat"));
    EXPECT_FALSE(FileSystem().Exists("rec.dat.tmp"));

    cTestRec back;
    ASSERT_EQ(back.LoadFile("rec.dat"), 1u);
    EXPECT_TRUE(SameRec(rec, back));
    EXPECT_EQ(back.m_dwUnregistered, 0u);
    EXPECT_EQ(g_dwReadVersion, 950u);
}

TEST_F(DataFile, OlderFileKeepsTheDefaultsOfLaterMembersAndSavesTheFullLayout)
{
    // Version 54: A, the retired member, E, the array; the name only.
    ASSERT_TRUE(WriteFileBytes("old.dat", cBytes()
                                              .U32(54)
                                              .U32(4)
                                              .U32(0x11223344)
                                              .U32(0xDEADBEEF)
                                              .Double(1.5)
                                              .U16(1).U16(2).U16(0x0300)
                                              .U32(1)
                                              .Str("")));
    cTestRec rec;
    rec.m_wB = 0xBEEF;
    rec.m_byC = 7;
    rec.m_nD = -2;
    rec.m_strNote = "abc";
    ASSERT_EQ(rec.LoadFile("old.dat"), 1u);
    EXPECT_EQ(g_dwReadVersion, 54u);
    EXPECT_TRUE(SameRec(rec, SampleRec()));

    ASSERT_EQ(rec.SaveFile("old.dat"), 1u);
    EXPECT_BYTES(cBytes().U32(950).Raw(SampleRecBody()).Get(), ReadFileBytes("old.dat"));
}

TEST_F(DataFile, NewerFileIsRefusedUntilAnAcceptedOne)
{
    cTestRec good = SampleRec();
    ASSERT_EQ(good.SaveFile("good.dat"), 1u);
    ASSERT_TRUE(WriteFileBytes("newer.dat", cBytes().U32(951).Raw(SampleRecBody())));

    cTestRec rec;
    rec.m_dwA = 5;
    EXPECT_EQ(rec.LoadFile("newer.dat"), 0u);
    EXPECT_EQ(g_bNewerFile, 1u);
    EXPECT_EQ(g_dwReadVersion, 951u);
    EXPECT_EQ(rec.m_dwA, 5u);
    EXPECT_EQ(IsFileOlderThan("newer.dat", 950), 0u);

    // A missing file leaves the flag as it was.
    EXPECT_EQ(rec.LoadFile("missing.dat"), 0u);
    EXPECT_EQ(g_bNewerFile, 1u);

    EXPECT_EQ(rec.LoadFile("good.dat"), 1u);
    EXPECT_EQ(g_bNewerFile, 0u);
}

TEST_F(DataFile, FatalErrorFlagRefusesEveryWrite)
{
    cTestRec rec = SampleRec();
    ASSERT_EQ(rec.SaveFile("kept.dat"), 1u);
    std::vector<u8> before = ReadFileBytes("kept.dat");

    SetFatalError();
    rec.m_dwA = 1;
    EXPECT_EQ(rec.SaveFile("kept.dat"), 0u);
    EXPECT_EQ(rec.SaveFile("new.dat"), 0u);
    cDataWriter file;
    EXPECT_FALSE(OpenDataFileForWrite("new.dat", file));
    EXPECT_EQ(ReadFileBytes("kept.dat"), before);
    EXPECT_FALSE(FileSystem().Exists("new.dat"));
    EXPECT_FALSE(FileSystem().Exists("new.dat.tmp"));

    // Reading is not affected.
    cTestRec back;
    EXPECT_EQ(back.LoadFile("kept.dat"), 1u);
}

TEST_F(DataFile, EveryTruncationFailsAndLeavesTheObjectAsItWas)
{
    cTestOwner owner;
    owner.m_dwId = 3;
    owner.m_List = {SampleRec(), SampleRec()};
    owner.m_Shared = std::make_shared<cTestRec>(SampleRec());
    owner.m_Bytes = {1, 2, 3};
    owner.m_Texts = {"表", "ソ能"};
    ASSERT_EQ(owner.SaveFile("full.dat"), 1u);
    const std::vector<u8> full = ReadFileBytes("full.dat");

    for (size_t n = 0; n < full.size(); ++n) {
        ASSERT_TRUE(WriteFileBytes("cut.dat", std::vector<u8>(full.begin(), full.begin() + n)));
        cTestOwner rec;
        rec.m_dwId = 77;
        rec.m_Bytes = {9};
        EXPECT_EQ(rec.LoadFile("cut.dat"), 0u) << "length " << n;
        EXPECT_EQ(rec.m_dwId, 77u);
        EXPECT_TRUE(rec.m_List.empty());
        EXPECT_FALSE(rec.m_Shared);
        EXPECT_EQ(rec.m_Bytes, std::vector<u8>{9});
    }
    cTestOwner whole;
    ASSERT_EQ(whole.LoadFile("full.dat"), 1u);
    EXPECT_EQ(whole.m_dwId, 3u);
    ASSERT_EQ(whole.m_List.size(), 2u);
    EXPECT_TRUE(SameRec(whole.m_List[1], SampleRec()));
    ASSERT_TRUE(whole.m_Shared);
    EXPECT_TRUE(SameRec(*whole.m_Shared, SampleRec()));
    EXPECT_EQ(whole.m_Bytes, (std::vector<u8>{1, 2, 3}));
    EXPECT_EQ(whole.m_Texts, (std::vector<std::string>{"表", "ソ能"}));
}

TEST_F(DataFile, InflatedCountsAndLengthsMarkTheFileDamaged)
{
    const std::vector<u8> head = cBytes().U32(950).U32(1).U32(3).U32(0).Get();  // owner body
    struct {
        const char* lpWhat;
        std::vector<u8> bytes;
    } cases[] = {
        {"more numeric fields than registered", cBytes().U32(950).U32(2).U32(3).U32(0).U32(0).U32(0)},
        {"more strings than registered", cBytes().U32(950).U32(1).U32(3).U32(1).Str("x").U32(0)},
        {"record count beyond the file", cBytes().Raw(head).U32(0x10000000).U32(0).U32(0)},
        {"string length beyond the file",
         cBytes().Raw(head).U32(1).Raw(SampleRecBody()).U32(0).U32(0).U32(1).U32(0x7FFFFFFF).U8('a')},
        {"byte count beyond the file", cBytes().Raw(head).U32(0).U32(0).U32(100).U8(1).U32(0)},
        {"string count beyond the file", cBytes().Raw(head).U32(0).U32(0).U32(0).U32(0xFFFFFFF0)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes("bad.dat", c.bytes));
        cTestOwner rec;
        rec.m_dwId = 77;
        EXPECT_EQ(rec.LoadFile("bad.dat"), 0u) << c.lpWhat;
        EXPECT_EQ(rec.m_dwId, 77u) << c.lpWhat;
        EXPECT_FALSE(IsFatalError()) << c.lpWhat;
    }
}

TEST_F(DataFile, IsEqualClearAndCopyWorkOnRegisteredMembersOnly)
{
    cTestRec a = SampleRec(), b = SampleRec();
    b.m_dwUnregistered = 5;
    EXPECT_TRUE(SameRec(a, b));
    b.m_awArr[2] = 0x0301;
    EXPECT_FALSE(SameRec(a, b));
    b = a;
    b.m_dE = -0.0;
    a.m_dE = 0.0;
    EXPECT_TRUE(SameRec(a, b));
    b.m_strNote = std::string("abc\0tail", 8);
    EXPECT_TRUE(SameRec(a, b));
    b.m_strNote = "abd";
    EXPECT_FALSE(SameRec(a, b));

    cTestRec c;
    c.m_dwUnregistered = 8;
    c.CopyFields(a);
    EXPECT_TRUE(SameRec(c, a));
    EXPECT_EQ(c.m_dwUnregistered, 8u);
    c.Clear();
    EXPECT_EQ(c.m_dwA, 0u);
    EXPECT_EQ(c.m_byC, 0u);
    EXPECT_EQ(c.m_dE, 0.0);
    EXPECT_EQ(c.m_strNote, "");
    EXPECT_EQ(c.m_dwUnregistered, 8u);
}

TEST_F(DataFile, RegisteredCountsFollowTheVersion)
{
    const cFieldTable& t = cTestRec::FieldTable();
    EXPECT_EQ(t.Count(54, false), 4u);
    EXPECT_EQ(t.Count(55, false), 7u);
    EXPECT_EQ(t.Count(100, false), 6u);
    EXPECT_EQ(t.Count(199, true), 1u);
    EXPECT_EQ(t.Count(950, true), 2u);
}

// A file system that fails one step of a save.
class cFailingFs : public cForwardingFs {
public:
    enum eFail { kWrite, kReplace, kFlush };
    explicit cFailingFs(eFail eWhat) : m_eWhat(eWhat) {}
    FILE* Open(const std::string& strPath, const char* lpMode) override
    {
        bool bTemp = strPath.size() > 4 && strPath.compare(strPath.size() - 4, 4, ".tmp") == 0;
        if (bTemp && m_eWhat == kWrite) {
            // A stream that takes no writes.
            FILE* fp = m_Real.Open(strPath, lpMode);
            if (fp) fclose(fp);
            return m_Real.Open(strPath, "rb");
        }
#ifndef _WIN32
        // Writes are buffered; the flush finds the disk full.
        if (bTemp && m_eWhat == kFlush) return fopen("/dev/full", "wb");
#endif
        return m_Real.Open(strPath, lpMode);
    }
    bool MoveOver(const std::string& a, const std::string& b) override
    {
        return m_eWhat != kReplace && m_Real.MoveOver(a, b);
    }

private:
    eFail m_eWhat;
};

TEST_F(DataFile, FailedSaveLeavesTheOldFileIntact)
{
    cTestRec rec = SampleRec();
    ASSERT_EQ(rec.SaveFile("rec.dat"), 1u);
    const std::vector<u8> before = ReadFileBytes("rec.dat");
    rec.m_dwA = 0;
    rec.m_strNote = std::string(10000, 'n');

    std::vector<cFailingFs::eFail> fails = {cFailingFs::kWrite, cFailingFs::kReplace};
#ifndef _WIN32
    fails.push_back(cFailingFs::kFlush);
#endif
    for (cFailingFs::eFail eWhat : fails) {
        cFailingFs fs(eWhat);
        SetFileSystem(&fs);
        EXPECT_EQ(rec.SaveFile("rec.dat"), 0u) << "failure " << eWhat;
        EXPECT_EQ(rec.SaveFile("fresh.dat"), 0u) << "failure " << eWhat;
        SetFileSystem(nullptr);
        EXPECT_EQ(ReadFileBytes("rec.dat"), before) << "failure " << eWhat;
        EXPECT_FALSE(FileSystem().Exists("rec.dat.tmp")) << "failure " << eWhat;
        EXPECT_FALSE(FileSystem().Exists("fresh.dat")) << "failure " << eWhat;
    }
}

TEST_F(DataFile, LoadNewestTakesTheHighestNumber)
{
    cTestRec rec = SampleRec();
    rec.m_dwA = 2;
    ASSERT_EQ(rec.SaveFile("a.stg4_002"), 1u);
    rec.m_dwA = 10;
    ASSERT_EQ(rec.SaveFile("a.stg4_010"), 1u);
    cTestRec back;
    ASSERT_EQ(back.LoadNewest("a.stg4_950", "stg4"), 1u);
    EXPECT_EQ(back.m_dwA, 10u);
    EXPECT_EQ(back.LoadNewest("b.stg4", "stg4"), 0u);
}

TEST_F(DataFile, PathsWithBackslashTrailBytesAndOverlongNames)
{
    for (const char* lpFolder : {"表", "ソ", "能"}) {
        ASSERT_TRUE(FileSystem().MakeFolder(lpFolder));
        std::string strName = std::string(lpFolder) + "\\" + lpFolder + ".dat";
        cTestRec rec = SampleRec();
        rec.m_strName = lpFolder;
        ASSERT_EQ(rec.SaveFile(strName), 1u) << lpFolder;
        cTestRec back;
        ASSERT_EQ(back.LoadFile(strName), 1u) << lpFolder;
        EXPECT_EQ(back.m_strName, lpFolder);
    }
    std::string strLong(260, 'a');
    cTestRec rec;
    EXPECT_EQ(rec.SaveFile(strLong), 0u);
    EXPECT_EQ(rec.LoadFile(strLong), 0u);
    cDataReader file;
    EXPECT_FALSE(OpenDataFileForRead(strLong, file));
}

TEST_F(DataFile, OlderThan)
{
    ASSERT_TRUE(WriteFileBytes("v54.dat", cBytes().U32(54).U32(0).U32(0)));
    cTestRec rec;
    ASSERT_EQ(rec.SaveFile("v950.dat"), 1u);
    EXPECT_EQ(IsFileOlderThan("v54.dat", 950), 1u);
    EXPECT_EQ(IsFileOlderThan("v950.dat", 950), 0u);
    EXPECT_EQ(IsFileOlderThan("missing.dat", 950), 0u);
}

}  // namespace
