// The dialogs of the wait, move, status 2, vanish, item get, graphic change,
// anime, effect, picture, screen colour and background commands, listed here
// as they are built.
#include "command_editor/cmd_dlg_base.h"

const cCmdDlgGroup g_MoveCmdDialogs{};
