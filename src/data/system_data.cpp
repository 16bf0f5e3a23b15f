#include "data/system_data.h"

#include "data/database.h"
#include "data/project_paths.h"
#include "data/serial.h"

namespace {

// A compatibility switch (member 45 + K) stored from a data version on.
template <size_t K>
cFieldDesc CompatField(u32 dwFrom)
{
    static_assert(K < cSystem::kCompatCount, "switch");
    return cFieldDesc{[](cEdData& rec) -> void* { return &static_cast<cSystem&>(rec).m_adwCompat[K]; }, 1, 4,
                      eFieldKind::Integer}
        .From(dwFrom);
}

constexpr const char* kStatusLabels[cSystem::kStatusItems] = {"スコア", "スコア", "HP", "SP", "人"};
constexpr u32 kStatusDigits[cSystem::kStatusItems] = {4, 3, 0, 0, 2};

constexpr const char* kOptionHelp =
    "「手動登録」によるランキング登録はステージクリア時にF3キーを押しましょう。\r\n\r\n"
    "リプレイは自動保存の設定に関係なくF1・F2キーでも手動保存できます。\r\n"
    "F1キー:現在プレイ中のステージにおける今回のプレイを保存\r\n"
    "F2キー:現在プレイ中のステージにおける1つ前のプレイを保存\r\n\r\n"
    "「リプレイ再生順」の「ソート順＆ステージクリアのみ」では、ファイル名の最後が\r\n"
    "「_CLEAR_」となっているリプレイのみが再生対象となります。";

constexpr const char* kTitleMenu[cSystem::kTitleMenuItems] = {
    "はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"};
constexpr const char* kPauseMenu[cSystem::kPauseMenuItems] = {"セーブ", "オートセーブ", "もどる", "タイトルへ"};
constexpr const char* kOptionMenu[cSystem::kOptionMenuItems] = {
    "カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "リプレイ自動保存", "リプレイ再生順",
    "リプレイのメッセージ自動進行秒数", "もどる"};

constexpr const char* kDefaultRankingKinds[cSystem::kRankingKinds] = {
    "手動登録（登録名入力）", "手動登録（登録名固定）", "自動登録（登録名入力）", "自動登録（登録名固定）"};
constexpr const char* kReplaySaveKinds[cSystem::kReplayKinds] = {"自動保存しない", "ステージクリア時のみ",
                                                                 "全て保存"};
constexpr const char* kReplayOrders[cSystem::kReplayKinds] = {"ソート順", "ソート順＆ステージクリアのみ",
                                                              "同じリプレイをリピート"};

constexpr const char* kDefaultGameTexts[cSystem::kGameTexts] = {
    "ワールド",
    "ステージ",
    "スコア",
    "ハイスコア",
    "トータルスコア",
    "スコア",
    "残り時間",
    "クリア時間",
    "残りHP",
    "残りSP",
    "ステージに挑む",
    "やっぱりやめる",
    "セーブする",
    "やっぱりやめる",
    "オートセーブＯＮ",
    "オートセーブＯＦＦ",
    "保存先が不明です！一度は「セーブ」して下さい！",
    "タイトルへ戻る",
    "やっぱりやめる",
    "しゅうりょう",
    "つづける",
    "リトライ",
    "マップへ戻る",
    "次のリプレイへ",
    "前のリプレイへ",
    "リプレイの選択へ",
    "リトライ",
    "マップへ戻る",
    "Vキーでジャンルの切り替え",
    "スペースキーでタイトルへ戻る",
    "スペースキーで終了",
    "F3キーでランキングへ登録",
    "Cキー：ソートの切り替え",
    "Vキー：エクスプローラーで開く",
    "Aキー：ファイル情報の更新",
    "更新日時順↓（推奨）",
    "更新日時順↑",
    "ファイル名順↓",
    "ファイル名順↑",
};

// The "System.ini" keys and their defaults; FreeStage is the text.
struct cIniDefaultEntry {
    const char* lpKey;
    u32 dwKind;
    u32 dwNumber;
};
constexpr cIniDefaultEntry kDefaultIniKeys[cSystem::kIniDefaults] = {
    {"Direct3D", cSysIniDefault::kNumber, 2},      {"WindowMode", cSysIniDefault::kNumber, 0},
    {"Bpp", cSysIniDefault::kNumber, 0},           {"VSync", cSysIniDefault::kNumber, 2},
    {"D3D_FontCache", cSysIniDefault::kNumber, 0}, {"DD_FontCache", cSysIniDefault::kNumber, 1},
    {"DD_VideoStretch", cSysIniDefault::kNumber, 0}, {"ShowFps", cSysIniDefault::kNumber, 1},
    {"FreeStage", cSysIniDefault::kText, 0},       {"English", cSysIniDefault::kNumber, 0},
    {"Midi_DirectMusic", cSysIniDefault::kNumber, 1},
};

constexpr u8 kStockTargets[cSystem::kStockItems] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                    1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0};
constexpr size_t kResetHp = 11, kResetSp = 12;
constexpr u32 kInitialLives[cSystem::kPlayModes] = {5, 5, 5, 99};

