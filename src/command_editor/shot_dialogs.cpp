// The dialogs of the shot, sword, summon, message, warp, target and status
// operation commands, listed here as they are built.
#include "command_editor/cmd_dlg_base.h"

const cCmdDlgGroup g_ShotCmdDialogs{};
