#include "sample_stage.h"

#include "data/prj_option.h"

namespace {

// Stage palette entries, by index.
enum : u16 { kGround = 1, kBrick, kQuestion, kStone };
enum : u16 { kHero = 1, kSlime };
enum : u16 { kCoin = 1, kGem, kHeart };

constexpr u32 kWidth = 40, kHeight = 15;
constexpr u32 kGroundRow = 13;  // the top row of the ground
constexpr u32 kSkyColor = 141;  // a light blue of the sample palette

template <class D>
D Entry(const char* lpName, u16 wGraphic)
{
    D entry;
    entry.m_strName = lpName;
    entry.m_wGraphic = wGraphic;
    return entry;
}

// A copy of a stage palette entry that inherits from it as a pen picked from
// the stage palette does.
template <class D>
D Placed(const cStage& stage, u16 wIndex)
{
    constexpr size_t kFromStagePalette = 2;  // the options' third inherit set
    const cPrjOption& options = ProjectOptions();
    D entry = stage.m_Palette.List<D>()[wIndex];
    entry.m_cInheritKind = static_cast<u8>(options.DefaultInheritKind<D>(kFromStagePalette));
    entry.m_wInheritIndex = wIndex;
    entry.m_bbInherit = options.DefaultInheritFlags<D>(kFromStagePalette);
    return entry;
}

void FillPalette(cStage& stage)
{
    cPaletteLists& palette = stage.m_Palette;
    palette.m_vBlock.push_back(Entry<cEdBlock>("地面", 3));
    palette.m_vBlock.push_back(Entry<cEdBlock>("レンガ", 1));
    palette.m_vBlock.push_back(Entry<cEdBlock>("？ブロック", 4));
    palette.m_vBlock.push_back(Entry<cEdBlock>("石", 2));
    cEdChara hero = Entry<cEdChara>("主人公", 1);
    hero.m_cControl = 0;  // the player
    hero.m_cFaceRight = 1;
    palette.m_vChara.push_back(hero);
    palette.m_vChara.push_back(Entry<cEdChara>("スライム", 2));
    palette.m_vItem.push_back(Entry<cEdItem>("コイン", 1));
    palette.m_vItem.push_back(Entry<cEdItem>("宝石", 2));
    palette.m_vItem.push_back(Entry<cEdItem>("ハート", 3));
}

void PutBlock(cStage& stage, u32 x, u32 y, u16 wIndex) { stage.m_vBlockGrid[stage.CellOf(x, y)] = Placed<cEdBlock>(stage, wIndex); }
void PutItem(cStage& stage, u32 x, u32 y, u16 wIndex) { stage.m_vItemGrid[stage.CellOf(x, y)] = Placed<cEdItem>(stage, wIndex); }
void PutChara(cStage& stage, u32 x, u32 y, u16 wIndex) { stage.PlaceChara(x, y, Placed<cEdChara>(stage, wIndex)); }

void LayOut(cStage& stage)
{
    // The ground, with a gap to jump over.
    for (u32 x = 0; x < kWidth; ++x) {
        if (x == 17 || x == 18) continue;
        for (u32 y = kGroundRow; y < kHeight; ++y) PutBlock(stage, x, y, kGround);
    }
    // A row of bricks with a question block, coins above it.
    for (u32 x = 7; x <= 11; ++x) PutBlock(stage, x, 9, x == 9 ? kQuestion : kBrick);
    for (u32 x = 7; x <= 11; x += 2) PutItem(stage, x, 7, kCoin);
    // Coins over the gap.
    for (u32 x = 16; x <= 19; ++x) PutItem(stage, x, 10, kCoin);
    // A floating platform with a gem.
    for (u32 x = 22; x <= 25; ++x) PutBlock(stage, x, 8, kBrick);
    PutItem(stage, 23, 6, kGem);
    // Stone stairs up to a heart.
    for (u32 step = 0; step < 4; ++step)
        for (u32 y = kGroundRow - 1 - step; y < kGroundRow; ++y) PutBlock(stage, 31 + step, y, kStone);
    PutItem(stage, 35, 7, kHeart);

    PutChara(stage, 2, kGroundRow - 1, kHero);
    PutChara(stage, 13, kGroundRow - 1, kSlime);
    PutChara(stage, 27, kGroundRow - 1, kSlime);
}

}  // namespace

void BuildSampleStage(cStage& stage)
{
    stage.New();
    stage.m_strName = "サンプルステージ";
    stage.SetSize(kWidth, kHeight, 0, 0);
    stage.m_vBackground[0].m_dwColor = kSkyColor;
    FillPalette(stage);
    LayOut(stage);
}
