#pragma once
// The sample project: a project folder laid out from nothing. Its default
// data is what the editor's own objects hold before anything is loaded,
// saved by the same code that saves them in the editor; its bitmaps and
// sounds are drawn and composed by the program. The editor makes its data
// folder from the default folder at its first start.
#include <string>

// Writes the default folder into the current folder (the project folder).
// False when a file can't be written or a data or default folder is there.
bool WriteDefaultData();
// Writes every bitmap and sound of the sample project into the current folder.
bool WriteSampleMedia();
// Writes the editor settings of the sample project: the default stage is the
// stage the editor opens at its first start.
bool WriteStartSettings();
// Lays out the project in the folder, which must not exist yet or be empty;
// the current folder is kept. With bData the data folder is made from the
// default folder as well, as the editor's first start makes it when the user
// agrees. False, with the reason, when it fails.
bool MakeSampleProject(const std::string& strFolder, std::string& strError, bool bData = false);
