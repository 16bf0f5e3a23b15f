#include <gtest/gtest.h>

#include "app/file_system.h"
#include "app/path.h"
#include "support/test_env.h"

namespace {

// "ソ" is 83 5C, "表" is 95 5C, "能" is 94 5C: each ends in a backslash byte.
TEST(PathNames, FileNameAndFolderNeverSplitADoubleByteCharacter)
{
    struct {
        const char* lpPath;
        const char* lpFileName;
        const char* lpFolder;
    } cases[] = {
        {"data\\stg4\\a.stg4", "a.stg4", "data\\stg4\\"},
        {"data\\ソ\\a.dat", "a.dat", "data\\ソ\\"},
        {"data\\表", "表", "data\\"},
        {"能", "能", ""},
        {"ソ\\能", "能", "ソ\\"},
        {"abc", "abc", ""},
        {"\\abc", "abc", "\\"},
        {"a\\b\\", "b\\", "a\\b\\"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        std::string str = c.lpPath;
        GetFileName(str);
        EXPECT_EQ(str, c.lpFileName) << c.lpPath;
        str = c.lpPath;
        RemoveFileName(str);
        EXPECT_EQ(str, c.lpFolder) << c.lpPath;
    }
}

TEST(PathNames, TrailingSeparators)
{
    EXPECT_TRUE(EndsWithSeparator("data\\"));
    EXPECT_TRUE(EndsWithSeparator("表\\"));
    EXPECT_FALSE(EndsWithSeparator("表"));
    EXPECT_FALSE(EndsWithSeparator("data\\ソ"));
    EXPECT_FALSE(EndsWithSeparator(""));
}

TEST(PathNames, ExtensionsComeFromTheFileNameOnly)
{
    struct {
        const char* lpPath;
        u32 bHasExt;
        const char* lpExt;
        const char* lpWithoutExt;
        const char* lpChanged;  // extension "dat"
    } cases[] = {
        {"a.b.c", 1, "c", "a.b", "a.b.dat"},
        {"abc", 0, "", "abc", "abc"},
        {"..\\data\\readme", 0, "", "..\\data\\readme", "..\\data\\readme"},
        {".\\name", 0, "", ".\\name", ".\\name"},
        {"data\\表.stg4_950", 1, "stg4_950", "data\\表", "data\\表.dat"},
        {"x.v1\\ソ", 0, "", "x.v1\\ソ", "x.v1\\ソ"},
    };
    for (const auto& c : cases) {
        std::string strExt;
        EXPECT_EQ(GetFileExt(strExt, c.lpPath), c.bHasExt) << c.lpPath;
        if (c.bHasExt) {
            EXPECT_EQ(strExt, c.lpExt) << c.lpPath;
        }
        std::string str = c.lpPath;
        EXPECT_EQ(RemoveFileExt(str), c.bHasExt) << c.lpPath;
        EXPECT_EQ(str, c.lpWithoutExt) << c.lpPath;
        std::string strOut;
        EXPECT_EQ(ChangeFileExt(strOut, c.lpPath, "dat"), c.bHasExt) << c.lpPath;
        EXPECT_EQ(strOut, c.lpChanged) << c.lpPath;
    }
    std::string strOut;
    EXPECT_EQ(ChangeFileExt(strOut, "a.b.c", nullptr), 1u);
    EXPECT_EQ(strOut, "a.b");
    EXPECT_TRUE(HasFileExt("bgm\\a.mid", "mid"));
    EXPECT_FALSE(HasFileExt("bgm\\a.MID", "mid"));
    EXPECT_FALSE(HasFileExt("bgm\\a", "mid"));
}

TEST(PathNames, SplitsTheBufferOfAMultipleSelection)
{
    const char one[] = "C:\\p\\a.bmp\0\0junk";
    std::vector<std::string> list;
    SplitSelectedFiles(one, sizeof one, list);
    EXPECT_EQ(list, std::vector<std::string>{"C:\\p\\a.bmp"});

    const char several[] = "C:\\p\0a.bmp\0表.bmp\0\0";
    list.clear();
    SplitSelectedFiles(several, sizeof several, list);
    EXPECT_EQ(list, (std::vector<std::string>{"C:\\p\\a.bmp", "C:\\p\\表.bmp"}));

    // No terminator within the buffer: nothing is read past its end.
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    list.clear();
    SplitSelectedFiles(unterminated, sizeof unterminated, list);
    EXPECT_EQ(list, std::vector<std::string>{"abcd"});
}

class PathFiles : public cCoreTest {
protected:
    void Touch(const std::string& strPath) { ASSERT_TRUE(WriteFileBytes(strPath, {1, 2, 3})); }
};

TEST_F(PathFiles, RelativeAndAbsolutePaths)
{
    ASSERT_TRUE(FileSystem().MakeFolder("data"));
    std::string str = "data\\a.dat";
    ASSERT_EQ(MakeAbsolutePath(str), 1u);
    EXPECT_EQ(str, m_strFolder + "\\data\\a.dat");
    ASSERT_EQ(MakeRelativePath(str, 0), 1u);
    EXPECT_EQ(str, ".\\data\\a.dat");
    str = m_strFolder + "\\data\\a.dat";
    ASSERT_EQ(MakeRelativePath(str, 1), 1u);
    EXPECT_EQ(str, "data\\a.dat");

    // Outside the project folder.
    std::string strParent = m_strFolder;
    RemoveFileName(strParent);
    str = strParent + "other\\表\\x.bmp";
    ASSERT_EQ(MakeRelativePath(str, 1), 1u);
    EXPECT_EQ(str, "..\\other\\表\\x.bmp");

    str = "..\\sib\\.\\f";
    ASSERT_EQ(MakeAbsolutePath(str), 1u);
    EXPECT_EQ(str, strParent + "sib\\f");

    // Already relative: left as it is.
    str = "bmp\\a.bmp";
    EXPECT_EQ(MakeRelativePath(str, 1), 1u);
    EXPECT_EQ(str, "bmp\\a.bmp");
}

TEST_F(PathFiles, NoRelativePathToAnotherDrive)
{
    std::string strOther = m_strFolder.compare(0, 2, "Q:") == 0 ? "R:\\x\\a.dat" : "Q:\\x\\a.dat";
    std::string str = strOther;
    EXPECT_EQ(MakeRelativePath(str, 1), 0u);
    EXPECT_EQ(str, strOther);
}

TEST_F(PathFiles, FindsTheNewestNumberedFile)
{
    std::string strFound = "unchanged";
    EXPECT_EQ(FindNumberedFile(strFound, "x.stg4", "stg4"), 0u);
    EXPECT_EQ(strFound, "unchanged");

    Touch("x.stg4_002");
    Touch("x.stg4_010");
    EXPECT_EQ(FindNumberedFile(strFound, "x.stg4_950", "stg4"), 1u);
    EXPECT_EQ(strFound, "x.stg4_010");

    Touch("x.stg4_950");
    Touch("x.stg4_951");
    EXPECT_EQ(FindNumberedFile(strFound, "x.stg4", "stg4"), 1u);
    EXPECT_EQ(strFound, "x.stg4_951");

    // The dot of a folder name is not an extension.
    ASSERT_TRUE(FileSystem().MakeFolder("v.1"));
    Touch("v.1\\name_005");
    EXPECT_EQ(FindNumberedFile(strFound, "v.1\\name", "stg4"), 1u);
    EXPECT_EQ(strFound, "v.1\\name_005");
}

TEST_F(PathFiles, ListsFilesByExtension)
{
    ASSERT_TRUE(FileSystem().MakeFolder("plt4"));
    Touch("plt4\\b.plt4");
    Touch("plt4\\a.plt4");
    Touch("plt4\\c.txt");
    std::vector<std::string> list = {"kept"};
    EXPECT_EQ(ListFiles(list, "plt4", "plt4"), 1u);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "plt4\\a.plt4", "plt4\\b.plt4"}));

    list = {"kept"};
    EXPECT_EQ(ListFiles(list, "plt4", "bmp"), 0u);
    EXPECT_EQ(list, std::vector<std::string>{"kept"});
    EXPECT_EQ(ListFiles(list, "missing", "bmp"), 0u);
}

