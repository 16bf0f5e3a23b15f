#include <gtest/gtest.h>

#include "data/database.h"
#include "db_test_util.h"

using namespace dbbytes;

namespace {

class DbAnime : public cCoreTest {
protected:
    void SetUp() override
    {
        cCoreTest::SetUp();
        ASSERT_TRUE(FileSystem().MakeFolder("data"));
        ASSERT_TRUE(FileSystem().MakeFolder("data\\database"));
    }
};

TEST_F(DbAnime, AnimationSetsUpgrade)
{
    const std::vector<std::string> basic = {"立ち", "立ち移動", "飛行", "飛行移動"};
    ExpectUpgrades(&cDatabase::m_vAnimeSet, "data\\database\\AnimeSet.dat", {
        {"118: two animations and no flying offset; the flying animations are added",
         TableFile(118, 2, [](cBytes& b) {
             AnimeSet(b, 118, "kept", 5, 6, 0, {"a", "b"});
             AnimeSet(b, 118, "new", 1, 2, 0, {"c"});
         }),
         TableFile(950, 2, [](cBytes& b) {
             AnimeSet(b, 950, "kept", 5, 6, 9, {"a", "b", "飛行", "飛行移動"});
             AnimeSet(b, 950, "new", 1, 2, 0, {"c", "", "飛行", "飛行移動"});
         }),
         [](cDatabase& db) { db.m_vAnimeSet[0].m_dwFlyOffset = 9; }},
        {"54: animations without preview settings",
         TableFile(54, 1, [](cBytes& b) { AnimeSet(b, 54, "s", 4, 8, 0, {"a", "b", "c", "d"}); }),
         TableFile(950, 1, [](cBytes& b) { AnimeSet(b, 950, "s", 4, 8, 0, {"a", "b", "飛行", "飛行移動"}); })},
        {"120: animations 2 and 3 get their names",
         TableFile(120, 1, [](cBytes& b) { AnimeSet(b, 120, "s", 4, 8, 7, {"w", "x", "y", "z"}); }),
         TableFile(950, 1, [](cBytes& b) { AnimeSet(b, 950, "s", 4, 8, 7, {"w", "x", "飛行", "飛行移動"}); })},
        {"127: a fifth animation is dropped",
         TableFile(127, 1, [](cBytes& b) { AnimeSet(b, 127, "s", 4, 8, 7, {"w", "x", "y", "z", "v"}); }),
         TableFile(950, 1, [](cBytes& b) { AnimeSet(b, 950, "s", 4, 8, 7, {"w", "x", "飛行", "飛行移動"}); })},
        {"128: names and a fifth animation stay",
         TableFile(128, 1, [](cBytes& b) { AnimeSet(b, 128, "s", 4, 8, 7, {"w", "x", "y", "z", "v"}); }),
         TableFile(950, 1, [](cBytes& b) { AnimeSet(b, 950, "s", 4, 8, 7, {"w", "x", "y", "z", "v"}); })},
        {"a count of 0 keeps the default set",
         TableFile(950, 0, [](cBytes&) {}),
         TableFile(950, 1, [&](cBytes& b) { AnimeSet(b, 950, "", 4, 8, 0, basic); })},
    });
}

TEST_F(DbAnime, AnimationsUpgrade)
{
    ExpectUpgrades(&cDatabase::m_vAnime, "data\\database\\Anime.dat", {
        {"54: no numeric block; the preview settings keep their values",
         TableFile(54, 2, [](cBytes& b) {
             Anime(b, 54, "x", 0, 0, 0, {{5, 7, 1}});
             Anime(b, 54, "y", 0, 0, 0, {{1, 1, 0}, {2, 3, 0}});
         }),
         TableFile(950, 2, [](cBytes& b) {
             Anime(b, 950, "x", 9, 3, 4, {{5, 7, 1}});
             Anime(b, 950, "y", 0, 1, 0, {{1, 1, 0}, {2, 3, 0}});
         }),
         [](cDatabase& db) {
             db.m_vAnime[0].m_wSampleNo = 9;
             db.m_vAnime[0].m_bySampleKind = 3;
             db.m_vAnime[0].m_wStartFrame = 4;
         }},
        {"55: the preview settings are read",
         TableFile(55, 1, [](cBytes& b) { Anime(b, 55, "x", 119, 4, 19, {{299, 9999, 1}}); }),
         TableFile(950, 1, [](cBytes& b) { Anime(b, 950, "x", 119, 4, 19, {{299, 9999, 1}}); })},
        {"a pattern count of 0 gives an empty pattern list",
         TableFile(950, 1, [](cBytes& b) { Anime(b, 950, "x", 1, 1, 1, {}); }),
         TableFile(950, 1, [](cBytes& b) { Anime(b, 950, "x", 1, 1, 1, {}); }),
         nullptr,
         [](const cDatabase& db) { EXPECT_TRUE(db.m_vAnime[0].m_vPattern.empty()); }},
        {"a count of 0 keeps the two default animations",
         TableFile(950, 0, [](cBytes&) {}),
         TableFile(950, 2, [](cBytes& b) {
             Anime(b, 950, "なし");
             Anime(b, 950, "アクションA");
         })},
    });
}

}  // namespace
