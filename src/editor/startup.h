#pragma once
// Start-up and shutdown of the editor. WinMain opens the logs, keeps to one
// running instance unless the user wants another, registers the top-level
// window class and runs InitApplication; after the message loop,
// ExitApplication.
#include <windows.h>

#include "editor/editor_host.h"

// The host of the running editor.
cEditorHost& EditorHost();

// Fixes the working directory, names the error log and creates the report
// log with the version line and the system report. False when the report log
// can't be created.
bool OpenLogs();
// The single-instance mutex "エディター". When it exists already, the user is
// asked whether to start a second editor; null when they say No (the mutex
// released and closed), else the mutex to release at the end.
HANDLE ClaimSingleInstance(bool& bRefused);
bool RegisterMainClass(HINSTANCE hInstance);

// WinMain up to its message loop, in order: the timer period, the dialogs'
// scroll-bar IDs, the host, the logs, the single-instance mutex, the window
// class and InitApplication. False when the program is to end at once (exit
// code 0); else the mutex to release after ExitApplication (may be null).
bool StartEditor(HINSTANCE hInstance, HANDLE& hMutex);

// Loads the project, opens sound, creates the top-level window and the stage
// editor window, settles the sheet rate and runs the timed backup when due.
// False ends the program.
bool InitApplication();
// Saves what shutdown saves (only after a complete start-up and no fatal
// error), then releases sound and the keyboard hook.
void ExitApplication();
// True once InitApplication has run to its end.
bool IsStarted();
