#pragma once
// The project's data objects: built with their defaults before the entry
// point runs (in the order of app/global_order.h), loaded by start-up, edited
// in place by the windows and saved by them and by shutdown. No window owns
// data.
#include <string>

#include "data/common_palette.h"
#include "data/database.h"
#include "data/edit_config.h"
#include "data/gval_info.h"
#include "data/prj_option.h"
#include "data/sheet_size.h"
#include "data/stage.h"
#include "data/system_data.h"
#include "data/world_edit_state.h"
#include "data/world_map.h"

// The project folder: the current directory as start-up found it.
extern std::string g_strCurFolder;
extern cWorldCursor g_WorldCursor;
extern cSheetSize g_SheetSize;
extern cEditConfig g_EditConfig;
extern cPrjOption g_PrjOption;
extern cGValInfo g_GValInfo;
extern cWorldEditState g_WorldEditState;
extern cStage g_Stage;
extern cWorldMap g_WorldMap;
extern cCommonPalette g_CommonPalette;
extern cSystem g_System;
extern cDatabase g_Database;

// Makes the project's objects what entries and flows are read and checked
// against: the common palette and the stage as the two palettes, the
// project options, and the database's tables. RemoveProjectContext goes
// back to knowing none of them.
void InstallProjectContext();
void RemoveProjectContext();