template <class T, size_t N>
std::vector<std::string> Texts(const T (&lpTexts)[N])
{
    return std::vector<std::string>(lpTexts, lpTexts + N);
}

template <size_t N>
std::vector<cSysMenuItem> Menu(const char* const (&lpTexts)[N])
{
    std::vector<cSysMenuItem> menu;
    for (const char* lpText : lpTexts) menu.emplace_back(1, lpText);
    return menu;
}

// Every index that is no record of the BGM table becomes 0.
void ClampToBgmTable(std::vector<u32>& vIndex, const cDatabase* lpDatabase)
{
    if (!lpDatabase) return;
    const size_t nCount = lpDatabase->m_vBgm.size();
    for (u32& dwIndex : vIndex)
        if (dwIndex >= nCount) dwIndex = 0;
}

}  // namespace

const cFieldTable& cSysMenuItem::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cSysMenuItem::m_bShown>(),
        Field<&cSysMenuItem::m_strText>(),
    };
    return s_Table;
}

const cFieldTable& cSysStatusItem::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cSysStatusItem::m_bShow>(),
        Field<&cSysStatusItem::m_bSymbol>(),
        Field<&cSysStatusItem::m_strLabel>(),
        Field<&cSysStatusItem::m_dwMaxDigits>(),
        Field<&cSysStatusItem::m_bShowNumber>().From(204),
        Field<&cSysStatusItem::m_dwBarThreshold>().From(587),
        Field<&cSysStatusItem::m_dwBarUnit>().From(587),
    };
    return s_Table;
}

bool cSysStatusItem::Load(cDataReader& file)
{
    if (!LoadBody(file)) return false;
    if (g_dwReadVersion < 204) m_bShowNumber = 1;
    return file.Ok();
}

const cFieldTable& cSysRanking::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cSysRanking::m_bOn>(),
    };
    return s_Table;
}

bool cSysRanking::Load(cDataReader& file) { return LoadBody(file) && LoadByteVector(m_vItem, file); }

void cSysRanking::Save(cDataWriter& file) const
{
    SaveBody(file);
    SaveByteVector(m_vItem, file);
}

const cFieldTable& cSysIniDefault::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cSysIniDefault::m_dwKind>(),
        Field<&cSysIniDefault::m_strKey>(),
        Field<&cSysIniDefault::m_dwNumber>(),
        Field<&cSysIniDefault::m_strText>(),
    };
    return s_Table;
}

void cSysIniDefault::SetNumber(const std::string& strKey, u32 dwNumber)
{
    m_strKey = strKey;
    m_dwKind = kNumber;
    m_dwNumber = dwNumber;
}

void cSysIniDefault::SetText(const std::string& strKey, const std::string& strText)
{
    m_strKey = strKey;
    m_dwKind = kText;
    m_strText = strText;
}

bool operator==(const cSysMenuItem& a, const cSysMenuItem& b) { return cEdData::IsEqual(a, b) != 0; }
bool operator==(const cSysStatusItem& a, const cSysStatusItem& b) { return cEdData::IsEqual(a, b) != 0; }
bool operator==(const cSysRanking& a, const cSysRanking& b)
{
    return cEdData::IsEqual(a, b) && a.m_vItem == b.m_vItem;
}
bool operator==(const cSysIniDefault& a, const cSysIniDefault& b) { return cEdData::IsEqual(a, b) != 0; }

cSystem::cSystem()
{
    Clear();
    SetDefaults();
}

