#include <gtest/gtest.h>

#include "data/database.h"
#include "db_test_util.h"

using namespace dbbytes;

namespace {

class DbSword : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(FileSystem().MakeFolder("data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\database"));
    }
};

TEST_F(DbSword, CharaSpecialBitmapsUpgrade)
{
    auto prepare = [](cDatabase& db) {
        db.m_vCharaExcBmp[0].m_dwSameAsFileName = 1;
        db.m_vCharaExcBmp[0].m_dwGiant = 1;
        db.m_vCharaExcBmp[0].m_dwGiantSize = 5;
    };
    ExpectUpgrades(&cDatabase::m_vCharaExcBmp, "data\\database\\Bmp_CharaExc.dat", {
        {"151: no numeric fields; the giant fields keep their values, the flag is cleared",
         TableFile(151, 2, [](cBytes& b) {
             CharaExcBmp(b, 151, "a", "a.bmp", 0, 0, 0);
             CharaExcBmp(b, 151, "b", "b.bmp", 0, 0, 0);
         }),
         TableFile(950, 2, [](cBytes& b) {
             CharaExcBmp(b, 950, "a", "a.bmp", 0, 1, 5);
             CharaExcBmp(b, 950, "b", "b.bmp", 0, 0, 2);
         }),
         prepare},
        {"152: the flag is read and dropped",
         TableFile(152, 1, [](cBytes& b) { CharaExcBmp(b, 152, "a", "a.bmp", 1, 0, 0); }),
         TableFile(950, 1, [](cBytes& b) { CharaExcBmp(b, 950, "a", "a.bmp", 0, 1, 5); }),
         prepare},
        {"160: the flag is kept; no giant fields",
         TableFile(160, 2, [](cBytes& b) {
             CharaExcBmp(b, 160, "a", "a.bmp", 1, 0, 0);
             CharaExcBmp(b, 160, "b", "b.bmp", 1, 0, 0);
         }),
         TableFile(950, 2, [](cBytes& b) {
             CharaExcBmp(b, 950, "a", "a.bmp", 1, 1, 5);
             CharaExcBmp(b, 950, "b", "b.bmp", 1, 0, 2);
         }),
         prepare},
        {"172: the giant fields are read",
         TableFile(172, 1, [](cBytes& b) { CharaExcBmp(b, 172, "a", "a.bmp", 0, 1, 10); }),
         TableFile(950, 1, [](cBytes& b) { CharaExcBmp(b, 950, "a", "a.bmp", 0, 1, 10); }),
         prepare},
    });
}

TEST_F(DbSword, SwordTypesUpgrade)
{
    const tSwordPos stored = {static_cast<u32>(-320), static_cast<u32>(240), 0, 1, 3, 639, 479, 640, 480, 999};
    // The same position read from a file without the mirror flags: those of a
    // new position.
    const tSwordPos unmirrored = {static_cast<u32>(-320), static_cast<u32>(240), 1, 0, 3, 639, 479, 640, 480, 999};
    ExpectUpgrades(&cDatabase::m_vSwordType, "data\\database\\SwordType.dat", {
        {"137: positions without mirror flags",
         TableFile(137, 1, [&](cBytes& b) { SwordType(b, 137, "s", "l.bmp", "r.bmp", 0, {stored, stored}); }),
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "s", "l.bmp", "r.bmp", 0, {unmirrored, unmirrored}); })},
        {"150: mirror flags read; no same-as-file-name flag, the one held is cleared",
         TableFile(150, 1, [&](cBytes& b) { SwordType(b, 150, "s", "l.bmp", "r.bmp", 0, {stored}); }),
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "s", "l.bmp", "r.bmp", 0, {stored}); }),
         [](cDatabase& db) { db.m_vSwordType[0].m_dwSameAsFileName = 1; }},
        {"152: the flag is read and dropped",
         TableFile(152, 1, [&](cBytes& b) { SwordType(b, 152, "s", "l.bmp", "r.bmp", 1, {stored}); }),
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "s", "l.bmp", "r.bmp", 0, {stored}); })},
        {"153: the flag is kept",
         TableFile(153, 1, [&](cBytes& b) { SwordType(b, 153, "s", "l.bmp", "r.bmp", 1, {stored}); }),
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "s", "l.bmp", "r.bmp", 1, {stored}); })},
        {"a position count of 0 gives an empty list",
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "s", "", "", 0, {}); }),
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "s", "", "", 0, {}); }),
         nullptr,
         [](const cDatabase& db) { EXPECT_TRUE(db.m_vSwordType[0].m_vPos.empty()); }},
        {"a new sword type has one position shown for 1/10 s",
         TableFile(950, 0, [](cBytes&) {}),
         TableFile(950, 1, [&](cBytes& b) { SwordType(b, 950, "", "", "", 0, {kDefaultSwordPos}); })},
    });
}

}  // namespace
