#pragma once
// What the world-map editor is doing: the edit layer, the pen (a pattern of
// world chips or an event), the palettes' selection, the event clipboard and
// the undo and redo history of the grid and the events. One object lives for
// the whole run; the editor starts it afresh each time it opens the world
// map.
#include <vector>

#include "data/world_map.h"

class cWorldEditState {
public:
    // The largest world map: the chip pattern has a row for each of its rows.
    static constexpr u32 kPatternWidth = 200;
    static constexpr u32 kPatternHeight = 150;

    // What each edit layer (0 map chips, 1 events) keeps while the other one
    // is edited.
    struct cLayerState {
        u32 dwTool = 0;
        u32 dwPickMode = 0;
        s32 nSelIndex = 0;
        s32 nListPos = 0;
        u32 dwPenWidth = 1;
        u32 dwPenHeight = 1;
    };

    // Built as Init leaves it for a world map without templates.
    cWorldEditState();
    cWorldEditState(const cWorldEditState&) = delete;
    cWorldEditState& operator=(const cWorldEditState&) = delete;

    // The start state: layer 0 with the pen, nothing picked, no clipboard;
    // layer 1 starts at the first template when there is one; no history.
    void Init(const std::vector<cWorldEvent>& templates);
    void ClearHistory();

    u32 m_dwLayer = 0;
    u32 m_dwTool = 0;
    u32 m_dwPickMode = 0;
    std::vector<u32> m_vPattern;     // kPatternHeight rows of kPatternWidth chips
    cWorldEvent m_PenEvent;          // the template copy that the pen places
    const cWorldEvent* m_lpCurEvent = nullptr;  // the event under the popup menu
    u32 m_bClipValid = 0;
    cWorldEvent m_ClipEvent;
    s32 m_nSelIndex = 0;
    s32 m_nListPos = 0;
    s32 m_nPickX = -1;
    s32 m_nPickY = -1;
    u32 m_dwPenWidth = 1;
    u32 m_dwPenHeight = 1;
    u32 m_bPicking = 0;
    cLayerState m_Saved[2];
    std::vector<std::vector<u32>> m_vUndoGrid;
    std::vector<std::vector<cWorldEvent>> m_vUndoEvents;
    std::vector<std::vector<u32>> m_vRedoGrid;
    std::vector<std::vector<cWorldEvent>> m_vRedoEvents;
};