// The numeric block in member order (one entry per numbered member), then
// the strings: GetMember relies on the numbered members coming first.
const cFieldTable& cSystem::FieldTable()
{
    static const cFieldTable s_Table{
        Field<&cSystem::m_bClearUp>().From(185),
        Field<&cSystem::m_dwScorePerUp>(),
        Field<&cSystem::m_bSpacePause>().From(838),
        Field<&cSystem::m_bPauseHidesObjects>(),
        Field<&cSystem::m_bSymbols>(),
        Field<&cSystem::m_dwFont>().From(205),
        Field<&cSystem::m_bUniformSpacing>().From(170),
        Field<&cSystem::m_bTestFlowsAlways>().From(113),
        Field<&cSystem::m_dwCharaDrawType>().From(855),
        Field<&cSystem::m_bReplaySave>().From(184),
        Field<&cSystem::m_bReplayManualSave>().From(943),
        Field<&cSystem::m_dwReplayFileName>().From(933),
        Field<&cSystem::m_bOldFileDialog>().From(943),
        Field<&cSystem::m_bGameModeImage>().From(157),
        Field<&cSystem::m_bNewGameAsksSave>().From(821),
        Field<&cSystem::m_bShowOptionHelp>().From(932),
        Field<&cSystem::m_bStoryLivesShared>(),
        Field<&cSystem::m_bStoryMapAtDeath>().From(191),
        Field<&cSystem::m_bStoryMapLives>().From(191),
        Field<&cSystem::m_bStoryAutoSave>().From(915),
        Field<&cSystem::m_dwChallengeWorlds>(),
        Field<&cSystem::m_bChallengeAllWorlds>(),
        Field<&cSystem::m_bStoryHighScore>().From(167),
        Field<&cSystem::m_bStoryTotalScore>().From(167),
        Field<&cSystem::m_bStoryRestoreVars>().From(188),
        Field<&cSystem::m_bStoryRetry>().From(224),
        Field<&cSystem::m_bChallengeHighScore>().From(167),
        Field<&cSystem::m_bChallengeTotalScore>().From(167),
        Field<&cSystem::m_bChallengeRestoreVars>().From(188),
        Field<&cSystem::m_bChallengeRetry>().From(224),
        Field<&cSystem::m_bFreeRestoreVars>().From(188),
        Field<&cSystem::m_bTestRestoreVars>().From(192),
        Field<&cSystem::m_dwBitmapFormat>().From(187),
        Field<&cSystem::m_byTransparentR>().From(187),
        Field<&cSystem::m_byTransparentG>().From(187),
        Field<&cSystem::m_byTransparentB>().From(187),
        Field<&cSystem::m_bCompatAutoScrollAim>().From(214),
        RetiredField<u32>().From(221).Until(260),
        Field<&cSystem::m_bCompatGiantFlyPos>().From(261),
        Field<&cSystem::m_bDeathByCommand>().From(272),
        Field<&cSystem::m_bInvincibleEffect>().From(287),
        Field<&cSystem::m_dwEffectSpeed>().From(515),
        Field<&cSystem::m_bInvincibleColors>().From(289),
        Field<&cSystem::m_bStoryMapFromPause>().From(757),
        CompatField<0>(525),   // 45 flow condition checks (up to 5.23)
        CompatField<1>(555),   // 46 shots of formation "落雷" (up to 5.54)
        CompatField<2>(637),   // 47 block summoning (up to 6.16)
        CompatField<3>(669),   // 48 key conditions (up to 6.68)
        CompatField<4>(677),   // 49 riding on blocks (up to 6.76)
        CompatField<5>(695),   // 50 moves with a negative speed (up to 6.94)
        CompatField<6>(696),   // 51 (no control on the settings pages)
        CompatField<7>(697),   // 52 flows timed "ステージ開始前" (up to 6.96)
        CompatField<8>(721),   // 53 warps in the input direction of walking charas (up to 7.20)
        CompatField<9>(728),   // 54 rush moves with an angle (up to 7.22)
        CompatField<10>(733),  // 55 distance conditions (up to 7.32)
        CompatField<11>(744),  // 56 repeated flow execution (up to 7.34)
        CompatField<12>(749),  // 57 jumps of computer-controlled charas (up to 7.47)
        CompatField<13>(752),  // 58 operator order of "コードの実行" (up to 7.51)
        CompatField<14>(763),  // 59 timings "ダメージを受けた時" and "衝撃を受けた時" (up to 7.59)
        CompatField<15>(763),  // 60 shots without any effect (up to 7.59)
        CompatField<16>(768),  // 61 straight moves to a target relative to the placed position (up to 7.59)
        CompatField<17>(773),  // 62 straight moves with one axis disabled (up to 7.72)
        CompatField<18>(781),  // 63 head bumps against blocks (up to 7.80)
        CompatField<19>(782),  // 64 warps during scrolling (up to 7.81)
        CompatField<20>(783),  // 65 straight moves towards target coordinates (up to 7.82)
        CompatField<21>(793),  // 66 falling after leaving action or item blocks (up to 7.92)
        CompatField<22>(805),  // 67 ground turn-around moves with negative speed (up to 8.04)
        CompatField<23>(808),  // 68 head bumps against block charas (up to 8.07)
        CompatField<24>(818),  // 69 position correction against block charas (up to 8.16)
        CompatField<25>(818),  // 70 standing on a block in status condition 3 (up to 8.17)
        CompatField<26>(819),  // 71 remaining lives when lives are infinite (up to 8.18)
        CompatField<27>(822),  // 72 warps to absolute and screen coordinates (up to 8.21)
        CompatField<28>(827),  // 73 reset after death of the stock (up to 8.25)
        CompatField<29>(831),  // 74 position of flying charas enlarged during a stage (up to 8.29)
        CompatField<30>(833),  // 75 pictures shown at a chara's centre (8.17 to 8.32)
        CompatField<31>(837),  // 76 block summoning failing on an enemy in the way (up to 8.36)
        CompatField<32>(839),  // 77 non-block charas touching block charas (up to 8.37)
        CompatField<33>(841),  // 78 several impact shots hitting at once (up to 8.40)
        CompatField<34>(845),  // 79 the player's fixed-height jump before a very short command (up to 8.44)
        CompatField<35>(845),  // 80 enemies' jump before a very short command (up to 8.44)
        CompatField<36>(845),  // 81 the player's jump height (up to 8.44)
        CompatField<37>(845),  // 82 block charas carrying charas off a block (6.56 to 8.44)
        CompatField<38>(861),  // 83 some checks of status condition 3 (up to 8.60)
        CompatField<39>(875),  // 84 key conditions not repeated while held (up to 8.73)
        CompatField<40>(894),  // 85 screen-coordinate warps of enlarged charas (8.22 to 8.90)
        CompatField<41>(895),  // 86 X and Y changes of enlarged charas by status or code commands (8.90)
        CompatField<42>(896),  // 87 Y changes of enlarged walking charas by the code command (8.90)
        CompatField<43>(897),  // 88 vertical impacts on walking charas (up to 8.96)
        CompatField<44>(904),  // 89 pausing and resuming flows by "フローの操作" (up to 9.03)
        CompatField<45>(912),  // 90 crush checks between block charas (up to 9.11)
        CompatField<46>(913),  // 91 commands using the target after an instant move of the player (up to 9.12)
        Field<&cSystem::m_dwD3DFullScreenBpp>().From(670),
        Field<&cSystem::m_dwDDFullScreenBpp>().From(670),
        Field<&cSystem::m_bFreeStageToTitle>().From(880),
        Field<&cSystem::m_strTitle>(),
        Field<&cSystem::m_strOptionHelp>().From(932),
    };
    return s_Table;
}

