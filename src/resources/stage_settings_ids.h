// Resource IDs of the stage settings window's pages and the background
// dialog; their controls carry the IDs the pages bind by number.
#pragma once

#define IDD_STAGE_BACKGROUND 136
#define IDD_STAGE_BASIC 144
#define IDD_STAGE_ADV 241
#define IDD_STAGE_ADV2 242
