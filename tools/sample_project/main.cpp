// Lays out the sample project in the folder given, unless the folder is
// there already.
#include <cstdio>
#include <string>

#include "app/file_system.h"
#include "sample_project.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_project <project-folder>\n");
        return 2;
    }
    // The file layer takes backslash paths on every platform.
    std::string strFolder = argv[1];
    for (char& c : strFolder)
        if (c == '/') c = '\\';
    if (FileSystem().Exists(strFolder)) return 0;
    std::string strError;
    if (!MakeSampleProject(strFolder, strError)) {
        std::fprintf(stderr, "make_sample_project: %s: %s\n", argv[1], strError.c_str());
        return 1;
    }
    return 0;
}