void cSystem::SetDefaults()
{
    m_strTitle.clear();
    m_strOptionHelp = kOptionHelp;

    const struct {
        int nMember;
        u32 dwValue;
    } kNumbers[] = {
        {2, 100}, {4, 1},  {6, 60},  {10, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1},
        {21, 40}, {22, 1}, {23, 1},  {24, 1}, {25, 1}, {26, 1}, {27, 1}, {28, 1}, {29, 1}, {30, 1},
        {31, 1},  {42, 16}, {44, 1}, {93, 2},
    };
    for (const auto& n : kNumbers) SetMember(n.nMember, n.dwValue);

    m_vStockTarget.assign(kStockTargets, kStockTargets + kStockItems);
    m_vResetAfterDeath.assign(kStockItems, 0);
    m_vResetAfterDeath[kResetHp] = 1;
    m_vResetAfterDeath[kResetSp] = 1;

    m_vStatusItem.assign(kStatusItems, cSysStatusItem());
    for (size_t i = 0; i < kStatusItems; ++i) {
        cSysStatusItem& item = m_vStatusItem[i];
        item.m_bShow = 1;
        item.m_bSymbol = 1;
        item.m_dwMaxDigits = kStatusDigits[i];
        item.m_strLabel = kStatusLabels[i];
    }

    m_vInitialLives.assign(kInitialLives, kInitialLives + kPlayModes);
    m_vInfiniteLives.assign(kPlayModes, 1);
    m_vRanking.assign(kPlayModes, cSysRanking());
    for (size_t i = 0; i + 1 < kPlayModes; ++i) {
        m_vRanking[i].m_bOn = 1;
        m_vRanking[i].m_vItem.assign(cSysRanking::kItems, 1);
    }

    m_vGameText = Texts(kDefaultGameTexts);
    m_vSoundEffect.assign(kSoundEffects, std::string());
    m_vScreenBgm.assign(kScreenBgms, 0);
    m_vScreenBgmLoop.assign(kScreenBgms, 1);
    m_vTitleMenu = Menu(kTitleMenu);
    m_vPauseMenu = Menu(kPauseMenu);
    m_vOptionMenu = Menu(kOptionMenu);
    m_vRankingKind = Texts(kDefaultRankingKinds);
    m_vReplaySaveKind = Texts(kReplaySaveKinds);
    m_vReplayOrder = Texts(kReplayOrders);

    m_vIniDefault.assign(kIniDefaults, cSysIniDefault());
    for (size_t i = 0; i < kIniDefaults; ++i) {
        const cIniDefaultEntry& e = kDefaultIniKeys[i];
        if (e.dwKind == cSysIniDefault::kText)
            m_vIniDefault[i].SetText(e.lpKey, "");
        else
            m_vIniDefault[i].SetNumber(e.lpKey, e.dwNumber);
    }
}

