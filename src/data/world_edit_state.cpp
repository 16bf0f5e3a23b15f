#include "data/world_edit_state.h"

cWorldEditState::cWorldEditState() : m_vPattern(kPatternWidth * kPatternHeight, 0) { Init({}); }

void cWorldEditState::Init(const std::vector<cWorldEvent>& templates)
{
    m_lpCurEvent = nullptr;
    m_dwLayer = 0;
    m_dwTool = 0;
    m_dwPickMode = 0;
    m_nSelIndex = 0;
    m_nListPos = 0;
    m_dwPenWidth = 1;
    m_dwPenHeight = 1;
    m_nPickX = -1;
    m_nPickY = -1;
    m_bPicking = 0;
    m_bClipValid = 0;
    cLayerState& events = m_Saved[1];
    events = cLayerState();
    if (templates.empty()) {
        events.nSelIndex = -1;
        events.nListPos = -1;
        events.dwPenWidth = 0;
        events.dwPenHeight = 0;
    } else {
        m_PenEvent = templates[0];
    }
    ClearHistory();
}

void cWorldEditState::ClearHistory()
{
    m_vUndoGrid.clear();
    m_vUndoEvents.clear();
    m_vRedoGrid.clear();
    m_vRedoEvents.clear();
}
