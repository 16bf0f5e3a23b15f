// Lays out the sample project in the folder given, unless the folder is
// there already. With --with-data its data folder is made too, for a run
// of the editor that has no one to answer its first question.
#include <cstdio>
#include <string>

#include "app/file_system.h"
#include "sample_project.h"

int main(int argc, char** argv)
{
    const bool bData = argc == 3 && std::string(argv[1]) == "--with-data";
    if (argc != 2 && !bData) {
        std::fprintf(stderr, "usage: make_sample_project [--with-data] <project-folder>\n");
        return 2;
    }
    // The file layer takes backslash paths on every platform.
    std::string strFolder = argv[argc - 1];
    for (char& c : strFolder)
        if (c == '/') c = '\\';
    if (FileSystem().Exists(strFolder)) return 0;
    std::string strError;
    if (!MakeSampleProject(strFolder, strError, bData)) {
        std::fprintf(stderr, "make_sample_project: %s: %s\n", argv[argc - 1], strError.c_str());
        return 1;
    }
    return 0;
}
