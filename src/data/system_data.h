#pragma once
// The system data (data\System.dat): the settings of the game as a whole
// that the game program reads — title, menus, texts, play-mode rules, lives
// and rankings, stock and replay options, the sounds of the game's screens,
// the defaults of the "System.ini" keys and the compatibility switches that
// keep older projects behaving as they did.
#include <string>
#include <vector>

#include "data/ed_data.h"
#include "flow/name_table.h"

class cDatabase;

// One item of a menu of the game.
class cSysMenuItem : public cEdRecord<cSysMenuItem> {
public:
    cSysMenuItem() = default;
    cSysMenuItem(u32 bShown, const std::string& strText) : m_bShown(bShown), m_strText(strText) {}

    u32 m_bShown = 1;
    std::string m_strText;

    static const cFieldTable& FieldTable();
};

// One item of the game's status window: world score, score, HP, SP or the
// remaining lives.
class cSysStatusItem : public cEdRecord<cSysStatusItem> {
public:
    u32 m_bShow = 0;          // "表示"
    u32 m_bSymbol = 0;        // "シンボルを表示"
    std::string m_strLabel;   // "文字"
    u32 m_dwMaxDigits = 0;    // "最大桁数"
    u32 m_bShowNumber = 0;    // "数値を表示" (HP and SP)
    u32 m_dwBarThreshold = 0; // the HP or SP bar changes colour at or below it
    u32 m_dwBarUnit = 0;      // the threshold's unit

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
};

// The ranking of one play mode and the items it ranks by.
class cSysRanking : public cEdRecord<cSysRanking> {
public:
    static constexpr size_t kItems = 5;  // "スコア", "残り時間", "クリア時間", "残りHP", "残りSP"

    u32 m_bOn = 0;
    std::vector<u8> m_vItem = std::vector<u8>(kItems, 0);

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;
};

// The default of one "System.ini" key, used by the game when its System.ini
// lacks the key: a number (kind 0) or a text (kind 1).
class cSysIniDefault : public cEdRecord<cSysIniDefault> {
public:
    enum : u32 { kNumber = 0, kText = 1 };

    u32 m_dwKind = kNumber;
    std::string m_strKey;
    u32 m_dwNumber = 0;
    std::string m_strText;

    static const cFieldTable& FieldTable();
    void SetNumber(const std::string& strKey, u32 dwNumber);
    void SetText(const std::string& strKey, const std::string& strText);
};

bool operator==(const cSysMenuItem& a, const cSysMenuItem& b);
bool operator==(const cSysStatusItem& a, const cSysStatusItem& b);
bool operator==(const cSysRanking& a, const cSysRanking& b);
bool operator==(const cSysIniDefault& a, const cSysIniDefault& b);

class cSystem : public cEdRecord<cSystem> {
public:
    // Numbered members, in the order of the file's numeric block. Member 38
    // was retired; files of 221 to 259 still hold it.
    static constexpr int kFirstMember = 1;
    static constexpr int kLastMember = 94;
    static constexpr int kFirstCompat = 45;  // compatibility switches 45 to 91
    static constexpr int kCompatCount = 47;

    // Fixed sizes of the lists after the numbered members.
    static constexpr size_t kStockItems = 25;
    static constexpr size_t kStatusItems = 5;
    static constexpr size_t kPlayModes = 4;  // story, challenge, free, stage test play
    static constexpr size_t kGameTexts = 39;
    static constexpr size_t kSoundEffects = 17;
    static constexpr size_t kScreenBgms = 6;
    static constexpr size_t kTitleMenuItems = 7;
    static constexpr size_t kPauseMenuItems = 4;
    static constexpr size_t kOptionMenuItems = 9;
    static constexpr size_t kRankingKinds = 4;
    static constexpr size_t kIniDefaults = 11;
    static constexpr size_t kReplayKinds = 3;

    cSystem();
    // A system data object as a new project has it.
    static const cSystem& Defaults();