TEST_F(PathFiles, DeletesAFolderTree)
{
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.MakeFolder("tree"));
    ASSERT_TRUE(fs.MakeFolder("tree\\表"));
    Touch("tree\\表\\a.dat");
    Touch("tree\\b.dat");
    EXPECT_TRUE(DeleteFolderTree("tree\\"));
    EXPECT_FALSE(fs.Exists("tree"));
    EXPECT_FALSE(DeleteFolderTree("tree"));
}

class PathCopy : public PathFiles {
protected:
    void SetUp() override
    {
        PathFiles::SetUp();
        cFileSystem& fs = FileSystem();
        ASSERT_TRUE(fs.MakeFolder("data"));
        ASSERT_TRUE(fs.MakeFolder("data\\stg4"));
        ASSERT_TRUE(WriteFileBytes("data\\System.dat", {9, 5, 0}));
        ASSERT_TRUE(WriteFileBytes("data\\stg4\\a.stg4_950", {7}));
        ASSERT_TRUE(fs.MakeFolder("data_backup"));
        ASSERT_TRUE(WriteFileBytes("data_backup\\old.dat", {1}));
    }
};

TEST_F(PathCopy, ReplacesTheOldCopyOnlyAfterTheNewOneIsComplete)
{
    ASSERT_EQ(CopyFolder(nullptr, "data_backup", "data\\"), 1u);
    cFileSystem& fs = FileSystem();
    EXPECT_FALSE(fs.Exists("data_backup\\old.dat"));
    EXPECT_EQ(ReadFileBytes("data_backup\\System.dat"), (std::vector<u8>{9, 5, 0}));
    EXPECT_EQ(ReadFileBytes("data_backup\\stg4\\a.stg4_950"), std::vector<u8>{7});
    EXPECT_FALSE(fs.Exists("data_backup\\data"));
    EXPECT_FALSE(fs.Exists("data_backup.new"));
    EXPECT_FALSE(fs.Exists("data_backup.old"));
    ASSERT_EQ(FakeHost().m_Copies.size(), 1u);
    EXPECT_EQ(FakeHost().m_Copies[0].strSrc, m_strFolder + "\\data");

    // A second copy over the existing backup.
    ASSERT_TRUE(WriteFileBytes("data\\System.dat", {1}));
    ASSERT_EQ(CopyFolder(nullptr, "data_backup", "data\\"), 1u);
    EXPECT_EQ(ReadFileBytes("data_backup\\System.dat"), std::vector<u8>{1});
}

