#pragma once
// The stage window's file sequences that need no window: the overwrite save
// with its backup in data\work\, the save to a chosen file with the older
// file of the same stage, the check that the stage file is still there and
// the loads that replace the stage or its palette only when the whole file
// was read. The stage window runs the file dialogs and hands the rest here.
#include <string>

#include "app/types.h"

class cStage;
class cEditState;

// The file steps of a stage save, apart so that a test can make any of
// them fail.
class cStageFileOps {
public:
    virtual ~cStageFileOps() = default;
    virtual bool Exists(const std::string& strPath);
    // Moves a file over the target, replacing it.
    virtual bool Move(const std::string& strFrom, const std::string& strTo);
    // Writes the stage file through the safe-save helper.
    virtual bool Write(const cStage& stage, const std::string& strPath);
    virtual bool Delete(const std::string& strPath);
    virtual bool MakeFolder(const std::string& strPath);
};

// The project's own file system and the stage's writer.
cStageFileOps& StageFileOps();

// "stg4_950": the extension of a stage file of this program's version.
std::string StageFileExt();
// The overwrite branch is taken: overwrite asked, a stage path, and its
// extension is this version's (compared exactly).
bool IsOverwriteSave(const std::string& strPath, bool bOverwrite);
// The name the save dialog proposes: the stage path with this version's
// extension when overwrite is asked, else nothing.
std::string ProposedSaveName(const std::string& strPath, bool bOverwrite);

enum class eStageSave {
    Written,
    Unchanged,  // the overwrite found nothing to write
    Cancelled,  // the user cancelled the file dialog
    Failed,     // nothing changed on the disk; the user was told
};
inline bool IsSaved(eStageSave e) { return e == eStageSave::Written || e == eStageSave::Unchanged; }

// Before either branch: the warning about a stage without a player (the
// save goes on), then every player but the last is cleared.
void PrepareStageSave(cStage& stage, cEditState& state, tWnd hOwner);

// The overwrite save of the stage file at the stage path. The file is moved
// to data\work\ (replacing a stale backup), the stage written, the backup
// deleted. When the backup can't be made nothing is written; when the write
// fails the backup goes back. Only a written file clears the modified flag.
eStageSave OverwriteStage(const cStage& stage, cEditState& state, cStageFileOps& ops, tWnd hOwner);

// The save to a chosen file, which then becomes the stage path (relative to
// the project folder when it can be). After a successful save with
// overwrite asked, the file of the previous stage path that names the same
// stage with another version is moved to data\stg4\old_ver\ (option 0),
// deleted (option 2) or kept; never the file just written. A failed write
// leaves the path, the flag and the previous file as they were.
eStageSave SaveStageAs(const cStage& stage, cEditState& state, const std::string& strChosen, bool bOverwrite,
                       u32 dwOldFiles, cStageFileOps& ops, tWnd hOwner);

// Warns when the stage path names no file any more (renamed outside).
void CheckStageFileExists(const cEditState& state, tWnd hOwner);

// The message of a stage path that can't be made relative.
extern const char* const kOtherDriveText;

// Reads a stage palette file (.plt4) into a scratch copy of the stage's
// three lists; only a whole file replaces them (then the stage is
// normalised and the placed entries inheriting from its palette follow).
// Else the stage stays as it was and the user is told which file failed.
bool LoadStagePaletteFile(cStage& stage, const std::string& strPath, tWnd hOwner);
// Writes the three lists; false (the user told) when it was refused or failed.
bool SaveStagePaletteFile(const cStage& stage, const std::string& strPath, tWnd hOwner);