    // The database whose BGM table the screens' BGM indices refer to; until
    // one is set no index is clamped.
    void SetDatabase(const cDatabase* lpDatabase) { m_lpDatabase = lpDatabase; }

    static const cFieldTable& FieldTable();
    void SetDefaults();
    // Reads the body and the lists of the file's version, then upgrades what
    // an older program wrote.
    bool Load(cDataReader& file) override;
    // Writes version 950 with the BGM indices clamped.
    void Save(cDataWriter& file) const override;

    using cEdData::LoadFile;
    using cEdData::SaveFile;
    // Writes data\System.dat; with bOnlyIfOlder only when the file there was
    // written by an older program (else 0 and nothing written).
    u32 SaveFile(u32 bOnlyIfOlder);
    // Every BGM index that is no record of the BGM table becomes 0.
    void ClampBgmIndices();

    // A numbered member by its number (1 to 94; 38 and unknown numbers read
    // as 0 and take nothing).
    u32 GetMember(int nMember) const;
    void SetMember(int nMember, u32 dwValue);

    friend bool operator==(const cSystem& a, const cSystem& b);
    friend bool operator!=(const cSystem& a, const cSystem& b) { return !(a == b); }

    // Strings.
    std::string m_strTitle;        // "ゲームタイトル" (at most 30 characters)
    std::string m_strOptionHelp;   // the option description

    // Numbered members 1 to 37.
    u32 m_bClearUp = 0;              //  1 "ステージクリア時に1UP処理をする"
    u32 m_dwScorePerUp = 0;          //  2 "につき1UP" (1 to 999,999)
    u32 m_bSpacePause = 0;           //  3 "スペースキーでポーズ"
    u32 m_bPauseHidesObjects = 0;    //  4 "ポーズ中に配置物を表示しない"
    u32 m_bSymbols = 0;              //  5 "シンボル画像の表示に対応"
    u32 m_dwFont = 0;                //  6 index into g_SysFontNames
    u32 m_bUniformSpacing = 0;       //  7 "文字間を均一にする"
    u32 m_bTestFlowsAlways = 0;      //  8 test-play flows run outside test play too
    u32 m_dwCharaDrawType = 0;       //  9 index into g_SysCharaDrawTypeNames
    u32 m_bReplaySave = 0;           // 10 replays may be saved
    u32 m_bReplayManualSave = 0;     // 11 ... by hand with F1 and F2
    u32 m_dwReplayFileName = 0;      // 12 index into g_SysReplayFileNameNames
    u32 m_bOldFileDialog = 0;        // 13 explorer-style file selection in free and replay mode
    u32 m_bGameModeImage = 0;        // 14 bmp\GameMode.bmp on the title screen
    u32 m_bNewGameAsksSave = 0;      // 15 "はじめから" asks for the save file, autosave on
    u32 m_bShowOptionHelp = 0;       // 16 "説明を表示"
    u32 m_bStoryLivesShared = 0;     // 17 story: lives shared over the whole story
    u32 m_bStoryMapAtDeath = 0;      // 18 story: back to the world map at every death
    u32 m_bStoryMapLives = 0;        // 19 story: remaining lives shown on the world map
    u32 m_bStoryAutoSave = 0;        // 20 story: autosave at each clear in many-stage worlds
    u32 m_dwChallengeWorlds = 0;     // 21 challenge: "ワールド数" (1 to 99)
    u32 m_bChallengeAllWorlds = 0;   // 22 challenge: every world selectable from the start
    u32 m_bStoryHighScore = 0;       // 23
    u32 m_bStoryTotalScore = 0;      // 24
    u32 m_bStoryRestoreVars = 0;     // 25 story: common variables restored on a plain return to the map
    u32 m_bStoryRetry = 0;           // 26 story: retry from the pause menu in a cleared world
    u32 m_bChallengeHighScore = 0;   // 27
    u32 m_bChallengeTotalScore = 0;  // 28
    u32 m_bChallengeRestoreVars = 0; // 29 challenge: common variables restored at death
    u32 m_bChallengeRetry = 0;       // 30
    u32 m_bFreeRestoreVars = 0;      // 31 free: common variables restored at death
    u32 m_bTestRestoreVars = 0;      // 32 stage test play: likewise
    u32 m_dwBitmapFormat = 0;        // 33 index into g_SysBitmapFormatNames; read at project load
    u8 m_byTransparentR = 0;         // 34-36 transparent colour of 24-bit bitmaps
    u8 m_byTransparentG = 0;
    u8 m_byTransparentB = 0;
    u32 m_bCompatAutoScrollAim = 0;  // 37 rush, homing and aimed shots during auto-scroll as up to 2.12
    // Numbered members 39 to 44.
    u32 m_bCompatGiantFlyPos = 0;    // 39 start position of enlarged flying charas as up to 2.60
    u32 m_bDeathByCommand = 0;       // 40 death effect and sound for deaths by the status or code commands
    u32 m_bInvincibleEffect = 0;     // 41
    u32 m_dwEffectSpeed = 0;         // 42 (1 to 32)
    u32 m_bInvincibleColors = 0;     // 43 invincibility colour animation on 256-colour screens
    u32 m_bStoryMapFromPause = 0;    // 44 story: back to the map from the pause menu in a cleared world
    // Members 45 to 91: each keeps one behaviour of an older version (1).
    u32 m_adwCompat[kCompatCount] = {};
    // Numbered members 92 to 94.
    u32 m_dwD3DFullScreenBpp = 0;    // 92 index into g_SysD3DBppNames, used when "Bpp" is 0
    u32 m_dwDDFullScreenBpp = 0;     // 93 index into g_SysDDBppNames, likewise
    u32 m_bFreeStageToTitle = 0;     // 94 to the title after clearing the "FreeStage" stage

