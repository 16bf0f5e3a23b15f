#include <gtest/gtest.h>

#include "data/database.h"
#include "db_test_util.h"

using namespace dbbytes;

namespace {

class DbMedia : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(FileSystem().MakeFolder("data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\database"));
    }
};

// Pictures and sound effects share their layout.
std::vector<cUpgradeCase> FileEntryCases(const char* lpFile)
{
    return {
        {"150: no numeric fields, the two texts follow",
         TableFile(150, 1, [&](cBytes& b) { FileEntry(b, 150, "n", lpFile, 0); }),
         TableFile(950, 1, [&](cBytes& b) { FileEntry(b, 950, "n", lpFile, 0); })},
        {"152: the flag is read and dropped",
         TableFile(152, 2, [&](cBytes& b) {
             FileEntry(b, 152, "n", lpFile, 1);
             FileEntry(b, 152, "m", "", 1);
         }),
         TableFile(950, 2, [&](cBytes& b) {
             FileEntry(b, 950, "n", lpFile, 0);
             FileEntry(b, 950, "m", "", 0);
         })},
        {"153: the flag is kept",
         TableFile(153, 1, [&](cBytes& b) { FileEntry(b, 153, "n", lpFile, 1); }),
         TableFile(950, 1, [&](cBytes& b) { FileEntry(b, 950, "n", lpFile, 1); })},
        {"three records: the third starts from a new record",
         TableFile(950, 3, [&](cBytes& b) {
             for (int i = 0; i < 3; ++i) FileEntry(b, 950, "x", lpFile, 1);
         }),
         TableFile(950, 3, [&](cBytes& b) {
             for (int i = 0; i < 3; ++i) FileEntry(b, 950, "x", lpFile, 1);
         })},
    };
}

TEST_F(DbMedia, PicturesUpgrade)
{
    ExpectUpgrades(&cDatabase::m_vPicture, "data\\database\\Picture.dat", FileEntryCases("pic.bmp"));
}

TEST_F(DbMedia, SoundEffectsUpgrade)
{
    ExpectUpgrades(&cDatabase::m_vSound, "data\\database\\Sound.dat", FileEntryCases("se.wav"));
}

TEST_F(DbMedia, BgmUpgrades)
{
    ExpectUpgrades(&cDatabase::m_vBgm, "data\\database\\Bgm.dat", {
        {"150: no numeric fields; the volume of a new record is 100",
         TableFile(150, 1, [](cBytes& b) { Bgm(b, 150, "b", "bgm\\b.mid", 0, 0); }),
         TableFile(950, 1, [](cBytes& b) { Bgm(b, 950, "b", "bgm\\b.mid", 0, 100); })},
        {"152: the flag is read and dropped",
         TableFile(152, 1, [](cBytes& b) { Bgm(b, 152, "b", "bgm\\b.mid", 1, 0); }),
         TableFile(950, 1, [](cBytes& b) { Bgm(b, 950, "b", "bgm\\b.mid", 0, 100); })},
        {"813: the flag only; the volume keeps its value",
         TableFile(813, 2, [](cBytes& b) {
             Bgm(b, 813, "b", "bgm\\b.ogg", 1, 0);
             Bgm(b, 813, "c", "bgm\\c.ogg", 0, 0);
         }),
         TableFile(950, 2, [](cBytes& b) {
             Bgm(b, 950, "b", "bgm\\b.ogg", 1, 35);
             Bgm(b, 950, "c", "bgm\\c.ogg", 0, 100);
         }),
         [](cDatabase& db) { db.m_vBgm[0].m_dwVolume = 35; }},
        {"814: the volume is read",
         TableFile(814, 1, [](cBytes& b) { Bgm(b, 814, "b", "bgm\\b.ogg", 1, 0); }),
         TableFile(950, 1, [](cBytes& b) { Bgm(b, 950, "b", "bgm\\b.ogg", 1, 0); })},
    });
}

}  // namespace
