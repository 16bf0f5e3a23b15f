#pragma once
// A stage save moves the file it overwrites to data\work\<file name> and
// deletes that backup once the new file is written. A stage file that lost
// its end marker (or is gone) after a crash is restored from that backup
// before it is loaded.
#include <string>

// What the recovery found and did.
enum class eRecovery : unsigned char {
    Intact,       // nothing to do (or the file can't be judged: the load reports it)
    Restored,     // the file was replaced by (or made from) its backup
    NotRestored,  // the file is damaged and stays as it was: no usable backup, or a step failed
};

// The backup that a save keeps of a stage file: data\work\ + its file name.
std::string StageBackupPath(const std::string& strPath);

// True when the file opens, is not newer than the program, and either is
// older than the end marker's check (174) or ends with the marker.
bool HasStageEndMarker(const std::string& strPath);

// Checks a stage file before it is loaded (the path may be relative, with
// or without a leading ".\", or absolute). A damaged file is replaced only
// by a backup that exists and ends with a valid end marker; the damaged
// file is then kept beside it under the name "<file>.broken" (or
// "<file>.broken<n>"). A missing file whose backup exists is restored from
// it. Every outcome that touches the file is told to the user.
eRecovery RecoverBrokenFile(const std::string& strPath);
