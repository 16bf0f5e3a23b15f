// The native file system, for the portable core's tests on Linux.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "app/file_system.h"
#include "app/str_util.h"

namespace {

// Separator backslashes become slashes; a 0x5C trail byte stays.
std::string HostPath(const std::string& strPath)
{
    std::string str(strPath);
    for (size_t i = 0; i < str.size(); ++i) {
        u8 c = static_cast<u8>(str[i]);
        if (IsSjisLead(c) && i + 1 < str.size() && IsSjisTrail(static_cast<u8>(str[i + 1]))) {
            ++i;
        } else if (c == '\\') {
            str[i] = '/';
        }
    }
    return str;
}

std::string ProgramPath(const std::string& strHost)
{
    std::string str(strHost);
    std::replace(str.begin(), str.end(), '/', '\\');
    return str;
}

class cPosixFileSystem : public cFileSystem {
public:
    FILE* Open(const std::string& strPath, const char* lpMode) override
    {
        return fopen(HostPath(strPath).c_str(), lpMode);
    }
    bool Flush(FILE* fp) override { return fflush(fp) == 0 && fsync(fileno(fp)) == 0; }
    bool Exists(const std::string& strPath) override
    {
        struct stat st;
        return !strPath.empty() && stat(HostPath(strPath).c_str(), &st) == 0;
    }
    bool IsFolder(const std::string& strPath) override
    {
        struct stat st;
        return !strPath.empty() && stat(HostPath(strPath).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    bool MakeFolder(const std::string& strPath) override
    {
        return mkdir(HostPath(strPath).c_str(), 0777) == 0;
    }
    bool RemoveFile(const std::string& strPath) override
    {
        return !IsFolder(strPath) && unlink(HostPath(strPath).c_str()) == 0;
    }
    bool RemoveFolder(const std::string& strPath) override
    {
        return rmdir(HostPath(strPath).c_str()) == 0;
    }
    bool MoveOver(const std::string& strFrom, const std::string& strTo) override
    {
        if (rename(HostPath(strFrom).c_str(), HostPath(strTo).c_str()) != 0) return false;
        SyncFolderOf(HostPath(strTo));
        return true;
    }
    bool Rename(const std::string& strFrom, const std::string& strTo) override
    {
        if (Exists(strTo)) return false;
        return rename(HostPath(strFrom).c_str(), HostPath(strTo).c_str()) == 0;
    }
    bool CopyOneFile(const std::string& strFrom, const std::string& strTo) override
    {
        FILE* in = Open(strFrom, "rb");
        if (!in) return false;
        FILE* out = Open(strTo, "wb");
        if (!out) {
            fclose(in);
            return false;
        }
        char buf[65536];
        bool bOk = true;
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, in)) > 0) {
            if (fwrite(buf, 1, n, out) != n) {
                bOk = false;
                break;
            }
        }
        if (ferror(in)) bOk = false;
        fclose(in);
        if (fclose(out) != 0) bOk = false;
        return bOk;
    }
    bool ListFolder(const std::string& strFolder, std::vector<cDirEntry>& entries) override
    {
        std::string strHost = HostPath(strFolder);
        DIR* dir = opendir(strHost.c_str());
        if (!dir) return false;
        std::vector<cDirEntry> found;
        while (dirent* d = readdir(dir)) {
            std::string strName(d->d_name);
            if (strName == "." || strName == "..") continue;
            cDirEntry e;
            e.strName = strName;
            struct stat st;
            e.bFolder = stat((strHost + "/" + strName).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
            found.push_back(e);
        }
        closedir(dir);
        // Windows lists in name order; do the same so that results match.
        std::sort(found.begin(), found.end(),
                  [](const cDirEntry& a, const cDirEntry& b) { return a.strName < b.strName; });
        entries.insert(entries.end(), found.begin(), found.end());
        return true;
    }
    bool GetCurrentFolder(std::string& strPath) override
    {
        char buf[PATH_MAX];
        if (!getcwd(buf, sizeof buf)) return false;
        strPath = ProgramPath(buf);
        return true;
    }
    bool SetCurrentFolder(const std::string& strPath) override
    {
        return chdir(HostPath(strPath).c_str()) == 0;
    }

private:
    static void SyncFolderOf(const std::string& strHostFile)
    {
        size_t n = strHostFile.rfind('/');
        std::string strDir = n == std::string::npos ? "." : strHostFile.substr(0, n ? n : 1);
        int fd = open(strDir.c_str(), O_RDONLY);
        if (fd >= 0) {
            fsync(fd);
            close(fd);
        }
    }
};

}  // namespace

cFileSystem& PlatformFileSystem()
{
    static cPosixFileSystem fs;
    return fs;
}
