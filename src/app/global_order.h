#pragma once
// The order in which the editor's global objects are built before the entry
// point runs; they are destroyed in the reverse order at exit. Each object is
// defined in its own module with TARVENOL_GLOBAL(its place). Every data object
// holds its defaults before start-up reads a file, and no object refers to
// another when it is built or destroyed, except that windows leave the window
// registry when they are destroyed: the registry comes before them.
enum eGlobalOrder : int {
    kGlobalCurFolder = 1000,  // the project folder
    kGlobalWorldCursor,
    kGlobalSheetSize,
    kGlobalEditState,         // the stage editor's edit state
    kGlobalEditConfig,
    kGlobalPrjOption,         // the project options
    kGlobalGValInfo,          // the variable info
    kGlobalWorldEditState,    // the world-map editor's state
    kGlobalWndList,           // the window registry
    kGlobalMainWnd,           // the top-level window
    kGlobalThread,            // the worker thread
    kGlobalStage,
    kGlobalWorldMap,
    kGlobalCommonPalette,
    kGlobalSystem,
    kGlobalDatabase,
    kGlobalCharaExcBitmaps,
    kGlobalBitmapSlots,
    kGlobalAnimeSeq,
    // The sound manager is built at its first use, by start-up, and so is
    // destroyed first.
};

#define TARVENOL_GLOBAL(place) __attribute__((init_priority(place)))
