#pragma once
// The project's data folder made from the default copy on first start, and
// the timed backups of the edit data (data to data_backup) and the editor
// settings (e_data to e_data_backup).
#include "app/types.h"

class cPrjOption;

// True when the data folder exists, or was copied from the default folder
// after the user agreed. False when there is no default folder (no message),
// when the user says No, or when the copy failed; a failed copy leaves no
// data folder behind.
bool CreateDefaultData(tWnd hOwner);

// Each copies its folder into a new backup folder that replaces the previous
// backup only once the copy is complete; a failure keeps the previous backup.
// False under the fatal-error flag or when the source folder is missing.
bool BackupEditData(tWnd hOwner);
bool BackupEditorSettings(tWnd hOwner);

// Puts back a backup folder that a backup cut short (a crash, a power cut)
// left only under its spare name; start-up calls it before anything looks at
// the backups. Each backup does it too before it begins. False when a
// backup could not be put back.
bool RecoverBackups();

// Whole minutes since the system started, from its millisecond tick count.
inline u32 TickToMinutes(u32 dwTickMs) { return dwTickMs / 1000 / 60; }

// Due once the interval has passed since the last backup, or when the clock
// is behind the last backup (the system restarted since).
bool IsBackupDue(u32 dwIntervalHours, u32 dwLastMinutes, u32 dwNowMinutes);

enum class eTimedBackup { Off, NotDue, Done, Failed };

// Backs up both folders when the project options' backup is on and due. The
// options take the current minute as their last backup and are saved to
// data\PrjOption.dat before the copy, so that the backup holds them; when
// the data folder's backup fails, the old time is put back (and saved), so
// that the next start tries again. Failures are logged.
eTimedBackup RunTimedBackup(tWnd hOwner, cPrjOption& options, u32 dwNowMinutes);
