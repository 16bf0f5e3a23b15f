// Resource IDs of the control kit's test dialog.
#pragma once

#define IDD_KIT 3201

#define IDC_K_S16 3301
#define IDC_K_S16_SPIN 3302
#define IDC_K_S32 3303
#define IDC_K_S32_SPIN 3304
#define IDC_K_DOUBLE 3305
#define IDC_K_DOUBLE_SPIN 3306
#define IDC_K_S8 3307
#define IDC_K_S8_SPIN 3308
#define IDC_K_U8 3309
#define IDC_K_U8_SPIN 3310
#define IDC_K_FLOAT 3311
#define IDC_K_U16 3312
#define IDC_K_U32 3313

#define IDC_K_NAME 3320
#define IDC_K_PATH 3321
#define IDC_K_MESSAGE 3322

#define IDC_K_DIRECTION 3330
#define IDC_K_STRENGTH 3331
#define IDC_K_BLOCK 3332
#define IDC_K_SHOW 3333
#define IDC_K_FLIP 3334
#define IDC_K_OFF 3335
#define IDC_K_VOLUME 3336
#define IDC_K_VOLUME_EDIT 3337
#define IDC_K_RED 3338
#define IDC_K_PICTURE 3339
#define IDC_K_RESET 3340
#define IDC_K_SCROLL 3341