TEST_F(PathCopy, AFailedCopyKeepsThePreviousBackup)
{
    FakeHost().m_bCopyFails = true;
    EXPECT_EQ(CopyFolder(nullptr, "data_backup", "data\\"), 0u);
    cFileSystem& fs = FileSystem();
    EXPECT_EQ(ReadFileBytes("data_backup\\old.dat"), std::vector<u8>{1});
    EXPECT_FALSE(fs.Exists("data_backup\\System.dat"));
    EXPECT_FALSE(fs.Exists("data_backup.new"));

    // A missing source fails the same way.
    FakeHost().m_bCopyFails = false;
    EXPECT_EQ(CopyFolder(nullptr, "data_backup", "nothing\\"), 0u);
    EXPECT_EQ(ReadFileBytes("data_backup\\old.dat"), std::vector<u8>{1});
}

// A copy cut short between taking the old backup away and putting the new
// one in place leaves the old one only as "data_backup.old".
TEST_F(PathCopy, ABackupCutShortBetweenItsRenamesIsPutBack)
{
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.Rename("data_backup", "data_backup.old"));
    ASSERT_TRUE(fs.MakeFolder("data_backup.new"));
    EXPECT_EQ(RecoverFolderCopy("data_backup\\"), 1u);
    EXPECT_EQ(ReadFileBytes("data_backup\\old.dat"), std::vector<u8>{1});
    EXPECT_FALSE(fs.Exists("data_backup.old"));

    // The next backup starts from the same state by itself.
    ASSERT_TRUE(fs.Rename("data_backup", "data_backup.old"));
    FakeHost().m_bCopyFails = true;
    EXPECT_EQ(CopyFolder(nullptr, "data_backup", "data\\"), 0u);
    EXPECT_EQ(ReadFileBytes("data_backup\\old.dat"), std::vector<u8>{1});
    FakeHost().m_bCopyFails = false;
    EXPECT_EQ(CopyFolder(nullptr, "data_backup", "data\\"), 1u);
    EXPECT_EQ(ReadFileBytes("data_backup\\System.dat"), (std::vector<u8>{9, 5, 0}));
    for (const char* lpLeft : {"data_backup.old", "data_backup.new", "data_backup.old.del"})
        EXPECT_FALSE(fs.Exists(lpLeft)) << lpLeft;

    // With the backup in place, a spare left beside it is not put back.
    ASSERT_TRUE(fs.MakeFolder("data_backup.old"));
    EXPECT_EQ(RecoverFolderCopy("data_backup"), 1u);
    EXPECT_EQ(ReadFileBytes("data_backup\\System.dat"), (std::vector<u8>{9, 5, 0}));
}

}  // namespace

TEST_F(PathFiles, BuildFolderWorksOnTheGameFolderBesideIt)
{
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.MakeFolder("Editor"));
    ASSERT_TRUE(fs.MakeFolder("Game"));
    ASSERT_TRUE(fs.SetCurrentFolder("Editor"));
    std::string strBuild;
    ASSERT_TRUE(fs.GetCurrentFolder(strBuild));

    EXPECT_TRUE(ApplyWorkingFolderRule(strBuild + "x")) << "any other folder is the project folder";
    std::string strNow;
    ASSERT_TRUE(fs.GetCurrentFolder(strNow));
    EXPECT_EQ(strNow, strBuild);

    EXPECT_TRUE(ApplyWorkingFolderRule(strBuild));
    ASSERT_TRUE(fs.GetCurrentFolder(strNow));
    EXPECT_EQ(strNow, m_strFolder + "\\Game");

    ASSERT_TRUE(fs.SetCurrentFolder(strBuild));
    ASSERT_TRUE(fs.RemoveFolder(m_strFolder + "\\Game"));
    EXPECT_FALSE(ApplyWorkingFolderRule(strBuild)) << "no game folder: start-up goes on where it is";
    ASSERT_TRUE(fs.GetCurrentFolder(strNow));
    EXPECT_EQ(strNow, strBuild);
}
