#pragma once
// The project's folder tree: every file name the editor uses, relative to
// the project folder (the current directory), and the folders it creates.
#include "app/types.h"

// Indices into g_strPath. Each file of the data folder that has a default
// copy is followed by the copy's entry.
enum ePath : int {
    kPathData,
    kPathDefault,
    kPathStage,
    kPathStageOldVer,
    kPathWork,
    kPathDataBackup,
    kPathEData,
    kPathSheetSize,
    kPathEditConfig,
    kPathEDataBackup,
    kPathPrjOption,
    kPathDefPrjOption,
    kPathCommonPalette,
    kPathDefCommonPalette,
    kPathGValInfo,
    kPathDefGValInfo,
    kPathDefaultStage,      // "***" stands for the three version digits
    kPathDefDefaultStage,
    kPathWorldMap,
    kPathDefWorldMap,
    kPathAnimeSet,
    kPathDefAnimeSet,
    kPathAnime,
    kPathDefAnime,
    kPathCharaExcBmp,
    kPathDefCharaExcBmp,
    kPathSwordType,
    kPathDefSwordType,
    kPathEffect,
    kPathDefEffect,
    kPathCharaEffect,
    kPathDefCharaEffect,
    kPathScrEffect,
    kPathDefScrEffect,
    kPathPicture,
    kPathDefPicture,
    kPathSound,
    kPathDefSound,
    kPathBgm,
    kPathDefBgm,
    kPathSystem,
    kPathDefSystem,
    kPathStageC,
    kPathUserStory,
    kPathUserChallenge,
    kPathUserFree,
    kPathUserReplay,
    kPathUserStoryFile,
    kPathUserChallengeFile,
    kPathUserFreeFile,
    kPathUserReplayFile,
    kPathUserOption,
    kPathUserData,
    kPathUserKeyConfig,
    kPathUserBoot,
    kPathUserWindow,
    kPathCount
};

enum eExt : int {
    kExtCommonPalette,
    kExtStage,
    kExtStagePalette,
    kExtReplay,
    kExtRanking,
    kExtCount
};

extern const char* const g_strPath[kPathCount];
extern const char* const g_strExt[kExtCount];
// Colour choices of the settings pages, ended by an empty text.
extern const char* const g_strColorName[];

// Folder lists, each ended by a null entry.
extern const char* const g_lpEditorFolders[];
extern const char* const g_lpProjectFolders[];

// Creates every folder of a list; folders that exist or can't be made are
// skipped.
void CreateFolders(const char* const* lpFolders);
