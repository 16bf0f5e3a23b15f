#pragma once
// The GUI thread's message loop and its idle frame tick. Every message first
// passes the window registry's pre-translation, then is translated and
// dispatched. With the queue empty and the application active the frame
// tick waits (for a message, or for the next 1/60 s while an animated
// database page is shown) and gives every registered window its per-frame
// update.
#include "app/types.h"

// Nonzero while the application is active.
extern u32 g_bAppActive;
// Set when the editor is restored; the next frame tick gives the focus back.
extern u32 g_bFocusRequest;

// True when a new frame may start (rate 0: always).
bool FixedRateGate(u32 nRate);
// One frame; false asks the program to shut down.
bool FrameTick();
// Runs until WM_QUIT (its wParam is the result) or until a frame tick asks
// to stop (0).
int RunMessageLoop();