void cSystem::Save(cDataWriter& file) const
{
    std::vector<u32> vBgm = m_vScreenBgm;
    ClampToBgmTable(vBgm, m_lpDatabase);
    SaveBody(file);
    SaveByteVector(m_vStockTarget, file);
    SaveByteVector(m_vResetAfterDeath, file);
    SaveRecordList(m_vStatusItem, file);
    SaveIntVector(m_vInitialLives, file);
    SaveIntVector(m_vInfiniteLives, file);
    SaveRecordList(m_vRanking, file);
    WriteStringVector(m_vGameText, file);
    WriteStringVector(m_vSoundEffect, file);
    SaveIntVector(vBgm, file);
    SaveByteVector(m_vScreenBgmLoop, file);
    SaveRecordList(m_vTitleMenu, file);
    SaveRecordList(m_vPauseMenu, file);
    SaveRecordList(m_vOptionMenu, file);
    WriteStringVector(m_vRankingKind, file);
    SaveRecordList(m_vIniDefault, file);
}

u32 cSystem::SaveFile(u32 bOnlyIfOlder)
{
    const char* lpPath = g_strPath[kPathSystem];
    ClampBgmIndices();
    if (bOnlyIfOlder && !IsFileOlderThan(lpPath, kDataVersion)) return 0;
    return cEdData::SaveFile(lpPath);
}

void cSystem::ClampBgmIndices() { ClampToBgmTable(m_vScreenBgm, m_lpDatabase); }

const cSystem& cSystem::Defaults()
{
    static const cSystem s_Defaults;
    return s_Defaults;
}

namespace {

const cFieldDesc* MemberField(int nMember)
{
    if (nMember < cSystem::kFirstMember || nMember > cSystem::kLastMember || nMember == 38) return nullptr;
    return &cSystem::FieldTable().All()[nMember - 1];
}

}  // namespace

u32 cSystem::GetMember(int nMember) const
{
    const cFieldDesc* d = MemberField(nMember);
    if (!d) return 0;
    const void* lpValue = d->Address(*this);
    return d->m_nWidth == 1 ? *static_cast<const u8*>(lpValue) : *static_cast<const u32*>(lpValue);
}

void cSystem::SetMember(int nMember, u32 dwValue)
{
    const cFieldDesc* d = MemberField(nMember);
    if (!d) return;
    void* lpValue = d->Address(*this);
    if (d->m_nWidth == 1)
        *static_cast<u8*>(lpValue) = static_cast<u8>(dwValue);
    else
        *static_cast<u32*>(lpValue) = dwValue;
}

bool operator==(const cSystem& a, const cSystem& b)
{
    return cEdData::IsEqual(a, b) && a.m_vStockTarget == b.m_vStockTarget &&
           a.m_vResetAfterDeath == b.m_vResetAfterDeath && a.m_vStatusItem == b.m_vStatusItem &&
           a.m_vInitialLives == b.m_vInitialLives && a.m_vInfiniteLives == b.m_vInfiniteLives &&
           a.m_vRanking == b.m_vRanking && a.m_vGameText == b.m_vGameText && a.m_vSoundEffect == b.m_vSoundEffect &&
           a.m_vScreenBgm == b.m_vScreenBgm && a.m_vScreenBgmLoop == b.m_vScreenBgmLoop &&
           a.m_vTitleMenu == b.m_vTitleMenu && a.m_vPauseMenu == b.m_vPauseMenu &&
           a.m_vOptionMenu == b.m_vOptionMenu && a.m_vRankingKind == b.m_vRankingKind &&
           a.m_vIniDefault == b.m_vIniDefault && a.m_vReplaySaveKind == b.m_vReplaySaveKind &&
           a.m_vReplayOrder == b.m_vReplayOrder;
}
