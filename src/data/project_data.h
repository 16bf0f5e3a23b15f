#pragma once
// The project's data objects: built with their defaults before the entry
// point runs (in the order of app/global_order.h), loaded by start-up, edited
// in place by the windows and saved by them and by shutdown. No window owns
// data.
#include <string>

#include "data/database.h"
#include "data/prj_option.h"
#include "data/sheet_size.h"
#include "data/system_data.h"
#include "data/world_map.h"

// The project folder: the current directory as start-up found it.
extern std::string g_strCurFolder;
extern cWorldCursor g_WorldCursor;
extern cSheetSize g_SheetSize;
extern cPrjOption g_PrjOption;
extern cWorldMap g_WorldMap;
extern cSystem g_System;
extern cDatabase g_Database;