    // The lists stored after the registered members, in file order.
    std::vector<u8> m_vStockTarget;        // per stock item
    std::vector<u8> m_vResetAfterDeath;    // "死亡後にリセット", per stock item
    std::vector<cSysStatusItem> m_vStatusItem;
    std::vector<u32> m_vInitialLives;      // per play mode (1 to 99)
    std::vector<u32> m_vInfiniteLives;     // "∞", per play mode
    std::vector<cSysRanking> m_vRanking;   // per play mode
    std::vector<std::string> m_vGameText;
    std::vector<std::string> m_vSoundEffect;  // file names, by g_SysSoundEffectNames
    std::vector<u32> m_vScreenBgm;         // BGM table indices, by g_SysScreenBgmNames
    std::vector<u8> m_vScreenBgmLoop;      // "ループ再生"
    std::vector<cSysMenuItem> m_vTitleMenu;
    std::vector<cSysMenuItem> m_vPauseMenu;
    std::vector<cSysMenuItem> m_vOptionMenu;
    std::vector<std::string> m_vRankingKind;  // names of the ranking registration kinds
    std::vector<cSysIniDefault> m_vIniDefault;
    // Edited beside the ranking registration kinds, but never stored: the
    // game program knows them itself.
    std::vector<std::string> m_vReplaySaveKind;
    std::vector<std::string> m_vReplayOrder;

private:
    // Pads or cuts every list to its fixed size, so that no reader indexes
    // past the end whatever count a file held.
    void FitListsToSizes();
    // The steps that turn an older file's content into today's.
    void Upgrade(u32 dwVersion);

    const cDatabase* m_lpDatabase = nullptr;
};

// The items of the stock targets and of the reset after death, in order.
extern const cNameTable g_SysStockItemNames;
// The game's sound effects, and the screens with a BGM, in list order.
extern const cNameTable g_SysSoundEffectNames;
extern const cNameTable g_SysScreenBgmNames;
// Choices of the settings pages, each ended by an empty text.
extern const cNameTable g_SysFontNames;
extern const cNameTable g_SysCharaDrawTypeNames;
extern const cNameTable g_SysReplayFileNameNames;
extern const cNameTable g_SysBitmapFormatNames;
extern const cNameTable g_SysDDBppNames;
extern const cNameTable g_SysD3DBppNames;
