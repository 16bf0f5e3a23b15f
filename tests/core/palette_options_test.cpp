#include <gtest/gtest.h>

#include <numeric>

#include "stage_test_util.h"

namespace {

class CommonPalette : public cStageTest {};
class PrjOption : public cStageTest {};

std::vector<u8> CommonPaletteFile(const std::vector<cEdBlock>& blocks, const std::vector<cEdChara>& charas,
                                  const std::vector<cEdItem>& items)
{
    cBytes b;
    b.U32(950).U32(0).U32(0).U32(static_cast<u32>(blocks.size()));
    for (const cEdBlock& k : blocks) b.Raw(BlockBody(k));
    b.U32(static_cast<u32>(charas.size()));
    for (const cEdChara& c : charas) b.Raw(CharaBody(950, c));
    b.U32(static_cast<u32>(items.size()));
    for (const cEdItem& i : items) b.Raw(ItemBody(i));
    return b;
}

cEdBlock Named(const std::string& strName, u16 wGraphic)
{
    cEdBlock b;
    b.m_strName = strName;
    b.m_wGraphic = wGraphic;
    return b;
}

TEST_F(CommonPalette, LayoutAndRoundTrip)
{
    cCommonPalette palette;
    palette.m_Lists.m_vBlock = {cEdBlock(), Named("床", 3), Named("壁", 4)};
    palette.m_Lists.m_vChara = {cEdChara(), cEdChara()};
    palette.m_Lists.m_vChara[1].m_wGraphic = 2;
    palette.m_Lists.m_vChara[1].m_vFlow.resize(1);
    palette.m_Lists.m_vChara[1].m_vFlow[0].m_Commands.resize(2);
    palette.m_Lists.m_vItem = {cEdItem(), cEdItem()};
    palette.m_Lists.m_vItem[1].m_wGraphic = 5;
    EXPECT_EQ(cCommonPalette::FieldTable().All().size(), 0u);

    const std::vector<u8> file =
        CommonPaletteFile({Checked(cEdBlock()), Named("床", 3), Named("壁", 4)},
                          {cEdChara(), Checked(palette.m_Lists.m_vChara[1])}, {cEdItem(), palette.m_Lists.m_vItem[1]});
    EXPECT_FILE_BYTES(file, SavedBytes(palette));
    cCommonPalette back;
    ASSERT_TRUE(LoadFromBytes(back, file));
    EXPECT_TRUE(back == palette);
    EXPECT_FILE_BYTES(file, SavedBytes(back));
    ExpectQuiet();
}

// Loading resets entry 0, clears every inherit flag and brings each list to
// two entries with the project options' default entry.
TEST_F(CommonPalette, LoadingNormalisesTheLists)
{
    cPrjOption options;
    options.m_DefChara.m_strName = "既定のキャラ";
    SetProjectOptions(&options);
    cEdBlock first = Named("入口", 9);
    cEdBlock flagged = Named("扉", 7);
    flagged.m_bbInherit.assign(11, 1);
    const std::vector<u8> file = CommonPaletteFile({first, flagged}, {}, {cEdItem()});

    cCommonPalette palette;
    ASSERT_TRUE(LoadFromBytes(palette, file));
    ASSERT_EQ(palette.m_Lists.m_vBlock.size(), 2u);
    EXPECT_TRUE(palette.m_Lists.m_vBlock[0].IsEmpty());
    EXPECT_EQ(palette.m_Lists.m_vBlock[0].m_strName, "");
    EXPECT_EQ(palette.m_Lists.m_vBlock[1].m_strName, "扉");
    EXPECT_EQ(palette.m_Lists.m_vBlock[1].m_bbInherit, std::vector<u8>(11, 0));
    ASSERT_EQ(palette.m_Lists.m_vChara.size(), 2u);
    EXPECT_TRUE(palette.m_Lists.m_vChara[0].IsEmpty());
    EXPECT_EQ(palette.m_Lists.m_vChara[1].m_strName, "既定のキャラ");
    EXPECT_EQ(palette.m_Lists.m_vChara[1].m_wGraphic, 1);
    ASSERT_EQ(palette.m_Lists.m_vItem.size(), 2u);
    EXPECT_EQ(palette.m_Lists.m_vItem[1].m_wGraphic, 1);

    // A damaged file changes nothing.
    const cCommonPalette before = palette;
    EXPECT_FALSE(LoadFromBytes(palette, std::vector<u8>(file.begin(), file.end() - 1)));
    EXPECT_FALSE(LoadFromBytes(palette, cBytes().U32(950).U32(1).U32(5).U32(0)));
    EXPECT_TRUE(palette == before);
    ExpectQuiet();
}

// The flags of default project options: the first setting none, the other
// two all but block 1, chara 4, 5, 33, 35 and item 1.
std::vector<u8> Flags(size_t n, u8 v, std::initializer_list<size_t> zeros = {})
{
    std::vector<u8> f(n, v);
    for (size_t i : zeros) f[i] = 0;
    return f;
}

TEST_F(PrjOption, Defaults)
{
    const cPrjOption o;
    EXPECT_EQ(o.m_DefBlock.m_wGraphic, 1);
    EXPECT_EQ(o.m_DefChara.m_wGraphic, 1);
    EXPECT_EQ(o.m_DefItem.m_wGraphic, 1);
    for (size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(o.m_adwDefInheritKind[0][t], 0u);
        EXPECT_EQ(o.m_adwDefInheritKind[1][t], 1u);
        EXPECT_EQ(o.m_adwDefInheritKind[2][t], 2u);
    }
    EXPECT_EQ(o.m_vDefInheritCheck[0][0], Flags(11, 0));
    EXPECT_EQ(o.m_vDefInheritCheck[0][1], Flags(37, 0));
    EXPECT_EQ(o.m_vDefInheritCheck[0][2], Flags(13, 0));
    for (size_t s = 1; s < 3; ++s) {
        EXPECT_EQ(o.m_vDefInheritCheck[s][0], Flags(11, 1, {1}));
        EXPECT_EQ(o.m_vDefInheritCheck[s][1], Flags(37, 1, {4, 5, 33, 35}));
        EXPECT_EQ(o.m_vDefInheritCheck[s][2], Flags(13, 1, {1}));
    }
    EXPECT_EQ(o.m_dwFindGame, 1u);
    EXPECT_EQ(o.m_strGameFile, "");
    EXPECT_EQ(o.m_dwOldStageFiles, 2u);
    EXPECT_EQ(o.m_dwBackupOn, 1u);
    EXPECT_EQ(o.m_dwBackupInterval, 0u);
    EXPECT_EQ(o.m_dwLastBackup, 0u);
    EXPECT_STREQ(g_lpOldStageFileChoices[0], "旧バージョンのステージファイルを「old_ver」フォルダへ移動");
    EXPECT_STREQ(g_lpOldStageFileChoices[3], "");
}

// A PrjOption.dat as version v stores it: the retired members before 130,
// each inherit-kind setting as one field of three, the default entries from
// 120, the retired window records of 71..129, and the flag vectors the
// version has.
struct cStoredOptions {
    u32 kinds[3][3] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
    std::vector<u8> flags[3][3];
    u32 dwFind = 1;
    std::string strGame;
    u32 dwOldStage = 2, dwOn = 1, dwInterval = 0, dwLast = 0;
    cEdBlock block;
    cEdChara chara;
    cEdItem item;
};

cBytes Kinds(const u32 (&k)[3]) { return cBytes().U32(k[0]).U32(k[1]).U32(k[2]); }

std::vector<u8> PrjOptionFile(u32 v, const cStoredOptions& o)
{
    cBytes b;
    b.U32(v).Raw(cVersionBody(v)
                     .Str("retired 1", 0, 130).U32(77, 0, 130).Str("retired 2", 0, 130).Str("retired 3", 0, 130)
                     .Entry(Kinds(o.kinds[0]), 51).Entry(Kinds(o.kinds[1]), 70).Entry(Kinds(o.kinds[2]), 51)
                     .U32(o.dwFind).Str(o.strGame).U32(o.dwOldStage, 142)
                     .U32(o.dwOn, 917).U32(o.dwInterval, 917).U32(o.dwLast, 917)
                     .Get());
    if (v >= 120) b.Raw(BlockBody(o.block)).Raw(CharaBody(v, o.chara)).Raw(ItemBody(o.item));
    if (v >= 71 && v < 130)
        for (int i = 0; i < 11; ++i) b.Raw(cVersionBody(v).U32(1, 72).U32(i).U32(2).U32(3).U32(4).U32(1, 122).Get());
    const bool bStored[3] = {v >= 50, v >= 70, v >= 50};
    for (size_t s = 0; s < 3; ++s)
        if (bStored[s])
            for (const std::vector<u8>& f : o.flags[s]) ByteVector(b, f);
    return b;
}

// What a file holds of the options (the entries as their checks write them).
cStoredOptions StoredFrom(const cPrjOption& d)
{
    cStoredOptions o;
    for (size_t s = 0; s < 3; ++s) {
        for (size_t t = 0; t < 3; ++t) {
            o.kinds[s][t] = d.m_adwDefInheritKind[s][t];
            o.flags[s][t] = d.m_vDefInheritCheck[s][t];
        }
    }
    o.dwFind = d.m_dwFindGame;
    o.strGame = d.m_strGameFile;
    o.dwOldStage = d.m_dwOldStageFiles;
    o.dwOn = d.m_dwBackupOn;
    o.dwInterval = d.m_dwBackupInterval;
    o.dwLast = d.m_dwLastBackup;
    o.block = Checked(d.m_DefBlock);
    o.chara = Checked(d.m_DefChara);
    o.item = Checked(d.m_DefItem);
    return o;
}

cStoredOptions Today() { return StoredFrom(cPrjOption()); }

TEST_F(PrjOption, LayoutAndRoundTrip)
{
    cPrjOption o;
    o.m_DefBlock.m_strName = "ブロック";
    o.m_DefChara.m_nHP = 99;
    o.m_DefItem.m_wSound = 3;
    o.m_adwDefInheritKind[0][1] = 2;
    o.m_vDefInheritCheck[2][1][36] = 0;
    o.m_dwFindGame = 0;
    o.m_strGameFile = "game.exe";
    o.m_dwOldStageFiles = 1;
    o.m_dwBackupOn = 0;
    o.m_dwBackupInterval = 24;
    o.m_dwLastBackup = 1234;
    EXPECT_EQ(cPrjOption::FieldTable().Count(950, false), 8u);

    const std::vector<u8> file = PrjOptionFile(950, StoredFrom(o));
    EXPECT_FILE_BYTES(file, SavedBytes(o));
    cPrjOption back;
    ASSERT_TRUE(LoadFromBytes(back, file));
    EXPECT_TRUE(back == o);
    ExpectQuiet();
}

std::vector<u8> Seq(u8 nFrom, u8 nTo)
{
    std::vector<u8> v(nTo - nFrom + 1);
    std::iota(v.begin(), v.end(), nFrom);
    return v;
}
std::vector<u8> Cat(std::initializer_list<std::vector<u8>> parts)
{
    std::vector<u8> all;
    for (const std::vector<u8>& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Older files: the groups that later versions added are opened among the
// stored flags (0 in the first setting, 1 in the others); a setting the
// file doesn't store keeps today's defaults.
TEST_F(PrjOption, OlderFilesAndTheirFlags)
{
    const cPrjOption today;
    // Flag i stored as i + 2, so that each flag's new place shows.
    cStoredOptions s = Today();
    for (size_t set = 0; set < 3; ++set) {
        s.flags[set][0] = TracedFlags(10);
        s.flags[set][1] = TracedFlags(32);
        s.flags[set][2] = TracedFlags(12);
    }
    auto charaAt60 = [](u8 a) {
        return Cat({Seq(2, 4), {a}, Seq(5, 15), {a}, Seq(16, 20), {a}, Seq(21, 23), {a}, Seq(24, 26), {a}, Seq(27, 33)});
    };
    {
        SCOPED_TRACE(60);
        cPrjOption o;
        ASSERT_TRUE(LoadFromBytes(o, PrjOptionFile(60, s)));
        EXPECT_EQ(o.m_vDefInheritCheck[0][0], Cat({Seq(2, 6), {0}, Seq(7, 11)}));
        EXPECT_EQ(o.m_vDefInheritCheck[2][0], Cat({Seq(2, 6), {1}, Seq(7, 11)}));
        EXPECT_EQ(o.m_vDefInheritCheck[0][1], charaAt60(0));
        EXPECT_EQ(o.m_vDefInheritCheck[2][1], charaAt60(1));
        EXPECT_EQ(o.m_vDefInheritCheck[0][2], Cat({Seq(2, 8), {0}, Seq(9, 13)}));
        EXPECT_EQ(o.m_vDefInheritCheck[2][2], Cat({Seq(2, 8), {1}, Seq(9, 13)}));
        // The second setting came at 70: today's defaults, no slot opened.
        for (size_t t = 0; t < 3; ++t) EXPECT_EQ(o.m_vDefInheritCheck[1][t], today.m_vDefInheritCheck[1][t]);
        EXPECT_EQ(o.m_adwDefInheritKind[0][0], 0u);
        EXPECT_EQ(o.m_dwOldStageFiles, 0u);
        EXPECT_TRUE(o.m_DefChara == today.m_DefChara);
    }
    {
        SCOPED_TRACE(49);
        cPrjOption o;
        ASSERT_TRUE(LoadFromBytes(o, PrjOptionFile(49, s)));
        EXPECT_TRUE(o.m_vDefInheritCheck[0][1] == today.m_vDefInheritCheck[0][1]);
        EXPECT_TRUE(o.m_vDefInheritCheck[2][0] == today.m_vDefInheritCheck[2][0]);
    }
    {
        // Version 200 with a first-setting chara vector of 36 flags.
        SCOPED_TRACE(200);
        cStoredOptions s200 = Today();
        s200.flags[0][1] = TracedFlags(36);
        s200.kinds[1][2] = 2;
        s200.chara.m_strName = "標準";
        s200.chara.m_bbInherit.assign(37, 1);
        cPrjOption o;
        ASSERT_TRUE(LoadFromBytes(o, PrjOptionFile(200, s200)));
        EXPECT_EQ(o.m_vDefInheritCheck[0][1], Cat({Seq(2, 22), {0}, Seq(23, 25), {0}, Seq(26, 36)}));
        EXPECT_EQ(o.m_adwDefInheritKind[1][2], 2u);
        EXPECT_EQ(o.m_DefChara.m_strName, "標準");
        // The default entries never inherit.
        EXPECT_EQ(o.m_DefChara.m_bbInherit, Flags(37, 0));
        EXPECT_EQ(o.m_dwOldStageFiles, 2u);
    }
    const struct {
        u32 dwVersion;
        u32 dwOldStage, dwOn, dwInterval, dwLast;
    } rows[] = {{141, 0, 1, 0, 0}, {142, 1, 1, 0, 0}, {916, 1, 1, 0, 0}, {917, 1, 0, 5, 6}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.dwVersion);
        cStoredOptions so = Today();
        so.dwOldStage = 1;
        so.dwOn = 0;
        so.dwInterval = 5;
        so.dwLast = 6;
        cPrjOption o;
        ASSERT_TRUE(LoadFromBytes(o, PrjOptionFile(r.dwVersion, so)));
        EXPECT_EQ(o.m_dwOldStageFiles, r.dwOldStage);
        EXPECT_EQ(o.m_dwBackupOn, r.dwOn);
        EXPECT_EQ(o.m_dwBackupInterval, r.dwInterval);
        EXPECT_EQ(o.m_dwLastBackup, r.dwLast);
        if (r.dwVersion < 210) continue;  // older ones open chara groups
        for (size_t set = 0; set < 3; ++set)
            for (size_t t = 0; t < 3; ++t) EXPECT_EQ(o.m_vDefInheritCheck[set][t], today.m_vDefInheritCheck[set][t]);
    }
    ExpectQuiet();
}

// A flag vector of another size than its type's, in a file of today's
// version, is brought to the type's count.
TEST_F(PrjOption, FlagVectorsOfOtherSizesFitTheirTypes)
{
    cStoredOptions s = Today();
    s.flags[0][0] = {1, 1, 1};
    s.flags[1][1] = Flags(40, 1);
    cPrjOption o;
    ASSERT_TRUE(LoadFromBytes(o, PrjOptionFile(950, s)));
    EXPECT_EQ(o.m_vDefInheritCheck[0][0], Cat({{1, 1, 1}, Flags(8, 0)}));
    EXPECT_EQ(o.m_vDefInheritCheck[1][1], Flags(37, 1));
    // A stage palette's entry 1 takes them without a fatal error.
    SetProjectOptions(&o);
    cStage stage;
    stage.Normalize();
    EXPECT_EQ(stage.m_Palette.m_vBlock[1].m_bbInherit, Cat({{1, 1, 1}, Flags(8, 0)}));
    ExpectQuiet();
}

}  // namespace
