#pragma once
// The report of a project data file that could not be loaded.
#include <string>

// Writes the message for the file to both logs and shows it in the error box:
// a file of a newer program gets its own text, any other failure the hint to
// copy the file from the default folder.
void ReportLoadFailure(const std::string& strName);
