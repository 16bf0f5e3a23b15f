// The dialogs of the flow operation, stage clear and game wait commands,
// listed here as they are built.
#include "command_editor/cmd_dlg_base.h"

const cCmdDlgGroup g_FlowOpCmdDialogs{};
