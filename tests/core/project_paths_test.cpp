#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/file_system.h"
#include "data/project_paths.h"
#include "support/test_env.h"

namespace {

class ProjectPaths : public cCoreTest {};

TEST_F(ProjectPaths, EveryDefaultCopyMirrorsItsDataFile)
{
    // Each default\ entry follows the data\ entry of the same file.
    int nPairs = 0;
    for (int i = 0; i + 1 < kPathCount; ++i) {
        const std::string strData = g_strPath[i], strDefault = g_strPath[i + 1];
        if (strDefault.compare(0, 8, "default\\") != 0 || i == kPathData) continue;
        ++nPairs;
        EXPECT_EQ("data\\" + strDefault.substr(8), strData) << i;
    }
    EXPECT_EQ(nPairs, 16);
    EXPECT_STREQ(g_strPath[kPathAnimeSet], "data\\database\\AnimeSet.dat");
    EXPECT_STREQ(g_strPath[kPathSystem], "data\\System.dat");
    EXPECT_STREQ(g_strPath[kPathUserWindow], "user_data\\Window.dat");
    EXPECT_STREQ(g_strExt[kExtStage], "stg4");
    EXPECT_STREQ(g_strColorName[10], "");
}

TEST_F(ProjectPaths, FoldersAreCreatedAndExistingOnesLeftAlone)
{
    cFileSystem& fs = FileSystem();
    ASSERT_TRUE(fs.MakeFolder("data"));
    ASSERT_TRUE(WriteFileBytes("data\\keep.dat", {1}));
    // A file where a folder belongs is not replaced.
    ASSERT_TRUE(WriteFileBytes("wave", {2}));
    CreateFolders(g_lpEditorFolders);
    CreateFolders(g_lpProjectFolders);
    for (const char* const* lp : {g_lpEditorFolders, g_lpProjectFolders}) {
        for (; *lp; ++lp) {
            if (strcmp(*lp, "wave") != 0) {
                EXPECT_TRUE(fs.IsFolder(*lp)) << *lp;
            }
        }
    }
    EXPECT_TRUE(fs.IsFolder("data\\stg4\\old_ver"));
    EXPECT_TRUE(fs.IsFolder("bmp\\hbt"));
    EXPECT_EQ(ReadFileBytes("data\\keep.dat"), std::vector<u8>{1});
    EXPECT_EQ(ReadFileBytes("wave"), std::vector<u8>{2});
    // The default folder is never made by the editor.
    EXPECT_FALSE(fs.Exists("default"));
}

}  // namespace
